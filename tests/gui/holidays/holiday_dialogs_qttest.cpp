// The holiday editor (TFerieForm) and the date picker (TForm9): where their widgets sit, their
// texts in both languages, the picker's month sheet and steps, the swatches of the colour list,
// and QtHolidayDialogs keeping the editor's name and colour from one use to the next.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gui/holidays/date_picker_dialog.h"
#include "gui/holidays/holiday_dialog.h"
#include "gui/holidays/qt_holiday_dialogs.h"
#include "core/holidays/holiday_tables.h"
#include "core/language/texts.h"
#include "support/named_child.h"

using namespace skemora;

namespace {

const std::array<std::string, 12> kShort = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<std::string, 12> kLong = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};

HolidayEditorRecord Record(Date from, int languageCode = kEnglish) {
    HolidayEditorRecord record;
    record.From = from;
    record.LanguageCode = languageCode;
    record.ShortMonthNames = kShort;
    record.LongMonthNames = kLong;
    record.WeekdayStrip = "mo  tu  we";
    return record;
}

// Once a modal dialog of type T is up, runs `action` on it; a dialog still open five seconds
// later is closed so that a failing test does not hang.
template <typename T>
void WhenModal(std::function<void(T&)> action) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [tries, poll, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*tries < 500) {
                QTimer::singleShot(10, *poll);
                return;
            }
            qWarning("no modal dialog came up");
            *poll = nullptr;  // ends the cycle through the captured pointer
            return;
        }
        *poll = nullptr;  // this call runs a copy, which the timer drops afterwards
        action(*dialog);
        QPointer<T> guard(dialog);
        QTimer::singleShot(5000, [guard] {
            if (guard && guard->isVisible()) guard->reject();
        });
    };
    QTimer::singleShot(0, *poll);
}

QLabel* Day(TForm9& picker, int day) {
    return Child<QLabel>(picker, QStringLiteral("day_%1").arg(day).toUtf8().constData());
}

void ClickDay(TForm9& picker, int day) {
    QTest::mouseClick(Day(picker, day), Qt::LeftButton);
}

// The next widget that Tab reaches after `widget`.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

}  // namespace

class HolidayDialogsQtTest : public QObject {
    Q_OBJECT

private slots:
    void editorHasItsDesignedLayout() {
        TFerieForm editor;
        QCOMPARE(editor.size(), QSize(258, 258));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QCOMPARE(editor.windowTitle(), QString("Holidays"));
        struct Place {
            const char* Name;
            QPoint At;
            QString Text;
        };
        for (const Place& label :
             {Place{"nameLabel", {24, 48}, "Holiday name:"}, Place{"fromLabel", {24, 88}, "From:"},
              Place{"toLabel", {24, 128}, "To:"}, Place{"colorLabel", {24, 176}, "Color:"}}) {
            auto* widget = Child<QLabel>(editor, label.Name);
            QCOMPARE(widget->pos(), label.At);
            QCOMPARE(widget->text(), label.Text);
        }
        QVERIFY(Child<QLabel>(editor, "colorLabel")->font().bold());
        auto* name = Child<QLineEdit>(editor, "Edit1");
        QCOMPARE(name->geometry(), QRect(104, 40, 121, 21));
        QCOMPARE(name->text(), QString("Name of holiday period"));
        QCOMPARE(name->toolTip(), QString("ie. Christmas"));
        QCOMPARE(Child<QLineEdit>(editor, "feriefra")->geometry(), QRect(104, 80, 121, 20));
        QCOMPARE(Child<QLineEdit>(editor, "ferietil")->geometry(), QRect(104, 120, 121, 20));
        for (const char* button : {"knapfra", "knaptil"}) {
            auto* widget = Child<QToolButton>(editor, button);
            QCOMPARE(widget->toolTip(), QString("Pick new date"));
            QCOMPARE(widget->geometry().right(), 121 - 2);  // at the field's right end
        }
        QVERIFY(Child<QLineEdit>(editor, "feriefra")->isReadOnly());
        auto* colours = Child<QComboBox>(editor, "colourList");
        QCOMPARE(colours->pos(), QPoint(104, 168));
        QCOMPARE(colours->width(), 81);
        QCOMPARE(colours->count(), 8);
        QCOMPARE(colours->currentText(), QString("clBlack"));
        QCOMPARE(colours->toolTip(), QString("Pick color of date"));
        QCOMPARE(Child<QPushButton>(editor, "okButton")->geometry(), QRect(24, 216, 75, 25));
        QCOMPARE(Child<QPushButton>(editor, "cancelButton")->geometry(), QRect(160, 216, 75, 25));
        QCOMPARE(Child<QPushButton>(editor, "cancelButton")->text(), QString("Cancel"));

        // Tab order: name, the two picker buttons, the colour list, OK, Cancel.
        QWidget* expected[] = {name,
                               Child<QToolButton>(editor, "knapfra"),
                               Child<QToolButton>(editor, "knaptil"),
                               colours,
                               Child<QPushButton>(editor, "okButton"),
                               Child<QPushButton>(editor, "cancelButton")};
        for (std::size_t i = 0; i + 1 < std::size(expected); ++i)
            QCOMPARE(NextTabStop(expected[i]), expected[i + 1]);
    }

    void editorShowsTheDatesInEitherLanguageOrder() {
        TFerieForm editor;
        editor.start(Record({2001, 12, 24}));
        QCOMPARE(Child<QLineEdit>(editor, "feriefra")->text(), QString("Dec 24 2001"));
        QCOMPARE(Child<QLineEdit>(editor, "ferietil")->text(), QString("Dec 24 2001"));
        editor.start(Record({2003, 1, 3}, kDanish));
        QCOMPARE(Child<QLineEdit>(editor, "feriefra")->text(), QString("3 Jan 2003"));
        QCOMPARE(editor.toDate(), (Date{2003, 1, 3}));
    }

    void danishTextsReachEveryControl() {
        TFerieForm editor;
        QWidget owner;  // owns the dialogs made on first use, as the main window does
        QtHolidayDialogs dialogs;
        const DialogTexts texts = DialogTextsFor(kDanish);
        dialogs.Attach(&owner, &texts);
        WhenModal<TFerieForm>([](TFerieForm& shown) {
            QCOMPARE(shown.windowTitle(), QString("Helligdage"));
            QCOMPARE(Child<QLabel>(shown, "nameLabel")->text(), QString("Navn:"));
            QCOMPARE(Child<QLabel>(shown, "fromLabel")->text(), QString("Fra:"));
            QCOMPARE(Child<QLabel>(shown, "toLabel")->text(), QString("Til:"));
            QCOMPARE(Child<QLabel>(shown, "colorLabel")->text(), QString("Farve:"));
            QCOMPARE(Child<QLineEdit>(shown, "Edit1")->text(), QString("Navn på helligdag"));
            QCOMPARE(Child<QLineEdit>(shown, "Edit1")->toolTip(), QString("F.eks. Påske"));
            QCOMPARE(Child<QToolButton>(shown, "knaptil")->toolTip(), QString("Vælg ny dato"));
            QCOMPARE(Child<QComboBox>(shown, "colourList")->toolTip(), QString("Vælg datofarve"));
            QCOMPARE(Child<QPushButton>(shown, "cancelButton")->text(), QString("&Fortryd"));
            TForm9* picker = shown.picker();
            QCOMPARE(Child<QGroupBox>(*picker, "GroupBox1")->title(), QString(" Dato "));
            QCOMPARE(Child<QPushButton>(*picker, "cancelButton")->text(), QString("&Fortryd"));
            Child<QPushButton>(shown, "cancelButton")->click();
        });
        HolidayEditorRecord record = Record({2002, 12, 20}, kDanish);
        QVERIFY(!dialogs.EditHoliday("Helligdage", record, {}));
    }

    void colourListDrawsSwatchesAndColoursTheLabel() {
        TFerieForm editor;
        auto* colours = Child<QComboBox>(editor, "colourList");
        colours->setCurrentIndex(2);  // clRed
        QCOMPARE(Child<QLabel>(editor, "colorLabel")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(editor.colourIndex(), 2);

        // An entry of the open list, 81 x 16: a black frame from (1, 1) to (60, 14), the colour
        // inside it, the right 20 pixels free.
        QImage image(81, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 81, 16);
        option.palette.setColor(QPalette::Base, Qt::white);
        colours->itemDelegate()->paint(&painter, option, colours->model()->index(5, 0));  // aqua
        painter.end();
        QCOMPARE(QColor(image.pixel(0, 8)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(1, 8)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(2, 2)), QColor(0, 255, 255));
        QCOMPARE(QColor(image.pixel(59, 13)), QColor(0, 255, 255));
        QCOMPARE(QColor(image.pixel(60, 8)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(30, 14)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(61, 8)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(30, 15)), QColor(Qt::white));
        QCOMPARE(colours->itemDelegate()->sizeHint(option, colours->model()->index(0, 0)).height(),
                 16);
    }

    void pickerButtonsSetTheDates() {
        TFerieForm editor;
        editor.start(Record({2002, 12, 20}));
        // The to-button: one month on, day 3; the from-date stays.
        WhenModal<TForm9>([](TForm9& picker) {
            QCOMPARE(picker.windowTitle(), QString("Pick new date"));
            QCOMPARE(picker.date(), (Date{2002, 12, 20}));
            Child<QToolButton>(picker, "mdop")->click();
            ClickDay(picker, 3);
            Child<QPushButton>(picker, "okButton")->click();
        });
        Child<QToolButton>(editor, "knaptil")->click();
        QCOMPARE(editor.toDate(), (Date{2003, 1, 3}));
        QCOMPARE(editor.fromDate(), (Date{2002, 12, 20}));
        QCOMPARE(Child<QLineEdit>(editor, "ferietil")->text(), QString("Jan 3 2003"));

        // Cancel in the picker changes nothing.
        WhenModal<TForm9>([](TForm9& picker) {
            ClickDay(picker, 9);
            Child<QPushButton>(picker, "cancelButton")->click();
        });
        Child<QToolButton>(editor, "knapfra")->click();
        QCOMPARE(editor.fromDate(), (Date{2002, 12, 20}));

        // The from-button moves the to-date along.
        WhenModal<TForm9>([](TForm9& picker) {
            QCOMPARE(picker.date(), (Date{2002, 12, 20}));
            ClickDay(picker, 9);
            Child<QPushButton>(picker, "okButton")->click();
        });
        Child<QToolButton>(editor, "knapfra")->click();
        QCOMPARE(editor.fromDate(), (Date{2002, 12, 9}));
        QCOMPARE(editor.toDate(), (Date{2002, 12, 9}));
        QCOMPARE(Child<QLineEdit>(editor, "feriefra")->text(), QString("Dec 9 2002"));
    }

    void pickerHasItsDesignedLayout() {
        TForm9 picker;
        QCOMPARE(picker.size(), QSize(209, 287));
        QVERIFY(picker.windowFlags() & Qt::Tool);
        QVERIFY(!(picker.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(picker.minimumSize() != picker.maximumSize());  // resizable
        auto* frame = Child<QGroupBox>(picker, "GroupBox1");
        QCOMPARE(frame->geometry(), QRect(8, 8, 185, 225));
        QCOMPARE(frame->title(), QString(" Date "));
        struct Place {
            const char* Name;
            QRect At;
        };
        for (const Place& button :
             {Place{"ned", {8, 24, 17, 20}}, Place{"op", {74, 24, 17, 20}},
              Place{"mdned", {97, 24, 17, 20}}, Place{"mdop", {160, 24, 17, 20}}})
            QCOMPARE(Child<QToolButton>(picker, button.Name)->geometry(), button.At);
        QCOMPARE(Child<QLineEdit>(picker, "Edit1")->geometry().topLeft(), QPoint(24, 24));
        QCOMPARE(Child<QLineEdit>(picker, "Edit2")->geometry().topLeft(), QPoint(112, 24));
        QCOMPARE(Child<QLineEdit>(picker, "Edit1")->width(), 49);
        QCOMPARE(Child<QFrame>(picker, "Panel2")->geometry(), QRect(8, 56, 169, 145));
        QCOMPARE(Child<QLabel>(picker, "Panel3")->height(), 25);
        QCOMPARE(Child<QLabel>(picker, "Panel3")->y(), 1);
        QCOMPARE(Child<QLabel>(picker, "Label1")->pos(), QPoint(64, 128));
        QCOMPARE(Child<QLabel>(picker, "Label1")->font().pixelSize(), 13);
        QCOMPARE(Child<QPushButton>(picker, "okButton")->geometry(), QRect(16, 248, 75, 25));
        QCOMPARE(Child<QPushButton>(picker, "cancelButton")->geometry(), QRect(112, 248, 75, 25));

        picker.setCalendarNames(kShort, kLong);
        picker.setWeekdayStrip("mo  tu", false);
        picker.setDate({2002, 6, 17});
        QCOMPARE(Child<QLabel>(picker, "Panel3")->text(), QString("mo  tu"));
        QCOMPARE(Child<QLineEdit>(picker, "Edit1")->text(), QString("  2002"));
        QCOMPARE(Child<QLineEdit>(picker, "Edit2")->text(), QString("  Jun"));
        QCOMPARE(Child<QLabel>(picker, "Label1")->text(), QString("June"));
        QCOMPARE(Day(picker, 5)->text(), QString("  5 "));
        QCOMPARE(Day(picker, 17)->text(), QString(" 17 "));
    }

    void pickerPlacesAndColoursTheDays() {
        TForm9 picker;
        picker.setCalendarNames(kShort, kLong);
        picker.setWeekdayStrip("mo", false);
        picker.setDate({2002, 6, 9});  // June 2002 begins on a Saturday; the 9th is a Sunday
        QCOMPARE(Day(picker, 1)->pos(), QPoint(116, 41));
        QCOMPARE(Day(picker, 30)->pos(), QPoint(138, 93));
        QVERIFY(!Day(picker, 31)->isVisibleTo(&picker));
        QCOMPARE(Day(picker, 9)->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(Day(picker, 9)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(Day(picker, 16)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Day(picker, 17)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(Day(picker, 17)->palette().color(QPalette::Window), QColor(Qt::white));

        picker.setWeekdayStrip("su", true);
        QCOMPARE(Day(picker, 1)->pos(), QPoint(138, 41));

        picker.setWeekdayStrip("mo", false);
        picker.setDate({2003, 3, 1});
        QCOMPARE(Day(picker, 31)->pos(), QPoint(6, 106));
        QVERIFY(Day(picker, 31)->isVisibleTo(&picker));
    }

    void pickerStepsAndDayClicks() {
        TForm9 picker;
        picker.setCalendarNames(kShort, kLong);
        picker.setDate({2004, 2, 29});
        QVERIFY(Day(picker, 29)->isVisibleTo(&picker));
        Child<QToolButton>(picker, "op")->click();
        QCOMPARE(picker.date(), (Date{2005, 2, 28}));
        QVERIFY(!Day(picker, 29)->isVisibleTo(&picker));
        QCOMPARE(Day(picker, 28)->palette().color(QPalette::Window), QColor(0, 0, 255));
        Child<QToolButton>(picker, "ned")->click();
        QCOMPARE(picker.date(), (Date{2004, 2, 28}));

        picker.setDate({2001, 3, 31});
        Child<QToolButton>(picker, "mdned")->click();
        QCOMPARE(picker.date(), (Date{2001, 2, 28}));
        picker.setDate({2001, 12, 5});
        Child<QToolButton>(picker, "mdop")->click();
        QCOMPARE(picker.date(), (Date{2002, 1, 5}));
        QCOMPARE(Child<QLineEdit>(picker, "Edit1")->text(), QString("  2002"));

        ClickDay(picker, 24);
        QCOMPARE(picker.date(), (Date{2002, 1, 24}));
        QCOMPARE(Day(picker, 5)->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void pickerAnswersSixOnOkAndTwoOtherwise() {
        TForm9 picker;
        WhenModal<TForm9>([](TForm9& shown) { Child<QPushButton>(shown, "okButton")->click(); });
        QCOMPARE(picker.exec(), 6);
        WhenModal<TForm9>([](TForm9& shown) { shown.close(); });
        QCOMPARE(picker.exec(), 2);
        WhenModal<TForm9>([](TForm9& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
        QCOMPARE(picker.exec(), 2);
    }

    void editorKeepsNameAndColourBetweenUses() {
        QWidget owner;  // owns the dialogs made on first use, as the main window does
        QtHolidayDialogs dialogs;
        const DialogTexts texts = DialogTextsFor(kEnglish);
        dialogs.Attach(&owner, &texts);
        WhenModal<TFerieForm>([](TFerieForm& shown) {
            QCOMPARE(Child<QLineEdit>(shown, "Edit1")->text(), QString("Name of holiday period"));
            Child<QLineEdit>(shown, "Edit1")->setText("Easter");
            Child<QComboBox>(shown, "colourList")->setCurrentIndex(4);
            Child<QPushButton>(shown, "okButton")->click();
        });
        HolidayEditorRecord record = Record({2003, 4, 14});
        QVERIFY(dialogs.EditHoliday("Holidays", record, {}));
        QCOMPARE(record.Name, std::string("Easter"));
        QCOMPARE(record.ColourIndex, 4);
        QCOMPARE(record.From, (Date{2003, 4, 14}));
        QCOMPARE(record.To, (Date{2003, 4, 14}));

        WhenModal<TFerieForm>([](TFerieForm& shown) {
            QCOMPARE(Child<QLineEdit>(shown, "Edit1")->text(), QString("Easter"));
            QCOMPARE(Child<QComboBox>(shown, "colourList")->currentIndex(), 4);
            QCOMPARE(Child<QLineEdit>(shown, "feriefra")->text(), QString("Dec 1 2003"));
            QCOMPARE(Child<QLabel>(shown, "colorLabel")->palette().color(QPalette::WindowText),
                     QColor(255, 255, 0));
            shown.close();
        });
        HolidayEditorRecord second = Record({2003, 12, 1});
        QVERIFY(!dialogs.EditHoliday("Holidays", second, {}));
        QCOMPARE(second.Name, std::string());
    }
};

QTEST_MAIN(HolidayDialogsQtTest)
#include "holiday_dialogs_qttest.moc"
