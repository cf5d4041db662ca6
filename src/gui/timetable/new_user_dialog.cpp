#include "gui/timetable/new_user_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/qt_refused_characters.h"

namespace skemora {

namespace {

void SetIfGiven(QWidget* widget, const QString& hint) {
    if (!hint.isEmpty()) widget->setToolTip(hint);
}

}  // namespace

Tnewtime::Tnewtime(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("Tnewtime");
    SetHelpTopic(this, kTopicFileMenu);
    setModal(true);
    setWindowTitle("Create new user");
    nameLabel_ = new QLabel("Your name:", this);
    nameLabel_->setObjectName("nameLabel");
    nameLabel_->setGeometry(16, 22, 120, 16);
    name_ = new QLineEdit(this);
    name_->setObjectName("nameField");
    name_->setGeometry(144, 18, 265, 22);
    name_->setToolTip("The name of the new user");
    classLabel_ = new QLabel("Class name", this);
    classLabel_->setObjectName("classLabel");
    classLabel_->setGeometry(16, 58, 120, 16);
    class_ = new QLineEdit(this);
    class_->setObjectName("classField");
    class_->setGeometry(144, 54, 265, 22);
    class_->setToolTip("The name of users class");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(248, 108, 75, 25);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    cancel_->setGeometry(334, 108, 75, 25);
    for (QLabel* label : {nameLabel_, classLabel_}) label->setTextFormat(Qt::PlainText);
    nameLabel_->setBuddy(name_);  // a screen reader names each field by its label
    classLabel_->setBuddy(class_);

    connect(ok_, &QPushButton::clicked, this, [this] {
        if (!check_ || check_(name_->text(), class_->text())) done(kAnswerYes);
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });
    RefuseCharacters(name_, [this](const QString& character) { emit refusedCharacter(character); });
    KeepOneLine(class_);
    setTabOrder(name_, class_);
    setTabOrder(class_, ok_);
    setTabOrder(ok_, cancel_);
    setFixedSize(427, 148);
}

void Tnewtime::prepare() {
    name_->clear();
    class_->clear();
    name_->setFocus();
}

QString Tnewtime::userName() const {
    return name_->text();
}

QString Tnewtime::className() const {
    return class_->text();
}

void Tnewtime::setTexts(const Texts& texts) {
    if (!texts.Title.isEmpty()) setWindowTitle(texts.Title);
    if (!texts.NameLabel.isEmpty()) nameLabel_->setText(texts.NameLabel);
    if (!texts.ClassLabel.isEmpty()) classLabel_->setText(texts.ClassLabel);
    if (!texts.Cancel.isEmpty()) cancel_->setText(texts.Cancel);
    SetIfGiven(name_, texts.NameHint);
    SetIfGiven(class_, texts.ClassHint);
}

void Tnewtime::setCheck(std::function<bool(const QString&, const QString&)> check) {
    check_ = std::move(check);
}

void Tnewtime::reject() {
    done(kAnswerCancel);
}

}  // namespace skemora
