// The Qt main window: widgets where the view model puts them, the menus, the keyboard map
// beside ordinary typing, clicks, the notes box and the event boundary.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "gui/window/main_window.h"
#include "core/calendar/calendar.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/shown_main_window.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

// A lesson file of 186 lines; every day starts at 8:00 with the given first subject and Math.
std::string LessonFile(const std::string& firstSubject, const std::string& lineEnd) {
    test::LessonFileLayout layout;
    layout.Lesson = [firstSubject](int, int lesson) {
        if (lesson > 1) return test::LessonEntry{};
        return test::LessonEntry{lesson == 0 ? firstSubject : "Math", "R1", "Hansen"};
    };
    return test::LessonFileBytes(layout, lineEnd);
}

QRect RectOf(const Element& element) {
    return QRect(element.Left, element.Top, element.Width, element.Height);
}

}  // namespace

class MainWindowQtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FakeDialogs> dialogs_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TForm1> window_;

    // Builds and shows the window over a fresh data folder for a screen of `screenHeight`.
    TForm1& Start(int screenHeight, const std::vector<std::string>& arguments = {}) {
        platform_->Height = screenHeight;
        window_ = test::ShowMainWindow(*dialogs_, *platform_, folder_->Path(), arguments);
        return *window_;
    }

    // A time-table "Peter" whose periods start on Monday 11 August 2003 (day 12276).
    void WritePeter(const std::string& lineEnd = "\r\n") {
        test::WriteBytes(*folder_ / "Peter.dfd", LessonFile("Danish", lineEnd));
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
    }

    // The window's child `name`. A missing one fails the test; a fresh unnamed stand-in is
    // returned so that the test goes on to its next check instead of dereferencing null.
    template <class T>
    T* Find(const QString& name) {
        if (T* found = window_->findChild<T*>(name)) return found;
        QTest::qFail(qPrintable("no child named " + name), __FILE__, __LINE__);
        return new T(window_.get());
    }

    void CheckPlaced(const QString& name, const Element& element) {
        QWidget* widget = Find<QWidget>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), RectOf(element));
    }

    void CheckLayout() {
        const ViewModel& v = window_->context().view;
        QCOMPARE(window_->size(), QSize(v.WindowWidth, v.WindowHeight));
        // The view's coordinates start right under the menu bar.
        QWidget* client = window_->centralWidget();
        QCOMPARE(client->mapTo(window_.get(), QPoint(0, 0)),
                 QPoint(0, window_->menuBar()->geometry().bottom() + 1));
        CheckPlaced("classField", v.ClassField);
        CheckPlaced("newButton", v.NewButton);
        CheckPlaced("todayButton", v.TodayButton);
        for (int c = 0; c < kDays; ++c) {
            CheckPlaced(QStringLiteral("header_%1").arg(c), v.Days[c].Header);
            CheckPlaced(QStringLiteral("body_%1").arg(c), v.Days[c].Body);
            CheckPlaced(QStringLiteral("dayNumber_%1").arg(c), v.Days[c].DayNumber);
            for (int r = 0; r < kLessons; ++r) {
                const QString name = QStringLiteral("cell_%1_%2").arg(c).arg(r);
                CheckPlaced(name, v.Days[c].Cells[r]);
                QCOMPARE(Find<QWidget>(name)->parentWidget()->objectName(),
                         QStringLiteral("body_%1").arg(c));
            }
        }
        CheckPlaced("weekPanel", v.WeekPanel);
        CheckPlaced("yearStrip", v.YearStrip);
        for (int k = 0; k < 53; ++k)
            CheckPlaced("weekLabel_" + QString::number(k), v.WeekLabels[k]);
        CheckPlaced("monthPanel", v.MonthPanel);
        CheckPlaced("weekdayStrip", v.WeekdayStrip);
        for (int d = 0; d < 31; ++d) CheckPlaced("dayLabel_" + QString::number(d), v.DayLabels[d]);
        CheckPlaced("monthName", v.MonthName);
        CheckPlaced("prevYearButton", v.PrevYearButton);
        CheckPlaced("nextYearButton", v.NextYearButton);
        CheckPlaced("prevMonthButton", v.PrevMonthButton);
        CheckPlaced("nextMonthButton", v.NextMonthButton);
        CheckPlaced("notesPanel", v.NotesPanel);
        CheckPlaced("titleStrip", v.TitleStrip);
        CheckPlaced("notesBox", v.NotesBox);
        CheckPlaced("buttonColumn", v.ButtonColumn);
        CheckPlaced("homeworkButton", v.LessonButtons[kHomeworkButton]);
        CheckPlaced("studentsButton", v.LessonButtons[kStudentsButton]);
        for (int k = 0; k < 5; ++k)
            CheckPlaced("detailLabel_" + QString::number(k), v.DetailLabels[k]);
        QCOMPARE(Find<QWidget>("weekLabel_0")->parentWidget()->objectName(), QString("weekPanel"));
        QCOMPARE(Find<QWidget>("dayLabel_0")->parentWidget()->objectName(), QString("monthPanel"));
        QCOMPARE(Find<QWidget>("notesBox")->parentWidget()->objectName(), QString("notesPanel"));
    }

    QStringList Captions(QMenu* menu) {
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        dialogs_ = std::make_unique<FakeDialogs>();
        platform_ = std::make_unique<FakePlatform>();
        platform_->TodayDate = {2003, 9, 10};  // a Wednesday in week 37
    }
    void cleanup() {
        window_.reset();
        platform_.reset();
        dialogs_.reset();
        folder_.reset();
    }

    void smallScreenPutsEveryWidgetWhereTheViewSays() {
        Start(480);
        QCOMPARE(window_->size(), QSize(610, 456));
        CheckLayout();
    }

    void largeScreenGivesThe800By606Window() {
        Start(768);
        QCOMPARE(window_->size(), QSize(800, 606));
        CheckLayout();
    }

    void resizingReLaysOutTheWidgets() {
        Start(480);
        const int before = Find<QWidget>("body_0")->height();
        window_->resize(610, 768);
        QVERIFY(Find<QWidget>("body_0")->height() > before);
        CheckLayout();
    }

    // Every menu entry shows its view-model caption, in the designed order, in both languages.
    void menusShowTheirViewCaptionsInOrder() {
        for (const char* language : {"en", "da"}) {
            qputenv("SKEMORA_LANGUAGE", language);
            folder_ = std::make_unique<TempFolder>();
            Start(480);
            qunsetenv("SKEMORA_LANGUAGE");
            const MenuView& m = window_->context().view.Menus;
            const auto texts = [](std::initializer_list<const MenuItem*> items) {
                QStringList captions;
                for (const MenuItem* item : items)
                    captions << (item ? QString::fromStdString(item->Caption) : QString("-"));
                return captions;
            };
            QStringList titles;
            for (QAction* action : window_->menuBar()->actions()) titles << action->text();
            QCOMPARE(titles, texts({&m.File, &m.Edit, &m.Timetable, &m.Options, &m.Help}));
            QCOMPARE(Captions(Find<QMenu>("menuFile")),
                     texts({&m.NewTimetable, nullptr, &m.Open, nullptr, &m.Save, &m.SaveAs, nullptr,
                            &m.Convert, &m.ExportCalendar, nullptr, &m.Quit}));
            QCOMPARE(Captions(Find<QMenu>("menuConvert")),
                     texts({&m.ConvertTimetable, &m.ConvertCalendar}));
            QCOMPARE(Captions(Find<QMenu>("menuEdit")),
                     texts({&m.EditTime, &m.EditLesson, &m.EditDelete, &m.EditAdd, &m.EditInsert}));
            QCOMPARE(Captions(Find<QMenu>("menuTimetable")),
                     texts({&m.Holidays, &m.School, &m.Class, &m.LessonTimes}));
            QCOMPARE(Captions(Find<QMenu>("menuHolidays")),
                     texts({&m.HolidaysNew, &m.HolidaysDelete}));
            QCOMPARE(Captions(Find<QMenu>("menuOptions")),
                     texts({&m.MondayFirst, &m.StartTray, &m.RemoveLesson}));
            QCOMPARE(Captions(Find<QMenu>("menuHelp")), texts({&m.HelpItem, nullptr, &m.About}));
            QCOMPARE(
                Captions(Find<QMenu>("lessonMenu")),
                texts({&m.PopupTime, &m.PopupChange, &m.PopupDelete, &m.PopupAdd, &m.PopupInsert}));
            QCOMPARE(titles.contains("&Edit"), QByteArray(language) == "en");
            window_.reset();
        }
        folder_ = std::make_unique<TempFolder>();
        Start(480);
        QVERIFY(Find<QAction>("actionMondayFirst")->isCheckable());
        QVERIFY(Find<QAction>("actionStartTray")->isCheckable());
        // No settings stored: Monday first on, tray off.
        QVERIFY(Find<QAction>("actionMondayFirst")->isChecked());
        QVERIFY(!Find<QAction>("actionStartTray")->isChecked());
    }

    void helpSitsOnF1() {
        Start(480);
        QCOMPARE(Find<QAction>("actionHelp")->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::keyClick(window_.get(), Qt::Key_F1);
        // No help file in the data folder: its name is reported, or the file is handed on.
        const bool reported = !dialogs_->Messages.empty() || !platform_->Opened.empty();
        QVERIFY(reported);
    }

    void saveIsDisabledAtStart() {
        Start(480);
        QVERIFY(!Find<QAction>("actionSave")->isEnabled());
        QVERIFY(!Find<QAction>("actionSaveAs")->isEnabled());
        QVERIFY(!Find<QAction>("actionSaveAs")->isVisible());
        QVERIFY(!Find<QToolButton>("saveButton")->isEnabled());
        QVERIFY(Find<QToolButton>("openButton")->isEnabled());
        QVERIFY(!Find<QAction>("actionEditLesson")->isEnabled());
        QCOMPARE(window_->windowTitle(), QString("Time-table"));
    }

    void conflictingButtonMnemonicsMoveOthersAreKept() {
        Start(480);
        QCOMPARE(Find<QPushButton>("homeworkButton")->text(), QString("Homewo&rk"));
        QCOMPARE(Find<QPushButton>("teacherButton")->text(), QString("Te&acher"));
        QCOMPARE(Find<QPushButton>("linksButton")->text(), QString("Lin&ks"));
        QCOMPARE(Find<QPushButton>("studentsButton")->text(), QString("&Students"));
    }

    void altEOpensTheEditMenuAndNotTheHomeworkButton() {
        WritePeter();
        Start(480, {"Peter"});
        QTest::mouseClick(Find<QWidget>("cell_0_0"), Qt::LeftButton);
        QVERIFY(Find<QPushButton>("homeworkButton")->isEnabled());
        QCOMPARE(Find<QPushButton>("homeworkButton")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
        QTest::keyClick(window_.get(), Qt::Key_E, Qt::AltModifier);
        auto* edit = Find<QMenu>("menuEdit");
        QVERIFY(QTest::qWaitFor([edit] { return edit->isVisible(); }));
        edit->close();
        QCOMPARE(Find<QPushButton>("linksButton")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_K));
    }

    void activatingTheWindowPicksTheHelpFile() {
        Start(480);
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(window_->context().view.HelpFile, folder_->Path() + "ZEZUVIDEZ1.HLP");
    }

    void ctrlAndAltMStepTheMonth() {
        Start(480);
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(9));
        QCOMPARE(Find<QLabel>("monthName")->text(), QString("September"));
        QTest::keyClick(window_.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(8));
        QCOMPARE(Find<QLabel>("monthName")->text(), QString("August"));
        QTest::keyClick(window_.get(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(9));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>("classField"));
    }

    void altYAndWActivateNoMenu() {
        Start(480);
        QTest::keyClick(window_.get(), Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(window_->context().state.SelYear, std::uint16_t(2004));
        QTest::keyClick(window_.get(), Qt::Key_W, Qt::AltModifier);
        QVERIFY(!window_->menuBar()->activeAction());
        QVERIFY(!QApplication::activePopupWidget());
    }

    void typingReachesTheNotesBoxAndKeysStillNavigate() {
        WritePeter();
        Start(480, {"Peter"});
        QCOMPARE(window_->windowTitle(), QString("Peter.dfd"));
        auto* notes = Find<QPlainTextEdit>("notesBox");
        QVERIFY(notes->isEnabled());
        notes->setFocus();
        // Letters of the keyboard map without Ctrl or Alt are ordinary typing.
        QTest::keyClicks(notes, "my wild day");
        QCOMPARE(notes->toPlainText(), QString("my wild day"));
        QCOMPARE(window_->context().view.NotesText, std::string("my wild day"));
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(9));
        QTest::keyClick(notes, Qt::Key_Backspace);
        QCOMPARE(notes->toPlainText(), QString("my wild da"));
        QTest::keyClick(notes, Qt::Key_Home);
        QTest::keyClick(notes, Qt::Key_Right);
        QTest::keyClick(notes, Qt::Key_Delete);
        QCOMPARE(notes->toPlainText(), QString("m wild da"));
        // Every change is saved at once to the notes file of week 37 of 2003.
        QCOMPARE(test::ReadBytes(*folder_ / "Peter/a200337.dfz"), std::string("m wild da\r\n"));

        QTest::keyClick(notes, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(8));
        QCOMPARE(notes->toPlainText(), QString());  // a week without notes
        QVERIFY(!notes->hasFocus());
    }

    void altKeysThatAreNoCommandLeaveTheNotesAndTabLeavesTheBox() {
        WritePeter();
        Start(480, {"Peter"});
        auto* notes = Find<QPlainTextEdit>("notesBox");
        notes->setFocus();
        QTest::keyClicks(notes, "ab");
        const std::string saved = test::ReadBytes(*folder_ / "Peter/a200337.dfz");
        for (const Qt::Key key : {Qt::Key_R, Qt::Key_N, Qt::Key_X, Qt::Key_Q, Qt::Key_G, Qt::Key_S,
                                  Qt::Key_1, Qt::Key_Space}) {
            for (const Qt::KeyboardModifiers modifiers :
                 {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier}) {
                QTest::keyClick(notes, key, modifiers);
                QCOMPARE(notes->toPlainText(), QString("ab"));
                QVERIFY(notes->hasFocus());
            }
        }
        QCOMPARE(test::ReadBytes(*folder_ / "Peter/a200337.dfz"), saved);
        QVERIFY(!window_->context().state.Saving.NotesChanged);
        // A navigation key still works from the box.
        QTest::keyClick(notes, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(window_->context().state.SelDay, std::uint16_t(11));

        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_Tab);
        QVERIFY(!notes->hasFocus());
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!notes->hasFocus());
        QCOMPARE(notes->toPlainText(), QString("ab"));
    }

    void loadingAWeekIsNotAnEdit() {
        WritePeter("\n");  // any rewrite of the lesson file would turn these into CR LF
        test::WriteBytes(*folder_ / "Peter/a200338.dfz", "next week\r\nsecond line\r\n");
        const std::string lessons = test::ReadBytes(*folder_ / "Peter.dfd");
        Start(480, {"Peter"});
        auto* notes = Find<QPlainTextEdit>("notesBox");
        notes->setFocus();
        QTest::keyClick(window_.get(), Qt::Key_W, Qt::AltModifier);
        QCOMPARE(window_->context().state.WeekNo, std::uint16_t(38));
        QCOMPARE(notes->toPlainText(), QString("next week\nsecond line"));
        QTest::keyClick(window_.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(notes->toPlainText(), QString());
        QTest::keyClick(window_.get(), Qt::Key_W, Qt::AltModifier);
        QCOMPARE(notes->toPlainText(), QString("next week\nsecond line"));
        QVERIFY(!window_->context().state.Saving.Modified);
        QVERIFY(!window_->context().state.Saving.NotesChanged);
        QCOMPARE(test::ReadBytes(*folder_ / "Peter.dfd"), lessons);
        QVERIFY(!std::filesystem::exists(*folder_ / "Peter/a200337.dfz"));
        QCOMPARE(test::ReadBytes(*folder_ / "Peter/a200338.dfz"),
                 std::string("next week\r\nsecond line\r\n"));
    }

    void redrawKeepsTheNotesCursor() {
        WritePeter();
        Start(480, {"Peter"});
        auto* notes = Find<QPlainTextEdit>("notesBox");
        notes->setFocus();
        QTest::keyClicks(notes, "abcdef");
        QTextCursor cursor = notes->textCursor();
        cursor.setPosition(3);
        notes->setTextCursor(cursor);
        window_->context().view.NotesText = "abcdefgh";
        window_->Redraw();
        QCOMPARE(notes->toPlainText(), QString("abcdefgh"));
        QCOMPARE(notes->textCursor().position(), 3);
        // Filling the box in was no edit: the file still holds what was typed.
        QCOMPARE(test::ReadBytes(*folder_ / "Peter/a200337.dfz"), std::string("abcdef\r\n"));
    }

    void clickingACellSelectsItsDayAndTheRightButtonOpensTheLessonMenu() {
        WritePeter();
        Start(480, {"Peter"});
        QTest::mouseClick(Find<QWidget>("cell_4_1"), Qt::LeftButton);
        const MainState& state = window_->context().state;
        QCOMPARE(state.SelDay, std::uint16_t(12));  // Friday of the shown week
        QCOMPARE(state.SelColumn, 5);
        QCOMPARE(Find<QLabel>("cell_4_1")->text(), QString("Math"));
        QCOMPARE(Find<QLabel>("cell_4_1")->palette().color(QPalette::Window),
                 QColor(0xF0, 0xF0, 0xF0));
        QCOMPARE(Find<QLabel>("cell_4_0")->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(Find<QAction>("actionEditLesson")->isEnabled());
        QVERIFY(Find<QPushButton>("homeworkButton")->isEnabled());

        QTest::mouseClick(Find<QWidget>("cell_0_0"), Qt::RightButton);
        QCOMPARE(state.SelDay, std::uint16_t(8));
        auto* menu = Find<QMenu>("lessonMenu");
        QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        QVERIFY(Find<QAction>("actionPopupChange")->isEnabled());
        menu->close();
    }

    void theEditingMenusAndTheNewButtonRunTheirCommands() {
        WritePeter();
        Start(480, {"Peter"});
        QTest::mouseClick(Find<QWidget>("cell_2_0"), Qt::LeftButton);
        // Each dialog is closed without OK: which dialog opened tells which command ran.
        Find<QAction>("actionEditTime")->trigger();
        Find<QAction>("actionPopupTime")->trigger();
        QCOMPARE(dialogs_->TimesShown.size(), std::size_t(2));
        for (const char* name : {"actionEditLesson", "actionEditDelete", "actionEditAdd",
                                 "actionEditInsert", "actionPopupChange", "actionPopupDelete",
                                 "actionPopupAdd", "actionPopupInsert", "actionRemoveLesson"}) {
            Find<QAction>(name)->trigger();
        }
        const auto& shown = dialogs_->LessonsShown;
        QCOMPARE(shown.size(), std::size_t(9));
        QCOMPARE(shown[0].Title, std::string("Change lesson Danish, Wednesday"));
        QCOMPARE(shown[1].Title, std::string("Delete class Danish, Wednesday"));
        QCOMPARE(shown[2].Title, std::string("Add a new lesson to Wednesday"));
        QCOMPARE(shown[3].Title, std::string("Put a new lesson in before Danish, Wednesday"));
        QCOMPARE(shown[8].Title, std::string("Delete from list"));
        Find<QAction>("actionSchool")->trigger();
        QCOMPARE(dialogs_->ContactCardsShown.size(), std::size_t(1));
        Find<QAction>("actionClass")->trigger();
        QCOMPARE(dialogs_->ClassDialogs, 1);
        Find<QAction>("actionNewTimetable")->trigger();
        QTest::mouseClick(Find<QToolButton>("newButton"), Qt::LeftButton);
        QCOMPARE(dialogs_->NewUserDialogs, 2);
    }

    void weekAndDayLabelsSelectTheirWeekAndDay() {
        Start(480);
        QTest::mouseClick(Find<QWidget>("weekLabel_9"), Qt::LeftButton);
        QCOMPARE(window_->context().state.WeekNo, std::uint16_t(10));
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(3));
        QCOMPARE(Find<QLabel>("weekLabel_9")->palette().color(QPalette::Window), QColor(Qt::blue));
        QTest::mouseClick(Find<QWidget>("dayLabel_19"), Qt::LeftButton);
        QCOMPARE(window_->context().state.SelDay, std::uint16_t(20));
        QCOMPARE(Find<QLabel>("dayLabel_19")->palette().color(QPalette::Window), QColor(Qt::blue));
        // Only a left click counts for the labels.
        QTest::mouseClick(Find<QWidget>("dayLabel_4"), Qt::RightButton);
        QCOMPARE(window_->context().state.SelDay, std::uint16_t(20));
    }

    void buttonsRunTheirCommands() {
        Start(480);
        QTest::mouseClick(Find<QToolButton>("nextMonthButton"), Qt::LeftButton);
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(10));
        QTest::mouseClick(Find<QToolButton>("prevYearButton"), Qt::LeftButton);
        QCOMPARE(window_->context().state.SelYear, std::uint16_t(2002));
        QTest::mouseClick(Find<QToolButton>("todayButton"), Qt::LeftButton);
        QCOMPARE(window_->context().state.SelYear, std::uint16_t(2003));
        QCOMPARE(window_->context().state.SelMonth, std::uint16_t(9));
        QCOMPARE(Find<QLabel>("yearStrip")->text(), QString("2003"));
    }

    void anErrorInAnEventIsShownAndTheWindowGoesOn() {
        test::WriteBytes(*folder_ / "Peter.dfd", "eight\r\n" + LessonFile("Danish", "\r\n"));
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
        Start(480, {"Peter"});
        QCOMPARE(dialogs_->Errors.size(), std::size_t(1));
        QCOMPARE(dialogs_->Errors[0], std::string("'eight' is not a valid integer value"));
        QVERIFY(window_->isVisible());
        QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window_->context().state.SelYear, std::uint16_t(2002));
    }

    void closingAsksOnlyWhenModifiedAndCancelKeepsTheWindow() {
        WritePeter();
        Start(480, {"Peter"});
        window_->context().state.Saving.Modified = true;
        // The scripted question answers Cancel.
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        QCOMPARE(dialogs_->Questions.size(), std::size_t(1));
        QCOMPARE(dialogs_->Questions[0].Message, std::string("Peter.dfd changed, save it?"));
        window_->context().state.Saving.Modified = false;
        QVERIFY(window_->close());
        QCOMPARE(dialogs_->Questions.size(), std::size_t(1));
    }

    void holidayMenuItemsRunTheirCommands() {
        WritePeter();
        Start(480, {"Peter"});  // today, Wednesday 10 September 2003, is selected
        QVERIFY(Find<QAction>("menuHolidaysAction")->isEnabled());
        dialogs_->HolidayAnswers.push_back(
            FakeDialogs::HolidayAnswer{{2003, 9, 10}, {2003, 9, 10}, "Trip", 2});
        Find<QAction>("actionHolidaysNew")->trigger();
        QVERIFY(std::filesystem::exists(*folder_ / "a200309.dfg"));
        QCOMPARE(Find<QLabel>("holiday_2")->text(), QString("Trip"));
        QVERIFY(Find<QLabel>("holiday_2")->isVisible());
        QVERIFY(Find<QAction>("actionHolidaysDelete")->isEnabled());

        dialogs_->AskAnswers.push_back(kAnswerYes);
        Find<QAction>("actionHolidaysDelete")->trigger();
        QVERIFY(!std::filesystem::exists(*folder_ / "a200309.dfg"));
        QVERIFY(!Find<QLabel>("holiday_2")->isVisible());
        QVERIFY(!Find<QAction>("actionHolidaysDelete")->isEnabled());
    }

    void classFieldOpensTheClassDialogOnlyWithATimetable() {
        Start(480);
        QTest::mouseClick(Find<QWidget>("classField"), Qt::LeftButton);
        QCOMPARE(dialogs_->ClassDialogs, 0);
        window_.reset();
        WritePeter();
        dialogs_->ClassNameAnswers.push_back(std::string("7B"));
        Start(480, {"Peter"});
        QCOMPARE(Find<QLabel>("classField")->text(), QString("6U"));
        QTest::mouseClick(Find<QWidget>("classField"), Qt::LeftButton);
        QCOMPARE(dialogs_->ClassDialogs, 1);
        QCOMPARE(Find<QLabel>("classField")->text(), QString("7B"));
    }

    // Another writer replaced the shown notes: the next key merges both texts into the file and
    // the box, the cursor stays after what was typed, and the key after it merges nothing again.
    void notesChangedBehindTheBoxKeepEveryKeystroke() {
        WritePeter();
        Start(480, {"Peter"});
        const std::string path = *folder_ / "Peter/a200337.dfz";
        auto* notes = Find<QPlainTextEdit>("notesBox");
        notes->setFocus();
        QTest::keyClicks(notes, "A-note");
        test::WriteBytes(path + ".part", "A-note A2\r\n");
        std::filesystem::rename(path + ".part", path);
        QTest::keyClicks(notes, " B");
        const QString merged = notes->toPlainText();
        QVERIFY2(merged.startsWith("A-note A2") && merged.endsWith(" B"), qPrintable(merged));
        QCOMPARE(notes->textCursor().position(), static_cast<int>(merged.size()));
        QTest::keyClicks(notes, "2");
        QCOMPARE(notes->toPlainText(), merged + "2");
        QCOMPARE(QString::fromStdString(window_->context().view.NotesText), merged + "2");
        const std::string file = test::ReadBytes(path);
        QCOMPARE(QString::fromStdString(file).replace("\r\n", "\n"), merged + "2\n");
    }
};

QTEST_MAIN(MainWindowQtTest)
#include "main_window_qttest.moc"
