// The child widget of a window by its object name; a missing one ends the test program, since
// every later step would only fail less clearly.
#pragma once

#include <QObject>
#include <QtGlobal>

template <typename T>
T* Child(QObject& parent, const char* name) {
    auto* child = parent.findChild<T*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
}
