#include "core/export/page_parts.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

TEST(PageParts, EscapingKeepsTheVisibleText) {
    struct Case {
        const char* Text;
        const char* Escaped;
    };
    const Case cases[] = {
        {"", ""},
        {"Math", "Math"},
        {"R&D", "R&amp;D"},
        {"<b>", "&lt;b&gt;"},
        {"say \"hi\"", "say &quot;hi&quot;"},
        {"&amp;", "&amp;amp;"},
        {"'single' stays", "'single' stays"},
        {"Dansk \xC3\xA6\xC3\xB8\xC3\xA5", "Dansk \xC3\xA6\xC3\xB8\xC3\xA5"},
    };
    for (const Case& c : cases) EXPECT_EQ(HtmlEscape(c.Text), c.Escaped) << c.Text;
}

TEST(PageParts, LessonRowsFillEmptyCellsWithABlankAndEscapeTheOthers) {
    WeekGridText grid;
    grid.Cells[0][0] = "Art & <Design>";
    grid.Cells[4][11] = "Gym";
    std::vector<std::string> lines;
    AppendLessonRows(lines, grid, "<td>", "</td>");

    ASSERT_EQ(lines.size(), 12u * 7u);
    EXPECT_EQ(lines[0], "<tr>");
    EXPECT_EQ(lines[1], "<td>Art &amp; &lt;Design&gt;</td>");
    EXPECT_EQ(lines[2], "<td>&nbsp;</td>");
    EXPECT_EQ(lines[6], "</tr>");
    EXPECT_EQ(lines[82], "<td>Gym</td>");
    EXPECT_EQ(lines[83], "</tr>");
}

}  // namespace
}  // namespace skemora
