#pragma once

#include "host_system.h"
#include "hostfile/virtual_store.h"
#include "wine_prefixes.h"

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
    bool choosePrefix = false; // the player chooses the prefix, even when one was chosen before
};

// What the process's surroundings say.
struct PlaceEnvironment {
    HostSystem system;
    QString winePrefix; // WINEPREFIX
    QString homePath;
    QString dataHome; // XDG_DATA_HOME
    QString documentsPath;
    QString currentPath;
    QString programFolder; // the folder of this program's executable
    QString driveC;        // Windows's drive C:
    QString localAppData;  // %LOCALAPPDATA% on Windows

    static PlaceEnvironment ofThisProcess();
};

// Under Wine, with no prefix named, the player chooses one of the prefixes found. The one chosen
// before is among them while it still holds a host file.
struct PrefixToChoose : PrefixesFound {
    qsizetype focused = -1; // the prefix chosen before, else the one changed last; -1: none
    QString goneChoice;     // the prefix chosen before, when it no longer holds a host file
};

using HostFileChoice = std::variant<HostFile, PrefixToChoose>;

// The host settings file, the first that applies of:
// - the file given;
// - on Windows, the one of drive C:, with its copy in %LOCALAPPDATA%;
// - under Wine, the one of the prefix given, whether it exists or not;
// - unless the options ask to choose:
//   - the one of WINEPREFIX, whether it exists or not;
//   - the one of the prefix that the player chose before (an absolute path, empty when none),
//     while it holds one;
//   - if he never chose, the one of ~/.wine when it holds one, else of the only prefix found;
// - the player chooses among the prefixes found.
// Names are looked up in any letter case.
[[nodiscard]] HostFileChoice chooseHostFile(const PlaceOptions& options,
                                            const PlaceEnvironment& environment,
                                            const QString& chosenBefore = {});

// The working folder, the first that applies of:
// - the one given;
// - from the menu, or on Windows when started in the program's own folder as Explorer starts it,
//   the program's folder in the documents folder, created when missing;
// - the current folder.
QString chooseWorkFolder(const PlaceOptions& options, const PlaceEnvironment& environment);

} // namespace vornelle
