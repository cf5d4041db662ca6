#include "core/notes/homework_rules.h"

#include "core/files/file_ops.h"
#include "core/files/text_file.h"

namespace skemora {

std::vector<std::string> DescriptionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string DescriptionText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

bool HasFileType(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot + 1 < name.size();
}

CreatedFile CreateShortcutFile(
    const std::function<std::optional<std::string>(const std::string& title)>& askName,
    const CreateFileTexts& texts, std::string& title) {
    for (;;) {
        if (title != texts.MissingType) title = texts.Prompt;
        const std::optional<std::string> path = askName(title);
        if (!path) return {};
        title = texts.Prompt;
        if (HoldsLineBreak(*path)) return {CreateFileResult::LineBreak, *path};
        if (!HasFileType(*path)) {
            if (NameTaken(*path)) return {CreateFileResult::Exists, *path};
            title = texts.MissingType;
            continue;
        }
        if (!CreateNewFile(*path)) return {CreateFileResult::Exists, *path};
        return {CreateFileResult::Created, *path};
    }
}

}  // namespace skemora
