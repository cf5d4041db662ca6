#include "app/storage/period_change.h"

#include <filesystem>

#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"

namespace skemora {

namespace {

// Any directory entry of that name, hidden or not, a link or a file.
bool Present(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::string JournalPath(const std::string& folder) {
    return folder + kPeriodJournalFileName;
}

// Undoes the renames already made, newest first. A rename was made when its source is gone and
// its target is there; later renames were undone before it, so the check holds for each in turn.
// Answers whether the folder is back as it was.
bool UndoChange(const std::string& folder, const PeriodJournal& journal) {
    bool undone = true;
    if (journal.Moved && !journal.Created.empty()) {
        DeleteFile(folder + journal.Created);
        undone = !Present(folder + journal.Created);
    }
    for (auto move = journal.Moves.rbegin(); move != journal.Moves.rend(); ++move) {
        const std::string from = folder + move->first;
        const std::string to = folder + move->second;
        if (Present(from) || !Present(to)) continue;
        if (!MoveFile(to, from)) undone = false;
    }
    return undone;
}

void Finish(const std::string& folder, const PeriodJournal& journal) {
    for (const auto& move : journal.Moves) {
        if (move.second.front() == '.') DeleteFile(folder + move.second);
    }
    DeleteFile(JournalPath(folder));
}

}  // namespace

void ChangePeriods(const std::string& userFolder, PeriodJournal journal, StagedFile* created,
                   StagedFile& list, const std::string& failureText) {
    journal.Moved = false;
    WriteLines(JournalPath(userFolder), PeriodJournalLines(journal));
    try {
        for (const auto& [fromName, toName] : journal.Moves) {
            const std::string from = userFolder + fromName;
            const std::string to = userFolder + toName;
            if (!FileExists(from)) {
                DeleteFile(to);
            } else if (!MoveFile(from, to)) {
                throw SkemoraError(failureText);
            }
        }
        if (created) {
            // From here on the created file may be there; undoing removes it first.
            journal.Moved = true;
            WriteLines(JournalPath(userFolder), PeriodJournalLines(journal));
            created->Commit();
        }
        list.Commit();
    } catch (...) {
        // Undone in full, the journal has nothing left to say; else the next opening tries again.
        if (UndoChange(userFolder, journal)) DeleteFile(JournalPath(userFolder));
        throw;
    }
    Finish(userFolder, journal);
}

bool RecoverPeriodChange(const std::string& userFolder) {
    if (userFolder.empty()) return false;
    const std::string journalPath = JournalPath(userFolder);
    if (!Present(journalPath)) return false;
    std::optional<PeriodJournal> journal;
    bool complete = false;
    try {
        journal = ParsePeriodJournal(ReadLines(journalPath));
        const std::string listPath = userFolder + kPeriodListFileName;
        complete = journal && Present(listPath) && ReadLines(listPath) == journal->NewList;
    } catch (const SkemoraError&) {
        // Unreadable now: left as it is for an opening that can read it.
        return false;
    }
    if (!journal) {
        DeleteFile(journalPath);
        return false;
    }
    if (complete) {
        Finish(userFolder, *journal);
    } else if (UndoChange(userFolder, *journal)) {
        DeleteFile(journalPath);
    }
    return true;
}

}  // namespace skemora
