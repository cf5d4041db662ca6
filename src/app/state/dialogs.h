// Everything the commands ask of the user goes through this interface: the Qt side shows real
// dialogs, tests script the answers.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/holidays/holiday_editor_rules.h"
#include "core/language/texts.h"
#include "core/notes/contact_card.h"
#include "core/timetable/lesson_rules.h"
#include "core/timetable/week_homework.h"

namespace skemora {

constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerCancel = 2;

// What a dialog's OK runs before the dialog closes, once the dialog's fields are read back into
// the caller's: it stores them and answers nothing, or the error text when storing failed. The
// dialog then shows the text and stays open with everything typed in it, for another OK or a
// cancel. An empty step stores nothing.
using AcceptStep = std::function<std::optional<std::string>()>;

// A step that runs `save`, giving a failure as the error's message in the language.
inline AcceptStep SavingStep(int languageCode, std::function<void()> save) {
    return [languageCode, save = std::move(save)]() -> std::optional<std::string> {
        try {
            save();
        } catch (const SkemoraError& error) {
            return ErrorText(error, languageCode);
        }
        return std::nullopt;
    };
}

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The Yes/No/Cancel question (TForm4): 6, 7 or 2; closing the window is 2.
    virtual int Ask(const std::string& title, const std::string& message) = 0;
    // A plain message box.
    virtual void ShowMessage(const std::string& text) = 0;
    // The general error box.
    virtual void ShowError(const std::string& text) = 0;
    // File dialogs: the chosen full path, or nothing when cancelled. The filter is given as
    // "description|pattern|description|pattern...".
    virtual std::optional<std::string> OpenFileName(const std::string& folder,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& folder,
                                                    const std::string& fileName,
                                                    const std::string& filter,
                                                    const std::string& defaultExtension) = 0;
    // The class-name dialog (TForm12): true on OK, with the name changed in place.
    virtual bool EditClassName(std::string& name, const AcceptStep& save) = 0;
    // The contact card (TForm7) under `title`: true on OK, with the fields changed in place.
    virtual bool EditContactCard(const std::string& title, ContactCardFields& card,
                                 const AcceptStep& save) = 0;

    // Lesson editing: the start-time, lesson and new-user dialogs.
    // The time dialog (TForm10) under `title`, opening with `time` (HH:MM): true on OK, with
    // `time` the HH:MM text.
    virtual bool EditTime(const std::string& title, std::string& time, const AcceptStep& save) = 0;
    // The lesson dialog (TForm11) under `title`, offering `choices` as subjects; a subject of
    // `subjectList` chosen or typed fills room and teacher. True on OK, with `lesson` changed.
    virtual bool EditLesson(const std::string& title, const std::vector<std::string>& choices,
                            const std::vector<std::string>& subjectList, LessonFields& lesson,
                            const AcceptStep& save) = 0;
    // The new-user dialog (Tnewtime), opening empty: the typed name and class on OK, once
    // `acceptable` agrees to them; until it does, OK keeps the dialog open with what was typed.
    struct NewUserAnswer {
        std::string Name, ClassName;
    };
    virtual std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>& acceptable) = 0;

    // Lesson notes: the homework, links and school-mates dialogs.
    // The homework dialog (TForm5) for one lesson: true on OK (or Yes to the close question),
    // with the description and shortcuts changed in place.
    virtual bool EditHomework(const std::string& title, LessonHomework& homework,
                              const AcceptStep& save) = 0;
    // The links dialog (TForm6): true on OK, with the address list changed in place.
    virtual bool EditLinks(const std::string& title, std::vector<std::string>& addresses,
                           const AcceptStep& save) = 0;
    // The school-mates dialog (TForm8) over the mates' work list; each mate is edited on the
    // contact card titled `cardTitle`. True on OK, with the work list changed in place.
    virtual bool EditMates(const std::string& title, const std::string& cardTitle,
                           std::vector<std::string>& mates, const AcceptStep& save) = 0;

    // Holidays: the holiday editor with its date picker.
    // The holiday editor (TFerieForm) under `title`: true on OK, with From, To, Name and
    // ColourIndex of the record read back. The name and colour the editor shows are its own,
    // kept from its last use.
    virtual bool EditHoliday(const std::string& title, HolidayEditorRecord& record,
                             const AcceptStep& save) = 0;

    // Progress of long work (a holiday period over many months).
    class Progress {
    public:
        virtual ~Progress() = default;
        // `done` of the total steps are finished; false once the user has cancelled.
        virtual bool Step(int done) = 0;
    };
    // A progress window with `label` over `total` steps, shown only when the work takes longer
    // than a moment; it closes when the answer is dropped.
    virtual std::unique_ptr<Progress> StartProgress(const std::string& label, int total) = 0;
};

}  // namespace skemora
