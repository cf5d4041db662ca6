// Where a glance comes from on this machine: the data folder, the time-table last used (or the
// one named), the Monday-first option, the language and the month and day names.
#pragma once

#include <QDateTime>
#include <optional>
#include <string>

#include "app/glance/glance.h"
#include "core/language/names_file.h"
#include "core/language/texts.h"

namespace skemora {

class Platform;

struct GlanceSource {
    std::string DataFolder;
    std::optional<std::string> MainFile;  // none: no such time-table
    bool SundayFirst = false;
    MessageTexts Texts;
    NameTables Names;
};

// `name` empty: the time-table last used. Reads the options through `platform`.
GlanceSource FindGlanceSource(Platform& platform, const std::string& dataFolder,
                              const std::string& name);
// The glance at `now` (local time); the source must have a time-table.
Glance GlanceAt(const GlanceSource& source, const QDateTime& now);
// What to say when the source has no time-table.
std::string NoTimetableText(const GlanceSource& source, const std::string& name);

}  // namespace skemora
