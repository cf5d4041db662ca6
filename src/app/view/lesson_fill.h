// The fill of the 60 lesson cells from the loaded time-table and the shown week's homework.
#pragma once

#include <array>
#include <string>

#include "app/state/app_context.h"

namespace skemora {

// One lesson cell as drawn: its subject, green when it has homework, and its start time as
// hint (none for an empty cell).
struct LessonCellFill {
    std::string Caption;
    Color TextColor = kBlack;
    std::string Hint;
};
using LessonGridFill = std::array<std::array<LessonCellFill, kLessons>, kDays>;

// The cells of the state's lessons: days aligned by start time, subjects green when they have
// homework.
LessonGridFill FillLessons(const MainState& state);
// Draws that fill into the view's cells.
void ProjectLessons(const MainState& state, ViewModel& view);
// ProjectLessons on the context.
void ShowTimetable(AppContext& ctx);
// Empties the in-memory time-table and blanks all 60 cells.
void ResetTimetable(AppContext& ctx);

}  // namespace skemora
