#pragma once

#include "model/side_settings.h"

#include <QString>
#include <QStringList>

namespace vornelle {

// The confirmation needed to save over a listed system file. Its whole state is the value and
// the enabled flag of the "Remplacer le fichier" box, always set together, value first.
enum class GuardState { Disarmed, Unconfirmed, Confirmed };

struct GuardBox {
    CheckValue value;
    bool enabled;
};

GuardBox boxOf(GuardState state);

// The state a box value stands for (the value alone decides: see boxOf).
GuardState stateOfValue(CheckValue value);

// The check run before a save: a name not listed, compared whole and with letter case, is
// confirmed at once; a listed one stays confirmed only when the user had already ticked the box.
GuardState checkReplace(const QString& fileName, const QStringList& listedNames,
                        CheckValue currentValue);

} // namespace vornelle
