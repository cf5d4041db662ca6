#include "app/storage/name_tables.h"

namespace skemora {

NameTables LoadNameTables(const std::string& dataFolder, Platform& platform) {
    if (auto names = ReadNamesFile(dataFolder)) return *names;
    return WithEnglishFallback(platform.LocaleNames());
}

}  // namespace skemora
