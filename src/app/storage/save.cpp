#include "app/storage/save.h"

#include <algorithm>
#include <optional>

#include "core/calendar/calendar.h"
#include "app/storage/loading.h"
#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "app/storage/period_change.h"
#include "core/timetable/periods.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"

namespace skemora {

namespace {

constexpr int kLargestStart = 0xFFFF;  // a start is stored in 16 bits

void WriteTimetable(AppContext& ctx, const std::string& path) {
    AssumeStoredBase(ctx.state, path, ctx.state.LessonLines);
    auto lines = TimetableLines(ctx.state.Days, ctx.state.ClassName);
    WriteStored(ctx.state, path, lines);
    ctx.state.LessonLines = std::move(lines);
}

void CommitPeriods(MainState& state, const PeriodList& periods) {
    state.Periods = periods;
    state.PeriodLines = PeriodListLines(periods);
}

// Writes the lesson file and the list together: both are prepared before either replaces
// its file.
void WriteTimetableAndList(AppContext& ctx, const std::string& lessonPath,
                           const PeriodList& periods) {
    auto& state = ctx.state;
    AssumeStoredBase(state, lessonPath, state.LessonLines);
    const auto lessonLines = TimetableLines(state.Days, state.ClassName);
    StagedFile lessonFile(lessonPath, lessonLines);
    StagedFile listFile(PeriodListPath(state), PeriodListLines(periods));
    CommitStored(state, lessonFile);
    state.LessonLines = lessonLines;
    CommitStored(state, listFile);
    CommitPeriods(state, periods);
}

// The files a period change writes, renames or removes, which it does by other means than
// storage: the list, the journal, the new lesson file and both ends of every move.
std::vector<std::string> PeriodChangePaths(const MainState& state, const PeriodJournal& journal) {
    std::vector<std::string> paths = {PeriodListPath(state),
                                      UserFolder(state) + kPeriodJournalFileName};
    if (!journal.Created.empty()) paths.push_back(UserFolder(state) + journal.Created);
    for (const auto& [from, to] : journal.Moves) {
        paths.push_back(UserFolder(state) + from);
        paths.push_back(UserFolder(state) + to);
    }
    return paths;
}

std::string DateText(const MainState& state, int dayNumber) {
    const Date date = DateOfDayNumber(dayNumber);
    const std::string& month = state.Names.LongMonthNames[date.Month - 1];
    if (month.empty()) {
        return std::to_string(date.Day) + "-" + std::to_string(date.Month) + "-" +
               std::to_string(date.Year);
    }
    return std::to_string(date.Day) + " " + month + " " + std::to_string(date.Year);
}

// The period to retire when the list is full: one whose lesson file is missing or equal to
// that of the period before it loses nothing; else the oldest later period, period 1.
int ChooseRetiredPeriod(AppContext& ctx) {
    auto& state = ctx.state;
    const int count = state.Periods.Count;
    for (int k = 1; k < count; ++k) {
        if (!StoredFileExists(PeriodPath(state, k))) return k;
    }
    const std::string mainFile = MainFilePath(ctx);
    const auto main = ReadStored(state, mainFile);
    std::vector<std::string> previous = main.value_or(std::vector<std::string>{});
    bool known = main.has_value();
    for (int k = 1; k < count; ++k) {
        auto lines = ReadStoredRequired(state, PeriodPath(state, k));
        if (known && lines == previous) return k;
        previous = std::move(lines);
        known = true;
    }
    return 1;
}

// Merges period r into the one before it: its start leaves the list, its lesson file goes and
// the later files move down one number, so every remaining start keeps its own lessons.
void RetirePeriod(AppContext& ctx, int r) {
    auto& state = ctx.state;
    const int count = state.Periods.Count;
    const int retiredStart = state.Periods.Entries[r].Start;
    PeriodList periods = state.Periods;
    for (int k = r; k + 1 < count; ++k) {
        periods.Entries[k].Start = periods.Entries[k + 1].Start;
        periods.Entries[k].FileName = PeriodFileName(k);
    }
    periods.Entries[count - 1] = PeriodEntry{};
    periods.Count = count - 1;

    PeriodJournal journal;
    journal.NewList = PeriodListLines(periods);
    journal.Moves.emplace_back(PeriodFileName(r), RetiringPeriodFileName(r));
    for (int k = r + 1; k < count; ++k)
        journal.Moves.emplace_back(PeriodFileName(k), PeriodFileName(k - 1));
    StagedFile listFile(PeriodListPath(state), journal.NewList);
    const auto touched = PeriodChangePaths(state, journal);
    ChangePeriods(UserFolder(state), std::move(journal), nullptr, listFile, ctx.texts.CopyError);
    RereadStored(state, touched);
    CommitPeriods(state, periods);
    if (state.Saving.LoadedPeriod >= r) --state.Saving.LoadedPeriod;

    if (!state.PeriodLimitAnnounced) {
        state.PeriodLimitAnnounced = true;
        ctx.messages.ShowMessage(
            FillTemplate(ctx.texts.PeriodsMerged,
                         {std::to_string(kMaxStoredPeriods), DateText(state, retiredStart)}));
    }
}

// A new period starting on `start` goes in as entry j (up to Count): the later lesson files
// move up one number first.
void InsertPeriod(AppContext& ctx, int j, int start) {
    auto& state = ctx.state;
    const int count = state.Periods.Count;
    PeriodList periods = state.Periods;
    for (int k = count; k > j; --k) {
        periods.Entries[k].Start = periods.Entries[k - 1].Start;
        periods.Entries[k].FileName = PeriodFileName(k);
    }
    periods.Entries[j] = {static_cast<std::uint16_t>(start), PeriodFileName(j)};
    periods.Count = count + 1;

    const auto lessonLines = TimetableLines(state.Days, state.ClassName);
    const std::string target = PeriodPath(state, j);
    PeriodJournal journal;
    journal.Created = PeriodFileName(j);
    journal.NewList = PeriodListLines(periods);
    for (int k = count - 1; k >= j; --k)
        journal.Moves.emplace_back(PeriodFileName(k), PeriodFileName(k + 1));
    StagedFile lessonFile(target, lessonLines);
    StagedFile listFile(PeriodListPath(state), journal.NewList);
    const auto touched = PeriodChangePaths(state, journal);
    ChangePeriods(UserFolder(state), std::move(journal), &lessonFile, listFile, ctx.texts.CopyError);
    RereadStored(state, touched);
    CommitPeriods(state, periods);
    state.LessonLines = lessonLines;
    state.Saving.LoadedPeriod = j;
}

// A period later than every start goes in at the end: an insert with no files to move.
void AppendPeriod(AppContext& ctx, int start) {
    InsertPeriod(ctx, ctx.state.Periods.Count, start);
}

// The number of the lesson file each entry of the list uses: k for "S" + k + ".dfd".
std::vector<int> FileNumbers(const PeriodList& periods) {
    std::vector<int> numbers(static_cast<std::size_t>(periods.Count), 0);
    for (int k = 1; k < periods.Count; ++k) {
        for (int j = 1; j < periods.Count; ++j) {
            if (periods.Entries[k].FileName == PeriodFileName(j)) numbers[k] = j;
        }
    }
    return numbers;
}

// The list as stored: line j is the start of the entry whose lesson file is number j.
std::vector<std::string> StoredOrder(const PeriodList& periods, const std::vector<int>& numbers) {
    std::vector<std::string> lines = PeriodListLines(periods);
    for (int k = 1; k < periods.Count; ++k) {
        lines[numbers[k]] = std::to_string(periods.Entries[k].Start);
    }
    return lines;
}

// A list out of order (made by hand or by a bad merge) is written in order, one swap of two
// lesson files at a time: each swap is a period change of its own (the file of position k moves
// aside, file j takes its place, and k's bytes are written as j), with the two lines of the
// list swapped, so a crash leaves every start with its own lessons. The bytes are copied as
// they stand: a file the reader takes but would write otherwise (other line ends, a damaged
// line) keeps them.
void PutPeriodsInOrder(AppContext& ctx) {
    auto& state = ctx.state;
    const PeriodList& periods = state.Periods;
    std::vector<int> numbers = FileNumbers(periods);
    for (int k = 1; k < periods.Count; ++k) {
        const int j = numbers[k];
        if (j == k || j == 0) continue;
        const int other = static_cast<int>(
            std::find(numbers.begin(), numbers.end(), k) - numbers.begin());
        if (other >= periods.Count) continue;
        const std::string moved = PeriodPath(state, j);
        FileIdentity identity;
        const auto bytes = ReadBytesIfPresent(PeriodPath(state, k), identity);
        std::swap(numbers[k], numbers[static_cast<std::size_t>(other)]);
        PeriodJournal journal;
        journal.NewList = StoredOrder(periods, numbers);
        journal.Moves = {{PeriodFileName(k), RetiringPeriodFileName(k)},
                         {PeriodFileName(j), PeriodFileName(k)}};
        std::optional<StagedFile> created;
        if (bytes) {
            journal.Created = PeriodFileName(j);
            created.emplace(moved, *bytes);
        }
        StagedFile listFile(PeriodListPath(state), journal.NewList);
        const auto touched = PeriodChangePaths(state, journal);
        std::vector<std::string> stored = journal.NewList;
        ChangePeriods(UserFolder(state), std::move(journal), created ? &*created : nullptr,
                      listFile, ctx.texts.CopyError);
        ForgetStored(state, touched);
        // Held as stored, so that a later swap that fails leaves no entry naming another's file.
        state.Periods.Entries[k].FileName = PeriodFileName(k);
        state.Periods.Entries[other].FileName = PeriodFileName(j);
        state.PeriodLines = std::move(stored);
    }
    const PeriodList ordered = OrderedPeriodList(periods);
    // Period 0's start, when later than the next, is the one line left to change.
    WriteStored(state, PeriodListPath(state), PeriodListLines(ordered));
    CommitPeriods(state, ordered);
    ctx.messages.ShowMessage(ctx.texts.PeriodsReordered);
}

// Writes the time-table into the period the pending start `a` calls for.
void SavePeriod(AppContext& ctx, int a) {
    auto& state = ctx.state;
    if (a <= 0 || a > kLargestStart) {
        // Nothing loaded means nothing to write back (a new name's files are written in full).
        if (state.Saving.LoadedPeriod == 0) WriteTimetable(ctx, MainFilePath(ctx));
        if (state.Saving.LoadedPeriod > 0)
            WriteTimetable(ctx, PeriodPath(state, state.Saving.LoadedPeriod));
        return;
    }
    const auto start = static_cast<std::uint16_t>(a);
    if (state.Periods.Count <= 0) {
        // A time-table without periods: the edited week starts period 0.
        PeriodList periods;
        periods.Entries[0] = {start, CaptionOf(state, ctx.texts)};
        periods.Count = 1;
        WriteTimetableAndList(ctx, MainFilePath(ctx), periods);
        state.Saving.LoadedPeriod = 0;
        return;
    }
    // In a list whose starts are out of order the week may show another period than the one
    // its Monday names; the edit then stays in the period shown.
    const auto keepInLoadedPeriod = [&](int period) {
        if (state.Saving.LoadedPeriod < 0 || state.Saving.LoadedPeriod == period) return false;
        WriteTimetable(ctx, state.Saving.LoadedPeriod == 0
                                ? MainFilePath(ctx)
                                : PeriodPath(state, state.Saving.LoadedPeriod));
        return true;
    };
    if (a <= state.Periods.Entries[0].Start) {
        if (keepInLoadedPeriod(0)) return;
        PeriodList periods = state.Periods;
        periods.Entries[0].Start = start;
        WriteTimetableAndList(ctx, MainFilePath(ctx), periods);
        state.Saving.LoadedPeriod = 0;
        return;
    }
    // Equal starts resolve to the later entry, the one the week shows.
    for (int i = state.Periods.Count - 1; i > 0; --i) {
        if (state.Periods.Entries[i].Start == a) {
            if (keepInLoadedPeriod(i)) return;
            WriteTimetableAndList(ctx, PeriodPath(state, i), state.Periods);
            state.Saving.LoadedPeriod = i;
            return;
        }
    }
    while (state.Periods.Count >= kMaxStoredPeriods) RetirePeriod(ctx, ChooseRetiredPeriod(ctx));
    const int count = state.Periods.Count;
    if (a < state.Periods.Entries[count - 1].Start) {
        int j = 1;
        while (state.Periods.Entries[j].Start <= a) ++j;
        InsertPeriod(ctx, j, a);
    } else {
        AppendPeriod(ctx, a);
    }
}

}  // namespace

void Save(AppContext& ctx) {
    auto& state = ctx.state;
    auto& saving = state.Saving;
    const int pending = saving.PendingPeriodStart;
    const bool notesOnly = saving.NotesChanged && pending <= 0 && !saving.WriteAllOnSave;
    SetModified(ctx, false);
    // Until the save is done, the change it carries must stay where the next save finds it.
    const auto keepForNextSave = [&] {
        SetModified(ctx, true);
        saving.PendingPeriodStart = pending;
    };
    try {
        // A period change that could not be finished or undone earlier is put right first.
        RecoverPeriodChange(UserFolder(state));
        if (saving.NotesChanged) {
            WriteWeekNotes(ctx);
            saving.NotesChanged = false;
        }
        if (!saving.FailedLoadPath.empty()) {
            // The lessons in memory are not what the failed file holds: writing them would
            // replace it with less.
            if (notesOnly) return;
            keepForNextSave();
            throw SkemoraError(ErrorKind::SaveRefused, {saving.FailedLoadPath});
        }
        if (saving.WriteAllOnSave) {
            // A new name's files are written in full, over what the user chose to replace.
            const auto lines = TimetableLines(state.Days, state.ClassName);
            ReplaceStored(state, MainFilePath(ctx), lines);
            state.LessonLines = lines;
            if (!state.PeriodLines.empty())
                ReplaceStored(state, PeriodListPath(state), state.PeriodLines);
            saving.WriteAllOnSave = false;
        }
        FollowPeriodList(ctx);
        if (!PeriodListInOrder(state.Periods)) PutPeriodsInOrder(ctx);
        SavePeriod(ctx, pending);
        MergeSubjects(ctx);
    } catch (...) {
        keepForNextSave();
        throw;
    }
    if (pending > 0) saving.PendingPeriodStart = 0;
}

void SaveOrUndo(AppContext& ctx, const std::function<void()>& editAndSave) {
    const DayRecords days = ctx.state.Days;
    const std::string className = ctx.state.ClassName;
    const bool modified = ctx.state.Saving.Modified;
    const std::int32_t pending = ctx.state.Saving.PendingPeriodStart;
    const ViewModel view = ctx.view;
    try {
        editAndSave();
    } catch (...) {
        ctx.state.Days = days;
        ctx.state.ClassName = className;
        SetModified(ctx, modified);
        ctx.state.Saving.PendingPeriodStart = pending;
        ctx.view = view;
        throw;
    }
}

}  // namespace skemora
