#include "gui/platform/qt_platform.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

#include "core/files/installed_copy.h"

namespace skemora {

namespace {

constexpr char kSettingsGroup[] = "software/Skemora";

QString WithSlash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Characters that make a desktop-entry argument need quotes.
bool NeedsQuotes(const QString& command) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (QChar c : command)
        if (reserved.contains(c)) return true;
    return command.isEmpty();
}

}  // namespace

QtPlatform::QtPlatform(QString configFolder) : configFolder_(std::move(configFolder)) {
    if (configFolder_.isEmpty())
        configFolder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    configFolder_ = WithSlash(configFolder_);
}

QString QtPlatform::SettingsFilePath() const {
    return configFolder_ + "Skemora/Skemora.conf";
}

QString QtPlatform::AutostartFilePath() const {
    return configFolder_ + "autostart/Skemora.desktop";
}

Date QtPlatform::Today() {
    const QDate today = QDate::currentDate();
    return Date{today.year(), today.month(), today.day()};
}

int QtPlatform::ScreenHeight() {
    bool ok = false;
    const int forced = qEnvironmentVariableIntValue("SKEMORA_SCREEN_HEIGHT", &ok);
    if (ok && forced > 0) return forced;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().height();
    return 768;
}

NameTables LocaleNameTables(const QLocale& locale) {
    NameTables names;
    for (int m = 0; m < 12; ++m) {
        names.ShortMonthNames[m] = locale.monthName(m + 1, QLocale::ShortFormat).toStdString();
        names.LongMonthNames[m] = locale.monthName(m + 1, QLocale::LongFormat).toStdString();
    }
    // Qt counts Monday = 1 .. Sunday = 7; the tables start with Sunday.
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        names.ShortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
        names.LongDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    return names;
}

NameTables QtPlatform::LocaleNames() {
    return LocaleNameTables(QLocale::system());
}

QUrl UrlFor(const std::string& target, const std::string& folder) {
    const QString text = Utf8(target);
    if (text.startsWith('/')) return QUrl::fromLocalFile(text);
    const QUrl url(text, QUrl::StrictMode);
    // A one-letter scheme would be a drive letter, not a scheme.
    if (url.isValid() && url.scheme().size() > 1) return url;
    // Never the working folder the program happened to be started in.
    const QFileInfo inFolder(QDir(Utf8(folder)), text);
    if (!folder.empty() && inFolder.exists())
        return QUrl::fromLocalFile(inFolder.absoluteFilePath());
    return QUrl::fromUserInput(text);
}

bool QtPlatform::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(UrlFor(url, dataFolder_));
}

void QtPlatform::ProcessEvents() {
    QCoreApplication::processEvents();
}

std::optional<std::string> QtPlatform::ReadSetting(const std::string& name) {
    if (!QFileInfo(SettingsFilePath()).isFile()) return std::nullopt;
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return std::nullopt;
    settings.beginGroup(kSettingsGroup);
    const QVariant value = settings.value(Utf8(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

bool QtPlatform::WriteSetting(const std::string& name, const std::string& value) {
    if (!QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath())) return false;
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    settings.beginGroup(kSettingsGroup);
    settings.setValue(Utf8(name), Utf8(value));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QuoteExecCommand(const QString& command) {
    QString value;
    if (NeedsQuotes(command)) {
        value += '"';
        for (QChar c : command) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') value += '\\';
            value += c;
        }
        value += '"';
    } else {
        value = command;
    }
    // Field codes and the string-level escape of the file format.
    value.replace('%', QStringLiteral("%%"));
    value.replace('\\', QStringLiteral("\\\\"));
    return value;
}

QString UnquoteExecCommand(const QString& value) {
    QString text = value;
    text.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    text.replace(QStringLiteral("%%"), QStringLiteral("%"));
    if (text.size() < 2 || !text.startsWith('"') || !text.endsWith('"')) return text;
    QString command;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size()) ++i;
        command += text[i];
    }
    return command;
}

std::optional<std::string> QtPlatform::ReadAutostart() {
    QFile file(AutostartFilePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) inEntry = line == QStringLiteral("[Desktop Entry]");
        if (inEntry && line.startsWith(QStringLiteral("Exec=")))
            return UnquoteExecCommand(line.mid(5)).toStdString();
    }
    return std::nullopt;
}

bool QtPlatform::WriteAutostart(const std::string& command) {
    const QString path = AutostartFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    const QString entry = QStringLiteral(
                              "[Desktop Entry]\nType=Application\nName=Skemora\nExec=%1\n"
                              "X-GNOME-Autostart-enabled=true\n")
                              .arg(QuoteExecCommand(Utf8(command)));
    file.write(entry.toUtf8());
    return file.commit();
}

bool QtPlatform::RemoveAutostart() {
    const QString path = AutostartFilePath();
    if (!QFileInfo(path).absoluteDir().exists()) return false;
    return QFile::remove(path);
}

std::optional<std::string> QtPlatform::UserGuidePage(const std::string& language) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString page = QStringLiteral("help/%1/index.html").arg(Utf8(language));
    for (const QString& folder : {program + "/", program + "/../share/skemora/"}) {
        const QFileInfo file(folder + page);
        if (file.isFile()) return file.canonicalFilePath().toStdString();
    }
    return std::nullopt;
}

void QtPlatform::ShowHelpWindow(const std::string& page, const std::string& anchor) {
    helpWindow_.Show(Utf8(page), Utf8(anchor));
}

std::string QtPlatform::ProgramFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string DataFolderPath() {
    const QString forced = qEnvironmentVariable("SKEMORA_DATA_DIR");
    if (!forced.isEmpty()) {
        QDir().mkpath(forced);
        return WithSlash(QDir(forced).absolutePath()).toStdString();
    }
    const QString own = QCoreApplication::applicationDirPath();
    if (!own.isEmpty() && QFileInfo(own).isWritable() && !IsInstalledCopy(own.toStdString()))
        return WithSlash(own).toStdString();
    const QString shared =
        WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
        "Skemora/";
    QDir().mkpath(shared);
    return shared.toStdString();
}

// Calendar export
std::string QtPlatform::DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace skemora
