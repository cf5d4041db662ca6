#include "gui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "app/view/week_grid.h"
#include "app/view/reader_names.h"
#include "gui/window/lesson_cell_reader.h"
#include "app/window/other_writers.h"
#include "app/window/window_events.h"
#include "app/window/outside_changes.h"
#include "app/export/export_commands.h"
#include "core/files/skemora_error.h"
#include "app/holidays/holiday_commands.h"
#include "core/language/texts.h"
#include "app/notes/homework_commands.h"
#include "app/notes/note_commands.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/lesson_times_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/open_commands.h"
#include "app/storage/save.h"
#include "app/timetable/save_as_commands.h"
#include "app/timetable/school_class_commands.h"
#include "app/timetable/week_notes_commands.h"
#include "app/state/help_topics.h"
#include "gui/dialogs/help_topic.h"
#include "gui/window/about_dialog.h"

namespace skemora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ToQColor(Color color) {
    return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// A panel or label of the week view; reports mouse releases when someone listens.
class ElementLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(Qt::MouseButton button, bool inside)> OnRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (OnRelease)
            event->accept();
        else
            QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!OnRelease) return QLabel::mouseReleaseEvent(event);
        event->accept();
        OnRelease(event->button(), rect().contains(event->position().toPoint()));
    }
    // Keyboard: a cell with the focus shows a dotted frame inside its border.
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLabel::focusOutEvent(event);
        update();
    }
};

QIcon TodayIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(2, 3, 12, 3, QColor(200, 0, 0));
    painter.fillRect(4, 8, 3, 3, QColor(0, 0, 255));
    return QIcon(pixmap);
}

}  // namespace

QFont TForm1::StandardFont() {
    // The layout's fixed label widths suit a narrow face; the first family installed is taken.
    QFont font;
    font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans", "Arimo", "Arial", "Nimbus Sans",
                      "DejaVu Sans", "Sans Serif"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

TForm1::TForm1(Messages& messages, TimetableDialogs& timetableDialogs, NoteDialogs& noteDialogs,
               HolidayDialogs& holidayDialogs, Platform& platform, const std::string& dataFolder,
               std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent),
      ctx_(messages, timetableDialogs, noteDialogs, holidayDialogs, platform),
      arguments_(std::move(arguments)) {
    setObjectName("TForm1");
    setFont(StandardFont());
    ConstructMainWindow(ctx_, dataFolder);
    // Another writer's change is taken up when no command of this window is under way.
    watcher_ = std::make_unique<FolderWatcher>([this] {
        if (running_ > 0) {
            watcher_->Later();
        } else {
            Run([this] { FilesChangedOutside(ctx_); });
        }
    });

    central_ = new QWidget(this);
    central_->setObjectName("client");
    setCentralWidget(central_);
    BuildMenus();
    BuildElements();

    move(ctx_.view.WindowLeft, ctx_.view.WindowTop);
    resize(ctx_.view.WindowWidth, ctx_.view.WindowHeight);
    Redraw();
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

bool TForm1::Run(const std::function<void()>& command) {
    const auto guarded = [this](const std::function<void()>& step) {
        try {
            step();
            return true;
        } catch (const SkemoraError& error) {
            ctx_.messages.ShowError(ErrorText(error, ctx_.state.LanguageCode));
        } catch (const std::exception& error) {
            ctx_.messages.ShowError(error.what());
        }
        return false;
    };
    ++running_;
    const bool finished = guarded(command);
    --running_;
    // A write that merged another writer's change: the window shows the files again.
    guarded([this] { TakeInOtherWriters(ctx_); });
    Redraw();
    guarded([this] { TellConflictCopies(ctx_); });
    return finished;
}

QAction* TForm1::AddMenuItem(QMenu* menu, const MenuItem& model, const QString& name) {
    QAction* action = menu->addAction(Text(model.Caption));
    action->setObjectName(name);
    menuItems_.push_back({action, &model, model, true});
    return action;
}

QMenu* TForm1::AddSubmenu(QMenu* parent, const MenuItem& model, const QString& name) {
    QMenu* menu =
        parent ? parent->addMenu(Text(model.Caption)) : menuBar()->addMenu(Text(model.Caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + "Action");
    menuItems_.push_back({menu->menuAction(), &model, model, true});
    return menu;
}

void TForm1::BuildMenus() {
    MenuView& m = ctx_.view.Menus;
    auto on = [this](QAction* action, void (*command)(AppContext&)) {
        connect(action, &QAction::triggered, this,
                [this, command] { Run([&] { command(ctx_); }); });
    };

    SetHelpTopic(this, kTopicMainWindow);
    QMenu* file = AddSubmenu(nullptr, m.File, "menuFile");
    SetHelpTopic(file, kTopicFileMenu);
    on(AddMenuItem(file, m.NewTimetable, "actionNewTimetable"), &NewTimetable);
    file->addSeparator();
    on(AddMenuItem(file, m.Open, "actionOpen"), &OpenCommand);
    file->addSeparator();
    on(AddMenuItem(file, m.Save, "actionSave"), &Save);
    on(AddMenuItem(file, m.SaveAs, "actionSaveAs"), &SaveAs);
    file->addSeparator();
    QMenu* convert = AddSubmenu(file, m.Convert, "menuConvert");
    on(AddMenuItem(convert, m.ConvertTimetable, "actionConvertTimetable"), &ConverttoClick);
    on(AddMenuItem(convert, m.ConvertCalendar, "actionConvertCalendar"), &Calendar1Click);
    on(AddMenuItem(file, m.ExportCalendar, "actionExportCalendar"), &ExportCalendarClick);
    // Keyboard: Quit closes the window as its close button does, asking about unsaved changes.
    file->addSeparator();
    QAction* quit = AddMenuItem(file, m.Quit, "actionQuit");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = AddSubmenu(nullptr, m.Edit, "menuEdit");
    SetHelpTopic(edit, kTopicEditMenu);
    on(AddMenuItem(edit, m.EditTime, "actionEditTime"), &EditStartTime);
    on(AddMenuItem(edit, m.EditLesson, "actionEditLesson"), &ChangeLesson);
    on(AddMenuItem(edit, m.EditDelete, "actionEditDelete"), &DeleteLesson);
    on(AddMenuItem(edit, m.EditAdd, "actionEditAdd"), &AddLesson);
    on(AddMenuItem(edit, m.EditInsert, "actionEditInsert"), &InsertLesson);

    QMenu* timetable = AddSubmenu(nullptr, m.Timetable, "menuTimetable");
    SetHelpTopic(timetable, kTopicTimetableMenu);
    QMenu* holidays = AddSubmenu(timetable, m.Holidays, "menuHolidays");
    on(AddMenuItem(holidays, m.HolidaysNew, "actionHolidaysNew"), &nyhelligdagClick);
    on(AddMenuItem(holidays, m.HolidaysDelete, "actionHolidaysDelete"), &slethelligdagClick);
    on(AddMenuItem(timetable, m.School, "actionSchool"), &EditSchool);
    on(AddMenuItem(timetable, m.Class, "actionClass"), &EditClass);
    on(AddMenuItem(timetable, m.LessonTimes, "actionLessonTimes"), &EditLessonTimes);

    QMenu* options = AddSubmenu(nullptr, m.Options, "menuOptions");
    SetHelpTopic(options, kTopicOptionsMenu);
    QAction* mondayFirst = AddMenuItem(options, m.MondayFirst, "actionMondayFirst");
    mondayFirst->setCheckable(true);
    on(mondayFirst, &MondayFirstClick);
    QAction* startTray = AddMenuItem(options, m.StartTray, "actionStartTray");
    startTray->setCheckable(true);
    on(startTray, &StartTrayClick);
    on(AddMenuItem(options, m.RemoveLesson, "actionRemoveLesson"), &RemoveLessonFromList);

    QMenu* help = AddSubmenu(nullptr, m.Help, "menuHelp");
    SetHelpTopic(help, kTopicHelpMenu);
    QAction* helpItem = AddMenuItem(help, m.HelpItem, "actionHelp");
    helpItem->setShortcut(QKeySequence(Qt::Key_F1));
    helpItem->setShortcutContext(Qt::WindowShortcut);
    // F1 reaches here from the main window and the Help menu: the topic is where the user is.
    connect(helpItem, &QAction::triggered, this, [this] {
        QWidget* at = QApplication::activePopupWidget();
        ShowHelpAt(HelpTopicAt(at ? at : QApplication::focusWidget(), kTopicMainWindow));
    });
    help->addSeparator();
    connect(AddMenuItem(help, m.About, "actionAbout"), &QAction::triggered, this,
            &TForm1::ShowAbout);

    lessonMenu_ = new QMenu(this);
    lessonMenu_->setObjectName("lessonMenu");
    SetHelpTopic(lessonMenu_, kTopicEditMenu);
    on(AddMenuItem(lessonMenu_, m.PopupTime, "actionPopupTime"), &EditStartTime);
    on(AddMenuItem(lessonMenu_, m.PopupChange, "actionPopupChange"), &ChangeLesson);
    on(AddMenuItem(lessonMenu_, m.PopupDelete, "actionPopupDelete"), &DeleteLesson);
    on(AddMenuItem(lessonMenu_, m.PopupAdd, "actionPopupAdd"), &AddLesson);
    on(AddMenuItem(lessonMenu_, m.PopupInsert, "actionPopupInsert"), &InsertLesson);
}

QWidget* TForm1::AddElement(QWidget* parent, const Element& model, Kind kind, const QString& name) {
    QWidget* widget = nullptr;
    switch (kind) {
        case Kind::Panel:
        case Kind::Label: {
            auto* label = new ElementLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(kind == Kind::Panel ? Qt::AlignCenter
                                                    : Qt::AlignLeft | Qt::AlignTop);
            label->setLineWidth(1);
            widget = label;
            break;
        }
        case Kind::ToolButton: {
            auto* button = new QToolButton(parent);
            button->setFocusPolicy(Qt::NoFocus);
            widget = button;
            break;
        }
        case Kind::LessonButton:
            widget = new QPushButton(parent);
            break;
        case Kind::NotesBox: {
            auto* notes = new QPlainTextEdit(parent);
            // Tab and Shift+Tab leave the box, so the keyboard alone can get out of it.
            notes->setTabChangesFocus(true);
            widget = notes;
            break;
        }
    }
    widget->setObjectName(name);
    elements_.push_back({widget, &model, kind, model, {}, true});
    return widget;
}

void TForm1::BuildElements() {
    ViewModel& v = ctx_.view;
    auto button = [this](const Element& model, const QString& name, void (*command)(AppContext&)) {
        auto* widget =
            static_cast<QToolButton*>(AddElement(central_, model, Kind::ToolButton, name));
        if (command)
            connect(widget, &QToolButton::clicked, this,
                    [this, command] { Run([&] { command(ctx_); }); });
        return widget;
    };
    auto clickable = [](QWidget* widget, std::function<void()> click) {
        static_cast<ElementLabel*>(widget)->OnRelease = [click](Qt::MouseButton button,
                                                                bool inside) {
            if (button == Qt::LeftButton && inside) click();
        };
    };

    // The designed frame: tool buttons and the class field.
    button(v.NewButton, "newButton", &NewTimetable)
        ->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    button(v.OpenButton, "openButton", &OpenCommand)
        ->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    button(v.SaveButton, "saveButton", &Save)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    button(v.TodayButton, "todayButton", &GoToToday)->setIcon(TodayIcon());
    classField_ = AddElement(central_, v.ClassField, Kind::Panel, "classField");
    classField_->setFocusPolicy(Qt::ClickFocus);
    clickable(classField_, [this] { Run([this] { ClassFieldClick(ctx_); }); });

    // The day columns.
    for (int c = 0; c < kDays; ++c) {
        DayColumnView& day = v.Days[c];
        const QString n = QString::number(c);
        QWidget* header = AddElement(central_, day.Header, Kind::Panel, "header_" + n);
        AddElement(header, day.DayName, Kind::Label, "dayName_" + n);
        AddElement(header, day.DayNumber, Kind::Label, "dayNumber_" + n);
        AddElement(header, day.Month, Kind::Label, "month_" + n);
        AddElement(header, day.Year, Kind::Label, "year_" + n);
        AddElement(header, day.Holiday, Kind::Label, "holiday_" + n);
        QWidget* body = AddElement(central_, day.Body, Kind::Panel, "body_" + n);
        for (int r = 0; r < kLessons; ++r) {
            auto* cell = static_cast<ElementLabel*>(AddElement(
                body, day.Cells[r], Kind::Panel, QStringLiteral("cell_%1_%2").arg(c).arg(r)));
            MarkAsLessonCell(cell);
            cell->OnRelease = [this, c, r](Qt::MouseButton pressed, bool) {
                CellReleased(c, r, pressed);
            };
            cell->setFocusPolicy(Qt::ClickFocus);
            cells_[c][r] = cell;
        }
    }

    // The week panel.
    QWidget* weekPanel = AddElement(central_, v.WeekPanel, Kind::Panel, "weekPanel");
    AddElement(weekPanel, v.YearStrip, Kind::Panel, "yearStrip");
    for (int k = 0; k < 53; ++k) {
        QWidget* label =
            AddElement(weekPanel, v.WeekLabels[k], Kind::Label, "weekLabel_" + QString::number(k));
        clickable(label, [this, k] { Run([this, k] { WeekLabelClick(ctx_, k); }); });
    }

    // The month panel.
    QWidget* monthPanel = AddElement(central_, v.MonthPanel, Kind::Panel, "monthPanel");
    AddElement(monthPanel, v.WeekdayStrip, Kind::Panel, "weekdayStrip");
    for (int d = 0; d < 31; ++d) {
        QWidget* label =
            AddElement(monthPanel, v.DayLabels[d], Kind::Label, "dayLabel_" + QString::number(d));
        clickable(label, [this, d] { Run([this, d] { DayLabelClick(ctx_, d); }); });
    }
    AddElement(monthPanel, v.MonthName, Kind::Label, "monthName");

    // The year and month buttons.
    button(v.PrevYearButton, "prevYearButton", &PreviousYear)->setArrowType(Qt::LeftArrow);
    button(v.NextYearButton, "nextYearButton", &NextYear)->setArrowType(Qt::RightArrow);
    button(v.PrevMonthButton, "prevMonthButton", &PreviousMonth)->setArrowType(Qt::LeftArrow);
    button(v.NextMonthButton, "nextMonthButton", &NextMonth)->setArrowType(Qt::RightArrow);

    // The notes area.
    QWidget* notesPanel = AddElement(central_, v.NotesPanel, Kind::Panel, "notesPanel");
    AddElement(notesPanel, v.TitleStrip, Kind::Panel, "titleStrip");
    notesBox_ = static_cast<QPlainTextEdit*>(
        AddElement(notesPanel, v.NotesBox, Kind::NotesBox, "notesBox"));
    connect(notesBox_, &QPlainTextEdit::textChanged, this, &TForm1::NotesChangedByUser);
    SetHelpTopic(notesBox_, kTopicWeekNotes);
    QWidget* column = AddElement(notesPanel, v.ButtonColumn, Kind::Panel, "buttonColumn");
    const char* buttonNames[] = {"homeworkButton", "linksButton", "teacherButton",
                                 "studentsButton"};
    void (*const buttonCommands[])(AppContext&) = {&HomeworkCommand, &LinksCommand, &TeacherCommand,
                                                   &StudentsCommand};
    for (int k = 0; k < 4; ++k) {
        auto* widget = static_cast<QPushButton*>(
            AddElement(column, v.LessonButtons[k], Kind::LessonButton, buttonNames[k]));
        const auto command = buttonCommands[k];
        connect(widget, &QPushButton::clicked, this,
                [this, command] { Run([&] { command(ctx_); }); });
    }
    for (int k = 0; k < 5; ++k)
        AddElement(notesPanel, v.DetailLabels[k], Kind::Label, "detailLabel_" + QString::number(k));
    BuildWelcome();
}

void TForm1::BuildWelcome() {
    welcome_ = new QFrame(central_);
    welcome_->setObjectName("welcome");
    welcome_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    welcome_->setAutoFillBackground(true);
    welcomeText_ = new QLabel(welcome_);
    welcomeText_->setObjectName("welcomeText");
    welcomeText_->setWordWrap(true);
    welcomeText_->setAlignment(Qt::AlignCenter);
    welcomeNew_ = new QPushButton(welcome_);
    welcomeNew_->setObjectName("welcomeNew");
    connect(welcomeNew_, &QPushButton::clicked, this, [this] { Run([this] { NewTimetable(ctx_); }); });
    welcomeOpen_ = new QPushButton(welcome_);
    welcomeOpen_->setObjectName("welcomeOpen");
    connect(welcomeOpen_, &QPushButton::clicked, this, [this] { Run([this] { OpenCommand(ctx_); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(welcomeNew_);
    buttons->addWidget(welcomeOpen_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(welcome_);
    layout->addWidget(welcomeText_);
    layout->addLayout(buttons);
    welcome_->hide();
}

void TForm1::DrawWelcome() {
    const bool shown = ctx_.view.Welcome.Visible && firstShowDone_;
    if (!shown) {
        welcome_->hide();
        return;
    }
    welcomeText_->setText(Text(ctx_.texts.WelcomeText));
    welcomeNew_->setText(Text(ctx_.texts.WelcomeNew));
    welcomeOpen_->setText(Text(ctx_.texts.WelcomeOpen));
    // In the middle of the empty lesson columns.
    const Element& first = ctx_.view.Days[0].Body;
    const Element& last = ctx_.view.Days[kDays - 1].Body;
    const int width = std::min(360, last.Left + last.Width - first.Left - 16);
    const int height = welcome_->sizeHint().height();
    welcome_->setGeometry(first.Left + (last.Left + last.Width - first.Left - width) / 2,
                          first.Top + std::max(0, (first.Height - height) / 3), width, height);
    welcome_->show();
    welcome_->raise();
}

void TForm1::ShowHelpAt(int topic) {
    // A command may be under way (a dialog is open): help changes nothing it works on.
    try {
        ShowHelpTopic(ctx_, topic);
    } catch (const SkemoraError& error) {
        ctx_.messages.ShowError(ErrorText(error, ctx_.state.LanguageCode));
    }
}

void TForm1::ShowAbout() {
    AboutDialog about(ctx_.texts, ctx_.state.DataFolder,
                      [this] { Run([this] { OpenDataFolder(ctx_); }); }, this);
    about.exec();
}

std::string TForm1::ShownCaption(const Binding& binding) const {
    if (binding.Type != Kind::LessonButton) return binding.Model->Caption;
    for (int k = 0; k < 4; ++k) {
        if (binding.Model == &ctx_.view.LessonButtons[k]) return LessonButtonCaption(ctx_.view, k);
    }
    return binding.Model->Caption;
}

void TForm1::DrawElement(Binding& b) {
    const Element& m = *b.Model;
    const Element& d = b.Drawn;
    const bool fresh = b.Fresh;
    QWidget* w = b.Widget;
    auto* frame = qobject_cast<QLabel*>(w);
    const bool autoSize = b.Type == Kind::Label && (m.Width <= 0 || m.Height <= 0);

    if (fresh || m.Left != d.Left || m.Top != d.Top || m.Width != d.Width || m.Height != d.Height) {
        if (autoSize)
            w->move(m.Left, m.Top);
        else
            w->setGeometry(m.Left, m.Top, std::max(0, m.Width), std::max(0, m.Height));
    }

    const bool fontChanged = fresh || m.Bold != d.Bold || m.FontSize != d.FontSize;
    if (fontChanged) {
        QFont font = StandardFont();
        font.setPointSize(m.FontSize > 0 ? m.FontSize : 8);
        font.setBold(m.Bold);
        w->setFont(font);
    }

    const std::string caption = ShownCaption(b);
    const bool textChanged = fresh || caption != b.DrawnText;
    if (textChanged) {
        if (frame)
            frame->setText(Text(caption));
        else if (auto* push = qobject_cast<QPushButton*>(w))
            push->setText(Text(caption));
        else if (auto* tool = qobject_cast<QToolButton*>(w); tool && !caption.empty())
            tool->setText(Text(caption));
    }

    if (b.Type != Kind::ToolButton && b.Type != Kind::LessonButton &&
        (fresh || m.Background != d.Background || m.TextColor != d.TextColor ||
         m.Transparent != d.Transparent)) {
        const bool notes = b.Type == Kind::NotesBox;
        const QPalette::ColorRole background = notes ? QPalette::Base : QPalette::Window;
        const QPalette::ColorRole foreground = notes ? QPalette::Text : QPalette::WindowText;
        QPalette palette = w->palette();
        palette.setColor(background, ToQColor(m.Background));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, foreground, ToQColor(m.TextColor));
        w->setPalette(palette);
        w->setAutoFillBackground(!notes && !m.Transparent);
    }

    if (frame && (fresh || m.Border != d.Border)) {
        switch (m.Border) {
            case Frame::None:
                frame->setFrameStyle(QFrame::NoFrame);
                break;
            case Frame::Raised:
                frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
                break;
            case Frame::Lowered:
            case Frame::LoweredInner:
                frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                break;
        }
    }

    if (autoSize && (textChanged || fontChanged)) w->adjustSize();

    if (fresh || m.Hint != d.Hint || m.ShowHint != d.ShowHint) {
        const bool interactive = b.Type == Kind::ToolButton || b.Type == Kind::LessonButton ||
                                 b.Type == Kind::NotesBox || w == classField_;
        w->setToolTip(m.ShowHint || interactive ? Text(m.Hint) : QString());
    }
    if (fresh || m.ReaderName != d.ReaderName) w->setAccessibleName(Text(m.ReaderName));
    if (fresh || m.ReaderDescription != d.ReaderDescription)
        w->setAccessibleDescription(Text(m.ReaderDescription));
    if (fresh || m.Enabled != d.Enabled) w->setEnabled(m.Enabled);
    if (fresh || m.Visible != d.Visible) w->setVisible(m.Visible);

    b.Drawn = m;
    b.DrawnText = caption;
    b.Fresh = false;
}

void TForm1::DrawMenuItem(MenuBinding& b) {
    const MenuItem& m = *b.Model;
    const MenuItem& d = b.Drawn;
    if (b.Fresh || m.Caption != d.Caption) b.Action->setText(Text(m.Caption));
    if (b.Fresh || m.Enabled != d.Enabled) b.Action->setEnabled(m.Enabled);
    if (b.Action->isCheckable() && b.Action->isChecked() != m.Checked)
        b.Action->setChecked(m.Checked);
    if (b.Fresh || m.Visible != d.Visible) b.Action->setVisible(m.Visible);
    b.Drawn = m;
    b.Fresh = false;
}

void TForm1::DrawNotesText() {
    const QString wanted = Text(ctx_.view.NotesText);
    if (notesBox_->toPlainText() == wanted) return;
    // Filling the box is not an edit: no change signal, and the cursor stays where it was.
    const QSignalBlocker blocker(notesBox_);
    const QString shown = notesBox_->toPlainText();
    const QTextCursor before = notesBox_->textCursor();
    // Text another writer changed moves the cursor along with the text after it. The common end
    // is matched first: a merge puts this window's newest typing last.
    const int shownSize = static_cast<int>(shown.size());
    const int end = static_cast<int>(wanted.size());
    const int shorter = std::min(shownSize, end);
    int suffix = 0;
    while (suffix < shorter && shown[shownSize - 1 - suffix] == wanted[end - 1 - suffix]) ++suffix;
    int prefix = 0;
    while (prefix < shorter - suffix && shown[prefix] == wanted[prefix]) ++prefix;
    const auto kept = [&](int place) {
        if (place <= prefix) return place;
        if (place >= shownSize - suffix) return place + end - shownSize;
        return end - suffix;  // inside what changed: after the new text
    };
    const int anchor = kept(before.anchor());
    const int position = kept(before.position());
    notesBox_->setPlainText(wanted);
    QTextCursor after = notesBox_->textCursor();
    after.setPosition(anchor);
    after.setPosition(position, QTextCursor::KeepAnchor);
    notesBox_->setTextCursor(after);
}

void TForm1::Redraw() {
    if (windowTitle() != Text(ctx_.view.Title)) setWindowTitle(Text(ctx_.view.Title));
    for (MenuBinding& item : menuItems_) DrawMenuItem(item);
    NameForReaders(ctx_.state, ctx_.texts, ctx_.view);
    for (Binding& element : elements_) DrawElement(element);
    DrawNotesText();
    AnnounceSelectedCell();
    FollowSelectionWithFocus(false);
    DrawWelcome();
    watcher_->Watch(WatchedPaths(ctx_));
}

void TForm1::AnnounceSelectedCell() {
    const auto& selected = ctx_.state.SelCell;
    QWidget* cell = nullptr;
    if (selected) {
        const Element* model = &ctx_.view.Days[selected->Column].Cells[selected->Row];
        for (const Binding& b : elements_) {
            if (b.Model == model) cell = b.Widget;
        }
    }
    const QString name = cell ? cell->accessibleName() : QString();
    if (cell == announcedCell_ && name == announcedName_) return;
    TellSelectedCell(announcedCell_, cell);
    announcedCell_ = cell;
    announcedName_ = name;
}

QWidget* TForm1::SelectedCellWidget() const {
    const CellRef cell = ctx_.state.SelCell.value_or(CellRef{0, 0});
    if (cell.Column < 0 || cell.Column >= kDays || cell.Row < 0 || cell.Row >= kLessons)
        return cells_[0][0];
    return cells_[static_cast<std::size_t>(cell.Column)][static_cast<std::size_t>(cell.Row)];
}

void TForm1::FollowSelectionWithFocus(bool focusOnCell) {
    // Tab reaches the grid at the selected cell; the others take the focus by a click.
    QWidget* selected = SelectedCellWidget();
    if (!selected) return;
    for (auto& column : cells_) {
        for (QWidget* cell : column) {
            const Qt::FocusPolicy policy = cell == selected ? Qt::StrongFocus : Qt::ClickFocus;
            if (cell->focusPolicy() != policy) cell->setFocusPolicy(policy);
        }
    }
    if (focusOnCell && selected->isVisible()) selected->setFocus(Qt::OtherFocusReason);
}

void TForm1::PopUpLessonMenuAtSelection() {
    if (!ctx_.state.SelCell) Run([this] { SelectCell(ctx_, CellRef{0, 0}); });
    QWidget* cell = SelectedCellWidget();
    FollowSelectionWithFocus(true);
    lessonMenu_->popup(cell->mapToGlobal(QPoint(0, cell->height())));
}

bool TForm1::HandleGridKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || QApplication::focusWidget() == notesBox_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Menu ||
        (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        PopUpLessonMenuAtSelection();
        return true;
    }
    const bool onCell = std::any_of(cells_.begin(), cells_.end(), [widget](const auto& column) {
        return std::find(column.begin(), column.end(), widget) != column.end();
    });
    if (modifiers != Qt::NoModifier ||
        !(onCell || widget == classField_ || widget == central_ || widget == this))
        return false;
    int columnStep = 0;
    int rowStep = 0;
    switch (key->key()) {
        case Qt::Key_Left:
            columnStep = -1;
            break;
        case Qt::Key_Right:
            columnStep = 1;
            break;
        case Qt::Key_Up:
            rowStep = -1;
            break;
        case Qt::Key_Down:
            rowStep = 1;
            break;
        default:
            return false;
    }
    Run([&] { MoveSelectedCell(ctx_, columnStep, rowStep); });
    FollowSelectionWithFocus(true);
    return true;
}

void TForm1::NotesChangedByUser() {
    Run([this] {
        ctx_.view.NotesText = notesBox_->toPlainText().toStdString();
        NotesEdited(ctx_);
    });
}

void TForm1::CellReleased(int column, int row, Qt::MouseButton button) {
    Run([&] { SelectCell(ctx_, CellRef{column, row}); });
    if (button == Qt::RightButton) lessonMenu_->popup(QCursor::pos());
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShowDone_) return;
    firstShowDone_ = true;
    Run([this] { FirstShow(ctx_, arguments_); });
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Run([this] { WindowActivated(ctx_); });
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Run([this] { WindowResized(ctx_, width(), height()); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Run([&] { mayClose = CloseQuery(ctx_); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (HandleHelpKey(watched, event)) return true;
    if (HandleShortcutKey(watched, event)) return true;
    if (HandleGridKey(watched, event)) return true;
    if (IsStrayAltKeyInNotes(watched, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::IsStrayAltKeyInNotes(QObject* watched, QEvent* event) const {
    // Menu mnemonics and other shortcuts are taken before the key press is delivered, and the
    // navigation keys above; what arrives here is a key no command wanted.
    if (watched != notesBox_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    // Ctrl+Alt is AltGr on some keyboards, which types characters such as "@".
    if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier)) return false;
    switch (key->key()) {
        // Alt alone (and Alt with another modifier) still reaches the menu bar.
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return false;
        default:
            return true;
    }
}

bool TForm1::HandleHelpKey(QObject* watched, QEvent* event) {
    // The main window's own F1 is its Help item's shortcut; this is F1 in a dialog or a menu.
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    ShowHelpAt(HelpTopicAt(widget, kTopicMainWindow));
    return true;
}

bool TForm1::HandleShortcutKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    char letter = 0;
    switch (key->key()) {
        case Qt::Key_D:
            letter = 'D';
            break;
        case Qt::Key_I:
            letter = 'I';
            break;
        case Qt::Key_L:
            letter = 'L';
            break;
        case Qt::Key_M:
            letter = 'M';
            break;
        case Qt::Key_W:
            letter = 'W';
            break;
        case Qt::Key_Y:
            letter = 'Y';
            break;
        default:
            return false;
    }
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const bool alt = key->modifiers() & Qt::AltModifier;
    if (!ctrl && !alt) return false;
    // Accepting the override keeps menus and mnemonics from taking the key; the command runs on
    // the key press itself.
    key->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    classField_->setFocus(Qt::ShortcutFocusReason);
    Run([&] { HandleKey(ctx_, letter, ctrl, alt); });
    return true;
}

}  // namespace skemora
