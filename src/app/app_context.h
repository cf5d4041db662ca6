// What every command works on: the state record, the view model, the text slots, and the two
// interfaces to the outside world.
#pragma once

#include "app/dialogs.h"
#include "app/main_state.h"
#include "app/view_model.h"
#include "language/texts.h"
#include "platform/platform.h"

namespace skemora {

struct AppContext {
    AppContext(Dialogs& dialogs, Platform& platform) : dialogs(dialogs), platform(platform) {}
    MainState state;
    ViewModel view;
    MessageTexts texts;
    DialogTexts dialogTexts;
    Dialogs& dialogs;
    Platform& platform;
};

}  // namespace skemora
