#include "app/storage/week_notes.h"

#include <vector>

#include "app/storage/storage.h"
#include "core/timetable/file_names.h"
#include "app/state/timetable_state.h"

namespace skemora {

std::string NotesTextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

std::vector<std::string> NotesLinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    return lines;
}

std::string NotesPath(const MainState& state) {
    const std::string name = state.NotesFileName.empty()
                                 ? WeekNotesFileName(state.SelYear, state.WeekNo)
                                 : state.NotesFileName;
    return UserFolder(state) + name;
}

void ReadWeekNotes(MainState& state) {
    state.NotesFileName = WeekNotesFileName(state.SelYear, state.WeekNo);
    auto& notes = state.ShownNotes;
    notes = ShownWeekNotes{true, true, true, state.WeekNo, {}};
    if (UserFolder(state).empty()) return;
    const std::string path = UserFolder(state) + state.NotesFileName;
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadStored(state, path);
    } catch (...) {
        // The box still holds another week's notes: typing must not save them over this file.
        notes.Readable = false;
        throw;
    }
    if (lines) notes.Text = NotesTextOf(*lines);
}

void WriteWeekNotes(AppContext& ctx) {
    const std::string path = NotesPath(ctx.state);
    if (!ctx.view.NotesText.empty()) {
        WriteStored(ctx.state, path, NotesLinesOf(ctx.view.NotesText));
    } else if (StoredFileExists(path)) {
        RemoveStored(ctx.state, path);
    }
}

}  // namespace skemora
