#include "chosen_prefix.h"

#include "model/convention_catalogue.h"

#include <QSettings>

using namespace vornelle;

namespace {

struct ProgramSettings : QSettings {
    ProgramSettings()
        : QSettings(catalogue::settingsOrganisation.toString(),
                    catalogue::settingsApplication.toString()) {}
};

} // namespace

QString readChosenPrefix() {
    const ProgramSettings settings;
    const QVariant prefix = settings.value(catalogue::chosenPrefixKey.toString());
    if (settings.status() != QSettings::NoError || prefix.typeId() != QMetaType::QString)
        return {};
    return prefix.toString();
}

void keepChosenPrefix(const QString& prefix) {
    ProgramSettings settings;
    settings.setValue(catalogue::chosenPrefixKey.toString(), prefix);
}
