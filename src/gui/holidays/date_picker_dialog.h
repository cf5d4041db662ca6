// TForm9: the date picker, a small tool window with a month sheet, stepping by year and month.
// The caller sets the title, the names and the date, runs exec(), and on 6 (OK) reads date();
// Cancel or closing the window answers 2.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "core/calendar/calendar.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace skemora {

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    // Month names January first; the weekday strip is the main window's weekday header text.
    void setCalendarNames(const std::array<std::string, 12>& shortMonthNames,
                          const std::array<std::string, 12>& longMonthNames);
    void setWeekdayStrip(const QString& text, bool sundayFirst);
    void setTexts(const QString& frame, const QString& ok, const QString& cancel);

    void setDate(const Date& date);
    Date date() const { return picked_; }

    void reject() override;

protected:
    // Keyboard: arrows move the day, Page Up/Down the month; Enter is OK.
    void keyPressEvent(QKeyEvent* event) override;
    // The same keys while a button has the focus (buttons would take the arrows to move it).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMonth();
    void PickDay(const QString& caption);

    Date picked_{2000, 1, 1};
    bool sundayFirst_ = false;
    std::array<std::string, 12> shortMonthNames_;
    std::array<std::string, 12> longMonthNames_;

    QGroupBox* frame_;
    QLineEdit* year_;
    QLineEdit* month_;
    QFrame* sheet_;
    QLabel* weekdays_;
    std::array<QLabel*, 31> days_{};
    QLabel* monthLabel_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace skemora
