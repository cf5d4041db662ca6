#include "app/view/options_menu.h"

namespace skemora {

void ShowOptions(const MainState& state, MenuView& menus) {
    menus.MondayFirst.Checked = !state.SundayFirst;
    menus.StartTray.Checked = state.StartInTray;
}

}  // namespace skemora
