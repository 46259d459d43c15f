#pragma once

#include "side_settings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The conventions that this program edits, by group and row: the host keys of each side and the
// 1NT ranges. Then the literals of the files: the host file's, the system files', the working
// copy's and the program's own settings.
namespace vornelle::catalogue {

// A setting's key in the host file for each side. Letter case is part of a key, and the two
// sides do not spell theirs alike: "EOTexas" but "EoMic", "Nslandy" with a small l.
struct SideKeys {
    QByteArrayView ns;
    QByteArrayView eo;
    QByteArrayView of(Side side) const { return side == Side::NS ? ns : eo; }
};

// Rows in the window's order.
inline constexpr std::array<SideKeys, GeneralCount> generalKeys{{
    {"NsTexas", "EOTexas"},
    {"NsTexMin", "EOTexMin"},
    {"Nslandy", "EOlandy"},
    {"Ns2SA", "EO2SA"},
    {"NsMic", "EoMic"},
    {"Ns2faible", "EO2faible"},
    {"Ns2Kfort", "EO2Kfort"},
    {"NsMininv", "EOMininv"},
    {"NsRoudi", "EORoudi"},
    {"NsRkcb", "EORkcb"},
    {"NsSand", "EoSand"},
    {"NsMmin", "EoMmin"},
}};

inline constexpr SideKeys openingKeys{"NsOuvfaib", "EOOuvfaib"};

// By Vulnerability. These keys end with "=": the line is the key and the range's lower bound.
inline constexpr std::array<SideKeys, 2> ntRangeKeys{{
    {"Ns1Sa=", "EO1Sa="},
    {"Ns1SaNV=", "EO1SaNV="},
}};

inline constexpr std::array<SideKeys, CompetitiveCount> competitiveKeys{{
    {"NsSplinter", "EOSplinter"},
    {"NsTrus", "EoTrus"},
    {"Ns3Sa", "Eo3Sa"},
    {"Ns2Saspe", "Eo2Saspe"},
    {"NsS4f", "EoS4f"},
}};

// The seven 1NT ranges, in list order; the lower bound of entry i is firstLowerBound + i.
inline constexpr std::array<QStringView, 7> ntRangeTexts{u"10-12H", u"11-13H", u"12-14H", u"13-15H",
                                                         u"14-16H", u"15-17H", u"16-18H"};
inline constexpr int firstLowerBound = 10;

std::optional<int> ntRangeLowerBound(QStringView text);
std::optional<QString> ntRangeText(int lowerBound);

// Host line values: a key followed by one of these.
inline constexpr QByteArrayView valueZero = "=0";
inline constexpr QByteArrayView valueOne = "=1";

// One of the 40 host keys with the setting it stands for. `index` is the row, or the
// Vulnerability of a 1NT range.
struct HostKey {
    QByteArrayView key;
    Side side;
    Group group;
    int index;
};

inline constexpr int hostKeyCount =
    int(2 * (generalKeys.size() + 1 + ntRangeKeys.size() + competitiveKeys.size()));

// The 40 keys in the order in which the reader and the writer test every line.
const std::array<HostKey, hostKeyCount>& hostKeys();

// System files.
inline constexpr QByteArrayView systemTrue = "#TRUE#";
inline constexpr QByteArrayView systemFalse = "#FALSE#";
inline constexpr QByteArrayView systemTrueWord = "Vrai";
inline constexpr QStringView systemFileExtension = u".vns";
inline constexpr QStringView systemFilePattern = u"*.vns";

// Files of the host: its settings file is c:\windows\vornelle.ini, on Windows's drive C: or on the
// drive_c folder of a Wine prefix.
inline constexpr QStringView windowsDriveC = u"C:/";
inline constexpr QStringView hostSettingsFolder = u"windows";
inline constexpr QStringView hostSettingsFileName = u"vornelle.ini";
// The folder of %LOCALAPPDATA% where Windows keeps the files that it redirects for the host.
inline constexpr QStringView virtualStoreFolder = u"VirtualStore";
inline constexpr const char* winePrefixVariable = "WINEPREFIX";
inline constexpr QStringView wineDriveC = u"drive_c";
// The user's data folder, where Wine front-ends and desktop menus keep files: $XDG_DATA_HOME, by
// default ~/.local/share.
inline constexpr const char* dataHomeVariable = "XDG_DATA_HOME";
inline constexpr QStringView defaultDataHome = u".local/share";
// The program's own settings: the prefix that the player chose.
inline constexpr QStringView settingsOrganisation = u"systemes-encheres";
inline constexpr QStringView settingsApplication = u"systemes-encheres";
inline constexpr QStringView chosenPrefixKey = u"wine/prefix";
// The working folder of a start from the menu, in the user's documents folder.
inline constexpr QStringView menuWorkFolder = u"Systèmes d'enchères";
inline constexpr QStringView workingCopyName = u"Vnlini.vne";

} // namespace vornelle::catalogue
