#pragma once

#include "window_widgets.h"

#include <QDir>

class QWidget;

// Creates every control of the window's layout table inside `window`, placed, coloured,
// captioned and named for screen readers, chains them in tab order and gives the first focus to
// the first of them. File list boxes read `folder`.
WindowWidgets buildWindowWidgets(QWidget* window, const QDir& folder);
