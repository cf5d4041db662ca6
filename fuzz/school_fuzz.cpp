// The school file "skol.dfd": the school's card is filled from its lines, a card closed without
// OK changes nothing, and OK writes the card's seven lines.
#include "core/notes/contact_card.h"
#include "app/timetable/school_class_commands.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    UserFolder user(folder);
    const std::string path = user.User("skol.dfd");
    WriteBytes(path, bytes);
    user.Start();
    AppContext& ctx = user.ctx;
    const auto lines = DecodeLines(bytes);

    user.dialogs.ContactCardAnswers.push_back(std::nullopt);
    Run(ctx, [&] { EditSchool(ctx); });
    Check(user.dialogs.ContactCardsShown.size() == 1, "the card is shown");
    Check(user.dialogs.ContactCardsShown[0].second == ContactCardFromLines(lines),
          "the card holds the file's first seven lines");
    Check(ReadBytes(path) == bytes, "a card closed without OK changes nothing");

    ContactCardFields card = ContactCardFromLines(lines);
    card.Fields[0] += "x";
    user.dialogs.ContactCardAnswers.push_back(card);
    Run(ctx, [&] { EditSchool(ctx); });
    if (user.dialogs.Errors.empty()) {
        Check(ContactCardFromLines(DecodeLines(ReadBytes(path))) == card, "OK writes the card");
    }
    return 0;
}
