// The one way tests build lesson files: 186 lines, five days of twelve lesson positions and the
// class, laid out as the program stores them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace skemora::test {

struct LessonEntry {
    std::string Subject, Room, Teacher;
};

struct LessonFileLayout {
    std::array<int, 5> StartTimes{800, 800, 800, 800, 800};
    // Lesson j of day d (0 = Monday); an empty subject leaves the position empty.
    std::function<LessonEntry(int day, int lesson)> Lesson = [](int, int lesson) {
        return lesson == 0 ? LessonEntry{"Empty", "", ""} : LessonEntry{};
    };
    std::string ClassName = "6U";
};

std::vector<std::string> LessonFileLines(const LessonFileLayout& layout);
// The lines joined, each ended by `lineEnd`.
std::string LessonFileBytes(const LessonFileLayout& layout, const std::string& lineEnd = "\r\n");

}  // namespace skemora::test
