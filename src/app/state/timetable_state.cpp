#include "app/state/timetable_state.h"

#include "core/calendar/calendar.h"
#include "core/files/paths.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"

namespace skemora {

bool IsTimetableOpen(const AppContext& ctx) {
    return ctx.view.Title != ctx.texts.NoDocumentTitle;
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

void SetUser(MainState& state, const std::string& mainFileName) {
    state.UserName = UserNameOf(mainFileName);
    state.UserFolder = UserFolderOf(state.DataFolder, mainFileName);
}

std::string MainFilePath(const AppContext& ctx) {
    const auto& path = ctx.state.TimetablePath;
    // TimetablePath is the open file's own path once it names the captioned file; before that
    // (a time-table being created) the main file is the caption's name in the data folder.
    if (!path.empty() && FileNamePart(path) == ctx.view.Title) return path;
    return ctx.state.DataFolder + ctx.view.Title;
}

std::string PeriodListPath(const MainState& state) {
    return state.UserFolder + kPeriodListFileName;
}

std::string PeriodPath(const MainState& state, int index) {
    return state.UserFolder + PeriodFileName(index);
}

std::string SubjectListPath(const MainState& state) {
    return state.UserFolder + kSubjectListFileName;
}

std::string SchoolFilePath(const MainState& state) {
    return state.UserFolder + kSchoolFileName;
}

std::string WeekHomeworkPath(const MainState& state) {
    return state.UserFolder + WeekFileName(state.SelYear, state.WeekNo);
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
