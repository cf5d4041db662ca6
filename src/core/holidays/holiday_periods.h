// Holiday periods over the month tables: which months and days a period covers, marking them
// (with a question for days that already carry a mark), deleting one day's mark, and the lines
// of a month's holiday file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/calendar/calendar.h"
#include "core/holidays/holiday_tables.h"

namespace skemora {

struct HolidayPeriod {
    Date From;
    Date To;
    std::string Name;
    std::string Colour;  // one of kHolidayColourNames
};

// The lines of a month's holiday file: for each marked day in ascending order its index
// (day - 1), colour name and holiday name. Line breaks inside a text become blanks, so every
// group stays three lines. ReadHolidayMonth reads them back into the same table.
std::vector<std::string> HolidayMonthLines(const feriedage& table);

// A period may not start before 1970, where day numbers end.
bool HolidayStartRefused(const Date& from);

// The days of one month that applying a period visits; none when LastDay < FirstDay.
struct HolidayMonthSpan {
    int Year = 0;
    int Month = 0;
    int FirstDay = 1;
    int LastDay = 0;
    friend bool operator==(const HolidayMonthSpan&, const HolidayMonthSpan&) = default;
};

// The months the period writes, in order, with the days visited in each: the from-date's month
// always (with no days when the to-date lies before the from-date), then month after month until
// the to-date. Empty for a from-date that is no real date.
std::vector<HolidayMonthSpan> HolidayPeriodMonths(const Date& from, const Date& to);

// The answer to "this day already has a mark; delete it?".
enum class TakenAnswer { Overwrite, Keep, Cancel };
// Asked once for every Monday-to-Friday day of the period that already carries a mark, in date
// order, before that day's month is written; markName is the name of the mark it holds.
using TakenDayQuestion = std::function<TakenAnswer(const Date& day, const std::string& markName)>;
using HolidayMonthReader = std::function<feriedage(int year, int month)>;
using HolidayMonthWriter =
    std::function<void(int year, int month, const std::vector<std::string>& lines)>;

enum class ApplyOutcome { Finished, Cancelled, RefusedBefore1970 };

// Whether the period runs on beyond a year: its to-date reaches the from-date's day a year on.
bool HolidayLongerThanAYear(const Date& from, const Date& to);
// Told before each month how many months are written; false stops before that month.
using HolidayMonthProgress = std::function<bool(int monthsDone)>;

// Marks every Monday-to-Friday day of the period with its name and colour, month by month: each
// month is read, marked and written whole (also when nothing in it changed). A Cancel stops at
// once and leaves the month in progress unwritten; months finished before it stay written. A
// period starting before 1970 touches nothing. A progress answering false stops like a Cancel,
// between two months.
ApplyOutcome ApplyHolidayPeriod(const HolidayPeriod& period, const HolidayMonthReader& readMonth,
                                const TakenDayQuestion& askTaken,
                                const HolidayMonthWriter& writeMonth,
                                const HolidayMonthProgress& progress = {});

// What to do with a month's holiday file after a change.
enum class MonthFileAction { Keep, Write, Remove };
struct MonthFileChange {
    MonthFileAction Action = MonthFileAction::Keep;
    std::vector<std::string> Lines;  // for Write
};

// The change to a month's file (as read now) that deletes the mark of one day (1..31): Keep when
// the day carries no mark, Remove when it was the month's last mark, else Write.
MonthFileChange DeleteHolidayMark(const feriedage& month, int day);

// "<title> = <new name>", the title of the question for a day already taken.
std::string HolidayTakenTitle(const std::string& title, const std::string& newName);
// "<delete word> <mark name>?", the message of both questions.
std::string DeleteHolidayMessage(const std::string& deleteWord, const std::string& markName);

}  // namespace skemora
