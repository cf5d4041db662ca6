// Program entry: the application object, the windows in their fixed order, the event loop.
#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "gui/dialogs/accepting_dialog.h"
#include "gui/timetable/class_name_dialog.h"
#include "gui/window/command_line.h"
#include "gui/window/main_window.h"
#include "app/window/startup.h"
#include "gui/window/first_paint.h"
#include "gui/dialogs/qt_messages.h"
#include "gui/dialogs/question_dialog.h"
#include "core/files/installed_copy.h"
#include "gui/holidays/qt_holiday_dialogs.h"
#include "gui/notes/qt_note_dialogs.h"
#include "gui/platform/qt_platform.h"
#include "gui/timetable/qt_timetable_dialogs.h"
#include "gui/window/today_command.h"

int main(int argc, char** argv) {
    // --today prints the day's lessons and needs no display either.
    if (const auto exitCode = skemora::RunTodayCommand(argc, argv)) return *exitCode;
    // The command line is read before the application object, which needs a display.
    QStringList given;
    for (int i = 0; i < argc; ++i) given << QString::fromLocal8Bit(argv[i]);
    const skemora::CommandLine line = skemora::ParseCommandLine(
        given, skemora::MessageTextsFor(skemora::LanguageFromEnvironment()));
    switch (line.What) {
        case skemora::CommandLine::Action::Run:
            break;
        case skemora::CommandLine::Action::Help:
        case skemora::CommandLine::Action::Version:
            std::fputs(line.Output.toLocal8Bit().constData(), stdout);
            return 0;
        case skemora::CommandLine::Action::Refused:
            std::fputs(line.Output.toLocal8Bit().constData(), stderr);
            return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Skemora");
    QGuiApplication::setDesktopFileName(skemora::kDesktopEntryId);
    QApplication::setWindowIcon(QIcon::fromTheme(skemora::kDesktopEntryId));
    QApplication::setFont(skemora::TForm1::StandardFont());

    const std::vector<std::string>& arguments = line.Name;

    skemora::QtPlatform platform;
    skemora::QtMessages messages;
    skemora::QtTimetableDialogs timetableDialogs;
    skemora::QtNoteDialogs noteDialogs(messages);
    skemora::QtHolidayDialogs holidayDialogs;
    try {
        const std::string dataFolder = skemora::DataFolderPath();
        platform.SetDataFolder(dataFolder);
        skemora::TForm1 form1(messages, timetableDialogs, noteDialogs, holidayDialogs, platform,
                              dataFolder, arguments);
        // The settings store (TForm3) has nothing to show; it lives in the main window's context.
        skemora::TForm4 form4(&form1);
        skemora::AcceptingDialog<skemora::TForm12> form12(&form1);
        const skemora::DialogTexts* texts = &form1.context().dialogTexts;
        messages.Attach(&form1, &form4, texts);
        timetableDialogs.Attach(&form1, &form12, texts);
        noteDialogs.Attach(&form1, texts, &platform);
        holidayDialogs.Attach(&form1, texts);
        skemora::QuitAfterFirstPaintWhenAsked(&form1);
        form1.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        skemora::ShowMessageBox(nullptr, QMessageBox::Critical,
                                QString::fromStdString(error.what()));
        return 1;
    }
}
