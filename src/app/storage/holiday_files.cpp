#include "app/storage/holiday_files.h"

#include "app/storage/storage.h"
#include "core/holidays/holiday_tables.h"

namespace skemora {

std::string HolidayMonthPath(const MainState& state, int year, int month) {
    return state.DataFolder + HolidayFileName(year, month);
}

feriedage ReadHolidayMonthFile(MainState& state, int year, int month) {
    return HolidayMonthFromLines(ReadStoredOrEmpty(state, HolidayMonthPath(state, year, month)));
}

void ReadHolidayTables(MainState& state) {
    const auto names = HolidayFileNamesAround(state.SelYear, state.SelMonth);
    for (std::size_t i = 0; i < names.size(); ++i) {
        state.HolidayTables[i] =
            HolidayMonthFromLines(ReadStoredOrEmpty(state, state.DataFolder + names[i]));
    }
}

}  // namespace skemora
