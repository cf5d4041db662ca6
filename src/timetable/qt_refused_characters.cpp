#include "timetable/qt_refused_characters.h"

#include <QLineEdit>

#include "timetable/lesson_rules.h"

namespace skemora {

void RefuseCharacters(QLineEdit* field, std::function<void(const QString&)> refused) {
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field, refused = std::move(refused)](const QString& text) {
                         const auto cleaned = WithoutRefusedCharacters(text.toStdString());
                         if (cleaned.Refused.empty()) return;
                         const int cursor = field->cursorPosition();
                         const int removedBefore = static_cast<int>(
                             text.left(cursor).size() -
                             QString::fromStdString(
                                 WithoutRefusedCharacters(text.left(cursor).toStdString()).Text)
                                 .size());
                         field->setText(QString::fromStdString(cleaned.Text));
                         field->setCursorPosition(cursor - removedBefore);
                         for (char c : cleaned.Refused) refused(QString(QChar(c)));
                     });
}

}  // namespace skemora
