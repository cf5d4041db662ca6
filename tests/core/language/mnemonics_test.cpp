#include "core/language/mnemonics.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

const std::vector<std::string> kEnglishBar = {"&File", "&Edit", "&Time-table", "&Options", "&Help"};
const std::vector<std::string> kDanishBar = {"&Filer", "&Rediger", "&Skema", "&Opsætning", "&Hjælp"};

struct ButtonCase {
    const char* Name;
    std::string Caption;
    std::vector<std::string> Bar;
    std::string Shown;
};

class ButtonCaptionTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonCaptionTest, AButtonsLetterMovesOffALetterAMenuTakes) {
    EXPECT_EQ(ButtonCaptionBeside(GetParam().Caption, GetParam().Bar), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, ButtonCaptionTest,
    ::testing::Values(
        // Alt+E stays the Edit menu's and Alt+T the Time-table menu's; the buttons take the
        // next free letter.
        ButtonCase{"Homework", "Hom&ework", kEnglishBar, "Home&work"},
        ButtonCase{"Teacher", "&Teacher", kEnglishBar, "Te&acher"},
        ButtonCase{"Links", "Lin&ks", kEnglishBar, "Lin&ks"},
        ButtonCase{"Students", "&Students", kEnglishBar, "&Students"},
        ButtonCase{"CaseDoesNotMatter", "&edit", {"&EDIT", "&D"}, "ed&it"},
        ButtonCase{"DoubledAmpersandIsText", "R&&D &x", {"&Rest"}, "R&&D &x"},
        ButtonCase{"DoubledAmpersandStaysWhenDropped", "R&&D &x", {"&X"}, "R&&D x"},
        ButtonCase{"DanishMenusLeaveOtherLetters", "Hom&ework", kDanishBar, "Hom&ework"},
        ButtonCase{"NoFreeLetterLeft", "&ab", {"&A", "&B"}, "ab"},
        ButtonCase{"BlanksAreSkipped", "&a b", {"&A"}, "a &b"},
        ButtonCase{"DanishLetters", "&Åbn", {"&åben", "&B"}, "Åb&n"},
        ButtonCase{"DanishLetterIsFree", "&Tøj", {"&T"}, "T&øj"},
        ButtonCase{"NoLetter", "Lektier", kEnglishBar, "Lektier"},
        ButtonCase{"TrailingAmpersand", "Links&", kEnglishBar, "Links&"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Mnemonics, TheLetterIsTheOneAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(MnemonicOf("&File"), "f");
    EXPECT_EQ(MnemonicOf("Lin&ks"), "k");
    EXPECT_EQ(MnemonicOf("R&&D &x"), "x");
    EXPECT_EQ(MnemonicOf("&Ærø"), "æ");
    EXPECT_EQ(MnemonicOf("Save"), "");
    EXPECT_EQ(MnemonicOf("&"), "");
    EXPECT_EQ(WithoutMnemonic("&Time - First lesson"), "Time - First lesson");
}

TEST(Mnemonics, ACaptionShownWithoutUnderlineShowsNoMarker) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Students", "Students"}, {"Elever ", "Elever "}, {"R&&D", "R&D"}, {"&R&&&D", "R&D"}};
    for (const auto& [caption, shown] : cases) EXPECT_EQ(ShownCaption(caption), shown) << caption;
}

}  // namespace
}  // namespace skemora
