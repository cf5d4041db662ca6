#include "core/notes/contact_card.h"

namespace skemora {

ContactCardFields ContactCardFromLines(const std::vector<std::string>& lines, std::size_t first) {
    ContactCardFields card;
    for (std::size_t k = 0; k < card.Fields.size(); ++k) {
        if (first + k < lines.size()) card.Fields[k] = lines[first + k];
    }
    return card;
}

std::vector<std::string> ContactCardLines(const ContactCardFields& card) {
    return {card.Fields.begin(), card.Fields.end()};
}

std::optional<std::string> MailUrl(const std::string& email) {
    if (email.find('@') == std::string::npos) return std::nullopt;
    return "mailto:" + email;
}

std::optional<int> CardFocusAfter(int position, CardKey key) {
    if (position < 0 || position >= kCardOkPosition) return std::nullopt;
    if (key == CardKey::Up) {
        if (position == 0) return std::nullopt;
        return position - 1;
    }
    return position + 1;
}

}  // namespace skemora
