// The upcoming-files list "lek.flk": the list rules keep its order and entries, and saving a
// homework with a shortcut for a future lesson adds the entry, removing the shortcut takes it
// out again. A list whose dates do not read is refused and keeps its bytes.
#include "app/window/navigation.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "app/notes/homework_commands.h"
#include "core/notes/upcoming_files.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

// A date line is its number: "+12307" and "012307" name the same day as "12307".
bool SameDate(const std::string& line, int date) {
    try {
        return StrToInt(line) == date;
    } catch (const SkemoraError&) {
        return false;
    }
}

bool Holds(const std::vector<std::string>& lines, const UpcomingEntry& entry) {
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        if (SameDate(lines[i], entry.LessonDate) && lines[i + 1] == entry.Subject &&
            lines[i + 2] == entry.Shortcut) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    const auto lines = DecodeLines(bytes);
    bool datesRead = true;
    try {
        CheckUpcomingDates(lines);
    } catch (const SkemoraError&) {
        datesRead = false;
    }
    const int thursday = DayNumber(2003, 9, 11);
    const UpcomingEntry entry{thursday, "Math/Phys", "/h/a.doc"};
    if (datesRead) {
        auto added = lines;
        AddUpcomingEntry(added, entry, DayNumber(2003, 9, 10));
        Check(Holds(added, entry), "an added entry is in the list");
        CheckUpcomingDates(added);
        auto removed = added;
        RemoveUpcomingEntries(removed, entry);
        Check(!Holds(removed, entry), "a removed entry is gone");
        Check(removed.size() % 3 == added.size() % 3, "entries stay three lines");
    }

    UserFolder user(folder);
    const std::string path = user.User("lek.flk");
    WriteBytes(path, bytes);
    user.Start();
    AppContext& ctx = user.ctx;
    Run(ctx, [&] { SelectCell(ctx, {3, 0}); });  // Thursday: tomorrow
    user.dialogs.HomeworkAnswers.push_back(LessonHomework{{"read"}, {"/h/a.doc"}});
    Run(ctx, [&] { HomeworkCommand(ctx); });
    if (!datesRead) {
        Check(ReadBytes(path) == bytes, "a list whose dates do not read keeps its bytes");
        return 0;
    }
    Check(Holds(DecodeLines(ReadBytes(path)), entry), "the lesson's shortcut is listed");
    user.dialogs.HomeworkAnswers.push_back(LessonHomework{{"read"}, {}});
    Run(ctx, [&] { HomeworkCommand(ctx); });
    Check(!Holds(DecodeLines(ReadBytes(path)), entry), "a shortcut taken away leaves the list");
    return 0;
}
