// Path helpers every module uses: the parts of a path and comparing folders.
#pragma once

#include <optional>
#include <string>

namespace skemora {

// The part after the last "/" (the whole text when there is none).
std::string FileNamePart(const std::string& path);
// The part before the last "/": "." when there is none, "/" for a file in the root.
std::string FolderPart(const std::string& path);
// Whether two folder paths name the same folder once resolved (links, "..", a trailing "/").
bool SameFolder(const std::string& a, const std::string& b);
// The name of the file `path` leads to, following links and "..", when that file lies directly
// in `folder` (itself resolved); nothing otherwise, or when either cannot be resolved.
std::optional<std::string> NameDirectlyIn(const std::string& folder, const std::string& path);

}  // namespace skemora
