// A move to another week whose save of a pending edit fails does not happen: the selected date,
// the grid, the notes box and the month panel stay on the week the edit was made in, the edit
// stays pending, and notes typed next go to that week's file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/timetable/week_notes_commands.h"
#include "core/files/write_faults.h"
#include "core/timetable/file_names.h"
#include "support/timetable_session.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

bool DiskFull(WriteStep step) {
    return step == WriteStep::Create;
}

// What the window shows of the week and where typed notes go.
struct Whole {
    int year, month, day, week;
    std::string notesFile, notesHint, notesText, monday, monthName;
    bool modified;
    friend bool operator==(const Whole&, const Whole&) = default;
};

Whole WholeOf(const AppContext& ctx) {
    const auto& state = ctx.state;
    const auto& view = ctx.view;
    return {state.SelYear,
            state.SelMonth,
            state.SelDay,
            state.WeekNo,
            state.NotesFileName,
            view.NotesBox.Hint,
            view.NotesText,
            view.Days[0].DayNumber.Caption,
            view.MonthName.Caption,
            state.Saving.Modified};
}

const struct {
    const char* what;
    std::function<void(AppContext&)> move;
} kMoves[] = {
    {"next week", &NextWeek},
    {"previous week", &PreviousWeek},
    {"next month", &NextMonth},
    {"previous year", &PreviousYear},
    {"week label", [](AppContext& ctx) { WeekLabelClick(ctx, 40); }},
    {"a day picked", [](AppContext& ctx) { SelectDate(ctx, 2003, 12, 24); }},
};

TEST(FailedNavigationTest, AMoveWhoseSaveFailsLeavesTheWholeWindowOnTheEditedWeek) {
    for (const auto& move : kMoves) {
        SCOPED_TRACE(move.what);
        Session s;
        s.Open({DayNumber(2003, 8, 11)}, {"Base"});
        const auto type = [&](const std::string& text) {
            s.ctx.view.NotesText = text;
            s.Boundary([&] { NotesEdited(s.ctx); });
        };
        // Notes typed on a full disk: the save fails and the change waits for the next one.
        SetWriteFaultHook(&DiskFull);
        type("week 37");
        const Whole before = WholeOf(s.ctx);
        ASSERT_TRUE(before.modified);
        ASSERT_EQ(before.notesText, "week 37");

        s.Boundary([&] { move.move(s.ctx); });
        SetWriteFaultHook(nullptr);
        EXPECT_EQ(s.dialogs.Errors.size(), 2u);
        EXPECT_TRUE(WholeOf(s.ctx) == before);

        // Room again: what is typed goes to the week shown, and the edit is saved with it.
        type("week 37 more");
        EXPECT_EQ(ReadBytes(s.User() + WeekNotesFileName(2003, 37)), "week 37 more\r\n");
        EXPECT_FALSE(s.ctx.state.Saving.Modified);
        s.Boundary([&] { move.move(s.ctx); });
        EXPECT_EQ(s.dialogs.Errors.size(), 2u);
        EXPECT_NE(s.ctx.state.NotesFileName, before.notesFile);
        EXPECT_EQ(s.ctx.view.NotesText, "");
    }
}

}  // namespace
}  // namespace skemora::test
