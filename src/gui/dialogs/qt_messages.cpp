#include "gui/dialogs/qt_messages.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStringList>

#include "gui/dialogs/choice_dialog.h"
#include "gui/dialogs/question_dialog.h"

namespace skemora {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr char kBoxTitle[] = "Skemora";

// A title bar's room besides the title: the window icon and three buttons with their margins.
constexpr int kTitleBarControlsWidth = 160;
// Shown once the work looks like taking longer than this.
constexpr int kProgressDelayMilliseconds = 400;

class QtProgress : public Messages::Progress {
public:
    QtProgress(QWidget* parent, const QString& label, const QString& cancel, int total)
        : dialog_(label, cancel, 0, total, parent) {
        dialog_.setWindowTitle(kBoxTitle);
        // Blocks the main window while the work runs; Step lets the Cancel button be pressed.
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(kProgressDelayMilliseconds);
        dialog_.setAutoReset(false);
    }
    bool Step(int done) override {
        // The dialog estimates from the steps whether the work takes longer than a moment. A
        // value of 0 would show it after that moment whatever the work, over a question asked
        // during it, so the first step is left out.
        if (done > 0) dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

}  // namespace

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kBoxTitle, text, QMessageBox::Ok, parent);
    // The text can be selected and copied, to quote a path or a reason.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarControlsWidth;
    // The box sizes itself to its layout's minimum on showing, so the width goes in there.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

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

void QtMessages::Attach(QWidget* mainWindow, TForm4* question, const DialogTexts* texts) {
    mainWindow_ = mainWindow;
    question_ = question;
    texts_ = texts;
}

int QtMessages::Ask(const std::string& title, const std::string& message) {
    TForm4 fallback(mainWindow_);
    TForm4* dialog = question_ ? question_.data() : &fallback;
    if (texts_)
        dialog->setButtonTexts(Utf8(texts_->AskYes), Utf8(texts_->AskNo), Utf8(texts_->AskCancel));
    dialog->setWindowTitle(Utf8(title));
    dialog->setMessage(Utf8(message));
    const int answer = dialog->exec();
    return answer == kAnswerYes || answer == kAnswerNo ? answer : kAnswerCancel;
}

void QtMessages::ShowMessage(const std::string& text) {
    ShowMessageBox(mainWindow_, QMessageBox::Information, Utf8(text));
}

void QtMessages::Notify(const std::string& text) {
    if (!mainWindow_) return ShowMessage(text);
    // Shown beside the work and gone with the main window; the keyboard stays where it was.
    auto* box = new QMessageBox(QMessageBox::Information, kBoxTitle, Utf8(text), QMessageBox::Ok,
                                mainWindow_);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}

void QtMessages::ShowError(const std::string& text) {
    ShowMessageBox(mainWindow_, QMessageBox::Critical, Utf8(text));
}

std::optional<std::string> QtMessages::OpenFileName(const std::string& folder,
                                                    const std::string& filter) {
    const QString path =
        QFileDialog::getOpenFileName(mainWindow_, QString(), Utf8(folder), QtNameFilters(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtMessages::SaveFileName(const std::string& folder,
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

std::optional<int> QtMessages::ChooseOne(const std::string& title, const std::string& prompt,
                                         const std::vector<std::string>& options) {
    ChoiceDialog dialog(mainWindow_);
    dialog.setWindowTitle(Utf8(title));
    dialog.setPrompt(Utf8(prompt));
    QStringList captions;
    for (const std::string& option : options) captions << Utf8(option);
    dialog.setOptions(captions);
    if (texts_) dialog.setButtonTexts(Utf8(texts_->ChoiceOk), Utf8(texts_->ChoiceCancel));
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return std::nullopt;
    return dialog.chosen();
}

std::unique_ptr<Messages::Progress> QtMessages::StartProgress(const std::string& label, int total) {
    const QString cancel = texts_ ? Utf8(texts_->AskCancel) : QStringLiteral("Cancel");
    return std::make_unique<QtProgress>(mainWindow_, Utf8(label), cancel, total);
}

}  // namespace skemora
