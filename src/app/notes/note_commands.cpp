#include "app/notes/note_commands.h"

#include "core/language/mnemonics.h"
#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "core/notes/note_files.h"
#include "app/state/selected_lesson.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

std::vector<std::string> LinesIfExists(const std::string& path) {
    if (!FileExists(path)) return {};
    return ReadLines(path);
}

// The selected lesson when a time-table is open; runs Save As instead when none is.
std::optional<SelectedLessonRef> LessonOrSaveAs(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return std::nullopt;
    return SelectedLesson(ctx);
}

}  // namespace

void LinksCommand(AppContext& ctx) {
    const auto lesson = LessonOrSaveAs(ctx);
    if (!lesson) return;
    const auto& state = ctx.state;
    const std::string path = LinkFilePath(UserFolder(state), lesson->Subject);
    std::vector<std::string> addresses = LinesIfExists(path);
    const std::string title =
        " " + ctx.texts.LinksWord + " - " + UserName(state) + "-" + lesson->Subject;
    ctx.dialogs.EditLinks(title, addresses, SavingStep(state.LanguageCode, [&] {
                              if (!addresses.empty()) {
                                  WriteLines(path, addresses);
                              } else if (FileExists(path)) {
                                  DeleteFile(path);
                              }
                          }));
}

void TeacherCommand(AppContext& ctx) {
    const auto lesson = LessonOrSaveAs(ctx);
    if (!lesson) return;
    const auto& state = ctx.state;
    const std::string path = TeacherFilePath(UserFolder(state), lesson->Subject);
    ContactCardFields card = ContactCardFromLines(LinesIfExists(path));
    const std::string title = " " + ctx.texts.TeacherWord + " - " + UserName(state) + "-" +
                              lesson->Subject + " - " + lesson->Teacher;
    ctx.dialogs.EditContactCard(title, card, SavingStep(state.LanguageCode, [&] {
                                    WriteLines(path, ContactCardLines(card));
                                }));
}

void StudentsCommand(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto& state = ctx.state;
    const std::string path = MatesFilePath(UserFolder(state), UserName(state));
    std::vector<std::string> mates = LinesIfExists(path);
    const std::string title = " " + ctx.texts.StudentsWord + " - " + UserName(state) + "-";
    const std::string cardTitle = " " +
                                  ShownCaption(ctx.view.LessonButtons[kStudentsButton].Caption) +
                                  " - " + UserName(state) + "-";
    ctx.dialogs.EditMates(title, cardTitle, mates, SavingStep(state.LanguageCode, [&] {
                              WriteLines(path, mates);
                          }));
}

}  // namespace skemora
