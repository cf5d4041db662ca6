#include "app/storage/homework_moves.h"

#include <algorithm>
#include <optional>

#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/notes/note_files.h"
#include "core/notes/upcoming_files.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

constexpr int kFirstYear = 1970;  // no day number before it

// The names of the week homework files in the folder.
std::vector<std::string> WeekFileNames(MainState& state, const std::string& folder) {
    std::vector<std::string> names;
    for (std::string& name : FilesInFolder(state, folder)) {
        if (WeekOfWeekFileName(name)) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

HomeworkMove::HomeworkMove(AppContext& ctx, int position, LessonShift shift)
    : state_(ctx.state),
      userFolder_(UserFolder(ctx.state)),
      lessons_(ctx.state.Days[ctx.state.SelColumn - 1]),
      day_(ctx.state.SelColumn - 1),
      position_(position),
      shift_(shift) {
    const auto& state = ctx.state;
    if (userFolder_.empty()) return;
    const int shownMonday = MondayOfSelectedWeek(state);
    const int period = PeriodForDate(state.Periods, shownMonday);
    const auto reached = [&](int monday) {
        return monday >= shownMonday && PeriodForDate(state.Periods, monday) == period;
    };
    for (const std::string& name : WeekFileNames(ctx.state, userFolder_)) {
        const WeekFileWeek week = *WeekOfWeekFileName(name);
        if (week.Year < kFirstYear) continue;
        WeekFile file;
        file.Path = userFolder_ + name;
        file.Week = week.Week;
        for (int monday : ShownMondaysOfWeekFile(week.Year, week.Week, state.SundayFirst)) {
            if (reached(monday)) file.Mondays.push_back(monday);
        }
        if (file.Mondays.empty()) continue;
        bool whole = false;
        try {
            whole = ParseWeekHomework(file.Homework, ReadStoredRequired(ctx.state, file.Path));
        } catch (const SkemoraError& error) {
            throw SkemoraError(FillTemplate(
                ctx.texts.HomeworkFileDamaged,
                {file.Path + " (" + ErrorText(error, state.LanguageCode) + ")"}));
        }
        if (!whole) throw SkemoraError(FillTemplate(ctx.texts.HomeworkFileDamaged, {file.Path}));
        weeks_.push_back(std::move(file));
    }
    std::sort(weeks_.begin(), weeks_.end(), [](const WeekFile& a, const WeekFile& b) {
        return a.Mondays.front() < b.Mondays.front();
    });
}

std::vector<int> HomeworkMove::WeeksWithHomeworkAt(int position) const {
    std::vector<int> numbers;
    for (const WeekFile& file : weeks_) {
        if (!file.Homework[day_][position].HasHomework()) continue;
        if (std::find(numbers.begin(), numbers.end(), file.Week) == numbers.end())
            numbers.push_back(file.Week);
    }
    return numbers;
}

bool HomeworkMove::Stage() {
    bool changes = false;
    for (WeekFile& file : weeks_) {
        file.Shifted = file.Homework;
        if (shift_ == LessonShift::Insert) {
            InsertHomeworkPosition(file.Shifted, day_, position_);
        } else {
            DeleteHomeworkPosition(file.Shifted, day_, position_);
        }
        const auto lines = WeekHomeworkLines(file.Shifted);
        if (lines == WeekHomeworkLines(file.Homework)) continue;
        changes = true;
        file.Emptied = lines.empty();
        if (!file.Emptied) file.Staged = std::make_unique<StagedFile>(file.Path, lines);
    }
    return changes;
}

void HomeworkMove::Commit() {
    std::optional<SkemoraError> failure;
    for (WeekFile& file : weeks_) {
        try {
            if (file.Staged) CommitStored(state_, *file.Staged);
            if (file.Emptied) RemoveStored(state_, file.Path);
        } catch (const SkemoraError& error) {
            if (!failure) failure = error;
        }
        file.Staged.reset();
    }
    if (shift_ == LessonShift::Delete) {
        try {
            RemoveDeletedFromUpcoming();
        } catch (const SkemoraError& error) {
            if (!failure) failure = error;
        }
    }
    if (failure) throw *failure;
}

// The upcoming-files list names a lesson by its date, subject and first shortcut; a deleted
// lesson's entries go, unless another lesson of that day still answers to them. A list that
// cannot be read is left as it is: nothing is shown from it.
void HomeworkMove::RemoveDeletedFromUpcoming() const {
    const std::string path = UpcomingFilesPath(userFolder_);
    std::vector<std::string> lines;
    try {
        auto read = ReadStored(state_, path);
        if (!read) return;
        lines = std::move(*read);
        CheckUpcomingDates(lines);
    } catch (const SkemoraError&) {
        return;
    }
    const std::string& subject = lessons_.Subject[position_];
    bool removed = false;
    for (const WeekFile& file : weeks_) {
        const auto& deleted = file.Homework[day_][position_].Shortcuts;
        if (deleted.empty()) continue;
        bool kept = false;
        for (int j = 0; j < kLessons; ++j) {
            const auto& other = file.Homework[day_][j].Shortcuts;
            kept = kept || (j != position_ && lessons_.Subject[j] == subject && !other.empty() &&
                            other.front() == deleted.front());
        }
        if (kept) continue;
        for (int monday : file.Mondays) {
            removed =
                RemoveUpcomingEntries(lines, {monday + day_, subject, deleted.front()}) || removed;
        }
    }
    if (removed) WriteStored(state_, path, lines);
}

}  // namespace skemora
