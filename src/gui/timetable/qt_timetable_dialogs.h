// The time-table's dialogs shown with Qt: the time (TForm10), lesson (TForm11), new-user
// (Tnewtime) and class-name (TForm12) dialogs.
#pragma once

#include <QPointer>
#include <QString>

#include "app/state/timetable_dialogs.h"
#include "core/language/texts.h"

class QWidget;

namespace skemora {

class TForm10;
class TForm11;
class TForm12;
class Tnewtime;
class LessonTimesDialog;

class QtTimetableDialogs : public TimetableDialogs {
public:
    QtTimetableDialogs() = default;
    ~QtTimetableDialogs() override;
    QtTimetableDialogs(const QtTimetableDialogs&) = delete;
    QtTimetableDialogs& operator=(const QtTimetableDialogs&) = delete;
    // The windows are created after the main window; until they are attached, a temporary
    // class-name dialog is used. The other dialogs are made on first use, as children of the
    // main window, and kept for the rest of the run.
    void Attach(QWidget* mainWindow, TForm12* className, const DialogTexts* texts);

    bool EditTime(const std::string& title, std::string& time, const AcceptStep& save) override;
    bool EditLesson(const std::string& title, const std::vector<std::string>& choices,
                    const std::vector<std::string>& subjectList, LessonFields& lesson,
                    const AcceptStep& save) override;
    std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>& acceptable) override;
    bool EditClassName(std::string& name, const AcceptStep& save) override;
    bool EditLessonTimes(int startTime, LessonTimes& times, const AcceptStep& save) override;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<TForm12> className_;
    const DialogTexts* texts_ = nullptr;
    QPointer<TForm10> time_;
    QPointer<TForm11> lesson_;
    QPointer<Tnewtime> newUser_;
    QPointer<LessonTimesDialog> lessonTimes_;
    // "Illigal character: " + the character, over the dialog it was typed in.
    void ShowRefusedCharacter(QWidget* dialog, const QString& character);
};

}  // namespace skemora
