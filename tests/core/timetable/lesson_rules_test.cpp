#include "core/timetable/lesson_rules.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

TEST(LessonRules, TimesAreShownAsHoursAndMinutes) {
    const std::pair<int, const char*> cases[] = {
        {800, "08:00"}, {1345, "13:45"}, {705, "07:05"}, {0, "00:00"}, {2359, "23:59"}};
    for (const auto& [time, text] : cases) EXPECT_EQ(FormatTime(time), text) << time;
}

TEST(LessonRules, TheTimeFieldKeepsOnlyTimesOfTheDay) {
    // A half-typed field may stand while typing, but only a whole time is stored.
    struct Case {
        const char* typed;
        std::optional<int> start;
        bool stands;
    };
    const Case cases[] = {
        {"08:30", 830, true},  {"13:45", 1345, true}, {"07:05", 705, true},  {"00:00", 0, true},
        {"23:59", 2359, true}, {"24:00", {}, false},  {"12:60", {}, false},  {"99:99", {}, false},
        {"1 :3 ", {}, true},   {"  :  ", {}, true},   {"08:3 ", {}, true},   {"", {}, true},
        {"ab:cd", {}, false},  {"0800", {}, false},   {"08:000", {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartTimeOfText(c.typed), c.start) << c.typed;
        EXPECT_EQ(TimeFieldText(c.typed, "08:00"), c.stands ? c.typed : "08:00") << c.typed;
    }
}

TEST(LessonRules, RefusedCharactersAreRemovedWhereverTheyStand) {
    struct Case {
        const char* text;
        const char* kept;
        const char* refused;
    };
    const Case cases[] = {
        {"Math", "Math", ""},
        {"Math/", "Math", "/"},
        {"a/bc", "abc", "/"},
        {"/?*\\|:\"<>", "", "/?*\\|:\"<>"},
        {"Dansk: B/C", "Dansk BC", ":/"},
        {"Fysik-Kemi 9.a", "Fysik-Kemi 9.a", ""},
        {"Ærø:", "Ærø", ":"},
    };
    for (const auto& c : cases) {
        const auto cleaned = WithoutRefusedCharacters(c.text);
        EXPECT_EQ(cleaned.Text, c.kept) << c.text;
        EXPECT_EQ(cleaned.Refused, c.refused) << c.text;
    }
}

TEST(LessonRules, TypingMathSlashTwoGivesOneRefusalAndMath2) {
    std::string field;
    std::string refused;
    for (char c : std::string("Math/2")) {
        const auto cleaned = WithoutRefusedCharacters(field + c);
        field = cleaned.Text;
        refused += cleaned.Refused;
    }
    EXPECT_EQ(field, "Math2");
    EXPECT_EQ(refused, "/");
}

TEST(LessonRules, OnlyWhatAnEditPutsInLosesItsRefusedCharactersAndLeadingDots) {
    struct Case {
        const char* what;
        const char* before;
        const char* typed;
        const char* kept;
        const char* refused;
    };
    const Case cases[] = {
        {"the opening text is left alone", "Physics/Chemistry", "Physics/Chemistry",
         "Physics/Chemistry", ""},
        {"typing after it keeps its slash", "Physics/Chemistry", "Physics/Chemistry 2",
         "Physics/Chemistry 2", ""},
        {"a slash typed into it goes", "Physics/Chemistry", "Physics/Chem/istry",
         "Physics/Chemistry", "/"},
        {"a paste in the middle loses its own", "ab", "a<x:y>b", "axyb", "<:>"},
        {"a paste over everything", "Old", "C:\\x", "Cx", ":\\"},
        {"a dot typed first", "NET", ".NET", "NET", "."},
        {"dots pasted into an empty field", "", "..NET", "NET", ".."},
        {"deleting what stood before a dot", "X.NET", ".NET", "NET", "."},
        {"an opening dot stays", ".NET", ".NET2", ".NET2", ""},
        {"a second dot before an opening one", ".NET", "..NET", ".NET", "."},
        {"dots inside and at the end stay", "Pe", "Pe.ter.", "Pe.ter.", ""},
        {"a letter before a dot", ".NET", "A.NET", "A.NET", ""},
        {"letters around the edit repeat", "aaa", "aa/aa", "aaaa", "/"},
        {"UTF-8 next to a refused character", "Ærø", "Ær:ø", "Ærø", ":"},
    };
    for (const auto& c : cases) {
        const auto cleaned = WithoutTypedRefusedCharacters(c.before, c.typed);
        EXPECT_EQ(cleaned.Text, c.kept) << c.what;
        EXPECT_EQ(cleaned.Refused, c.refused) << c.what;
    }
}

TEST(LessonRules, AnAnswerKeepsTheRefusedCharactersItsOpeningTextHeld) {
    struct Case {
        const char* opening;
        const char* answer;
        const char* kept;
        const char* refused;
    };
    const Case cases[] = {
        {"Physics/Chemistry", "Physics/Chemistry", "Physics/Chemistry", ""},
        {"x/y/z", "Ax/y/zB", "Ax/y/zB", ""},  // two edits, one at each end
        {"Physics/Chemistry", "Physics/Chem/istry", "Physics/Chemistry", "/"},
        {"a:b/c", "a/b:c", "a/bc", ":"},  // kept in the opening's order
        {"", "Math/2", "Math2", "/"},
        {"", "..NET", "NET", ".."},
        {".NET", ".NET 2", ".NET 2", ""},
        {"NET", ".NET", "NET", "."},
    };
    for (const auto& c : cases) {
        const auto cleaned = WithoutAddedRefusedCharacters(c.opening, c.answer);
        EXPECT_EQ(cleaned.Text, c.kept) << c.answer;
        EXPECT_EQ(cleaned.Refused, c.refused) << c.answer;
    }
}

TEST(LessonRules, AKnownSubjectGivesTheRoomAndTeacherOfItsLastEntry) {
    const std::vector<std::string> list = {"Math", "12",   "Hansen", "Art",   "3",
                                           "Berg", "Math", "14",     "Jensen"};
    EXPECT_EQ(LessonFromList(list, "Math"), (LessonFields{"Math", "14", "Jensen"}));
    EXPECT_EQ(LessonFromList(list, "Art"), (LessonFields{"Art", "3", "Berg"}));
    EXPECT_EQ(LessonFromList(list, "math"), std::nullopt);
    EXPECT_EQ(LessonFromList(list, ""), std::nullopt);
    EXPECT_EQ(LessonFromList({"Math", "12"}, "Math"), std::nullopt);  // a cut-off entry
}

DayRecord FourLessons() {
    DayRecord day;
    for (int j = 0; j < 4; ++j) {
        SetLesson(day, j,
                  {"S" + std::to_string(j), "R" + std::to_string(j), "T" + std::to_string(j)});
    }
    return day;
}

std::vector<std::string> Subjects(const DayRecord& day) {
    return {day.Subject.begin(), day.Subject.end()};
}

TEST(LessonRules, DeleteInsertAndAddOnADayOfFourLessons) {
    const LessonFields added{"New", "R9", "T9"};
    struct Case {
        const char* what;
        std::function<bool(DayRecord&)> change;
        std::vector<std::string> subjects;
    };
    const std::vector<Case> cases = {
        {"delete 1",
         [](DayRecord& d) { return DeleteLessonAt(d, 1); },
         {"S0", "S2", "S3", "", "", "", "", "", "", "", "", ""}},
        {"delete 3",
         [](DayRecord& d) { return DeleteLessonAt(d, 3); },
         {"S0", "S1", "S2", "", "", "", "", "", "", "", "", ""}},
        {"insert 1",
         [&](DayRecord& d) { return InsertLessonAt(d, 1, added); },
         {"S0", "New", "S1", "S2", "S3", "", "", "", "", "", "", ""}},
        {"insert 0",
         [&](DayRecord& d) { return InsertLessonAt(d, 0, added); },
         {"New", "S0", "S1", "S2", "S3", "", "", "", "", "", "", ""}},
        {"add",
         [&](DayRecord& d) { return AddLessonTo(d, added); },
         {"S0", "S1", "S2", "S3", "New", "", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        DayRecord day = FourLessons();
        EXPECT_TRUE(c.change(day)) << c.what;
        EXPECT_EQ(Subjects(day), c.subjects) << c.what;
        for (int j = 0; j < kLessons; ++j) {
            // Room and teacher travel with their subject.
            if (day.Subject[j].size() == 2) {
                EXPECT_EQ(day.Room[j], "R" + day.Subject[j].substr(1)) << c.what << j;
                EXPECT_EQ(day.Teacher[j], "T" + day.Subject[j].substr(1)) << c.what << j;
            } else if (day.Subject[j].empty()) {
                EXPECT_TRUE(day.Room[j].empty() && day.Teacher[j].empty()) << c.what << j;
            }
        }
    }
}

TEST(LessonRules, RefusedChangesLeaveTheDayAlone) {
    DayRecord single;
    SetLesson(single, 0, {"Only", "", ""});
    DayRecord full;
    for (int j = 0; j < kLessons; ++j) SetLesson(full, j, {"S" + std::to_string(j), "", ""});
    struct Case {
        const char* what;
        DayRecord day;
        std::function<bool(DayRecord&)> change;
    };
    const std::vector<Case> cases = {
        {"delete the last lesson", single, [](DayRecord& d) { return DeleteLessonAt(d, 0); }},
        {"delete out of range", FourLessons(), [](DayRecord& d) { return DeleteLessonAt(d, 12); }},
        {"add to a full day", full,
         [](DayRecord& d) {
             return AddLessonTo(d, {"X", "", ""});
         }},
        {"insert into a full day", full,
         [](DayRecord& d) {
             return InsertLessonAt(d, 3, {"X", "", ""});
         }},
        {"insert out of range", FourLessons(),
         [](DayRecord& d) {
             return InsertLessonAt(d, -1, {"X", "", ""});
         }},
    };
    for (const auto& c : cases) {
        DayRecord day = c.day;
        EXPECT_FALSE(c.change(day)) << c.what;
        EXPECT_EQ(Subjects(day), Subjects(c.day)) << c.what;
    }
}

TEST(LessonRules, ANewUserNameMustNameAFileAndAFolder) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"Peter", "Peter"},     {"Pe:ter", "Peter"},   {"Anne Marie", "Anne Marie"},
        {"", std::nullopt},     {"..", std::nullopt},  {" . ", std::nullopt},
        {"/", std::nullopt},    {"../x", "x"},         {".Peter", "Peter"},
        {"Pe.ter.", "Pe.ter."}, {"Pe\nter", "Pe ter"},
    };
    for (const auto& [typed, name] : cases) EXPECT_EQ(NewUserName(typed), name) << typed;
    EXPECT_TRUE(ClassNeedsConfirming("6U", "6U"));
    EXPECT_FALSE(ClassNeedsConfirming("", "6U"));
    EXPECT_FALSE(ClassNeedsConfirming("7U", "6U"));
}

}  // namespace
}  // namespace skemora
