#include "host_paths.h"

#include "model/convention_catalogue.h"

#include <QDir>
#include <QFileInfo>

namespace vornelle {

namespace {

// The entry of `folder` named `name` in any letter case, or `name` itself when there is none.
QString entryIgnoringCase(const QDir& folder, QStringView name, QDir::Filters kind) {
    const QStringList found =
        folder.entryList({name.toString()}, kind | QDir::Hidden | QDir::System, QDir::Name);
    return folder.filePath(found.isEmpty() ? name.toString() : found.first());
}

} // namespace

QString hostSettingsPath(const QString& winePrefix, const QString& homePath) {
#ifdef Q_OS_WIN
    Q_UNUSED(winePrefix);
    Q_UNUSED(homePath);
    return catalogue::windowsHostSettingsPath.toString();
#else
    const QString prefix = winePrefix.isEmpty()
                               ? QDir(homePath).filePath(catalogue::defaultWinePrefix.toString())
                               : winePrefix;
    const QDir driveC(QDir(prefix).filePath(catalogue::wineDriveC.toString()));
    const QDir windows(entryIgnoringCase(driveC, catalogue::hostSettingsFolder, QDir::Dirs));
    return entryIgnoringCase(windows, catalogue::hostSettingsFileName, QDir::Files);
#endif
}

QString workingCopyPath(const QDir& folder) {
    return entryIgnoringCase(folder, catalogue::workingCopyName, QDir::Files);
}

} // namespace vornelle
