#include "core/timetable/lesson_rules.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/files/text_file.h"

namespace skemora {

namespace {

bool IsValidPosition(int position) {
    return position >= 0 && position < kLessons;
}

// The digit at `index` of the time text; a blank or a missing character counts as 0, anything
// else makes the text no time.
std::optional<int> DigitAt(const std::string& text, std::size_t index) {
    if (index >= text.size() || text[index] == ' ') return 0;
    const auto c = static_cast<unsigned char>(text[index]);
    if (!std::isdigit(c)) return std::nullopt;
    return c - '0';
}

std::optional<int> TwoDigits(const std::string& text, std::size_t first) {
    const auto tens = DigitAt(text, first);
    const auto units = DigitAt(text, first + 1);
    if (!tens || !units) return std::nullopt;
    return *tens * 10 + *units;
}

}  // namespace

std::string FormatTime(int time) {
    auto part = [](int value) {
        return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
    };
    return part(time / 100) + ":" + part(time % 100);
}

bool TimeTextAllowed(const std::string& text) {
    if (text.size() > 5 || (text.size() > 2 && text[2] != ':')) return false;
    const auto hours = TwoDigits(text, 0);
    const auto minutes = TwoDigits(text, 3);
    return hours && minutes && *hours <= 23 && *minutes <= 59;
}

std::optional<int> StartTimeOfText(const std::string& text) {
    if (text.size() != 5 || !TimeTextAllowed(text)) return std::nullopt;
    // Blanks stand only while the time is typed.
    for (std::size_t index : {0, 1, 3, 4}) {
        if (text[index] == ' ') return std::nullopt;
    }
    return *TwoDigits(text, 0) * 100 + *TwoDigits(text, 3);
}

std::string TimeFieldText(const std::string& typed, const std::string& opening) {
    return TimeTextAllowed(typed) ? typed : opening;
}

bool IsRefusedCharacter(char c) {
    constexpr std::string_view kRefused = "/?*\\|:\"<>";
    return kRefused.find(c) != std::string_view::npos;
}

CleanedText WithoutRefusedCharacters(const std::string& text) {
    CleanedText cleaned;
    for (char c : text) (IsRefusedCharacter(c) ? cleaned.Refused : cleaned.Text) += c;
    return cleaned;
}

CleanedText WithoutTypedRefusedCharacters(const std::string& before, const std::string& typed) {
    std::size_t start = 0;
    while (start < before.size() && start < typed.size() && before[start] == typed[start]) ++start;
    std::size_t end = typed.size();
    for (std::size_t kept = before.size(); end > start && kept > start; --end, --kept) {
        if (before[kept - 1] != typed[end - 1]) break;
    }
    // Refused characters are ASCII, never part of a longer UTF-8 sequence, so cutting at a byte
    // boundary inside one keeps it whole.
    CleanedText edit = WithoutRefusedCharacters(typed.substr(start, end - start));
    CleanedText cleaned{typed.substr(0, start) + edit.Text + typed.substr(end), edit.Refused};
    // Leading dots at or after `start` lead because of the edit.
    std::size_t dot = start;
    while (dot < cleaned.Text.size() && cleaned.Text[dot] == '.' &&
           cleaned.Text.find_first_not_of('.') >= dot) {
        cleaned.Text.erase(dot, 1);
        cleaned.Refused += '.';
    }
    return cleaned;
}

CleanedText WithoutAddedRefusedCharacters(const std::string& opening, const std::string& answer) {
    const std::string held = WithoutRefusedCharacters(opening).Refused;
    std::size_t next = 0;
    CleanedText cleaned;
    for (char c : answer) {
        const std::size_t found = IsRefusedCharacter(c) ? held.find(c, next) : next;
        if (found == std::string::npos) {
            cleaned.Refused += c;
            continue;
        }
        next = IsRefusedCharacter(c) ? found + 1 : next;
        cleaned.Text += c;
    }
    if (opening.empty() || opening.front() != '.') {
        const std::size_t dots = std::min(cleaned.Text.find_first_not_of('.'), cleaned.Text.size());
        cleaned.Refused += cleaned.Text.substr(0, dots);
        cleaned.Text.erase(0, dots);
    }
    return cleaned;
}

std::optional<LessonFields> LessonFromList(const std::vector<std::string>& subjectList,
                                           const std::string& subject) {
    std::optional<LessonFields> found;
    if (subject.empty()) return found;
    for (std::size_t i = 0; i + 2 < subjectList.size(); i += 3) {
        if (subjectList[i] == subject)
            found = LessonFields{subject, subjectList[i + 1], subjectList[i + 2]};
    }
    return found;
}

int LessonCount(const DayRecord& day) {
    int count = 0;
    for (const auto& subject : day.Subject) count += subject.empty() ? 0 : 1;
    return count;
}

LessonFields LessonAt(const DayRecord& day, int position) {
    if (!IsValidPosition(position)) return {};
    return {day.Subject[position], day.Room[position], day.Teacher[position]};
}

void SetLesson(DayRecord& day, int position, const LessonFields& lesson) {
    if (!IsValidPosition(position)) return;
    day.Subject[position] = lesson.Subject;
    day.Room[position] = lesson.Room;
    day.Teacher[position] = lesson.Teacher;
}

bool DeleteLessonAt(DayRecord& day, int position) {
    if (!IsValidPosition(position) || LessonCount(day) <= 1) return false;
    for (int k = position; k + 1 < kLessons; ++k) SetLesson(day, k, LessonAt(day, k + 1));
    SetLesson(day, kLessons - 1, {});
    return true;
}

bool AddLessonTo(DayRecord& day, const LessonFields& lesson) {
    if (!day.Subject[kLessons - 1].empty()) return false;
    int position = 0;
    for (int p = kLessons - 2; p >= 0; --p) {
        if (!day.Subject[p].empty()) {
            position = p + 1;
            break;
        }
    }
    SetLesson(day, position, lesson);
    return true;
}

bool InsertLessonAt(DayRecord& day, int position, const LessonFields& lesson) {
    if (!IsValidPosition(position) || !day.Subject[kLessons - 1].empty()) return false;
    for (int k = kLessons - 1; k > position; --k) {
        if (!day.Subject[k - 1].empty()) SetLesson(day, k, LessonAt(day, k - 1));
    }
    SetLesson(day, position, lesson);
    return true;
}

std::optional<std::string> NewUserName(const std::string& typed) {
    std::string name = WithoutTypedRefusedCharacters("", OneLine(typed)).Text;
    if (name.find_first_not_of(". ") == std::string::npos) return std::nullopt;
    return name;
}

}  // namespace skemora
