#include "gui/dialogs/accepting_dialog.h"

#include <QDialog>
#include <QMessageBox>

#include "gui/dialogs/qt_messages.h"

namespace skemora {

bool ExecSaving(QDialog* dialog, const std::function<void()>& readBack, const AcceptStep& save) {
    auto* check = dynamic_cast<AcceptCheck*>(dialog);
    const auto store = [&] {
        readBack();
        const auto failure = save ? save() : std::nullopt;
        if (failure)
            ShowMessageBox(dialog, QMessageBox::Critical, QString::fromStdString(*failure));
        return !failure;
    };
    if (check) check->BeforeAccept = store;
    const int result = dialog->exec();
    if (check) check->BeforeAccept = nullptr;
    if (result != kAnswerYes) return false;
    // A dialog made without the check stores after closing.
    if (!check) store();
    return true;
}

void DeleteIfUnowned(QObject* dialog) {
    if (dialog && !dialog->parent()) delete dialog;
}

}  // namespace skemora
