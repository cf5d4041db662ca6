// Which help topic a window, dialog or menu belongs to: kept on the widget, found from any of
// its children, so F1 opens the guide where the user is.
#pragma once

class QWidget;

namespace skemora {

void SetHelpTopic(QWidget* widget, int topic);
// The topic of the nearest of `widget` and its parents that has one; `fallback` when none has.
int HelpTopicAt(const QWidget* widget, int fallback);

}  // namespace skemora
