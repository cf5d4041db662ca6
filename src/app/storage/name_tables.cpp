#include "app/storage/name_tables.h"

#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/language/texts.h"

namespace skemora {

NameTables LoadNameTables(MainState& state, Platform& platform) {
    try {
        if (const auto lines = ReadStored(state, NamesFilePath(state.DataFolder)))
            return NamesFromLines(*lines);
    } catch (const SkemoraError&) {
        // The names are needed to build the window at all: such a file counts as absent.
    }
    // A Danish interface names the days and months in Danish whatever the system's language.
    if (state.LanguageCode == kDanish) return DanishNames();
    return WithEnglishFallback(platform.LocaleNames());
}

}  // namespace skemora
