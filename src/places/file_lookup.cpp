#include "file_lookup.h"

#include "model/convention_catalogue.h"

#include <QFileInfo>

#include <initializer_list>

namespace vornelle {

namespace {

// The file reached from `folder` through `names`, the folders then the file, each taken in the
// letter case of an existing entry, or as given when there is none.
QString entryIgnoringCase(QDir folder, std::initializer_list<QStringView> names) {
    QString path;
    for (const QStringView* name = names.begin(); name != names.end(); ++name) {
        const QDir::Filters kind = name + 1 == names.end() ? QDir::Files : QDir::Dirs;
        const QStringList found =
            folder.entryList({name->toString()}, kind | QDir::Hidden | QDir::System, QDir::Name);
        path = folder.filePath(found.isEmpty() ? name->toString() : found.first());
        folder.setPath(path);
    }
    return path;
}

} // namespace

QString hostSettingsPath(const QString& driveC) {
    return entryIgnoringCase(QDir(driveC),
                             {catalogue::hostSettingsFolder, catalogue::hostSettingsFileName});
}

QString hostSettingsPathInPrefix(const QString& prefix) {
    return entryIgnoringCase(QDir(prefix), {catalogue::wineDriveC, catalogue::hostSettingsFolder,
                                            catalogue::hostSettingsFileName});
}

bool holdsHostFile(const QString& prefix) {
    return QFileInfo(hostSettingsPathInPrefix(prefix)).isFile();
}

QString virtualStorePath(const QString& localAppData) {
    return entryIgnoringCase(QDir(localAppData),
                             {catalogue::virtualStoreFolder, catalogue::hostSettingsFolder,
                              catalogue::hostSettingsFileName});
}

QString workingCopyPath(const QDir& folder) {
    return entryIgnoringCase(folder, {catalogue::workingCopyName});
}

} // namespace vornelle
