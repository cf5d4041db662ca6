// The rules of the homework dialog: its file filters, the file-type test and the create-file
// flow.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

// "description|pattern|..." of the Add shortcut and Create file dialogs.
inline constexpr const char* kShortcutFilter = "*.doc|*.doc|*.txt|*.txt|*.*|*.*";
inline constexpr const char* kCreateFileFilter =
    "Word *.doc|*.doc|Notebook *.txt|*.txt|Works *.wks|*.wks|Paint *.bmp|*.bmp|*.*|*.*";

// The description box's lines: none for an empty box, and a final line break adds no line.
std::vector<std::string> DescriptionLines(const std::string& text);
// The box's text of the lines, joined by line breaks.
std::string DescriptionText(const std::vector<std::string>& lines);

// True when the file name part has a non-empty text after its last ".".
bool HasFileType(const std::string& path);

enum class CreateFileResult { Cancelled, Exists, LineBreak, Created };
struct CreatedFile {
    CreateFileResult Result = CreateFileResult::Cancelled;
    std::string Path;
};
struct CreateFileTexts {
    std::string Prompt, MissingType;
};
// Asks for a new file's name with `askName(title)` until the user cancels, names something
// that exists (of any kind: nothing is ever replaced), names a file holding a line break (which
// no shortcut line can hold; nothing is created), or names a new file with a type, which is
// then created empty. `title` is the save dialog's title and lasts between calls: after a
// missing-type name it stays the missing-type message. Throws CannotCreateFile when the file
// cannot be created.
CreatedFile CreateShortcutFile(
    const std::function<std::optional<std::string>(const std::string& title)>& askName,
    const CreateFileTexts& texts, std::string& title);

}  // namespace skemora
