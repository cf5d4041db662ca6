// skemora --today [--json] [NAME]: the glance at today printed to standard output, without a
// display or a window.
#pragma once

#include <optional>

namespace skemora {

// The exit code when the arguments hold "--today" (or "--json"), after printing; nothing
// otherwise, and the program starts as usual.
std::optional<int> RunTodayCommand(int argc, char** argv);

}  // namespace skemora
