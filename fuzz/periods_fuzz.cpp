// The period list: a list either builds or throws SkemoraError; the period of any day is an
// index inside the list, the last one whose start is on or before the day; the entries after the
// first are in order of their starts, each keeping its own line's lesson file; a built list
// writes lines that build the same list.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

int ReferencePeriod(const PeriodList& periods, int day) {
    int found = 0;
    for (int k = 0; k < periods.Count; ++k) {
        if (static_cast<int>(periods.Entries[k].Start) <= day) found = k;
    }
    return found;
}

void CheckDay(const PeriodList& periods, int day) {
    const int period = PeriodForDate(periods, day);
    if (periods.Count == 0) {
        Check(period == 0, "an empty list answers period 0");
    } else {
        Check(period >= 0 && period < periods.Count, "the period is inside the list");
    }
    Check(period == ReferencePeriod(periods, day), "the last start on or before the day wins");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = DecodeLines(Bytes(data, size));
    PeriodList periods;
    try {
        periods = BuildPeriodList(lines, "Peter.dfd");
    } catch (const SkemoraError&) {
        return 0;
    }
    const auto expected = static_cast<int>(std::min<std::size_t>(lines.size(), kMaxPeriodEntries));
    Check(periods.Count == expected, "one entry per line, at most 200");
    // Read in order of their starts, each start keeping the lesson file of its own line.
    std::vector<std::string> names;
    for (int k = 1; k < periods.Count; ++k) {
        Check(periods.Entries[k - 1].Start <= periods.Entries[k].Start || k == 1,
              "the later entries are in order of their starts");
        names.push_back(periods.Entries[k].FileName);
    }
    std::vector<std::string> own;
    for (int k = 1; k < periods.Count; ++k) own.push_back(PeriodFileName(k));
    std::sort(names.begin(), names.end());
    std::sort(own.begin(), own.end());
    Check(names == own, "the entries name S1.dfd to S<n>.dfd, each once");
    if (periods.Count > 0) Check(periods.Entries[0].FileName == "Peter.dfd", "entry 0 is main");

    for (int day : {INT_MIN, -1, 0, 1, 12275, 12276, 12304, 12332, 12360, 65535, 65536, INT_MAX}) {
        CheckDay(periods, day);
    }
    for (int k = 0; k < periods.Count; ++k) {
        const int start = periods.Entries[k].Start;
        CheckDay(periods, start - 1);
        CheckDay(periods, start);
        CheckDay(periods, start + 1);
    }

    const auto written = PeriodListLines(periods);
    const PeriodList again = BuildPeriodList(written, "Peter.dfd");
    Check(again.Count == periods.Count, "written list has as many entries");
    for (int k = 0; k < periods.Count; ++k) {
        Check(again.Entries[k].Start == periods.Entries[k].Start, "written starts read back");
    }
    return 0;
}
