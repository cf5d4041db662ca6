// The glance as text: one lesson's line, the tool tip's summary, the terminal's day plan, and
// JSON for status bars (its "text" and "tooltip" are what waybar shows).
#pragma once

#include <string>

#include "app/glance/glance.h"
#include "core/language/names_file.h"
#include "core/language/texts.h"

namespace skemora {

// "08:50–09:35 Maths, room 12, teacher AB"
std::string GlanceLessonText(const GlanceLesson& lesson, const MessageTexts& texts);
// The one line that says what matters now: the lesson under way or the next one with its time,
// room and teacher; or that the day is over, a weekend, a holiday or without lessons.
std::string GlanceSummary(const Glance& glance, const MessageTexts& texts);
// "Wednesday 9 December 2026"
std::string GlanceDateText(const Date& date, const NameTables& names);
// The whole glance for a terminal, lines ended by "\n".
std::string GlanceText(const Glance& glance, const MessageTexts& texts, const NameTables& names);
// The same as one JSON object on one line.
std::string GlanceJson(const Glance& glance, const MessageTexts& texts, const NameTables& names);

}  // namespace skemora
