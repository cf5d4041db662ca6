// Keeps single-line fields on one line and the characters a file name cannot hold out of the
// name fields, however the text arrives (typed, pasted, dropped).
#pragma once

#include <QString>
#include <functional>

class QLineEdit;

namespace skemora {

// After every edit by the user, turns each CR and LF in `field` into a blank.
void KeepOneLine(QLineEdit* field);
// KeepOneLine, and after every edit by the user removes the refused characters (and leading
// dots) that the edit put in, calling `refused` once per character removed, in order. The text
// set by the program, such as the one the field opens with, is left as it is.
void RefuseCharacters(QLineEdit* field, std::function<void(const QString&)> refused);

}  // namespace skemora
