#include "app/notes/note_commands.h"

#include "app/state/selected_lesson.h"
#include "app/state/timetable_state.h"
#include "app/storage/storage.h"
#include "app/timetable/save_as_commands.h"
#include "core/language/mnemonics.h"
#include "core/notes/note_files.h"

namespace skemora {

namespace {

// The selected lesson when a time-table is open; runs Save As instead when none is.
std::optional<SelectedLessonRef> LessonOrSaveAs(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return std::nullopt;
    return SelectedLesson(ctx);
}

}  // namespace

void LinksCommand(AppContext& ctx) {
    const auto lesson = LessonOrSaveAs(ctx);
    if (!lesson) return;
    auto& state = ctx.state;
    const std::string path = LinkFilePath(UserFolder(state), lesson->Subject);
    std::vector<std::string> addresses = ReadStoredOrEmpty(state, path);
    const std::string title =
        " " + ctx.texts.LinksWord + " - " + UserName(state) + "-" + lesson->Subject;
    ctx.noteDialogs.EditLinks(title, addresses, SavingStep(state.LanguageCode, [&] {
                                  if (!addresses.empty()) {
                                      WriteStored(state, path, addresses);
                                  } else if (StoredFileExists(path)) {
                                      RemoveStored(state, path);
                                  }
                              }));
}

void TeacherCommand(AppContext& ctx) {
    const auto lesson = LessonOrSaveAs(ctx);
    if (!lesson) return;
    auto& state = ctx.state;
    const std::string path = TeacherFilePath(UserFolder(state), lesson->Subject);
    ContactCardFields card = ContactCardFromLines(ReadStoredOrEmpty(state, path));
    const std::string title = " " + ctx.texts.TeacherWord + " - " + UserName(state) + "-" +
                              lesson->Subject + " - " + lesson->Teacher;
    ctx.noteDialogs.EditContactCard(title, card, SavingStep(state.LanguageCode, [&] {
                                        WriteStored(state, path, ContactCardLines(card));
                                    }));
}

void StudentsCommand(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    auto& state = ctx.state;
    const std::string path = MatesFilePath(UserFolder(state), UserName(state));
    std::vector<std::string> mates = ReadStoredOrEmpty(state, path);
    const std::string title = " " + ctx.texts.StudentsWord + " - " + UserName(state) + "-";
    const std::string cardTitle = " " +
                                  ShownCaption(ctx.view.LessonButtons[kStudentsButton].Caption) +
                                  " - " + UserName(state) + "-";
    ctx.noteDialogs.EditMates(title, cardTitle, mates, SavingStep(state.LanguageCode, [&] {
                                  WriteStored(state, path, mates);
                              }));
}

}  // namespace skemora
