#include "replace_guard.h"

namespace vornelle {

GuardBox boxOf(GuardState state) {
    switch (state) {
    case GuardState::Disarmed:
        return {CheckValue::Grayed, false};
    case GuardState::Unconfirmed:
        return {CheckValue::Unchecked, true};
    case GuardState::Confirmed:
        return {CheckValue::Checked, true};
    }
    return {CheckValue::Grayed, false};
}

GuardState stateOfValue(CheckValue value) {
    switch (value) {
    case CheckValue::Checked:
        return GuardState::Confirmed;
    case CheckValue::Unchecked:
        return GuardState::Unconfirmed;
    case CheckValue::Grayed:
        break;
    }
    return GuardState::Disarmed;
}

GuardState checkReplace(const QString& fileName, const QStringList& listedNames,
                        CheckValue currentValue) {
    if (!listedNames.contains(fileName, Qt::CaseSensitive) || currentValue == CheckValue::Checked)
        return GuardState::Confirmed;
    return GuardState::Unconfirmed;
}

} // namespace vornelle
