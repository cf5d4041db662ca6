#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/accepting_dialog.h"
#include "app/class_name_dialog.h"
#include "app/question_dialog.h"

namespace skemora {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr char kBoxTitle[] = "Skemora";

// The general error box. Its text can be selected and copied, to quote a path or a reason.
void ShowErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, kBoxTitle, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

}  // namespace

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = Utf8(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        QString pattern = i + 1 < parts.size() ? parts[i + 1] : description;
        pattern.replace(';', ' ');
        filters << QStringLiteral("%1 (%2)").arg(description, pattern.simplified());
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDialogs::Attach(QWidget* mainWindow, TForm4* question, TForm12* className,
                       const DialogTexts* texts, Platform* platform) {
    mainWindow_ = mainWindow;
    question_ = question;
    className_ = className;
    texts_ = texts;
    platform_ = platform;
}

int QtDialogs::Ask(const std::string& title, const std::string& message) {
    TForm4 fallback(mainWindow_);
    TForm4* dialog = question_ ? question_.data() : &fallback;
    if (texts_)
        dialog->setButtonTexts(Utf8(texts_->AskYes), Utf8(texts_->AskNo), Utf8(texts_->AskCancel));
    dialog->setWindowTitle(Utf8(title));
    dialog->setMessage(Utf8(message));
    const int answer = dialog->exec();
    return answer == kAnswerYes || answer == kAnswerNo ? answer : kAnswerCancel;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(mainWindow_, kBoxTitle, Utf8(text));
}

void QtDialogs::ShowError(const std::string& text) {
    ShowErrorBox(mainWindow_, Utf8(text));
}

std::optional<std::string> QtDialogs::OpenFileName(const std::string& folder,
                                                   const std::string& filter) {
    const QString path =
        QFileDialog::getOpenFileName(mainWindow_, QString(), Utf8(folder), QtNameFilters(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtDialogs::SaveFileName(const std::string& folder,
                                                   const std::string& fileName,
                                                   const std::string& filter,
                                                   const std::string& defaultExtension) {
    QFileDialog dialog(mainWindow_, QString(), Utf8(folder), QtNameFilters(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The callers ask themselves before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString suffix = Utf8(defaultExtension);
    while (suffix.startsWith('*') || suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(Utf8(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

bool QtDialogs::EditClassName(std::string& name, const AcceptStep& save) {
    AcceptingDialog<TForm12> fallback(mainWindow_);
    TForm12* dialog = className_ ? className_.data() : &fallback;
    if (texts_) dialog->setTexts(Utf8(texts_->ClassTitle), Utf8(texts_->ClassPrompt));
    dialog->setClassName(Utf8(name));
    return ExecSaving(
        dialog, [&] { name = dialog->className().toStdString(); }, save);
}

bool QtDialogs::ExecSaving(QDialog* dialog, const std::function<void()>& readBack,
                           const AcceptStep& save) {
    auto* check = dynamic_cast<AcceptCheck*>(dialog);
    const auto store = [&] {
        readBack();
        const auto failure = save ? save() : std::nullopt;
        if (failure) ShowErrorBox(dialog, Utf8(*failure));
        return !failure;
    };
    if (check) check->BeforeAccept = store;
    const int result = dialog->exec();
    if (check) check->BeforeAccept = nullptr;
    if (result != kAnswerYes) return false;
    // A dialog made without the check stores after closing.
    if (!check) store();
    return true;
}

}  // namespace skemora
