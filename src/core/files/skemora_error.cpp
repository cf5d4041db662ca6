#include "core/files/skemora_error.h"

#include <cstring>

namespace skemora {

std::string_view EnglishErrorTemplate(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::InvalidInteger:
            return "'%1' is not a valid integer value";
        case ErrorKind::CannotCreateFile:
            return "Cannot create file %1";
        case ErrorKind::CannotOpenFile:
            return "Cannot open file %1";
        case ErrorKind::DamagedLessonFile:
            return "%1 is damaged: it holds %2 lines instead of %3.";
        case ErrorKind::SaveRefused:
            return "%1 could not be read, so the change is not saved over it.";
        case ErrorKind::UnreadableNotReplaced:
            return "%1 could not be read (%2), so it is not written over.";
        case ErrorKind::Message:
            return "%1";
    }
    return "%1";
}

std::string FillTemplate(std::string_view text, const std::vector<std::string>& arguments) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) out += arguments[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

SkemoraError::SkemoraError(ErrorKind kind, std::vector<std::string> arguments)
    : std::runtime_error(FillTemplate(EnglishErrorTemplate(kind), arguments)),
      kind_(kind),
      arguments_(std::move(arguments)) {}

namespace {

std::vector<std::string> WithCause(std::vector<std::string> arguments, const SkemoraError& cause) {
    arguments.push_back(cause.what());
    return arguments;
}

}  // namespace

SkemoraError::SkemoraError(ErrorKind kind, std::vector<std::string> arguments,
                           const SkemoraError& cause)
    : std::runtime_error(FillTemplate(EnglishErrorTemplate(kind), WithCause(arguments, cause))),
      kind_(kind),
      arguments_(std::move(arguments)),
      cause_(std::make_shared<const SkemoraError>(cause)) {}

SkemoraError InvalidInteger(const std::string& text) {
    return SkemoraError(ErrorKind::InvalidInteger, {text});
}

SkemoraError::SkemoraError(ErrorKind kind, std::vector<std::string> arguments, int systemError)
    : std::runtime_error(FillTemplate(EnglishErrorTemplate(kind), arguments) + "\n" +
                         SystemErrorText(systemError)),
      kind_(kind),
      arguments_(std::move(arguments)),
      systemError_(systemError) {}

SkemoraError CannotCreateFile(const std::string& path, int systemError) {
    if (systemError == 0) return SkemoraError(ErrorKind::CannotCreateFile, {path});
    return SkemoraError(ErrorKind::CannotCreateFile, {path}, systemError);
}

std::string SystemErrorText(int systemError) {
    return std::strerror(systemError);
}

}  // namespace skemora
