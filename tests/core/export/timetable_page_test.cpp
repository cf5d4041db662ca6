#include "core/export/timetable_page.h"

#include <gtest/gtest.h>

#include "support/golden_page.h"

namespace skemora {
namespace {

// Monday and Tuesday start at 08:00, Wednesday at 08:55, Thursday at 09:45 and Friday at 13:05,
// so the grid shows Wednesday one row lower, Thursday two and Friday three.
TimetablePageInput ShiftedWeek() {
    TimetablePageInput input;
    input.Name = "Anna & Bo";
    input.ClassName = "7.b";
    input.School = SchoolLines{"Hill \"School\"", "12 34 56 78", "87 65 43 21"};
    input.StartTimes = {800, 800, 855, 945, 1305};
    input.Grid.DayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    input.Grid.Cells[0] = {"Math", "Math", "Danish", "English", "Art & <Design>", "Gym"};
    input.Grid.Cells[1] = {"Physics", "Biology", "History", "History", "Music", "Music",
                           "German",  "German",  "Math",    "Math",    "Gym",   "Gym"};
    input.Grid.Cells[2] = {"", "Danish", "Danish", "Religion", "Math"};
    input.Grid.Cells[3] = {"", "", "English", "Geography", "Chemistry", "Chemistry"};
    input.Grid.Cells[4] = {"", "", "", "Class hour", "Choir"};
    return input;
}

TEST(TimetablePage, ShiftedWeekAsAWholePage) {
    const auto page = TimetablePage(ShiftedWeek());
    EXPECT_TRUE(
        test::SameLines(page, test::GoldenLines("export/timetable_shifted_week.html", page)));
}

TEST(TimetablePage, ParagraphNamesTimetableClassAndSchool) {
    struct Case {
        const char* What;
        std::optional<SchoolLines> School;
        const char* Paragraph;
    };
    const Case cases[] = {
        {"school file read", SchoolLines{"Hill School", "1234", "5678"},
         "<p>Anna &amp; Bo 7.b Hill School 1234 5678<BR></p>"},
        {"no school file", std::nullopt, "<p>Anna &amp; Bo 7.b ?</p>"},
        {"empty school lines", SchoolLines{}, "<p>Anna &amp; Bo 7.b   <BR></p>"},
        {"markup in the school file", SchoolLines{"<i>A&B</i>", "", ""},
         "<p>Anna &amp; Bo 7.b &lt;i&gt;A&amp;B&lt;/i&gt;  <BR></p>"},
    };
    for (const Case& c : cases) {
        TimetablePageInput input = ShiftedWeek();
        input.School = c.School;
        EXPECT_EQ(TimetablePage(input).at(7), c.Paragraph) << c.What;
    }
}

TEST(TimetablePage, StartTimesAreTwoDigitHoursAndMinutes) {
    struct Case {
        int StartTime;
        const char* Text;
    };
    const Case cases[] = {
        {800, "08:00"}, {1305, "13:05"}, {815, "08:15"}, {0, "00:00"}, {2359, "23:59"}};
    for (const Case& c : cases) {
        TimetablePageInput input = ShiftedWeek();
        input.StartTimes[0] = c.StartTime;
        EXPECT_EQ(TimetablePage(input).at(10),
                  std::string("<td align=\"center\" width=\"20%\">") + c.Text +
                      "<font size=\"4\"><strong> Monday</strong></font></td>")
            << c.StartTime;
    }
}

}  // namespace
}  // namespace skemora
