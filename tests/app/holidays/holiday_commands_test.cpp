// The Holidays menu's commands over a real data folder: the editor's period written month by
// month, the question for days already marked, deleting one day's mark, and what the window
// shows afterwards.
#include "app/holidays/holiday_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/state/view_model.h"
#include "core/files/file_ops.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

constexpr int kPurple = 7;  // clPurple, 0x800080
constexpr int kGreenIndex = 0;

class HolidayCommandsTest : public TimetableTest {
protected:
    void SetUp() override {
        WritePeter({5}, {"Math"});
        Start({2002, 12, 20});
        OpenPeter();
    }

    std::string Month(int year, int month) const { return folder / HolidayFileName(year, month); }
    // The editor answers OK with this period.
    void Enter(Date from, Date to, const std::string& name, int colour = kPurple) {
        dialogs.HolidayAnswers.push_back(FakeDialogs::HolidayAnswer{from, to, name, colour});
        nyhelligdagClick(ctx);
    }
    const Element& HolidayLabel(int weekday) const { return ctx.view.Days[weekday].Holiday; }
};

TEST_F(HolidayCommandsTest, ChristmasAcrossTheTurnOfTheYearWritesTwoMonthFiles) {
    Select(2002, 12, 20);
    Enter({2002, 12, 20}, {2003, 1, 3}, "Christmas");

    ASSERT_EQ(dialogs.HolidayEditorsShown.size(), 1u);
    const auto& [title, record] = dialogs.HolidayEditorsShown[0];
    EXPECT_EQ(title, "Holidays");
    EXPECT_EQ(record.From, (Date{2002, 12, 20}));
    EXPECT_EQ(record.ShortMonthNames, ctx.state.Names.ShortMonthNames);
    EXPECT_EQ(record.WeekdayStrip, ctx.view.WeekdayStrip.Caption);
    EXPECT_TRUE(dialogs.Questions.empty());

    Lines december;
    for (int day : {20, 23, 24, 25, 26, 27, 30, 31})
        december.insert(december.end(), {std::to_string(day - 1), "clPurple", "Christmas"});
    EXPECT_EQ(ReadLines(Month(2002, 12)), december);
    EXPECT_EQ(ReadLines(Month(2003, 1)), (Lines{"0", "clPurple", "Christmas", "1", "clPurple",
                                                "Christmas", "2", "clPurple", "Christmas"}));
    EXPECT_FALSE(std::filesystem::exists(Month(2003, 2)));

    // The week across the turn of the year shows every day's mark in its colour, January's
    // from the table of the month after.
    Select(2002, 12, 30);
    for (int weekday = 0; weekday < 5; ++weekday) {
        EXPECT_TRUE(HolidayLabel(weekday).Visible) << weekday;
        EXPECT_EQ(HolidayLabel(weekday).Caption, "Christmas") << weekday;
        // The selected Monday shows white on blue.
        if (weekday > 0) {
            EXPECT_EQ(HolidayLabel(weekday).TextColor, 0x800080u) << weekday;
        }
    }
    EXPECT_EQ(ctx.view.DayLabels[22].TextColor, 0x800080u);  // 23 December in the month panel
    EXPECT_EQ(ctx.view.DayLabels[20].TextColor, kBlack);     // the Saturday has no mark
    EXPECT_TRUE(ctx.view.Menus.HolidaysDelete.Enabled);
}

TEST_F(HolidayCommandsTest, ASaturdayAloneMarksNothingButWritesTheMonth) {
    Enter({2002, 12, 21}, {2002, 12, 21}, "Weekend");
    ASSERT_TRUE(FileExists(Month(2002, 12)));
    EXPECT_EQ(ReadBytes(Month(2002, 12)), "");
}

TEST_F(HolidayCommandsTest, AnsweringNoKeepsThatDaysOldMark) {
    WriteLines(Month(2002, 12), {"22", "clGreen", "Old", "23", "clGreen", "Old"});
    dialogs.AskAnswers = {kAnswerYes, kAnswerNo};
    Enter({2002, 12, 23}, {2002, 12, 25}, "New", kPurple);

    ASSERT_EQ(dialogs.Questions.size(), 2u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Holiday already used! = New");
    EXPECT_EQ(dialogs.Questions[0].Message, "Delete Old?");
    EXPECT_EQ(ReadLines(Month(2002, 12)),
              (Lines{"22", "clPurple", "New", "23", "clGreen", "Old", "24", "clPurple", "New"}));
}

TEST_F(HolidayCommandsTest, CancelStopsBeforeTheMonthInProgressButShowsTheMonthsDone) {
    WriteLines(Month(2003, 1), {"1", "clGreen", "Old"});
    Select(2002, 12, 30);
    dialogs.AskAnswers = {kAnswerCancel};
    Enter({2002, 12, 30}, {2003, 1, 3}, "New");

    EXPECT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(ReadLines(Month(2002, 12)),
              (Lines{"29", "clPurple", "New", "30", "clPurple", "New"}));
    EXPECT_EQ(ReadLines(Month(2003, 1)), (Lines{"1", "clGreen", "Old"}));
    EXPECT_EQ(HolidayLabel(0).Caption, "New");
    EXPECT_TRUE(HolidayLabel(0).Visible);
    EXPECT_FALSE(HolidayLabel(2).Visible);
    EXPECT_EQ(HolidayLabel(3).Caption, "Old");
}

TEST_F(HolidayCommandsTest, AnEmptyNameIsAMarkWithAnEmptyLabelInItsColour) {
    Select(2002, 12, 23);
    Enter({2002, 12, 24}, {2002, 12, 24}, "", kGreenIndex);
    EXPECT_EQ(ReadLines(Month(2002, 12)), (Lines{"23", "clGreen", ""}));
    EXPECT_TRUE(HolidayLabel(1).Visible);
    EXPECT_EQ(HolidayLabel(1).Caption, "");
    EXPECT_EQ(HolidayLabel(1).TextColor, kGreen);
}

TEST_F(HolidayCommandsTest, APeriodStartingBefore1970IsRefusedAndWritesNothing) {
    Enter({1969, 12, 29}, {1970, 1, 2}, "Old times");
    EXPECT_EQ(dialogs.Messages,
              (std::vector<std::string>{"You can not sellect a date older than 1970."}));
    EXPECT_FALSE(FileExists(Month(1969, 12)));
    EXPECT_FALSE(FileExists(Month(1970, 1)));
}

TEST_F(HolidayCommandsTest, ClosingTheEditorChangesNothing) {
    nyhelligdagClick(ctx);
    EXPECT_EQ(dialogs.HolidayEditorsShown.size(), 1u);
    EXPECT_FALSE(FileExists(Month(2002, 12)));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(HolidayCommandsTest, DeletingOneDayLeavesTheRestOfThePeriod) {
    Enter({2002, 12, 23}, {2002, 12, 25}, "Short");
    Select(2002, 12, 24);
    EXPECT_TRUE(ctx.view.Menus.HolidaysDelete.Enabled);
    dialogs.AskAnswers = {kAnswerYes};
    slethelligdagClick(ctx);

    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Do you want to delete this holiday?");
    EXPECT_EQ(dialogs.Questions[0].Message, "Delete Short?");
    EXPECT_EQ(ReadLines(Month(2002, 12)),
              (Lines{"22", "clPurple", "Short", "24", "clPurple", "Short"}));
    EXPECT_FALSE(HolidayLabel(1).Visible);
    EXPECT_TRUE(HolidayLabel(0).Visible);
    EXPECT_FALSE(ctx.view.Menus.HolidaysDelete.Enabled);
}

TEST_F(HolidayCommandsTest, DeletingTheLastMarkRemovesTheMonthFile) {
    Enter({2003, 1, 2}, {2003, 1, 2}, "Alone");
    Select(2003, 1, 2);
    dialogs.AskAnswers = {kAnswerNo, kAnswerYes};
    slethelligdagClick(ctx);  // No keeps it
    EXPECT_TRUE(FileExists(Month(2003, 1)));
    slethelligdagClick(ctx);
    EXPECT_FALSE(FileExists(Month(2003, 1)));
    EXPECT_FALSE(HolidayLabel(3).Visible);

    // On a day without a mark nothing is asked.
    slethelligdagClick(ctx);
    EXPECT_EQ(dialogs.Questions.size(), 2u);
}

// Every month file in the data folder, and anything else left beside them.
std::set<std::string> DataFolderNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    return names;
}

TEST_F(HolidayCommandsTest, APeriodLongerThanAYearIsEnteredOnlyAfterAYes) {
    struct Case {
        const char* What;
        Date From, To;
        int Answer;
        const char* Question;  // empty: none asked
        int MonthsWritten;
    };
    const Case cases[] = {
        {"a year to the day is asked nothing", {2003, 8, 1}, {2004, 7, 31}, 0, "", 12},
        {"a year and a day asks", {2003, 8, 1}, {2004, 8, 1}, kAnswerNo,
         "This holiday covers 13 months. Enter it anyway?", 0},
        {"1970 to 9999 asks, and No writes nothing", {1970, 1, 1}, {9999, 12, 31}, kAnswerNo,
         "This holiday covers 96360 months. Enter it anyway?", 0},
        {"closing the question writes nothing", {2003, 1, 1}, {2005, 1, 1}, kAnswerCancel,
         "This holiday covers 25 months. Enter it anyway?", 0},
        {"Yes enters it", {2003, 1, 1}, {2005, 1, 1}, kAnswerYes,
         "This holiday covers 25 months. Enter it anyway?", 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const auto before = DataFolderNames(folder.Path());
        dialogs.Questions.clear();
        dialogs.AskAnswers = {c.Answer};
        Enter(c.From, c.To, "Long");
        if (*c.Question) {
            ASSERT_EQ(dialogs.Questions.size(), 1u);
            EXPECT_EQ(dialogs.Questions[0].Title, "Holidays");
            EXPECT_EQ(dialogs.Questions[0].Message, c.Question);
        } else {
            EXPECT_TRUE(dialogs.Questions.empty());
        }
        const auto after = DataFolderNames(folder.Path());
        EXPECT_EQ(after.size(), before.size() + static_cast<std::size_t>(c.MonthsWritten));
        for (const auto& name : after)
            if (!before.count(name)) std::filesystem::remove(folder / name);
    }
}

TEST_F(HolidayCommandsTest, ALongPeriodShowsItsProgressAndCancelStopsBetweenTwoMonths) {
    dialogs.CancelProgressAt = 3;
    Enter({2003, 1, 6}, {2003, 12, 31}, "School trip");
    ASSERT_EQ(dialogs.ProgressWindows.size(), 1u);
    EXPECT_EQ(dialogs.ProgressWindows[0].Label, "Entering the holiday period …");
    EXPECT_EQ(dialogs.ProgressWindows[0].Total, 12);
    EXPECT_EQ(dialogs.ProgressWindows[0].Steps, (std::vector<int>{0, 1, 2, 3}));
    // January to March are whole; nothing of April was written, not even a temporary file.
    for (int month = 1; month <= 3; ++month) EXPECT_TRUE(FileExists(Month(2003, month))) << month;
    EXPECT_EQ(DataFolderNames(folder.Path()),
              (std::set<std::string>{"Peter.dfd", HolidayFileName(2003, 1),
                                     HolidayFileName(2003, 2), HolidayFileName(2003, 3)}));
    EXPECT_EQ(ReadLines(Month(2003, 3)).size(), 3u * 21);
    // The months entered show at once.
    Select(2003, 1, 6);
    EXPECT_EQ(HolidayLabel(0).Caption, "School trip");
}

TEST_F(HolidayCommandsTest, DanishQuestionsAndRefusal) {
    ctx.state.LanguageCode = kDanish;
    ctx.texts = MessageTextsFor(kDanish);
    WriteLines(Month(2002, 12), {"22", "clGreen", "Gammel"});
    dialogs.AskAnswers = {kAnswerNo};
    Enter({2002, 12, 23}, {2002, 12, 23}, "Jul");
    Enter({1960, 1, 1}, {1960, 1, 1}, "Jul");
    EXPECT_EQ(dialogs.HolidayEditorsShown[0].first, "Helligdage");
    EXPECT_EQ(dialogs.HolidayEditorsShown[0].second.LanguageCode, kDanish);
    EXPECT_EQ(dialogs.Questions[0].Title, "Feriedag optaget! = Jul");
    EXPECT_EQ(dialogs.Questions[0].Message, "Slet Gammel?");
    EXPECT_EQ(dialogs.Messages.back(), "Du kan ikke vælge datoer fra før 1970.");
    dialogs.AskAnswers = {kAnswerNo};
    Enter({2003, 1, 1}, {2005, 1, 1}, "Lang");
    EXPECT_EQ(dialogs.Questions.back().Message,
              "Denne ferie strækker sig over 25 måneder. Skal den oprettes alligevel?");
    EXPECT_EQ(dialogs.ProgressWindows.back().Label, "Opretter ferieperioden …");
}

}  // namespace
}  // namespace skemora::test
