#include "app/storage/week_notes.h"

#include <vector>

#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "core/timetable/file_names.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
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

}  // namespace

std::string NotesPath(const MainState& state) {
    const std::string name = state.NotesFileName.empty()
                                 ? WeekNotesFileName(state.SelYear, state.WeekNo)
                                 : state.NotesFileName;
    return state.UserFolder + name;
}

void ReadWeekNotes(MainState& state) {
    state.NotesFileName = WeekNotesFileName(state.SelYear, state.WeekNo);
    auto& notes = state.ShownNotes;
    notes = ShownWeekNotes{true, true, true, state.WeekNo, {}};
    const std::string path = state.UserFolder + state.NotesFileName;
    if (state.UserFolder.empty() || !FileExists(path)) return;
    try {
        notes.Text = JoinLines(ReadLines(path));
    } catch (...) {
        // The box still holds another week's notes: typing must not save them over this file.
        notes.Readable = false;
        throw;
    }
}

void WriteWeekNotes(AppContext& ctx) {
    const std::string path = NotesPath(ctx.state);
    if (!ctx.view.NotesText.empty()) {
        WriteLines(path, SplitLines(ctx.view.NotesText));
    } else if (FileExists(path)) {
        DeleteFile(path);
    }
}

}  // namespace skemora
