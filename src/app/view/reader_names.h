// What a screen reader says for the main window's elements: each lesson cell with its day,
// number, subject, room, teacher and homework; the dates of the day headers; the week and day
// labels; and the hint of an element that shows no text of its own.
#pragma once

#include "app/state/main_state.h"
#include "app/state/view_model.h"
#include "core/language/texts.h"

namespace skemora {

// Sets ReaderName and ReaderDescription of the elements from what the view shows now.
void NameForReaders(const MainState& state, const MessageTexts& texts, ViewModel& view);

}  // namespace skemora
