// What every command works on: the state record, the view model, the text slots, the settings
// store, and the two interfaces to the outside world.
#pragma once

#include "app/state/dialogs.h"
#include "app/state/main_state.h"
#include "app/state/settings_store.h"
#include "app/state/view_model.h"
#include "core/language/texts.h"
#include "app/state/platform.h"

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
