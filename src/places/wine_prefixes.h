#pragma once

#include "front_ends.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

namespace vornelle {

// A Wine prefix that holds a host settings file.
struct FoundPrefix {
    QString folder;
    FrontEnd frontEnd;
    QDateTime hostFileChanged; // when its host settings file was last written
};

// Where prefixes are looked for: the home folder, and $XDG_DATA_HOME (empty when unset).
struct PrefixSearch {
    QString homePath;
    QString dataHome;
};

// What a look through the places where prefixes are kept finds.
struct PrefixesFound {
    // The prefixes that hold a host settings file, in the order of frontEnds(); a folder reached
    // by two paths is listed once, by the first.
    QList<FoundPrefix> found;
    // The places looked through, for the player:
    // - a prefix, as it is;
    // - a folder of prefixes, as "<folder>/*";
    // - a Steam library, as "<library>/steamapps/compatdata/*/pfx".
    QStringList placesLooked;
};

[[nodiscard]] PrefixesFound lookForPrefixes(const PrefixSearch& search);

// What a folder chosen by the player lacks: the prefix that it stands for, and the first piece
// missing in it, relative to the prefix ("drive_c", "drive_c/windows" or
// "drive_c/windows/vornelle.ini").
struct MissingInFolder {
    QString prefix;
    QString missing;
};

// The prefix of a folder chosen by the player, names in any letter case:
// - the folder itself, when it is a prefix that holds a host settings file;
// - the prefix whose drive_c, or whose drive_c's windows folder, it is.
[[nodiscard]] std::variant<QString, MissingInFolder> prefixOfChosenFolder(const QString& folder);

} // namespace vornelle
