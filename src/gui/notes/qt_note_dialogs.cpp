#include "gui/notes/qt_note_dialogs.h"

#include "gui/dialogs/accepting_dialog.h"
#include "gui/notes/contact_card_dialog.h"
#include "gui/notes/homework_dialog.h"
#include "gui/notes/links_dialog.h"
#include "gui/notes/mates_dialog.h"

namespace skemora {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Dialog>
Dialog* Made(QPointer<Dialog>& dialog, QWidget* parent) {
    if (!dialog) dialog = new AcceptingDialog<Dialog>(parent);
    return dialog.data();
}

// "Save changes?", asked through the shared question dialog.
CloseQuestion CardCloseQuestion(Messages& messages, const DialogTexts* texts) {
    return {Utf8(texts ? texts->CardCloseQuestion : DesignDialogTexts().CardCloseQuestion),
            [&messages](const std::string& askTitle, const std::string& message) {
                return messages.Ask(askTitle, message);
            }};
}

}  // namespace

QtNoteDialogs::~QtNoteDialogs() {
    for (QObject* dialog : std::initializer_list<QObject*>{homework_, links_, contactCard_, mates_})
        DeleteIfUnowned(dialog);
}

void QtNoteDialogs::Attach(QWidget* mainWindow, const DialogTexts* texts, Platform* platform) {
    mainWindow_ = mainWindow;
    texts_ = texts;
    platform_ = platform;
}

void QtNoteDialogs::OpenThroughPlatform(const std::string& target) {
    if (platform_ && !platform_->OpenUrl(target) && texts_)
        messages_.ShowMessage(FillTemplate(texts_->OpenFailed, {target}));
}

bool QtNoteDialogs::EditContactCard(const std::string& title, ContactCardFields& card,
                                    const AcceptStep& save) {
    TForm7* dialog = Made(contactCard_, mainWindow_);
    if (texts_)
        dialog->setTexts(Utf8(texts_->NameAddressLabel), Utf8(texts_->PhoneLabel),
                         Utf8(texts_->EmailLabel));
    dialog->setMailOpener([this](const std::string& url) { OpenThroughPlatform(url); });
    dialog->setCloseQuestion(CardCloseQuestion(messages_, texts_));
    dialog->setWindowTitle(Utf8(title));
    dialog->setCard(card);
    return ExecSaving(
        dialog, [&] { card = dialog->card(); }, save);
}

bool QtNoteDialogs::EditHomework(const std::string& title, LessonHomework& homework,
                                 const AcceptStep& save) {
    TForm5* dialog = Made(homework_, mainWindow_);
    if (texts_) {
        const DialogTexts& t = *texts_;
        dialog->setTexts({Utf8(t.HomeworkStrip), Utf8(t.ShortcutStrip), Utf8(t.AddShortcut),
                          Utf8(t.CreateFile), Utf8(t.DeleteShortcut), Utf8(t.HomeworkCloseQuestion),
                          Utf8(t.HomeworkMissingType), Utf8(t.HomeworkFileNamePrompt),
                          Utf8(t.HomeworkFileExists), Utf8(t.HomeworkCannotCreate),
                          Utf8(t.ShortcutLineBreak)});
    }
    HomeworkDialogServices services;
    services.Ask = [this](const std::string& askTitle, const std::string& message) {
        return messages_.Ask(askTitle, message);
    };
    services.Open = [this](const std::string& path) { OpenThroughPlatform(path); };
    const int language = texts_ ? LanguageOf(*texts_) : kEnglish;
    services.Reason = [language](int systemError) {
        return SystemReasonText(systemError, language);
    };
    dialog->setServices(std::move(services));
    dialog->setWindowTitle(Utf8(title));
    dialog->setHomework(homework);
    return ExecSaving(
        dialog, [&] { homework = dialog->homework(); }, save);
}

bool QtNoteDialogs::EditLinks(const std::string& title, std::vector<std::string>& addresses,
                              const AcceptStep& save) {
    TForm6* dialog = Made(links_, mainWindow_);
    if (texts_) dialog->setTexts(Utf8(texts_->AddLink), Utf8(texts_->DeleteLink));
    dialog->setOpener([this](const std::string& address) { OpenThroughPlatform(address); });
    dialog->setCloseQuestion(CardCloseQuestion(messages_, texts_));
    dialog->setWindowTitle(Utf8(title));
    dialog->setAddresses(addresses);
    const bool accepted = ExecSaving(
        dialog, [&] { addresses = dialog->addresses(); }, save);
    dialog->setAddresses({});
    return accepted;
}

bool QtNoteDialogs::EditMates(const std::string& title, const std::string& cardTitle,
                              std::vector<std::string>& mates, const AcceptStep& save) {
    TForm8* dialog = Made(mates_, mainWindow_);
    if (texts_) dialog->setTexts(Utf8(texts_->AddMate), Utf8(texts_->DeleteMate));
    dialog->setCardEditor([this, cardTitle](ContactCardFields& card) {
        return EditContactCard(cardTitle, card, {});
    });
    dialog->setCloseQuestion(CardCloseQuestion(messages_, texts_));
    dialog->setWindowTitle(Utf8(title));
    dialog->setMates(mates);
    return ExecSaving(
        dialog, [&] { mates = dialog->mates(); }, save);
}

}  // namespace skemora
