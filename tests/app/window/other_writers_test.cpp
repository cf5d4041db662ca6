// Another writer: two windows on one data folder (two contexts over the same files), or a sync
// tool replacing files behind the shown week. No edit of either side is written over.
#include "app/window/other_writers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/storage/loading.h"
#include "app/storage/save.h"
#include "app/timetable/school_class_commands.h"
#include "app/timetable/week_notes_commands.h"
#include "app/window/outside_changes.h"
#include "core/files/merge.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

// One window: its own fakes and state over the shared data folder.
struct Window {
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    // Opens Peter on Wednesday 10 September 2003 (week 37).
    explicit Window(const std::string& dataFolder) {
        platform.TodayDate = {2003, 9, 10};
        platform.Settings["Mandag"] = "0";
        ConstructMainWindow(ctx, dataFolder);
        FirstShow(ctx, {});
        OpenTimetable(ctx, dataFolder + "Peter.dfd");
        SelectDate(ctx, 2003, 9, 10);
    }
    // A command as the window runs it: the edit, then what the window does where commands end.
    void Run(const std::function<void()>& command) {
        command();
        TakeInOtherWriters(ctx);
        TellConflictCopies(ctx);
    }
    // What the lesson edit commands do: change the lesson, mark the week, save.
    void SetLesson(int day, const std::string& subject) {
        Run([&] {
            ctx.state.Days[day].Subject[0] = subject;
            SetModified(ctx, true);
            MarkPendingPeriod(ctx);
            Save(ctx);
        });
    }
    void SetClass(const std::string& name) {
        dialogs.ClassNameAnswers.push_back(name);
        Run([&] { EditClass(ctx); });
    }
    void TypeNotes(const std::string& text) {
        Run([&] {
            ctx.view.NotesText = text;
            NotesEdited(ctx);
        });
    }
    std::string Lesson(int day) const { return ctx.state.Days[day].Subject[0]; }
};

const int kAugust18 = DayNumber(2003, 8, 18);
const int kSeptember1 = DayNumber(2003, 9, 1);
const int kSeptember8 = DayNumber(2003, 9, 8);

class OtherWriters : public ::testing::Test {
public:
    TempFolder folder;
    std::unique_ptr<Window> a, b;

    std::string User() const { return folder / "Peter/"; }
    std::string Period(int k) const { return User() + "S" + std::to_string(k) + ".dfd"; }
    std::string Notes() const { return User() + "a200337.dfz"; }

    // Peter: period 0 from 18 August ("Base"), period 1 from 8 September ("Old"), the shown
    // week's first; notes "A-note". Both windows open on it.
    void SetUp() override {
        fs::create_directories(User());
        WriteLines(folder / "Peter.dfd", LessonFile("Base"));
        WriteLines(Period(1), LessonFile("Old"));
        WriteLines(User() + "fratil.dfd",
                   {std::to_string(kAugust18), std::to_string(kSeptember8)});
        WriteLines(Notes(), {"A-note"});
        a = std::make_unique<Window>(folder.Path());
        b = std::make_unique<Window>(folder.Path());
    }

    // Both windows closed, the folder as SetUp leaves it, both windows open again.
    void Restart() {
        a.reset();
        b.reset();
        fs::remove_all(User());
        SetUp();
    }

    // A new copy renamed over the file, as a sync tool does it.
    static void ReplaceBehind(const std::string& path, const Lines& lines) {
        WriteLines(path + ".part", lines);
        fs::rename(path + ".part", path);
    }
    static bool HasLine(const std::string& path, const std::string& line) {
        const Lines lines = ReadLines(path);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // Another computer inserted a period from 1 September: S1.dfd is the new period ("New"),
    // the shown one moved to S2.dfd.
    void InsertPeriodElsewhere() {
        ReplaceBehind(Period(2), ReadLines(Period(1)));
        ReplaceBehind(Period(1), LessonFile("New"));
        ReplaceBehind(User() + "fratil.dfd", {std::to_string(kAugust18),
                                              std::to_string(kSeptember1),
                                              std::to_string(kSeptember8)});
    }
};

// A's change after another writer's different change: the shown period's file keeps both,
// and A shows both.
TEST_F(OtherWriters, BothChangesOfOnePeriodAreKept) {
    struct Case {
        const char* Name;
        std::function<void(OtherWriters&)> Theirs;
        std::function<void(Window&)> Ours;
        Lines Kept;  // lines the period's file holds after A's change
    };
    const std::vector<Case> cases = {
        {"two windows, two lessons", [](OtherWriters& t) { t.b->SetLesson(0, "French"); },
         [](Window& w) { w.SetLesson(1, "Spanish"); }, {"French", "Spanish"}},
        {"class set after a lesson", [](OtherWriters& t) { t.b->SetLesson(0, "French"); },
         [](Window& w) { w.SetClass("7X"); }, {"French", "7X"}},
        {"file replaced behind the week",
         [](OtherWriters& t) { ReplaceBehind(t.Period(1), LessonFile("Synced")); },
         [](Window& w) { w.SetLesson(1, "Spanish"); }, {"Synced", "Spanish"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        c.Theirs(*this);
        c.Ours(*a);
        for (const auto& line : c.Kept) EXPECT_TRUE(HasLine(Period(1), line)) << line;
        EXPECT_TRUE(a->dialogs.Messages.empty());
        // What A shows is the file, without reading it again.
        const Lines file = ReadLines(Period(1));
        EXPECT_EQ(TimetableLines(a->ctx.state.Days, a->ctx.state.ClassName), file);
        // B, told by its watcher, shows it too.
        ReloadShownWeek(b->ctx);
        EXPECT_EQ(TimetableLines(b->ctx.state.Days, b->ctx.state.ClassName), file);
    }
}

// B's edit of a week inside a period starts a new period there (S2.dfd); A's edit of the same
// week goes into it too, and the period before keeps its lessons.
TEST_F(OtherWriters, AnEditAfterAnotherWindowStartedAPeriodGoesIntoIt) {
    for (Window* w : {a.get(), b.get()}) SelectDate(w->ctx, 2003, 9, 17);
    b->SetLesson(0, "French");
    a->SetLesson(1, "Spanish");
    const Lines list = {std::to_string(kAugust18), std::to_string(kSeptember8),
                        std::to_string(kSeptember8 + 7)};
    EXPECT_EQ(ReadLines(User() + "fratil.dfd"), list);
    EXPECT_EQ(ReadLines(Period(1)), LessonFile("Old"));
    EXPECT_TRUE(HasLine(Period(2), "French"));
    EXPECT_TRUE(HasLine(Period(2), "Spanish"));
    EXPECT_EQ(a->Lesson(0), "French");
    EXPECT_EQ(a->Lesson(1), "Spanish");
}

TEST_F(OtherWriters, WeekNotesTypedInBothWindowsKeepBoth) {
    a->TypeNotes("A-note A2");
    b->TypeNotes("A-note B2");
    const std::string merged = JoinLines(ReadLines(Notes()));
    EXPECT_NE(merged.find("A-note A2"), std::string::npos) << merged;
    EXPECT_NE(merged.find(" B2"), std::string::npos) << merged;
    // B's box holds the file's text, and the next key adds to it without merging again.
    EXPECT_EQ(b->ctx.view.NotesText, merged);
    b->TypeNotes(merged + "!");
    EXPECT_EQ(JoinLines(ReadLines(Notes())), merged + "!");
    EXPECT_TRUE(b->dialogs.Messages.empty());
}

// A period inserted on another computer: A's edit of the period it shows goes into that
// period's new file, and the inserted period is kept.
TEST_F(OtherWriters, APeriodInsertedElsewhereIsFoundByItsStart) {
    struct Case {
        const char* Name;
        std::function<void(Window&)> Ours;
        std::string Line;
    };
    const std::vector<Case> cases = {
        {"lesson", [](Window& w) { w.SetLesson(1, "Spanish"); }, "Spanish"},
        {"class", [](Window& w) { w.SetClass("7X"); }, "7X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        InsertPeriodElsewhere();
        c.Ours(*a);
        EXPECT_EQ(ReadLines(Period(1)), LessonFile("New"));
        EXPECT_TRUE(HasLine(Period(2), "Old"));
        EXPECT_TRUE(HasLine(Period(2), c.Line));
        EXPECT_EQ(ReadLines(User() + "fratil.dfd"),
                  (Lines{std::to_string(kAugust18), std::to_string(kSeptember1),
                         std::to_string(kSeptember8)}));
        EXPECT_EQ(a->ctx.state.Saving.LoadedPeriod, 2);
        EXPECT_EQ(a->Lesson(0), "Old");
    }
}

// Both changed the same lesson: their file stays, A's version is beside it, and A is told
// where.
TEST_F(OtherWriters, ARealConflictKeepsTheirsAndWritesOursBeside) {
    b->SetLesson(0, "French");
    a->SetLesson(0, "German");
    EXPECT_TRUE(HasLine(Period(1), "French"));
    EXPECT_FALSE(HasLine(Period(1), "German"));
    std::vector<std::string> copies;
    for (const auto& entry : fs::directory_iterator(User())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("S1.skemora-conflict-")) copies.push_back(entry.path().string());
    }
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(HasLine(copies[0], "German"));
    EXPECT_TRUE(copies[0].ends_with(".dfd"));
    ASSERT_EQ(a->dialogs.Messages.size(), 1u);
    EXPECT_NE(a->dialogs.Messages[0].find(copies[0]), std::string::npos);
    EXPECT_EQ(a->Lesson(0), "French");
}

// Two computers cut off from each other: the sync tool keeps the other computer's lesson file
// and renames this window's last write into a conflict copy. What that write replaced is the
// base both started from, so both changes go in without a question, and so do both notes.
TEST_F(OtherWriters, ASyncConflictCopyOfOurOwnWriteMergesWithoutAQuestion) {
    const Lines before = ReadLines(Period(1));
    a->SetLesson(0, "French");
    a->TypeNotes("A-note A2");
    const std::string lessonCopy = User() + "S1.sync-conflict-20030910-101500-ABCDEF7.dfd";
    const std::string notesCopy = User() + "a200337.sync-conflict-20030910-101500-ABCDEF7.dfz";
    fs::rename(Period(1), lessonCopy);
    fs::rename(Notes(), notesCopy);
    // The other computer changed Tuesday's first lesson, not Monday's.
    LessonFileLayout layout;
    layout.ClassName = "6U";
    layout.Lesson = [](int day, int lesson) {
        if (lesson > 0) return LessonEntry{};
        return LessonEntry{day == 0 ? "Old" : day == 1 ? "Spanish" : "Empty", "", ""};
    };
    const Lines theirs = LessonFileLines(layout);
    ASSERT_EQ(before, LessonFile("Old"));
    ReplaceBehind(Period(1), theirs);
    ReplaceBehind(Notes(), {"A-note B2"});

    FilesChangedOutside(a->ctx);

    EXPECT_TRUE(a->dialogs.Questions.empty());
    EXPECT_FALSE(fs::exists(lessonCopy));
    EXPECT_FALSE(fs::exists(notesCopy));
    EXPECT_TRUE(HasLine(Period(1), "French"));
    EXPECT_TRUE(HasLine(Period(1), "Spanish"));
    EXPECT_EQ(ReadLines(Notes()), (Lines{"A-note B2", " A2"}));
    EXPECT_EQ(a->Lesson(0), "French");
    EXPECT_EQ(a->Lesson(1), "Spanish");
}

}  // namespace
}  // namespace skemora::test
