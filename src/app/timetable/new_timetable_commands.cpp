#include "app/timetable/new_timetable_commands.h"

#include "app/refresh/refresh.h"
#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/lesson_rules.h"
#include "app/storage/loading.h"
#include "app/timetable/open_commands.h"
#include "app/storage/save.h"
#include "app/storage/storage.h"
#include "app/timetable/school_class_commands.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

// The fresh time-table of a new user, starting its only period with the shown week, made the
// open one. Nothing is written yet.
void MakeUser(AppContext& ctx, const std::string& name) {
    auto& state = ctx.state;
    auto& saving = state.Saving;
    // What is held belongs to the time-table shown so far.
    ResetSaving(ctx);
    ctx.view.NotesText.clear();
    state.NotesFileName.clear();

    state.Periods = PeriodList{};
    MarkPendingPeriod(ctx);
    state.PeriodLines = {std::to_string(saving.PendingPeriodStart)};
    saving.PendingPeriodStart = 0;
    DefaultTimetable(state.Days, ctx.texts.EmptySubject);
    state.LessonLines = TimetableLines(state.Days, state.ClassName);

    LoadingScope loading(state);
    const std::string fileName = name + kTimetableExtension;
    BecomeOpenTimetable(ctx, state.DataFolder + fileName);
    CreateStoredFolder(state, UserFolder(state));
    ReadSubjectList(ctx);
    saving.WriteAllOnSave = true;
    saving.LoadedPeriod = -1;
    ReadTimetableFiles(ctx);
    RefreshLessons(ctx);
}

std::string ExistingTimetablePath(const AppContext& ctx, const std::string& name) {
    return ctx.state.DataFolder + name + kTimetableExtension;
}

// Whether the new-user dialog may close with `answer`. A name that names nothing is said and
// kept for correcting; a name that already has a time-table is said and asked about, since
// opening it leaves the class typed unused.
bool NewUserAcceptable(AppContext& ctx, const TimetableDialogs::NewUserAnswer& answer) {
    const auto name = NewUserName(answer.Name);
    if (!name) {
        ctx.messages.ShowMessage(ctx.texts.NewUserNameMissing);
        return false;
    }
    if (!StoredFileExists(ExistingTimetablePath(ctx, *name))) return true;
    const std::string question =
        answer.ClassName.empty()
            ? FillTemplate(ctx.texts.NewUserExists, {*name})
            : FillTemplate(ctx.texts.NewUserExistsClass, {*name, answer.ClassName});
    return ctx.messages.Ask(ctx.dialogTexts.NewUserTitle, question) == kAnswerYes;
}

}  // namespace

void NewTimetable(AppContext& ctx) {
    auto& state = ctx.state;
    if (state.Saving.Modified) Save(ctx);
    const auto answer = ctx.timetableDialogs.AskNewUser(
        [&ctx](const TimetableDialogs::NewUserAnswer& typed) { return NewUserAcceptable(ctx, typed); });
    if (!answer) return;
    const auto name = NewUserName(answer->Name);
    if (!name) return;
    const std::string existing = ExistingTimetablePath(ctx, *name);
    if (StoredFileExists(existing)) {
        OpenTimetable(ctx, existing);
        return;
    }

    MakeUser(ctx, *name);
    SetModified(ctx, true);
    ctx.view.NotesBox.Enabled = true;

    if (ClassNeedsConfirming(answer->ClassName, state.ClassName)) {
        EditClass(ctx);
    } else {
        state.ClassName = OneLine(answer->ClassName);
    }
    ShowClass(ctx);
    SetModified(ctx, true);
    Save(ctx);
}

}  // namespace skemora
