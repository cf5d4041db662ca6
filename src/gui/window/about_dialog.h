// Help / About: the program's name, version, what it is, its licence and the data folder in use,
// which opens on a click.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "core/language/texts.h"

namespace skemora {

// The program's version, as the build sets it.
QString ProgramVersion();

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `openFolder` runs when the data folder is clicked.
    AboutDialog(const MessageTexts& texts, const std::string& dataFolder,
                std::function<void()> openFolder, QWidget* parent = nullptr);
};

}  // namespace skemora
