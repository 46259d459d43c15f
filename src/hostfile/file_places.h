#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace vornelle {

// Where the command line puts this run's files; each is empty when not given.
struct PlaceOptions {
    QString hostFile{};   // the host settings file itself
    QString winePrefix{}; // the Wine prefix that holds it
    QString workFolder{}; // the folder of the working copy and the system files
    bool fromMenu = false;
};

// What the process's surroundings say: WINEPREFIX, the home, documents and current folders.
struct PlaceEnvironment {
    QString winePrefix;
    QString homePath;
    QString documentsPath;
    QString currentPath;

    static PlaceEnvironment ofThisProcess();
};

// No prefix was named and several prefixes made by Wine front-ends hold a host settings file.
struct SeveralHostFiles {
    QStringList prefixes;
};

// No prefix was named and none of those looked at holds a host settings file.
struct NoHostFile {
    QStringList placesLooked; // the default prefix, then the front-ends' folders as "<folder>/*"
};

using HostFileChoice = std::variant<QString, SeveralHostFiles, NoHostFile>;

// The host settings file: the file given; else the one of the prefix given, or of WINEPREFIX,
// whether it exists or not; else the one of ~/.wine when it exists; else the one found in the
// prefixes of Wine front-ends, when exactly one holds it. Prefixes are looked into as
// hostSettingsPath() does, in any letter case.
[[nodiscard]] HostFileChoice chooseHostFile(const PlaceOptions& options,
                                            const PlaceEnvironment& environment);

// The working folder: the one given; from the menu, the program's folder in the documents
// folder, created when missing; otherwise the current folder.
QString chooseWorkFolder(const PlaceOptions& options, const PlaceEnvironment& environment);

} // namespace vornelle
