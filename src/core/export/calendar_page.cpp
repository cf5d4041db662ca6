#include "core/export/calendar_page.h"

#include <algorithm>

namespace skemora {
namespace {

constexpr int kDanish = 6;
constexpr int kWeekRows = 6;

const std::string kInnerTable =
    "<td width=\"100%\"><div align=\"left\"><table border=\"0\" cellpadding=\"0\" "
    "cellspacing=\"0\" width=\"100%\">";
const std::string kRowEnd = "</tr></table></div></td></tr></table></div>";

struct Month {
    int Year;
    int Number;
};

Month Next(Month month) {
    return month.Number == 12 ? Month{month.Year + 1, 1} : Month{month.Year, month.Number + 1};
}

Month Previous(Month month) {
    return month.Number == 1 ? Month{month.Year - 1, 12} : Month{month.Year, month.Number - 1};
}

// The first calendar shows the month before the selected one when the selected week holds the
// selected month's first day, so that the week is seen whole.
Month FirstMonthShown(const Date& selected, bool sundayFirst) {
    const Month month{selected.Year, selected.Month};
    const int week = WeekNumber(selected.Year, selected.Month, selected.Day, sundayFirst);
    return WeekNumber(selected.Year, selected.Month, 1, sundayFirst) == week ? Previous(month)
                                                                             : month;
}

// The column (1..7) of day 1 when the columns follow the weekday header.
int FirstDayColumn(Month month, bool sundayFirst) {
    const int weekday = WeekdayOf(month.Year, month.Number, 1);  // 1 = Sunday
    if (sundayFirst) return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

// Where `date` falls in the day numbering of `month`: day d of the month is d, the days of the
// month before count down from 0, those of the month after go on from the month's length.
// nullopt when the date lies in neither neighbour.
std::optional<int> DayInMonthNumbering(const Date& date, Month month) {
    if (date.Year == month.Year && date.Month == month.Number) return date.Day;
    const Month before = Previous(month);
    if (date.Year == before.Year && date.Month == before.Number) {
        return date.Day - DaysInMonth(before.Year, before.Number);
    }
    const Month after = Next(month);
    if (date.Year == after.Year && date.Month == after.Number) {
        return DaysInMonth(month.Year, month.Number) + date.Day;
    }
    return std::nullopt;
}

// The number shown for the week that holds `day` of the month. Each row gets the week number of
// its first day in the month. The opening part-week of a January that Monday-first weeks number 0
// shows the last week of the year before; a week past the year's last counted week shows 1, the
// number it has in the new year.
int ShownWeekNumber(Month month, int day, bool sundayFirst) {
    const int week = WeekNumber(month.Year, month.Number, day, sundayFirst);
    if (week == 0) return WeeksInYear(month.Year - 1, sundayFirst);
    if (week > WeeksInYear(month.Year, sundayFirst)) return 1;
    return week;
}

std::string SmallCell(const std::string& width, const std::string& text) {
    return "<td " + width + "><font size=\"2\">" + text + "</font></td>";
}

void AppendMonthBlock(std::vector<std::string>& lines, const CalendarPageInput& input, Month month,
                      bool firstBlock) {
    if (firstBlock) {
        lines.insert(lines.end(),
                     {"<tr>",
                      "<td width=\"100%\"><div align=\"center\"><center><table border=\"0\" "
                      "cellpadding=\"1\" cellspacing=\"0\" width=\"100%\" "
                      "bordercolor=\"#FFFFFF\">",
                      "<tr>",
                      "<td width=\"12%\"><div align=\"left\"><table border=\"0\" "
                      "cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">",
                      "<tr>", kInnerTable, "<tr>"});
    } else {
        lines.insert(lines.end(), {"<tr>",
                                   "<td width=\"100%\"><div align=\"left\"><table border=\"0\" "
                                   "cellpadding=\"0\" cellspacing=\"1\" width=\"100%\">",
                                   "<tr>", kInnerTable, "<tr>"});
    }

    lines.push_back(SmallCell("width=\"12%\"", HtmlEscape(input.WeekLabel)));
    for (const std::string& abbreviation : input.WeekdayAbbreviations) {
        lines.push_back("<td align=\"right\" width=\"12%\"><font size=\"2\"><strong>" +
                        HtmlEscape(abbreviation) + "</strong></font></td>");
    }
    lines.push_back(kRowEnd);

    const int length = DaysInMonth(month.Year, month.Number);
    const std::optional<int> selected = DayInMonthNumbering(input.SelectedDate, month);
    // Day of the month in the first cell of the row; 0 and below are days of the month before.
    int rowStart = 2 - FirstDayColumn(month, input.SundayFirst);
    for (int row = 0; row < kWeekRows; ++row, rowStart += 7) {
        const bool hasDays = rowStart <= length;
        const bool outlined =
            hasDays && selected && *selected >= rowStart && *selected < rowStart + 7;
        const std::string weekText =
            hasDays
                ? std::to_string(ShownWeekNumber(month, std::max(rowStart, 1), input.SundayFirst))
                : "&nbsp;";
        lines.push_back(std::string("<div align=\"left\"><table border=\"") +
                        (outlined ? "1" : "0") +
                        "\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">");
        lines.insert(lines.end(), {"<tr>", kInnerTable, "<tr>"});
        lines.push_back(SmallCell("width=\"12%\"", weekText));
        for (int day = rowStart; day < rowStart + 7; ++day) {
            const bool inMonth = day >= 1 && day <= length;
            lines.push_back(SmallCell("align=\"right\" width=\"12%\"",
                                      inMonth ? std::to_string(day) : "&nbsp;"));
        }
        lines.push_back(kRowEnd);
    }

    lines.insert(lines.end(),
                 {"<div align=\"left\"><table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
                  "width=\"100%\">",
                  "<tr>",
                  "<td align=\"center\" width=\"100%\"><font size=\"2\">" +
                      HtmlEscape(input.LongMonthNames[month.Number - 1]) + " " +
                      std::to_string(month.Year) + "</font></td>"});
    lines.emplace_back(firstBlock ? "</tr></table></div></td></tr></table></center></div></td></tr>"
                                  : "</tr></table></div></td></tr></table></div></td>");
}

std::string DayBoxHeading(const DayHeading& heading, int languageCode) {
    const std::string& second = languageCode == kDanish ? heading.DayNumber : heading.MonthName;
    const std::string& third = languageCode == kDanish ? heading.MonthName : heading.DayNumber;
    return HtmlEscape(heading.DayName) + " " + HtmlEscape(second) + " " + HtmlEscape(third) + " " +
           HtmlEscape(heading.Year);
}

void AppendDayBox(std::vector<std::string>& lines, const DayHeading& heading, int languageCode) {
    lines.insert(lines.end(), {"<tr>",
                               "<td width=\"100%\"><div align=\"center\"><table border=\"1\" "
                               "cellspacing=\"1\" width=\"40%\">",
                               "<tr>", "<td align=\"center\" width=\"100%\">",
                               DayBoxHeading(heading, languageCode) + "</td>", "</tr></table>"});
    if (heading.HolidayName) lines.push_back(HtmlEscape(*heading.HolidayName));
    lines.insert(lines.end(), {"</div><p><br><br><br><br><br></p></td>", "</tr>"});
}

}  // namespace

std::vector<std::string> CalendarPage(const CalendarPageInput& input) {
    std::vector<std::string> lines;
    AppendPageStart(lines, input.Name);
    lines.insert(lines.end(),
                 {"<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">", "<tr>",
                  "<td width=\"8%\"><div align=\"left\"><table border=\"1\" cellspacing=\"0\" "
                  "width=\"100%\">"});
    const Month first = FirstMonthShown(input.SelectedDate, input.SundayFirst);
    AppendMonthBlock(lines, input, first, true);
    AppendMonthBlock(lines, input, Next(first), false);

    lines.insert(lines.end(), {"<td width=\"20%\"><div align=\"left\"><table border=\"1\" "
                               "cellspacing=\"1\" width=\"100%\">",
                               "<tr>"});
    for (const std::string& dayName : input.Grid.DayNames) {
        lines.push_back("<td align=\"center\" width=\"20%\"><font size=\"2\"><strong>" +
                        HtmlEscape(dayName) + "</strong></font></td>");
    }
    lines.emplace_back("</tr>");
    AppendLessonRows(lines, input.Grid, "<td align=\"center\" width=\"20%\"><font size=\"2\">",
                     "</font></td>");
    lines.insert(lines.end(), {"</table></div></td></tr></table></center></div>",
                               "<div align=\"center\"><center>",
                               "<table border=\"1\" cellspacing=\"1\" width=\"100%\">"});
    for (const DayHeading& heading : input.DayHeadings) {
        AppendDayBox(lines, heading, input.LanguageCode);
    }
    lines.emplace_back("</table></center></div>");
    AppendPageEnd(lines);
    return lines;
}

}  // namespace skemora
