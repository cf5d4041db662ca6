// Keeps the characters a file name cannot hold out of a text field, however they arrive: each
// one found is removed wherever it stands and reported once.
#pragma once

#include <QString>
#include <functional>

class QLineEdit;

namespace skemora {

// After every edit by the user, removes the refused characters from `field` and calls
// `refused` once per character removed, in order.
void RefuseCharacters(QLineEdit* field, std::function<void(const QString&)> refused);

}  // namespace skemora
