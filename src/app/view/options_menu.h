// The Options menu's check marks, drawn from the options held in the state.
#pragma once

#include "app/state/main_state.h"
#include "app/state/view_model.h"

namespace skemora {

void ShowOptions(const MainState& state, MenuView& menus);

}  // namespace skemora
