// Small rules shared by the week view's commands: label captions and reading them back, and
// whether a time-table is open.
#pragma once

#include <optional>
#include <string>

#include "app/app_context.h"

namespace skemora {

// Week labels and day labels: two blanks, the number, one blank below 10; one blank, the number,
// one blank from 10 on.
std::string NumberLabelCaption(int number);
// The number in a caption once its blanks are dropped; nullopt when that is not a number.
std::optional<int> NumberInCaption(const std::string& caption);
// A time-table is open unless the window caption is the no-document title.
bool TimetableIsOpen(const AppContext& ctx);

}  // namespace skemora
