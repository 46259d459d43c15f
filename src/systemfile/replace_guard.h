#pragma once

#include <QString>
#include <QStringList>

// The confirmation needed to save over a listed system file. Its whole state is the value and
// the enabled flag of the "Remplacer le fichier" box, always set together, value first.
enum class GuardState { Disarmed, Unconfirmed, Confirmed };

struct GuardBox {
    int value;
    bool enabled;
};

GuardBox boxOf(GuardState state);

// The state a box value stands for (the value alone decides: see boxOf).
GuardState stateOfValue(int value);

// Whether `fileName` is one of the listed names, compared whole and with letter case.
bool isListed(const QString& fileName, const QStringList& listedNames);

// The check run before a save: a name not listed is confirmed at once; a listed one stays
// confirmed only when the user had already ticked the box.
GuardState checkReplace(const QString& fileName, const QStringList& listedNames, int currentValue);
