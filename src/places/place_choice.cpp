#include "place_choice.h"

#include "file_lookup.h"
#include "model/convention_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace vornelle {

namespace {

// Two prefixes that exist, however they are reached.
bool samePrefix(const QString& a, const QString& b) {
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

// The prefixes found, with the one chosen before among them when it still holds a host file, and
// the row to focus: that one, else the one whose host file changed last.
PrefixToChoose toChoose(const PrefixSearch& search, const QString& chosenBefore) {
    PrefixToChoose choice{lookForPrefixes(search), -1, {}};
    QList<FoundPrefix>& found = choice.found;
    if (!chosenBefore.isEmpty() && holdsHostFile(chosenBefore)) {
        const qsizetype row =
            std::find_if(found.begin(), found.end(),
                         [&](const FoundPrefix& p) { return samePrefix(p.folder, chosenBefore); }) -
            found.begin();
        if (row == found.size())
            found.append({chosenBefore, FrontEnd::Player,
                          QFileInfo(hostSettingsPathInPrefix(chosenBefore)).lastModified()});
        choice.focused = row;
        return choice;
    }
    choice.goneChoice = chosenBefore;
    const auto latest = std::max_element(found.begin(), found.end(), [](auto& a, auto& b) {
        return a.hostFileChanged < b.hostFileChanged;
    });
    choice.focused = found.isEmpty() ? -1 : latest - found.begin();
    return choice;
}

HostFileChoice chooseUnderWine(const PlaceOptions& options, const PlaceEnvironment& environment,
                               const QString& chosenBefore) {
    // Asked to choose, the player chooses whatever WINEPREFIX says.
    const QString named = !options.winePrefix.isEmpty() ? options.winePrefix
                          : options.choosePrefix        ? QString()
                                                        : environment.winePrefix;
    if (!named.isEmpty())
        return HostFile(hostSettingsPathInPrefix(named));
    const QString before = QDir::isAbsolutePath(chosenBefore) ? chosenBefore : QString();
    const QString homeWine = QDir(environment.homePath).filePath(defaultWinePrefix.toString());
    if (!options.choosePrefix && !before.isEmpty() && holdsHostFile(before))
        return HostFile(hostSettingsPathInPrefix(before));
    // A player who never chose: ~/.wine, else the only prefix found.
    const bool neverChose = !options.choosePrefix && before.isEmpty();
    if (neverChose && holdsHostFile(homeWine))
        return HostFile(hostSettingsPathInPrefix(homeWine));
    PrefixToChoose choice = toChoose({environment.homePath, environment.dataHome}, before);
    if (neverChose && choice.found.size() == 1)
        return HostFile(hostSettingsPathInPrefix(choice.found.first().folder));
    return choice;
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
            qEnvironmentVariable(catalogue::dataHomeVariable),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::currentPath(),
            QCoreApplication::applicationDirPath(),
            catalogue::windowsDriveC.toString(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
}

HostFileChoice chooseHostFile(const PlaceOptions& options, const PlaceEnvironment& environment,
                              const QString& chosenBefore) {
    if (!options.hostFile.isEmpty())
        return HostFile(options.hostFile);
    if (environment.system == HostSystem::Windows)
        return HostFile(hostSettingsPath(environment.driveC),
                        virtualStorePath(environment.localAppData));
    return chooseUnderWine(options, environment, chosenBefore);
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
