#pragma once

#include "systemfile/replace_guard.h"
#include "tri_state_check_box.h"

#include <QPushButton>
#include <QString>
#include <QWidget>

// The window's controls reached by their form names, as tests and screen readers see them.
template <typename T = QWidget> T* control(const QWidget* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

inline void press(const QWidget* window, const char* button) {
    control<QPushButton>(window, QString::fromLatin1(button))->click();
}

// The replace guard's state, read from its box as the window keeps it.
inline vornelle::GuardState guardOf(const QWidget* window) {
    return vornelle::stateOfValue(
        control<TriStateCheckBox>(window, QStringLiteral("Check5"))->value());
}
