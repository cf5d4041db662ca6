#include "support/lesson_files.h"

namespace skemora::test {

std::vector<std::string> LessonFileLines(const LessonFileLayout& layout) {
    std::vector<std::string> lines;
    for (int d = 0; d < 5; ++d) {
        lines.push_back(std::to_string(layout.StartTimes[d]));
        for (int j = 0; j < 12; ++j) {
            const LessonEntry lesson = layout.Lesson(d, j);
            const bool filled = !lesson.Subject.empty();
            lines.push_back(lesson.Subject);
            lines.push_back(filled ? lesson.Room : "");
            lines.push_back(filled ? lesson.Teacher : "");
        }
    }
    lines.push_back(layout.ClassName);
    return lines;
}

std::string LessonFileBytes(const LessonFileLayout& layout, const std::string& lineEnd) {
    std::string bytes;
    for (const auto& line : LessonFileLines(layout)) bytes += line + lineEnd;
    return bytes;
}

}  // namespace skemora::test
