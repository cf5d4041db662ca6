#include "core/files/installed_copy.h"

#include "core/files/file_ops.h"

namespace skemora {

bool IsInstalledCopy(const std::string& programFolder) {
    std::string folder = programFolder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    const std::string bin = "/bin";
    if (folder.size() < bin.size() || folder.compare(folder.size() - bin.size(), bin.size(), bin))
        return false;
    const std::string prefix = folder.substr(0, folder.size() - bin.size());
    return FileExists(prefix + "/share/applications/" + kDesktopEntryId + ".desktop");
}

}  // namespace skemora
