// The plain rules of lesson editing: start times as HH:MM, the characters a subject or user
// name may not hold, the lesson lookup in the subject list, the changes of a day's lessons,
// and the name of a new user.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/timetable/lessons.h"

namespace skemora {

// A lesson's three texts, as the lesson dialog shows and answers them.
struct LessonFields {
    std::string Subject, Room, Teacher;
    friend bool operator==(const LessonFields&, const LessonFields&) = default;
};

// hours * 100 + minutes as HH:MM: 800 gives "08:00", 1345 "13:45".
std::string FormatTime(int time);
// Whether the time field's text may stand: the hours (its first two characters) at most 23 and
// the minutes (its fourth and fifth) at most 59. Blanks count as 0, so a half-typed field stands.
bool TimeTextAllowed(const std::string& text);
// The field's four digits as one number, hour tens first: "08:30" gives 830, "00:00" 0. Nothing
// when the text is not an allowed time or lacks a digit (a blank or half-typed field).
std::optional<int> StartTimeOfText(const std::string& text);
// The text the time field shows after a change to `typed`: `typed` when allowed, else `opening`.
std::string TimeFieldText(const std::string& typed, const std::string& opening);

// The characters that cannot stand in a file name: / ? * \ | : " < >
bool IsRefusedCharacter(char c);
struct CleanedText {
    std::string Text;     // the text without them
    std::string Refused;  // each refused character found, in order, once per occurrence
};
CleanedText WithoutRefusedCharacters(const std::string& text);
// What an edit of a subject or a user name leaves: `typed` without the refused characters the
// edit put in, and without the dots it put at the start (a name beginning with "." would name
// hidden files). The edit is what lies between the parts `typed` shares with `before` at its
// start and at its end; the rest stood in `before` and stays, so the text a field was opened
// with is never changed. Each dot removed counts as a refused ".".
CleanedText WithoutTypedRefusedCharacters(const std::string& before, const std::string& typed);
// What a dialog's answer may keep of its refused characters after any number of edits: those
// the `opening` text held, matched in order; the others are removed, and so are leading dots
// unless the opening began with one.
CleanedText WithoutAddedRefusedCharacters(const std::string& opening, const std::string& answer);

// Room and teacher of the last entry of `subject` in the subject list; nothing when none is.
std::optional<LessonFields> LessonFromList(const std::vector<std::string>& subjectList,
                                           const std::string& subject);

// The number of positions of the day that hold a subject.
int LessonCount(const DayRecord& day);
// Removes the lesson at `position`: the later ones move up, position 11 empties. Refused (false,
// nothing changed) when the day holds one lesson or fewer or `position` is out of range.
bool DeleteLessonAt(DayRecord& day, int position);
// Puts `lesson` after the day's last lesson. Refused on a full day.
bool AddLessonTo(DayRecord& day, const LessonFields& lesson);
// Puts `lesson` at `position`, the lessons from there moving down one. Refused on a full day.
bool InsertLessonAt(DayRecord& day, int position, const LessonFields& lesson);
LessonFields LessonAt(const DayRecord& day, int position);
void SetLesson(DayRecord& day, int position, const LessonFields& lesson);

// The name a new user gets from the typed text: on one line, without refused characters and
// leading dots, and nothing when what is left cannot name a file and a folder (empty, or only
// dots and blanks).
std::optional<std::string> NewUserName(const std::string& typed);
// The new user's class: the dialog's class field replaces the shown class unless they are equal,
// in which case the class dialog asks for it.
inline bool ClassNeedsConfirming(const std::string& typed, const std::string& shown) {
    return typed == shown;
}

}  // namespace skemora
