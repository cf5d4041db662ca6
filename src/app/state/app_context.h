// What every command works on: the state record, the view model, the text slots, the settings
// store, and the interfaces to the outside world: one dialogs port per subsystem, the messages
// every subsystem uses, and the platform.
#pragma once

#include <concepts>

#include "app/state/holiday_dialogs.h"
#include "app/state/main_state.h"
#include "app/state/messages.h"
#include "app/state/note_dialogs.h"
#include "app/state/settings_store.h"
#include "app/state/timetable_dialogs.h"
#include "app/state/view_model.h"
#include "core/language/texts.h"
#include "app/state/platform.h"

namespace skemora {

struct AppContext {
    AppContext(Messages& messages, TimetableDialogs& timetableDialogs, NoteDialogs& noteDialogs,
               HolidayDialogs& holidayDialogs, Platform& platform)
        : settings(platform),
          messages(messages),
          timetableDialogs(timetableDialogs),
          noteDialogs(noteDialogs),
          holidayDialogs(holidayDialogs),
          platform(platform) {}
    // One object that is every port at once (the tests' scripted dialogs).
    template <typename AllPorts>
        requires std::derived_from<AllPorts, Messages> &&
                 std::derived_from<AllPorts, TimetableDialogs> &&
                 std::derived_from<AllPorts, NoteDialogs> &&
                 std::derived_from<AllPorts, HolidayDialogs>
    AppContext(AllPorts& dialogs, Platform& platform)
        : AppContext(dialogs, dialogs, dialogs, dialogs, platform) {}
    MainState state;
    ViewModel view;
    MessageTexts texts;
    DialogTexts dialogTexts;
    SettingsStore settings;  // TForm3: the one settings store of the run
    Messages& messages;
    TimetableDialogs& timetableDialogs;
    NoteDialogs& noteDialogs;
    HolidayDialogs& holidayDialogs;
    Platform& platform;
};

}  // namespace skemora
