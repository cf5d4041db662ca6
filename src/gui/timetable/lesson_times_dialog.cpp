#include "gui/timetable/lesson_times_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/state/messages.h"
#include "gui/dialogs/ok_cancel_buttons.h"

namespace skemora {

LessonTimesDialog::LessonTimesDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("LessonTimesDialog");
    setModal(true);
    auto* grid = new QGridLayout;
    positionHeader_ = new QLabel(this);
    lengthHeader_ = new QLabel(this);
    breakHeader_ = new QLabel(this);
    startHeader_ = new QLabel(this);
    for (QLabel* header : {positionHeader_, lengthHeader_, breakHeader_, startHeader_})
        header->setTextFormat(Qt::PlainText);
    grid->addWidget(positionHeader_, 0, 0);
    grid->addWidget(lengthHeader_, 0, 1);
    grid->addWidget(breakHeader_, 0, 2);
    grid->addWidget(startHeader_, 0, 3);
    for (int j = 0; j < kLessons; ++j) {
        const auto p = static_cast<std::size_t>(j);
        positions_[p] = new QLabel(this);
        lengths_[p] = new QSpinBox(this);
        lengths_[p]->setObjectName(QStringLiteral("length%1").arg(j + 1));
        lengths_[p]->setRange(1, kLongestLesson);
        breaks_[p] = new QSpinBox(this);
        breaks_[p]->setObjectName(QStringLiteral("break%1").arg(j + 1));
        breaks_[p]->setRange(0, kLongestBreak);
        spans_[p] = new QLabel(this);
        spans_[p]->setObjectName(QStringLiteral("span%1").arg(j + 1));
        positions_[p]->setBuddy(lengths_[p]);
        grid->addWidget(positions_[p], j + 1, 0);
        grid->addWidget(lengths_[p], j + 1, 1);
        grid->addWidget(breaks_[p], j + 1, 2);
        grid->addWidget(spans_[p], j + 1, 3);
        for (QSpinBox* box : {lengths_[p], breaks_[p]})
            connect(box, &QSpinBox::valueChanged, this, [this] { ShowSpans(); });
    }
    // The last lesson has no break after it.
    breaks_[kLessons - 1]->setEnabled(false);
    auto* buttons = AddOkCancel(this, ok_, cancel_);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kAnswerCancel); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setTexts({});
}

void LessonTimesDialog::prepare(int startTime, const LessonTimes& times) {
    startTime_ = startTime;
    for (std::size_t p = 0; p < kLessons; ++p) {
        lengths_[p]->setValue(times.Length[p]);
        breaks_[p]->setValue(times.Break[p]);
    }
    ShowSpans();
    lengths_[0]->setFocus();
}

LessonTimes LessonTimesDialog::times() const {
    LessonTimes times;
    for (std::size_t p = 0; p < kLessons; ++p) {
        times.Length[p] = lengths_[p]->value();
        times.Break[p] = breaks_[p]->value();
    }
    return times;
}

void LessonTimesDialog::setTexts(const Texts& texts) {
    auto pick = [](const QString& text, const char* design) {
        return text.isEmpty() ? QString::fromUtf8(design) : text;
    };
    setWindowTitle(pick(texts.Title, "Lesson times"));
    const QString position = pick(texts.Position, "Lesson");
    positionHeader_->setText(position);
    lengthHeader_->setText(pick(texts.Length, "Length (minutes)"));
    breakHeader_->setText(pick(texts.Break, "Break after (minutes)"));
    startHeader_->setText(pick(texts.Start, "Monday starts"));
    for (int j = 0; j < kLessons; ++j)
        positions_[static_cast<std::size_t>(j)]->setText(
            QStringLiteral("%1 %2").arg(position).arg(j + 1));
    ok_->setText(pick(texts.Ok, "OK"));
    cancel_->setText(pick(texts.Cancel, "Cancel"));
}

void LessonTimesDialog::ShowSpans() {
    const LessonTimes shown = times();
    for (int j = 0; j < kLessons; ++j)
        spans_[static_cast<std::size_t>(j)]->setText(
            QString::fromStdString(LessonSpanText(startTime_, shown, j)));
}

void LessonTimesDialog::reject() {
    done(kAnswerCancel);
}

}  // namespace skemora
