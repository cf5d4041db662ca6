// What a screen reader finds in the main window and the dialogs: the names in the accessible
// tree of a filled week, in English and Danish, the selected cell marked as it moves, and the
// dialog fields named by their labels.
#include <QAccessible>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "gui/notes/contact_card_dialog.h"
#include "gui/timetable/lesson_dialog.h"
#include "gui/timetable/new_user_dialog.h"
#include "gui/window/main_window.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/shown_main_window.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

// Monday: Danish, Art (no room, no teacher), Maths in room 14 with Clarke; Wednesday starts
// later than the others, so its first cell is empty; every other day has Danish only.
std::string WeekFile() {
    test::LessonFileLayout layout;
    layout.StartTimes = {800, 800, 855, 800, 800};
    layout.Lesson = [](int day, int lesson) {
        if (lesson == 0) return test::LessonEntry{"Danish", "R1", "Hansen"};
        if (day != 0) return test::LessonEntry{};
        if (lesson == 1) return test::LessonEntry{"Art", "", ""};
        if (lesson == 2) return test::LessonEntry{"Maths", "14", "Clarke"};
        return test::LessonEntry{};
    };
    return test::LessonFileBytes(layout);
}

QString NameOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class ScreenReaderQtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FakeDialogs> dialogs_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TForm1> window_;

    // Peter's week 37 of 2003, Monday's third lesson with homework, shown on Wednesday 10
    // September in the language `language` ("da" or "en").
    void Start(const char* language) {
        qputenv("SKEMORA_LANGUAGE", language);
        test::WriteBytes(*folder_ / "Peter.dfd", WeekFile());
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
        test::WriteBytes(*folder_ / "Peter/a200337.dff", "1\r\n3\r\n1\r\nPage 12\r\n0\r\n");
        window_ = test::ShowMainWindow(*dialogs_, *platform_, folder_->Path(), {"Peter"});
    }

    // Every name and description in the window's accessible tree, by the names.
    static void Walk(QAccessibleInterface* face, QMap<QString, QString>& found) {
        if (!face) return;
        found.insert(face->text(QAccessible::Name), face->text(QAccessible::Description));
        for (int i = 0; i < face->childCount(); ++i) Walk(face->child(i), found);
    }
    QMap<QString, QString> Tree() {
        QMap<QString, QString> found;
        Walk(QAccessible::queryAccessibleInterface(window_.get()), found);
        return found;
    }

    QWidget* Child(const QString& name) {
        QWidget* child = window_->findChild<QWidget*>(name);
        if (!child) QTest::qFail(qPrintable("no child named " + name), __FILE__, __LINE__);
        return child;
    }

    struct Read {
        const char* name;
        const char* description;  // null: not checked
    };
    void CheckTree(const std::vector<Read>& expected) {
        const auto found = Tree();
        for (const Read& r : expected) {
            const QString name = QString::fromUtf8(r.name);
            QVERIFY2(found.contains(name), qPrintable("nothing is read as " + name));
            if (r.description) QCOMPARE(found.value(name), QString::fromUtf8(r.description));
        }
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        dialogs_ = std::make_unique<FakeDialogs>();
        platform_ = std::make_unique<FakePlatform>();
        platform_->TodayDate = {2003, 9, 10};
    }
    void cleanup() {
        window_.reset();
        qunsetenv("SKEMORA_LANGUAGE");
    }

    void theTreeReadsTheWeekInEnglish() {
        Start("en");
        QTest::mouseClick(Child("cell_0_2"), Qt::LeftButton);
        CheckTree({
            {"Monday, lesson 3: Maths, room 14, Clarke, homework",
             "Monday 8 September 2003, selected"},
            {"Monday, lesson 2: Art", "Monday 8 September 2003"},
            {"Monday, row 4: no lesson", "Monday 8 September 2003"},
            {"Wednesday, row 1: no lesson", "Wednesday 10 September 2003"},
            {"Wednesday, lesson 1: Danish, room R1, Hansen", "Wednesday 10 September 2003"},
            {"Monday 8 September 2003", "selected"},
            {"Friday 12 September 2003", ""},
            {"Week 37", "homework, selected"},
            {"Week 36", nullptr},
            {"8 September", "selected"},
            {"Year 2003", nullptr},
            {"Class 6U", "Class name"},
            {"Set date today", "Set date today"},
            {"one month back", "one month back"},
        });
    }

    void theTreeReadsTheWeekInDanish() {
        Start("da");
        CheckTree({
            {"Mandag, 3. time: Maths, lokale 14, Clarke, lektier",
             "Mandag den 8. September 2003"},
            {"Onsdag, række 1: ingen time", "Onsdag den 10. September 2003"},
            {"Onsdag den 10. September 2003", "valgt"},
            {"Uge 37", "lektier, valgt"},
            {"10. September", "valgt"},
            {"År 2003", nullptr},
            {"Klasse 6U", nullptr},
        });
    }

    void theSelectedCellIsTheOneMarkedSelected() {
        Start("en");
        const auto selected = [](QWidget* cell) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(cell);
            return face && face->role() == QAccessible::Cell && face->state().selectable &&
                   face->state().selected;
        };
        QWidget* art = Child("cell_0_1");
        QWidget* maths = Child("cell_0_2");
        QVERIFY(!selected(art));
        QTest::mouseClick(art, Qt::LeftButton);
        QVERIFY(selected(art));
        // A keyboard move: the next lesson.
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
        QVERIFY(selected(maths));
        QVERIFY(!selected(art));
        QCOMPARE(NameOf(maths), QString("Monday, lesson 3: Maths, room 14, Clarke, homework"));
        // The next school day, onto a row without a lesson.
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::AltModifier);
        QWidget* tuesday = Child("cell_1_2");
        QVERIFY(selected(tuesday));
        QVERIFY(!selected(maths));
        QCOMPARE(NameOf(tuesday), QString("Tuesday, row 3: no lesson"));
    }

    void dialogFieldsAreNamedByTheirLabels() {
        struct Case {
            std::function<QWidget*()> make;
            std::function<void(QWidget*)> danish;
            const char* field;
            const char* english;
            const char* inDanish;
        };
        const auto lesson = [](QWidget* d) {
            static_cast<TForm11*>(d)->setTexts("Fag", "Lokale", "Lærer", "Fortryd");
        };
        const auto card = [](QWidget* d) {
            static_cast<TForm7*>(d)->setTexts("Navn og adr.", "TLF:", "Email adr.");
        };
        const Case cases[] = {
            {[] { return new TForm11; }, lesson, "subjectField", "Lesson", "Fag"},
            {[] { return new TForm11; }, lesson, "roomField", "Room", "Lokale"},
            {[] { return new TForm11; }, lesson, "teacherField", "Teacher", "Lærer"},
            {[] { return new TForm7; }, card, "field_1", "Name & addrs.", "Navn og adr."},
            {[] { return new TForm7; }, card, "field_4", "Name & addrs.", "Navn og adr."},
            {[] { return new TForm7; }, card, "field_6", "Phone:", "TLF:"},
            {[] { return new TForm7; }, card, "field_7", "Email addrs.", "Email adr."},
            {[] { return new Tnewtime; }, nullptr, "nameField", "Your name:", nullptr},
        };
        for (const Case& c : cases) {
            std::unique_ptr<QWidget> dialog(c.make());
            QWidget* field = dialog->findChild<QWidget*>(c.field);
            QVERIFY2(field, c.field);
            QCOMPARE(NameOf(field), QString::fromUtf8(c.english));
            if (!c.danish) continue;
            c.danish(dialog.get());
            QCOMPARE(NameOf(field), QString::fromUtf8(c.inDanish));
        }
    }
};

QTEST_MAIN(ScreenReaderQtTest)
#include "screen_reader_qttest.moc"
