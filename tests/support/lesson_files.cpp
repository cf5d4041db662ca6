#include "support/lesson_files.h"

namespace skemora::test {

std::vector<std::string> LessonFileLines(const LessonFileSpec& spec) {
    std::vector<std::string> lines;
    for (int d = 0; d < 5; ++d) {
        lines.push_back(std::to_string(spec.StartTimes[d]));
        for (int j = 0; j < 12; ++j) {
            const LessonSpec lesson = spec.Lesson(d, j);
            const bool filled = !lesson.Subject.empty();
            lines.push_back(lesson.Subject);
            lines.push_back(filled ? lesson.Room : "");
            lines.push_back(filled ? lesson.Teacher : "");
        }
    }
    lines.push_back(spec.ClassName);
    return lines;
}

std::string LessonFileBytes(const LessonFileSpec& spec, const std::string& lineEnd) {
    std::string bytes;
    for (const auto& line : LessonFileLines(spec)) bytes += line + lineEnd;
    return bytes;
}

}  // namespace skemora::test
