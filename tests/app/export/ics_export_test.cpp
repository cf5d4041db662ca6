#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "support/main_window_fixture.h"
#include "app/export/export_commands.h"
#include "app/timetable/open_commands.h"

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
    // The events of the exported file as python3-icalendar reads them.
    std::vector<std::string> Export(const std::string& path) {
        dialogs.SaveAnswers.push_back(path);
        ExportCalendarClick(ctx);
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
    ASSERT_EQ(events.size(), 16u);
    const auto fields = [&](std::size_t k) {
        const std::string& line = events[k];
        return line.substr(0, line.rfind(" ~ "));
    };
    EXPECT_EQ(fields(0), "2003-09-29 08:00-08:45 ~ S00 ~ R00 ~ T00");
    EXPECT_EQ(fields(1), "2003-09-29 08:50-09:35 ~ S01 ~ R01 ~ T01|Page 3, 1;2 a\\b|then rest");
    EXPECT_EQ(fields(3), "2003-09-30 09:30-10:15 ~ S10 ~ R10 ~ T10");
    EXPECT_EQ(fields(14), "2003-10-03 09:40-10:25 ~ S42 ~ R42 ~ T42");
    EXPECT_EQ(fields(15), "2003-10-03 ~ Efterårsferie ~  ~ ");

    // A second export of the same week names every event the same.
    const auto again = Export(folder / "second.ics");
    ASSERT_EQ(again.size(), events.size());
    for (std::size_t k = 0; k < events.size(); ++k) {
        EXPECT_EQ(again[k].substr(again[k].rfind(" ~ ")), events[k].substr(events[k].rfind(" ~ ")));
    }
    // And a calendar program lists the lessons at their local times.
    const std::string config = folder / "khal.conf";
    std::ofstream(config) << "[calendars]\n[[c]]\npath = " << folder / "khal" << "\n[locale]\n"
                          << "timeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                          << "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                          << "longdatetimeformat = %Y-%m-%d %H:%M\n";
    const auto listed =
        Output("khal -c '" + config + "' printics '" + folder / "first.ics" + "' 2>&1");
    ASSERT_TRUE(listed) << "khal printics failed";
    EXPECT_NE(listed->find("16 events found"), std::string::npos) << *listed;
    EXPECT_NE(listed->find("2003-09-30 09:30-2003-09-30 10:15 S10 :: T10"), std::string::npos)
        << *listed;
    EXPECT_NE(listed->find("2003-10-03-2003-10-03 Efterårsferie"), std::string::npos) << *listed;
}

}  // namespace
}  // namespace skemora::test
