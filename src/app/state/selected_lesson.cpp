#include "app/state/selected_lesson.h"

namespace skemora {

std::optional<SelectedLessonRef> SelectedLesson(const AppContext& ctx) {
    const auto& state = ctx.state;
    const int day = state.SelColumn - 1;
    const int lesson = state.SelLesson;
    if (day < 0 || day >= kDays || lesson < 0 || lesson >= kLessons) return std::nullopt;
    const auto& record = state.Days[static_cast<std::size_t>(day)];
    return SelectedLessonRef{day, lesson, record.Subject[static_cast<std::size_t>(lesson)],
                             record.Teacher[static_cast<std::size_t>(lesson)]};
}

}  // namespace skemora
