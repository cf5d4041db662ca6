// QtPlatform: the settings file, the autostart entry, the data folder, locale names, URLs.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <filesystem>

#include "gui/platform/qt_platform.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

QString Path(const TempFolder& folder, const std::string& name) {
    return QString::fromStdString(folder / name);
}

}  // namespace

class QtPlatformQtTest : public QObject {
    Q_OBJECT

    // File permissions do not bind root, so as root a test of a refusal runs its test function
    // again as the unprivileged user 65534 (nobody) through setpriv, from util-linux, and takes
    // that run's result. The run uses a copy of this executable in a folder that user may enter
    // but not write.
    void RunAsNobody() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString copy = folder.filePath("qt_platform_qttest");
        const QString report = folder.filePath("report.txt");  // written by root's shell
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        const auto readAndRun = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(folder.path(), readAndRun));
        QVERIFY(QFile::setPermissions(copy, readAndRun));
        const auto quoted = [](QString text) {
            return "'" + text.replace("'", "'\\''").toStdString() + "'";
        };
        const std::string function = QTest::currentTestFunction();
        const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups " +
                                    quoted(copy) + " " + function + " >" + quoted(report) + " 2>&1";
        const int status = std::system(command.c_str());
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray output = file.readAll();
        qInfo("as nobody:\n%s", output.constData());
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the run as nobody failed");
        QVERIFY2(output.contains(
                     QByteArray::fromStdString("PASS   : QtPlatformQtTest::" + function + "()")),
                 "the test did not pass as nobody");
    }

private slots:
    void settingsAreMissingUntilWrittenThenReadBack() {
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        QCOMPARE(platform.ReadSetting("Mandag"), std::optional<std::string>());
        QVERIFY(platform.WriteSetting("Mandag", "1"));
        QCOMPARE(platform.ReadSetting("Mandag"), std::optional<std::string>("1"));
        QVERIFY(platform.WriteSetting("Mandag", "0"));
        QCOMPARE(platform.ReadSetting("Mandag"), std::optional<std::string>("0"));
        QCOMPARE(platform.ReadSetting("Directory"), std::optional<std::string>());
        QCOMPARE(platform.SettingsFilePath(), Path(config, "Skemora/Skemora.conf"));
        QVERIFY(QFileInfo::exists(platform.SettingsFilePath()));
    }

    void settingsLiveInTheSoftwareSkemoraGroup() {
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        QDir().mkpath(Path(config, "Skemora"));
        QFile file(platform.SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[software]\nSkemora\\Directory=/opt/skemora\nSkemora\\Mandag=1\n");
        file.close();
        QCOMPARE(platform.ReadSetting("Directory"), std::optional<std::string>("/opt/skemora"));
        QCOMPARE(platform.ReadSetting("Mandag"), std::optional<std::string>("1"));
    }

    void anUnwritableSettingsFolderFailsQuietly() {
        if (geteuid() == 0) {
            RunAsNobody();
            return;
        }
        TempFolder config;
        std::filesystem::permissions(
            config.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        QtPlatform platform(QString::fromStdString(config.Path()));
        QVERIFY(!platform.WriteSetting("Mandag", "1"));
        QCOMPARE(platform.ReadSetting("Mandag"), std::optional<std::string>());
        QVERIFY(!platform.WriteAutostart("/opt/skemora/trayrun"));
    }

    void theAutostartEntryIsPresentAfterWritingAndGoneAfterRemoving() {
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        QCOMPARE(platform.ReadAutostart(), std::optional<std::string>());
        QVERIFY(!platform.RemoveAutostart());
        QVERIFY(platform.WriteAutostart("/opt/skemora/trayrun"));
        QCOMPARE(platform.AutostartFilePath(), Path(config, "autostart/Skemora.desktop"));
        QCOMPARE(platform.ReadAutostart(), std::optional<std::string>("/opt/skemora/trayrun"));
        QFile file(platform.AutostartFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray entry = file.readAll();
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=/opt/skemora/trayrun\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
        QVERIFY(platform.RemoveAutostart());
        QCOMPARE(platform.ReadAutostart(), std::optional<std::string>());
    }

    void aCommandWithBlanksIsQuotedInTheEntry() {
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        const std::string command = "/home/a b/100% \"x\"/trayrun";
        QVERIFY(platform.WriteAutostart(command));
        QCOMPARE(platform.ReadAutostart(), std::optional<std::string>(command));
        QCOMPARE(QuoteExecCommand("/opt/trayrun"), QString("/opt/trayrun"));
        QCOMPARE(QuoteExecCommand("/a b/trayrun"), QString("\"/a b/trayrun\""));
        QCOMPARE(QuoteExecCommand("/a$b"), QString("\"/a\\\\$b\""));
        QCOMPARE(UnquoteExecCommand(QuoteExecCommand("/a$b")), QString("/a$b"));
    }

    void theDataFolderComesFromTheEnvironmentFirst() {
        TempFolder data;
        const std::string wanted = data / "diary";
        qputenv("SKEMORA_DATA_DIR", QByteArray::fromStdString(wanted));
        QCOMPARE(DataFolderPath(), wanted + "/");
        QVERIFY(std::filesystem::is_directory(wanted));
        qunsetenv("SKEMORA_DATA_DIR");
        const std::string own = DataFolderPath();
        QVERIFY(own.back() == '/');
        QVERIFY(std::filesystem::is_directory(own));
    }

    void theDataFolderFallsBackToTheUserDataFolder() {
        // Every folder is writable for root, but not RunAsNobody's folder for the user nobody.
        if (geteuid() == 0) {
            RunAsNobody();
            return;
        }
        // The executable's folder is writable in a build tree: its write permission is taken
        // away for the lookup and given back right after.
        const QString own = QCoreApplication::applicationDirPath();
        const QFileDevice::Permissions permissions = QFile::permissions(own);
        QFile::setPermissions(own,
                              permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                              QFileDevice::WriteGroup | QFileDevice::WriteOther));
        const bool ownIsWritable = QFileInfo(own).isWritable();
        TempFolder home;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.Path()));
        const std::string found = DataFolderPath();
        qunsetenv("XDG_DATA_HOME");
        QFile::setPermissions(own, permissions);
        if (ownIsWritable) QSKIP("this user can write the executable's folder whatever its mode");
        QCOMPARE(found, home / "Skemora/");
    }

    void screenHeightCanBeForcedForTests() {
        QtPlatform platform;
        qputenv("SKEMORA_SCREEN_HEIGHT", "480");
        QCOMPARE(platform.ScreenHeight(), 480);
        qputenv("SKEMORA_SCREEN_HEIGHT", "tall");
        QVERIFY(platform.ScreenHeight() > 0);
        qunsetenv("SKEMORA_SCREEN_HEIGHT");
        QVERIFY(platform.ScreenHeight() > 0);
    }

    void localeNamesStartWithJanuaryAndSunday() {
        const NameTables english =
            LocaleNameTables(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(english.ShortMonthNames[0], std::string("Jan"));
        QCOMPARE(english.LongMonthNames[11], std::string("December"));
        QCOMPARE(english.ShortDayNames[0], std::string("Sun"));
        QCOMPARE(english.LongDayNames[1], std::string("Monday"));
        QCOMPARE(english.LongDayNames[6], std::string("Saturday"));
        const NameTables danish = LocaleNameTables(QLocale(QLocale::Danish, QLocale::Denmark));
        QCOMPARE(QString::fromStdString(danish.LongDayNames[0]), QString::fromUtf8("søndag"));
        QCOMPARE(danish.LongMonthNames[0], std::string("januar"));
    }

    void todayIsTheLocalDate() {
        QtPlatform platform;
        const QDate before = QDate::currentDate();
        const Date today = platform.Today();
        const QDate after = QDate::currentDate();
        const QDate got(today.Year, today.Month, today.Day);
        QVERIFY(got == before || got == after);
    }

    void pathsBecomeFileUrlsAndAddressesStayAddresses() {
        // A relative path is the data folder's file, even when the working folder holds one of
        // the same name; absolute paths and addresses with a scheme stay as they are.
        TempFolder data, working;
        test::WriteBytes(data / "plan.html", "d");
        std::filesystem::create_directory(data / "Peter");
        test::WriteBytes(data / "Peter/notes.txt", "d");
        test::WriteBytes(working / "plan.html", "w");
        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(working.Path());
        const std::string folder = data.Path();
        const std::pair<const char*, QUrl> cases[] = {
            {"plan.html", QUrl::fromLocalFile(Path(data, "plan.html"))},
            {"Peter/notes.txt", QUrl::fromLocalFile(Path(data, "Peter/notes.txt"))},
            {"/home/peter/My file.doc", QUrl::fromLocalFile("/home/peter/My file.doc")},
            {"https://example.org/a?b=1", QUrl("https://example.org/a?b=1")},
            {"mailto:peter@example.org", QUrl("mailto:peter@example.org")},
            {"www.example.org", QUrl("http://www.example.org")},
        };
        for (const auto& [target, url] : cases) {
            const QUrl got = UrlFor(target, folder);
            if (got != url) std::filesystem::current_path(before);
            QCOMPARE(got, url);
        }
        std::filesystem::current_path(before);
    }
};

QTEST_MAIN(QtPlatformQtTest)
#include "qt_platform_qttest.moc"
