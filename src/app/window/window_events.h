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
// Help at the main window's topic.
void ShowHelp(AppContext& ctx);
// The user's own help file when the data folder holds one; else the program's user guide at the
// topic, in the desktop's browser or, when none opens it, in a window of the program.
void ShowHelpTopic(AppContext& ctx, int topic);
// Help / About: the data folder in the desktop's file manager.
void OpenDataFolder(AppContext& ctx);
void MondayFirstClick(AppContext& ctx);
void StartTrayClick(AppContext& ctx);

}  // namespace skemora
