// The week homework file of the shown week: per lesson with homework, its day, lesson, the
// counted homework lines and the counted file-shortcut lines.
#pragma once

#include <string>
#include <vector>

#include "app/app_context.h"

namespace skemora {

// Appends the records of a week file's lines to `homework`. A record whose day is outside 1..5
// or whose lesson is outside 1..12 is skipped. A record whose counts run past the end of the
// file keeps the lines that are there, and reading stops. A count or position that is no number
// throws InvalidInteger, with the records before it kept.
void ParseWeekHomework(WeekHomework& homework, const std::vector<std::string>& lines);
// The week file's lines: day 1..5, lesson 1..12, positions without homework left out.
std::vector<std::string> WeekHomeworkLines(const WeekHomework& homework);
// UserFolder + WeekFileName(SelYear, WeekNo).
std::string WeekHomeworkPath(const MainState& state);

// Empties all 120 lists, then reads the shown week's file when it exists.
void ReadWeekHomework(AppContext& ctx);
// Writes the shown week's file from Homework, or deletes it when no lesson has homework. A file
// that does not read as a week file is not replaced (throws SkemoraError): what it holds beyond
// the records read is kept.
void WriteWeekHomework(AppContext& ctx);

}  // namespace skemora
