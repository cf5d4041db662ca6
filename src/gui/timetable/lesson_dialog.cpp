#include "gui/timetable/lesson_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/qt_refused_characters.h"

namespace skemora {

namespace {

QLabel* FieldLabel(const QString& text, int left, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(left, 8, 121, 16);
    return label;
}

}  // namespace

TForm11::TForm11(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm11");
    SetHelpTopic(this, kTopicEditMenu);
    setModal(true);
    lessonLabel_ = FieldLabel("Lesson", 8, this, "lessonLabel");
    roomLabel_ = FieldLabel("Room", 144, this, "roomLabel");
    teacherLabel_ = FieldLabel("Teacher", 272, this, "teacherLabel");
    subject_ = new QComboBox(this);
    subject_->setObjectName("subjectField");
    subject_->setEditable(true);
    subject_->setInsertPolicy(QComboBox::NoInsert);
    subject_->setGeometry(8, 26, 129, 22);
    room_ = new QLineEdit(this);
    room_->setObjectName("roomField");
    room_->setGeometry(144, 26, 121, 22);
    teacher_ = new QLineEdit(this);
    teacher_->setObjectName("teacherField");
    teacher_->setGeometry(272, 26, 121, 22);
    for (QLineEdit* field : {room_, teacher_}) KeepOneLine(field);
    // A screen reader names each field by its label.
    lessonLabel_->setBuddy(subject_);
    roomLabel_->setBuddy(room_);
    teacherLabel_->setBuddy(teacher_);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(232, 84, 75, 25);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    cancel_->setGeometry(318, 84, 75, 25);

    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });
    RefuseCharacters(subject_->lineEdit(),
                     [this](const QString& character) { emit refusedCharacter(character); });
    // Typing runs after the refusal above, so only a clean subject is looked up.
    connect(subject_->lineEdit(), &QLineEdit::textEdited, this,
            [this] { FillFromList(subject_->currentText()); });
    connect(subject_, &QComboBox::textActivated, this, &TForm11::FillFromList);
    setTabOrder(subject_, room_);
    setTabOrder(room_, teacher_);
    setTabOrder(teacher_, ok_);
    setTabOrder(ok_, cancel_);
    setFixedSize(401, 124);
}

void TForm11::prepare(const QString& title, const std::vector<std::string>& choices,
                      const std::vector<std::string>& subjectList, const LessonFields& lesson) {
    setWindowTitle(title);
    subjectList_ = subjectList;
    subject_->clear();
    for (const auto& choice : choices) subject_->addItem(QString::fromStdString(choice));
    subject_->setEditText(QString::fromStdString(lesson.Subject));
    room_->setText(QString::fromStdString(lesson.Room));
    teacher_->setText(QString::fromStdString(lesson.Teacher));
    subject_->setFocus();
    subject_->lineEdit()->selectAll();
}

LessonFields TForm11::lesson() const {
    return {subject_->currentText().toStdString(), room_->text().toStdString(),
            teacher_->text().toStdString()};
}

void TForm11::setTexts(const QString& lessonLabel, const QString& roomLabel,
                       const QString& teacherLabel, const QString& cancel) {
    if (!lessonLabel.isEmpty()) lessonLabel_->setText(lessonLabel);
    if (!roomLabel.isEmpty()) roomLabel_->setText(roomLabel);
    if (!teacherLabel.isEmpty()) teacherLabel_->setText(teacherLabel);
    if (!cancel.isEmpty()) cancel_->setText(cancel);
}

void TForm11::reject() {
    done(kAnswerCancel);
}

void TForm11::FillFromList(const QString& subject) {
    const auto found = LessonFromList(subjectList_, subject.toStdString());
    if (!found) return;
    room_->setText(QString::fromStdString(found->Room));
    teacher_->setText(QString::fromStdString(found->Teacher));
}

}  // namespace skemora
