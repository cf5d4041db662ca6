#include "gui/dialogs/question_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"

namespace skemora {

namespace {
constexpr int kClientWidth = 305;
constexpr int kClientHeight = 75;
constexpr int kMessageLeft = 24;
}  // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm4");
    SetHelpTopic(this, kTopicQuestion);
    setModal(true);
    message_ = new QLabel(this);
    message_->setObjectName("message");
    message_->setTextFormat(Qt::PlainText);
    message_->move(kMessageLeft, 16);
    auto makeButton = [this](const char* name, const QString& text, int left, int result) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setGeometry(left, 40, 75, 25);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        return button;
    };
    yes_ = makeButton("yesButton", "Yes", 16, kAnswerYes);
    no_ = makeButton("noButton", "No", 112, kAnswerNo);
    cancel_ = makeButton("cancelButton", "Cancel", 208, kAnswerCancel);
    yes_->setDefault(true);
    setFixedSize(kClientWidth, kClientHeight);
}

void TForm4::setMessage(const QString& message) {
    message_->setText(message);
    message_->adjustSize();
    // A long question widens the window rather than being cut off.
    setFixedSize(std::max(kClientWidth, kMessageLeft * 2 + message_->width()), kClientHeight);
}

QString TForm4::message() const {
    return message_->text();
}

void TForm4::setButtonTexts(const QString& yes, const QString& no, const QString& cancel) {
    if (!yes.isEmpty()) yes_->setText(yes);
    if (!no.isEmpty()) no_->setText(no);
    if (!cancel.isEmpty()) cancel_->setText(cancel);
}

void TForm4::reject() {
    done(kAnswerCancel);
}

}  // namespace skemora
