// The week homework file: reading keeps what it understood or throws SkemoraError; what was read
// writes lines that read back to the same homework without error, and writing those is stable.
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "core/timetable/week_homework.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

bool Same(const WeekHomework& a, const WeekHomework& b) {
    for (int d = 0; d < kDays; ++d) {
        for (int j = 0; j < kLessons; ++j) {
            if (a[d][j].HomeworkText != b[d][j].HomeworkText) return false;
            if (a[d][j].Shortcuts != b[d][j].Shortcuts) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = DecodeLines(Bytes(data, size));
    WeekHomework homework;
    try {
        ParseWeekHomework(homework, lines);
    } catch (const SkemoraError&) {
        // The records before the bad number are kept and must still write and read back.
    }
    std::size_t held = 0;
    for (const auto& day : homework) {
        for (const auto& lesson : day) held += lesson.HomeworkText.size() + lesson.Shortcuts.size();
    }
    Check(held <= lines.size(), "no more lines are kept than the file has");

    const auto written = WeekHomeworkLines(homework);
    WeekHomework again;
    Check(ParseWeekHomework(again, written), "written homework reads back whole");
    Check(Same(homework, again), "written homework reads back the same");
    Check(WeekHomeworkLines(again) == written, "writing read homework is stable");
    Check(DecodeLines(EncodeLines(written)) == written, "written lines survive the file");
    return 0;
}
