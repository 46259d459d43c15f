#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The desktop entry that puts the program in the player's menu when it runs from its Linux
// archive, made from the Debian package's own entry so that both say the same.
namespace vornelle::menu {

// The ids of the two entries: the package's, and the archive's own, which never hides it.
inline constexpr QStringView packageEntryId = u"org.vornelle.SystemesEncheres";
inline constexpr QStringView archiveEntryId = u"org.vornelle.SystemesEncheres.Archive";
inline constexpr QStringView entryExtension = u".desktop";
// Added to each of the package's names, to tell the two entries apart where both are there.
inline constexpr QStringView archiveNameSuffix = u" (archive)";
// The icon, beside the program in the archive's folder.
inline constexpr QStringView archiveIconName = u"systemes-encheres.png";
// The user's entries: $XDG_DATA_HOME/applications, by default ~/.local/share/applications.
inline constexpr QStringView entriesFolder = u"applications";

// The archive's entry for the program at `programPath` (an absolute path, as the system gives
// it), from the package's entry `packageEntry`:
// - every Exec starts that program, with the package's arguments;
// - TryExec names it, so that menus drop the entry once the folder is gone;
// - Icon is the icon beside it;
// - each name ends with archiveNameSuffix; every other line is the package's.
// None when an entry cannot name the path: bytes that are not UTF-8, or a control character
// such as a line break.
[[nodiscard]] std::optional<QByteArray> archiveEntry(const QByteArray& packageEntry,
                                                     const QByteArray& programPath);

// Whether the archive's entry for `program` is to be written over `existing` (none when there is
// no entry): when there is none, or when its TryExec names another program. An entry that names
// this one, or none at all, is the player's to keep as he may have edited it.
[[nodiscard]] bool entryToWrite(const std::optional<QByteArray>& existing, const QString& program);

// Where the archive's entry lies, given $XDG_DATA_HOME (ignored unless absolute) and the home
// folder.
[[nodiscard]] QString archiveEntryPath(const QString& dataHome, const QString& home);

} // namespace vornelle::menu
