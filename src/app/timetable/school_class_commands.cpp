#include "app/timetable/school_class_commands.h"

#include "app/state/timetable_state.h"
#include "app/storage/save.h"
#include "app/storage/storage.h"
#include "app/timetable/save_as_commands.h"
#include "core/notes/contact_card.h"

namespace skemora {

void EditSchool(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const std::string path = SchoolFilePath(ctx.state);
    ContactCardFields card;
    if (const auto lines = ReadStored(ctx.state, path)) card = ContactCardFromLines(*lines);
    ctx.noteDialogs.EditContactCard(" " + ctx.texts.SchoolInformationTitle, card,
                                    SavingStep(ctx.state.LanguageCode, [&] {
                                        WriteStored(ctx.state, path, ContactCardLines(card));
                                    }));
}

void EditClass(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    std::string name = ctx.state.ClassName;
    ctx.timetableDialogs.EditClassName(name, SavingStep(ctx.state.LanguageCode, [&] {
                                           SaveOrUndo(ctx, [&] {
                                               ctx.state.ClassName = OneLine(name);
                                               ShowClass(ctx);
                                               SetModified(ctx, true);
                                               Save(ctx);
                                           });
                                       }));
}

}  // namespace skemora
