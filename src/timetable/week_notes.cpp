#include "timetable/week_notes.h"

#include <vector>

#include "timetable/file_ops.h"
#include "timetable/storage.h"
#include "timetable/text_file.h"

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

// The notes file the box belongs to: the week it was last read for, else the shown week.
std::string NotesPath(const MainState& state) {
    const std::string name = state.NotesFileName.empty()
                                 ? WeekNotesFileName(state.SelYear, state.WeekNo)
                                 : state.NotesFileName;
    return state.UserFolder + name;
}

}  // namespace

std::string WeekNotesFileName(int year, int week) {
    std::string name = WeekFileName(year, week);
    name.back() = 'z';
    return name;
}

void ReadWeekNotes(AppContext& ctx) {
    auto& state = ctx.state;
    ctx.view.NotesBox.Enabled = true;
    state.NotesFileName = WeekNotesFileName(state.SelYear, state.WeekNo);
    ctx.view.NotesBox.Hint = ctx.texts.WeekNotesHint + std::to_string(state.WeekNo);
    const std::string path = state.UserFolder + state.NotesFileName;
    if (state.UserFolder.empty() || !FileExists(path)) {
        ctx.view.NotesText.clear();
        return;
    }
    state.Loading = true;
    try {
        ctx.view.NotesText = JoinLines(ReadLines(path));
    } catch (...) {
        // The box still holds another week's notes: typing must not save them over this file.
        ctx.view.NotesBox.Enabled = false;
        ctx.view.NotesText.clear();
        state.Loading = false;
        throw;
    }
    state.Loading = false;
}

void NotesEdited(AppContext& ctx) {
    auto& state = ctx.state;
    if (state.Loading || ctx.view.Title == ctx.texts.NoDocumentTitle) return;
    // An empty box for a week that has no notes file changes nothing on disk.
    if (ctx.view.NotesText.empty() && !state.NotesChanged && !FileExists(NotesPath(state))) return;
    ctx.view.Menus.Save.Enabled = true;
    ctx.view.Menus.SaveAs.Enabled = true;
    ctx.view.SaveButton.Enabled = true;
    state.NotesChanged = true;
    state.Modified = true;
    Save(ctx);
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
