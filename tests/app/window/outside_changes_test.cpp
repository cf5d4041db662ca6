// Another writer replaces files of the shown week, the way sync tools do: the week is read again
// and drawn, and the program's own writes read nothing again.
#include "app/window/outside_changes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/timetable/week_notes_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003

class OutsideChangesTest : public TimetableTest {
protected:
    std::string Notes() const { return User() + "a200337.dfz"; }  // shown on 10 September 2003
    // A new file renamed over the old one.
    static void Replace(const std::string& path, const Lines& lines) {
        WriteLines(path + ".incoming", lines);
        fs::rename(path + ".incoming", path);
    }
    void SetUp() override {
        WritePeter({kAug11, kAug11 + 7}, {"Base", "Danish"});
        WriteLines(Notes(), {"Math test"});
        Start();
        OpenPeter();
    }
};

TEST_F(OutsideChangesTest, AReplacedFileOfTheShownWeekIsShown) {
    struct Case {
        const char* what;
        std::function<void()> change, check;
    } cases[] = {
        {"notes",
         [this] {
             Replace(Notes(), {"Math test", "Bring the atlas"});
         },
         [this] { EXPECT_EQ(ctx.view.NotesText, "Math test\nBring the atlas"); }},
        {"lessons", [this] { Replace(Period(1), LessonFile("French")); },
         [this] { EXPECT_EQ(Shown(), "French"); }},
        {"class", [this] { Replace(Period(1), LessonFile("Danish", "7X")); },
         [this] { EXPECT_EQ(ctx.state.ClassName, "7X"); }},
        {"period list", [this] { Replace(User() + "fratil.dfd", {std::to_string(kAug11)}); },
         [this] { EXPECT_EQ(Shown(), "Base"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        FilesChangedOutside(ctx);
        c.check();
    }
    EXPECT_TRUE(dialogs.Errors.empty());
}

TEST_F(OutsideChangesTest, OwnWritesReadNothingAgain) {
    ctx.view.NotesText = "Math test!";
    NotesEdited(ctx);
    EditMonday("Edited");
    const int events = platform.EventsProcessed;
    FilesChangedOutside(ctx);
    EXPECT_EQ(platform.EventsProcessed, events);
    EXPECT_EQ(ctx.view.NotesText, "Math test!");
}

TEST_F(OutsideChangesTest, AnUnsavedLessonEditIsSavedNotLost) {
    ctx.state.Days[0].Subject[0] = "Edited";
    SetModified(ctx, true);
    MarkPendingPeriod(ctx);
    Replace(Notes(), {"From the other computer"});
    FilesChangedOutside(ctx);
    EXPECT_EQ(ctx.view.NotesText, "From the other computer");
    // The edit takes effect from the shown week on, in a period of its own.
    EXPECT_EQ(SubjectIn(Period(ctx.state.Saving.LoadedPeriod)), "Edited");
    EXPECT_EQ(Shown(), "Edited");
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

TEST_F(OutsideChangesTest, AConflictCopyThatAppearsIsMerged) {
    const std::string copy = User() + "a200337.sync-conflict-20030910-101500-ABCDEF7.dfz";
    Replace(copy, {"Math test", "Gym"});
    FilesChangedOutside(ctx);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(ctx.view.NotesText, "Math test\nGym");
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

}  // namespace
}  // namespace skemora::test
