// The lesson file: a file either parses or throws SkemoraError leaving the time-table as it was;
// a parsed time-table writes lines that parse to the same time-table, and it fills and shows in
// the week grid whatever its start times and lessons are.
#include "app/state/app_context.h"
#include "app/view/week_grid.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "core/timetable/lesson_file.h"
#include "app/view/lesson_fill.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = DecodeLines(Bytes(data, size));

    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx(dialogs, platform);
    ctx.state.Names = EnglishNames();
    BuildWeekView(ctx.view, 800, 600, 3);
    DefaultTimetable(ctx.state.Days);
    ctx.state.ClassName = "before";
    const auto before = TimetableLines(ctx.state.Days, ctx.state.ClassName);

    try {
        ParseTimetable(ctx.state.Days, ctx.state.ClassName, lines, "S1.dfd");
    } catch (const SkemoraError&) {
        Check(TimetableLines(ctx.state.Days, ctx.state.ClassName) == before,
              "a refused file changes nothing");
        return 0;
    }
    Check(lines.size() >= static_cast<std::size_t>(kLessonFileLines), "a short file is refused");

    const auto written = TimetableLines(ctx.state.Days, ctx.state.ClassName);
    Check(written.size() == static_cast<std::size_t>(kLessonFileLines), "186 lines are written");
    MainState again;
    ParseTimetable(again.Days, again.ClassName, written);
    Check(TimetableLines(again.Days, again.ClassName) == written, "written lines parse to the same time-table");
    Check(DecodeLines(EncodeLines(written)) == written, "written lines survive the file");

    ShowTimetable(ctx);
    for (int column = 0; column < kDays; ++column) {
        for (int row = 0; row < kLessons; ++row) ShowCellSelection(ctx, {column, row});
    }
    return 0;
}
