// A real temporary folder for tests, removed afterwards, with helpers to read and write the
// bytes of its files.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace skemora::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending with "/".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Every ordinary file under the folder (hidden ones too), by its path inside it, with its bytes.
using Snapshot = std::map<std::string, std::string>;
Snapshot FilesUnder(const std::string& root);
// The lines joined, each ended by CR LF.
std::string CrLf(std::initializer_list<std::string> lines);

}  // namespace skemora::test
