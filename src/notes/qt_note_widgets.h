// Widgets the lesson notes' dialogs share.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace skemora {

// A 75 x 25 push button at left, top that Enter elsewhere in the dialog does not press.
QPushButton* MakeNoteButton(QWidget* parent, const char* name, const QString& text, int left,
                            int top);

}  // namespace skemora
