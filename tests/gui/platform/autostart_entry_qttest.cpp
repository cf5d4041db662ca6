// The log-on entry the tray option writes is a valid desktop entry (desktop-file-validate, from
// desktop-file-utils), for plain commands and those that need quoting.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "gui/platform/qt_platform.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

class AutostartEntryQtTest : public QObject {
    Q_OBJECT

private slots:
    void theEntryIsAValidDesktopEntry_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("plain") << "/usr/bin/trayrun";
        QTest::newRow("blanks") << "/home/a b/Skemora/trayrun";
        QTest::newRow("quoting characters") << "/home/x/100% \"y\" $z/trayrun";
        QTest::newRow("non-ASCII") << "/home/søren/skemora/trayrun";
    }
    void theEntryIsAValidDesktopEntry() {
        QFETCH(QString, command);
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty()) QSKIP("desktop-file-validate (desktop-file-utils) is missing");
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        QVERIFY(platform.WriteAutostart(command.toStdString()));
        QProcess validate;
        validate.start(validator, {platform.AutostartFilePath()});
        QVERIFY(validate.waitForFinished(30000));
        const QByteArray report = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && report.trimmed().isEmpty(), report.constData());
        QCOMPARE(platform.ReadAutostart(), std::optional<std::string>(command.toStdString()));
    }
};

QTEST_MAIN(AutostartEntryQtTest)
#include "autostart_entry_qttest.moc"
