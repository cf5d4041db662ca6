// Every command asks through the messages and its own subsystem's dialogs port alone: run with
// the other ports refusing, each command shows its own dialog and never reaches another
// subsystem's.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/export/export_commands.h"
#include "app/holidays/holiday_commands.h"
#include "app/notes/homework_commands.h"
#include "app/notes/note_commands.h"
#include "app/refresh/refresh.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/school_class_commands.h"
#include "app/window/window_events.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

enum PortSet { kMessagesOnly = 0, kTimetable = 1, kNotes = 2, kHolidays = 4 };

// The subsystem ports a command must not reach: each call fails the test and closes unanswered.
class RefusingPorts : public TimetableDialogs, public NoteDialogs, public HolidayDialogs {
public:
    std::string Command;

    bool EditTime(const std::string&, std::string&, const AcceptStep&) override {
        return Refuse("the time dialog");
    }
    bool EditLesson(const std::string&, const std::vector<std::string>&,
                    const std::vector<std::string>&, LessonFields&, const AcceptStep&) override {
        return Refuse("the lesson dialog");
    }
    std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>&) override {
        Refuse("the new-user dialog");
        return std::nullopt;
    }
    bool EditClassName(std::string&, const AcceptStep&) override {
        return Refuse("the class-name dialog");
    }
    bool EditLessonTimes(int, LessonTimes&, const AcceptStep&) override {
        return Refuse("the lesson-times dialog");
    }
    bool EditHomework(const std::string&, LessonHomework&, const AcceptStep&) override {
        return Refuse("the homework dialog");
    }
    bool EditLinks(const std::string&, std::vector<std::string>&, const AcceptStep&) override {
        return Refuse("the links dialog");
    }
    bool EditMates(const std::string&, const std::string&, std::vector<std::string>&,
                   const AcceptStep&) override {
        return Refuse("the school-mates dialog");
    }
    bool EditContactCard(const std::string&, ContactCardFields&, const AcceptStep&) override {
        return Refuse("the contact card");
    }
    bool EditHoliday(const std::string&, HolidayEditorRecord&, const AcceptStep&) override {
        return Refuse("the holiday editor");
    }

private:
    bool Refuse(const char* dialog) {
        ADD_FAILURE() << Command << " reached " << dialog << " of another subsystem";
        return false;
    }
};

class PortReachTest : public TimetableTest {
protected:
    RefusingPorts refusing;

    // A context whose subsystem ports outside `own` refuse.
    AppContext Guarded(int own) {
        return AppContext(dialogs, own & kTimetable ? AsTimetable(dialogs) : AsTimetable(refusing),
                          own & kNotes ? AsNotes(dialogs) : AsNotes(refusing),
                          own & kHolidays ? AsHolidays(dialogs) : AsHolidays(refusing), platform);
    }

    static TimetableDialogs& AsTimetable(TimetableDialogs& port) { return port; }
    static NoteDialogs& AsNotes(NoteDialogs& port) { return port; }
    static HolidayDialogs& AsHolidays(HolidayDialogs& port) { return port; }
};

// Every dialog the scripted dialogs showed, of any port.
std::size_t DialogsShown(const FakeDialogs& d) {
    return d.TimesShown.size() + d.LessonsShown.size() + d.NewUserDialogs + d.ClassDialogs +
           d.HomeworkDialogs.size() + d.LinksDialogs.size() + d.MatesDialogs.size() +
           d.ContactCardsShown.size() + d.HolidayEditorsShown.size();
}

TEST_F(PortReachTest, EachCommandReachesOnlyTheMessagesAndItsOwnPort) {
    struct Case {
        const char* command;
        std::function<void(AppContext&)> run;
        int own;  // the subsystem ports it may reach; it shows a dialog of each
    };
    const Case cases[] = {
        {"edit start time", &EditStartTime, kTimetable},
        {"change lesson", &ChangeLesson, kTimetable},
        {"delete lesson", &DeleteLesson, kTimetable},
        {"add lesson", &AddLesson, kTimetable},
        {"insert lesson", &InsertLesson, kTimetable},
        {"remove lesson from list", &RemoveLessonFromList, kTimetable},
        {"new time-table", &NewTimetable, kTimetable},
        {"class", &EditClass, kTimetable},
        {"class field", &ClassFieldClick, kTimetable},
        // The school's card is the notes' contact card.
        {"school", &EditSchool, kNotes},
        {"homework", &HomeworkCommand, kNotes},
        {"links", &LinksCommand, kNotes},
        {"teacher", &TeacherCommand, kNotes},
        {"students", &StudentsCommand, kNotes},
        {"new holiday", &nyhelligdagClick, kHolidays},
        {"delete holiday", &slethelligdagClick, kMessagesOnly},
        {"refresh", &RefreshAll, kMessagesOnly},
        {"next week", &NextWeek, kMessagesOnly},
        {"close", [](AppContext& ctx) { CloseQuery(ctx); }, kMessagesOnly},
        {"help", &ShowHelp, kMessagesOnly},
        {"time-table page", &ConverttoClick, kMessagesOnly},
        {"calendar page", &Calendar1Click, kMessagesOnly},
    };
    constexpr int kAug11 = 12276;  // Monday 11 August 2003
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        refusing.Command = c.command;
        dialogs = FakeDialogs{};
        AppContext ctx = Guarded(c.own);
        platform.TodayDate = {2003, 9, 10};
        platform.Settings["Mandag"] = "0";
        ConstructMainWindow(ctx, folder.Path());
        FirstShow(ctx, {});
        WritePeter({kAug11}, {"Math"});
        OpenTimetable(ctx, folder / "Peter.dfd");
        SelectCell(ctx, {0, 0});
        c.run(ctx);
        if (c.own != kMessagesOnly) {
            EXPECT_GT(DialogsShown(dialogs), 0u);
        }
    }
}

}  // namespace
}  // namespace skemora::test
