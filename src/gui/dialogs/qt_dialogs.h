// Dialogs shown with Qt: the question through TForm4, the class name through TForm12, message
// boxes and the general error box through QMessageBox, file dialogs through QFileDialog.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "app/state/dialogs.h"
#include "core/language/texts.h"
#include "app/state/platform.h"

class QDialog;
class QWidget;

namespace skemora {

class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm10;
class TForm11;
class TForm12;
class TFerieForm;
class Tnewtime;

class QtDialogs : public Dialogs {
public:
    // The windows are created after the main window; until they are attached, a temporary
    // dialog is used and boxes have no parent. The other dialogs are made on first use, as
    // children of the main window, and kept for the rest of the run. `platform` opens what a
    // dialog's buttons open (mail addresses, web addresses, documents).
    void Attach(QWidget* mainWindow, TForm4* question, TForm12* className, const DialogTexts* texts,
                Platform* platform);

    int Ask(const std::string& title, const std::string& message) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> OpenFileName(const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& folder, const std::string& fileName,
                                            const std::string& filter,
                                            const std::string& defaultExtension) override;
    bool EditClassName(std::string& name, const AcceptStep& save) override;
    bool EditContactCard(const std::string& title, ContactCardFields& card,
                         const AcceptStep& save) override;

    // Lesson editing.
    bool EditTime(const std::string& title, std::string& time, const AcceptStep& save) override;
    bool EditLesson(const std::string& title, const std::vector<std::string>& choices,
                    const std::vector<std::string>& subjectList, LessonFields& lesson,
                    const AcceptStep& save) override;
    std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>& acceptable) override;

    // Lesson notes.
    bool EditHomework(const std::string& title, LessonHomework& homework,
                      const AcceptStep& save) override;
    bool EditLinks(const std::string& title, std::vector<std::string>& addresses,
                   const AcceptStep& save) override;
    bool EditMates(const std::string& title, const std::string& cardTitle,
                   std::vector<std::string>& mates, const AcceptStep& save) override;

    // Holidays.
    bool EditHoliday(const std::string& title, HolidayEditorRecord& record,
                     const AcceptStep& save) override;

    // Progress: a QProgressDialog over the main window.
    std::unique_ptr<Progress> StartProgress(const std::string& label, int total) override;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<TForm4> question_;
    QPointer<TForm12> className_;
    const DialogTexts* texts_ = nullptr;
    Platform* platform_ = nullptr;

    // Lesson editing dialogs.
    QPointer<TForm10> time_;
    QPointer<TForm11> lesson_;
    QPointer<Tnewtime> newUser_;
    // "Illigal character: " + the character, over the dialog it was typed in.
    void ShowRefusedCharacter(QWidget* dialog, const QString& character);

    // Lesson notes dialogs.
    QPointer<TForm5> homework_;
    QPointer<TForm6> links_;
    QPointer<TForm7> contactCard_;
    QPointer<TForm8> mates_;
    // Opens a document path, web address or mailto: address through the platform.
    void OpenThroughPlatform(const std::string& target);

    // Holidays dialogs.
    QPointer<TFerieForm> holidayEditor_;

    // Shows a dialog made as an AcceptingDialog modally. Its OK runs `readBack` (the fields into
    // the caller's) and then `save`; while that fails, the error is shown over the dialog, which
    // stays open. True when it closed with OK.
    bool ExecSaving(QDialog* dialog, const std::function<void()>& readBack, const AcceptStep& save);
};

// A message box titled "Skemora" over `parent`, wide enough for a window manager's title bar
// to show the whole title beside its icon and buttons: the program's small font makes Qt's own
// allowance for the title too narrow, and a short message left the title cut.
void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// "description|pattern|description|pattern" as a Qt name filter list
// "description (pattern);;...". Patterns separated by ";" become blank-separated.
QString QtNameFilters(const std::string& filter);

}  // namespace skemora
