// The port every subsystem asks through: the question, message boxes, the general error box,
// file dialogs and the progress of long work. The Qt side shows real dialogs, tests script the
// answers.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerCancel = 2;

class Messages {
public:
    virtual ~Messages() = default;
    // The Yes/No/Cancel question (TForm4): 6, 7 or 2; closing the window is 2.
    virtual int Ask(const std::string& title, const std::string& message) = 0;
    // A plain message box.
    virtual void ShowMessage(const std::string& text) = 0;
    // A message about what happened meanwhile (another computer's change taken in), which may
    // arrive while the user types: where the port can, it neither blocks nor takes the keyboard.
    virtual void Notify(const std::string& text) { ShowMessage(text); }
    // The general error box.
    virtual void ShowError(const std::string& text) = 0;
    // File dialogs: the chosen full path, or nothing when cancelled. The filter is given as
    // "description|pattern|description|pattern...".
    virtual std::optional<std::string> OpenFileName(const std::string& folder,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& folder,
                                                    const std::string& fileName,
                                                    const std::string& filter,
                                                    const std::string& defaultExtension) = 0;

    // One of `options` chosen under `title` and `prompt`, the first offered: its index, or
    // nothing when cancelled. Each option's "&" marks its letter.
    virtual std::optional<int> ChooseOne(const std::string& title, const std::string& prompt,
                                         const std::vector<std::string>& options) = 0;

    // Progress of long work (a holiday period over many months).
    class Progress {
    public:
        virtual ~Progress() = default;
        // `done` of the total steps are finished; false once the user has cancelled.
        virtual bool Step(int done) = 0;
    };
    // A progress window with `label` over `total` steps, shown only when the work takes longer
    // than a moment; it closes when the answer is dropped.
    virtual std::unique_ptr<Progress> StartProgress(const std::string& label, int total) = 0;
};

}  // namespace skemora
