#include "app/timetable/lesson_commands.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "app/view/week_grid.h"
#include "core/files/text_file.h"
#include "core/files/skemora_error.h"
#include "app/storage/homework_moves.h"
#include "core/timetable/lesson_file.h"
#include "app/view/lesson_fill.h"
#include "core/timetable/lesson_rules.h"
#include "app/storage/loading.h"
#include "app/storage/save.h"
#include "app/storage/save_question.h"
#include "app/timetable/save_as_commands.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"

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

// The answer as it may enter the time-table: each text on one line, and the subject (a part of
// file names) without the refused characters the user put in. A subject chosen from the list
// stays as it is, and so do the refused characters the subject the dialog opened with held.
LessonFields Cleaned(const LessonFields& opening, const std::vector<std::string>& choices,
                     LessonFields answer) {
    for (auto* text : {&answer.Subject, &answer.Room, &answer.Teacher}) *text = OneLine(*text);
    if (std::find(choices.begin(), choices.end(), answer.Subject) == choices.end())
        answer.Subject = WithoutAddedRefusedCharacters(opening.Subject, answer.Subject).Text;
    return answer;
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

// "7, 9, 12"
std::string WeekList(const std::vector<int>& weeks) {
    std::string text;
    for (int week : weeks) text += (text.empty() ? "" : ", ") + std::to_string(week);
    return text;
}

// Whether the lessons in memory are the ones last written to their file.
bool LessonsStored(const AppContext& ctx) {
    return ctx.state.LessonLines == TimetableLines(ctx.state.Days, ctx.state.ClassName);
}

// Puts the moved homework files in place and shows the week with its homework again.
void PlaceMovedHomework(AppContext& ctx, HomeworkMove& move) {
    std::optional<SkemoraError> failure;
    try {
        move.Commit();
    } catch (const SkemoraError& error) {
        failure = error;
    }
    ReadWeekHomework(ctx);
    ShowTimetable(ctx);
    if (failure) throw *failure;
}

// The end of an insert or delete whose homework moves (`move` staged, or null when no file
// changes): the homework files are put in place once the lessons are on disk. When the lessons
// cannot be saved the edit is undone, so that no later save stores them without their homework.
void SaveShiftEdit(AppContext& ctx, const DayRecord& before, HomeworkMove* move) {
    if (!move) {
        SaveEdit(ctx);
        return;
    }
    auto& saving = ctx.state.Saving;
    const bool modified = saving.Modified;
    const int pending = saving.PendingPeriodStart;
    try {
        SaveEdit(ctx);
    } catch (...) {
        if (LessonsStored(ctx)) {
            try {
                PlaceMovedHomework(ctx, *move);
            } catch (const SkemoraError&) {
                // The save's own error is the one reported.
            }
            throw;
        }
        ctx.state.Days[ctx.state.SelColumn - 1] = before;
        saving.PendingPeriodStart = pending;
        SetModified(ctx, modified || saving.NotesChanged);
        ShowTimetable(ctx);
        ReselectLesson(ctx);
        throw;
    }
    PlaceMovedHomework(ctx, *move);
}

// Opens the lesson dialog offering the stored subjects. Its OK hands an answer that holds a
// subject to `applyAndSave`, which puts it into the day and saves; when that fails the edit is
// undone and the dialog stays open with what was typed.
void AskLesson(AppContext& ctx, const std::string& title, LessonFields& lesson,
               const std::function<void(const LessonFields&)>& applyAndSave) {
    const auto choices = LoadSubjectList(ctx);
    const LessonFields opening = lesson;
    ctx.timetableDialogs.EditLesson(
        title, choices, ctx.state.SubjectList, lesson, SavingStep(ctx.state.LanguageCode, [&] {
            const LessonFields cleaned = Cleaned(opening, choices, lesson);
            // A lesson without a subject would leave a gap in the day.
            if (cleaned.Subject.empty()) return;
            SaveOrUndo(ctx, [&] { applyAndSave(cleaned); });
        }));
}

}  // namespace

void EditStartTime(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day) return;
    std::string text = FormatTime(day->StartTime);
    ctx.timetableDialogs.EditTime(DayName(ctx), text, SavingStep(ctx.state.LanguageCode, [&] {
                                      const auto time = StartTimeOfText(text);
                                      if (!time) return;
                                      SaveOrUndo(ctx, [&] {
                                          day->StartTime = *time;
                                          for (auto& column : ctx.view.Days) {
                                              for (auto& cell : column.Cells) cell.Caption.clear();
                                          }
                                          SaveEdit(ctx);
                                      });
                                  }));
}

void ChangeLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day)) return;
    if (!AskToSaveChanges(ctx, CaptionOf(ctx.state, ctx.texts))) return;
    const int position = ctx.state.SelLesson;
    LessonFields lesson = LessonAt(*day, position);
    AskLesson(ctx, ctx.texts.ChangeLessonTitle + lesson.Subject + ", " + DayName(ctx), lesson,
              [&](const LessonFields& answer) {
                  SetLesson(*day, position, answer);
                  SaveEdit(ctx);
              });
}

void DeleteLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day)) return;
    const int position = ctx.state.SelLesson;
    LessonFields shown = LessonAt(*day, position);
    const std::string title = ctx.texts.DeleteLessonTitle + shown.Subject + ", " + DayName(ctx);
    HomeworkMove move(ctx, position, LessonShift::Delete);
    if (!ctx.timetableDialogs.EditLesson(title, {}, ctx.state.SubjectList, shown, {})) return;
    if (LessonCount(*day) <= 1) {
        ctx.messages.ShowMessage(ctx.texts.OneLessonADay);
        return;
    }
    // The lesson's own homework goes with it, but only when the user says so.
    const auto weeks = move.WeeksWithHomeworkAt(position);
    if (!weeks.empty() && ctx.messages.Ask(title, FillTemplate(ctx.texts.DeleteHomeworkQuestion,
                                                               {WeekList(weeks)})) != kAnswerYes) {
        return;
    }
    const bool moves = move.Stage();
    const DayRecord before = *day;
    if (!DeleteLessonAt(*day, position)) return;
    SaveShiftEdit(ctx, before, moves ? &move : nullptr);
}

void AddLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !day->Subject[kLessons - 1].empty()) return;
    LessonFields lesson;
    AskLesson(ctx, ctx.texts.AddLessonTitle + DayName(ctx), lesson,
              [&](const LessonFields& answer) {
                  if (AddLessonTo(*day, answer)) SaveEdit(ctx);
              });
}

void InsertLesson(AppContext& ctx) {
    DayRecord* day = SelectedDay(ctx);
    if (!day || !LessonSelected(ctx, *day) || !day->Subject[kLessons - 1].empty()) return;
    const int position = ctx.state.SelLesson;
    HomeworkMove move(ctx, position, LessonShift::Insert);
    // Homework is never pushed out of the day.
    const auto pushedOut = move.WeeksWithHomeworkAt(kLessons - 1);
    if (!pushedOut.empty()) {
        ctx.messages.ShowMessage(FillTemplate(ctx.texts.HomeworkPushedOut, {WeekList(pushedOut)}));
        return;
    }
    LessonFields lesson;
    const std::string title =
        ctx.texts.InsertLessonTitle + day->Subject[position] + ", " + DayName(ctx);
    AskLesson(ctx, title, lesson, [&](const LessonFields& answer) {
        const bool moves = move.Stage();
        const DayRecord before = *day;
        if (!InsertLessonAt(*day, position, answer)) return;
        SaveShiftEdit(ctx, before, moves ? &move : nullptr);
    });
}

void RemoveLessonFromList(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto choices = LoadSubjectList(ctx);
    LessonFields lesson;
    const std::string title = ctx.texts.DeleteWord + ctx.texts.FromListSuffix;
    if (!ctx.timetableDialogs.EditLesson(title, choices, ctx.state.SubjectList, lesson, {})) return;
    RemoveSubject(ctx, lesson.Subject);
}

}  // namespace skemora
