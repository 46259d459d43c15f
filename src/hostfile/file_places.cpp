#include "file_places.h"

#include "host_paths.h"
#include "model/convention_catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace vornelle {

namespace {

#ifdef Q_OS_WIN
constexpr bool hostRunsUnderWine = false;
#else
constexpr bool hostRunsUnderWine = true;
#endif

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
            if (QFileInfo(hostSettingsPath(prefix, homePath)).isFile())
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

} // namespace

PlaceEnvironment PlaceEnvironment::ofThisProcess() {
    return {qEnvironmentVariable(catalogue::winePrefixVariable), QDir::homePath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::currentPath()};
}

HostFileChoice chooseHostFile(const PlaceOptions& options, const PlaceEnvironment& environment) {
    if (!options.hostFile.isEmpty())
        return options.hostFile;
    const QString named =
        options.winePrefix.isEmpty() ? environment.winePrefix : options.winePrefix;
    const QString path = hostSettingsPath(named, environment.homePath);
    if (!named.isEmpty() || !hostRunsUnderWine || QFileInfo(path).isFile())
        return path;
    const QStringList found = frontEndPrefixesWithHostFile(environment.homePath);
    if (found.size() == 1)
        return hostSettingsPath(found.first(), environment.homePath);
    if (found.size() > 1)
        return SeveralHostFiles{found};
    return NoHostFile{placesLooked(environment.homePath)};
}

QString chooseWorkFolder(const PlaceOptions& options, const PlaceEnvironment& environment) {
    if (!options.workFolder.isEmpty())
        return options.workFolder;
    if (!options.fromMenu)
        return environment.currentPath;
    const QString folder =
        QDir(environment.documentsPath).filePath(catalogue::menuWorkFolder.toString());
    QDir().mkpath(folder); // when it cannot be made, start-up reports the working copy
    return folder;
}

} // namespace vornelle
