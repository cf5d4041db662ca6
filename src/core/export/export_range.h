// The days a calendar export covers: the shown week, the shown week to the end of its validity
// period, or the shown week to the end of the school year (31 July).
#pragma once

#include "core/timetable/periods.h"

namespace skemora {

enum class ExportRange { ShownWeek, ToPeriodEnd, ToSchoolYearEnd };

// The day number of the first 31 July on or after the day.
int SchoolYearEnd(int dayNumber);
// The day number of the range's last day, for the week whose Monday is `monday`: the Friday of
// that week; the day before the next period starts, or the school year's end when the week's
// period is the last; the school year's end. Never before the shown week's Friday.
int ExportRangeEnd(ExportRange range, const PeriodList& periods, int monday);

}  // namespace skemora
