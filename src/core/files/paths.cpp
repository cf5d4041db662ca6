#include "core/files/paths.h"

#include <filesystem>
#include <system_error>

namespace skemora {

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    const auto first = std::filesystem::weakly_canonical(a, error);
    if (error) return false;
    const auto second = std::filesystem::weakly_canonical(b, error);
    if (error) return false;
    return first.lexically_normal() / "" == second.lexically_normal() / "";
}

std::optional<std::string> NameDirectlyIn(const std::string& folder, const std::string& path) {
    std::error_code error;
    const auto file = std::filesystem::canonical(path, error);
    if (error) return std::nullopt;
    const auto resolvedFolder = std::filesystem::canonical(folder, error);
    if (error || file.parent_path() != resolvedFolder) return std::nullopt;
    return file.filename().string();
}

}  // namespace skemora
