#include "notes/qt_note_widgets.h"

#include <QPushButton>

namespace skemora {

QPushButton* MakeNoteButton(QWidget* parent, const char* name, const QString& text, int left,
                            int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, 75, 25);
    button->setAutoDefault(false);
    return button;
}

}  // namespace skemora
