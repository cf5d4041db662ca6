// The program's one error type: thrown where a command must stop, shown by the event boundary in
// the general error box. It carries what went wrong and the texts that fill the message, so the
// boundary can show it in the interface language.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace skemora {

enum class ErrorKind {
    InvalidInteger,         // %1 is the offending text
    CannotCreateFile,       // %1 is the path
    CannotOpenFile,         // %1 is the path
    DamagedLessonFile,      // %1 the file, %2 the lines it holds, %3 the lines it must hold
    SaveRefused,            // %1 the file that could not be read
    UnreadableNotReplaced,  // %1 the file, %2 the error that reading it gave
    Message,                // %1 is the whole text, already in the interface language
};

class SkemoraError : public std::runtime_error {
public:
    SkemoraError(ErrorKind kind, std::vector<std::string> arguments);
    // An error caused by another one, whose message becomes the last argument.
    SkemoraError(ErrorKind kind, std::vector<std::string> arguments, const SkemoraError& cause);
    // A text already composed in the interface language.
    explicit SkemoraError(const std::string& text) : SkemoraError(ErrorKind::Message, {text}) {}

    ErrorKind Kind() const { return kind_; }
    const std::vector<std::string>& Arguments() const { return arguments_; }
    const SkemoraError* Cause() const { return cause_.get(); }
    // The system's error number behind a file that could not be written; 0 when none. Its
    // reason is shown on a line after the message.
    int SystemError() const { return systemError_; }

private:
    ErrorKind kind_;
    std::vector<std::string> arguments_;
    std::shared_ptr<const SkemoraError> cause_;
    int systemError_ = 0;

    SkemoraError(ErrorKind kind, std::vector<std::string> arguments, int systemError);
    friend SkemoraError CannotCreateFile(const std::string& path, int systemError);
};

// The English message of a kind, with %1, %2, ... where the arguments go.
std::string_view EnglishErrorTemplate(ErrorKind kind);
// The template with %1 .. %9 replaced by the arguments (a missing one by nothing).
std::string FillTemplate(std::string_view text, const std::vector<std::string>& arguments);

// "'%s' is not a valid integer value"
SkemoraError InvalidInteger(const std::string& text);
// "Cannot create file %s", followed by the reason of `systemError` (an errno value, 0 for none).
SkemoraError CannotCreateFile(const std::string& path, int systemError = 0);
// The system's own words for an error number.
std::string SystemErrorText(int systemError);

}  // namespace skemora
