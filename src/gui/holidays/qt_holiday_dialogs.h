// The holidays' dialog shown with Qt: the holiday editor TFerieForm, made on first use and kept,
// so the name and colour the user left in it are there the next time.
#pragma once

#include <QPointer>

#include "app/state/holiday_dialogs.h"
#include "core/language/texts.h"

class QWidget;

namespace skemora {

class TFerieForm;

class QtHolidayDialogs : public HolidayDialogs {
public:
    QtHolidayDialogs() = default;
    ~QtHolidayDialogs() override;
    QtHolidayDialogs(const QtHolidayDialogs&) = delete;
    QtHolidayDialogs& operator=(const QtHolidayDialogs&) = delete;
    // The editor is made on first use as a child of `mainWindow`.
    void Attach(QWidget* mainWindow, const DialogTexts* texts);

    bool EditHoliday(const std::string& title, HolidayEditorRecord& record,
                     const AcceptStep& save) override;

private:
    QPointer<QWidget> mainWindow_;
    const DialogTexts* texts_ = nullptr;
    QPointer<TFerieForm> holidayEditor_;
};

}  // namespace skemora
