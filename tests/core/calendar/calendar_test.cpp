#include "core/calendar/calendar.h"

#include <gtest/gtest.h>

#include <string>

namespace skemora {
namespace {

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    struct Case {
        int Year;
        bool Leap;
    };
    for (const Case& c : {Case{1900, false}, Case{2000, true}, Case{2004, true}, Case{2100, false},
                          Case{1999, false}, Case{2400, true}, Case{1996, true}}) {
        EXPECT_EQ(LeapYear(c.Year), c.Leap) << c.Year;
    }
}

TEST(Calendar, DaysInMonthGivesFebruaryItsLeapDay) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    const int common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(DaysInMonth(2001, month), common[month - 1]) << month;
    }
}

TEST(Calendar, DaysInMonthOfAMonthOutsideTheYearIsZero) {
    EXPECT_EQ(DaysInMonth(2001, 0), 0);
    EXPECT_EQ(DaysInMonth(2001, 13), 0);
    EXPECT_EQ(DaysInMonth(2001, -5), 0);
}

TEST(Calendar, WeekdaysAreNumberedFromSunday) {
    EXPECT_EQ(WeekdayOf(1970, 1, 1), 5);
    EXPECT_EQ(WeekdayOf(2000, 1, 1), 7);
    EXPECT_EQ(WeekdayOf(2012, 1, 1), 1);
    EXPECT_EQ(WeekdayOf(2015, 3, 2), 2);
    EXPECT_EQ(WeekdayOf(1, 1, 1), 2);
    EXPECT_EQ(WeekdayOf(9999, 12, 31), 6);
}

TEST(Calendar, DayOfYearCountsFromTheFirstOfJanuary) {
    EXPECT_EQ(DayOfYear(2001, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2001, 3, 1), 60);
    EXPECT_EQ(DayOfYear(2000, 3, 1), 61);
    EXPECT_EQ(DayOfYear(2001, 12, 31), 365);
    EXPECT_EQ(DayOfYear(2000, 12, 31), 366);
}

TEST(Calendar, WeekNumbersUnderBothWeekStarts) {
    struct Case {
        int Year, Month, Day;
        int MondayFirst, SundayFirst;
    };
    const Case cases[] = {
        {1999, 1, 1, 0, 1},     {1999, 1, 3, 0, 2},     {1999, 1, 4, 1, 2},
        {2004, 1, 1, 1, 1},     {2004, 12, 31, 53, 53}, {2000, 1, 1, 0, 1},
        {2000, 1, 2, 0, 2},     {2000, 12, 31, 52, 54}, {2001, 12, 24, 52, 52},
        {2001, 12, 31, 53, 53}, {1996, 12, 31, 53, 53}, {2012, 12, 31, 53, 53},
        {2015, 3, 2, 10, 10},   {2013, 12, 31, 53, 53}, {2028, 12, 31, 52, 54},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekNumber(c.Year, c.Month, c.Day, false), c.MondayFirst)
            << c.Year << "-" << c.Month << "-" << c.Day << " Monday first";
        EXPECT_EQ(WeekNumber(c.Year, c.Month, c.Day, true), c.SundayFirst)
            << c.Year << "-" << c.Month << "-" << c.Day << " Sunday first";
    }
}

TEST(Calendar, WeeksInYearUnderBothWeekStarts) {
    struct Case {
        int Year;
        int MondayFirst, SundayFirst;
    };
    const Case cases[] = {{1998, 53, 52}, {1999, 52, 52}, {2000, 52, 54}, {2004, 53, 52},
                          {2005, 52, 53}, {2012, 53, 52}, {2016, 52, 53}, {2020, 53, 52},
                          {2026, 53, 52}, {2013, 52, 52}, {2001, 52, 52}};
    for (const Case& c : cases) {
        EXPECT_EQ(WeeksInYear(c.Year, false), c.MondayFirst) << c.Year << " Monday first";
        EXPECT_EQ(WeeksInYear(c.Year, true), c.SundayFirst) << c.Year << " Sunday first";
    }
}

// Within a year the week number starts at 0 or 1, never falls, and rises by one exactly on the
// first day of each week.
TEST(Calendar, WeekNumbersRiseByOneOnEachWeekStart) {
    for (const bool sundayFirst : {false, true}) {
        const int weekStart = sundayFirst ? 1 : 2;
        for (int year = 1990; year <= 2040; ++year) {
            int previous = WeekNumber(year, 1, 1, sundayFirst);
            EXPECT_TRUE(previous == 0 || previous == 1) << year;
            for (Date date = AddDays(Date{year, 1, 1}, 1); date.Year == year;
                 date = AddDays(date, 1)) {
                const int week = WeekNumber(date.Year, date.Month, date.Day, sundayFirst);
                const bool starts = WeekdayOf(date.Year, date.Month, date.Day) == weekStart;
                ASSERT_EQ(week, previous + (starts ? 1 : 0))
                    << date.Year << "-" << date.Month << "-" << date.Day << " " << sundayFirst;
                previous = week;
            }
        }
    }
}

TEST(Calendar, DayNumberCountsFromTheFirstOfJanuary1970) {
    EXPECT_EQ(DayNumber(1969, 12, 31), -1);
    EXPECT_EQ(DayNumber(1900, 6, 15), -1);
    EXPECT_EQ(DayNumber(1970, 1, 1), 1);
    EXPECT_EQ(DayNumber(1970, 12, 31), 365);
    EXPECT_EQ(DayNumber(1971, 1, 1), 366);
    EXPECT_EQ(DayNumber(2000, 1, 1), 10958);
}

TEST(Calendar, EveryDayFrom1970To2100RoundTripsThroughItsDayNumber) {
    int expected = 1;
    for (int year = 1970; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day, ++expected) {
                const int number = DayNumber(year, month, day);
                ASSERT_EQ(number, expected) << year << "-" << month << "-" << day;
                ASSERT_EQ(DateOfDayNumber(number), (Date{year, month, day})) << number;
            }
        }
    }
}

TEST(Calendar, AddDaysCrossesMonthsAndYears) {
    struct Case {
        Date From;
        int Days;
        Date To;
    };
    const Case cases[] = {
        {{2001, 1, 31}, 1, {2001, 2, 1}},   {{2000, 2, 28}, 1, {2000, 2, 29}},
        {{2001, 2, 28}, 1, {2001, 3, 1}},   {{1999, 12, 31}, 1, {2000, 1, 1}},
        {{2000, 1, 1}, -1, {1999, 12, 31}}, {{2003, 9, 10}, 0, {2003, 9, 10}},
        {{2003, 9, 10}, -7, {2003, 9, 3}},  {{1970, 1, 1}, -1, {1969, 12, 31}},
        {{2004, 3, 1}, -366, {2003, 3, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddDays(c.From, c.Days), c.To)
            << c.From.Year << "-" << c.From.Month << "-" << c.From.Day << " + " << c.Days;
    }
}

TEST(Calendar, DayOutsideTheMonthRollsIntoTheNextMonth) {
    EXPECT_EQ(AddDays(Date{2001, 2, 31}, 0), (Date{2001, 3, 3}));
    EXPECT_EQ(DayNumber(2001, 2, 29), DayNumber(2001, 3, 1));
}

const std::array<std::string, 7> kEnglish = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const std::array<std::string, 7> kDanish = {"søn", "man", "tir", "ons", "tor", "fre", "lør"};

TEST(WeekdayHeader, BuildsBothOrdersInBothLanguages) {
    struct Case {
        const char* Name;
        const std::array<std::string, 7>& Names;
        bool SundayFirst;
        std::string Text;
    };
    // Danish Monday first gets the same blanks as English, so the letters stay over their
    // columns of the month grid.
    const Case cases[] = {
        {"English Sunday first", kEnglish, true, "su  mo  tu   we  th   fr  sa  "},
        {"English Monday first", kEnglish, false, "mo   tu  we   th   fr  sa   su"},
        {"Danish Sunday first", kDanish, true, "sø  ma  ti   on  to   fr  lø  "},
        {"Danish Monday first", kDanish, false, "ma   ti  on   to   fr  lø   sø"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekdayHeader(c.Names, c.SundayFirst).Text, c.Text) << c.Name;
    }
}

TEST(WeekdayHeader, KeepsTheAbbreviationsInTheOrderAppended) {
    const auto sunday = WeekdayHeader(kEnglish, true).Abbreviations;
    EXPECT_EQ(sunday, (std::array<std::string, 7>{"su", "mo", "tu", "we", "th", "fr", "sa"}));
    const auto monday = WeekdayHeader(kDanish, false).Abbreviations;
    EXPECT_EQ(monday, (std::array<std::string, 7>{"ma", "ti", "on", "to", "fr", "lø", "sø"}));
}

TEST(WeekdayHeader, LowersOnlyTheLettersAToZ) {
    const std::array<std::string, 7> names = {"SØN", "MA", "T1", "Ö.", "tor", "FR", "L"};
    const auto header = WeekdayHeader(names, true);
    EXPECT_EQ(header.Abbreviations,
              (std::array<std::string, 7>{"sØ", "ma", "t1", "Ö.", "to", "fr", "l "}));
}

TEST(WeekdayHeader, ShortNamesArePaddedWithBlanks) {
    const std::array<std::string, 7> names = {"S", "", "T", "W", "T", "F", "S"};
    const auto header = WeekdayHeader(names, true);
    EXPECT_EQ(header.Text,
              std::string("s   ") + "    " + "t    " + "w   " + "t    " + "f   " + "s   ");
    EXPECT_EQ(header.Abbreviations[1], "  ");
}

TEST(WeekdayHeader, BrokenUtf8GivesAHeaderWithoutReadingPastTheName) {
    const std::array<std::string, 7> names = {"\xC3", "\xFF\xFE", "\x80\x80\x80\x80\x80x", "", "",
                                              "",     ""};
    const auto header = WeekdayHeader(names, true);
    EXPECT_EQ(header.Abbreviations[0], "\xC3 ");
    EXPECT_EQ(header.Abbreviations[1], "\xFF\xFE");
    EXPECT_EQ(header.Abbreviations[2], "\x80\x80\x80\x80\x80");
}

}  // namespace
}  // namespace skemora
