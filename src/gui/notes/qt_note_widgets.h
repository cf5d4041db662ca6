// Widgets the lesson notes' dialogs share.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QDialog;
class QPushButton;
class QWidget;

namespace skemora {

// A 75 x 25 push button at left, top that Enter elsewhere in the dialog does not press.
QPushButton* MakeNoteButton(QWidget* parent, const char* name, const QString& text, int left,
                            int top);

// What closing a notes window after a change asks (title and message alike), and who answers:
// 6 keeps the changes, 7 drops them, 2 stays in the window.
struct CloseQuestion {
    QString Text;
    std::function<int(const std::string& title, const std::string& message)> Ask;
};
// Closes `dialog` as its close box or Esc asks: at once, without OK, when nothing `changed` or
// nobody can be asked; otherwise as the answer to `question` says, keeping the changes with
// `keep` (by default the dialog's OK).
void CloseAsking(QDialog& dialog, bool changed, const CloseQuestion& question,
                 const std::function<void()>& keep = nullptr);

}  // namespace skemora
