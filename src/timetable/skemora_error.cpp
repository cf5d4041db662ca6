#include "timetable/skemora_error.h"

namespace skemora {

SkemoraError InvalidInteger(const std::string& text) {
    return SkemoraError("'" + text + "' is not a valid integer value");
}

SkemoraError CannotCreateFile(const std::string& path) {
    return SkemoraError("Cannot create file " + path);
}

}  // namespace skemora
