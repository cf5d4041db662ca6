// File / Convert to HTML: the shown week's time-table or calendar sheet as a page in the user
// folder, opened with the desktop's handler.
#pragma once

#include <string>

#include "app/state/app_context.h"

namespace skemora {

// "&Time-Table": the lessons of the shown week with their start times.
void ConverttoClick(AppContext& ctx);
// "&Calendar": a printable sheet of the shown week with its two months.
void Calendar1Click(AppContext& ctx);
// Where both pages are written: the user's name + ".html" in the user folder.
std::string HtmlPagePath(const MainState& state);

// Calendar export: the lessons and holiday marks of the shown week, of the shown week to the end
// of its period, or of the rest of the school year, as an iCalendar file the user names, for
// import into a calendar program. The shown week is taken as the refresh loaded it, later weeks
// from their files.
void ExportCalendarClick(AppContext& ctx);

}  // namespace skemora
