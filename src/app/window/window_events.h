// The main window's events besides its commands: closing, activation, resizing, the class field,
// help, and the two options.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Answers whether the window may close. Writes back changed options in every case.
bool CloseQuery(AppContext& ctx);
void WindowActivated(AppContext& ctx);
// W x H is the new outer size; does nothing while LayoutLocked.
void WindowResized(AppContext& ctx, int width, int height);
void ClassFieldClick(AppContext& ctx);
void ShowHelp(AppContext& ctx);
void MondayFirstClick(AppContext& ctx);
void StartTrayClick(AppContext& ctx);

}  // namespace skemora
