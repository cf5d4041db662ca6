// The week view: building its elements for a window size, the resize rules, and showing the
// selected lesson cell.
#pragma once

#include <string>

#include "app/state/app_context.h"

namespace skemora {

// Lays out every element for the outer size W x H (610 x 450 or 800 x 600) and screen mode.
void BuildWeekView(ViewModel& view, int width, int height, int screenMode);
// Re-lays out after the window was resized to W x H.
void ResizeWeekView(ViewModel& view, int width, int height);
// SelectCell without the date change: the highlight, the lesson commands and the lesson details.
void ShowCellSelection(AppContext& ctx, CellRef cell);
// Lesson button k's caption as drawn: see ButtonCaptionBeside, against the visible menus of
// the menu bar.
std::string LessonButtonCaption(const ViewModel& view, int k);
// Shows the details of the lesson in column 1..5 at grid row `row`, and sets the selection.
void ShowLessonInfo(AppContext& ctx, int column, int row);

}  // namespace skemora
