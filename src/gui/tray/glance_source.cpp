#include "gui/tray/glance_source.h"

#include "app/state/main_state.h"
#include "app/state/platform.h"
#include "app/state/settings_store.h"
#include "app/storage/name_tables.h"
#include "app/window/startup.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"

namespace skemora {

GlanceSource FindGlanceSource(Platform& platform, const std::string& dataFolder,
                              const std::string& name) {
    GlanceSource source;
    source.DataFolder = dataFolder;
    // Without a name: the time-table the diary had open when it last closed.
    SettingsStore settings(platform);
    settings.ReadLastTimetable();
    const std::string& last = settings.LastTimetableRead;
    source.MainFile =
        GlanceTimetable(dataFolder, name, last.empty() ? last : last + kTimetableExtension);
    const auto monday = platform.ReadSetting("Mandag");
    source.SundayFirst = monday && !monday->empty() && *monday != "0";
    source.Texts = MessageTextsFor(LanguageFromEnvironment());
    MainState state;
    state.DataFolder = dataFolder;
    source.Names = LoadNameTables(state, platform);
    return source;
}

Glance GlanceAt(const GlanceSource& source, const QDateTime& now) {
    const QDate day = now.date();
    const QTime time = now.time();
    return TakeGlance({source.DataFolder, source.MainFile.value_or(std::string()),
                       Date{day.year(), day.month(), day.day()}, time.hour() * 60 + time.minute(),
                       source.SundayFirst});
}

std::string NoTimetableText(const GlanceSource& source, const std::string& name) {
    return name.empty() ? FillTemplate(source.Texts.GlanceNoTimetable, {source.DataFolder})
                        : FillTemplate(source.Texts.GlanceUnknownTimetable, {name});
}

}  // namespace skemora
