#include "app/glance/glance_text.h"

#include <cstdio>

#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_times.h"

namespace skemora {

namespace {

std::string Span(const GlanceLesson& lesson) {
    return FormatMinutes(lesson.Start) + "\u2013" + FormatMinutes(lesson.End);
}

std::string IsoDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

// What a day without lessons says, or nothing for a school day.
std::string DayOffText(const GlanceDay& day, const MessageTexts& texts) {
    if (day.Kind == DayKind::Weekend) return texts.GlanceWeekend;
    if (day.Kind == DayKind::Holiday) return FillTemplate(texts.GlanceHoliday, {day.HolidayName});
    if (day.Lessons.empty()) return texts.GlanceNoLessons;
    return {};
}

void AppendHomework(std::string& out, const GlanceLesson& lesson, const MessageTexts& texts) {
    const std::string label = texts.GlanceHomework + ": ";
    for (std::size_t k = 0; k < lesson.Homework.size(); ++k)
        out += "      " + (k == 0 ? label : std::string(label.size(), ' ')) +
               lesson.Homework[k] + "\n";
    for (const std::string& shortcut : lesson.Shortcuts) out += "      " + shortcut + "\n";
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t k = 0; k < items.size(); ++k) out += (k ? "," : "") + Json(items[k]);
    return out + "]";
}

std::string JsonLesson(const GlanceLesson& lesson) {
    return "{\"position\":" + std::to_string(lesson.Position + 1) +
           ",\"start\":" + Json(FormatMinutes(lesson.Start)) +
           ",\"end\":" + Json(FormatMinutes(lesson.End)) + ",\"subject\":" + Json(lesson.Subject) +
           ",\"room\":" + Json(lesson.Room) + ",\"teacher\":" + Json(lesson.Teacher) +
           ",\"homework\":" + JsonList(lesson.Homework) +
           ",\"documents\":" + JsonList(lesson.Shortcuts) + "}";
}

std::string JsonDay(const GlanceDay& day) {
    static const char* const kinds[] = {"school", "weekend", "holiday"};
    std::string out = "{\"date\":" + Json(IsoDate(day.Day)) + ",\"kind\":\"" +
                      kinds[static_cast<int>(day.Kind)] + "\",\"holiday\":" +
                      Json(day.HolidayName) + ",\"lessons\":[";
    for (std::size_t k = 0; k < day.Lessons.size(); ++k)
        out += (k ? "," : "") + JsonLesson(day.Lessons[k]);
    return out + "]}";
}

std::string JsonIndex(const std::optional<std::size_t>& index) {
    return index ? std::to_string(*index) : "null";
}

}  // namespace

std::string GlanceLessonText(const GlanceLesson& lesson, const MessageTexts& texts) {
    std::string text = Span(lesson) + " " + lesson.Subject;
    if (!lesson.Room.empty()) text += ", " + FillTemplate(texts.GlanceRoom, {lesson.Room});
    if (!lesson.Teacher.empty())
        text += ", " + FillTemplate(texts.GlanceTeacher, {lesson.Teacher});
    return text;
}

std::string GlanceSummary(const Glance& glance, const MessageTexts& texts) {
    if (std::string off = DayOffText(glance.Today, texts); !off.empty()) return off;
    const auto& lessons = glance.Today.Lessons;
    if (glance.Current)
        return FillTemplate(texts.GlanceNow, {GlanceLessonText(lessons[*glance.Current], texts)});
    if (glance.Next)
        return FillTemplate(texts.GlanceNext, {GlanceLessonText(lessons[*glance.Next], texts)});
    return texts.GlanceDayOver;
}

std::string GlanceDateText(const Date& date, const NameTables& names) {
    const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
    return names.LongDayNames[static_cast<std::size_t>(weekday - 1)] + " " +
           std::to_string(date.Day) + " " +
           names.LongMonthNames[static_cast<std::size_t>(date.Month - 1)] + " " +
           std::to_string(date.Year);
}

std::string GlanceText(const Glance& glance, const MessageTexts& texts, const NameTables& names) {
    std::string out = UserNameOf(glance.Timetable) + ": " + texts.GlanceToday + ", " +
                      GlanceDateText(glance.Today.Day, names) + "\n";
    for (const GlanceLesson& lesson : glance.Today.Lessons) {
        out += "  " + GlanceLessonText(lesson, texts) + "\n";
        AppendHomework(out, lesson, texts);
    }
    out += GlanceSummary(glance, texts) + "\n";

    const GlanceDay& tomorrow = glance.Tomorrow;
    out += "\n" + texts.GlanceTomorrow + ", " + GlanceDateText(tomorrow.Day, names) + "\n";
    if (std::string off = DayOffText(tomorrow, texts); !off.empty()) out += "  " + off + "\n";
    for (const GlanceLesson& lesson : tomorrow.Lessons) {
        out += "  " + GlanceLessonText(lesson, texts) + "\n";
        AppendHomework(out, lesson, texts);
    }

    if (!glance.Documents.empty()) out += "\n" + texts.GlanceDocuments + "\n";
    for (const GlanceDocument& document : glance.Documents)
        out += "  " + IsoDate(document.LessonDate) + " " + document.Subject + ": " +
               document.Path + "\n";
    for (const std::string& file : glance.Unreadable)
        out += FillTemplate(texts.GlanceUnreadable, {file}) + "\n";
    return out;
}

std::string GlanceJson(const Glance& glance, const MessageTexts& texts, const NameTables& names) {
    std::string out = "{\"text\":" + Json(GlanceSummary(glance, texts)) +
                      ",\"tooltip\":" + Json(GlanceText(glance, texts, names)) +
                      ",\"timetable\":" + Json(UserNameOf(glance.Timetable)) +
                      ",\"now\":" + Json(FormatMinutes(glance.Now)) +
                      ",\"today\":" + JsonDay(glance.Today) +
                      ",\"current\":" + JsonIndex(glance.Current) +
                      ",\"next\":" + JsonIndex(glance.Next) +
                      ",\"tomorrow\":" + JsonDay(glance.Tomorrow) + ",\"documents\":[";
    for (std::size_t k = 0; k < glance.Documents.size(); ++k) {
        const GlanceDocument& document = glance.Documents[k];
        out += std::string(k ? "," : "") + "{\"date\":" + Json(IsoDate(document.LessonDate)) +
               ",\"subject\":" + Json(document.Subject) + ",\"path\":" + Json(document.Path) +
               "}";
    }
    return out + "],\"unreadable\":" + JsonList(glance.Unreadable) + "}";
}

}  // namespace skemora
