// A dialog whose OK writes a file stays open when the write fails: the error box names the
// reason, a second OK stores what was typed, and closing the dialog instead changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "app/window/navigation.h"
#include "core/files/write_faults.h"
#include "app/holidays/holiday_commands.h"
#include "app/notes/homework_commands.h"
#include "app/notes/note_commands.h"
#include "support/timetable_session.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/school_class_commands.h"

namespace skemora::test {
namespace {

// The disk is full for the first file the command creates, and has room again after.
int createsSeen = 0;
bool FirstCreateFails(WriteStep step) {
    return step == WriteStep::Create && createsSeen++ == 0;
}

struct Case {
    const char* what;
    // Selects what the command works on.
    std::function<void(Session&)> prepare = [](Session&) {};
    // Queues the dialog's answer: what is typed, then (when `cancel`) a close without OK.
    std::function<void(FakeDialogs&, bool cancel)> answer;
    std::function<void(AppContext&)> command;
};

template <typename T>
void Twice(std::deque<std::optional<T>>& queue, const T& typed, bool cancel) {
    queue = {typed, cancel ? std::nullopt : std::optional<T>(typed)};
}

const ContactCardFields kCard = {"Hansen", "Vej 1", "", "", "1234", "", "h@s.dk"};

const Case kCases[] = {
    {"homework",
     [](Session& s) {
         SelectCell(s.ctx, {0, 0});
     },
     [](FakeDialogs& d, bool cancel) {
         Twice(d.HomeworkAnswers, LessonHomework{{"read p. 12", "and p. 13"}, {}}, cancel);
     },
     &HomeworkCommand},
    {"links",
     [](Session& s) {
         SelectCell(s.ctx, {0, 0});
     },
     [](FakeDialogs& d, bool cancel) {
         Twice(d.LinksAnswers, std::vector<std::string>{"http://a.dk"}, cancel);
     },
     &LinksCommand},
    {"teacher card",
     [](Session& s) {
         SelectCell(s.ctx, {0, 0});
     },
     [](FakeDialogs& d, bool cancel) { Twice(d.ContactCardAnswers, kCard, cancel); },
     &TeacherCommand},
    {"school card", [](Session&) {},
     [](FakeDialogs& d, bool cancel) { Twice(d.ContactCardAnswers, kCard, cancel); }, &EditSchool},
    {"school mates", [](Session&) {},
     [](FakeDialogs& d, bool cancel) { Twice(d.MatesAnswers, ContactCardLines(kCard), cancel); },
     &StudentsCommand},
    {"class", [](Session&) {},
     [](FakeDialogs& d, bool cancel) { Twice(d.ClassNameAnswers, std::string("7B"), cancel); },
     &EditClass},
    {"lesson change",
     [](Session& s) {
         SelectCell(s.ctx, {0, 0});
     },
     [](FakeDialogs& d, bool cancel) {
         Twice(d.LessonAnswers, LessonFields{"Bio", "12", "Jensen"}, cancel);
     },
     &ChangeLesson},
    {"lesson added",
     [](Session& s) {
         SelectCell(s.ctx, {2, 0});
     },
     [](FakeDialogs& d, bool cancel) {
         Twice(d.LessonAnswers, LessonFields{"Art", "4", "Berg"}, cancel);
     },
     &AddLesson},
    {"start time",
     [](Session& s) {
         SelectCell(s.ctx, {0, 0});
     },
     [](FakeDialogs& d, bool cancel) { Twice(d.TimeAnswers, std::string("09:15"), cancel); },
     &EditStartTime},
    {"holiday", [](Session&) {},
     [](FakeDialogs& d, bool cancel) {
         Twice(d.HolidayAnswers,
               FakeDialogs::HolidayAnswer{{2003, 10, 13}, {2003, 10, 17}, "Efterår", 2}, cancel);
     },
     &nyhelligdagClick},
};

// Runs the case's command as the event boundary does; the snapshot of the data folder after it.
Snapshot RunCase(Session& s, const Case& c, bool fault, bool cancel) {
    c.prepare(s);
    c.answer(s.dialogs, cancel);
    createsSeen = 0;
    if (fault) SetWriteFaultHook(&FirstCreateFails);
    s.Boundary([&] { c.command(s.ctx); });
    SetWriteFaultHook(nullptr);
    return FilesUnder(s.folder.Path());
}

TEST(FailedSaveTest, ADialogWhoseSaveFailsStaysOpenForAnotherTryOrACancel) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Snapshot before, saved;
        {
            Session s;
            s.Open({DayNumber(2003, 8, 11)}, {"Math"});
            before = FilesUnder(s.folder.Path());
            saved = RunCase(s, c, false, false);
            ASSERT_TRUE(s.dialogs.Errors.empty()) << s.dialogs.Errors.front();
            ASSERT_NE(saved, before);
        }
        {
            Session s;
            s.Open({DayNumber(2003, 8, 11)}, {"Math"});
            EXPECT_EQ(RunCase(s, c, true, false), saved) << "the second OK stores what was typed";
            ASSERT_EQ(s.dialogs.Errors.size(), 1u);
            EXPECT_NE(s.dialogs.Errors[0].find("Cannot create file "), std::string::npos);
            EXPECT_NE(s.dialogs.Errors[0].find("\nNo space left on device"), std::string::npos)
                << s.dialogs.Errors[0];
        }
        {
            Session s;
            s.Open({DayNumber(2003, 8, 11)}, {"Math"});
            const DayRecords days = s.ctx.state.Days;
            const std::string className = s.ctx.state.ClassName;
            EXPECT_EQ(RunCase(s, c, true, true), before)
                << "a cancel after the error changes nothing";
            EXPECT_EQ(s.dialogs.Errors.size(), 1u);
            for (int d = 0; d < kDays; ++d) {
                EXPECT_EQ(s.ctx.state.Days[d].Subject, days[d].Subject);
                EXPECT_EQ(s.ctx.state.Days[d].Room, days[d].Room);
                EXPECT_EQ(s.ctx.state.Days[d].StartTime, days[d].StartTime);
            }
            EXPECT_EQ(s.ctx.state.ClassName, className);
            EXPECT_FALSE(s.ctx.state.Saving.Modified);
        }
    }
}

TEST(FailedSaveTest, TheErrorBoxOfAFailedSaveSpeaksTheInterfaceLanguage) {
    Session s;
    s.Open({DayNumber(2003, 8, 11)}, {"Math"});
    s.ctx.state.LanguageCode = kDanish;
    RunCase(s, kCases[0], true, true);
    ASSERT_EQ(s.dialogs.Errors.size(), 1u);
    EXPECT_NE(s.dialogs.Errors[0].find("Kan ikke oprette filen "), std::string::npos);
    EXPECT_NE(s.dialogs.Errors[0].find("\nDer er ikke mere plads på disken"), std::string::npos);
}

}  // namespace
}  // namespace skemora::test
