#include "gui/tray/tray_icon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>

#include "app/glance/glance_text.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"
#include "gui/platform/qt_platform.h"

namespace skemora {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Milliseconds to the start of the next minute, when the lesson under way may change.
int ToNextMinute() {
    const QTime now = QTime::currentTime();
    return (60 - now.second()) * 1000 - now.msec() + 50;
}

// A menu caption shows "&" as it is.
QString Caption(const std::string& text) {
    return Utf8(text).replace('&', QStringLiteral("&&"));
}

}  // namespace

TrayIcon::TrayIcon(QtPlatform& platform, std::string dataFolder, std::string name)
    : platform_(platform), dataFolder_(std::move(dataFolder)), name_(std::move(name)) {
    QIcon icon = QIcon::fromTheme(QStringLiteral("io.github.skemora.Skemora"));
    if (icon.isNull()) icon = QIcon(QStringLiteral(":/trayrun/icon.png"));
    icon_.setIcon(icon);
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) menu_.popup(QCursor::pos());
            });
    changed_.setSingleShot(true);
    changed_.setInterval(300);
    connect(&changed_, &QTimer::timeout, this, &TrayIcon::Refresh);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { changed_.start(); });
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, &TrayIcon::Refresh);
    Refresh();
}

void TrayIcon::show() {
    icon_.show();
}

void TrayIcon::Refresh() {
    source_ = FindGlanceSource(platform_, dataFolder_, name_);
    WatchFolders();
    clock_.start(ToNextMinute());
    if (!source_.MainFile) {
        const QString text = Utf8(NoTimetableText(source_, name_));
        icon_.setToolTip(text);
        menu_.clear();
        menu_.addAction(text)->setEnabled(false);
        menu_.addSeparator();
        connect(menu_.addAction(Caption(source_.Texts.GlanceQuit)), &QAction::triggered,
                qApp, &QCoreApplication::quit);
        return;
    }
    const Glance glance = GlanceAt(source_, QDateTime::currentDateTime());
    std::string tip = "Skemora: " + UserNameOf(glance.Timetable) + "\n" +
                      GlanceSummary(glance, source_.Texts);
    // During a lesson the next one is named too.
    if (glance.Current && glance.Next)
        tip += "\n" + FillTemplate(source_.Texts.GlanceNext,
                                   {GlanceLessonText(glance.Today.Lessons[*glance.Next],
                                                     source_.Texts)});
    icon_.setToolTip(Utf8(tip));
    BuildMenu(glance);
}

// The data folder (time-tables and holidays come and go) and the user folder (every save
// replaces its files there): the folders are watched, never the files kept open.
void TrayIcon::WatchFolders() {
    QStringList folders{Utf8(dataFolder_)};
    if (source_.MainFile) folders << Utf8(UserFolderOf(dataFolder_, *source_.MainFile));
    const QStringList watched = watcher_.directories();
    for (const QString& folder : watched)
        if (!folders.contains(folder)) watcher_.removePath(folder);
    for (const QString& folder : folders)
        if (!watched.contains(folder) && QFileInfo(folder).isDir()) watcher_.addPath(folder);
}

void TrayIcon::BuildMenu(const Glance& glance) {
    const MessageTexts& texts = source_.Texts;
    menu_.clear();
    menu_.addSection(Caption(texts.GlanceToday + ", " +
                             GlanceDateText(glance.Today.Day, source_.Names)));
    bool any = false;
    for (const GlanceLesson& lesson : glance.Today.Lessons) {
        if (lesson.End <= glance.Now) continue;
        connect(menu_.addAction(Caption(GlanceLessonText(lesson, texts))), &QAction::triggered,
                this, &TrayIcon::OpenDiary);
        any = true;
    }
    if (!any) menu_.addAction(Caption(GlanceSummary(glance, texts)))->setEnabled(false);

    // The homework of today's and tomorrow's lessons, each document a click away.
    bool homeworkSection = false;
    for (const GlanceDay* day : {&glance.Today, &glance.Tomorrow}) {
        const std::string when = day == &glance.Today ? texts.GlanceToday : texts.GlanceTomorrow;
        for (const GlanceLesson& lesson : day->Lessons) {
            if (lesson.Homework.empty() && lesson.Shortcuts.empty()) continue;
            if (!homeworkSection) menu_.addSection(Caption(texts.GlanceHomework));
            homeworkSection = true;
            std::string line = when + ", " + lesson.Subject;
            if (!lesson.Homework.empty()) line += ": " + lesson.Homework.front();
            connect(menu_.addAction(Caption(line)), &QAction::triggered, this,
                    &TrayIcon::OpenDiary);
            for (const std::string& shortcut : lesson.Shortcuts)
                AddDocument(menu_, QStringLiteral("    ") + Caption(shortcut), shortcut);
        }
    }

    if (!glance.Documents.empty()) menu_.addSection(Caption(texts.GlanceDocuments));
    for (const GlanceDocument& document : glance.Documents) {
        const QString date = QDate(document.LessonDate.Year, document.LessonDate.Month,
                                   document.LessonDate.Day)
                                 .toString(Qt::ISODate);
        AddDocument(menu_,
                    date + " " + Caption(document.Subject) + ": " +
                        QFileInfo(Utf8(document.Path)).fileName().replace('&', "&&"),
                    document.Path);
    }

    menu_.addSeparator();
    connect(menu_.addAction(Caption(texts.GlanceOpenDiary)), &QAction::triggered, this,
            &TrayIcon::OpenDiary);
    connect(menu_.addAction(Caption(texts.GlanceQuit)), &QAction::triggered, qApp,
            &QCoreApplication::quit);
}

void TrayIcon::AddDocument(QMenu& menu, const QString& caption, const std::string& path) {
    QAction* action = menu.addAction(caption);
    action->setToolTip(Utf8(path));
    connect(action, &QAction::triggered, this, [this, path] { platform_.OpenUrl(path); });
}

// The diary beside this program, else the one on the path, with the time-table shown here.
void TrayIcon::OpenDiary() {
    QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/skemora");
    if (!QFileInfo(program).isExecutable()) program = QStringLiteral("skemora");
    QStringList arguments;
    if (source_.MainFile) arguments << Utf8(UserNameOf(*source_.MainFile));
    QProcess::startDetached(program, arguments);
}

}  // namespace skemora
