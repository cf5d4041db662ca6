#include "gui/notes/mates_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "core/notes/mates.h"
#include "gui/notes/qt_note_widgets.h"

namespace skemora {

namespace {

constexpr int kWidth = 435;

}  // namespace

TForm8::TForm8(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm8");
    SetHelpTopic(this, kTopicMates);
    setModal(true);
    list_ = new QListWidget(this);
    list_->setObjectName("nameList");
    list_->setGeometry(0, 0, kWidth, 209);
    add_ = MakeNoteButton(this, "addButton", "Add", 24, 225);
    delete_ = MakeNoteButton(this, "deleteButton", "Delete", 120, 225);
    delete_->setEnabled(false);
    ok_ = MakeNoteButton(this, "okButton", "OK", 328, 225);

    connect(list_, &QListWidget::itemClicked, this, [this] { delete_->setEnabled(true); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &TForm8::EditMateClicked);
    connect(add_, &QPushButton::clicked, this, &TForm8::AddMateClicked);
    connect(delete_, &QPushButton::clicked, this, &TForm8::DeleteMateClicked);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    setFixedSize(kWidth, 300);
}

void TForm8::setMates(const std::vector<std::string>& lines) {
    lines_ = lines;
    ShowNames();
    changed_ = false;
}

void TForm8::setTexts(const QString& add, const QString& remove) {
    if (!add.isEmpty()) add_->setText(add);
    if (!remove.isEmpty()) delete_->setText(remove);
}

void TForm8::setCardEditor(std::function<bool(ContactCardFields&)> editor) {
    editor_ = std::move(editor);
}

void TForm8::setCloseQuestion(CloseQuestion question) {
    closeQuestion_ = std::move(question);
}

void TForm8::reject() {
    CloseAsking(*this, changed_, closeQuestion_);
}

void TForm8::ShowNames() {
    list_->clear();
    for (const auto& name : MateNames(lines_)) list_->addItem(QString::fromStdString(name));
    delete_->setEnabled(false);
}

void TForm8::AddMateClicked() {
    ContactCardFields card;
    if (!editor_ || !editor_(card)) return;
    AddMate(lines_, card);
    list_->addItem(QString::fromStdString(card.Fields[0]));
    changed_ = true;
}

void TForm8::EditMateClicked() {
    const int row = list_->currentRow();
    if (row < 0 || !editor_) return;
    ContactCardFields card = MateCard(lines_, static_cast<std::size_t>(row));
    if (!editor_(card)) return;
    ReplaceMate(lines_, static_cast<std::size_t>(row), card);
    list_->item(row)->setText(QString::fromStdString(card.Fields[0]));
    changed_ = true;
}

void TForm8::DeleteMateClicked() {
    const int row = list_->currentRow();
    if (row >= 0 && list_->currentItem()->isSelected()) {
        DeleteMate(lines_, static_cast<std::size_t>(row));
        delete list_->takeItem(row);
        changed_ = true;
    }
    delete_->setEnabled(false);
}

}  // namespace skemora
