// A subject's link file (".lin"), its teacher file (".lae") and the school mates' file (".elv"):
// the first input byte picks the file, the rest is its bytes. Each dialog is filled from the
// lines, closing without OK changes nothing, OK writes what the dialog gave back. The mates'
// list rules keep their records seven lines each.
#include "app/window/navigation.h"
#include "core/notes/contact_card.h"
#include "core/notes/mates.h"
#include "app/notes/note_commands.h"
#include "core/notes/note_files.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

void CheckMateRules(const std::vector<std::string>& lines) {
    const auto names = MateNames(lines);
    Check(names.size() == lines.size() / kContactFields, "one name per complete record");
    const ContactCardFields card{{"N", "a", "b", "c", "1", "2", "m@x"}};
    auto list = lines;
    AddMate(list, card);
    Check(MateNames(list).size() == names.size() + 1, "a mate is added");
    Check(MateCard(list, names.size()) == card, "the added mate is last");
    ReplaceMate(list, 0, ContactCardFields{});
    DeleteMate(list, 0);
    Check(list.size() == lines.size(), "adding and deleting one mate restores the length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    if (size == 0) return 0;
    const int which = data[0] % 3;
    const std::string bytes = Bytes(data + 1, size - 1);
    const auto lines = DecodeLines(bytes);
    if (which == 2) CheckMateRules(lines);

    UserFolder user(folder);
    const std::string path = which == 0   ? LinkFilePath(user.User(), "Math/Phys")
                             : which == 1 ? TeacherFilePath(user.User(), "Math/Phys")
                                          : MatesFilePath(user.User(), "Peter");
    WriteBytes(path, bytes);
    user.Start();
    AppContext& ctx = user.ctx;
    auto& dialogs = user.dialogs;
    Run(ctx, [&] { SelectCell(ctx, {0, 0}); });

    const auto command = which == 0   ? &LinksCommand
                         : which == 1 ? &TeacherCommand
                                      : &StudentsCommand;
    std::vector<std::string> answer = lines;
    answer.push_back("http://example.org");
    ContactCardFields card = ContactCardFromLines(lines);
    card.Fields[6] = "t@example.org";
    dialogs.LinksAnswers = {std::nullopt, answer};
    dialogs.MatesAnswers = {std::nullopt, answer};
    dialogs.ContactCardAnswers = {std::nullopt, card};

    Run(ctx, [&] { command(ctx); });
    Check(ReadBytes(path) == bytes, "closing without OK changes nothing");
    if (which == 0) {
        Check(dialogs.LinksDialogs.size() == 1 && dialogs.LinksDialogs[0].Lines == lines,
              "the links dialog holds the file's lines");
    } else if (which == 1) {
        Check(dialogs.ContactCardsShown.size() == 1 &&
                  dialogs.ContactCardsShown[0].second == ContactCardFromLines(lines),
              "the teacher card holds the file's first lines");
    } else {
        Check(dialogs.MatesDialogs.size() == 1 && dialogs.MatesDialogs[0].Lines == lines,
              "the mates dialog holds the file's lines");
    }

    Run(ctx, [&] { command(ctx); });
    if (!dialogs.Errors.empty()) return 0;
    const auto written = DecodeLines(ReadBytes(path));
    if (which == 1) {
        Check(ContactCardFromLines(written) == card, "OK writes the teacher card");
    } else {
        Check(written == answer, "OK writes the dialog's lines");
    }
    return 0;
}
