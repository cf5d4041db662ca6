// The main window watches the files of the shown week: a file another writer renames over one of
// them is shown without any action of the user's, and typing in the notes box goes on at the
// same place in the new text.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "gui/window/main_window.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/shown_main_window.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

namespace {

std::string LessonFile(const std::string& firstSubject) {
    test::LessonFileLayout layout;
    layout.Lesson = [firstSubject](int, int lesson) {
        return lesson == 0 ? test::LessonEntry{firstSubject, "", ""} : test::LessonEntry{};
    };
    return test::LessonFileBytes(layout);
}

// A new file renamed over the old one, as sync tools write.
void Replace(const std::string& path, const std::string& bytes) {
    test::WriteBytes(path + ".incoming", bytes);
    std::filesystem::rename(path + ".incoming", path);
}

}  // namespace

class OutsideChangesQtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FakeDialogs> dialogs_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TForm1> window_;

    std::string Notes() const { return *folder_ / "Peter/a200337.dfz"; }  // week 37 of 2003

    void Start() {
        test::WriteBytes(*folder_ / "Peter.dfd", LessonFile("Danish"));
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
        test::WriteBytes(Notes(), "Math test\r\n");
        window_ = test::ShowMainWindow(*dialogs_, *platform_, folder_->Path(), {"Peter"});
    }

    QPlainTextEdit* NotesBox() { return window_->findChild<QPlainTextEdit*>("notesBox"); }
    QString Monday() {
        return window_->findChild<QWidget*>("cell_0_0")->property("text").toString();
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

    void aFileRenamedOverAShownOneIsShown() {
        Start();
        QCOMPARE(NotesBox()->toPlainText(), QString("Math test"));
        Replace(Notes(), "Math test\r\nBring the atlas\r\n");
        QTRY_COMPARE(NotesBox()->toPlainText(), QString("Math test\nBring the atlas"));
        Replace(*folder_ / "Peter.dfd", LessonFile("French"));
        QTRY_VERIFY(Monday().contains("French"));
        QVERIFY(dialogs_->Errors.empty());
    }

    void typingGoesOnWhereItWasInTheNewText() {
        Start();
        QPlainTextEdit* notes = NotesBox();
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        QTest::keyClicks(notes, " on Friday");
        Replace(Notes(), "Gym\r\nMath test on Friday\r\n");
        QTRY_COMPARE(notes->toPlainText(), QString("Gym\nMath test on Friday"));
        QTest::keyClicks(notes, "!");
        QCOMPARE(notes->toPlainText(), QString("Gym\nMath test on Friday!"));
        QCOMPARE(test::ReadBytes(Notes()), std::string("Gym\r\nMath test on Friday!\r\n"));
    }

    void ownWritesAreNoChange() {
        Start();
        QPlainTextEdit* notes = NotesBox();
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        // A reading of the week would put this back to what the file holds.
        window_->context().state.ClassName = "not read again";
        QTest::keyClicks(notes, " and more");
        QTest::qWait(600);
        QCOMPARE(window_->context().state.ClassName, std::string("not read again"));
        QCOMPARE(notes->toPlainText(), QString("Math test and more"));
        QCOMPARE(notes->textCursor().position(), notes->toPlainText().size());
    }
};

QTEST_MAIN(OutsideChangesQtTest)
#include "outside_changes_qttest.moc"
