// trayrun's icon notices the diary's files change: a time-table that appears, and its menu
// names the diary to open and the documents coming up.
#include <QAction>
#include <QDate>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "core/calendar/calendar.h"
#include "core/files/text_file.h"
#include "gui/platform/qt_platform.h"
#include "gui/tray/tray_icon.h"
#include "support/lesson_files.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions())
        if (!action->text().isEmpty()) captions << action->text();  // sections too
    return captions;
}

}  // namespace

class TrayIconQtTest : public QObject {
    Q_OBJECT
private slots:
    void aTimetableThatAppearsIsShownWithoutARestart() {
        TempFolder data;
        TempFolder config;
        QtPlatform platform(QString::fromStdString(config.Path()));
        TrayIcon tray(platform, data.Path(), "Peter");
        QCOMPARE(tray.toolTip(), QString("There is no time-table named \"Peter\"."));

        std::filesystem::create_directories(data / "Peter");
        const QDate today = QDate::currentDate().addDays(1);
        WriteLines(data / "Peter/lek.flk",
                   {std::to_string(DayNumber(today.year(), today.month(), today.day())),
                    "Maths", "/d/sheet.odt"});
        WriteLines(data / "Peter.dfd", test::LessonFileLines({}));
        QTRY_VERIFY_WITH_TIMEOUT(tray.toolTip().startsWith("Skemora: Peter\n"), 10000);
        const QStringList captions = Captions(tray.menu());
        QVERIFY2(captions.contains("Upcoming documents"), qPrintable(captions.join('|')));
        QVERIFY2(captions.contains(today.toString(Qt::ISODate) + " Maths: sheet.odt"),
                 qPrintable(captions.join('|')));
        QCOMPARE(captions.mid(captions.size() - 2), (QStringList{"Open diary", "Quit"}));
    }
};

QTEST_MAIN(TrayIconQtTest)
#include "tray_icon_qttest.moc"
