// Homework follows its lesson when Insert or Delete shifts a day's lessons: in the shown week and
// in the later weeks of the same period, never in earlier weeks or other periods.
#include "app/storage/homework_moves.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/view/week_grid.h"
#include "app/window/window_events.h"
#include "core/timetable/file_names.h"
#include "core/notes/note_files.h"
#include "app/timetable/lesson_commands.h"
#include "core/timetable/lesson_rules.h"
#include "core/timetable/week_homework.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
constexpr int kOct6 = 12332;   // Monday 6 October 2003 (week 41), a later period
constexpr int kWednesday = 2;

// Week files of 2003: week 36 lies before the shown week 37 (Wednesday 10 September), weeks 37
// to 40 in the period an edit in week 37 makes, week 41 in the period after it.
std::string WeekFile(int week) {
    return "a2003" + std::to_string(week) + ".dff";
}

// Wednesday holds W0..W3; in every week file W1 has "w1 <week>" and W3 "w3 <week>" as homework.
class HomeworkMoveTest : public TimetableTest {
protected:
    void SetUp() override {
        Start();
        WritePeter({kAug11, kOct6}, {"Base", "Later"});
        OpenPeter();
        auto& wednesday = ctx.state.Days[kWednesday];
        for (int j = 0; j < 4; ++j) SetLesson(wednesday, j, {"W" + std::to_string(j), "", ""});
        WriteLines(folder / "Peter.dfd", TimetableLines(ctx.state.Days, ctx.state.ClassName));
        for (int week : {36, 37, 39, 40, 41}) {
            WeekHomework homework;
            homework[kWednesday][1].HomeworkText = {"w1 " + std::to_string(week)};
            homework[kWednesday][3].HomeworkText = {"w3 " + std::to_string(week)};
            homework[0][0].HomeworkText = {"monday " + std::to_string(week)};
            WriteLines(User() + WeekFile(week), WeekHomeworkLines(homework));
        }
        OpenPeter();
        SelectCell(ctx, {kWednesday, 1});
        ASSERT_EQ(ctx.state.SelLesson, 1);
    }

    WeekHomework Stored(int week) const {
        WeekHomework homework;
        if (fs::exists(User() + WeekFile(week))) {
            EXPECT_TRUE(ParseWeekHomework(homework, ReadLines(User() + WeekFile(week))));
        }
        return homework;
    }
    // Wednesday's homework texts of a week, position by position ("" where there is none).
    Lines WednesdayHomework(int week) const {
        Lines texts;
        const WeekHomework stored = Stored(week);
        for (const auto& lesson : stored[kWednesday])
            texts.push_back(lesson.HomeworkText.empty() ? "" : lesson.HomeworkText.front());
        while (!texts.empty() && texts.back().empty()) texts.pop_back();
        return texts;
    }
    static Lines Of(int week, std::initializer_list<const char*> names) {
        Lines texts;
        for (const char* name : names)
            texts.push_back(*name ? std::string(name) + " " + std::to_string(week) : "");
        return texts;
    }
};

TEST_F(HomeworkMoveTest, InsertAndDeleteMoveTheHomeworkOfTheShiftedLessonsInTheirPeriodOnly) {
    struct Case {
        const char* what;
        void (*command)(AppContext&);
        std::deque<int> answers;
        std::initializer_list<const char*> moved;
        Lines shownCells;
    };
    const Case cases[] = {
        {"insert before W1", &InsertLesson, {}, {"", "", "w1", "", "w3"},
         {"W0", "New", "W1", "W2", "W3"}},
        {"delete W1, Yes to the question", &DeleteLesson, {kAnswerYes}, {"", "", "w3"},
         {"W0", "W2", "W3", "", ""}},
    };
    const Snapshot start = FilesUnder(folder.Path());
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        for (const auto& [name, bytes] : start) {
            fs::create_directories(fs::path(folder / name).parent_path());
            WriteBytes(folder / name, bytes);
        }
        OpenPeter();
        SelectCell(ctx, {kWednesday, 1});
        dialogs.LessonAnswers = {LessonFields{"New", "", ""}};
        dialogs.AskAnswers = c.answers;
        c.command(ctx);
        for (int week : {37, 39, 40}) {
            EXPECT_EQ(WednesdayHomework(week), Of(week, c.moved)) << c.what << " week " << week;
            EXPECT_EQ(Stored(week)[0][0].HomeworkText, Lines{"monday " + std::to_string(week)});
        }
        // The week before the edit and the next period keep their homework where it was.
        for (int week : {36, 41}) {
            EXPECT_EQ(ReadBytes(User() + WeekFile(week)), start.at("Peter/" + WeekFile(week)))
                << c.what << " week " << week;
        }
        // The shown week's grid shows the homework on its lessons.
        for (int row = 0; row < 5; ++row) {
            const auto& cell = ctx.view.Days[kWednesday].Cells[row];
            EXPECT_EQ(cell.Caption, c.shownCells[row]) << c.what << " row " << row;
            const bool green = cell.Caption == "W1" || cell.Caption == "W3";
            EXPECT_EQ(cell.TextColor, green ? kGreen : kBlack) << c.what << " row " << row;
        }
        EXPECT_FALSE(ctx.state.Saving.Modified) << c.what;
    }
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Delete class W1, Wednesday");
    EXPECT_EQ(dialogs.Questions[0].Message,
              "Delete the lesson and its homework and file shortcuts (week 37, 39, 40)?");
}

TEST_F(HomeworkMoveTest, NoToTheDeleteQuestionKeepsTheLessonAndItsHomework) {
    const Snapshot before = FilesUnder(folder.Path());
    for (int answer : {kAnswerNo, kAnswerCancel}) {
        dialogs.LessonAnswers = {LessonFields{}};
        dialogs.AskAnswers = {answer};
        DeleteLesson(ctx);
        EXPECT_EQ(FilesUnder(folder.Path()), before) << answer;
        EXPECT_EQ(ctx.state.Days[kWednesday].Subject[1], "W1") << answer;
        EXPECT_FALSE(ctx.state.Saving.Modified) << answer;
    }
    EXPECT_EQ(dialogs.Questions.size(), 2u);
    // A lesson without homework anywhere is deleted without the question.
    SelectCell(ctx, {kWednesday, 2});
    dialogs.LessonAnswers = {LessonFields{}};
    DeleteLesson(ctx);
    EXPECT_EQ(dialogs.Questions.size(), 2u);
    EXPECT_EQ(WednesdayHomework(39), Of(39, {"", "w1", "w3"}));
}

TEST_F(HomeworkMoveTest, ChangeKeepsTheHomeworkWhereItIs) {
    const Snapshot before = FilesUnder(folder.Path());
    dialogs.LessonAnswers = {LessonFields{"Art", "", ""}};
    ChangeLesson(ctx);
    for (int week : {36, 37, 39, 40, 41}) {
        EXPECT_EQ(ReadBytes(User() + WeekFile(week)), before.at("Peter/" + WeekFile(week)));
    }
}

// A file that would be written again must be understood whole; else nothing changes at all.
TEST_F(HomeworkMoveTest, ADamagedWeekFileRefusesTheEditAndKeepsEveryFile) {
    const Lines damaged[] = {
        {"3", "2", "x", "0"},              // a count that is no number
        {"3", "2", "2", "only one line"},  // a record cut short
        {"7", "1", "1", "day 7", "0"},     // a day the week does not have
    };
    for (const auto& lines : damaged) {
        WriteLines(User() + WeekFile(39), lines);
        const Snapshot before = FilesUnder(folder.Path());
        for (auto command : {&InsertLesson, &DeleteLesson}) {
            dialogs.LessonAnswers = {LessonFields{"New", "", ""}};
            const std::string error = ErrorOf([&] { command(ctx); });
            EXPECT_NE(error.find(WeekFile(39)), std::string::npos) << error;
            EXPECT_NE(error.find("The time-table was not changed."), std::string::npos) << error;
            EXPECT_EQ(FilesUnder(folder.Path()), before) << lines[0];
            EXPECT_EQ(ctx.state.Days[kWednesday].Subject[1], "W1");
        }
    }
    EXPECT_TRUE(dialogs.LessonsShown.empty());
}

// The day is not full (the 12th position holds no lesson), but a week still holds homework on
// it: an insert would push that homework out of the day.
TEST_F(HomeworkMoveTest, HomeworkOnTheLastPositionIsNeverPushedOut) {
    WeekHomework homework = Stored(40);
    homework[kWednesday][kLessons - 1].Shortcuts = {"/home/peter/left.doc"};
    WriteLines(User() + WeekFile(40), WeekHomeworkLines(homework));
    const Snapshot before = FilesUnder(folder.Path());
    InsertLesson(ctx);
    EXPECT_EQ(dialogs.Messages,
              Lines{"The day's 12th lesson has homework or file shortcuts (week 40), and a new "
                    "lesson would push them out of the day. No lesson was inserted."});
    EXPECT_TRUE(dialogs.LessonsShown.empty());
    EXPECT_EQ(FilesUnder(folder.Path()), before);
}

// The lessons and their homework are saved together or not at all.
TEST_F(HomeworkMoveTest, ALessonSaveThatFailsMovesNoHomeworkAndUndoesTheEdit) {
    const Snapshot before = FilesUnder(folder.Path());
    ctx.state.Saving.FailedLoadPath = Period(1);  // the save is refused
    dialogs.LessonAnswers = {LessonFields{"New", "", ""}};
    InsertLesson(ctx);  // the error shows over the dialog, which is then cancelled
    EXPECT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_EQ(FilesUnder(folder.Path()), before);  // no temporary left either
    EXPECT_EQ(ctx.state.Days[kWednesday].Subject[1], "W1");
    EXPECT_EQ(ctx.view.Days[kWednesday].Cells[1].Caption, "W1");
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

// The upcoming-files list names a lesson by date, subject and first shortcut, so a shifted lesson
// keeps its entry; a deleted one loses it.
TEST_F(HomeworkMoveTest, TheUpcomingListLosesOnlyTheDeletedLesson) {
    constexpr int kSep24 = 12320;  // Wednesday of week 39
    WeekHomework homework = Stored(39);
    homework[kWednesday][1].Shortcuts = {"/d/w1.doc"};
    homework[kWednesday][3].Shortcuts = {"/d/w3.doc"};
    WriteLines(User() + WeekFile(39), WeekHomeworkLines(homework));
    const std::string upcoming = UpcomingFilesPath(User());
    WriteLines(upcoming, {std::to_string(kSep24), "W1", "/d/w1.doc", std::to_string(kSep24), "W3",
                          "/d/w3.doc"});
    dialogs.LessonAnswers = {LessonFields{"New", "", ""}};
    InsertLesson(ctx);
    EXPECT_EQ(ReadLines(upcoming).size(), 6u);
    SelectCell(ctx, {kWednesday, 2});  // W1 again
    ASSERT_EQ(ctx.state.Days[kWednesday].Subject[2], "W1");
    dialogs.LessonAnswers = {LessonFields{}};
    dialogs.AskAnswers = {kAnswerYes};
    DeleteLesson(ctx);
    EXPECT_EQ(ReadLines(upcoming), (Lines{std::to_string(kSep24), "W3", "/d/w3.doc"}));
    EXPECT_EQ(Stored(39)[kWednesday][3].Shortcuts, Lines{"/d/w3.doc"});
}

// The later weeks are found by their files' names, which change year at New Year and follow the
// "Monday first" option.
TEST(HomeworkMoveAcrossNewYear, LaterWeeksOfTheNextYearMoveToo) {
    for (bool sundayFirst : {false, true}) {
        TempFolder folder;
        FakeDialogs dialogs;
        FakePlatform platform;
        AppContext ctx{dialogs, platform};
        platform.TodayDate = {2024, 12, 18};
        platform.Settings["Mandag"] = sundayFirst ? "1" : "0";
        ConstructMainWindow(ctx, folder.Path());
        FirstShow(ctx, {});
        if (ctx.state.SundayFirst != sundayFirst) MondayFirstClick(ctx);
        ASSERT_EQ(ctx.state.SundayFirst, sundayFirst);
        fs::create_directories(folder / "Peter");
        WriteLines(folder / "Peter.dfd", LessonFile("M0"));
        WriteLines(folder / "Peter/fratil.dfd", {"5"});
        OpenTimetable(ctx, folder / "Peter.dfd");
        SetLesson(ctx.state.Days[0], 1, {"M1", "", ""});
        WriteLines(folder / "Peter.dfd", TimetableLines(ctx.state.Days, ctx.state.ClassName));
        const auto fileOf = [&](const Date& d) {
            return folder / "Peter/" +
                   WeekFileName(d.Year, WeekNumber(d.Year, d.Month, d.Day, sundayFirst));
        };
        const Date earlier{2024, 12, 4}, shown{2024, 12, 18}, later{2025, 1, 8};
        for (const Date& d : {earlier, shown, later}) {
            WeekHomework homework;
            homework[0][1].HomeworkText = {"m1"};
            WriteLines(fileOf(d), WeekHomeworkLines(homework));
        }
        OpenTimetable(ctx, folder / "Peter.dfd");
        SelectCell(ctx, {0, 1});
        dialogs.LessonAnswers = {LessonFields{"New", "", ""}};
        InsertLesson(ctx);
        ASSERT_EQ(ctx.state.Days[0].Subject[2], "M1");
        for (const Date& d : {earlier, shown, later}) {
            WeekHomework homework;
            ParseWeekHomework(homework, ReadLines(fileOf(d)));
            const int at = d == earlier ? 1 : 2;
            EXPECT_EQ(homework[0][at].HomeworkText, Lines{"m1"})
                << sundayFirst << " " << d.Year << "-" << d.Month << "-" << d.Day;
        }
    }
}

}  // namespace
}  // namespace skemora::test
