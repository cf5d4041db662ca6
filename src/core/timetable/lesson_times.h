// Lesson times: the length of each lesson position and the break after it, per time-table, and
// the start and end of every lesson from its day's first start. Kept in a small file of the user
// folder ("lektider.dfd": twelve lengths, then twelve breaks, in minutes).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/timetable/lessons.h"

namespace skemora {

inline constexpr const char* kLessonTimesFileName = "lektider.dfd";
constexpr int kDefaultLessonLength = 45;
constexpr int kDefaultBreak = 5;
// What a value may be; anything else in the file is damage.
constexpr int kLongestLesson = 240;
constexpr int kLongestBreak = 240;

struct LessonTimes {
    std::array<int, kLessons> Length;  // minutes of lesson position j
    std::array<int, kLessons> Break;   // minutes between position j and j + 1
    LessonTimes() {
        Length.fill(kDefaultLessonLength);
        Break.fill(kDefaultBreak);
    }
    friend bool operator==(const LessonTimes&, const LessonTimes&) = default;
};

// A `StartTime` (hours * 100 + minutes) as minutes after midnight.
int MinutesOfStartTime(int startTime);
// Minutes after midnight of lesson position 0..11 of a day whose first lesson starts at
// `startTime`: the start plus the lengths and breaks of the positions before it.
int LessonStart(int startTime, const LessonTimes& times, int position);
int LessonEnd(int startTime, const LessonTimes& times, int position);
// Minutes after midnight as HH:MM; a time past midnight wraps into the next day's hours.
std::string FormatMinutes(int minutes);
// "08:50–09:35"
std::string LessonSpanText(int startTime, const LessonTimes& times, int position);

struct ReadLessonTimesResult {
    LessonTimes Times;
    // Some line was no number in range: that value keeps its default.
    bool Damaged = false;
};
// The values of the file's lines; missing lines keep their defaults (a short file is no damage),
// lines after the 24th are ignored.
ReadLessonTimesResult LessonTimesFromLines(const std::vector<std::string>& lines);
std::vector<std::string> LessonTimesLines(const LessonTimes& times);
// Whether the dialog may store the value for a length (`isBreak` false) or a break.
bool LessonTimeAllowed(int minutes, bool isBreak);

}  // namespace skemora
