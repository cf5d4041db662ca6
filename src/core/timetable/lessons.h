// The time-table in memory: five school days, each with the start of its first lesson and
// twelve lesson positions of subject, room and teacher.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace skemora {

constexpr int kDays = 5;      // Monday .. Friday
constexpr int kLessons = 12;  // lesson positions per day

struct DayRecord {
    std::int32_t StartTime = 0;  // hours * 100 + minutes
    std::array<std::string, kLessons> Subject;
    std::array<std::string, kLessons> Room;
    std::array<std::string, kLessons> Teacher;
};
using DayRecords = std::array<DayRecord, kDays>;

}  // namespace skemora
