// Every command from the keyboard: menu letters in both languages, the arrow keys in the grid,
// the lesson menu from the keyboard, Quit, and the date picker's keys.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/state/messages.h"
#include "app/view/week_grid.h"
#include "gui/holidays/date_picker_dialog.h"
#include "gui/window/main_window.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/shown_main_window.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

// The letters of the captions, failing on a caption without one or a letter taken twice (or
// taken already by `taken`).
QStringList UniqueLetters(const QStringList& captions, const QString& where,
                          QStringList letters = {}) {
    for (const QString& caption : captions) {
        const QKeySequence letter = QKeySequence::mnemonic(caption);
        if (letter.isEmpty()) {
            QTest::qFail(qPrintable(where + ": no letter in " + caption), __FILE__, __LINE__);
            continue;
        }
        if (letters.contains(letter.toString())) {
            QTest::qFail(qPrintable(where + ": letter taken twice by " + caption), __FILE__,
                         __LINE__);
        }
        letters << letter.toString();
    }
    return letters;
}

QStringList CaptionsOf(const QList<QAction*>& actions) {
    QStringList captions;
    for (QAction* action : actions) {
        if (!action->isSeparator() && action->isVisible()) captions << action->text();
    }
    return captions;
}

}  // namespace

class KeyboardQtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FakeDialogs> dialogs_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TForm1> window_;

    TForm1& Start(const char* language, const std::vector<std::string>& arguments = {}) {
        qputenv("SKEMORA_LANGUAGE", language);
        window_ = test::ShowMainWindow(*dialogs_, *platform_, folder_->Path(), arguments, true);
        qunsetenv("SKEMORA_LANGUAGE");
        return *window_;
    }

    // A time-table "Peter" with two lessons a day, from Monday 11 August 2003.
    void WritePeter() {
        test::LessonFileLayout layout;
        layout.Lesson = [](int, int lesson) {
            if (lesson > 1) return test::LessonEntry{};
            return test::LessonEntry{lesson == 0 ? "Danish" : "Math", "R1", "Hansen"};
        };
        test::WriteBytes(*folder_ / "Peter.dfd", test::LessonFileBytes(layout, "\r\n"));
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
    }

    template <class T>
    T* Find(const QString& name) {
        if (T* found = window_->findChild<T*>(name)) return found;
        QTest::qFail(qPrintable("no child named " + name), __FILE__, __LINE__);
        return new T(window_.get());
    }

    CellRef Selected() const { return window_->context().state.SelCell.value_or(CellRef{-1, -1}); }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        dialogs_ = std::make_unique<FakeDialogs>();
        platform_ = std::make_unique<FakePlatform>();
        platform_->TodayDate = {2003, 9, 10};  // a Wednesday
    }
    void cleanup() {
        window_.reset();
        platform_.reset();
        dialogs_.reset();
        folder_.reset();
    }

    // In Danish every menu entry and button opens by a letter of its own in its menu or window;
    // in English the lesson buttons take letters the menu bar leaves free.
    void everyMenuAndButtonHasALetterOfItsOwn() {
        for (const char* language : {"da", "en"}) {
            folder_ = std::make_unique<TempFolder>();
            Start(language);
            // Alt with these letters moves through the calendar.
            QStringList calendarKeys;
            for (const char* letter = kNavigationLetters; *letter; ++letter)
                calendarKeys << QKeySequence(Qt::ALT | Qt::Key(*letter)).toString();
            const QString where = language;
            QStringList window = CaptionsOf(window_->menuBar()->actions());
            for (QPushButton* button : window_->findChildren<QPushButton*>())
                window << button->text();
            if (where == "da") {
                UniqueLetters(window, "da window", calendarKeys);
                for (QMenu* menu : window_->findChildren<QMenu*>())
                    UniqueLetters(CaptionsOf(menu->actions()), "da " + menu->objectName());
            } else {
                UniqueLetters(window, "en window", calendarKeys);
                UniqueLetters(CaptionsOf(Find<QMenu>("lessonMenu")->actions()), "en lessonMenu");
                // The English File menu leaves Save and Save As without a letter; the others
                // each have one of their own.
                QStringList fileLetters;
                for (const QString& caption : CaptionsOf(Find<QMenu>("menuFile")->actions())) {
                    if (!QKeySequence::mnemonic(caption).isEmpty()) fileLetters << caption;
                }
                UniqueLetters(fileLetters, "en menuFile");
            }
            window_.reset();
        }
    }

    void altAndItsLetterOpensEachDanishMenu() {
        Start("da");
        const std::pair<Qt::Key, const char*> menus[] = {{Qt::Key_F, "menuFile"},
                                                         {Qt::Key_R, "menuEdit"},
                                                         {Qt::Key_S, "menuTimetable"},
                                                         {Qt::Key_O, "menuOptions"},
                                                         {Qt::Key_H, "menuHelp"}};
        for (const auto& [key, name] : menus) {
            QTest::keyClick(window_.get(), key, Qt::AltModifier);
            auto* menu = Find<QMenu>(name);
            QVERIFY2(QTest::qWaitFor([menu] { return menu->isVisible(); }), name);
            menu->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
    }

    void arrowKeysMoveTheSelectedCellAndItsFocus() {
        WritePeter();
        Start("en", {"Peter"});
        QTest::mouseClick(Find<QWidget>("cell_0_0"), Qt::LeftButton);
        QCOMPARE(Selected(), (CellRef{0, 0}));
        struct Step {
            Qt::Key Key;
            CellRef After;
        };
        const Step steps[] = {{Qt::Key_Left, {0, 0}},  {Qt::Key_Up, {0, 0}},
                              {Qt::Key_Right, {1, 0}}, {Qt::Key_Down, {1, 1}},
                              {Qt::Key_Right, {2, 1}}, {Qt::Key_Up, {2, 0}}};
        for (const Step& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.Key);
            QCOMPARE(Selected(), step.After);
            const QString cell = QStringLiteral("cell_%1_%2").arg(step.After.Column).arg(step.After.Row);
            QCOMPARE(QApplication::focusWidget(), Find<QWidget>(cell));
        }
        // The details follow: the Wednesday's first lesson is shown.
        QCOMPARE(window_->context().state.SelDay, std::uint16_t(10));
        for (int k = 0; k < 8; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(Selected(), (CellRef{4, 0}));
        for (int k = 0; k < 14; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(Selected(), (CellRef{4, kLessons - 1}));
    }

    void theMenuKeyAndShiftF10OpenTheLessonMenuAtTheSelectedCell() {
        WritePeter();
        Start("da", {"Peter"});
        QTest::mouseClick(Find<QWidget>("cell_1_1"), Qt::LeftButton);
        auto* menu = Find<QMenu>("lessonMenu");
        QWidget* cell = Find<QWidget>("cell_1_1");
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
              std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
            QCOMPARE(menu->pos(), cell->mapToGlobal(QPoint(0, cell->height())));
            menu->close();
            QTRY_VERIFY(!menu->isVisible());
        }
        // Its letter runs the command: "Fag.." opens the lesson dialog on the selected lesson.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
        QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        QTest::keyClick(menu, Qt::Key_F);
        QTRY_COMPARE(dialogs_->LessonsShown.size(), std::size_t(1));
        QCOMPARE(dialogs_->LessonsShown[0].Fields.Subject, std::string("Math"));
    }

    // Ctrl+Q closes the window as its close button does: unsaved changes are asked about first.
    void ctrlQQuitsAfterAskingAboutUnsavedChanges() {
        WritePeter();
        Start("en", {"Peter"});
        QCOMPARE(Find<QAction>("actionQuit")->text(), QString("&Quit"));
        window_->context().state.Saving.Modified = true;
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);  // Cancel
        QCOMPARE(dialogs_->Questions.size(), std::size_t(1));
        QVERIFY(window_->isVisible());
        dialogs_->AskAnswers = {kAnswerNo};
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(dialogs_->Questions.size(), std::size_t(2));
        QVERIFY(!window_->isVisible());
    }

    void theDatePickerIsUsedWithArrowsPagesAndEnter() {
        TForm9 picker;
        picker.setDate({2003, 12, 30});
        picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        struct Step {
            Qt::Key Key;
            Date After;
        };
        const Step steps[] = {
            {Qt::Key_Right, {2003, 12, 31}}, {Qt::Key_Right, {2004, 1, 1}},
            {Qt::Key_Up, {2003, 12, 25}},    {Qt::Key_Down, {2004, 1, 1}},
            {Qt::Key_Left, {2003, 12, 31}},  {Qt::Key_PageDown, {2004, 1, 31}},
            {Qt::Key_PageDown, {2004, 2, 29}}, {Qt::Key_PageUp, {2004, 1, 29}},
        };
        for (const Step& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.Key);
            QCOMPARE(picker.date(), step.After);
        }
        // The buttons do not take the arrows away from the days.
        auto* cancel = picker.findChild<QPushButton*>("cancelButton");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Right);
        QCOMPARE(picker.date(), (Date{2004, 1, 30}));
        picker.findChild<QPushButton*>("okButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(picker.result(), kAnswerYes);
        QCOMPARE(picker.date(), (Date{2004, 1, 30}));
    }
};

QTEST_MAIN(KeyboardQtTest)
#include "keyboard_qttest.moc"
