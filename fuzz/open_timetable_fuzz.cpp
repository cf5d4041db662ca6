// End to end: Peter's files in a real data folder hold the input's parts. The window opens his
// time-table from the command line (or, by the flags, after a sound one of Paula's), and the user
// selects cells, moves through the weeks and, by the flags, types in the notes, changes the class
// or edits a lesson as the edit commands do. Only SkemoraError may leave a command, as at the
// event boundary. Files no step writes keep their bytes; a file a save rewrites keeps what it
// held (a lesson file its lessons, the notes their lines before the typed one, the subject list
// at least its lines, a period list out of order its starts put in order); after a lesson edit
// every other period's lessons are still in a lesson file, and a file that cannot be read is
// never replaced (a period change may move it with its period).
//
// Input: one flags byte (see Flag), then up to nine parts separated by lines "#####":
// Peter.dfd, Peter/fratil.dfd, Peter/S1.dfd, Peter/S2.dfd, the week homework file, the week
// notes file, the holiday file of the month, Peter/fagl.txt, sp06.txt. A part not given is a
// missing file; a part "@EIO" is a file that cannot be read.
#include <algorithm>
#include <map>
#include <set>

#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "app/view/week_grid.h"
#include "app/window/window_events.h"
#include "core/calendar/calendar.h"
#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "core/holidays/holiday_tables.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "app/storage/loading.h"
#include "app/timetable/open_commands.h"
#include "core/timetable/periods.h"
#include "app/storage/save.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"
#include "app/timetable/week_notes_commands.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

constexpr Date kToday{2003, 9, 10};
// A part holding only this is a file whose reading fails with an I/O error: a link to
// /proc/self/mem, which cannot be read at offset 0.
const std::string kReadError = "@EIO";

// Bits 5 and 6 also pick the first cell selected.
enum Flag : unsigned {
    kSundayFirst = 1,
    kEditNotes = 2,
    kEditClass = 4,
    kToggleWeekStart = 8,
    kEditLesson = 0x10,
    kEditBeforeMoving = 0x20,
    kPaulaFirst = 0x80,
};

// Runs a command as the event boundary does: a SkemoraError is shown, anything else escapes.
template <typename Command>
void Run(AppContext& ctx, Command command) {
    try {
        command();
    } catch (const SkemoraError& error) {
        ctx.messages.ShowError(error.what());
    }
    if (std::getenv("SKEMORA_FUZZ_TRACE")) {
        const auto& state = ctx.state;
        std::fprintf(stderr, "%04d-%02d-%02d week %d, period %d, notes %s%s: %zu bytes\n",
                     state.SelYear, state.SelMonth, state.SelDay, state.WeekNo,
                     state.Saving.LoadedPeriod, state.NotesFileName.c_str(),
                     ctx.view.NotesBox.Enabled ? "" : " (disabled)", ctx.view.NotesText.size());
    }
}

bool IsLessonFile(const std::string& name) {
    return name == "Peter.dfd" || name == "Peter/S1.dfd" || name == "Peter/S2.dfd";
}

// The lessons of a lesson file's lines in written form, without the class; empty when the lines
// are no lesson file.
std::vector<std::string> Lessons(const std::vector<std::string>& lines) {
    MainState state;
    try {
        ParseTimetable(state.Days, state.ClassName, lines);
    } catch (const SkemoraError&) {
        return {};
    }
    auto written = TimetableLines(state.Days, state.ClassName);
    written.pop_back();
    return written;
}

// The lessons of the main file and of S1.dfd .. S<count - 1>.dfd, or the bytes of one that
// does not read.
std::multiset<std::vector<std::string>> LessonContents(const std::string& dataFolder, int count) {
    std::multiset<std::vector<std::string>> contents;
    const auto add = [&](const std::string& path) {
        if (!std::filesystem::is_regular_file(path) || std::filesystem::is_symlink(path)) return;
        const std::string bytes = ReadBytes(path);
        auto lessons = Lessons(DecodeLines(bytes));
        contents.insert(lessons.empty() ? std::vector<std::string>{"unread", bytes} : lessons);
    };
    add(dataFolder + "Peter.dfd");
    for (int k = 1; k < count; ++k) add(dataFolder + "Peter/" + PeriodFileName(k));
    return contents;
}

// What an edit command does: change a lesson of the shown week, mark the week, save. The
// lessons of every period in the list stay in some lesson file, but for those the edit
// replaces, the loaded ones; only a full list may merge a period into the one before it.
void EditLesson(AppContext& ctx) {
    const std::string& folder = ctx.state.DataFolder;
    const int count = ctx.state.Periods.Count;
    auto expected = LessonContents(folder, count);
    auto loaded = TimetableLines(ctx.state.Days, ctx.state.ClassName);
    loaded.pop_back();
    if (auto found = expected.find(loaded); found != expected.end()) expected.erase(found);
    Run(ctx, [&] {
        ctx.state.Days[0].Subject[0] = "Edited";
        ctx.state.Saving.Modified = true;
        MarkPendingPeriod(ctx);
        Save(ctx);
    });
    if (count >= kMaxStoredPeriods) return;
    const auto after = LessonContents(folder, kMaxPeriodEntries + 1);
    Check(std::includes(after.begin(), after.end(), expected.begin(), expected.end()),
          "an edit keeps every other period's lessons in a lesson file");
}

bool EditCommandsEnabled(const AppContext& ctx) {
    return ctx.view.Menus.EditAdd.Enabled || ctx.view.Menus.EditLesson.Enabled;
}

void CheckKept(const std::string& name, const std::string& before, const std::string& after,
               bool saved, bool edited) {
    if (before == after) return;
    // The lesson edit checks the lesson files itself: its period changes move them.
    if (edited && IsLessonFile(name)) return;
    // Any save puts a list out of order in order; only a lesson edit changes one in order.
    if (saved && name == "Peter/fratil.dfd") {
        const auto old = DecodeLines(before);
        try {
            Check(edited || !PeriodListInOrder(BuildPeriodList(old, name)),
                  "a save leaves a list in order as it is");
        } catch (const SkemoraError&) {
            Check(false, "a period list that does not read is not written over");
        }
        const auto now = DecodeLines(after);
        Check(now.size() >= std::min<std::size_t>(old.size(), kMaxStoredPeriods),
              "an edit keeps every start of a list below the limit");
        return;
    }
    const bool peters = name.rfind("Peter", 0) == 0;
    const bool mayBeWritten =
        saved && peters && (IsLessonFile(name) || name == "Peter/fagl.txt" || name.back() == 'z');
    Check(mayBeWritten, "a file no step writes keeps its bytes");
    const auto old = DecodeLines(before);
    const auto now = DecodeLines(after);
    if (IsLessonFile(name)) {
        const auto lessons = Lessons(old);
        Check(!lessons.empty(), "a lesson file that does not read is not written over");
        Check(Lessons(now) == lessons, "a rewritten lesson file keeps its lessons");
    } else if (name.back() == 'z') {
        Check(now.size() >= old.size() && std::equal(old.begin(), old.end(), now.begin()),
              "rewritten notes keep the lines they had");
    } else {
        Check(now.size() >= old.size(), "a rewritten file keeps at least its lines");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const auto parts = SplitParts(Bytes(data + 1, size - 1));

    const bool sundayFirst = flags & kSundayFirst;
    const int week = WeekNumber(kToday.Year, kToday.Month, kToday.Day, sundayFirst);
    const std::vector<std::string> names = {
        "Peter.dfd",
        "Peter/fratil.dfd",
        "Peter/S1.dfd",
        "Peter/S2.dfd",
        "Peter/" + WeekFileName(kToday.Year, week),
        "Peter/" + WeekNotesFileName(kToday.Year, week),
        HolidayFileName(kToday.Year, kToday.Month),
        "Peter/fagl.txt",
        "sp06.txt",
    };
    folder.Empty();
    std::filesystem::create_directory(folder / "Peter");
    std::map<std::string, std::string> before;
    if (flags & kPaulaFirst) {
        std::filesystem::create_directory(folder / "Paula");
        MainState paula;
        DefaultTimetable(paula.Days);
        before["Paula.dfd"] = EncodeLines(TimetableLines(paula.Days, paula.ClassName));
        before["Paula/" + WeekNotesFileName(kToday.Year, week)] = EncodeLines({"Paula's notes"});
        for (const auto& [name, bytes] : before) WriteBytes(folder / name, bytes);
    }
    for (std::size_t i = 0; i < parts.size() && i < names.size(); ++i) {
        if (parts[i] == kReadError) {
            std::filesystem::create_symlink("/proc/self/mem", folder / names[i]);
        } else {
            WriteBytes(folder / names[i], parts[i]);
        }
        before[names[i]] = parts[i];
    }

    FakeDialogs dialogs;
    FakePlatform platform;
    platform.TodayDate = kToday;
    platform.Settings["Mandag"] = sundayFirst ? "1" : "0";
    AppContext ctx(dialogs, platform);

    // Building the window is outside the event boundary: nothing may escape it.
    ConstructMainWindow(ctx, folder.Path());
    if (flags & kPaulaFirst) {
        Run(ctx, [&] { FirstShow(ctx, {"Paula"}); });
        Run(ctx, [&] { OpenTimetable(ctx, folder / "Peter.dfd"); });
    } else {
        Run(ctx, [&] { FirstShow(ctx, {"Peter"}); });
    }

    const int column = static_cast<int>((flags >> 5) & 3);
    const int row = static_cast<int>((flags >> 5) & 1);
    Run(ctx, [&] { SelectCell(ctx, {column, row}); });
    const bool editFirst = flags & kEditBeforeMoving;
    if ((flags & kEditLesson) && editFirst && EditCommandsEnabled(ctx)) EditLesson(ctx);
    Run(ctx, [&] { NextWeek(ctx); });
    Run(ctx, [&] { PreviousWeek(ctx); });
    Run(ctx, [&] { PreviousWeek(ctx); });
    Run(ctx, [&] { NextLesson(ctx); });
    Run(ctx, [&] { NextSchoolDay(ctx); });
    if (flags & kToggleWeekStart) Run(ctx, [&] { MondayFirstClick(ctx); });
    Run(ctx, [&] { GoToToday(ctx); });
    // Only a box that is enabled can be typed into.
    if ((flags & kEditNotes) && ctx.view.NotesBox.Enabled) {
        ctx.view.NotesText += "\nfuzz";
        Run(ctx, [&] { NotesEdited(ctx); });
    }
    if ((flags & kEditLesson) && !editFirst && EditCommandsEnabled(ctx)) EditLesson(ctx);
    if (flags & kEditClass) {
        dialogs.ClassNameAnswers.push_back("7X");
        Run(ctx, [&] { ClassFieldClick(ctx); });
    }
    Run(ctx, [&] { NextMonth(ctx); });
    Run(ctx, [&] { PreviousYear(ctx); });
    Run(ctx, [&] { NextYear(ctx); });
    Run(ctx, [&] { WeekLabelClick(ctx, 35); });
    Run(ctx, [&] { DayLabelClick(ctx, 0); });
    Run(ctx, [&] { SelectCell(ctx, {kDays - 1 - column, 11 - row}); });
    Run(ctx, [&] { GoToToday(ctx); });
    Run(ctx, [&] { CloseQuery(ctx); });

    if (std::getenv("SKEMORA_FUZZ_TRACE")) {
        std::fprintf(stderr, "title %s, loaded period %d of %d, class %s\n", ctx.view.Title.c_str(),
                     ctx.state.Saving.LoadedPeriod, ctx.state.Periods.Count,
                     ctx.state.ClassName.c_str());
        for (const auto& error : dialogs.Errors) std::fprintf(stderr, "shown: %s\n", error.c_str());
    }

    const auto& periods = ctx.state.Periods;
    Check(periods.Count >= 0 && periods.Count <= kMaxPeriodEntries, "the list fits its table");
    Check(ctx.state.Saving.LoadedPeriod >= -1 &&
              (ctx.state.Saving.LoadedPeriod <= 0 || ctx.state.Saving.LoadedPeriod < periods.Count),
          "the loaded period is one of the list");

    const bool saved = flags & (kEditNotes | kEditClass | kEditLesson);
    // A period change moves the later lesson files, unreadable ones too, with their periods.
    const bool periodsMayMove = flags & kEditLesson;
    int unreadablePeriodFiles = 0;
    int lessonFilesBefore = 0;
    for (const auto& [name, bytes] : before) {
        const std::string path = folder / name;
        if (bytes == kReadError) {
            if (periodsMayMove && IsLessonFile(name) && name != "Peter.dfd") {
                ++unreadablePeriodFiles;
                continue;
            }
            Check(std::filesystem::is_symlink(path), "a file that cannot be read is not replaced");
            continue;
        }
        // A save puts a list out of order in order: a lesson file may then move to the name of
        // its start's place, which can leave an old name empty; none may be lost (counted below).
        if (saved && IsLessonFile(name) && name != "Peter.dfd") {
            ++lessonFilesBefore;
            continue;
        }
        Check(std::filesystem::exists(path), "no file is deleted");
        CheckKept(name, bytes, ReadBytes(path), saved, flags & kEditLesson);
    }
    int lessonFilesAfter = 0;
    for (int k = 1; k < kMaxPeriodEntries; ++k) {
        lessonFilesAfter += std::filesystem::exists(folder / ("Peter/" + PeriodFileName(k)));
    }
    Check(lessonFilesAfter >= lessonFilesBefore, "no lesson file is lost");
    int linksLeft = 0;
    for (int k = 1; k < kMaxPeriodEntries; ++k) {
        linksLeft += std::filesystem::is_symlink(folder / ("Peter/" + PeriodFileName(k)));
    }
    Check(linksLeft >= unreadablePeriodFiles, "a lesson file that cannot be read is not replaced");
    return 0;
}
