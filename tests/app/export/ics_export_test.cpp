#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "support/main_window_fixture.h"
#include "app/export/export_commands.h"
#include "core/files/text_file.h"
#include "core/files/write_faults.h"
#include "app/holidays/holiday_commands.h"
#include "app/notes/homework_commands.h"
#include "app/timetable/open_commands.h"
#include "app/window/navigation.h"

namespace skemora::test {
namespace {

// What a command prints, or nullopt when it cannot be run.
std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

class IcsExportTest : public MainWindowTest {
protected:
    // Peter's week of 29 September 2003: three lessons a day, Tuesday from 09:30.
    void OpenPeter() {
        setenv("TZ", "Europe/Copenhagen", 1);
        tzset();
        platform.TodayDate = {2003, 10, 2};
        Start();
        WriteTimetable("Peter", LessonFile({800, 930, 800, 800, 800}, 3));
        OpenTimetable(ctx, folder / "Peter.dfd");
    }
    // The events of the exported file as python3-icalendar reads them; `range` is the index of
    // the range chosen.
    std::vector<std::string> Export(const std::string& path, int range = 0) {
        dialogs.ChoiceAnswers.push_back(range);
        dialogs.SaveAnswers.push_back(path);
        ExportCalendarClick(ctx);
        return Read(path);
    }
    std::vector<std::string> Read(const std::string& path) {
        const auto out = Output("/usr/bin/python3 " + std::string(SKEMORA_TEST_DATA) + "/ics_read.py '" +
                                path + "'");
        if (!out) ADD_FAILURE() << "python3-icalendar could not read " << path;
        return out ? SplitLines(*out) : std::vector<std::string>{};
    }
};

TEST_F(IcsExportTest, TheShownWeekReadsBackWithTimesRoomsHomeworkAndHolidays) {
    OpenPeter();
    ctx.state.Homework[0][1].HomeworkText = {"Page 3, 1;2 a\\b", "then rest"};
    ctx.view.Days[4].Holiday.Visible = true;
    ctx.view.Days[4].Holiday.Caption = "Efterårsferie";
    const auto events = Export(folder / "first.ics");
    EXPECT_EQ(dialogs.LastFileName, "Peter.ics");
    // No lessons on the holiday: twelve lessons and the holiday.
    ASSERT_EQ(events.size(), 13u);
    const auto fields = [&](std::size_t k) {
        const std::string& line = events[k];
        return line.substr(0, line.rfind(" ~ "));
    };
    EXPECT_EQ(fields(0), "2003-09-29 08:00-08:45 ~ S00 ~ R00 ~ T00");
    EXPECT_EQ(fields(1), "2003-09-29 08:50-09:35 ~ S01 ~ R01 ~ T01|Page 3, 1;2 a\\b|then rest");
    EXPECT_EQ(fields(3), "2003-09-30 09:30-10:15 ~ S10 ~ R10 ~ T10");
    EXPECT_EQ(fields(11), "2003-10-02 09:40-10:25 ~ S32 ~ R32 ~ T32");
    EXPECT_EQ(fields(12), "2003-10-03 ~ Efterårsferie ~  ~ ");
    EXPECT_EQ(dialogs.Messages.back(), "The calendar file " + folder / "first.ics" +
                                           " is written.\nLessons: 12\nHoliday days: 1");

    // A second export of the same week names every event the same.
    dialogs.AskAnswers.push_back(kAnswerYes);  // replace the first file
    const auto again = Export(folder / "first.ics");
    ASSERT_EQ(again.size(), events.size());
    for (std::size_t k = 0; k < events.size(); ++k) {
        EXPECT_EQ(again[k].substr(again[k].rfind(" ~ ")), events[k].substr(events[k].rfind(" ~ ")));
    }
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    // And a calendar program lists the lessons at their local times.
    const std::string config = folder / "khal.conf";
    std::ofstream(config) << "[calendars]\n[[c]]\npath = " << folder / "khal" << "\n[locale]\n"
                          << "timeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                          << "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                          << "longdatetimeformat = %Y-%m-%d %H:%M\n";
    const auto listed =
        Output("khal -c '" + config + "' printics '" + folder / "first.ics" + "' 2>&1");
    ASSERT_TRUE(listed) << "khal printics failed";
    EXPECT_NE(listed->find("13 events found"), std::string::npos) << *listed;
    EXPECT_NE(listed->find("2003-09-30 09:30-2003-09-30 10:15 S10 :: T10"), std::string::npos)
        << *listed;
    EXPECT_NE(listed->find("2003-10-03-2003-10-03 Efterårsferie"), std::string::npos) << *listed;
}


// Peter's three periods: from Monday 1 September 2003 three lessons a day ("S.."), from Monday 13
// October two ("P.."), from Monday 5 January 2004 one ("Q..").
class IcsRangeTest : public IcsExportTest {
protected:
    void OpenPeriods() {
        setenv("TZ", "Europe/Copenhagen", 1);
        tzset();
        platform.TodayDate = {2003, 10, 2};
        Start();
        WriteTimetable("Peter", LessonFile({800, 800, 800, 800, 800}, 3, "6U", "S"));
        WriteBytes(folder / "Peter/S1.dfd", LessonFile({800, 800, 800, 800, 800}, 2, "6U", "P"));
        WriteBytes(folder / "Peter/S2.dfd", LessonFile({800, 800, 800, 800, 800}, 1, "6U", "Q"));
        WriteBytes(folder / "Peter/fratil.dfd",
                   EncodeLines({std::to_string(DayNumber(2003, 9, 1)),
                                std::to_string(DayNumber(2003, 10, 13)),
                                std::to_string(DayNumber(2004, 1, 5))}));
        OpenTimetable(ctx, folder / "Peter.dfd");
    }
    // The date and summary of every lesson of the file ("20031006 S00"), in file order.
    static std::vector<std::string> LessonDays(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        static const std::regex event(
            "UID:(\\d{8})-\\d+-[0-9a-f]+@skemora\r\n(?:[^\r]*\r\n)*?SUMMARY:([^\r]*)\r\n");
        std::vector<std::string> days;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), event);
             it != std::sregex_iterator(); ++it)
            days.push_back((*it)[1].str() + " " + (*it)[2].str());
        return days;
    }
};

TEST_F(IcsRangeTest, EachRangeEndsWhereItsRuleSays) {
    struct Case {
        const char* what;
        Date selected;
        int range;  // 0 the shown week, 1 to the period's end, 2 the rest of the school year
        const char* option;  // the option as offered
        const char* firstLesson;
        const char* lastLesson;
        std::size_t lessons;
    };
    const Case cases[] = {
        {"the shown week alone", {2003, 10, 1}, 0,
         "&The shown week (29 September 2003 – 3 October 2003)", "20030929 S00", "20031003 S42",
         15},
        {"a week in the middle of a period ends the day before the next period starts",
         {2003, 9, 17}, 1,
         "To the &end of its time-table period (15 September 2003 – 12 October 2003)",
         "20030915 S00", "20031010 S42", 4 * 15},
        {"the last period runs to the end of the school year", {2004, 7, 14}, 1,
         "To the &end of its time-table period (12 July 2004 – 31 July 2004)", "20040712 Q00",
         "20040730 Q40", 3 * 5},
        {"a week after 31 July runs to next year's 31 July", {2004, 8, 4}, 2,
         "The &rest of the school year (2 August 2004 – 31 July 2005)", "20040802 Q00",
         "20050729 Q40", 52 * 5},
        {"the rest of the school year crosses the period changes", {2003, 10, 8}, 2,
         "The &rest of the school year (6 October 2003 – 31 July 2004)", "20031006 S00",
         "20040730 Q40", 15 + 12 * 10 + 30 * 5},
    };
    OpenPeriods();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectDate(ctx, c.selected.Year, c.selected.Month, c.selected.Day);
        const std::string path = folder / "range.ics";
        std::filesystem::remove(path);
        dialogs.ChoicesShown.clear();
        dialogs.ChoiceAnswers.push_back(c.range);
        dialogs.SaveAnswers.push_back(path);
        ExportCalendarClick(ctx);
        ASSERT_EQ(dialogs.ChoicesShown.size(), 1u);
        EXPECT_EQ(dialogs.ChoicesShown[0].Options.at(static_cast<std::size_t>(c.range)), c.option);
        const auto days = LessonDays(path);
        ASSERT_FALSE(days.empty());
        EXPECT_EQ(days.front(), c.firstLesson);
        EXPECT_EQ(days.back(), c.lastLesson);
        EXPECT_EQ(days.size(), c.lessons);
    }
}

// In Danish the dates of the choice are written as Danish does inside a sentence, the month in
// small letters, whatever the names table holds.
TEST_F(IcsRangeTest, DanishDatesOfTheChoiceHaveTheMonthInSmallLetters) {
    OpenPeriods();
    ctx.state.LanguageCode = kDanish;
    ctx.texts = MessageTextsFor(kDanish);
    ctx.state.Names.LongMonthNames[8] = "September";
    ctx.state.Names.LongMonthNames[9] = "oktober";
    SelectDate(ctx, 2003, 10, 1);
    dialogs.ChoiceAnswers.push_back(std::nullopt);
    ExportCalendarClick(ctx);
    ASSERT_EQ(dialogs.ChoicesShown.size(), 1u);
    EXPECT_EQ(dialogs.ChoicesShown[0].Options.at(0),
              "&Den viste uge (29. september 2003 – 3. oktober 2003)");
}

// Two periods and the homework of two weeks, the second week read from its own files, and a
// holiday mark of the second week, read back by python3-icalendar.
TEST_F(IcsRangeTest, AnExportOverAPeriodChangeReadsBackWithEachWeeksLessonsAndHomework) {
    OpenPeriods();
    SelectDate(ctx, 2003, 10, 14);
    SelectCell(ctx, CellRef{1, 1});
    dialogs.HomeworkAnswers.push_back(LessonHomework{{"Read p. 12; then, rest"}, {}});
    HomeworkCommand(ctx);
    dialogs.HolidayAnswers.push_back(
        FakeDialogs::HolidayAnswer{{2003, 10, 16}, {2003, 10, 17}, "Efterårsferie"});
    nyhelligdagClick(ctx);
    SelectDate(ctx, 2003, 10, 7);
    SelectCell(ctx, CellRef{0, 2});
    dialogs.HomeworkAnswers.push_back(LessonHomework{{"Exercise 4"}, {}});
    HomeworkCommand(ctx);

    const auto events = Export(folder / "two.ics", 2);
    const auto at = [&](const std::string& start) {
        for (const std::string& event : events) {
            if (event.rfind(start, 0) == 0) return event.substr(0, event.rfind(" ~ "));
        }
        return std::string("none at ") + start;
    };
    EXPECT_EQ(at("2003-10-06 09:40"), "2003-10-06 09:40-10:25 ~ S02 ~ R02 ~ T02|Exercise 4");
    EXPECT_EQ(at("2003-10-10 08:00"), "2003-10-10 08:00-08:45 ~ S40 ~ R40 ~ T40");
    EXPECT_EQ(at("2003-10-14 08:50"),
              "2003-10-14 08:50-09:35 ~ P11 ~ R11 ~ T11|Read p. 12; then, rest");
    EXPECT_EQ(at("2003-10-15 08:00"), "2003-10-15 08:00-08:45 ~ P20 ~ R20 ~ T20");
    EXPECT_EQ(at("2003-10-16"), "2003-10-16 ~ Efterårsferie ~  ~ ");
    EXPECT_EQ(at("2003-10-17"), "2003-10-17 ~ Efterårsferie ~  ~ ");
    EXPECT_EQ(at("2003-10-16 08:00"), "none at 2003-10-16 08:00");
    EXPECT_EQ(at("2004-01-05 08:00"), "2004-01-05 08:00-08:45 ~ Q00 ~ R00 ~ T00");
    // No homework of one week turns up in another.
    EXPECT_EQ(at("2003-10-21 08:50"), "2003-10-21 08:50-09:35 ~ P11 ~ R11 ~ T11");
}

// A later period's lesson file that cannot be read leaves its weeks out and is named; the rest
// is exported.
TEST_F(IcsRangeTest, ALaterLessonFileThatCannotBeReadIsNamedAndLeftOut) {
    OpenPeriods();
    WriteBytes(folder / "Peter/S2.dfd", EncodeLines({"eight", "Maths"}));
    SelectDate(ctx, 2003, 12, 29);
    const std::string path = folder / "year.ics";
    dialogs.ChoiceAnswers.push_back(2);
    dialogs.SaveAnswers.push_back(path);
    ExportCalendarClick(ctx);
    const auto days = LessonDays(path);
    ASSERT_EQ(days.size(), 10u);
    EXPECT_EQ(days.back(), "20040102 P41");
    EXPECT_EQ(dialogs.Messages.back(), "The calendar file " + path +
                                           " is written.\nLessons: 10\nHoliday days: 0\n" +
                                           folder / "Peter/S2.dfd" + " could not be read.");
}

// A calendar file that cannot be written says so and is never reported as written; cancelling
// either dialog writes nothing.
TEST_F(IcsExportTest, AFailedOrCancelledExportWritesNothingAndSaysWhy) {
    OpenPeter();
    std::filesystem::create_directory(folder / "taken.ics");
    struct Case {
        const char* what;
        std::optional<int> range;
        std::optional<std::string> path;
        const char* message;  // the error shown, "%" for the data folder, or "" for none
        bool fullDisk = false;
    };
    const Case cases[] = {
        {"the range choice cancelled", std::nullopt, folder / "a.ics", ""},
        {"the save dialog cancelled", 0, std::nullopt, ""},
        {"a folder that is not there", 0, folder / "gone/a.ics",
         "The calendar file %gone/a.ics could not be written, so nothing was exported.\nNo such "
         "file or directory"},
        {"a folder where the file should go", 0, folder / "taken.ics",
         "The calendar file %taken.ics could not be written, so nothing was exported.\nIs a "
         "directory"},
        {"a full disk", 0, folder / "a.ics",
         "The calendar file %a.ics could not be written, so nothing was exported.\nNo space "
         "left on device",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.Messages.clear();
        dialogs.Errors.clear();
        dialogs.ChoiceAnswers.push_back(c.range);
        if (c.range) dialogs.SaveAnswers.push_back(c.path);
        if (c.fullDisk) SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Write; });
        ExportCalendarClick(ctx);
        SetWriteFaultHook(nullptr);
        EXPECT_TRUE(dialogs.ChoiceAnswers.empty() && dialogs.SaveAnswers.empty());
        EXPECT_TRUE(dialogs.Messages.empty());  // never reported as written
        std::string expected = c.message;
        if (const auto at = expected.find('%'); at != std::string::npos)
            expected.replace(at, 1, folder.Path());
        if (expected.empty()) {
            EXPECT_TRUE(dialogs.Errors.empty());
        } else {
            ASSERT_EQ(dialogs.Errors.size(), 1u);
            EXPECT_EQ(dialogs.Errors[0], expected);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "a.ics"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ics"));
}

}  // namespace
}  // namespace skemora::test
