#include "gui/timetable/time_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "core/timetable/lesson_rules.h"

namespace skemora {

TForm10::TForm10(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm10");
    SetHelpTopic(this, kTopicEditMenu);
    setModal(true);
    time_ = new QLineEdit(this);
    time_->setObjectName("timeField");
    time_->setInputMask("99:99; ");
    time_->setAlignment(Qt::AlignCenter);
    time_->setGeometry(58, 20, 75, 22);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(12, 68, 75, 25);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    cancel_->setGeometry(104, 68, 75, 25);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (StartTimeOfText(time().toStdString())) {
            done(kAnswerYes);
        } else {
            emit invalidTime();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });
    connect(time_, &QLineEdit::textChanged, this, [this] {
        const std::string shown = time_->displayText().toStdString();
        const std::string kept = TimeFieldText(shown, opening_.toStdString());
        if (kept == shown) return;
        time_->setText(QString::fromStdString(kept));
        emit invalidTime();
    });
    setTabOrder(time_, ok_);
    setTabOrder(ok_, cancel_);
    setFixedSize(191, 111);
}

void TForm10::prepare(const QString& title, const QString& time) {
    setWindowTitle(title);
    time_->setAccessibleName(title);  // a screen reader names the field by the day
    opening_ = time;
    time_->setText(time);
    time_->setFocus();
    time_->setCursorPosition(0);
}

QString TForm10::time() const {
    return time_->displayText();
}

void TForm10::setCancelText(const QString& cancel) {
    if (!cancel.isEmpty()) cancel_->setText(cancel);
}

void TForm10::reject() {
    done(kAnswerCancel);
}

}  // namespace skemora
