// TForm6: a subject's links. An address list, the address field, Add, Delete and OK; a
// double-click opens an address. exec() answers 6 on OK, which first adds an address typed but
// not added; closing the window after a change asks whether to keep it. The address field keeps its text between uses.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "gui/notes/qt_note_widgets.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace skemora {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void setAddresses(const std::vector<std::string>& addresses);
    std::vector<std::string> addresses() const;
    // Empty texts keep the current ones.
    void setTexts(const QString& add, const QString& remove);
    // Called with an address to open it.
    void setOpener(std::function<void(const std::string&)> opener);
    // Asked when the window is closed after a change.
    void setCloseQuestion(CloseQuestion question);

    void reject() override;

private:
    void AddAddress();
    void DeleteAddress();
    void OpenAddress();
    // OK: an address typed but not yet added is added, not dropped.
    void Keep();

    QListWidget* list_;
    QLineEdit* address_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* ok_;
    std::function<void(const std::string&)> opener_;
    CloseQuestion closeQuestion_;
    bool changed_ = false;
};

}  // namespace skemora
