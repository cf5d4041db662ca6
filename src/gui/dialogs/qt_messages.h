// The messages shown with Qt: the question through TForm4, message boxes and the general error
// box through QMessageBox, file dialogs through QFileDialog, progress through QProgressDialog.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "app/state/messages.h"
#include "core/language/texts.h"

class QWidget;

namespace skemora {

class TForm4;

class QtMessages : public Messages {
public:
    // The windows are created after the main window; until they are attached, a temporary
    // question dialog is used and boxes have no parent.
    void Attach(QWidget* mainWindow, TForm4* question, const DialogTexts* texts);

    int Ask(const std::string& title, const std::string& message) override;
    void ShowMessage(const std::string& text) override;
    void Notify(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> OpenFileName(const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& folder, const std::string& fileName,
                                            const std::string& filter,
                                            const std::string& defaultExtension) override;
    // The choice: a ChoiceDialog over the main window.
    std::optional<int> ChooseOne(const std::string& title, const std::string& prompt,
                                 const std::vector<std::string>& options) override;
    // Progress: a QProgressDialog over the main window.
    std::unique_ptr<Progress> StartProgress(const std::string& label, int total) override;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<TForm4> question_;
    const DialogTexts* texts_ = nullptr;
};

// A message box titled "Skemora" over `parent`, wide enough for a window manager's title bar
// to show the whole title beside its icon and buttons: the program's small font makes Qt's own
// allowance for the title too narrow, and a short message left the title cut.
void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// "description|pattern|description|pattern" as a Qt name filter list
// "description (pattern);;...". Patterns separated by ";" become blank-separated.
QString QtNameFilters(const std::string& filter);

}  // namespace skemora
