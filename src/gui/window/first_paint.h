// For start-up measurements only: with SKEMORA_QUIT_AFTER_FIRST_PAINT set, the program prints
// "first-paint <ns>" (CLOCK_MONOTONIC) once its main window has painted for the first time, and
// quits. Without the variable nothing is installed.
#pragma once

class QWidget;

namespace skemora {

inline constexpr const char* kQuitAfterFirstPaintVariable = "SKEMORA_QUIT_AFTER_FIRST_PAINT";

// Watches `window` when the variable is set.
void QuitAfterFirstPaintWhenAsked(QWidget* window);

}  // namespace skemora
