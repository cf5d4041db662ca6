#include "app/timetable/save_as_commands.h"

#include "core/files/file_ops.h"
#include "core/files/paths.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "app/timetable/open_commands.h"
#include "app/storage/save.h"
#include "app/storage/storage.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"

namespace skemora {

void SaveAs(AppContext& ctx) {
    auto& state = ctx.state;
    std::string path;
    for (;;) {
        state.Saving.WriteAllOnSave = false;
        const auto chosen = ctx.messages.SaveFileName(state.DataFolder, ctx.texts.NoDocumentTitle,
                                                     "*.dfd|*.dfd|*.txt|*.txt|*.*|*.*", "*.dfd");
        if (!chosen) return;
        path = *chosen;
        std::string name = FileNamePart(path);
        if (name.empty()) continue;
        // A name beginning with "." would make the pupil's folder and files hidden.
        if (name.front() == '.') {
            ctx.messages.ShowMessage(ctx.dialogTexts.IllegalCharacter + ".");
            continue;
        }
        if (name.find('.') == std::string::npos) {
            name += kTimetableExtension;
            path += kTimetableExtension;
        }
        if (!SameFolder(FolderPart(path), state.DataFolder)) {
            ctx.messages.ShowMessage(ctx.texts.MustSaveMessage + state.DataFolder);
            continue;
        }
        path = state.DataFolder + name;
        if (StoredFileExists(path)) {
            const int answer =
                ctx.messages.Ask(ctx.texts.SaveQuestionTitle + name, ctx.texts.ReplaceQuestion);
            if (answer == kAnswerNo) continue;
            if (answer != kAnswerYes) return;
        }
        break;
    }

    const bool wasOpen = IsTimetableOpen(ctx);
    BecomeOpenTimetable(ctx, path);
    CreateStoredFolder(state, UserFolder(state));
    if (!wasOpen) {
        // No time-table was open: the new file gets the fresh time-table, whose days each
        // hold a lesson, and a first period starting with the shown week.
        DefaultTimetable(state.Days, ctx.texts.EmptySubject);
        const int monday = MondayOfSelectedWeek(state);
        if (state.PeriodLines.empty() && monday > 0) state.PeriodLines = {std::to_string(monday)};
    }
    ReadSubjectList(ctx);
    state.Saving.WriteAllOnSave = true;
    Save(ctx);
    OpenTimetable(ctx, path);
}

bool TimetableOpenOrSaveAs(AppContext& ctx) {
    if (IsTimetableOpen(ctx)) return true;
    SaveAs(ctx);
    return false;
}

}  // namespace skemora
