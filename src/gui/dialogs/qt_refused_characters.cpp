#include "gui/dialogs/qt_refused_characters.h"

#include <QLineEdit>
#include <algorithm>
#include <memory>

#include "core/files/text_file.h"
#include "core/timetable/lesson_rules.h"

namespace skemora {

namespace {

// Shows `text` in the field after an edit made it `edited`, the cursor keeping its distance from
// the end (what follows the cursor is what the edit left alone).
void Replace(QLineEdit* field, const QString& edited, const QString& text) {
    const int fromEnd = static_cast<int>(edited.size()) - field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::max(0, static_cast<int>(text.size()) - fromEnd));
}

}  // namespace

void KeepOneLine(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        const std::string typed = text.toStdString();
        if (HoldsLineBreak(typed)) Replace(field, text, QString::fromStdString(OneLine(typed)));
    });
}

void RefuseCharacters(QLineEdit* field, std::function<void(const QString&)> refused) {
    // The text before the user's edit: textEdited comes before textChanged, and the text after
    // every change, the program's own included, is kept for the next edit.
    auto before = std::make_shared<std::string>(field->text().toStdString());
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, before] { *before = field->text().toStdString(); });
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field, before, refused = std::move(refused)](const QString& text) {
                         const std::string typed = OneLine(text.toStdString());
                         const auto cleaned = WithoutTypedRefusedCharacters(*before, typed);
                         if (cleaned.Text != text.toStdString())
                             Replace(field, text, QString::fromStdString(cleaned.Text));
                         for (char c : cleaned.Refused) refused(QString(QChar(c)));
                     });
}

}  // namespace skemora
