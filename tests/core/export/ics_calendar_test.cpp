#include "core/export/ics_calendar.h"

#include <gtest/gtest.h>

#include "support/golden_page.h"

namespace skemora {
namespace {

// 2026-12-07 08:00 UTC, a Monday.
constexpr std::int64_t kMonday0800 = 1796630400;

IcsCalendarInput WeekInput() {
    IcsCalendarInput input;
    input.Pupil = "Anna";
    input.StampUtc = kMonday0800 - 3600;
    input.Lessons.push_back({{2026, 12, 7}, 0, kMonday0800, kMonday0800 + 45 * 60, "Math",
                             "A12", "Jensen", {"Page 12, tasks 1;3", "Read \\ write"}});
    input.Lessons.push_back({{2026, 12, 7}, 1, kMonday0800 + 50 * 60, kMonday0800 + 95 * 60,
                             "Danish", "", "", {}});
    input.Lessons.push_back({{2026, 12, 8}, 3, kMonday0800 + 86400, kMonday0800 + 86400 + 2700,
                             "Idræt og bevægelse", "Hal 2", "Sørensen",
                             {"Løb 3 km i skoven, og skriv bagefter en kort tekst "
                              "om hvordan det gik; medbring tøj"}});
    input.Holidays.push_back({{2026, 12, 11}, "Teachers' day, no school"});
    return input;
}

// The file's lines without their CR LF; checks that every line has one.
std::vector<std::string> Lines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "no CR LF after line " << lines.size();
        if (end == std::string::npos) break;
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(IcsCalendar, WeekMatchesGolden) {
    const auto lines = Lines(IcsCalendar(WeekInput()));
    EXPECT_TRUE(test::SameLines(lines, test::GoldenLines("ics_week.ics", lines)));
}

TEST(IcsCalendar, IdentitiesDependOnPupilDateAndPositionOnly) {
    IcsCalendarInput other = WeekInput();
    other.StampUtc += 86400;
    other.Lessons[0].Subject = "Physics";
    const auto uidOf = [](const IcsCalendarInput& input) {
        const std::string file = IcsCalendar(input);
        const std::size_t at = file.find("UID:");
        return file.substr(at, file.find("\r\n", at) - at);
    };
    EXPECT_EQ(uidOf(other), uidOf(WeekInput()));
    other.Pupil = "Bo";
    EXPECT_NE(uidOf(other), uidOf(WeekInput()));
}

TEST(IcsCalendar, EscapesTextValues) {
    const struct {
        std::string Text;
        std::string Escaped;
    } cases[] = {
        {"a,b", "a\\,b"},         {"a;b", "a\\;b"},        {"a\\b", "a\\\\b"},
        {"a\nb", "a\\nb"},        {"a\r\nb", "a\\nb"},     {"a\x01" "b", "ab"},
        {"æ, ø; å", "æ\\, ø\\; å"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(IcsEscape(c.Text), c.Escaped) << c.Text;
}

TEST(IcsCalendar, FoldsAt75OctetsOutsideUtf8Sequences) {
    const struct {
        std::string Line;
    } cases[] = {
        {std::string(75, 'a')},
        {std::string(76, 'a')},
        {std::string(200, 'b')},
        {"SUMMARY:" + std::string(66, 'x') + "æøå" + std::string(100, 'y')},
        {"DESCRIPTION:" + [] {
             std::string s;
             for (int i = 0; i < 60; ++i) s += "€";  // three octets each
             return s;
         }()},
    };
    for (const auto& c : cases) {
        const std::string folded = IcsFold(c.Line);
        std::string unfolded;
        std::size_t start = 0;
        while (start < folded.size()) {
            const std::size_t end = folded.find("\r\n", start);
            ASSERT_NE(end, std::string::npos);
            const std::string piece = folded.substr(start, end - start);
            EXPECT_LE(piece.size(), 75u) << c.Line;
            if (start > 0) {
                ASSERT_EQ(piece.substr(0, 1), " ");
                ASSERT_GT(piece.size(), 1u);
                // A continuation never starts with a UTF-8 continuation octet.
                EXPECT_NE(static_cast<unsigned char>(piece[1]) & 0xC0, 0x80) << c.Line;
            }
            unfolded += start > 0 ? piece.substr(1) : piece;
            start = end + 2;
        }
        EXPECT_EQ(unfolded, c.Line);
    }
}

}  // namespace
}  // namespace skemora
