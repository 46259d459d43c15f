#pragma once

#include <QCheckBox>

// The signal a check box raises when its state changes, by a click or from code. Qt 6.7
// replaced stateChanged(int) by checkStateChanged(Qt::CheckState).
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
inline constexpr auto checkStateChangedSignal = &QCheckBox::checkStateChanged;
#else
inline constexpr auto checkStateChangedSignal = &QCheckBox::stateChanged;
#endif
