#include "gui/notes/qt_note_widgets.h"

#include <QDialog>
#include <QPushButton>

#include "app/state/messages.h"

namespace skemora {

QPushButton* MakeNoteButton(QWidget* parent, const char* name, const QString& text, int left,
                            int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, 75, 25);
    button->setAutoDefault(false);
    return button;
}

void CloseAsking(QDialog& dialog, bool changed, const CloseQuestion& question,
                 const std::function<void()>& keep) {
    if (!changed || !question.Ask) {
        dialog.done(kAnswerCancel);
        return;
    }
    const std::string text = question.Text.toStdString();
    const int answer = question.Ask(text, text);
    if (answer == kAnswerYes) keep ? keep() : dialog.done(kAnswerYes);
    if (answer == kAnswerNo) dialog.done(kAnswerCancel);
}

}  // namespace skemora
