#include "gui/holidays/qt_holiday_dialogs.h"

#include "gui/dialogs/accepting_dialog.h"
#include "gui/holidays/holiday_dialog.h"

namespace skemora {

QtHolidayDialogs::~QtHolidayDialogs() {
    DeleteIfUnowned(holidayEditor_);
}

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

HolidayDialogTexts HolidayTextsOf(const DialogTexts& texts) {
    HolidayDialogTexts result;
    result.NameLabel = Utf8(texts.HolidayNameLabel);
    result.NameHint = Utf8(texts.HolidayNameHint);
    result.FromLabel = Utf8(texts.FromLabel);
    result.ToLabel = Utf8(texts.ToLabel);
    result.FromHint = Utf8(texts.FromDateHint);
    result.ToHint = Utf8(texts.ToDateHint);
    result.ColorLabel = Utf8(texts.ColorLabel);
    result.ColorHint = Utf8(texts.ColorListHint);
    result.Ok = Utf8(texts.HolidayOk);
    result.Cancel = Utf8(texts.HolidayCancel);
    result.PickerFrame = Utf8(texts.DateFrame);
    result.PickerOk = Utf8(texts.DatePickerOk);
    result.PickerCancel = Utf8(texts.DatePickerCancel);
    for (const std::string& colour :
         {texts.ColourGreen, texts.ColourBlack, texts.ColourRed, texts.ColourLime,
          texts.ColourYellow, texts.ColourAqua, texts.ColourMaroon, texts.ColourPurple})
        result.ColourNames.push_back(Utf8(colour));
    return result;
}

}  // namespace

void QtHolidayDialogs::Attach(QWidget* mainWindow, const DialogTexts* texts) {
    mainWindow_ = mainWindow;
    texts_ = texts;
}

bool QtHolidayDialogs::EditHoliday(const std::string& title, HolidayEditorRecord& record,
                                   const AcceptStep& save) {
    if (!holidayEditor_) {
        holidayEditor_ = new AcceptingDialog<TFerieForm>(mainWindow_);
        if (texts_) holidayEditor_->setName(Utf8(texts_->HolidayNameText));
    }
    TFerieForm& editor = *holidayEditor_;
    if (texts_) editor.setTexts(HolidayTextsOf(*texts_));
    editor.setWindowTitle(Utf8(title));
    editor.start(record);
    return ExecSaving(
        &editor,
        [&] {
            record.From = editor.fromDate();
            record.To = editor.toDate();
            record.Name = editor.name().toStdString();
            record.ColourIndex = editor.colourIndex();
        },
        save);
}

}  // namespace skemora
