// What the targets over a user's files share: a data folder holding Peter's sound time-table (one
// period, a lesson in every cell), a shown main window that opened it from the command line on
// Wednesday 10 September 2003, and a runner that lets only SkemoraError leave a command, as at
// the event boundary.
#pragma once

#include <cstdlib>
#include <string>

#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "core/timetable/lesson_file.h"

namespace skemora::fuzz {

inline constexpr Date kUserToday{2003, 9, 10};

template <typename Command>
void Run(AppContext& ctx, Command command) {
    try {
        command();
    } catch (const SkemoraError& error) {
        ctx.messages.ShowError(error.what());
    }
}

class UserFolder {
public:
    // Empties the folder and lays out Peter.dfd and his folder; the window is not built yet, so
    // that the target can put its input file in place first.
    explicit UserFolder(const FuzzFolder& folder) : folder_(folder) {
        folder.Empty();
        std::filesystem::create_directory(folder / "Peter");
        MainState peter;
        for (int d = 0; d < kDays; ++d) {
            peter.Days[d].StartTime = 800;
            for (int j = 0; j < kLessons; ++j) {
                peter.Days[d].Subject[j] = j == 0 ? "Math/Phys" : "Art";
                peter.Days[d].Room[j] = "12";
                peter.Days[d].Teacher[j] = "Hansen";
            }
        }
        WriteLines(folder / "Peter.dfd", TimetableLines(peter.Days, "6U"));
    }

    std::string User(const std::string& name = "") const { return folder_ / ("Peter/" + name); }
    std::string Data(const std::string& name = "") const { return folder_ / name; }

    // Builds and shows the window, opening Peter's time-table.
    void Start() {
        platform.TodayDate = kUserToday;
        platform.Settings["Mandag"] = "0";
        ConstructMainWindow(ctx, folder_.Path());
        Run(ctx, [&] { FirstShow(ctx, {"Peter"}); });
    }

    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

private:
    const FuzzFolder& folder_;
};

}  // namespace skemora::fuzz
