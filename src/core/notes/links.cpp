#include "core/notes/links.h"

namespace skemora {

bool LinkAddEnabled(const std::string& field) {
    return !field.empty() && field != kAddressStart;
}

}  // namespace skemora
