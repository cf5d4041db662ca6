#include "core/holidays/holiday_editor_rules.h"

#include <gtest/gtest.h>

namespace skemora::test {
namespace {

TEST(HolidayEditorRulesTest, DateTextFollowsTheLanguage) {
    const std::array<std::string, 12> months = {"jan", "feb", "mar", "apr", "maj", "jun",
                                                "jul", "aug", "sep", "okt", "nov", "dec"};
    EXPECT_EQ(HolidayDateText({2001, 12, 24}, months, 5), "dec 24 2001");
    EXPECT_EQ(HolidayDateText({2001, 12, 24}, months, 6), "24 dec 2001");
    EXPECT_EQ(HolidayDateText({2003, 1, 3}, months, 5), "jan 3 2003");
}

TEST(HolidayEditorRulesTest, SwatchLeavesTheRightEndFree) {
    const ColourSwatch swatch = ColourSwatchOf({0, 32, 77, 48});
    EXPECT_EQ(swatch.Frame, (SwatchRect{1, 33, 57, 47}));
    EXPECT_EQ(swatch.Fill, (SwatchRect{2, 34, 56, 46}));
}

TEST(HolidayEditorRulesTest, FromDateCarriesTheToDateAlong) {
    HolidayEditorDates dates = StartHolidayEditor({2002, 12, 20});
    EXPECT_EQ(dates.To, (Date{2002, 12, 20}));
    PickToDate(dates, {2002, 12, 1});
    EXPECT_EQ(dates.From, (Date{2002, 12, 20}));
    EXPECT_EQ(dates.To, (Date{2002, 12, 1}));
    PickFromDate(dates, {2003, 1, 6});
    EXPECT_EQ(dates.From, (Date{2003, 1, 6}));
    EXPECT_EQ(dates.To, (Date{2003, 1, 6}));
}

}  // namespace
}  // namespace skemora::test
