// Building the main window's state and view, and its first show.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// The interface language the installation chose: SKEMORA_LANGUAGE=da is Danish (6), anything
// else English (5).
int LanguageFromEnvironment();
// Construction: data folder, name tables, screen mode, the week view and window size.
void ConstructMainWindow(AppContext& ctx, const std::string& dataFolder);
// First show: texts, options, today's date, the first refresh and the command-line time-table.
// `arguments` are the command-line arguments after the program name.
void FirstShow(AppContext& ctx, const std::vector<std::string>& arguments);

}  // namespace skemora
