// Program entry: the application object, the windows in their fixed order, the event loop.
#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <exception>
#include <string>
#include <vector>

#include "gui/dialogs/accepting_dialog.h"
#include "gui/dialogs/class_name_dialog.h"
#include "gui/window/main_window.h"
#include "gui/dialogs/qt_dialogs.h"
#include "gui/dialogs/question_dialog.h"
#include "core/files/installed_copy.h"
#include "gui/platform/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Skemora");
    QGuiApplication::setDesktopFileName(skemora::kDesktopEntryId);
    QApplication::setWindowIcon(QIcon::fromTheme(skemora::kDesktopEntryId));
    QApplication::setFont(skemora::TForm1::StandardFont());

    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());

    skemora::QtPlatform platform;
    skemora::QtDialogs dialogs;
    try {
        const std::string dataFolder = skemora::DataFolderPath();
        platform.SetDataFolder(dataFolder);
        skemora::TForm1 form1(dialogs, platform, dataFolder, arguments);
        // The settings store (TForm3) has nothing to show; it lives in the main window's context.
        skemora::TForm4 form4(&form1);
        skemora::AcceptingDialog<skemora::TForm12> form12(&form1);
        dialogs.Attach(&form1, &form4, &form12, &form1.context().dialogTexts, &platform);
        form1.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        skemora::ShowMessageBox(nullptr, QMessageBox::Critical,
                                QString::fromStdString(error.what()));
        return 1;
    }
}
