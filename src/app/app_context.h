// What every command works on: the state record, the view model, the text slots, the settings
// store, and the two interfaces to the outside world.
#pragma once

#include "app/dialogs.h"
#include "app/main_state.h"
#include "app/settings_store.h"
#include "app/view_model.h"
#include "language/texts.h"
#include "platform/platform.h"

namespace skemora {

struct AppContext {
    AppContext(Dialogs& dialogs, Platform& platform)
        : settings(platform), dialogs(dialogs), platform(platform) {}
    MainState state;
    ViewModel view;
    MessageTexts texts;
    DialogTexts dialogTexts;
    SettingsStore settings;  // TForm3: the one settings store of the run
    Dialogs& dialogs;
    Platform& platform;
};

}  // namespace skemora
