// The lesson notes' dialogs: homework, links, school mates and the contact card.
#pragma once

#include <string>
#include <vector>

#include "app/state/accept_step.h"
#include "core/notes/contact_card.h"
#include "core/timetable/week_homework.h"

namespace skemora {

class NoteDialogs {
public:
    virtual ~NoteDialogs() = default;
    // The homework dialog (TForm5) for one lesson: true on OK (or Yes to the close question),
    // with the description and shortcuts changed in place.
    virtual bool EditHomework(const std::string& title, LessonHomework& homework,
                              const AcceptStep& save) = 0;
    // The links dialog (TForm6): true on OK, with the address list changed in place.
    virtual bool EditLinks(const std::string& title, std::vector<std::string>& addresses,
                           const AcceptStep& save) = 0;
    // The school-mates dialog (TForm8) over the mates' work list; each mate is edited on the
    // contact card titled `cardTitle`. True on OK, with the work list changed in place.
    virtual bool EditMates(const std::string& title, const std::string& cardTitle,
                           std::vector<std::string>& mates, const AcceptStep& save) = 0;
    // The contact card (TForm7) under `title`: true on OK, with the fields changed in place.
    virtual bool EditContactCard(const std::string& title, ContactCardFields& card,
                                 const AcceptStep& save) = 0;
};

}  // namespace skemora
