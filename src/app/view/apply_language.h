// Puts the interface texts of a language in place: the message and dialog texts, and the main
// window's captions and hints.
#pragma once

#include "app/state/view_model.h"
#include "core/language/texts.h"

namespace skemora {

// The window's English texts as designed, put in place when the window is built.
void ApplyDesignTexts(ViewModel& view);
// languageCode 6 assigns every Danish text; any other value the English texts that the window
// design does not already hold (in English the menus keep their designed captions). `view` must
// have been built (its design texts in place).
void ApplyLanguage(int languageCode, ViewModel& view, MessageTexts& texts, DialogTexts& dialogs);

}  // namespace skemora
