// TForm7: the contact card, seven one-line fields (name, three address lines, two telephone
// numbers, e-mail) with a mail button beside the e-mail field. exec() answers 6 on OK; closing
// the window answers 2, after the close question when something was typed (Yes answers 6).
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/notes/contact_card.h"
#include "gui/notes/qt_note_widgets.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace skemora {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    void setCard(const ContactCardFields& card);
    ContactCardFields card() const;
    // Empty texts keep the current ones.
    void setTexts(const QString& nameAddress, const QString& phone, const QString& email);
    // Called with the "mailto:" address when the mail button is pressed.
    void setMailOpener(std::function<void(const std::string&)> opener);
    // Asked when the window is closed after a change.
    void setCloseQuestion(CloseQuestion question);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Mail();
    // Screen reader: each field is named by the label above it.
    void NameFields();
    // Focus position of a widget: 0..6 the fields, 7 OK, -1 anything else.
    int PositionOf(QObject* widget) const;
    QWidget* WidgetAt(int position) const;

    std::array<QLineEdit*, kContactFields> fields_{};
    QLabel* nameAddressLabel_;
    QLabel* phoneLabel_;
    QLabel* emailLabel_;
    QToolButton* mail_;
    QPushButton* ok_;
    std::function<void(const std::string&)> mailOpener_;
    CloseQuestion closeQuestion_;
    bool changed_ = false;
};

}  // namespace skemora
