// The holidays' dialog: the holiday editor with its date picker.
#pragma once

#include <string>

#include "app/state/accept_step.h"
#include "core/holidays/holiday_editor_rules.h"

namespace skemora {

class HolidayDialogs {
public:
    virtual ~HolidayDialogs() = default;
    // The holiday editor (TFerieForm) under `title`: true on OK, with From, To, Name and
    // ColourIndex of the record read back. The name and colour the editor shows are its own,
    // kept from its last use.
    virtual bool EditHoliday(const std::string& title, HolidayEditorRecord& record,
                             const AcceptStep& save) = 0;
};

}  // namespace skemora
