#include "timetable/lesson_editing.h"

#include <algorithm>
#include <functional>

#include "app/week_grid.h"
#include "timetable/lesson_fill.h"
#include "timetable/lesson_rules.h"
#include "timetable/loading.h"
#include "timetable/save.h"
#include "timetable/save_as.h"
#include "timetable/subject_list_files.h"
#include "timetable/timetable_state.h"

namespace skemora {

namespace {

// The selected day, or nothing while no day is selected; runs Save As while no time-table is
// open.
DayRecord* SelectedDay(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return nullptr;
    const int column = ctx.state.SelColumn;
    if (column < 1 || column > kDays) return nullptr;
    return &ctx.state.Days[column - 1];
}

// The selected lesson position, when it holds a lesson.
bool LessonSelected(const AppContext& ctx, const DayRecord& day) {
    const int lesson = ctx.state.SelLesson;
    return lesson >= 0 && lesson < kLessons && !day.Subject[lesson].empty();
}

std::string DayName(const AppContext& ctx) {
    return ctx.state.Names.LongDayNames[ctx.state.SelColumn];
}

// A subject becomes part of file names: whatever the dialog let through, it holds none of the
// refused characters.
LessonFields Cleaned(LessonFields lesson) {
    lesson.Subject = WithoutRefusedCharacters(lesson.Subject).Text;
    return lesson;
}

// Selects the cell the selected lesson position shows in now that the day may have moved
// (a new start time) or its lessons changed, so that the details and the start time shown
// are the edited ones.
void ReselectLesson(AppContext& ctx) {
    if (!ctx.state.SelCell) return;
    const int column = ctx.state.SelColumn - 1;
    const auto& cells = ctx.view.Days[column].Cells;
    int row = 0;
    while (row < kLessons - 1 && cells[row].Caption.empty()) ++row;
    ShowCellSelection(ctx, {column, std::min(row + ctx.state.SelLesson, kLessons - 1)});
}

// The end of every lesson edit: the change takes effect from the shown week's Monday and is
// saved at once. A failed save leaves the change in memory and Modified set.
void SaveEdit(AppContext& ctx) {
    SetModified(ctx, true);
    MarkPendingPeriod(ctx);
    ShowTimetable(ctx);
    ReselectLesson(ctx);
    Save(ctx);
}

// Opens the lesson dialog offering the stored subjects. Its OK puts an answer that holds a
// subject into the day with `apply` and saves; the dialog stays open while the save fails.
void AskLesson(AppContext& ctx, const std::string& title, LessonFields& lesson,
               const std::function<bool(const LessonFields&)>& apply) {
    const auto choices = LoadSubjectList(ctx);
    ctx.dialogs.EditLesson(title, choices, ctx.state.SubjectList, lesson,
                           SavingStep(ctx.state.LanguageCode, [&] {
                               const LessonFields cleaned = Cleaned(lesson);
                               // A lesson without a subject would leave a gap in the day.
                               if (cleaned.Subject.empty()) return;
                               SaveOrUndo(ctx, [&] {
                                   if (apply(cleaned)) SaveEdit(ctx);
                               });
                           }));
}

}  // namespace

void EditStartTime(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day) return;
    const auto answer = ctx.dialogs.EditTime(DayName(ctx), FormatTime(day->StartTime));
    if (!answer) return;
    const auto time = StartTimeOfText(*answer);
    if (!time) return;
    day->StartTime = *time;
    for (auto& column : ctx.view.Days) {
        for (auto& cell : column.Cells) cell.Caption.clear();
    }
    SaveEdit(ctx);
}

void ChangeLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day)) return;
    if (ctx.state.Saving.Modified) {
        const int answer = ctx.dialogs.Ask(ctx.texts.SaveQuestionTitle + ctx.texts.NoDocumentTitle,
                                           ctx.view.Title + ctx.texts.SaveQuestionText);
        if (answer == kAnswerYes) {
            Save(ctx);
        } else if (answer != kAnswerNo) {
            return;
        }
    }
    const int position = ctx.state.SelLesson;
    LessonFields lesson = LessonAt(*day, position);
    AskLesson(ctx, ctx.texts.ChangeLessonTitle + lesson.Subject + ", " + DayName(ctx), lesson,
              [&](const LessonFields& answer) {
                  SetLesson(*day, position, answer);
                  return true;
              });
}

void DeleteLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day)) return;
    const int position = ctx.state.SelLesson;
    LessonFields shown = LessonAt(*day, position);
    const std::string title = ctx.texts.DeleteLessonTitle + shown.Subject + ", " + DayName(ctx);
    if (!ctx.dialogs.EditLesson(title, {}, ctx.state.SubjectList, shown, {})) return;
    if (!DeleteLessonAt(*day, position)) {
        ctx.dialogs.ShowMessage(ctx.texts.OneLessonADay);
        return;
    }
    SaveEdit(ctx);
}

void AddLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !day->Subject[kLessons - 1].empty()) return;
    LessonFields lesson;
    AskLesson(ctx, ctx.texts.AddLessonTitle + DayName(ctx), lesson,
              [&](const LessonFields& answer) { return AddLessonTo(*day, answer); });
}

void InsertLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day) || !day->Subject[kLessons - 1].empty()) return;
    const int position = ctx.state.SelLesson;
    LessonFields lesson;
    const std::string title =
        ctx.texts.InsertLessonTitle + day->Subject[position] + ", " + DayName(ctx);
    AskLesson(ctx, title, lesson,
              [&](const LessonFields& answer) { return InsertLessonAt(*day, position, answer); });
}

void RemoveLessonFromList(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto choices = LoadSubjectList(ctx);
    LessonFields lesson;
    const std::string title = ctx.texts.DeleteWord + ctx.texts.FromListSuffix;
    if (!ctx.dialogs.EditLesson(title, choices, ctx.state.SubjectList, lesson, {})) return;
    RemoveSubject(ctx, lesson.Subject);
}

}  // namespace skemora
