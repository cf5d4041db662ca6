// The OK and Cancel pair of the program's own dialogs.
#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace skemora {

// A button box in `dialog` holding OK (the default, named "okButton") and Cancel (named
// "cancelButton"); the caller connects them and places the box.
QDialogButtonBox* AddOkCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel);

}  // namespace skemora
