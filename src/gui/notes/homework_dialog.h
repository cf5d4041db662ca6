// TForm5: the homework of one lesson. The description box, the shortcut list with Add, Create
// file and Delete, and OK; a double-click opens a shortcut's document. exec() answers 6 on OK,
// and on Yes to the close question asked when the window is closed after a change; otherwise 2.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "core/notes/homework_rules.h"
#include "core/timetable/week_homework.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace skemora {

struct HomeworkDialogTexts {
    QString HomeworkStrip, ShortcutStrip, Add, Create, Delete;
    QString CloseQuestion, MissingType, FileNamePrompt, FileExists, CannotCreate;  // %1 the path
    QString ShortcutLineBreak;
};

// What the dialog asks of the world; each has a Qt default except Ask and Open.
struct HomeworkDialogServices {
    std::function<int(const std::string& title, const std::string& message)> Ask;
    std::function<void(const std::string& path)> Open;
    std::function<std::optional<std::string>()> OpenFileName;
    std::function<std::optional<std::string>(const std::string& title)> SaveFileName;
    std::function<void(const QString& text)> Message;
    // The reason, in the interface language, of a system error number.
    std::function<std::string(int systemError)> Reason;
};

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Fills the dialog and clears the changed flag.
    void setHomework(const LessonHomework& homework);
    LessonHomework homework() const;
    void setTexts(const HomeworkDialogTexts& texts);
    void setServices(HomeworkDialogServices services);
    bool changed() const { return changed_; }

    // The close box and Escape: the close question when something changed.
    void reject() override;

private:
    void AddShortcut();
    void CreateFile();
    void DeleteShortcut();
    void OpenShortcut();

    QLabel* homeworkStrip_;
    QPlainTextEdit* description_;
    QLabel* shortcutStrip_;
    QListWidget* shortcuts_;
    QPushButton* add_;
    QPushButton* create_;
    QPushButton* delete_;
    QPushButton* ok_;
    HomeworkDialogTexts texts_;
    HomeworkDialogServices services_;
    std::string saveTitle_;  // the create-file dialog's title, kept between uses
    bool changed_ = false;   // ChangedFlag
};

}  // namespace skemora
