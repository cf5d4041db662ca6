#include "gui/dialogs/choice_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/state/help_topics.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/ok_cancel_buttons.h"

namespace skemora {

ChoiceDialog::ChoiceDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("ChoiceDialog");
    // Its one use is the calendar export of the File menu.
    SetHelpTopic(this, kTopicFileMenu);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(this);
    prompt_->setObjectName("prompt");
    prompt_->setTextFormat(Qt::PlainText);
    layout->addWidget(prompt_);
    optionsLayout_ = new QVBoxLayout;
    layout->addLayout(optionsLayout_);
    group_ = new QButtonGroup(this);
    auto* buttons = AddOkCancel(this, ok_, cancel_);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ChoiceDialog::setPrompt(const QString& prompt) {
    prompt_->setText(prompt);
}

void ChoiceDialog::setOptions(const QStringList& options) {
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    for (qsizetype k = 0; k < options.size(); ++k) {
        auto* button = new QRadioButton(options[k], this);
        button->setObjectName(QStringLiteral("option%1").arg(k));
        group_->addButton(button, static_cast<int>(k));
        // An option's letter clicks it only a moment later; Enter pressed at once after the
        // letter must still take that option.
        connect(button, &QAbstractButton::pressed, button, [button] { button->setChecked(true); });
        optionsLayout_->addWidget(button);
    }
    if (auto* first = group_->button(0)) {
        first->setChecked(true);
        first->setFocus();
    }
}

void ChoiceDialog::setButtonTexts(const QString& ok, const QString& cancel) {
    ok_->setText(ok);
    cancel_->setText(cancel);
}

int ChoiceDialog::chosen() const {
    return group_->checkedId();
}

}  // namespace skemora
