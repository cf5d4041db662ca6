#include "core/export/ics_calendar.h"

#include <cstdio>
#include <ctime>

namespace skemora {
namespace {

constexpr std::size_t kLineOctets = 75;

// "20261207T081500Z"
std::string UtcText(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

std::string DateText(const Date& day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02d%02d", day.Year, day.Month, day.Day);
    return text;
}

// FNV-1a: the same pupil name always gives the same short identity.
std::string PupilKey(const std::string& pupil) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : pupil) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

void Add(std::string& out, const std::string& name, const std::string& value) {
    out += IcsFold(name + ":" + value);
}

void AddEventStart(std::string& out, const std::string& uid, const std::string& stamp) {
    Add(out, "BEGIN", "VEVENT");
    Add(out, "UID", IcsEscape(uid));
    Add(out, "DTSTAMP", stamp);
    Add(out, "SEQUENCE", "0");
}

}  // namespace

std::string IcsEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            // Other control characters are not allowed in a text value.
        } else {
            out += c;
        }
    }
    return out;
}

std::string IcsFold(const std::string& line) {
    std::string out;
    std::size_t start = 0;
    std::size_t room = kLineOctets;  // the continuation's leading space takes one octet
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        // Back up to the first octet of a UTF-8 sequence.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        if (cut == start) cut = start + room;  // no sequence start: damaged text, cut anyway
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kLineOctets - 1;
    }
    out.append(line, start, std::string::npos);
    out += "\r\n";
    return out;
}

std::string IcsCalendar(const IcsCalendarInput& input) {
    const std::string stamp = UtcText(input.StampUtc);
    const std::string key = PupilKey(input.Pupil);
    std::string out;
    Add(out, "BEGIN", "VCALENDAR");
    Add(out, "VERSION", "2.0");
    Add(out, "PRODID", "-//Skemora//Skemora//EN");
    Add(out, "CALSCALE", "GREGORIAN");
    for (const IcsLesson& lesson : input.Lessons) {
        AddEventStart(out, DateText(lesson.Day) + "-" + std::to_string(lesson.Position + 1) +
                               "-" + key + "@skemora",
                      stamp);
        Add(out, "DTSTART", UtcText(lesson.StartUtc));
        Add(out, "DTEND", UtcText(lesson.EndUtc));
        Add(out, "SUMMARY", IcsEscape(lesson.Subject));
        if (!lesson.Room.empty()) Add(out, "LOCATION", IcsEscape(lesson.Room));
        std::string description = lesson.Teacher;
        const std::string homework = Joined(lesson.Homework);
        if (!description.empty() && !homework.empty()) description += "\n";
        description += homework;
        if (!description.empty()) Add(out, "DESCRIPTION", IcsEscape(description));
        Add(out, "END", "VEVENT");
    }
    for (const IcsHoliday& holiday : input.Holidays) {
        AddEventStart(out, DateText(holiday.Day) + "-holiday-" + key + "@skemora", stamp);
        Add(out, "DTSTART;VALUE=DATE", DateText(holiday.Day));
        Add(out, "DTEND;VALUE=DATE", DateText(AddDays(holiday.Day, 1)));
        Add(out, "SUMMARY", IcsEscape(holiday.Name));
        Add(out, "TRANSP", "TRANSPARENT");
        Add(out, "END", "VEVENT");
    }
    Add(out, "END", "VCALENDAR");
    return out;
}

std::int64_t LocalToUtc(const Date& day, int minutes) {
    std::tm parts{};
    parts.tm_year = day.Year - 1900;
    parts.tm_mon = day.Month - 1;
    parts.tm_mday = day.Day;
    parts.tm_min = minutes;  // mktime carries minutes past 59 into hours and days
    parts.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&parts));
}

}  // namespace skemora
