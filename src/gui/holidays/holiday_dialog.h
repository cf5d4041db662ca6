// TFerieForm: the holiday editor. A name, a from-date and a to-date picked with the date picker,
// and one of the eight colours. The caller starts it at a date, runs exec(), and on 6 (OK) reads
// the dates, the name and the colour; closing it any other way answers 2. The name and colour
// stay as the user left them from one use to the next.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <string>

#include "core/holidays/holiday_editor_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace skemora {

class TForm9;

struct HolidayDialogTexts {
    QString NameLabel, NameHint, FromLabel, ToLabel, FromHint, ToHint, ColorLabel, ColorHint;
    QString Ok, Cancel;
    QString PickerFrame, PickerOk, PickerCancel;
    // Danish interface: the colour list's names, in its order; empty keeps the stored names.
    QStringList ColourNames;
};

class TFerieForm : public QDialog {
    Q_OBJECT
public:
    explicit TFerieForm(QWidget* parent = nullptr);

    // Empty texts keep the current ones.
    void setTexts(const HolidayDialogTexts& texts);
    void setName(const QString& name);
    // Both dates start at record.From; the date texts and the picker follow the record's
    // language, month names and weekday strip.
    void start(const HolidayEditorRecord& record);

    Date fromDate() const { return dates_.From; }
    Date toDate() const { return dates_.To; }
    QString name() const;
    int colourIndex() const;

    TForm9* picker() const { return picker_; }

    void reject() override;

private:
    void ShowDates();
    void TakeColour(int index);
    void Pick(bool from);

    HolidayEditorDates dates_;
    int languageCode_ = 5;
    std::array<std::string, 12> shortMonthNames_;
    QString fromHint_, toHint_;

    QLabel* nameLabel_;
    QLineEdit* name_;
    QLabel* fromLabel_;
    QLineEdit* from_;
    QToolButton* fromButton_;
    QLabel* toLabel_;
    QLineEdit* to_;
    QToolButton* toButton_;
    QLabel* colorLabel_;
    QComboBox* colours_;
    QPushButton* ok_;
    QPushButton* cancel_;
    TForm9* picker_;
};

}  // namespace skemora
