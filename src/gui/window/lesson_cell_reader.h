// Screen reader: the lesson cells as cells of the week's table, the selected one marked selected
// and told to the reader when the selection moves.
#pragma once

class QWidget;

namespace skemora {

// Makes `cell` a lesson cell for screen readers: role cell, selectable.
void MarkAsLessonCell(QWidget* cell);
// Moves the selected mark from `previous` to `cell` (either may be null) and tells the reader
// that `cell` is now the one in focus.
void TellSelectedCell(QWidget* previous, QWidget* cell);

}  // namespace skemora
