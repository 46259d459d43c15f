#include "file_places.h"

#include "model/convention_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace vornelle {

namespace {

QString hostSettingsPathInPrefix(const QString& prefix) {
    return hostSettingsPath(QDir(prefix).filePath(catalogue::wineDriveC.toString()));
}

// The prefixes made by Wine front-ends, found by listing their folders only, that hold a host
// settings file.
QStringList frontEndPrefixesWithHostFile(const QString& homePath) {
    QStringList found;
    const QDir home(homePath);
    for (const QStringView folder : catalogue::frontEndPrefixFolders) {
        const QDir prefixes(home.filePath(folder.toString()));
        const QStringList names =
            prefixes.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            const QString prefix = prefixes.filePath(name);
            if (QFileInfo(hostSettingsPathInPrefix(prefix)).isFile())
                found.append(prefix);
        }
    }
    return found;
}

QStringList placesLooked(const QString& homePath) {
    const QDir home(homePath);
    QStringList places{home.filePath(catalogue::defaultWinePrefix.toString())};
    for (const QStringView folder : catalogue::frontEndPrefixFolders)
        places.append(home.filePath(folder.toString()) + u"/*"_s);
    return places;
}

HostFileChoice chooseUnderWine(const QString& namedPrefix, const QString& homePath) {
    const QString prefix = namedPrefix.isEmpty()
                               ? QDir(homePath).filePath(catalogue::defaultWinePrefix.toString())
                               : namedPrefix;
    const QString path = hostSettingsPathInPrefix(prefix);
    if (!namedPrefix.isEmpty() || QFileInfo(path).isFile())
        return HostFile(path);
    const QStringList found = frontEndPrefixesWithHostFile(homePath);
    if (found.size() == 1)
        return HostFile(hostSettingsPathInPrefix(found.first()));
    if (found.size() > 1)
        return SeveralHostFiles{found};
    return NoHostFile{placesLooked(homePath)};
}

// Explorer starts a program in the program's own folder, a console in the console's.
bool startedFromExplorer(const PlaceEnvironment& environment) {
    return environment.system == HostSystem::Windows &&
           QDir(environment.currentPath) == QDir(environment.programFolder);
}

} // namespace

PlaceEnvironment PlaceEnvironment::ofThisProcess() {
    return {thisHostSystem,
            qEnvironmentVariable(catalogue::winePrefixVariable),
            QDir::homePath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::currentPath(),
            QCoreApplication::applicationDirPath(),
            catalogue::windowsDriveC.toString(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
}

HostFileChoice chooseHostFile(const PlaceOptions& options, const PlaceEnvironment& environment) {
    if (!options.hostFile.isEmpty())
        return HostFile(options.hostFile);
    if (environment.system == HostSystem::Windows)
        return HostFile(hostSettingsPath(environment.driveC),
                        virtualStorePath(environment.localAppData));
    return chooseUnderWine(options.winePrefix.isEmpty() ? environment.winePrefix
                                                        : options.winePrefix,
                           environment.homePath);
}

QString chooseWorkFolder(const PlaceOptions& options, const PlaceEnvironment& environment) {
    if (!options.workFolder.isEmpty())
        return options.workFolder;
    if (!options.fromMenu && !startedFromExplorer(environment))
        return environment.currentPath;
    const QString folder =
        QDir(environment.documentsPath).filePath(catalogue::menuWorkFolder.toString());
    QDir().mkpath(folder); // when it cannot be made, start-up reports the working copy
    return folder;
}

} // namespace vornelle
