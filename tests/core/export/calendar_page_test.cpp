#include "core/export/calendar_page.h"

#include <gtest/gtest.h>

#include "support/golden_page.h"

namespace skemora {
namespace {

const std::array<std::string, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const std::array<std::string, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
const std::array<std::string, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<std::string, 12> kLongMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

// The page input as the English main window would give it for the selected date: the weekday
// header of the chosen week start, and the five column headers of the selected week.
CalendarPageInput EnglishInput(Date selected, bool sundayFirst = false) {
    CalendarPageInput input;
    input.Name = "Anna";
    input.SelectedDate = selected;
    input.SundayFirst = sundayFirst;
    input.WeekLabel = "week";
    input.WeekdayAbbreviations = WeekdayHeader(kShortDays, sundayFirst).Abbreviations;
    input.LongMonthNames = kLongMonths;
    for (int day = 0; day < 5; ++day) input.Grid.DayNames[day] = kLongDays[day + 1];
    input.Grid.Cells[0] = {"Math", "Danish"};
    input.Grid.Cells[2] = {"", "Art & <Design>"};
    const int weekday = WeekdayOf(selected.Year, selected.Month, selected.Day);
    const Date monday = AddDays(selected, weekday == 1 ? -6 : 2 - weekday);
    for (int day = 0; day < 5; ++day) {
        const Date date = AddDays(monday, day);
        input.DayHeadings[day] = {kLongDays[day + 1], std::to_string(date.Day),
                                  kShortMonths[date.Month - 1], std::to_string(date.Year),
                                  std::nullopt};
    }
    return input;
}

CalendarPageInput WednesdayHoliday(Date selected) {
    CalendarPageInput input = EnglishInput(selected);
    input.DayHeadings[2].HolidayName = "Autumn \"break\"";
    return input;
}

CalendarPageInput DanishInput(Date selected) {
    CalendarPageInput input = EnglishInput(selected);
    input.LanguageCode = 6;
    input.WeekLabel = "uge";
    input.LongMonthNames = {"januar", "februar", "marts",     "april",   "maj",      "juni",
                            "juli",   "august",  "september", "oktober", "november", "december"};
    input.Grid.DayNames = {"mandag", "tirsdag", "onsdag", "torsdag", "fredag"};
    for (DayHeading& heading : input.DayHeadings) {
        heading.MonthName = "okt";
    }
    for (int day = 0; day < 5; ++day) input.DayHeadings[day].DayName = input.Grid.DayNames[day];
    return input;
}

TEST(CalendarPage, WholePages) {
    struct Case {
        const char* Golden;
        CalendarPageInput Input;
    };
    const Case cases[] = {
        // September and October 2003; the week of 1 October is outlined in both.
        {"export/calendar_2003_10_02_wednesday_holiday.html", WednesdayHoliday({2003, 10, 2})},
        {"export/calendar_2003_10_15_danish.html", DanishInput({2003, 10, 15})},
        // December's last row is week 1 of 2004, as is January's first.
        {"export/calendar_2004_01_02.html", EnglishInput({2004, 1, 2})},
        // January 2010 opens with 2009's week 53 before week 1.
        {"export/calendar_2010_01_01.html", EnglishInput({2010, 1, 1})},
        // February 2010 fills four rows; March goes on with the week after.
        {"export/calendar_2010_02_10.html", EnglishInput({2010, 2, 10})},
        {"export/calendar_2003_10_02_sunday_first.html", EnglishInput({2003, 10, 2}, true)},
    };
    for (const Case& c : cases) {
        const auto page = CalendarPage(c.Input);
        EXPECT_TRUE(test::SameLines(page, test::GoldenLines(c.Golden, page))) << c.Golden;
    }
}

// What a month calendar shows, read back from the page.
struct MonthSummary {
    // Each week row's number, "[n]" when outlined, "-" when the row is empty.
    std::string Weeks;
    // The header abbreviation over the cell that holds day 1.
    std::string FirstDayHeader;
};

std::string Between(const std::string& line, const std::string& open, const std::string& close) {
    const auto start = line.find(open) + open.size();
    return line.substr(start, line.find(close, start) - start);
}

std::vector<MonthSummary> MonthSummaries(const std::vector<std::string>& page) {
    const std::string headerCell = "<td align=\"right\" width=\"12%\"><font size=\"2\"><strong>";
    const std::string rowStart = "<div align=\"left\"><table border=\"";
    const std::string innerTable =
        "<td width=\"100%\"><div align=\"left\"><table border=\"0\" cellpadding=\"0\" "
        "cellspacing=\"0\" width=\"100%\">";
    std::vector<MonthSummary> months;
    std::vector<std::string> header;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i].starts_with(headerCell) && header.size() < 7) {
            header.push_back(Between(page[i], "<strong>", "</strong>"));
            if (header.size() == 1) months.emplace_back();
        } else if (page[i].starts_with(rowStart) && i + 11 < page.size() &&
                   page[i + 2] == innerTable) {
            header.resize(header.size() == 7 ? 7 : 0);
            MonthSummary& month = months.back();
            const std::string number = Between(page[i + 4], "<font size=\"2\">", "</font>");
            const bool outlined = page[i][rowStart.size()] == '1';
            if (!month.Weeks.empty()) month.Weeks += " ";
            month.Weeks += number == "&nbsp;" ? "-" : outlined ? "[" + number + "]" : number;
            for (std::size_t column = 0; column < 7; ++column) {
                if (Between(page[i + 5 + column], "<font size=\"2\">", "</font>") == "1") {
                    month.FirstDayHeader = header[column];
                }
            }
        }
        if (page[i].find("</center></div></td></tr>") != std::string::npos) header.clear();
    }
    return months;
}

TEST(CalendarPage, WeekRowsAreNumberedAndTheSelectedWeekOutlined) {
    struct Case {
        Date Selected;
        bool SundayFirst;
        const char* First;
        const char* Second;
    };
    const Case cases[] = {
        {{2003, 10, 2}, false, "36 37 38 39 [40] -", "[40] 41 42 43 44 -"},
        {{2003, 10, 15}, false, "40 41 [42] 43 44 -", "44 45 46 47 48 -"},
        {{2004, 1, 2}, false, "49 50 51 52 [1] -", "[1] 2 3 4 5 -"},
        {{2010, 1, 1}, false, "49 50 51 52 [53] -", "[53] 1 2 3 4 -"},
        {{2010, 1, 20}, false, "53 1 2 [3] 4 -", "5 6 7 8 - -"},
        {{2010, 2, 10}, false, "5 [6] 7 8 - -", "9 10 11 12 13 -"},
        // A January in week 0 of a 53-week year goes on with week 1 after the year before's last.
        {{2012, 1, 10}, false, "52 1 [2] 3 4 5", "5 6 7 8 9 -"},
        // December's week 53 is week 1 of the new year in January, as the week strip counts it.
        {{2013, 1, 2}, false, "48 49 50 51 52 [53]", "[1] 2 3 4 5 -"},
        {{2003, 10, 2}, true, "36 37 38 39 [40] -", "[40] 41 42 43 44 -"},
        {{2003, 10, 15}, true, "40 41 [42] 43 44 -", "44 45 46 47 48 49"},
        {{2004, 1, 2}, true, "49 50 51 52 [1] -", "[1] 2 3 4 5 -"},
        {{2001, 1, 3}, true, "49 50 51 52 53 [54]", "[1] 2 3 4 5 -"},
        {{2006, 1, 2}, true, "49 50 51 52 53 -", "[1] 2 3 4 5 -"},
    };
    for (const Case& c : cases) {
        const Date& d = c.Selected;
        const std::string name = std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" +
                                 std::to_string(d.Day) + (c.SundayFirst ? " sunday first" : "");
        const auto months = MonthSummaries(CalendarPage(EnglishInput(d, c.SundayFirst)));
        ASSERT_EQ(months.size(), 2u) << name;
        EXPECT_EQ(months[0].Weeks, c.First) << name;
        EXPECT_EQ(months[1].Weeks, c.Second) << name;
    }
}

TEST(CalendarPage, DayColumnsFollowTheWeekdayHeader) {
    for (const bool sundayFirst : {false, true}) {
        for (int month = 1; month <= 12; ++month) {
            const Date selected{2003, month, 20};
            const auto months = MonthSummaries(CalendarPage(EnglishInput(selected, sundayFirst)));
            ASSERT_EQ(months.size(), 2u);
            const int nextMonth = month % 12 + 1;
            const int nextYear = month == 12 ? 2004 : 2003;
            const auto abbreviation = [](int weekday) {
                return std::string{static_cast<char>(kShortDays[weekday - 1][0] + 'a' - 'A'),
                                   kShortDays[weekday - 1][1]};
            };
            EXPECT_EQ(months[0].FirstDayHeader, abbreviation(WeekdayOf(2003, month, 1)))
                << month << (sundayFirst ? " sunday first" : "");
            EXPECT_EQ(months[1].FirstDayHeader, abbreviation(WeekdayOf(nextYear, nextMonth, 1)))
                << nextMonth << (sundayFirst ? " sunday first" : "");
        }
    }
}

TEST(CalendarPage, DayBoxHeadingsFollowTheLanguage) {
    const auto heading = [](const CalendarPageInput& input) {
        const auto page = CalendarPage(input);
        for (std::size_t i = 0; i < page.size(); ++i) {
            if (page[i] == "<td align=\"center\" width=\"100%\">") return page[i + 1];
        }
        return std::string();
    };
    EXPECT_EQ(heading(EnglishInput({2003, 10, 15})), "Monday Oct 13 2003</td>");
    EXPECT_EQ(heading(DanishInput({2003, 10, 15})), "mandag 13 okt 2003</td>");
}

}  // namespace
}  // namespace skemora
