// The time-table's dialogs: the start time, the lesson, the new user and the class name.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/state/accept_step.h"
#include "core/timetable/lesson_rules.h"
#include "core/timetable/lesson_times.h"

namespace skemora {

class TimetableDialogs {
public:
    virtual ~TimetableDialogs() = default;
    // The time dialog (TForm10) under `title`, opening with `time` (HH:MM): true on OK, with
    // `time` the HH:MM text.
    virtual bool EditTime(const std::string& title, std::string& time, const AcceptStep& save) = 0;
    // The lesson dialog (TForm11) under `title`, offering `choices` as subjects; a subject of
    // `subjectList` chosen or typed fills room and teacher. True on OK, with `lesson` changed.
    virtual bool EditLesson(const std::string& title, const std::vector<std::string>& choices,
                            const std::vector<std::string>& subjectList, LessonFields& lesson,
                            const AcceptStep& save) = 0;
    // The new-user dialog (Tnewtime), opening empty: the typed name and class on OK, once
    // `acceptable` agrees to them; until it does, OK keeps the dialog open with what was typed.
    struct NewUserAnswer {
        std::string Name, ClassName;
    };
    virtual std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>& acceptable) = 0;
    // The class-name dialog (TForm12): true on OK, with the name changed in place.
    virtual bool EditClassName(std::string& name, const AcceptStep& save) = 0;
    // Lesson times: the lengths and breaks of the twelve positions, shown with the times they
    // give a day starting at `startTime`; true on OK, with `times` changed.
    virtual bool EditLessonTimes(int startTime, LessonTimes& times, const AcceptStep& save) = 0;
};

}  // namespace skemora
