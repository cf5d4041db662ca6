#include "gui/notes/homework_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/qt_messages.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "gui/notes/qt_note_widgets.h"

namespace skemora {

namespace {

constexpr int kWidth = 421;

QLabel* MakeStrip(QWidget* parent, const char* name, const QString& text, int top, int height) {
    auto* strip = new QLabel(text, parent);
    strip->setObjectName(name);
    strip->setTextFormat(Qt::PlainText);
    strip->setAlignment(Qt::AlignCenter);
    strip->setFrameShape(QFrame::Panel);
    strip->setFrameShadow(QFrame::Raised);
    strip->setGeometry(0, top, kWidth, height);
    return strip;
}

std::optional<std::string> AskFile(QWidget* parent, QFileDialog::AcceptMode mode,
                                   const QString& title, const char* filter) {
    QFileDialog dialog(parent, title, QDir::homePath(), QtNameFilters(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm5");
    SetHelpTopic(this, kTopicHomework);
    setModal(true);
    homeworkStrip_ = MakeStrip(this, "homeworkStrip", "Homework description", 0, 17);
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("description");
    description_->setGeometry(0, 17, kWidth, 120);
    description_->setTabChangesFocus(true);  // Tab goes on to the shortcuts, as everywhere
    shortcutStrip_ = MakeStrip(this, "shortcutStrip", "Shortcut to files", 137, 16);
    shortcuts_ = new QListWidget(this);
    shortcuts_->setObjectName("shortcutList");
    shortcuts_->setSelectionMode(QAbstractItemView::SingleSelection);
    shortcuts_->setGeometry(0, 153, kWidth, 65);
    // A screen reader names the text and the list by the strips above them.
    homeworkStrip_->setBuddy(description_);
    shortcutStrip_->setBuddy(shortcuts_);
    add_ = MakeNoteButton(this, "addButton", "Add Shortcut", 16, 224);
    create_ = MakeNoteButton(this, "createButton", "Create file", 104, 224);
    delete_ = MakeNoteButton(this, "deleteButton", "Delete", 192, 224);
    delete_->setEnabled(false);
    ok_ = MakeNoteButton(this, "okButton", "OK", 336, 232);

    texts_ = {"Homework description",
              "Shortcut to files",
              "Add Shortcut",
              "Create file",
              "Delete",
              "Save changes?",
              "Filetype missing! ie. wordfile.doc instead of just wordfile",
              "Write filename for the new file",
              "File exist! Use Add shortcut instead.",
              "Cannot create file %1",
              "The file's name holds a line break, so it cannot be kept as a shortcut. Rename "
              "the file and add it again."};
    services_.OpenFileName = [this] {
        return AskFile(this, QFileDialog::AcceptOpen, QString(), kShortcutFilter);
    };
    services_.SaveFileName = [this](const std::string& title) {
        return AskFile(this, QFileDialog::AcceptSave, QString::fromStdString(title),
                       kCreateFileFilter);
    };
    services_.Message = [this](const QString& text) {
        ShowMessageBox(this, QMessageBox::Information, text);
    };

    connect(description_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(shortcuts_, &QListWidget::itemClicked, this, [this] { delete_->setEnabled(true); });
    connect(shortcuts_, &QListWidget::itemDoubleClicked, this, &TForm5::OpenShortcut);
    connect(add_, &QPushButton::clicked, this, &TForm5::AddShortcut);
    connect(create_, &QPushButton::clicked, this, &TForm5::CreateFile);
    connect(delete_, &QPushButton::clicked, this, &TForm5::DeleteShortcut);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    setFixedSize(kWidth, 300);
}

void TForm5::setHomework(const LessonHomework& homework) {
    description_->setPlainText(QString::fromStdString(DescriptionText(homework.HomeworkText)));
    shortcuts_->clear();
    for (const auto& path : homework.Shortcuts) shortcuts_->addItem(QString::fromStdString(path));
    delete_->setEnabled(false);
    description_->setFocus();
    changed_ = false;
}

LessonHomework TForm5::homework() const {
    LessonHomework homework;
    homework.HomeworkText = DescriptionLines(description_->toPlainText().toStdString());
    for (int i = 0; i < shortcuts_->count(); ++i)
        homework.Shortcuts.push_back(shortcuts_->item(i)->text().toStdString());
    return homework;
}

void TForm5::setTexts(const HomeworkDialogTexts& texts) {
    texts_ = texts;
    homeworkStrip_->setText(texts.HomeworkStrip);
    shortcutStrip_->setText(texts.ShortcutStrip);
    add_->setText(texts.Add);
    create_->setText(texts.Create);
    delete_->setText(texts.Delete);
}

void TForm5::setServices(HomeworkDialogServices services) {
    if (services.Ask) services_.Ask = std::move(services.Ask);
    if (services.Open) services_.Open = std::move(services.Open);
    if (services.OpenFileName) services_.OpenFileName = std::move(services.OpenFileName);
    if (services.SaveFileName) services_.SaveFileName = std::move(services.SaveFileName);
    if (services.Message) services_.Message = std::move(services.Message);
    if (services.Reason) services_.Reason = std::move(services.Reason);
}

void TForm5::reject() {
    CloseAsking(*this, changed_, {texts_.CloseQuestion, services_.Ask});
}

void TForm5::AddShortcut() {
    const auto path = services_.OpenFileName();
    if (!path) return;
    // Each shortcut is one line of the week homework file.
    if (HoldsLineBreak(*path)) {
        services_.Message(texts_.ShortcutLineBreak);
        return;
    }
    shortcuts_->addItem(QString::fromStdString(*path));
    changed_ = true;
}

void TForm5::CreateFile() {
    CreatedFile created;
    try {
        // A name that is taken is never written over: the user is told and asked for another.
        for (;;) {
            created = CreateShortcutFile(
                services_.SaveFileName,
                {texts_.FileNamePrompt.toStdString(), texts_.MissingType.toStdString()},
                saveTitle_);
            if (created.Result == CreateFileResult::Exists) {
                services_.Message(texts_.FileExists);
            } else if (created.Result == CreateFileResult::LineBreak) {
                services_.Message(texts_.ShortcutLineBreak);
            } else {
                break;
            }
        }
    } catch (const SkemoraError& error) {
        // Nothing is added for a document that is not there.
        const auto& arguments = error.Arguments();
        const std::string path = arguments.empty() ? std::string() : arguments.front();
        QString message = texts_.CannotCreate.arg(QString::fromStdString(path));
        if (error.SystemError() != 0) {
            const std::string reason = services_.Reason ? services_.Reason(error.SystemError())
                                                        : SystemErrorText(error.SystemError());
            message += "\n" + QString::fromStdString(reason);
        }
        services_.Message(message);
        return;
    }
    if (created.Result != CreateFileResult::Created) return;
    shortcuts_->addItem(QString::fromStdString(created.Path));
    changed_ = true;
    if (services_.Open) services_.Open(created.Path);
}

void TForm5::DeleteShortcut() {
    const int row = shortcuts_->currentRow();
    if (row >= 0 && shortcuts_->currentItem()->isSelected()) delete shortcuts_->takeItem(row);
    changed_ = true;
    delete_->setEnabled(false);
}

void TForm5::OpenShortcut() {
    const QListWidgetItem* item = shortcuts_->currentItem();
    if (item && services_.Open) services_.Open(item->text().toStdString());
}

}  // namespace skemora
