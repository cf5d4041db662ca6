#include "timetable/storage.h"

#include "app/refresh.h"
#include "app/week_grid.h"
#include "timetable/file_ops.h"
#include "timetable/lesson_file.h"
#include "timetable/lesson_fill.h"
#include "timetable/periods.h"
#include "timetable/skemora_error.h"
#include "timetable/subject_list.h"
#include "timetable/text_file.h"
#include "timetable/week_homework.h"

namespace skemora {

namespace {

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string PeriodListPath(const MainState& state) {
    return state.UserFolder + "fratil.dfd";
}

bool IsOpen(const AppContext& ctx) {
    return ctx.view.Title != ctx.texts.NoDocumentTitle;
}

void EnableSave(AppContext& ctx, bool enabled) {
    ctx.view.Menus.Save.Enabled = enabled;
    ctx.view.Menus.SaveAs.Enabled = enabled;
    ctx.view.SaveButton.Enabled = enabled;
}

// Runs `body` with Loading set, clearing it again whatever happens.
template <typename Body>
void WhileLoading(MainState& state, Body body) {
    state.Loading = true;
    try {
        body();
    } catch (...) {
        state.Loading = false;
        throw;
    }
    state.Loading = false;
}

}  // namespace

std::string UserNameOf(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

std::string MainFilePath(const AppContext& ctx) {
    const auto& path = ctx.state.TimetablePath;
    // TimetablePath is the open file's own path once it names the captioned file; before that
    // (a time-table being created) the main file is the caption's name in the data folder.
    if (!path.empty() && FileNamePart(path) == ctx.view.Title) return path;
    return ctx.state.DataFolder + ctx.view.Title;
}

void ReadTimetableFiles(AppContext& ctx) {
    if (!IsOpen(ctx)) return;
    auto& state = ctx.state;
    auto& menus = ctx.view.Menus;
    menus.Convert.Enabled = true;
    menus.RemoveLesson.Enabled = true;
    menus.School.Enabled = true;
    menus.Class.Enabled = true;
    menus.Holidays.Enabled = true;

    state.UserName = UserNameOf(ctx.view.Title);
    state.UserFolder = state.DataFolder + state.UserName + "/";

    ReadWeekHomework(ctx);

    const std::string listPath = PeriodListPath(state);
    if (FileExists(listPath)) {
        try {
            auto lines = ReadLines(listPath);
            state.Periods = BuildPeriodList(lines, ctx.view.Title);
            state.PeriodLines = std::move(lines);
        } catch (const SkemoraError&) {
            // Nothing may be saved over the list while it is not understood.
            state.FailedLoadPath = listPath;
            throw;
        }
    } else {
        state.Periods = BuildPeriodList(state.PeriodLines, ctx.view.Title);
    }
    if (state.FailedLoadPath == listPath) state.FailedLoadPath.clear();
}

void LoadPeriod(AppContext& ctx, int period) {
    auto& state = ctx.state;
    ResetTimetable(ctx);
    state.LoadedPeriod = period;

    const std::string mainFile = MainFilePath(ctx);
    std::string path = mainFile;
    if (period > 0) {
        const bool listed = period < state.Periods.Count && period < kMaxPeriodEntries;
        path = state.UserFolder +
               (listed ? state.Periods.Entries[period].FileName : PeriodFileName(period));
    }
    std::vector<std::string> lines = state.LessonLines;
    bool fromFile = false;
    if (FileExists(path)) {
        fromFile = true;
    } else if (lines.empty() && period > 0 && FileExists(mainFile)) {
        // Nothing of this time-table is held yet: its base lessons stand in.
        path = mainFile;
        fromFile = true;
    }
    try {
        if (fromFile) lines = ReadLines(path);
        if (fromFile || !lines.empty()) ParseTimetable(state, lines, path);
    } catch (const SkemoraError&) {
        // The lessons shown are not the file's: no save may write them, and the next refresh
        // tries the file again.
        if (fromFile) state.FailedLoadPath = path;
        state.LoadedPeriod = -1;
        state.Modified = false;
        EnableSave(ctx, false);
        throw;
    }
    if (!lines.empty()) state.LessonLines = std::move(lines);
    if (state.FailedLoadPath != PeriodListPath(state)) state.FailedLoadPath.clear();

    ShowTimetable(ctx);
    ctx.view.LessonButtons[kStudentsButton].Enabled = true;
    ctx.view.ClassField.Caption = state.ClassName;
    state.Modified = false;
    EnableSave(ctx, false);
    if (state.SelCell) ShowCellSelection(ctx, *state.SelCell);
}

void MarkPendingPeriod(AppContext& ctx) {
    ctx.state.PendingPeriodStart = MondayOfSelectedWeek(ctx.state);
}

void OpenTimetable(AppContext& ctx, const std::string& path) {
    auto& state = ctx.state;
    WhileLoading(state, [&] {
        // What is held in memory belongs to the time-table shown so far and must not be saved
        // into the files of this one.
        state.Modified = false;
        state.NotesChanged = false;
        state.WriteAllOnSave = false;
        if (state.PendingPeriodStart > 0) state.PendingPeriodStart = 0;
        state.LoadedPeriod = -1;
        ResetTimetable(ctx);
        // The notes box takes no typing until this time-table's notes are read into it.
        ctx.view.NotesText.clear();
        ctx.view.NotesBox.Enabled = false;
        state.NotesFileName.clear();

        state.TimetablePath = path;
        ctx.view.Title = FileNamePart(path);
        state.TimetableOpen = true;
        state.Periods = PeriodList{};
        state.PeriodLines.clear();
        state.LessonLines.clear();
        // Until a period's lessons load (which clears it), no save may write the empty ones held
        // now over this time-table's files.
        state.FailedLoadPath = path;
        state.SubjectList.clear();

        // The user's stored subjects, which every save extends, come first: a file that fails
        // to read below must not leave the next save with another user's list or none.
        state.UserName = UserNameOf(ctx.view.Title);
        state.UserFolder = state.DataFolder + state.UserName + "/";
        ReadSubjectList(ctx);
        ReadTimetableFiles(ctx);
        // A main file without its folder still gets one, so that saving it can succeed.
        CreateFolder(state.UserFolder);
        state.LoadedPeriod = -1;
        RefreshLessons(ctx);
    });
    RefreshWeekPanel(ctx);
    ctx.view.LessonButtons[kStudentsButton].Hint = ctx.texts.SchoolMatesHint + state.ClassName;
}

void OpenCommand(AppContext& ctx) {
    const auto chosen = ctx.dialogs.OpenFileName(ctx.state.DataFolder, "*.dfd|*.dfd");
    if (!chosen || !FileExists(*chosen)) return;
    if (ctx.state.Modified) {
        const int answer = ctx.dialogs.Ask(ctx.texts.SaveQuestionTitle + ctx.texts.NoDocumentTitle,
                                           ctx.texts.NoDocumentTitle + ctx.texts.SaveQuestionText);
        if (answer == kAnswerYes) {
            Save(ctx);
        } else if (answer != kAnswerNo) {
            return;
        }
    }
    OpenTimetable(ctx, *chosen);
}

void OpenCommandLineTimetable(AppContext& ctx, const std::vector<std::string>& arguments) {
    std::string name;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) name += ' ';
        name += arguments[i];
    }
    if (name.empty()) return;
    name += ".dfd";
    if (name.find('/') != std::string::npos) return;
    const std::string path = ctx.state.DataFolder + name;
    if (FileExists(path)) OpenTimetable(ctx, path);
}

}  // namespace skemora
