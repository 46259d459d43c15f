#include "replace_guard.h"

#include "model/side_settings.h"

GuardBox boxOf(GuardState state) {
    switch (state) {
    case GuardState::Disarmed:
        return {check::Grayed, false};
    case GuardState::Unconfirmed:
        return {check::Unchecked, true};
    case GuardState::Confirmed:
        return {check::Checked, true};
    }
    return {check::Grayed, false};
}

GuardState stateOfValue(int value) {
    if (value == check::Checked)
        return GuardState::Confirmed;
    return value == check::Unchecked ? GuardState::Unconfirmed : GuardState::Disarmed;
}

bool isListed(const QString& fileName, const QStringList& listedNames) {
    return listedNames.contains(fileName, Qt::CaseSensitive);
}

GuardState checkReplace(const QString& fileName, const QStringList& listedNames, int currentValue) {
    if (!isListed(fileName, listedNames) || currentValue == check::Checked)
        return GuardState::Confirmed;
    return GuardState::Unconfirmed;
}
