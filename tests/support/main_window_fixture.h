// A main window built and shown over a temporary data folder, with scripted dialogs and a fake
// machine, for the main-window tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/state/app_context.h"
#include "app/window/startup.h"
#include "core/calendar/calendar.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/temp_folder.h"

namespace skemora::test {

// Lets a test act while the refresh lets pending window events run.
class TestPlatform : public FakePlatform {
public:
    std::function<void()> DuringEvents;
    void ProcessEvents() override {
        FakePlatform::ProcessEvents();
        if (DuringEvents) DuringEvents();
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeDialogs dialogs;
    TestPlatform platform;
    AppContext ctx{dialogs, platform};

    // Builds and shows the window; `screenHeight` 768 gives the 800 x 600 layout.
    void Start(const std::vector<std::string>& arguments = {}) {
        ConstructMainWindow(ctx, folder.Path());
        FirstShow(ctx, arguments);
    }

    // A lesson file: every day starts at `startTimes[d]` and has the lessons prefix + d + j
    // (room "R..", teacher "T..") at positions 0 .. lessons - 1.
    static std::string LessonFile(std::vector<int> startTimes = {800, 800, 800, 800, 800},
                                  int lessons = 3, const std::string& className = "6U",
                                  const std::string& prefix = "S") {
        LessonFileLayout layout;
        for (int d = 0; d < kDays; ++d) layout.StartTimes[d] = startTimes[d];
        layout.ClassName = className;
        layout.Lesson = [lessons, prefix](int day, int lesson) {
            if (lesson >= lessons) return LessonEntry{};
            const std::string id = std::to_string(day) + std::to_string(lesson);
            return LessonEntry{prefix + id, "R" + id, "T" + id};
        };
        return LessonFileBytes(layout);
    }

    // The main time-table file `name`.dfd in the data folder, and its user folder.
    void WriteTimetable(const std::string& name, const std::string& lessonFile = LessonFile()) {
        WriteBytes(folder / (name + ".dfd"), lessonFile);
        std::filesystem::create_directory(folder / name);
    }

    Date Selected() const { return {ctx.state.SelYear, ctx.state.SelMonth, ctx.state.SelDay}; }
};

}  // namespace skemora::test
