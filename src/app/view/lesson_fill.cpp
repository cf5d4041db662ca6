#include "app/view/lesson_fill.h"

#include <algorithm>

namespace skemora {

namespace {

// Days starting at this time or later are placed last, as if they started at it.
constexpr int kLatestStart = 2359;

}  // namespace

LessonGridFill FillLessons(const MainState& state) {
    const auto& days = state.Days;
    const auto& homework = state.Homework;
    LessonGridFill fill;
    std::array<bool, kDays> placed{};
    int shift = 0;
    int previous = kLatestStart;
    for (int round = 0; round < kDays; ++round) {
        int chosen = -1;
        int chosenStart = 0;
        for (int d = 0; d < kDays; ++d) {
            if (placed[d]) continue;
            const int start = std::min(days[d].StartTime, kLatestStart);
            if (chosen < 0 || start < chosenStart) {
                chosen = d;
                chosenStart = start;
            }
        }
        if (previous < chosenStart) ++shift;
        auto& cells = fill[chosen];
        for (int row = shift; row < kLessons; ++row) {
            const int lesson = row - shift;
            cells[row].Caption = days[chosen].Subject[lesson];
            cells[row].TextColor = homework[chosen][lesson].HasHomework() ? kGreen : kBlack;
            if (!cells[row].Caption.empty())
                cells[row].Hint = FormatMinutes(
                    LessonStart(days[chosen].StartTime, state.Times, lesson));
        }
        placed[chosen] = true;
        previous = chosenStart;
    }
    return fill;
}

void ProjectLessons(const MainState& state, ViewModel& view) {
    const LessonGridFill fill = FillLessons(state);
    for (int d = 0; d < kDays; ++d) {
        for (int row = 0; row < kLessons; ++row) {
            auto& cell = view.Days[d].Cells[row];
            cell.Caption = fill[d][row].Caption;
            cell.TextColor = fill[d][row].TextColor;
            cell.Hint = fill[d][row].Hint;
            cell.ShowHint = !cell.Hint.empty();
        }
    }
}

void ShowTimetable(AppContext& ctx) {
    ProjectLessons(ctx.state, ctx.view);
}

void ResetTimetable(AppContext& ctx) {
    for (auto& day : ctx.state.Days) day = DayRecord{};
    for (auto& column : ctx.view.Days) {
        for (auto& cell : column.Cells) {
            cell.Background = kWhite;
            cell.TextColor = kBlack;
            cell.Caption.clear();
            cell.Hint.clear();
            cell.ShowHint = false;
        }
    }
}

}  // namespace skemora
