// What both HTML pages share: escaping of inserted text, the opening and closing lines of a page,
// and the twelve lesson rows of the week grid.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace skemora {

// The lesson part of the week grid as the main window shows it.
struct WeekGridText {
    std::array<std::string, 5> DayNames;  // long day names, Monday .. Friday
    // Cell captions per day column (Monday .. Friday), top row first, exactly as the grid shows
    // them: a day that starts later already has its empty cells on top.
    std::array<std::array<std::string, 12>, 5> Cells;
};

// The text with "&", "<", ">" and the double quote replaced by their character references, so
// that the browser shows the same visible text.
std::string HtmlEscape(std::string_view text);

// "<html>" up to the centred division that opens the body, with the page titled `name`.
void AppendPageStart(std::vector<std::string>& lines, const std::string& name);
// The closing lines; then the head's charset line names the encoding the page's file is written
// in, so a browser need not guess.
void AppendPageEnd(std::vector<std::string>& lines);

// Twelve "<tr>" groups of five cells, Monday to Friday. Each cell line is cellOpen, the escaped
// caption or "&nbsp;" for an empty one, and cellClose.
void AppendLessonRows(std::vector<std::string>& lines, const WeekGridText& grid,
                      std::string_view cellOpen, std::string_view cellClose);

}  // namespace skemora
