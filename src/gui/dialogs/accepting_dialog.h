// A dialog whose OK first runs a check given by its caller: while the check answers false, the
// dialog stays open with everything typed in it. QtDialogs makes every dialog whose OK writes a
// file this way and reaches the check through AcceptCheck.
#pragma once

#include <functional>
#include <utility>

#include "app/state/dialogs.h"

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

}  // namespace skemora
