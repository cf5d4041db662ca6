#include "gui/holidays/holiday_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "core/holidays/holiday_tables.h"
#include "gui/dialogs/qt_refused_characters.h"
#include "gui/holidays/date_picker_dialog.h"

namespace skemora {

namespace {

constexpr int kColourItemHeight = 16;

QColor ToQColor(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QColor ColourOfEntry(int index) {
    if (index < 0 || index >= static_cast<int>(kHolidayColourNames.size())) return Qt::black;
    return ToQColor(
        ColourFromName(kHolidayColourNames[static_cast<std::size_t>(index)]).value_or(0));
}

// Fills the rectangle from (left, top) up to, not including, (right, bottom).
void FillSpan(QPainter& painter, const SwatchRect& span, const QColor& colour) {
    painter.fillRect(QRect(span.Left, span.Top, span.Right - span.Left, span.Bottom - span.Top),
                     colour);
}

// A colour entry drawn on its rectangle: a black frame with the colour inside.
void PaintSwatch(QPainter& painter, const QRect& entry, const QColor& colour) {
    const ColourSwatch swatch = ColourSwatchOf(
        {entry.left(), entry.top(), entry.left() + entry.width(), entry.top() + entry.height()});
    FillSpan(painter, swatch.Frame, Qt::black);
    FillSpan(painter, swatch.Fill, colour);
}

// The entries of the open colour list.
class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect,
                          option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
        PaintSwatch(*painter, option.rect, ColourOfEntry(index.row()));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), kColourItemHeight};
    }
};

// The closed colour list shows the chosen entry as a swatch too.
class ColourList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        PaintSwatch(painter, field, ColourOfEntry(currentIndex()));
    }
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    if (text.isEmpty()) return;
    label->setText(text);
    label->adjustSize();
}

}  // namespace

TFerieForm::TFerieForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      fromHint_("Pick new date"),
      toHint_("Pick new date") {
    setObjectName("TFerieForm");
    SetHelpTopic(this, kTopicTimetableMenu);
    setModal(true);
    setWindowTitle("Holidays");

    nameLabel_ = MakeLabel(this, "nameLabel", "Holiday name:", 24, 48);
    name_ = new QLineEdit("Name of holiday period", this);
    name_->setObjectName("Edit1");
    name_->setGeometry(104, 40, 121, 21);
    name_->setToolTip("ie. Christmas");
    KeepOneLine(name_);

    auto dateField = [this](const char* fieldName, const char* buttonName, int top,
                            QToolButton*& button) {
        auto* field = new QLineEdit(this);
        field->setObjectName(fieldName);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setGeometry(104, top, 121, 20);
        QPalette white = field->palette();
        white.setColor(QPalette::Base, Qt::white);
        field->setPalette(white);
        button = new QToolButton(field);
        button->setObjectName(buttonName);
        button->setText("...");
        button->setGeometry(field->width() - 18, 1, 17, field->height() - 2);
        button->setCursor(Qt::ArrowCursor);
        field->setTextMargins(0, 0, 18, 0);
        return field;
    };
    fromLabel_ = MakeLabel(this, "fromLabel", "From:", 24, 88);
    from_ = dateField("feriefra", "knapfra", 80, fromButton_);
    toLabel_ = MakeLabel(this, "toLabel", "To:", 24, 128);
    to_ = dateField("ferietil", "knaptil", 120, toButton_);
    fromButton_->setToolTip(fromHint_);
    toButton_->setToolTip(toHint_);
    // A screen reader names each field by its label.
    nameLabel_->setBuddy(name_);
    fromLabel_->setBuddy(from_);
    toLabel_->setBuddy(to_);
    connect(fromButton_, &QToolButton::clicked, this, [this] { Pick(true); });
    connect(toButton_, &QToolButton::clicked, this, [this] { Pick(false); });

    colorLabel_ = MakeLabel(this, "colorLabel", "Color:", 24, 176);
    QFont bold = colorLabel_->font();
    bold.setBold(true);
    colorLabel_->setFont(bold);
    colorLabel_->adjustSize();
    colours_ = new ColourList(this);
    colours_->setObjectName("colourList");
    colorLabel_->setBuddy(colours_);
    colours_->setItemDelegate(new SwatchDelegate(colours_));
    for (const std::string& colour : kHolidayColourNames)
        colours_->addItem(QString::fromStdString(colour));
    colours_->setGeometry(104, 168, 81, kColourItemHeight + 6);
    colours_->setToolTip("Pick color of date");
    colours_->setCurrentIndex(kFirstHolidayColourIndex);
    connect(colours_, &QComboBox::currentIndexChanged, this, &TFerieForm::TakeColour);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(24, 216, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    cancel_->setGeometry(160, 216, 75, 25);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });

    setTabOrder(name_, fromButton_);
    setTabOrder(fromButton_, toButton_);
    setTabOrder(toButton_, colours_);
    setTabOrder(colours_, ok_);
    setTabOrder(ok_, cancel_);

    picker_ = new TForm9(this);
    setFixedSize(258, 258);
    TakeColour(colours_->currentIndex());
    ShowDates();
}

void TFerieForm::setTexts(const HolidayDialogTexts& texts) {
    SetLabelText(nameLabel_, texts.NameLabel);
    SetLabelText(fromLabel_, texts.FromLabel);
    SetLabelText(toLabel_, texts.ToLabel);
    SetLabelText(colorLabel_, texts.ColorLabel);
    if (!texts.NameHint.isEmpty()) name_->setToolTip(texts.NameHint);
    if (!texts.FromHint.isEmpty()) fromHint_ = texts.FromHint;
    if (!texts.ToHint.isEmpty()) toHint_ = texts.ToHint;
    fromButton_->setToolTip(fromHint_);
    toButton_->setToolTip(toHint_);
    if (!texts.ColorHint.isEmpty()) colours_->setToolTip(texts.ColorHint);
    if (!texts.Ok.isEmpty()) ok_->setText(texts.Ok);
    if (!texts.Cancel.isEmpty()) cancel_->setText(texts.Cancel);
    picker_->setTexts(texts.PickerFrame, texts.PickerOk, texts.PickerCancel);
    for (int i = 0; i < std::min(colours_->count(), static_cast<int>(texts.ColourNames.size())); ++i)
        colours_->setItemText(i, texts.ColourNames[i]);
}

void TFerieForm::setName(const QString& name) {
    name_->setText(name);
}

void TFerieForm::start(const HolidayEditorRecord& record) {
    languageCode_ = record.LanguageCode;
    shortMonthNames_ = record.ShortMonthNames;
    picker_->setCalendarNames(record.ShortMonthNames, record.LongMonthNames);
    picker_->setWeekdayStrip(QString::fromStdString(record.WeekdayStrip), record.SundayFirst);
    dates_ = StartHolidayEditor(record.From);
    TakeColour(colours_->currentIndex());
    ShowDates();
    name_->setFocus();
    name_->selectAll();
}

QString TFerieForm::name() const {
    return name_->text();
}

int TFerieForm::colourIndex() const {
    return colours_->currentIndex();
}

void TFerieForm::reject() {
    done(kAnswerCancel);
}

void TFerieForm::ShowDates() {
    from_->setText(
        QString::fromStdString(HolidayDateText(dates_.From, shortMonthNames_, languageCode_)));
    to_->setText(
        QString::fromStdString(HolidayDateText(dates_.To, shortMonthNames_, languageCode_)));
}

void TFerieForm::TakeColour(int index) {
    QPalette colours = colorLabel_->palette();
    colours.setColor(QPalette::WindowText, ColourOfEntry(index));
    colorLabel_->setPalette(colours);
}

void TFerieForm::Pick(bool from) {
    picker_->setWindowTitle(from ? fromHint_ : toHint_);
    picker_->setDate(from ? dates_.From : dates_.To);
    if (picker_->exec() != kAnswerYes) return;
    if (from)
        PickFromDate(dates_, picker_->date());
    else
        PickToDate(dates_, picker_->date());
    ShowDates();
}

}  // namespace skemora
