// Small rules shared by the week view's commands: label captions and reading them back.
#pragma once

#include <optional>
#include <string>

namespace skemora {

// Week labels and day labels: two blanks, the number, one blank below 10; one blank, the number,
// one blank from 10 on.
std::string NumberLabelCaption(int number);
// The number in a caption once its blanks are dropped; nullopt when that is not a number.
std::optional<int> NumberInCaption(const std::string& caption);

}  // namespace skemora
