#pragma once

#include "host_paths.h"
#include "host_system.h"

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

// What the process's surroundings say.
struct PlaceEnvironment {
    HostSystem system;
    QString winePrefix; // WINEPREFIX
    QString homePath;
    QString documentsPath;
    QString currentPath;
    QString programFolder; // the folder of this program's executable
    QString driveC;        // Windows's drive C:
    QString localAppData;  // %LOCALAPPDATA% on Windows

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

using HostFileChoice = std::variant<HostFile, SeveralHostFiles, NoHostFile>;

// The host settings file: the file given. Otherwise, on Windows, the one of drive C: with its
// copy in %LOCALAPPDATA%; under Wine, the one of the prefix given, or of WINEPREFIX, whether it
// exists or not; else the one of ~/.wine when it exists; else the one found in the prefixes of
// Wine front-ends, when exactly one holds it. Names are looked up in any letter case.
[[nodiscard]] HostFileChoice chooseHostFile(const PlaceOptions& options,
                                            const PlaceEnvironment& environment);

// The working folder: the one given; from the menu, or on Windows when started in the program's
// own folder as Explorer starts it, the program's folder in the documents folder, created when
// missing; otherwise the current folder.
QString chooseWorkFolder(const PlaceOptions& options, const PlaceEnvironment& environment);

} // namespace vornelle
