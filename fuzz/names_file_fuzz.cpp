// The month and day names file: each name is its line or empty, the weekday header is built from
// any names, and a main window built over a data folder holding the file shows its month and
// lets cells be selected and months stepped through.
#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "app/storage/name_tables.h"
#include "core/language/names_file.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    const auto lines = DecodeLines(bytes);

    const NameTables names = NamesFromLines(lines);
    for (std::size_t m = 0; m < 12; ++m) {
        Check(names.ShortMonthNames[m] == LineOrEmpty(lines, 2 * m), "short month is line 2m");
        Check(names.LongMonthNames[m] == LineOrEmpty(lines, 2 * m + 1), "long month is 2m + 1");
    }
    for (std::size_t d = 0; d < 7; ++d) {
        Check(names.ShortDayNames[d] == LineOrEmpty(lines, 24 + 2 * d), "short day is 24 + 2d");
        Check(names.LongDayNames[d] == LineOrEmpty(lines, 25 + 2 * d), "long day is 25 + 2d");
    }
    for (bool sundayFirst : {false, true}) {
        const auto header = WeekdayHeader(names.ShortDayNames, sundayFirst);
        for (const auto& abbreviation : header.Abbreviations) {
            Check(abbreviation.size() >= 2 && abbreviation.size() <= 8,
                  "an abbreviation is two characters");
        }
    }

    WriteBytes(folder / "sp06.txt", bytes);
    FakeDialogs dialogs;
    FakePlatform platform;
    platform.TodayDate = {2003, 2, 28};
    AppContext ctx(dialogs, platform);
    ConstructMainWindow(ctx, folder.Path());
    Check(ctx.state.Names.LongMonthNames == names.LongMonthNames, "the file's names are used");
    FirstShow(ctx, {});
    for (int step = 0; step < 3; ++step) {
        for (int column = 0; column < kDays; ++column) SelectCell(ctx, {column, 0});
        NextMonth(ctx);
        Check(ctx.state.SelMonth >= 1 && ctx.state.SelMonth <= 12, "a real month is selected");
        Check(ctx.state.SelDay >= 1 &&
                  ctx.state.SelDay <= DaysInMonth(ctx.state.SelYear, ctx.state.SelMonth),
              "a real day is selected");
    }
    return 0;
}
