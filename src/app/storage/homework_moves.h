// Homework is kept per day and lesson position. When Insert or Delete shifts a day's lessons,
// the homework and shortcuts of the shifted lessons move with them: in the shown week and in
// every later week of the same period that has a week homework file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/state/app_context.h"
#include "core/files/text_file.h"
#include "core/timetable/week_homework.h"

namespace skemora {

enum class LessonShift { Insert, Delete };

class HomeworkMove {
public:
    // Reads the week files that a shift of the selected day's lessons at `position` reaches:
    // those of the school weeks from the shown one on whose lessons come from the shown week's
    // period. Throws SkemoraError, with nothing changed, when one cannot be read in full.
    HomeworkMove(AppContext& ctx, int position, LessonShift shift);

    // The numbers of the weeks in which the lesson at `position` has homework or shortcuts.
    std::vector<int> WeeksWithHomeworkAt(int position) const;
    // Writes the shifted files beside their targets: throws CannotCreateFile with nothing
    // changed. Answers whether any file changes.
    bool Stage();
    // Puts the staged files in place (a week left without homework loses its file) and, after a
    // delete, takes the deleted lesson out of the upcoming-files list. Every file is tried; the
    // first failure is thrown afterwards.
    void Commit();

private:
    struct WeekFile {
        std::string Path;
        int Week = 0;
        std::vector<int> Mondays;  // of the school weeks the shift reaches
        WeekHomework Homework;     // as read
        WeekHomework Shifted;
        std::unique_ptr<StagedFile> Staged;
        bool Emptied = false;  // the file goes
    };
    void RemoveDeletedFromUpcoming() const;

    MainState& state_;
    std::string userFolder_;
    DayRecord lessons_;  // the day's lessons before the shift
    int day_ = 0;
    int position_ = 0;
    LessonShift shift_;
    std::vector<WeekFile> weeks_;
};

}  // namespace skemora
