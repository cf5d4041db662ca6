#include "app/state/timetable_state.h"

#include "core/calendar/calendar.h"
#include "core/files/paths.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"

namespace skemora {

void BecomeOpenTimetable(AppContext& ctx, const std::string& path) {
    const std::string name = FileNamePart(path);
    ctx.state.Open =
        OpenedTimetable{name, path, UserFolderOf(ctx.state.DataFolder, name), UserNameOf(name)};
    ctx.view.Title = CaptionOf(ctx.state, ctx.texts);
    ctx.view.Welcome.Visible = false;
}

void CloseTimetable(AppContext& ctx) {
    ctx.state.Open.reset();
    ctx.view.Title = CaptionOf(ctx.state, ctx.texts);
    // The empty window offers a time-table to start with.
    ctx.view.Welcome.Visible = true;
}

std::string CaptionOf(const MainState& state, const MessageTexts& texts) {
    return state.Open ? state.Open->Name : texts.NoDocumentTitle;
}

bool IsTimetableOpen(const AppContext& ctx) {
    return ctx.state.Open.has_value();
}

namespace {

const std::string kNone;

}  // namespace

const std::string& UserFolder(const MainState& state) {
    return state.Open ? state.Open->UserFolder : kNone;
}

const std::string& UserName(const MainState& state) {
    return state.Open ? state.Open->UserName : kNone;
}

void ResetSaving(AppContext& ctx) {
    auto& saving = ctx.state.Saving;
    const bool loading = saving.Loading;
    saving = SaveState{};
    saving.Loading = loading;
    SetModified(ctx, false);
}

void SetModified(AppContext& ctx, bool modified) {
    ctx.state.Saving.Modified = modified;
    ctx.view.Menus.Save.Enabled = modified;
    ctx.view.Menus.SaveAs.Enabled = modified;
    ctx.view.SaveButton.Enabled = modified;
}

void ShowClass(AppContext& ctx) {
    ctx.view.ClassField.Caption = ctx.state.ClassName;
    ctx.view.LessonButtons[kStudentsButton].Hint = ctx.texts.SchoolMatesHint + ctx.state.ClassName;
}

std::string MainFilePath(const AppContext& ctx) {
    return ctx.state.Open ? ctx.state.Open->TimetablePath : std::string();
}

std::string PeriodListPath(const MainState& state) {
    return UserFolder(state) + kPeriodListFileName;
}

std::string PeriodPath(const MainState& state, int index) {
    return UserFolder(state) + PeriodFileName(index);
}

std::string SubjectListPath(const MainState& state) {
    return UserFolder(state) + kSubjectListFileName;
}

std::string SchoolFilePath(const MainState& state) {
    return UserFolder(state) + kSchoolFileName;
}

std::string WeekHomeworkPath(const MainState& state) {
    return UserFolder(state) + WeekFileName(state.SelYear, state.WeekNo);
}

namespace {

bool SundayOpensWeek(const MainState& state) {
    return state.SundayFirst && WeekdayOf(state.SelYear, state.SelMonth, state.SelDay) == 1;
}

}  // namespace

int MondayOfSelectedWeek(const MainState& state) {
    return ShownMonday({state.SelYear, state.SelMonth, state.SelDay}, state.SundayFirst);
}

int PeriodDayOfSelectedDate(const MainState& state) {
    const int day = DayNumber(state.SelYear, state.SelMonth, state.SelDay);
    return SundayOpensWeek(state) ? day + 1 : day;
}

}  // namespace skemora
