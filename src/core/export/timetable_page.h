// The time-table page: the shown week's grid as one HTML page with a title, a paragraph naming
// the time-table, class and school, and a five-column table of start times, day names and lessons.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/export/page_parts.h"

namespace skemora {

// The three lines of the school file that the page names.
struct SchoolLines {
    std::string Name;    // line 1
    std::string Phone1;  // line 5
    std::string Phone2;  // line 6
};

struct TimetablePageInput {
    std::string Name;  // the time-table's name: the window caption without ".dfd"
    std::string ClassName;
    std::optional<SchoolLines> School;  // nullopt when the time-table has no school file
    std::array<int, 5> StartTimes{};    // Monday .. Friday, hours * 100 + minutes
    WeekGridText Grid;
};

// The page's lines without line ends; every inserted text is HTML-escaped.
std::vector<std::string> TimetablePage(const TimetablePageInput& input);

}  // namespace skemora
