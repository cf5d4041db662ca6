// The command line: --help, --version and the time-table's name. Its texts come from the text
// tables, so the usage is in the interface's language.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/language/texts.h"

namespace skemora {

struct CommandLine {
    enum class Action { Run, Help, Version, Refused };
    Action What = Action::Run;
    // The words that name the time-table to open (joined with blanks when it is opened).
    std::vector<std::string> Name;
    // What Help and Version print on standard output, and Refused on standard error.
    QString Output;
};

// `arguments` is the whole command line, the program first. Needs no application object, so
// --help and --version work without a display.
CommandLine ParseCommandLine(const QStringList& arguments, const MessageTexts& texts);

}  // namespace skemora
