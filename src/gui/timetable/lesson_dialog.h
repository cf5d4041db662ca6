// TForm11: the lesson dialog, a small tool window with the subject (a drop-down whose text can
// be typed), the room and the teacher side by side, and "OK" and "Cancel". A subject of the
// subject list, chosen or typed, fills room and teacher from its last entry; the subject refuses
// the characters a file name cannot hold. exec() answers 6 on OK and 2 otherwise.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/timetable/lesson_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skemora {

class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    // Title, subject choices, the list that fills room and teacher, and the fields' texts.
    void prepare(const QString& title, const std::vector<std::string>& choices,
                 const std::vector<std::string>& subjectList, const LessonFields& lesson);
    LessonFields lesson() const;
    // Empty texts keep the current ones.
    void setTexts(const QString& lessonLabel, const QString& roomLabel, const QString& teacherLabel,
                  const QString& cancel);

    void reject() override;

signals:
    // A refused character was typed or pasted into the subject, and removed.
    void refusedCharacter(const QString& character);

private:
    void FillFromList(const QString& subject);

    QLabel* lessonLabel_;
    QLabel* roomLabel_;
    QLabel* teacherLabel_;
    QComboBox* subject_;
    QLineEdit* room_;
    QLineEdit* teacher_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::vector<std::string> subjectList_;
};

}  // namespace skemora
