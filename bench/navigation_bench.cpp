// Time of the commands a user repeats most, over a real data folder on disk: a week step, a
// jump to a far week, a keystroke in the week notes, and a save that inserts a period.
//
// The data folder holds the time-table "Peter" with 80 validity periods (the base period and
// S1..S79.dfd, one every two weeks from August 2023), a subject list, homework and notes files
// for every week of 2023..2026 and holiday files for every month. It is made under TMPDIR (or
// /tmp) and removed at the end; the disk it sits on decides the cost of each fsync.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "core/calendar/calendar.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "app/storage/loading.h"
#include "app/timetable/open_commands.h"
#include "app/storage/save.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"
#include "app/timetable/week_notes_commands.h"

namespace skemora {
namespace {

constexpr int kPeriods = 80;  // the base period and 79 later ones
constexpr int kFirstYear = 2023;
constexpr int kLastYear = 2026;
const Date kFirstStart{2023, 8, 7};  // a Monday
const std::string kName = "Peter";

void Check(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error("benchmark set-up: " + what);
}

void WriteFile(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << "\r\n";
    Check(static_cast<bool>(out), "cannot write " + path);
}

// Text followed by a number (GCC 12 warns falsely on "literal" + std::to_string).
std::string Numbered(std::string text, int number) {
    text += std::to_string(number);
    return text;
}

int PeriodStart(int k) {
    return DayNumber(kFirstStart.Year, kFirstStart.Month, kFirstStart.Day) + 14 * k;
}

// 186 lines: every day starts at 8:00 with eight lessons whose subjects name the period.
std::vector<std::string> LessonLines(int period) {
    static const char* const kSubjects[] = {"Danish",  "Math",    "English", "German",
                                            "Physics", "History", "Music",   "Sports"};
    std::vector<std::string> lines;
    for (int d = 0; d < 5; ++d) {
        lines.push_back(d == 4 ? "900" : "800");
        for (int j = 0; j < 12; ++j) {
            const bool filled = j < 8;
            lines.push_back(filled ? std::string(kSubjects[(j + d + period) % 8]) : "");
            lines.push_back(filled ? Numbered("R", j + 1) : "");
            lines.push_back(filled ? Numbered("T", (j + period) % 5) : "");
        }
    }
    lines.push_back("6U");
    return lines;
}

std::vector<std::string> PeriodListLines(int periods) {
    std::vector<std::string> lines;
    for (int k = 0; k < periods; ++k) lines.push_back(std::to_string(PeriodStart(k)));
    return lines;
}

std::string TemporaryFolder() {
    const auto base = std::filesystem::temp_directory_path() / "skemora-bench-XXXXXX";
    std::string pattern = base.string();
    Check(mkdtemp(pattern.data()) != nullptr, "cannot make a temporary folder");
    return pattern + "/";
}

class DataFolder {
public:
    DataFolder() : path_(TemporaryFolder()) {
        WriteFile(path_ + kName + ".dfd", LessonLines(0));
        std::filesystem::create_directory(UserFolder());
        RestorePeriods(kPeriods);

        std::vector<std::string> subjects;
        for (int i = 0; i < 30; ++i) {
            subjects.insert(subjects.end(),
                            {Numbered("Subject ", i), Numbered("R", i), Numbered("T", i)});
        }
        WriteFile(UserFolder() + "fagl.txt", subjects);

        for (int year = kFirstYear; year <= kLastYear; ++year) {
            for (int week = 1; week <= 53; ++week) {
                char stem[16];
                std::snprintf(stem, sizeof stem, "a%04d%02d.df", year, week);
                WriteFile(UserFolder() + stem + "f",
                          {"1", "1", "2", "Read page 12", "Exercise 4", "1", "/home/peter/a.txt",
                           "3", "2", "1", "Essay", "0", "5", "8", "1", "Bring shoes", "0"});
                WriteFile(UserFolder() + stem + "z",
                          {Numbered("Notes of week ", week), "Test on Friday", ""});
            }
            for (int month = 1; month <= 12; ++month) {
                char name[16];
                std::snprintf(name, sizeof name, "a%04d%02d.dfg", year, month);
                WriteFile(path_ + name, {"2", "clRed", "Holiday", "14", "clGreen", "Trip"});
            }
        }
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string UserFolder() const { return path_ + kName + "/"; }

    // The period list and lesson files of `periods` periods, as made at the start, with no
    // lesson file beyond them.
    void RestorePeriods(int periods) const {
        WriteFile(UserFolder() + "fratil.dfd", PeriodListLines(periods));
        for (int k = 1; k <= kPeriods + 1; ++k) {
            const std::string file = UserFolder() + Numbered("S", k) + ".dfd";
            if (k < periods) {
                WriteFile(file, LessonLines(k));
            } else {
                std::filesystem::remove(file);
            }
        }
    }

private:
    std::string path_;
};

DataFolder* data = nullptr;

// A main window over the data folder with the time-table opened from the command line.
struct Window {
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    Window() {
        platform.TodayDate = {2024, 5, 22};
        ConstructMainWindow(ctx, data->Path());
        FirstShow(ctx, {kName});
        Check(ctx.view.Title == kName + ".dfd", "the time-table did not open");
        Check(ctx.state.Periods.Count >= kPeriods, "the period list was not read");
    }

    void Select(int dayNumber) {
        const Date date = DateOfDayNumber(dayNumber);
        SelectDate(ctx, date.Year, date.Month, date.Day);
    }
    int Period() const { return ctx.state.Saving.LoadedPeriod; }
};

// NextWeek from the second week of one period into the first week of the next, so that every
// step loads another lesson file; the PreviousWeek that goes back is not timed.
void BM_NextWeekNewPeriod(benchmark::State& state) {
    Window window;
    window.Select(PeriodStart(20) + 9);  // Wednesday of period 20's second week
    for (auto _ : state) {
        NextWeek(window.ctx);
        state.PauseTiming();
        Check(window.Period() == 21, "NextWeek did not reach the next period");
        PreviousWeek(window.ctx);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NextWeekNewPeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same step between the two weeks of one period: no lesson file is read.
void BM_NextWeekSamePeriod(benchmark::State& state) {
    Window window;
    window.Select(PeriodStart(20) + 2);
    for (auto _ : state) {
        NextWeek(window.ctx);
        state.PauseTiming();
        Check(window.Period() == 20, "NextWeek left the period");
        PreviousWeek(window.ctx);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NextWeekSamePeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

// GoToWeek (a week label click) across 2024, cycling weeks 2, 27 and 51: every jump lands in
// another period.
void BM_GoToWeekAcrossYear(benchmark::State& state) {
    Window window;
    window.Select(DayNumber(2024, 5, 22));
    static constexpr int kWeeks[] = {2, 27, 51};
    std::size_t next = 0;
    int lastPeriod = window.Period();
    for (auto _ : state) {
        GoToWeek(window.ctx, kWeeks[next]);
        next = (next + 1) % 3;
        state.PauseTiming();
        Check(window.Period() != lastPeriod, "GoToWeek stayed in the period");
        lastPeriod = window.Period();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GoToWeekAcrossYear)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One keystroke in the notes box: the text grows by one letter (up to 200, then starts over),
// and NotesEdited saves the notes file and the loaded period's lesson file.
void BM_NotesKeystroke(benchmark::State& state) {
    Window window;
    window.Select(PeriodStart(30) + 2);
    const std::string typed =
        std::string("Remember the gym bag, and the essay for Danish is due on Friday. ") +
        "Ask about the trip. " + std::string(150, 'x');
    std::size_t length = 0;
    for (auto _ : state) {
        length = length % 200 + 1;
        window.ctx.view.NotesText = typed.substr(0, length);
        NotesEdited(window.ctx);
    }
    Check(!window.ctx.state.Saving.Modified, "the keystroke was not saved");
    const std::string notes = UserFolder(window.ctx.state) + window.ctx.state.NotesFileName;
    std::ifstream in(notes, std::ios::binary);
    std::string line;
    std::getline(in, line);
    Check(line == typed.substr(0, length) + "\r", "the notes file does not hold the text");
}
BENCHMARK(BM_NotesKeystroke)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A lesson edit in the second week of period 40, saved: a new period goes in after it, the 39
// later lesson files move up one number, and the lesson file and the period list are written.
// `periods` 81 fills the list, so the save first merges an old period away.
void SaveInsertingPeriod(benchmark::State& state, int periods) {
    int edits = 0;
    std::optional<Window> open;  // replaced while the clock is stopped
    for (auto _ : state) {
        state.PauseTiming();
        open.reset();
        data->RestorePeriods(periods);
        ::sync();
        Window& window = open.emplace();
        window.Select(PeriodStart(40) + 9);
        Check(window.Period() == 40, "the week is not in period 40");
        window.ctx.state.Days[2].Subject[0] = Numbered("Edit ", ++edits);
        window.ctx.state.Saving.Modified = true;
        MarkPendingPeriod(window.ctx);
        state.ResumeTiming();

        Save(window.ctx);

        state.PauseTiming();
        Check(window.ctx.state.Periods.Count == std::min(periods + 1, 81),
              "the save did not insert a period");
        Check(window.ctx.state.Saving.PendingPeriodStart == 0,
              "the pending start was not consumed");
        state.ResumeTiming();
    }
    data->RestorePeriods(kPeriods);
}

void BM_SaveInsertPeriod(benchmark::State& state) {
    SaveInsertingPeriod(state, kPeriods);
}
BENCHMARK(BM_SaveInsertPeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SaveInsertPeriodFullList(benchmark::State& state) {
    SaveInsertingPeriod(state, 81);
}
BENCHMARK(BM_SaveInsertPeriodFullList)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One week step inside a period and one into the next, each between two marker calls that
// `strace` shows (access of "/skemora-trace/..."), so that the system calls of the step alone
// can be counted: SKEMORA_TRACE_WEEK_STEP=1 strace -f -o log navigation_bench.
void TraceWeekSteps() {
    Window window;
    window.Select(PeriodStart(20) + 2);
    NextWeek(window.ctx);
    PreviousWeek(window.ctx);
    access("/skemora-trace/same-period-begin", F_OK);
    NextWeek(window.ctx);
    access("/skemora-trace/same-period-end", F_OK);
    Check(window.Period() == 20, "NextWeek left the period");
    access("/skemora-trace/new-period-begin", F_OK);
    NextWeek(window.ctx);
    access("/skemora-trace/new-period-end", F_OK);
    Check(window.Period() == 21, "NextWeek did not reach the next period");
    // The same once the user folder has stood unchanged for a few seconds, as it does between
    // a pupil's keystrokes: its listing is then kept from one step to the next.
    sleep(3);
    PreviousWeek(window.ctx);
    access("/skemora-trace/settled-new-period-begin", F_OK);
    NextWeek(window.ctx);
    access("/skemora-trace/settled-new-period-end", F_OK);
    Check(window.Period() == 21, "NextWeek did not reach the next period");
    access("/skemora-trace/settled-same-period-begin", F_OK);
    NextWeek(window.ctx);
    access("/skemora-trace/settled-same-period-end", F_OK);
    Check(window.Period() == 21, "NextWeek left the period");
}

}  // namespace
}  // namespace skemora

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        skemora::DataFolder folder;
        skemora::data = &folder;
        if (std::getenv("SKEMORA_TRACE_WEEK_STEP") != nullptr) {
            skemora::TraceWeekSteps();
        } else {
            benchmark::RunSpecifiedBenchmarks();
        }
        skemora::data = nullptr;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
