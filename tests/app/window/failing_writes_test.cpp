// Writing that fails on purpose at every step of a command in turn: the file layer's k-th
// create, write, sync, close, rename or delete fails as a full or broken disk would. After each
// failure the command has reported it, nothing crashed, every file that was there is still there
// with its old bytes or its complete new version, no temporary file is left, and running the
// command's save again without faults leaves exactly what a faultless run leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "app/window/navigation.h"
#include "app/export/export_commands.h"
#include "core/files/write_faults.h"
#include "app/holidays/holiday_commands.h"
#include "core/holidays/holiday_tables.h"
#include "app/notes/homework_commands.h"
#include "support/timetable_session.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/week_notes_commands.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

bool Hidden(const std::string& relative) {
    return fs::path(relative).filename().string().front() == '.';
}

// The fault: the step numbered failAt (from 1) fails; every step is counted.
int stepsSeen = 0;
int failAt = 0;
WriteStep failedStep = WriteStep::Create;
bool CountAndFail(WriteStep step) {
    if (++stepsSeen != failAt) return false;
    failedStep = step;
    return true;
}
class FaultScope {
public:
    explicit FaultScope(int at) {
        stepsSeen = 0;
        failAt = at;
        SetWriteFaultHook(&CountAndFail);
    }
    ~FaultScope() { SetWriteFaultHook(nullptr); }
};

// Runs a command as the event boundary does: a SkemoraError is shown.
void RunCommand(Session& s, const std::function<void(Session&)>& command) {
    try {
        command(s);
    } catch (const SkemoraError& error) {
        s.dialogs.ShowError(error.what());
    }
}

struct Scenario {
    const char* what;
    std::function<void(Session&)> prepare;  // lay out the files, open, select; no faults
    std::function<void(Session&)> command;  // the command that writes
    std::function<void(Session&)> retry;    // what writes the same edit again
    // A complete version in between that the command may stop at (a save made of two saves).
    std::function<bool(const std::string& name, const std::string& before, const std::string& now)>
        between = nullptr;
};

// A full list retires a period in a save of its own before the edit's period goes in: the list
// may stop there, one start shorter, every remaining start one it had.
bool RetiredOnly(const std::string& name, const std::string& before, const std::string& now) {
    if (name != "Peter/fratil.dfd") return false;
    const auto old = DecodeLines(before);
    const auto kept = DecodeLines(now);
    return kept.size() + 1 == old.size() &&
           std::includes(old.begin(), old.end(), kept.begin(), kept.end());
}

void SetMondayLesson(Session& s, const std::string& subject) {
    SelectCell(s.ctx, {0, 0});
    s.dialogs.LessonAnswers = {LessonFields{subject, "3", "Jensen"}};
    ChangeLesson(s.ctx);
}

// The lesson dialog's OK again: a save that failed put the lessons back as they were.
void ChangeMondayToBio(Session& s) {
    SetMondayLesson(s, "Bio");
}

void Homework(Session& s) {
    s.dialogs.HomeworkAnswers.push_back(LessonHomework{{"read p. 12"}, {"/h/a.doc"}});
    HomeworkCommand(s.ctx);
}

void Holiday(Session& s) {
    s.dialogs.HolidayAnswers.push_back(
        FakeDialogs::HolidayAnswer{{2003, 9, 29}, {2003, 10, 3}, "Efterår", 2});
    s.dialogs.AskAnswers = {kAnswerYes};
    nyhelligdagClick(s.ctx);
}

const Scenario kScenarios[] = {
    {"a keystroke in the notes",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11)}, {"Math"});
         s.ctx.view.NotesText = "first";
         NotesEdited(s.ctx);
     },
     [](Session& s) {
         s.ctx.view.NotesText = "first\nsecond";
         NotesEdited(s.ctx);
     },
     [](Session& s) { NotesEdited(s.ctx); }},
    {"a lesson edit that appends a period",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11)}, {"Math"});
         WriteLines(s.User() + "fagl.txt", {"Math", "", ""});
     },
     &ChangeMondayToBio, &ChangeMondayToBio},
    {"a lesson edit that inserts a period",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11), DayNumber(2003, 10, 6)}, {"Math", "Art"});
         s.Select(2003, 9, 10);
     },
     &ChangeMondayToBio, &ChangeMondayToBio},
    {"a lesson edit that retires a period of a full list",
     [](Session& s) {
         std::vector<int> starts;
         for (int k = 0; k < kMaxStoredPeriods; ++k)
             starts.push_back(DayNumber(2002, 1, 7) + 7 * k);
         s.Open(starts, {"Math", "One", "Two", "Three"});
     },
     &ChangeMondayToBio, &ChangeMondayToBio, &RetiredOnly},
    {"a homework with its upcoming-files entry",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11)}, {"Math"});
         WriteLines(s.User() + "lek.flk", {std::to_string(DayNumber(2003, 9, 20)), "Art", "/h/z"});
         SelectCell(s.ctx, {0, 1});
         s.dialogs.HomeworkAnswers.push_back(LessonHomework{{"old"}, {}});
         HomeworkCommand(s.ctx);
         SelectCell(s.ctx, {3, 0});  // Thursday: tomorrow
     },
     &Homework, &Homework},
    {"a holiday period across two months",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11)}, {"Math"});
         WriteLines(s.folder / HolidayFileName(2003, 9), {"28", "clRed", "Fest"});
         WriteLines(s.folder / HolidayFileName(2003, 10), {"0", "clRed", "Old"});
     },
     &Holiday, &Holiday},
    {"an export of the time-table",
     [](Session& s) {
         s.Open({DayNumber(2003, 8, 11)}, {"Math"});
         WriteLines(HtmlPagePath(s.ctx.state), {"old page"});
     },
     [](Session& s) { ConverttoClick(s.ctx); }, [](Session& s) { ConverttoClick(s.ctx); }},
};

TEST(FailingWritesTest, EveryStepOfEveryCommandFailsCleanlyAndTheNextSaveCompletesIt) {
    for (const auto& scenario : kScenarios) {
        SCOPED_TRACE(scenario.what);
        Snapshot expected;
        int steps = 0;
        {
            Session s;
            scenario.prepare(s);
            {
                FaultScope none(0);
                RunCommand(s, scenario.command);
                steps = stepsSeen;
            }
            ASSERT_TRUE(s.dialogs.Errors.empty()) << s.dialogs.Errors.front();
            expected = FilesUnder(s.folder.Path());
        }
        ASSERT_GT(steps, 0);
        for (int k = 1; k <= steps; ++k) {
            SCOPED_TRACE("failing step " + std::to_string(k) + " of " + std::to_string(steps));
            Session s;
            scenario.prepare(s);
            const Snapshot before = FilesUnder(s.folder.Path());
            s.dialogs.Errors.clear();
            {
                FaultScope fault(k);
                RunCommand(s, scenario.command);
            }
            // A failed delete is ignored by design: the file keeps its old bytes.
            if (failedStep != WriteStep::Delete) {
                EXPECT_FALSE(s.dialogs.Errors.empty());
            }
            const Snapshot after = FilesUnder(s.folder.Path());
            for (const auto& [name, bytes] : after) {
                EXPECT_FALSE(Hidden(name)) << "left behind: " << name;
            }
            for (const auto& [name, bytes] : before) {
                const auto now = after.find(name);
                const auto done = expected.find(name);
                const bool old = now != after.end() && now->second == bytes;
                const bool complete = done == expected.end()
                                          ? now == after.end()
                                          : now != after.end() && now->second == done->second;
                const bool between = scenario.between && now != after.end() &&
                                     scenario.between(name, bytes, now->second);
                EXPECT_TRUE(old || complete || between)
                    << name << " is neither its old nor its new version";
            }

            s.dialogs.Errors.clear();
            RunCommand(s, scenario.retry);
            EXPECT_TRUE(s.dialogs.Errors.empty());
            EXPECT_EQ(FilesUnder(s.folder.Path()), expected) << "the next save completes the edit";
        }
    }
}

}  // namespace
}  // namespace skemora::test
