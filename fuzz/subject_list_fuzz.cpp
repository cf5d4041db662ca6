// The subject list "fagl.txt": the lesson dialog offers its subjects, a lesson change merges the
// lessons into it at the save, and removing a subject writes it again. A list that was read is
// never written with fewer entries than it had, but for the one removed.
#include "app/window/navigation.h"
#include "app/timetable/lesson_commands.h"
#include "core/timetable/subject_list.h"
#include "app/storage/subject_list_files.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    UserFolder user(folder);
    const std::string path = user.User("fagl.txt");
    WriteBytes(path, bytes);
    user.Start();
    AppContext& ctx = user.ctx;
    const auto before = DecodeLines(bytes);
    Check(SubjectChoices(before).size() <= before.size() / 3 + 1, "one choice per entry at most");

    Run(ctx, [&] { SelectCell(ctx, {1, 2}); });
    user.dialogs.LessonAnswers = {LessonFields{"Bio", "3", "Jensen"}};
    Run(ctx, [&] { ChangeLesson(ctx); });
    if (!user.dialogs.LessonsShown.empty()) {
        Check(user.dialogs.LessonsShown.back().Choices == SubjectChoices(before),
              "the dialog offers the stored subjects");
    }
    const auto merged = DecodeLines(ReadBytes(path));
    if (merged != before) {
        Check(merged.size() >= before.size() - before.size() % 3, "a merge keeps every entry");
        Check(FindSubject(merged, "Bio") >= 0, "the new lesson's subject is in the list");
    }

    Run(ctx, [&] { RemoveSubject(ctx, "Art"); });
    const auto removed = DecodeLines(ReadBytes(path));
    Check(removed.size() + 3 >= merged.size() - merged.size() % 3, "removing takes one entry");
    return 0;
}
