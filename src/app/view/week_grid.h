// The week view: building its elements for a window size, the resize rules, and showing the
// selected lesson cell.
#pragma once

#include <string>

#include "app/state/app_context.h"
#include "app/view/lesson_fill.h"

namespace skemora {

// Lays out every element for the outer size W x H (610 x 450 or 800 x 600) and screen mode.
void BuildWeekView(ViewModel& view, int width, int height, int screenMode);
// Re-lays out after the window was resized to W x H.
void ResizeWeekView(ViewModel& view, int width, int height);
// The selection in the state: the cell, its column 1..5 and its lesson (the row counted from
// the column's first filled cell of `drawn`; an empty cell's own row).
void PlaceSelection(MainState& state, CellRef cell, const LessonGridFill& drawn);
// The selected cell's highlight, the lesson commands and the selected lesson's details, for the
// cells as drawn.
void ProjectSelection(const MainState& state, const MessageTexts& texts, ViewModel& view);
// SelectCell without the date change: PlaceSelection, then ProjectSelection.
void ShowCellSelection(AppContext& ctx, CellRef cell);
// Lesson button k's caption as drawn: see ButtonCaptionBeside, against the visible menus of
// the menu bar and the letters of kNavigationLetters.
std::string LessonButtonCaption(const ViewModel& view, int k);
// Keyboard: the letters that move through the calendar with Ctrl or Alt; no caption of the
// window may open by them.
constexpr const char* kNavigationLetters = "DILMWY";

}  // namespace skemora
