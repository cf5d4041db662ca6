#include "app/notes/homework_commands.h"

#include "app/refresh/refresh.h"
#include "core/calendar/calendar.h"
#include "core/files/skemora_error.h"
#include "core/notes/note_files.h"
#include "app/state/selected_lesson.h"
#include "core/notes/upcoming_files.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"
#include "app/storage/storage.h"

namespace skemora {

namespace {

// The day number of the lesson's column: the grid shows Monday..Friday of the shown week, which
// with Sunday-first weeks is the week after a selected Sunday.
int LessonDateOf(const MainState& state, int day) {
    const Date selected{state.SelYear, state.SelMonth, state.SelDay};
    int monday = MondayOfSelectedWeek(state);
    if (state.SundayFirst && WeekdayOf(selected.Year, selected.Month, selected.Day) == 1) {
        monday = DayNumber(selected.Year, selected.Month, selected.Day) + 1;
    }
    return monday + day;
}

struct UpcomingChange {
    int LessonDate = 0;
    int Today = 0;
    std::string Subject;
    std::size_t OldCount = 0;
    std::string OldFirst;
};

// The removal and addition rules of the upcoming-files list. The list is read once and written
// once; one it does not understand is left as it is.
void UpdateUpcomingFiles(MainState& state, const std::string& path, const UpcomingChange& change,
                         const LessonHomework& homework) {
    const bool remove = change.OldCount > 0 && homework.Shortcuts.empty();
    const bool add = !homework.Shortcuts.empty() && change.LessonDate > change.Today;
    if (!remove && !add) return;
    std::vector<std::string> lines = ReadStoredOrEmpty(state, path);
    try {
        CheckUpcomingDates(lines);
    } catch (const SkemoraError& error) {
        throw SkemoraError(ErrorKind::UnreadableNotReplaced, {path}, error);
    }
    bool changed = false;
    if (remove) {
        changed =
            RemoveUpcomingEntries(lines, {change.LessonDate, change.Subject, change.OldFirst});
    }
    if (add) {
        AddUpcomingEntry(lines, {change.LessonDate, change.Subject, homework.Shortcuts.front()},
                         change.Today);
        changed = true;
    }
    if (changed) WriteStored(state, path, lines);
}

}  // namespace

void HomeworkCommand(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto lesson = SelectedLesson(ctx);
    if (!lesson) return;
    auto& state = ctx.state;
    const std::string title = "  " + ctx.texts.HomeworkWord + " " +
                              state.Names.LongDayNames[static_cast<std::size_t>(lesson->Day + 1)] +
                              "  " + lesson->Subject;
    auto& stored = state.Homework[static_cast<std::size_t>(lesson->Day)]
                                 [static_cast<std::size_t>(lesson->Lesson)];
    LessonHomework edited = stored;
    const UpcomingChange change{
        LessonDateOf(state, lesson->Day),
        DayNumber(state.TodayYear, state.TodayMonth, state.TodayDay), lesson->Subject,
        stored.Shortcuts.size(),
        stored.Shortcuts.empty() ? std::string() : stored.Shortcuts.front()};

    // The homework is written while the dialog is open, so that a failed write keeps it there.
    const LessonHomework before = stored;
    const auto save = SavingStep(state.LanguageCode, [&] {
        stored = edited;
        try {
            WriteWeekHomework(ctx);
        } catch (...) {
            stored = before;
            throw;
        }
    });
    if (ctx.noteDialogs.EditHomework(title, edited, save)) {
        // The homework is written before the upcoming-files list, so that a damaged list cannot
        // lose it; a failure is reported once the week has been read again.
        std::optional<SkemoraError> failure;
        try {
            UpdateUpcomingFiles(state, UpcomingFilesPath(UserFolder(state)), change, edited);
        } catch (const SkemoraError& error) {
            failure = error;
        }
        RefreshAll(ctx);
        if (failure) throw *failure;
        return;
    }
    RefreshAll(ctx);
}

}  // namespace skemora
