// A shown main window over a temporary data folder, with helpers to lay out Peter's files and
// to make an edit the way the edit commands do.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "core/calendar/calendar.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/temp_folder.h"
#include "core/timetable/lesson_file.h"
#include "app/storage/loading.h"
#include "app/timetable/open_commands.h"
#include "core/timetable/periods.h"
#include "app/storage/save.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"

namespace skemora::test {

using Lines = std::vector<std::string>;

// A lesson file whose Monday starts with `subject`, every other day with "Empty".
inline Lines LessonFile(const std::string& subject, const std::string& className = "6U") {
    LessonFileLayout layout;
    layout.ClassName = className;
    layout.Lesson = [subject](int day, int lesson) {
        if (lesson > 0) return LessonEntry{};
        return LessonEntry{day == 0 ? subject : "Empty", "", ""};
    };
    return LessonFileLines(layout);
}

class TimetableTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    std::string User() const { return folder / "Peter/"; }
    std::string Period(int k) const { return User() + "S" + std::to_string(k) + ".dfd"; }

    // Builds and shows the window on `today`, Monday first, with no time-table open.
    void Start(Date today = {2003, 9, 10}) {
        platform.TodayDate = today;
        platform.Settings["Mandag"] = "0";
        ConstructMainWindow(ctx, folder.Path());
        FirstShow(ctx, {});
    }

    // Peter.dfd holds subjects[0]; period k >= 1 starts on starts[k] with subjects[k].
    void WritePeter(const std::vector<int>& starts, const Lines& subjects) {
        std::filesystem::create_directories(User());
        WriteLines(folder / "Peter.dfd", LessonFile(subjects.at(0)));
        Lines list;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            list.push_back(std::to_string(starts[k]));
            if (k > 0) WriteLines(Period(static_cast<int>(k)), LessonFile(subjects.at(k)));
        }
        if (!list.empty()) WriteLines(User() + "fratil.dfd", list);
    }
    void OpenPeter() { OpenTimetable(ctx, folder / "Peter.dfd"); }
    void Select(int year, int month, int day) { SelectDate(ctx, year, month, day); }

    // What an edit command does: change the lessons, mark the week, save.
    void EditMonday(const std::string& subject) {
        ctx.state.Days[0].Subject[0] = subject;
        ctx.state.Saving.Modified = true;
        MarkPendingPeriod(ctx);
        Save(ctx);
    }

    // An edit whose save must be refused: the change stays unsaved.
    void EditMondayExpectingRefusal() {
        ctx.state.Days[0].Subject[0] = "Edited";
        SetModified(ctx, true);
        MarkPendingPeriod(ctx);
        EXPECT_THROW(Save(ctx), SkemoraError);
        EXPECT_TRUE(ctx.state.Saving.Modified);
    }

    std::string Shown() const { return ctx.view.Days[0].Cells[0].Caption; }
    Lines List() const { return ReadLines(User() + "fratil.dfd"); }
    // Monday's first subject in a stored lesson file.
    static std::string SubjectIn(const std::string& path) { return ReadLines(path).at(1); }
    static std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const SkemoraError& error) {
            return error.what();
        }
        return "";
    }
};

}  // namespace skemora::test
