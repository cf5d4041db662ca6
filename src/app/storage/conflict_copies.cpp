#include "app/storage/conflict_copies.h"

#include <algorithm>
#include <optional>

#include "app/state/timetable_state.h"
#include "app/storage/storage.h"
#include "app/storage/week_notes.h"
#include "core/files/file_ops.h"
#include "core/files/merge.h"
#include "core/files/skemora_error.h"
#include "core/language/texts.h"
#include "core/timetable/file_names.h"
#include "core/timetable/subject_list.h"

namespace skemora {

namespace {

struct ConflictCopy {
    std::string Folder;    // ends with "/"
    std::string Name;      // the copy's name
    std::string Original;  // the name of the file it is a copy of
};

bool EndsWithAny(const std::string& name, const std::vector<std::string>& extensions) {
    for (const auto& extension : extensions) {
        if (name.size() > extension.size() && name.ends_with(extension)) return true;
    }
    return false;
}

// The files of a user folder the diary reads: lessons, periods, lists, week files, notes. Other
// ".txt" files there are the pupil's own documents.
bool IsUserFolderFile(const std::string& name) {
    return name == kSubjectListFileName ||
           EndsWithAny(name, {".dfd", ".dff", ".dfz", ".flk", ".lin", ".lae", ".elv"});
}

// The week of a notes file's name.
std::optional<int> NotesWeek(const std::string& name) {
    if (!name.ends_with(".dfz")) return std::nullopt;
    std::string homework = name;
    homework.back() = 'f';
    const auto week = WeekOfWeekFileName(homework);
    if (!week) return std::nullopt;
    return week->Week;
}

template <typename Own>
void AddCopies(const MainState& state, std::vector<ConflictCopy>& copies, const std::string& folder,
               Own own) {
    if (folder.empty()) return;
    const auto& left = state.ConflictCopiesLeft;
    // Merged in the order of their names, whatever order the folder lists them in.
    std::vector<std::string> names = ListFolder(folder).Files;
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        if (!IsSyncToolConflictCopy(name)) continue;
        if (std::find(left.begin(), left.end(), folder + name) != left.end()) continue;
        const std::string original = ConflictCopyOriginal(name);
        if (own(original)) copies.push_back({folder, name, original});
    }
}

std::vector<ConflictCopy> CopiesNow(const AppContext& ctx) {
    const auto& state = ctx.state;
    std::vector<ConflictCopy> copies;
    const std::string mainName = IsTimetableOpen(ctx) ? state.Open->Name : std::string();
    AddCopies(state, copies, state.DataFolder, [&](const std::string& original) {
        return original == mainName || (original.front() == 'a' && EndsWithAny(original, {".dfg"}));
    });
    AddCopies(state, copies, UserFolder(state), IsUserFolderFile);
    return copies;
}

// Merges one copy into its file; answers whether the file was written.
bool MergeCopy(AppContext& ctx, const ConflictCopy& copy) {
    auto& state = ctx.state;
    const std::string path = copy.Folder + copy.Original;
    const std::string copyPath = copy.Folder + copy.Name;
    const auto copyLines = ReadStored(state, copyPath);
    if (!copyLines) return false;
    const std::vector<std::string> fileLines = ReadStoredOrEmpty(state, path);
    // One of the two is this window's own last write: what it replaced is the base both
    // computers started from, and a three-way merge keeps each side's changes.
    struct OwnSide {
        std::vector<std::string> Base;
        const std::vector<std::string>* Ours;
        const std::vector<std::string>* Theirs;
    };
    std::optional<OwnSide> own;
    if (auto base = BaseOfOwnVersion(state, path, *copyLines)) {
        own = OwnSide{std::move(*base), &*copyLines, &fileLines};
    } else if (auto fileBase = BaseOfOwnVersion(state, path, fileLines)) {
        own = OwnSide{std::move(*fileBase), &fileLines, &*copyLines};
    }
    std::vector<std::string> merged;
    std::string told;
    if (const auto week = NotesWeek(copy.Original)) {
        const std::string text = JoinLines(fileLines);
        const std::string both =
            own ? MergeTexts(JoinLines(own->Base), JoinLines(*own->Ours), JoinLines(*own->Theirs))
                : MergeTextsWithoutBase(text, JoinLines(*copyLines));
        merged = both == text ? fileLines : SplitLines(both);
        told = FillTemplate(ctx.texts.ConflictNotesKept, {std::to_string(*week)});
    } else {
        const std::string shownName =
            FillTemplate(ctx.texts.ConflictFileName,
                         {copy.Folder == state.DataFolder ? copy.Original
                                                          : UserName(state) + "/" + copy.Original});
        LineMerge merge = own ? MergeLines(own->Base, *own->Ours, *own->Theirs) : LineMerge{{}, true};
        if (copy.Original == kSubjectListFileName) {
            merge = {own ? MergeSubjectLists(own->Base, *own->Ours, *own->Theirs)
                         : MergeSubjectLists({}, *copyLines, fileLines),
                     false};
        }
        if (merge.Conflict) merge = MergeCopyLines(fileLines, *copyLines, false);
        if (merge.Conflict) {
            const int answer = ctx.messages.Ask(
                ctx.texts.ConflictTitle, FillTemplate(ctx.texts.ConflictQuestion, {shownName}));
            if (answer == kAnswerCancel) {
                state.ConflictCopiesLeft.push_back(copyPath);
                return false;
            }
            if (answer == kAnswerYes) merge = MergeCopyLines(fileLines, *copyLines, true);
        } else {
            told = FillTemplate(ctx.texts.ConflictFileMerged, {shownName});
        }
        merged = std::move(merge.Lines);
    }
    const bool write = merged != fileLines;
    if (write) WriteStored(state, path, merged);
    RemoveStored(state, copyPath);
    if (write && !told.empty()) ctx.messages.Notify(told);
    return write;
}

}  // namespace

bool HasSyncConflictCopies(const AppContext& ctx) {
    return !CopiesNow(ctx).empty();
}

std::vector<std::string> MergeSyncConflictCopies(AppContext& ctx) {
    std::vector<std::string> written;
    for (const ConflictCopy& copy : CopiesNow(ctx)) {
        try {
            if (MergeCopy(ctx, copy)) written.push_back(copy.Folder + copy.Original);
        } catch (const SkemoraError& error) {
            // The copy stays for the next opening; the other copies go on.
            ctx.state.ConflictCopiesLeft.push_back(copy.Folder + copy.Name);
            ctx.messages.ShowError(ErrorText(error, ctx.state.LanguageCode));
        }
    }
    return written;
}

}  // namespace skemora
