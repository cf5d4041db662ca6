// What a dialog's OK runs before the dialog closes, for the ports whose dialogs store what was
// typed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/files/skemora_error.h"
#include "core/language/texts.h"

namespace skemora {

// What a dialog's OK runs before the dialog closes, once the dialog's fields are read back into
// the caller's: it stores them and answers nothing, or the error text when storing failed. The
// dialog then shows the text and stays open with everything typed in it, for another OK or a
// cancel. An empty step stores nothing.
using AcceptStep = std::function<std::optional<std::string>()>;

// A step that runs `save`, giving a failure as the error's message in the language.
inline AcceptStep SavingStep(int languageCode, std::function<void()> save) {
    return [languageCode, save = std::move(save)]() -> std::optional<std::string> {
        try {
            save();
        } catch (const SkemoraError& error) {
            return ErrorText(error, languageCode);
        }
        return std::nullopt;
    };
}

}  // namespace skemora
