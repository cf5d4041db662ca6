#include "core/timetable/week_homework.h"

#include <algorithm>

#include "core/files/text_file.h"
#include "core/timetable/periods.h"

namespace skemora {

namespace {

// Takes up to `count` lines from `pos`, advancing it; false when the file ends first.
bool TakeLines(const std::vector<std::string>& lines, std::size_t& pos, int count,
               std::vector<std::string>* into) {
    const std::size_t available = lines.size() - pos;
    const std::size_t wanted = static_cast<std::size_t>(count);
    const std::size_t taken = std::min(wanted, available);
    if (into) into->insert(into->end(), lines.begin() + pos, lines.begin() + pos + taken);
    pos += taken;
    return taken == wanted;
}

}  // namespace

bool ParseWeekHomework(WeekHomework& homework, const std::vector<std::string>& lines) {
    std::size_t pos = 0;
    bool whole = true;
    while (pos < lines.size()) {
        if (lines.size() - pos < 3) return false;
        const int day = StrToInt(lines[pos]);
        const int lesson = StrToInt(lines[pos + 1]);
        const int textCount = StrToInt(lines[pos + 2]);
        pos += 3;
        if (textCount < 0) return false;
        LessonHomework* target = nullptr;
        if (day >= 1 && day <= kDays && lesson >= 1 && lesson <= kLessons) {
            target = &homework[day - 1][lesson - 1];
        } else {
            whole = false;
        }
        if (!TakeLines(lines, pos, textCount, target ? &target->HomeworkText : nullptr))
            return false;
        if (pos >= lines.size()) return false;
        const int shortcutCount = StrToInt(lines[pos]);
        ++pos;
        if (shortcutCount < 0) return false;
        if (!TakeLines(lines, pos, shortcutCount, target ? &target->Shortcuts : nullptr))
            return false;
    }
    return whole;
}

std::vector<std::string> WeekHomeworkLines(const WeekHomework& homework) {
    std::vector<std::string> lines;
    for (int d = 0; d < kDays; ++d) {
        for (int j = 0; j < kLessons; ++j) {
            const auto& lesson = homework[d][j];
            if (!lesson.HasHomework()) continue;
            lines.push_back(std::to_string(d + 1));
            lines.push_back(std::to_string(j + 1));
            lines.push_back(std::to_string(lesson.HomeworkText.size()));
            lines.insert(lines.end(), lesson.HomeworkText.begin(), lesson.HomeworkText.end());
            lines.push_back(std::to_string(lesson.Shortcuts.size()));
            lines.insert(lines.end(), lesson.Shortcuts.begin(), lesson.Shortcuts.end());
        }
    }
    return lines;
}

void InsertHomeworkPosition(WeekHomework& homework, int day, int position) {
    auto& lessons = homework[day];
    std::move_backward(lessons.begin() + position, lessons.end() - 1, lessons.end());
    lessons[position] = LessonHomework{};
}

void DeleteHomeworkPosition(WeekHomework& homework, int day, int position) {
    auto& lessons = homework[day];
    std::move(lessons.begin() + position + 1, lessons.end(), lessons.begin() + position);
    lessons.back() = LessonHomework{};
}

std::vector<int> ShownMondaysOfWeekFile(int year, int week, bool sundayFirst) {
    std::vector<int> mondays;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            if (WeekNumber(year, month, day, sundayFirst) != week) continue;
            const int monday = ShownMonday({year, month, day}, sundayFirst);
            if (mondays.empty() || mondays.back() != monday) mondays.push_back(monday);
        }
    }
    return mondays;
}

}  // namespace skemora
