#include "gui/notes/links_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "core/notes/links.h"
#include "gui/notes/qt_note_widgets.h"
#include "gui/dialogs/qt_refused_characters.h"

namespace skemora {

namespace {

constexpr int kWidth = 409;

}  // namespace

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm6");
    SetHelpTopic(this, kTopicLinks);
    setModal(true);
    list_ = new QListWidget(this);
    list_->setObjectName("addressList");
    list_->setGeometry(0, 0, kWidth, 169);
    address_ = new QLineEdit(kAddressStart, this);
    address_->setObjectName("addressField");
    address_->setGeometry(0, 185, kWidth, 21);
    KeepOneLine(address_);
    add_ = MakeNoteButton(this, "addButton", "Add Link", 16, 217);
    add_->setEnabled(false);
    delete_ = MakeNoteButton(this, "deleteButton", "Delete Link", 120, 217);
    delete_->setEnabled(false);
    ok_ = MakeNoteButton(this, "okButton", "OK", 304, 217);

    connect(list_, &QListWidget::itemClicked, this, [this] { delete_->setEnabled(true); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &TForm6::OpenAddress);
    connect(address_, &QLineEdit::textChanged, this,
            [this](const QString& text) { add_->setEnabled(LinkAddEnabled(text.toStdString())); });
    connect(add_, &QPushButton::clicked, this, &TForm6::AddAddress);
    connect(delete_, &QPushButton::clicked, this, &TForm6::DeleteAddress);
    connect(ok_, &QPushButton::clicked, this, &TForm6::Keep);
    setFixedSize(kWidth, 285);
}

void TForm6::setAddresses(const std::vector<std::string>& addresses) {
    list_->clear();
    for (const auto& address : addresses) list_->addItem(QString::fromStdString(address));
    delete_->setEnabled(false);
    address_->setFocus();
    changed_ = false;
}

std::vector<std::string> TForm6::addresses() const {
    std::vector<std::string> result;
    for (int i = 0; i < list_->count(); ++i) result.push_back(list_->item(i)->text().toStdString());
    return result;
}

void TForm6::setTexts(const QString& add, const QString& remove) {
    if (!add.isEmpty()) add_->setText(add);
    if (!remove.isEmpty()) delete_->setText(remove);
}

void TForm6::setOpener(std::function<void(const std::string&)> opener) {
    opener_ = std::move(opener);
}

void TForm6::setCloseQuestion(CloseQuestion question) {
    closeQuestion_ = std::move(question);
}

void TForm6::reject() {
    const bool typed = LinkAddEnabled(address_->text().toStdString());
    CloseAsking(*this, changed_ || typed, closeQuestion_, [this] { Keep(); });
}

void TForm6::Keep() {
    if (LinkAddEnabled(address_->text().toStdString())) AddAddress();
    done(kAnswerYes);
}

void TForm6::AddAddress() {
    if (address_->text() != kAddressStart) {
        list_->addItem(address_->text());
        changed_ = true;
    }
    address_->setText(kAddressStart);
    add_->setEnabled(false);
}

void TForm6::DeleteAddress() {
    const int row = list_->currentRow();
    if (row >= 0 && list_->currentItem() && list_->currentItem()->isSelected()) {
        delete list_->takeItem(row);
        changed_ = true;
    }
    delete_->setEnabled(false);
}

void TForm6::OpenAddress() {
    const QListWidgetItem* item = list_->currentItem();
    if (item && opener_) opener_(item->text().toStdString());
}

}  // namespace skemora
