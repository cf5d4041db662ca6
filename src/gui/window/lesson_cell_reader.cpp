#include "gui/window/lesson_cell_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace skemora {

namespace {

constexpr const char* kCellProperty = "skemoraLessonCell";
constexpr const char* kSelectedProperty = "skemoraSelectedCell";

class LessonCellAccessible : public QAccessibleWidget {
public:
    explicit LessonCellAccessible(QWidget* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = widget()->property(kSelectedProperty).toBool();
        return state;
    }
};

QAccessibleInterface* LessonCellFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType() || !object->property(kCellProperty).toBool())
        return nullptr;
    return new LessonCellAccessible(static_cast<QWidget*>(object));
}

}  // namespace

void MarkAsLessonCell(QWidget* cell) {
    static const bool installed = [] {
        QAccessible::installFactory(&LessonCellFactory);
        return true;
    }();
    (void)installed;
    cell->setProperty(kCellProperty, true);
}

void TellSelectedCell(QWidget* previous, QWidget* cell) {
    QAccessible::State selected;
    selected.selected = true;
    if (previous) {
        previous->setProperty(kSelectedProperty, false);
        QAccessibleStateChangeEvent unselect(previous, selected);
        QAccessible::updateAccessibility(&unselect);
    }
    if (!cell) return;
    cell->setProperty(kSelectedProperty, true);
    QAccessibleStateChangeEvent select(cell, selected);
    QAccessible::updateAccessibility(&select);
    // A screen reader follows the focus: the selected cell is told as the one in focus.
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace skemora
