#include "gui/timetable/class_name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/qt_refused_characters.h"

namespace skemora {

TForm12::TForm12(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm12");
    SetHelpTopic(this, kTopicTimetableMenu);
    setModal(true);
    setWindowTitle("Name");
    prompt_ = new QLabel("Write the name of your class", this);
    prompt_->setObjectName("prompt");
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setGeometry(16, 12, 214, 16);
    name_ = new QLineEdit(this);
    name_->setObjectName("className");
    name_->setGeometry(16, 36, 214, 22);
    KeepOneLine(name_);
    prompt_->setBuddy(name_);  // a screen reader names the field by the prompt
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(85, 74, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    setFixedSize(246, 123);
}

void TForm12::setClassName(const QString& name) {
    name_->setText(name);
    name_->selectAll();
    name_->setFocus();
}

QString TForm12::className() const {
    return name_->text();
}

void TForm12::setTexts(const QString& title, const QString& prompt) {
    if (!title.isEmpty()) setWindowTitle(title);
    if (!prompt.isEmpty()) prompt_->setText(prompt);
}

void TForm12::reject() {
    done(kAnswerCancel);
}

}  // namespace skemora
