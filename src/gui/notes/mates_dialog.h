// TForm8: the school mates. A name list over the mates' work list, Add, Delete and OK; a
// double-click edits a mate. Each mate is edited by the contact-card editor it is given.
// exec() answers 6 on OK; closing the window after a change asks whether to keep it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/notes/contact_card.h"
#include "gui/notes/qt_note_widgets.h"

class QListWidget;
class QPushButton;

namespace skemora {

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    void setMates(const std::vector<std::string>& lines);
    const std::vector<std::string>& mates() const { return lines_; }
    // Empty texts keep the current ones.
    void setTexts(const QString& add, const QString& remove);
    // Shows one mate's card; true on OK with the card changed in place.
    void setCardEditor(std::function<bool(ContactCardFields&)> editor);
    // Asked when the window is closed after a change.
    void setCloseQuestion(CloseQuestion question);

    void reject() override;

private:
    void AddMateClicked();
    void EditMateClicked();
    void DeleteMateClicked();
    void ShowNames();

    QListWidget* list_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* ok_;
    std::vector<std::string> lines_;
    std::function<bool(ContactCardFields&)> editor_;
    CloseQuestion closeQuestion_;
    bool changed_ = false;
};

}  // namespace skemora
