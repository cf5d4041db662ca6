// Telling an installed copy of the program from a portable one or a build tree.
#pragma once

#include <string>

namespace skemora {

// The desktop entry's id: the name of the installed desktop entry, icon and metainfo files (the
// build installs them under this name).
inline constexpr const char* kDesktopEntryId = "io.github.skemora.Skemora";

// Whether the program's folder belongs to an installation: a "bin" folder whose sibling
// "share/applications" holds the program's desktop entry. An installed copy keeps its data in
// the user's data folder even where it could write its own folder (as root may).
bool IsInstalledCopy(const std::string& programFolder);

}  // namespace skemora
