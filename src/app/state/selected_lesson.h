// The lesson the notes commands work on: the selected lesson cell of the shown week.
#pragma once

#include <optional>
#include <string>

#include "app/state/app_context.h"

namespace skemora {

struct SelectedLessonRef {
    int Day = 0;     // 0..4, Monday..Friday
    int Lesson = 0;  // 0..11, the lesson's index within its day
    std::string Subject, Teacher;
};

// nullopt while no lesson cell has been selected.
std::optional<SelectedLessonRef> SelectedLesson(const AppContext& ctx);

}  // namespace skemora
