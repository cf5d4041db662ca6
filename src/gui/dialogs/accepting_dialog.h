// A dialog whose OK first runs a check given by its caller: while the check answers false, the
// dialog stays open with everything typed in it. The Qt ports make every dialog whose OK writes
// a file this way and show it through ExecSaving.
#pragma once

#include <functional>
#include <utility>

#include "app/state/accept_step.h"
#include "app/state/messages.h"

class QDialog;
class QObject;

namespace skemora {

class AcceptCheck {
public:
    virtual ~AcceptCheck() = default;
    // Answers whether OK may close the dialog; none lets it close.
    std::function<bool()> BeforeAccept;
};

template <typename Dialog>
class AcceptingDialog final : public Dialog, public AcceptCheck {
public:
    using Dialog::Dialog;

    void done(int result) override {
        if (result == kAnswerYes && BeforeAccept && !BeforeAccept()) return;
        Dialog::done(result);
    }
};

// Shows a dialog made as an AcceptingDialog modally. Its OK runs `readBack` (the fields into
// the caller's) and then `save`; while that fails, the error is shown over the dialog, which
// stays open. True when it closed with OK.
bool ExecSaving(QDialog* dialog, const std::function<void()>& readBack, const AcceptStep& save);

// Deletes a dialog a port made when no window owns it (the port was attached without a main
// window); a dialog with a parent goes with its parent.
void DeleteIfUnowned(QObject* dialog);

}  // namespace skemora
