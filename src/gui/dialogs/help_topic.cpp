#include "gui/dialogs/help_topic.h"

#include <QVariant>
#include <QWidget>

namespace skemora {

namespace {
constexpr char kProperty[] = "skemoraHelpTopic";
}  // namespace

void SetHelpTopic(QWidget* widget, int topic) {
    widget->setProperty(kProperty, topic);
}

int HelpTopicAt(const QWidget* widget, int fallback) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kProperty);
        if (topic.isValid()) return topic.toInt();
    }
    return fallback;
}

}  // namespace skemora
