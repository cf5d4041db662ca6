// The lesson-times dialog: per lesson position its length and the break after it, with the
// times they give a day. exec() answers 6 on OK and 2 otherwise.
#pragma once

#include <QDialog>
#include <array>

#include "core/timetable/lesson_times.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace skemora {

class LessonTimesDialog : public QDialog {
    Q_OBJECT
public:
    explicit LessonTimesDialog(QWidget* parent = nullptr);

    // The times shown for a day whose first lesson starts at `startTime` (hours * 100 + minutes).
    void prepare(int startTime, const LessonTimes& times);
    LessonTimes times() const;
    struct Texts {
        QString Title, Position, Length, Break, Start, Ok, Cancel;
    };
    void setTexts(const Texts& texts);

    void reject() override;

private:
    void ShowSpans();

    int startTime_ = 800;
    QLabel* positionHeader_;
    QLabel* lengthHeader_;
    QLabel* breakHeader_;
    QLabel* startHeader_;
    std::array<QLabel*, kLessons> positions_{};
    std::array<QSpinBox*, kLessons> lengths_{};
    std::array<QSpinBox*, kLessons> breaks_{};
    std::array<QLabel*, kLessons> spans_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace skemora
