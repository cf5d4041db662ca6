#include "core/export/timetable_page.h"

namespace skemora {
namespace {

std::string TwoDigits(int value) {
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

// HH:MM, 800 giving 08:00.
std::string StartTimeText(int startTime) {
    return TwoDigits(startTime / 100) + ":" + TwoDigits(startTime % 100);
}

std::string SchoolText(const std::optional<SchoolLines>& school) {
    if (!school) return "?";
    return HtmlEscape(school->Name) + " " + HtmlEscape(school->Phone1) + " " +
           HtmlEscape(school->Phone2) + "<BR>";
}

}  // namespace

std::vector<std::string> TimetablePage(const TimetablePageInput& input) {
    std::vector<std::string> lines;
    AppendPageStart(lines, input.Name);
    lines.push_back("<p>" + HtmlEscape(input.Name) + " " + HtmlEscape(input.ClassName) + " " +
                    SchoolText(input.School) + "</p>");
    lines.emplace_back("<table border=\"2\" cellpadding=\"2\" cellspacing=\"3\" width=\"100%\">");
    lines.emplace_back("<tr>");
    for (std::size_t day = 0; day < input.StartTimes.size(); ++day) {
        lines.push_back("<td align=\"center\" width=\"20%\">" +
                        StartTimeText(input.StartTimes[day]) + "<font size=\"4\"><strong> " +
                        HtmlEscape(input.Grid.DayNames[day]) + "</strong></font></td>");
    }
    lines.emplace_back("</tr>");
    AppendLessonRows(lines, input.Grid, "<td align=\"center\" width=\"20%\">", "</td>");
    lines.insert(lines.end(), {"</table>", "</center></div>"});
    AppendPageEnd(lines);
    return lines;
}

}  // namespace skemora
