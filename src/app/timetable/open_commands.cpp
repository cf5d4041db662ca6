#include "app/timetable/open_commands.h"

#include <optional>

#include "app/refresh/refresh.h"
#include "core/files/file_ops.h"
#include "core/files/paths.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/timetable/file_names.h"
#include "app/view/lesson_fill.h"
#include "app/storage/conflict_copies.h"
#include "app/storage/loading.h"
#include "app/storage/period_change.h"
#include "app/storage/save_question.h"
#include "app/storage/storage.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"

namespace skemora {

void OpenTimetable(AppContext& ctx, const std::string& path) {
    auto& state = ctx.state;
    auto& saving = state.Saving;
    {
        LoadingScope loading(state);
        // What is held in memory belongs to the time-table shown so far and must not be saved
        // into the files of this one.
        ResetSaving(ctx);
        ResetTimetable(ctx);
        // The notes box takes no typing until this time-table's notes are read into it.
        ctx.view.NotesText.clear();
        ctx.view.NotesBox.Enabled = false;
        state.NotesFileName.clear();
        state.ShownNotes = ShownWeekNotes{};

        BecomeOpenTimetable(ctx, path);
        state.Periods = PeriodList{};
        state.PeriodLines.clear();
        state.LessonLines.clear();
        // Until a period's lessons load (which clears it), no save may write the empty ones held
        // now over this time-table's files.
        saving.FailedLoadPath = path;
        state.SubjectList.clear();

        // Saves cut off by a crash may have left their temporaries beside the files.
        RemoveLeftovers(state, UserFolder(state));
        // A period change a crash cut off is completed or undone before the list is read.
        RecoverPeriodChange(UserFolder(state));
        // What a sync tool kept beside the files goes into them before they are read.
        state.ConflictCopiesLeft.clear();
        MergeSyncConflictCopies(ctx);
        // The user's stored subjects, which every save extends, come first: a file that fails
        // to read below must not leave the next save with another user's list or none.
        ReadSubjectList(ctx);
        ReadTimetableFiles(ctx);
        // A main file without its folder still gets one, so that saving it can succeed.
        CreateStoredFolder(state, UserFolder(state));
        saving.LoadedPeriod = -1;
        RefreshLessons(ctx);
    }
    RefreshWeekPanel(ctx);
    ShowClass(ctx);
}

namespace {

void ShowNotATimetable(AppContext& ctx, const std::string& path) {
    ctx.messages.ShowMessage(FillTemplate(ctx.texts.NotATimetable, {path, ctx.state.DataFolder}));
}

// The data folder's path of the main time-table file `path` leads to. Any other file (one of a
// pupil's own files, a file elsewhere, a link to either) is refused with a message: opening it
// would make a pupil of it and write into files that are no time-table.
std::optional<std::string> MainTimetablePath(AppContext& ctx, const std::string& path) {
    const auto name = NameDirectlyIn(ctx.state.DataFolder, path);
    if (name && IsMainFileName(*name)) return ctx.state.DataFolder + *name;
    ShowNotATimetable(ctx, path);
    return std::nullopt;
}

}  // namespace

void OpenCommand(AppContext& ctx) {
    const auto chosen = ctx.messages.OpenFileName(ctx.state.DataFolder, "*.dfd|*.dfd");
    if (!chosen || !StoredFileExists(*chosen)) return;
    const auto path = MainTimetablePath(ctx, *chosen);
    if (!path) return;
    // Here the question names no time-table.
    if (!AskToSaveChanges(ctx, ctx.texts.NoDocumentTitle)) return;
    OpenTimetable(ctx, *path);
}

void OpenCommandLineTimetable(AppContext& ctx, const std::vector<std::string>& arguments) {
    std::string name;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) name += ' ';
        name += arguments[i];
    }
    if (name.empty()) return;
    name += kTimetableExtension;
    const std::string path = ctx.state.DataFolder + name;
    if (!StoredFileExists(path)) return;
    // A name is a time-table's own name: one reaching into a folder names none.
    if (name.find('/') != std::string::npos) {
        ShowNotATimetable(ctx, path);
        return;
    }
    if (const auto mainPath = MainTimetablePath(ctx, path)) OpenTimetable(ctx, *mainPath);
}

}  // namespace skemora
