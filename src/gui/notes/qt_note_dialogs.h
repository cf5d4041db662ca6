// The lesson notes' dialogs shown with Qt: homework (TForm5), links (TForm6), the contact card
// (TForm7) and the school mates (TForm8), each made on first use and kept for the run.
#pragma once

#include <QPointer>

#include "app/state/messages.h"
#include "app/state/note_dialogs.h"
#include "app/state/platform.h"
#include "core/language/texts.h"

class QWidget;

namespace skemora {

class TForm5;
class TForm6;
class TForm7;
class TForm8;

class QtNoteDialogs : public NoteDialogs {
public:
    // The dialogs ask their close questions and say what failed to open through `messages`.
    explicit QtNoteDialogs(Messages& messages) : messages_(messages) {}
    ~QtNoteDialogs() override;
    QtNoteDialogs(const QtNoteDialogs&) = delete;
    QtNoteDialogs& operator=(const QtNoteDialogs&) = delete;

    // The dialogs are made on first use as children of `mainWindow`. `platform` opens what a
    // dialog's buttons open (mail addresses, web addresses, documents).
    void Attach(QWidget* mainWindow, const DialogTexts* texts, Platform* platform);

    bool EditHomework(const std::string& title, LessonHomework& homework,
                      const AcceptStep& save) override;
    bool EditLinks(const std::string& title, std::vector<std::string>& addresses,
                   const AcceptStep& save) override;
    bool EditMates(const std::string& title, const std::string& cardTitle,
                   std::vector<std::string>& mates, const AcceptStep& save) override;
    bool EditContactCard(const std::string& title, ContactCardFields& card,
                         const AcceptStep& save) override;

private:
    Messages& messages_;
    QPointer<QWidget> mainWindow_;
    const DialogTexts* texts_ = nullptr;
    Platform* platform_ = nullptr;
    QPointer<TForm5> homework_;
    QPointer<TForm6> links_;
    QPointer<TForm7> contactCard_;
    QPointer<TForm8> mates_;
    // Opens a document path, web address or mailto: address through the platform.
    void OpenThroughPlatform(const std::string& target);
};

}  // namespace skemora
