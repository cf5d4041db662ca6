// The program's one error type: a user-facing text, thrown where a command must stop and shown
// by the event boundary in the general error box.
#pragma once

#include <stdexcept>
#include <string>

namespace skemora {

class SkemoraError : public std::runtime_error {
public:
    explicit SkemoraError(const std::string& text) : std::runtime_error(text) {}
};

// "'%s' is not a valid integer value"
SkemoraError InvalidInteger(const std::string& text);
// "Cannot create file %s"
SkemoraError CannotCreateFile(const std::string& path);

}  // namespace skemora
