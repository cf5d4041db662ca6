#include "core/timetable/week_view_text.h"

#include <charconv>

namespace skemora {

std::string NumberLabelCaption(int number) {
    return (number < 10 ? "  " : " ") + std::to_string(number) + " ";
}

std::optional<int> NumberInCaption(const std::string& caption) {
    std::string digits;
    for (char c : caption) {
        if (c != ' ') digits += c;
    }
    int value = 0;
    const char* end = digits.data() + digits.size();
    auto [rest, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || rest != end) return std::nullopt;
    return value;
}

}  // namespace skemora
