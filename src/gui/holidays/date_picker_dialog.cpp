#include "gui/holidays/date_picker_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <optional>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "core/holidays/date_picker_rules.h"

namespace skemora {

namespace {

// Rows of the sheet are 13 pixels apart.
constexpr int kDayHeight = 13;

// A day label of the sheet: a press picks its day.
class DayLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnPress;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && OnPress) {
            event->accept();
            OnPress();
            return;
        }
        QLabel::mousePressEvent(event);
    }
};

QColor ToQColor(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QFont Bold(QFont font, int pixelSize = 0) {
    font.setBold(true);
    if (pixelSize > 0) font.setPixelSize(pixelSize);
    return font;
}

std::array<std::string, 12> EnglishMonths(bool longNames) {
    static const std::array<std::string, 12> kLong = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 12> names = kLong;
    if (!longNames)
        for (auto& name : names) name = name.substr(0, 3);
    return names;
}

}  // namespace

TForm9::TForm9(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      shortMonthNames_(EnglishMonths(false)),
      longMonthNames_(EnglishMonths(true)) {
    setObjectName("TForm9");
    SetHelpTopic(this, kTopicTimetableMenu);
    setModal(true);
    resize(209, 287);

    frame_ = new QGroupBox(" Date ", this);
    frame_->setObjectName("GroupBox1");
    frame_->setGeometry(8, 8, 185, 225);

    auto stepButton = [this](const char* name, Qt::ArrowType arrow, int left,
                             std::function<Date(const Date&)> step) {
        auto* button = new QToolButton(frame_);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setGeometry(left, 24, 17, 20);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, step] {
            picked_ = step(picked_);
            ShowMonth();
        });
    };
    auto field = [this](const char* name, int left) {
        auto* edit = new QLineEdit(frame_);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setGeometry(left, 24, 49, 20);
        return edit;
    };
    stepButton("ned", Qt::LeftArrow, 8, [](const Date& d) { return PickerYearStep(d, -1); });
    year_ = field("Edit1", 24);
    stepButton("op", Qt::RightArrow, 74, [](const Date& d) { return PickerYearStep(d, 1); });
    stepButton("mdned", Qt::LeftArrow, 97, [](const Date& d) { return PickerMonthStep(d, -1); });
    month_ = field("Edit2", 112);
    stepButton("mdop", Qt::RightArrow, 160, [](const Date& d) { return PickerMonthStep(d, 1); });

    sheet_ = new QFrame(frame_);
    sheet_->setObjectName("Panel2");
    sheet_->setGeometry(8, 56, 169, 145);
    sheet_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sheet_->setAutoFillBackground(true);
    QPalette white = sheet_->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet_->setPalette(white);

    weekdays_ = new QLabel(sheet_);
    weekdays_->setObjectName("Panel3");
    weekdays_->setGeometry(1, 1, 167, 25);
    weekdays_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    weekdays_->setAlignment(Qt::AlignCenter);
    weekdays_->setTextFormat(Qt::PlainText);
    weekdays_->setFont(Bold(font()));
    weekdays_->setAutoFillBackground(true);
    QPalette face = weekdays_->palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Button));
    weekdays_->setPalette(face);

    for (std::size_t i = 0; i < days_.size(); ++i) {
        auto* label = new DayLabel(sheet_);
        label->setObjectName(QStringLiteral("day_%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setFont(Bold(font()));
        label->setAutoFillBackground(true);
        label->OnPress = [this, label] { PickDay(label->text()); };
        days_[i] = label;
    }

    monthLabel_ = new QLabel(sheet_);
    monthLabel_->setObjectName("Label1");
    monthLabel_->setTextFormat(Qt::PlainText);
    monthLabel_->setFont(Bold(font(), 13));
    monthLabel_->move(64, 128);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(16, 248, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    cancel_->setGeometry(112, 248, 75, 25);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });
    ok_->installEventFilter(this);
    cancel_->installEventFilter(this);

    ShowMonth();
}

void TForm9::setCalendarNames(const std::array<std::string, 12>& shortMonthNames,
                              const std::array<std::string, 12>& longMonthNames) {
    shortMonthNames_ = shortMonthNames;
    longMonthNames_ = longMonthNames;
    ShowMonth();
}

void TForm9::setWeekdayStrip(const QString& text, bool sundayFirst) {
    weekdays_->setText(text);
    sundayFirst_ = sundayFirst;
    ShowMonth();
}

void TForm9::setTexts(const QString& frame, const QString& ok, const QString& cancel) {
    if (!frame.isEmpty()) frame_->setTitle(frame);
    if (!ok.isEmpty()) ok_->setText(ok);
    if (!cancel.isEmpty()) cancel_->setText(cancel);
}

void TForm9::setDate(const Date& date) {
    picked_ = ClampPickedDate(date);
    ShowMonth();
}

void TForm9::reject() {
    done(kAnswerCancel);
}

namespace {

// The date a key moves the picked date to; nullopt for a key that moves nothing.
std::optional<Date> SteppedByKey(int key, const Date& picked) {
    switch (key) {
        case Qt::Key_Left:
            return PickerDayStep(picked, -1);
        case Qt::Key_Right:
            return PickerDayStep(picked, 1);
        case Qt::Key_Up:
            return PickerDayStep(picked, -7);
        case Qt::Key_Down:
            return PickerDayStep(picked, 7);
        case Qt::Key_PageUp:
            return PickerMonthStep(picked, -1);
        case Qt::Key_PageDown:
            return PickerMonthStep(picked, 1);
        default:
            return std::nullopt;
    }
}

}  // namespace

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == ok_ || watched == cancel_) &&
        SteppedByKey(static_cast<QKeyEvent*>(event)->key(), picked_)) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm9::keyPressEvent(QKeyEvent* event) {
    const auto picked = SteppedByKey(event->key(), picked_);
    if (!picked) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    picked_ = *picked;
    ShowMonth();
}

void TForm9::ShowMonth() {
    const PickerMonthView view =
        PickerMonthLayout(picked_, sundayFirst_, shortMonthNames_, longMonthNames_);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const PickerDayLabel& day = view.Days[i];
        QLabel* label = days_[i];
        label->setText(QString::fromStdString(day.Caption));
        label->setGeometry(day.Left, day.Top, label->sizeHint().width(), kDayHeight);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, ToQColor(day.Background));
        colours.setColor(QPalette::WindowText, ToQColor(day.TextColour));
        label->setPalette(colours);
        label->setVisible(day.Visible);
    }
    year_->setText(QString::fromStdString(view.YearText));
    month_->setText(QString::fromStdString(view.MonthText));
    monthLabel_->setText(QString::fromStdString(view.MonthLabel));
    monthLabel_->adjustSize();
}

void TForm9::PickDay(const QString& caption) {
    picked_ = PickerDayClick(picked_, caption.toStdString());
    ShowMonth();
}

}  // namespace skemora
