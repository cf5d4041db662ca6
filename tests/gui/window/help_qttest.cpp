// Help in the Qt main window: F1 where the user is, the welcome of the empty window, and the
// About window's data folder.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <memory>

#include "gui/window/about_dialog.h"
#include "gui/window/main_window.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/shown_main_window.h"
#include "support/temp_folder.h"

using namespace skemora;
using skemora::test::TempFolder;

class HelpQtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FakeDialogs> dialogs_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TForm1> window_;

    TForm1& Start(const std::vector<std::string>& arguments = {}) {
        window_ = test::ShowMainWindow(*dialogs_, *platform_, folder_->Path(), arguments);
        return *window_;
    }

    void WritePeter() {
        test::WriteBytes(*folder_ / "Peter.dfd", test::LessonFileBytes(test::LessonFileLayout{}));
        std::filesystem::create_directory(*folder_ / "Peter");
        test::WriteBytes(*folder_ / "Peter/fratil.dfd", "12276\r\n");
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        dialogs_ = std::make_unique<FakeDialogs>();
        platform_ = std::make_unique<FakePlatform>();
        platform_->GuidePages = {{"en", "/guide/en/index.html"}};
    }
    void cleanup() { window_.reset(); }

    // F1 opens the guide at the topic of the part that has the focus.
    void helpKeyOpensTheTopicOfTheFocus() {
        WritePeter();
        Start({"Peter"});
        window_->findChild<QWidget*>("classField")->setFocus();
        QTest::keyClick(window_.get(), Qt::Key_F1);
        QCOMPARE(platform_->Opened.back(), std::string("file:///guide/en/index.html#topic-100"));
        auto* notes = window_->findChild<QPlainTextEdit*>("notesBox");
        QVERIFY(notes && notes->isEnabled());
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_F1);
        QCOMPARE(platform_->Opened.back(), std::string("file:///guide/en/index.html#topic-201"));
        QCOMPARE(notes->toPlainText(), QString());
    }

    // The empty window offers a time-table; an open one hides the offer.
    void welcomeShowsOnlyWithoutATimetable() {
        Start();
        auto* welcome = window_->findChild<QWidget*>("welcome");
        QVERIFY(welcome);
        QVERIFY(welcome->isVisible());
        QVERIFY(!window_->findChild<QLabel*>("welcomeText")->text().isEmpty());
        window_.reset();
        WritePeter();
        Start({"Peter"});
        QVERIFY(!window_->findChild<QWidget*>("welcome")->isVisible());
    }

    // The data folder in the About window opens on a click.
    void aboutOpensTheDataFolder() {
        int opened = 0;
        const MessageTexts texts = MessageTextsFor(kDanish);
        AboutDialog about(texts, "/home/emma/.local/share/Skemora/", [&] { ++opened; });
        auto* folder = about.findChild<QLabel*>("aboutDataFolder");
        QVERIFY(folder);
        QVERIFY(folder->text().contains("/home/emma/.local/share/Skemora/"));
        QVERIFY(about.findChild<QLabel*>("aboutVersion")->text().contains(ProgramVersion()));
        emit folder->linkActivated("folder");
        QCOMPARE(opened, 1);
    }
};

QTEST_MAIN(HelpQtTest)
#include "help_qttest.moc"
