#include "core/timetable/lesson_times.h"

#include <charconv>

namespace skemora {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

// A strict decimal number, or -1.
int MinutesOfLine(const std::string& line) {
    int value = -1;
    const char* end = line.data() + line.size();
    const auto [rest, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc() || rest != end || line.empty()) return -1;
    return value;
}

}  // namespace

int MinutesOfStartTime(int startTime) {
    return startTime / 100 * 60 + startTime % 100;
}

int LessonStart(int startTime, const LessonTimes& times, int position) {
    int minutes = MinutesOfStartTime(startTime);
    for (int j = 0; j < position && j < kLessons; ++j) minutes += times.Length[j] + times.Break[j];
    return minutes;
}

int LessonEnd(int startTime, const LessonTimes& times, int position) {
    return LessonStart(startTime, times, position) + times.Length[position];
}

std::string FormatMinutes(int minutes) {
    minutes = ((minutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    // Built by hand: every refresh writes one for each lesson cell's hint.
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    return {static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10), ':',
            static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
}

std::string LessonSpanText(int startTime, const LessonTimes& times, int position) {
    return FormatMinutes(LessonStart(startTime, times, position)) + "\u2013" +
           FormatMinutes(LessonEnd(startTime, times, position));
}

bool LessonTimeAllowed(int minutes, bool isBreak) {
    return minutes >= (isBreak ? 0 : 1) && minutes <= (isBreak ? kLongestBreak : kLongestLesson);
}

ReadLessonTimesResult LessonTimesFromLines(const std::vector<std::string>& lines) {
    ReadLessonTimesResult result;
    for (std::size_t k = 0; k < lines.size() && k < 2 * kLessons; ++k) {
        const bool isBreak = k >= kLessons;
        const int value = MinutesOfLine(lines[k]);
        if (!LessonTimeAllowed(value, isBreak)) {
            result.Damaged = true;
            continue;
        }
        (isBreak ? result.Times.Break : result.Times.Length)[k % kLessons] = value;
    }
    return result;
}

std::vector<std::string> LessonTimesLines(const LessonTimes& times) {
    std::vector<std::string> lines;
    for (int length : times.Length) lines.push_back(std::to_string(length));
    for (int pause : times.Break) lines.push_back(std::to_string(pause));
    return lines;
}

}  // namespace skemora
