#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The Wine front-ends: who keeps each Wine prefix, the name that the chooser shows, and where
// each keeps its prefixes. Adding a front-end is adding its value and its row.
namespace vornelle {

// Who keeps a Wine prefix:
// - plain Wine, in ~/.wine;
// - a Wine front-end;
// - the player himself, who chose its folder.
enum class FrontEnd {
    Wine,
    PlayOnLinux,
    Bottles,
    Lutris,
    CrossOver,
    Steam,
    Heroic,
    Winetricks,
    Player
};

// Where a front-end's folder is given from: the home folder, or the user's data folder
// ($XDG_DATA_HOME, by default ~/.local/share).
enum class Under { Home, DataHome };

// How a front-end's folder is looked through for prefixes:
// - Prefix: the folder is one;
// - EachFolder: each of its sub-folders is one;
// - PrefixAndEachFolder: the folder, then each of its sub-folders;
// - LibraryFolder: a Steam folder, whose libraries are itself and those it lists, each holding one
//   prefix per program in steamapps/compatdata/*/pfx;
// - LibraryLink: as LibraryFolder, where the link leads to a folder.
enum class Look { Prefix, EachFolder, PrefixAndEachFolder, LibraryFolder, LibraryLink };

struct FrontEndFolder {
    Under under;
    QStringView path;
    Look look;
};

struct FrontEndRow {
    FrontEnd frontEnd;
    QStringView shownName; // as the prefix chooser names it
    QList<FrontEndFolder> folders;
};

inline constexpr QStringView defaultWinePrefix = u".wine";

// Every front-end, in the order in which prefixes are looked for.
const QList<FrontEndRow>& frontEnds();

// The name that the chooser shows for a front-end.
QString shownName(FrontEnd frontEnd);

} // namespace vornelle
