// The interface language beyond the text tables: the names of days and months, the subject a
// fresh time-table stores, and the texts the commands compose, in each language.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/timetable/lesson_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

struct LanguageCase {
    const char* Name;
    const char* Variable;  // SKEMORA_LANGUAGE, nullptr for none
    std::string Monday, May, FreshSubject, RemoveTitle, CannotDelete;
};

class InterfaceLanguageTest : public TimetableTest,
                              public ::testing::WithParamInterface<LanguageCase> {
protected:
    void SetUp() override {
        if (GetParam().Variable)
            ::setenv("SKEMORA_LANGUAGE", GetParam().Variable, 1);
        else
            ::unsetenv("SKEMORA_LANGUAGE");
    }
    void TearDown() override { ::unsetenv("SKEMORA_LANGUAGE"); }
};

TEST_P(InterfaceLanguageTest, ANewUsersTimetableAndTheWeekSpeakTheLanguage) {
    const LanguageCase& language = GetParam();
    Start({2003, 5, 14});
    EXPECT_EQ(ctx.view.Days[0].DayName.Caption, language.Monday);
    EXPECT_EQ(ctx.view.MonthName.Caption, language.May);

    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Peter", "6U"}};
    NewTimetable(ctx);
    // The subject is stored as shown: the files hold the language's word.
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), language.FreshSubject);
    EXPECT_EQ(ReadLines(User() + "fagl.txt"), (Lines{language.FreshSubject, "", ""}));
    for (int d = 0; d < kDays; ++d) EXPECT_EQ(ctx.view.Days[d].Cells[0].Caption, language.FreshSubject);

    // The placeholder cannot be removed from the subject list, in either language's word.
    for (const std::string& subject : {std::string("Empty"), language.FreshSubject}) {
        dialogs.LessonAnswers = {LessonFields{subject, "", ""}};
        RemoveLessonFromList(ctx);
        ASSERT_FALSE(dialogs.LessonsShown.empty());
        EXPECT_EQ(dialogs.LessonsShown.back().Title, language.RemoveTitle);
        ASSERT_FALSE(dialogs.Messages.empty());
        EXPECT_EQ(dialogs.Messages.back(), language.CannotDelete);
        dialogs.Messages.clear();
    }
    EXPECT_EQ(ReadLines(User() + "fagl.txt"), (Lines{language.FreshSubject, "", ""}));
}

TEST_P(InterfaceLanguageTest, ANamesFileStillNamesTheDays) {
    WriteLines(folder / "sp06.txt", Lines(38, "Xday"));
    Start({2003, 5, 14});
    EXPECT_EQ(ctx.view.Days[0].DayName.Caption, "Xday");
    EXPECT_EQ(ctx.view.MonthName.Caption, "Xday");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, InterfaceLanguageTest,
    ::testing::Values(LanguageCase{"English", nullptr, "Monday", "May", "Empty",
                                   "Delete from list", "You can't delete this."},
                      LanguageCase{"Danish", "da", "Mandag", "Maj", "Tom",
                                   "Slet fra listen", "Det kan ikke slettes."}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace skemora::test
