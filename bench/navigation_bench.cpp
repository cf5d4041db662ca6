// Time and system calls of the commands a pupil repeats, over a data folder of ten school years
// (bench_data.h), each beside its floor measured in the same run: the plain reads of exactly the
// files the step shows and one listing of the user folder for a step that shows a week, one
// atomic write of the same bytes for a step that saves.
//
// A floor is named after its benchmark with "_Floor". Every benchmark reports its system calls
// per step as the counter "syscalls" (see syscall_count.h); after the run a table gives each
// benchmark's time and calls as ratios to its floor.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/export/export_commands.h"
#include "app/state/app_context.h"
#include "app/state/timetable_state.h"
#include "app/storage/save.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/open_commands.h"
#include "app/timetable/week_notes_commands.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "bench_data.h"
#include "core/calendar/calendar.h"
#include "core/files/text_file.h"
#include "core/holidays/holiday_tables.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "syscall_count.h"

namespace skemora::bench {
namespace {

BenchData* data = nullptr;
// The floors that read the files of a week and list the user folder.
std::set<std::string> readingFloors;
const Date kToday{2024, 5, 22};

void Check(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error("benchmark: " + what);
}

// The system calls of the benchmark `name`, as its counter.
void CountCalls(benchmark::State& state, const std::string& name) {
    const SyscallCount& count = CountSyscalls(name, data->Path());
    if (count.Steps > 0) state.counters["syscalls"] = count.Median;
}

// ---- The floors: what any program must do at least, written with the system calls alone.

std::size_t ReadWhole(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return 0;
    char buffer[16384];
    std::size_t total = 0;
    ssize_t n = 0;
    while ((n = read(descriptor, buffer, sizeof buffer)) > 0) total += static_cast<std::size_t>(n);
    close(descriptor);
    return total;
}

std::size_t ListFolder(const std::string& path) {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return 0;
    std::size_t entries = 0;
    while (readdir(folder) != nullptr) ++entries;
    closedir(folder);
    return entries;
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Check(descriptor >= 0, "cannot read " + path);
    char buffer[16384];
    ssize_t n = 0;
    while ((n = read(descriptor, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(n));
    close(descriptor);
    return bytes;
}

// A temporary beside the file, written and synced, renamed over it, and the folder synced.
void AtomicWrite(const std::string& path, const std::string& bytes) {
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    const std::string temporary = folder + ".floor.tmp";
    const int descriptor =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Check(descriptor >= 0, "cannot write " + temporary);
    const bool written = write(descriptor, bytes.data(), bytes.size()) ==
                             static_cast<ssize_t>(bytes.size()) &&
                         fsync(descriptor) == 0;
    close(descriptor);
    Check(written && rename(temporary.c_str(), path.c_str()) == 0, "cannot replace " + path);
    const int folderDescriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fsync(folderDescriptor);
    close(folderDescriptor);
}

// The period the data folder's list makes valid on the day.
int PeriodOfDay(int dayNumber) {
    int period = 0;
    while (period + 1 < kPeriods && PeriodStart(period + 1) <= dayNumber) ++period;
    return period;
}

// The files a week shows while `date` is selected: its homework and notes files, the holiday
// files of its school days' months, and the lesson file of its period when `withLessons`.
std::vector<std::string> ShownFiles(const Date& date, bool withLessons) {
    const std::string user = data->UserFolder();
    const int week = WeekNumber(date.Year, date.Month, date.Day, false);
    std::vector<std::string> files = {user + WeekFileName(date.Year, week),
                                      user + WeekNotesFileName(date.Year, week)};
    std::set<std::pair<int, int>> months = {{date.Year, date.Month}};
    const int monday = MondayOf(date);
    for (int d = 0; d < kDays; ++d) {
        const Date day = DateOfDayNumber(monday + d);
        months.insert({day.Year, day.Month});
    }
    for (const auto& [year, month] : months) files.push_back(data->Path() + HolidayFileName(year, month));
    if (withLessons) {
        const int period = PeriodOfDay(monday);
        files.push_back(period == 0 ? data->MainFile() : data->UserFolder() + PeriodFileName(period));
    }
    return files;
}

// The floor of a step that shows one of `weeks` in turn: the reads of its files. The listing of
// the user folder that completes it is measured once, by BM_UserFolderListing, and added in the
// table.
void ReadsFloor(benchmark::State& state, const std::string& name,
                const std::vector<std::vector<std::string>>& weeks) {
    readingFloors.insert(name);
    CountCalls(state, name);
    std::size_t next = 0;
    for (auto _ : state) {
        StepBegin();
        for (const auto& file : weeks[next]) benchmark::DoNotOptimize(ReadWhole(file));
        StepEnd();
        next = (next + 1) % weeks.size();
    }
}

// The floor of a step that writes the files to these bytes in turn: one atomic write each.
void WritesFloor(benchmark::State& state, const std::string& name,
                 const std::vector<std::vector<std::pair<std::string, std::string>>>& writes,
                 const std::vector<std::string>& reads = {}) {
    CountCalls(state, name);
    std::size_t next = 0;
    for (auto _ : state) {
        StepBegin();
        for (const auto& file : reads) benchmark::DoNotOptimize(ReadWhole(file));
        for (const auto& [path, bytes] : writes[next]) AtomicWrite(path, bytes);
        StepEnd();
        next = (next + 1) % writes.size();
    }
}

// ---- The program's own commands.

// A main window over the data folder with the time-table opened from the command line.
struct Window {
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    Window() {
        platform.TodayDate = kToday;
        ConstructMainWindow(ctx, data->Path());
        FirstShow(ctx, {kPupil});
        Check(ctx.view.Title == std::string(kPupil) + ".dfd", "the time-table did not open");
        Check(ctx.state.Periods.Count >= kPeriods, "the period list was not read");
    }

    void Select(int dayNumber) {
        const Date date = DateOfDayNumber(dayNumber);
        SelectDate(ctx, date.Year, date.Month, date.Day);
    }
    int Period() const { return ctx.state.Saving.LoadedPeriod; }
};

using Command = void (*)(AppContext&);

// `step` from the day `from` to the day `to`, timed; `back` returns while the clock is stopped.
// (A week step selects the next week's Monday.)
void StepAndBack(benchmark::State& state, const std::string& name, int from, int to,
                 Command step, Command back) {
    CountCalls(state, name);
    Window window;
    window.Select(from);
    const Date arrival = DateOfDayNumber(to);
    for (auto _ : state) {
        StepBegin();
        step(window.ctx);
        StepEnd();
        state.PauseTiming();
        const MainState& shown = window.ctx.state;
        Check(shown.SelYear == arrival.Year && shown.SelMonth == arrival.Month &&
                  shown.SelDay == arrival.Day && window.Period() == PeriodOfDay(to),
              name + " went elsewhere: " + std::to_string(shown.SelYear) + "-" +
                  std::to_string(shown.SelMonth) + "-" + std::to_string(shown.SelDay) +
                  ", period " + std::to_string(window.Period()));
        back(window.ctx);
        state.ResumeTiming();
    }
}

// NextWeek from the last week of period 20 into the first week of period 21, so that every
// step loads another lesson file; the PreviousWeek that goes back is not timed.
const int kLastWeekOf20 = PeriodStart(21) - 5;  // a Wednesday

void BM_NextWeekNewPeriod(benchmark::State& state) {
    StepAndBack(state, "BM_NextWeekNewPeriod", kLastWeekOf20, kLastWeekOf20 + 5, NextWeek,
                PreviousWeek);
}
BENCHMARK(BM_NextWeekNewPeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_NextWeekNewPeriod_Floor(benchmark::State& state) {
    ReadsFloor(state, "BM_NextWeekNewPeriod_Floor",
               {ShownFiles(DateOfDayNumber(kLastWeekOf20 + 5), true)});
}
BENCHMARK(BM_NextWeekNewPeriod_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same step between two weeks of one period: no lesson file to read.
const int kFirstWeekOf20 = PeriodStart(20) + 2;

void BM_NextWeekSamePeriod(benchmark::State& state) {
    StepAndBack(state, "BM_NextWeekSamePeriod", kFirstWeekOf20, kFirstWeekOf20 + 5, NextWeek,
                PreviousWeek);
}
BENCHMARK(BM_NextWeekSamePeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_NextWeekSamePeriod_Floor(benchmark::State& state) {
    ReadsFloor(state, "BM_NextWeekSamePeriod_Floor",
               {ShownFiles(DateOfDayNumber(kFirstWeekOf20 + 5), false)});
}
BENCHMARK(BM_NextWeekSamePeriod_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Alt+D from a Wednesday to the Thursday of the same week.
void BM_NextDay(benchmark::State& state) {
    StepAndBack(state, "BM_NextDay", kFirstWeekOf20, kFirstWeekOf20 + 1, NextSchoolDay,
                PreviousSchoolDay);
}
BENCHMARK(BM_NextDay)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_NextDay_Floor(benchmark::State& state) {
    ReadsFloor(state, "BM_NextDay_Floor",
               {ShownFiles(DateOfDayNumber(kFirstWeekOf20 + 1), false)});
}
BENCHMARK(BM_NextDay_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// GoToWeek (a week label click) across 2024, cycling weeks 2, 27 and 51: every jump lands in
// another period.
constexpr int kGoToWeeks[] = {2, 27, 51};

void BM_GoToWeekAcrossYear(benchmark::State& state) {
    CountCalls(state, "BM_GoToWeekAcrossYear");
    Window window;
    std::size_t next = 0;
    int lastPeriod = window.Period();
    for (auto _ : state) {
        StepBegin();
        GoToWeek(window.ctx, kGoToWeeks[next]);
        StepEnd();
        next = (next + 1) % 3;
        state.PauseTiming();
        Check(window.Period() != lastPeriod, "GoToWeek stayed in the period");
        lastPeriod = window.Period();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GoToWeekAcrossYear)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_GoToWeekAcrossYear_Floor(benchmark::State& state) {
    // The dates GoToWeek selects, taken from the program itself before the clock runs.
    Window window;
    std::vector<std::vector<std::string>> weeks;
    for (int week : kGoToWeeks) {
        GoToWeek(window.ctx, week);
        weeks.push_back(ShownFiles(
            {window.ctx.state.SelYear, window.ctx.state.SelMonth, window.ctx.state.SelDay}, true));
    }
    ReadsFloor(state, "BM_GoToWeekAcrossYear_Floor", weeks);
}
BENCHMARK(BM_GoToWeekAcrossYear_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// File / Open of the time-table again (as after a pupil switch): every file of the shown week
// is read, with the period and subject lists.
void BM_OpenTimetable(benchmark::State& state) {
    CountCalls(state, "BM_OpenTimetable");
    Window window;
    for (auto _ : state) {
        StepBegin();
        OpenTimetable(window.ctx, data->MainFile());
        StepEnd();
    }
    Check(window.ctx.view.Title == std::string(kPupil) + ".dfd", "the time-table did not open");
}
BENCHMARK(BM_OpenTimetable)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_OpenTimetable_Floor(benchmark::State& state) {
    std::vector<std::string> files = {data->UserFolder() + kPeriodListFileName,
                                      data->UserFolder() + kSubjectListFileName};
    for (const auto& file : ShownFiles(kToday, true)) files.push_back(file);
    ReadsFloor(state, "BM_OpenTimetable_Floor", {files});
}
BENCHMARK(BM_OpenTimetable_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One listing of the user folder: with the reads, the floor of every step that shows a week (a
// program may keep it from one step to the next while the folder stays unchanged).
void BM_UserFolderListing(benchmark::State& state) {
    CountCalls(state, "BM_UserFolderListing");
    for (auto _ : state) {
        StepBegin();
        benchmark::DoNotOptimize(ListFolder(data->UserFolder()));
        StepEnd();
    }
}
BENCHMARK(BM_UserFolderListing)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One keystroke in the notes box: the text grows by one letter (up to 200, then starts over),
// and NotesEdited saves it.
const std::string kTyped =
    std::string("Remember the gym bag, and the essay for Danish is due on Friday. ") +
    "Ask about the trip. " + std::string(150, 'x');
const int kNotesDay = PeriodStart(30) + 2;

void BM_NotesKeystroke(benchmark::State& state) {
    CountCalls(state, "BM_NotesKeystroke");
    Window window;
    window.Select(kNotesDay);
    std::size_t length = 0;
    for (auto _ : state) {
        length = length % 200 + 1;
        window.ctx.view.NotesText = kTyped.substr(0, length);
        StepBegin();
        NotesEdited(window.ctx);
        StepEnd();
    }
    Check(!window.ctx.state.Saving.Modified, "the keystroke was not saved");
    const std::string notes = UserFolder(window.ctx.state) + window.ctx.state.NotesFileName;
    Check(FileBytes(notes) == EncodeLines({kTyped.substr(0, length)}),
          "the notes file does not hold the text");
}
BENCHMARK(BM_NotesKeystroke)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_NotesKeystroke_Floor(benchmark::State& state) {
    const Date day = DateOfDayNumber(kNotesDay);
    const std::string notes =
        data->UserFolder() +
        WeekNotesFileName(day.Year, WeekNumber(day.Year, day.Month, day.Day, false));
    std::vector<std::vector<std::pair<std::string, std::string>>> writes;
    for (std::size_t length = 1; length <= 200; ++length)
        writes.push_back({{notes, EncodeLines({kTyped.substr(0, length)})}});
    WritesFloor(state, "BM_NotesKeystroke_Floor", writes);
}
BENCHMARK(BM_NotesKeystroke_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Edit / Lesson in the second week of period 40, answered with a new subject: a new period goes
// in after it, the 39 later lesson files move up one number, and the lesson file and the period
// list are written. `periods` 81 fills the list, so the save first merges an old period away.
const int kEditDay = PeriodStart(40) + 9;

void LessonEditInsertingPeriod(benchmark::State& state, const std::string& name, int periods) {
    CountCalls(state, name);
    int edits = 0;
    std::optional<Window> open;  // replaced while the clock is stopped
    for (auto _ : state) {
        state.PauseTiming();
        open.reset();
        data->RestorePeriods(periods);
        ::sync();
        Window& window = open.emplace();
        window.Select(kEditDay);
        Check(window.Period() == 40, "the week is not in period 40");
        SelectCell(window.ctx, {2, 0});
        window.dialogs.LessonAnswers.push_back(
            LessonFields{"Edit " + std::to_string(++edits), "R1", "Hansen"});
        state.ResumeTiming();

        StepBegin();
        ChangeLesson(window.ctx);
        StepEnd();

        state.PauseTiming();
        Check(window.ctx.state.Periods.Count == std::min(periods + 1, kMaxStoredPeriods),
              "the edit did not insert a period");
        Check(!window.ctx.state.Saving.Modified, "the edit was not saved");
        state.ResumeTiming();
    }
    open.reset();
    data->RestorePeriods(kPeriods);
}

void BM_SaveInsertPeriod(benchmark::State& state) {
    LessonEditInsertingPeriod(state, "BM_SaveInsertPeriod", kPeriods);
}
BENCHMARK(BM_SaveInsertPeriod)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SaveInsertPeriodFullList(benchmark::State& state) {
    LessonEditInsertingPeriod(state, "BM_SaveInsertPeriodFullList", kMaxStoredPeriods);
}
BENCHMARK(BM_SaveInsertPeriodFullList)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The floor of both: one atomic write each of a lesson file and of the period list, of their
// sizes after the edit (the renames of the later periods' files are not counted in it).
void SaveFloor(benchmark::State& state, const std::string& name) {
    const std::string list = data->UserFolder() + kPeriodListFileName;
    const std::string lessons = data->UserFolder() + PeriodFileName(41);
    WritesFloor(state, name,
                {{{lessons, FileBytes(lessons)}, {list, FileBytes(list) + "99999\r\n"}}});
    data->RestorePeriods(kPeriods);
}

void BM_SaveInsertPeriod_Floor(benchmark::State& state) {
    SaveFloor(state, "BM_SaveInsertPeriod_Floor");
}
BENCHMARK(BM_SaveInsertPeriod_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SaveInsertPeriodFullList_Floor(benchmark::State& state) {
    SaveFloor(state, "BM_SaveInsertPeriodFullList_Floor");
}
BENCHMARK(BM_SaveInsertPeriodFullList_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// File / Convert to HTML, of two weeks of two periods in turn (a page that holds the same bytes
// already is not written again): the week is changed while the clock is stopped.
using Export = void (*)(AppContext&);

void ExportPages(benchmark::State& state, const std::string& name, Export command) {
    CountCalls(state, name);
    Window window;
    window.Select(kLastWeekOf20);
    bool later = false;
    for (auto _ : state) {
        StepBegin();
        command(window.ctx);
        StepEnd();
        state.PauseTiming();
        later = !later;
        if (later) {
            NextWeek(window.ctx);
        } else {
            PreviousWeek(window.ctx);
        }
        state.ResumeTiming();
    }
    Check(window.platform.Opened.size() == static_cast<std::size_t>(state.iterations()),
          "a page was not opened");
}

// The floor: the reads of the files the page shows beyond the window, and one atomic write of
// each week's page.
void ExportFloor(benchmark::State& state, const std::string& name, Export command,
                 const std::vector<std::string>& reads) {
    Window window;
    window.Select(kLastWeekOf20);
    std::vector<std::vector<std::pair<std::string, std::string>>> pages;
    for (int week = 0; week < 2; ++week) {
        command(window.ctx);
        const std::string page = HtmlPagePath(window.ctx.state);
        pages.push_back({{page, FileBytes(page)}});
        NextWeek(window.ctx);
    }
    WritesFloor(state, name, pages, reads);
}

void BM_ExportTimetable(benchmark::State& state) {
    ExportPages(state, "BM_ExportTimetable", ConverttoClick);
}
BENCHMARK(BM_ExportTimetable)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ExportTimetable_Floor(benchmark::State& state) {
    ExportFloor(state, "BM_ExportTimetable_Floor", ConverttoClick,
                {data->UserFolder() + kSchoolFileName});
}
BENCHMARK(BM_ExportTimetable_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ExportCalendar(benchmark::State& state) {
    ExportPages(state, "BM_ExportCalendar", Calendar1Click);
}
BENCHMARK(BM_ExportCalendar)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ExportCalendar_Floor(benchmark::State& state) {
    ExportFloor(state, "BM_ExportCalendar_Floor", Calendar1Click, {});
}
BENCHMARK(BM_ExportCalendar_Floor)->Unit(benchmark::kMicrosecond)->UseRealTime();

// ---- The ratios to the floors, printed after the usual output.

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.function_name;
            Figure figure{run.GetAdjustedRealTime(), -1, readingFloors.count(name) > 0};
            const auto calls = run.counters.find("syscalls");
            if (calls != run.counters.end()) figure.Calls = calls->second.value;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name != "median") continue;
                medians_[name] = figure;
            } else {
                single_[name] = figure;
            }
            if (std::find(order_.begin(), order_.end(), name) == order_.end())
                order_.push_back(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        // A reading floor is its reads plus one listing of the user folder.
        const bool listed = Known(kListing);
        const Figure listing = listed ? FigureOf(kListing) : Figure{};
        std::printf("\n%-28s %10s %10s %6s %8s %9s %6s %6s\n", "benchmark", "time (us)",
                    "floor (us)", "ratio", "to reads", "syscalls", "floor", "ratio");
        std::vector<std::string> breakdowns;
        for (const std::string& name : order_) {
            const std::string floorName = name + "_Floor";
            if (!Known(floorName)) continue;
            const Figure step = FigureOf(name), reads = FigureOf(floorName);
            Figure floor = reads;
            if (reads.Reads && listed) {
                floor.Time += listing.Time;
                if (floor.Calls >= 0 && listing.Calls >= 0) floor.Calls += listing.Calls;
            }
            std::printf("%-28s %10.1f %10.1f %6.2f", name.c_str(), step.Time, floor.Time,
                        step.Time / floor.Time);
            if (reads.Reads) {
                std::printf(" %8.2f", step.Time / reads.Time);
            } else {
                std::printf(" %8s", "");
            }
            if (step.Calls >= 0 && floor.Calls > 0) {
                std::printf(" %9.0f %6.0f %6.2f", step.Calls, floor.Calls, step.Calls / floor.Calls);
                breakdowns.push_back(name + ": " + CountSyscalls(name, "").Breakdown() +
                                     "; floor: " + CountSyscalls(floorName, "").Breakdown());
            }
            std::printf("\n");
        }
        if (listed) {
            std::printf("(floors of steps that show a week: the reads, and one listing of the user "
                        "folder: %.1f us, %.0f calls)\n",
                        listing.Time, listing.Calls);
        }
        if (!breakdowns.empty()) std::printf("\nMost frequent system calls of one step:\n");
        for (const auto& line : breakdowns) std::printf("  %s\n", line.c_str());
    }

private:
    struct Figure {
        double Time = 0;
        double Calls = -1;
        bool Reads = false;  // a floor that reads and lists
    };
    static constexpr const char* kListing = "BM_UserFolderListing";
    bool Known(const std::string& name) const {
        return single_.count(name) > 0 || medians_.count(name) > 0;
    }
    Figure FigureOf(const std::string& name) const {
        const auto median = medians_.find(name);
        return median != medians_.end() ? median->second : single_.at(name);
    }
    std::map<std::string, Figure> single_, medians_;
    std::vector<std::string> order_;
};

}  // namespace
}  // namespace skemora::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    using namespace skemora::bench;
    try {
        std::optional<BenchData> folder;
        if (const char* given = std::getenv(kDataFolderVariable)) {
            folder.emplace(given);
        } else {
            std::fprintf(stderr, "writing the data folder...\n");
            folder.emplace();
            std::fprintf(stderr, "%d files in %s\n", folder->Files(), folder->Path().c_str());
        }
        data = &*folder;
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        data = nullptr;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
