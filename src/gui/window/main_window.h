// TForm1, the main window: owns the program's state and view model, builds one widget per
// element of the view, forwards every event to the core and redraws what changed afterwards.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/state/app_context.h"
#include "gui/platform/folder_watcher.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QPlainTextEdit;

namespace skemora {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the state and every element for `dataFolder` (ending with "/"). `arguments` are the
    // command-line arguments after the program name, used at the first show.
    TForm1(Messages& messages, TimetableDialogs& timetableDialogs, NoteDialogs& noteDialogs,
           HolidayDialogs& holidayDialogs, Platform& platform, const std::string& dataFolder,
           std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    AppContext& context() { return ctx_; }
    // Brings every widget in line with the view model, touching only what changed.
    void Redraw();

    // The window's standard font: a sans-serif face of 8 points.
    static QFont StandardFont();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Panel, Label, ToolButton, LessonButton, NotesBox };
    struct Binding {
        QWidget* Widget = nullptr;
        const Element* Model = nullptr;
        Kind Type = Kind::Panel;
        Element Drawn;
        std::string DrawnText;  // the caption as put on the widget
        bool Fresh = true;      // nothing drawn yet
    };
    struct MenuBinding {
        QAction* Action = nullptr;
        const MenuItem* Model = nullptr;
        MenuItem Drawn;
        bool Fresh = true;
    };

    // Runs one event's command: errors go to the general error box, then the view is redrawn.
    // Answers whether the command finished without an error.
    bool Run(const std::function<void()>& command);

    void BuildMenus();
    void BuildElements();
    QWidget* AddElement(QWidget* parent, const Element& model, Kind kind, const QString& name);
    QAction* AddMenuItem(QMenu* menu, const MenuItem& model, const QString& name);
    QMenu* AddSubmenu(QMenu* parent, const MenuItem& model, const QString& name);
    void DrawElement(Binding& binding);
    void DrawMenuItem(MenuBinding& binding);
    void DrawNotesText();
    std::string ShownCaption(const Binding& binding) const;
    void NotesChangedByUser();
    // Tells a screen reader of the selected cell when it or its lesson changed.
    void AnnounceSelectedCell();
    void CellReleased(int column, int row, Qt::MouseButton button);
    bool HandleShortcutKey(QObject* watched, QEvent* event);
    // Whether the key is an Alt combination that reached the notes box as no command: it is
    // dropped there instead of typing its letter into the notes.
    bool IsStrayAltKeyInNotes(QObject* watched, QEvent* event) const;
    // Help: F1 in a dialog or menu, the guide at a topic, About, and the empty window's welcome.
    bool HandleHelpKey(QObject* watched, QEvent* event);
    void ShowHelpAt(int topic);
    void ShowAbout();
    void BuildWelcome();
    void DrawWelcome();

    AppContext ctx_;
    std::vector<std::string> arguments_;
    bool firstShowDone_ = false;
    QWidget* central_ = nullptr;
    QWidget* classField_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr;
    QMenu* lessonMenu_ = nullptr;
    std::vector<Binding> elements_;
    std::vector<MenuBinding> menuItems_;
    // Other writers' changes to the files shown; running_ counts the commands under way.
    std::unique_ptr<FolderWatcher> watcher_;
    int running_ = 0;
    // Screen reader: the cell last told as selected, with its name then.
    QWidget* announcedCell_ = nullptr;
    QString announcedName_;
    // Keyboard: the lesson cells, arrows moving the selection, the lesson menu from the keyboard.
    std::array<std::array<QWidget*, kLessons>, kDays> cells_{};
    bool HandleGridKey(QObject* watched, QEvent* event);
    void PopUpLessonMenuAtSelection();
    QWidget* SelectedCellWidget() const;
    void FollowSelectionWithFocus(bool focusOnCell);
    // Help: the welcome in the empty window.
    QFrame* welcome_ = nullptr;
    QLabel* welcomeText_ = nullptr;
    QPushButton* welcomeNew_ = nullptr;
    QPushButton* welcomeOpen_ = nullptr;
};

}  // namespace skemora
