// trayrun: the diary's companion in the system tray, started at log-on by the entry the option
// "Start in system tray" writes. Reads the diary's files, never writes them.
#include <QApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/window/startup.h"
#include "core/language/texts.h"
#include "gui/platform/qt_platform.h"
#include "gui/tray/tray_icon.h"

namespace {

// A tray host started in the same log-on may come up a little after this program.
constexpr int kTrayWaitMilliseconds = 10000;
constexpr int kTrayPollMilliseconds = 250;

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Skemora");
    QApplication::setQuitOnLastWindowClosed(false);

    std::string name;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype k = 1; k < arguments.size(); ++k)
        name += (name.empty() ? "" : " ") + arguments[k].toStdString();

    skemora::QtPlatform platform;
    const std::string dataFolder = skemora::DataFolderPath();
    platform.SetDataFolder(dataFolder);
    skemora::TrayIcon tray(platform, dataFolder, name);

    int waited = 0;
    QTimer poll;
    const auto check = [&] {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            poll.stop();
            tray.show();
            return;
        }
        waited += kTrayPollMilliseconds;
        if (waited < kTrayWaitMilliseconds) return;
        poll.stop();
        // Said once, on the terminal too when there is one; then the program ends.
        const std::string text = skemora::MessageTextsFor(skemora::LanguageFromEnvironment())
                                     .TrayMissing;
        std::fprintf(stderr, "trayrun: %s\n", text.c_str());
        QMessageBox::information(nullptr, QStringLiteral("Skemora"), QString::fromStdString(text));
        QCoreApplication::exit(0);
    };
    QObject::connect(&poll, &QTimer::timeout, &application, check);
    poll.start(kTrayPollMilliseconds);
    QTimer::singleShot(0, &application, check);
    return QApplication::exec();
}
