#include "core/notes/mates.h"

namespace skemora {

namespace {

std::size_t MateCount(const std::vector<std::string>& lines) {
    return lines.size() / kContactFields;
}

std::vector<std::string>::iterator MateStart(std::vector<std::string>& lines, std::size_t mate) {
    return lines.begin() + static_cast<std::ptrdiff_t>(mate * kContactFields);
}

}  // namespace

std::vector<std::string> MateNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (std::size_t k = 0; k < MateCount(lines); ++k) names.push_back(lines[k * kContactFields]);
    return names;
}

ContactCardFields MateCard(const std::vector<std::string>& lines, std::size_t mate) {
    return ContactCardFromLines(lines, mate * kContactFields);
}

void AddMate(std::vector<std::string>& lines, const ContactCardFields& card) {
    const auto fields = ContactCardLines(card);
    lines.insert(MateStart(lines, MateCount(lines)), fields.begin(), fields.end());
}

void ReplaceMate(std::vector<std::string>& lines, std::size_t mate, const ContactCardFields& card) {
    if (mate >= MateCount(lines)) return;
    const auto fields = ContactCardLines(card);
    std::copy(fields.begin(), fields.end(), MateStart(lines, mate));
}

void DeleteMate(std::vector<std::string>& lines, std::size_t mate) {
    if (mate >= MateCount(lines)) return;
    lines.erase(MateStart(lines, mate), MateStart(lines, mate + 1));
}

}  // namespace skemora
