// The shortcut letters of captions: a "&" underlines the letter after it ("&&" is a literal
// ampersand), and Alt with that letter picks the menu or presses the button.
#pragma once

#include <string>
#include <vector>

namespace skemora {

// The letter after the first single "&", lower case, as UTF-8; empty when there is none.
std::string MnemonicOf(const std::string& caption);
// The caption with its "&" markers removed; "&&" stays, to show one ampersand.
std::string WithoutMnemonic(const std::string& caption);
// The text a caption shows where no letter is underlined, e.g. in a window title: the "&"
// markers removed and "&&" as one ampersand.
std::string ShownCaption(const std::string& caption);
// A button's caption as shown beside the menu bar: a letter that a menu of the bar already
// takes would make one key do two things, so the menu keeps it and the button's underline moves
// to its first later letter no menu takes (none left: the button loses its underline).
std::string ButtonCaptionBeside(const std::string& caption,
                                const std::vector<std::string>& menuBarCaptions);

}  // namespace skemora
