// The week notes file: the shown week's notes fill the box when Peter's time-table opens, a
// keystroke saves them, and moving a week on and back shows what was saved. A saved file keeps
// the lines it had before the typed one.
#include <algorithm>

#include "app/window/navigation.h"
#include "core/calendar/calendar.h"
#include "core/timetable/file_names.h"
#include "app/timetable/week_notes_commands.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    UserFolder user(folder);
    const int week = WeekNumber(kUserToday.Year, kUserToday.Month, kUserToday.Day, false);
    const std::string path = user.User(WeekNotesFileName(kUserToday.Year, week));
    WriteBytes(path, bytes);
    user.Start();
    AppContext& ctx = user.ctx;

    const auto before = DecodeLines(bytes);
    ctx.view.NotesText += "\ntyped";
    Run(ctx, [&] { NotesEdited(ctx); });
    const std::string shown = ctx.view.NotesText;
    const auto after = DecodeLines(ReadBytes(path));
    Check(after.size() >= before.size() && std::equal(before.begin(), before.end(), after.begin()),
          "saved notes keep the lines they had");
    Check(!after.empty() && after.back() == "typed", "the typed line is saved");

    Run(ctx, [&] { NextWeek(ctx); });
    Run(ctx, [&] { PreviousWeek(ctx); });
    Check(ctx.view.NotesText == shown, "the saved notes show again");
    return 0;
}
