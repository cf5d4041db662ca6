#include "app/storage/save_question.h"

#include "app/storage/save.h"

namespace skemora {

bool AskToSaveChanges(AppContext& ctx, const std::string& name) {
    if (!ctx.state.Saving.Modified) return true;
    const int answer = ctx.messages.Ask(ctx.texts.SaveQuestionTitle + ctx.texts.NoDocumentTitle,
                                       name + ctx.texts.SaveQuestionText);
    if (answer == kAnswerYes) Save(ctx);
    return answer == kAnswerYes || answer == kAnswerNo;
}

}  // namespace skemora
