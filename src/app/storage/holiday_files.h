// The holiday files of the data folder, read and written through storage.
#pragma once

#include <string>

#include "app/state/main_state.h"

namespace skemora {

// The path of a month's holiday file in the data folder.
std::string HolidayMonthPath(const MainState& state, int year, int month);
// The marks of one month; a missing file gives a cleared table.
feriedage ReadHolidayMonthFile(MainState& state, int year, int month);
// Tables 0, 1, 2 of the state: the months before, of and after the selected date.
void ReadHolidayTables(MainState& state);

}  // namespace skemora
