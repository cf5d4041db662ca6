#include "gui/window/today_command.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <string>

#include "app/glance/glance_text.h"
#include "gui/platform/qt_platform.h"
#include "gui/tray/glance_source.h"

namespace skemora {

std::optional<int> RunTodayCommand(int argc, char** argv) {
    bool today = false;
    bool json = false;
    std::string name;
    for (int k = 1; k < argc; ++k) {
        const std::string argument = argv[k];
        if (argument == "--today") {
            today = true;
        } else if (argument == "--json") {
            json = true;
        } else {
            // The other arguments name the pupil, joined with blanks as on the plain command line.
            name += (name.empty() ? "" : " ") + argument;
        }
    }
    if (!today && !json) return std::nullopt;
    // Only for the program's own folder and the settings file: no display is needed.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("Skemora");
    QtPlatform platform;
    const GlanceSource source = FindGlanceSource(platform, DataFolderPath(), name);
    if (!source.MainFile) {
        std::fprintf(stderr, "%s\n", NoTimetableText(source, name).c_str());
        return 1;
    }
    const Glance glance = GlanceAt(source, QDateTime::currentDateTime());
    const std::string out = json ? GlanceJson(glance, source.Texts, source.Names) + "\n"
                                 : GlanceText(glance, source.Texts, source.Names);
    std::fputs(out.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace skemora
