// The school mates' work list: records of seven lines (the contact card's fields in order); a
// trailing incomplete record is no mate but stays in the list.
#pragma once

#include <string>
#include <vector>

#include "core/notes/contact_card.h"

namespace skemora {

// Field 1 of every complete record.
std::vector<std::string> MateNames(const std::vector<std::string>& lines);
// Mate i's card.
ContactCardFields MateCard(const std::vector<std::string>& lines, std::size_t mate);
// Appends a mate after the last complete record (in front of an incomplete one, so that the
// records stay aligned).
void AddMate(std::vector<std::string>& lines, const ContactCardFields& card);
// Replaces mate i's seven lines; nothing happens for a mate that is not there.
void ReplaceMate(std::vector<std::string>& lines, std::size_t mate, const ContactCardFields& card);
// Removes mate i's seven lines; nothing happens for a mate that is not there.
void DeleteMate(std::vector<std::string>& lines, std::size_t mate);

}  // namespace skemora
