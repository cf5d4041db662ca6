// The seven fields of a contact card (a teacher, a school mate, the school): the name, three
// address lines, two telephone numbers and an e-mail address, one line each.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

constexpr int kContactFields = 7;

struct ContactCardFields {
    std::array<std::string, kContactFields> Fields;  // field 1 is index 0
    friend bool operator==(const ContactCardFields&, const ContactCardFields&) = default;
};

// Field k from line first + k - 1; a missing line gives an empty field.
ContactCardFields ContactCardFromLines(const std::vector<std::string>& lines,
                                       std::size_t first = 0);
// The seven lines, empty ones included.
std::vector<std::string> ContactCardLines(const ContactCardFields& card);
// The "mailto:" address of the e-mail field, when it holds an "@"; nullopt otherwise.
std::optional<std::string> MailUrl(const std::string& email);

// The card's keys: focus positions 0..6 are the fields, 7 is the OK button.
constexpr int kCardOkPosition = kContactFields;
enum class CardKey { Enter, Down, Up };
// Where the focus goes when `key` is released at `position`; nullopt when the key moves nothing
// there (Enter on OK presses it instead).
std::optional<int> CardFocusAfter(int position, CardKey key);

}  // namespace skemora
