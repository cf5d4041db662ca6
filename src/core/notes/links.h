// The rules of the links dialog's address field.
#pragma once

#include <string>

namespace skemora {

// What the address field holds at first and after every Add.
inline constexpr const char* kAddressStart = "http://";

// Add is enabled exactly when the field holds more than the bare start.
bool LinkAddEnabled(const std::string& field);

}  // namespace skemora
