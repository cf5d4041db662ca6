// The lesson-times dialog: the lengths and breaks shown and read back, the times they give
// following each change, the Danish texts, and OK storing through QtTimetableDialogs while Cancel
// changes nothing.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/language/texts.h"
#include "gui/timetable/lesson_times_dialog.h"
#include "gui/timetable/qt_timetable_dialogs.h"
#include "support/named_child.h"

using namespace skemora;

namespace {

void WhenModal(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action] {
        if (QWidget* modal = QApplication::activeModalWidget()) action(*modal);
    });
}

}  // namespace

class LessonTimesDialogQtTest : public QObject {
    Q_OBJECT
private slots:
    void theTimesFollowTheLengthsAndBreaks() {
        LessonTimesDialog dialog;
        LessonTimes times;
        times.Length[0] = 50;
        dialog.prepare(815, times);
        QCOMPARE(Child<QLabel>(dialog, "span1")->text(), QString("08:15–09:05"));
        QCOMPARE(Child<QLabel>(dialog, "span2")->text(), QString("09:10–09:55"));
        Child<QSpinBox>(dialog, "break1")->setValue(20);
        QCOMPARE(Child<QLabel>(dialog, "span2")->text(), QString("09:25–10:10"));
        QVERIFY(!Child<QSpinBox>(dialog, "break12")->isEnabled());
        QCOMPARE(Child<QSpinBox>(dialog, "length3")->minimum(), 1);
        times.Break[0] = 20;
        QCOMPARE(dialog.times(), times);
    }

    void okStoresAndCancelKeepsTheTimes() {
        const DialogTexts texts = DialogTextsFor(kDanish);
        QWidget owner;
        QtTimetableDialogs dialogs;
        dialogs.Attach(&owner, nullptr, &texts);
        QString title;
        WhenModal([&](QWidget& d) {
            title = d.windowTitle();
            Child<QSpinBox>(d, "length1")->setValue(30);
            Child<QPushButton>(d, "cancelButton")->click();
        });
        LessonTimes times;
        int stored = 0;
        const AcceptStep save = [&]() -> std::optional<std::string> {
            ++stored;
            return std::nullopt;
        };
        QVERIFY(!dialogs.EditLessonTimes(800, times, save));
        QCOMPARE(title, QString("Lektionstider"));
        QCOMPARE(times, LessonTimes{});
        WhenModal([&](QWidget& d) {
            Child<QSpinBox>(d, "length1")->setValue(30);
            Child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(dialogs.EditLessonTimes(800, times, save));
        QCOMPARE(times.Length[0], 30);
        QCOMPARE(stored, 1);
    }
};

QTEST_MAIN(LessonTimesDialogQtTest)
#include "lesson_times_dialog_qttest.moc"
