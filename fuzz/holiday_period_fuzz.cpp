// The holiday editor's period over real month files: the editor answers a period (any from- and
// to-date, a name, a colour), the days already marked are answered Yes, No or Cancel in turn, and
// afterwards the selected day's mark is deleted. Every month file left behind reads, and writing
// what it read gives its lines again; months outside the period keep their bytes.
//
// Input: six bytes (from year/month, from day, to month, to day, colour, the answers: two bits a
// question), then up to four parts separated by lines "#####": the name, and the holiday files of
// August, September and October 2003.
#include <algorithm>
#include <map>

#include "app/window/navigation.h"
#include "core/calendar/calendar.h"
#include "app/holidays/holiday_commands.h"
#include "core/holidays/holiday_periods.h"
#include "core/holidays/holiday_tables.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    if (size < 6) return 0;
    auto parts = SplitParts(Bytes(data + 6, size - 6));
    parts.resize(4);

    UserFolder user(folder);
    std::map<std::string, std::string> before;
    for (int month = 7; month <= 12; ++month) {
        const std::string path = user.Data(HolidayFileName(2003, month));
        if (month >= 8 && month <= 10 && !parts[month - 7].empty()) {
            WriteBytes(path, parts[month - 7]);
            before[path] = parts[month - 7];
        }
    }
    user.Start();
    AppContext& ctx = user.ctx;

    FakeDialogs::HolidayAnswer answer;
    const int fromYear = data[0] & 0x80 ? 1969 : 2003;
    answer.From = {fromYear, 8 + data[0] % 3, 1 + data[1] % 31};
    answer.To = {2003, 8 + data[2] % 4, 1 + data[3] % 31};
    answer.ColourIndex = data[4] % 8;
    answer.Name = parts[0];
    user.dialogs.HolidayAnswers.push_back(answer);
    for (int k = 0; k < 4; ++k) {
        const int pick = (data[5] >> (2 * k)) & 3;
        user.dialogs.AskAnswers.push_back(pick == 0   ? kAnswerNo
                                          : pick == 3 ? kAnswerCancel
                                                      : kAnswerYes);
    }
    Run(ctx, [&] { SelectDate(ctx, 2003, 9, 10); });
    Run(ctx, [&] { nyhelligdagClick(ctx); });
    user.dialogs.AskAnswers = {kAnswerYes};
    Run(ctx, [&] { slethelligdagClick(ctx); });

    for (int month = 7; month <= 12; ++month) {
        const std::string path = user.Data(HolidayFileName(2003, month));
        if (!std::filesystem::exists(path)) continue;
        const std::string bytes = ReadBytes(path);
        const auto found = before.find(path);
        if (found != before.end() && found->second == bytes) continue;
        // A to-date past its month's end (30 February) counts on into the next month.
        const int lastMonth =
            DateOfDayNumber(DayNumber(answer.To.Year, answer.To.Month, answer.To.Day)).Month;
        const bool inPeriod = fromYear == 2003 && month >= answer.From.Month &&
                              month <= std::max(answer.From.Month, lastMonth);
        Check(inPeriod || month == 9, "only the period's months and the selected one are written");
        const auto table = ReadHolidayMonth(path);
        Check(HolidayMonthLines(table) == DecodeLines(bytes), "a written month reads back");
    }
    return 0;
}
