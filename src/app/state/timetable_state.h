// The open time-table's standing: whether one is open, its files' paths, the unsaved-changes
// flag with the controls that show it, and the loading scope.
#pragma once

#include <string>

#include "app/state/app_context.h"

namespace skemora {

// Makes the time-table whose main file is `path`, in the data folder, the open one: its name,
// user name and user folder follow from the file's name, and the caption shows its name. Open,
// a new time-table and Save As go through here; nothing is read or written.
void BecomeOpenTimetable(AppContext& ctx, const std::string& path);
// Leaves no time-table open; the caption shows the no-document title.
void CloseTimetable(AppContext& ctx);
// The window caption: the open time-table's name, or the no-document title while none is open.
std::string CaptionOf(const MainState& state, const MessageTexts& texts);
// Whether a time-table is open: the record is set.
bool IsTimetableOpen(const AppContext& ctx);
// The open time-table's user folder (ending with "/") and user name; empty while none is open.
const std::string& UserFolder(const MainState& state);
const std::string& UserName(const MainState& state);
// Forgets what the next save would write, as for a time-table just opened: nothing unsaved,
// nothing pending, nothing loaded. The loading scope is left as it is.
void ResetSaving(AppContext& ctx);
// The one place that changes Modified: the Save command, the Save As command and the save
// button are enabled exactly while there are unsaved changes.
void SetModified(AppContext& ctx, bool modified);
// The class box and the school mates button's hint show the stored class.
void ShowClass(AppContext& ctx);

// The open time-table's main file (period 0).
std::string MainFilePath(const AppContext& ctx);
// Files in the user folder.
std::string PeriodListPath(const MainState& state);
std::string PeriodPath(const MainState& state, int index);
std::string SubjectListPath(const MainState& state);
std::string SchoolFilePath(const MainState& state);
// The shown week's homework file.
std::string WeekHomeworkPath(const MainState& state);
// The Monday of the school week the selected date stands for, which edits take effect from:
// the Monday on or before it, except that with Sunday first a Sunday opens the week after it.
int MondayOfSelectedWeek(const MainState& state);
// The day number whose period the shown week's lessons come from: the selected date, or with
// Sunday first on a Sunday the Monday after it (the school week shown).
int PeriodDayOfSelectedDate(const MainState& state);

// Loading is set while it lives, and back to what it was when it ends, however it ends.
class LoadingScope {
public:
    explicit LoadingScope(MainState& state) : state_(state), before_(state.Saving.Loading) {
        state_.Saving.Loading = true;
    }
    ~LoadingScope() { state_.Saving.Loading = before_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    MainState& state_;
    bool before_;
};

}  // namespace skemora
