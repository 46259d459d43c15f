#pragma once

#include "side_settings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The fixed table of every setting this program edits: captions, host keys per side, and the
// literals that the host file and the system files are made of. Every such text lives here.
namespace catalogue {

struct ConventionRow {
    QStringView caption;
    QByteArrayView keyNS;
    QByteArrayView keyEO;
    QByteArrayView key(Side side) const { return side == Side::NS ? keyNS : keyEO; }
};

inline constexpr std::array<ConventionRow, GeneralCount> generalConventions{{
    {u"Texas", "NsTexas", "EOTexas"},
    {u"Texas mineur", "NsTexMin", "EOTexMin"},
    {u"2 Trèfles Landy", "Nslandy", "EOlandy"},
    {u"Intervention à 2SA", "Ns2SA", "EO2SA"},
    {u"Michael's  CueBid", "NsMic", "EoMic"},
    {u"2  Faible", "Ns2faible", "EO2faible"},
    {u"2 Carreaux Fort", "Ns2Kfort", "EO2Kfort"},
    {u"Mineures inversées", "NsMininv", "EOMininv"},
    {u"Roudi ", "NsRoudi", "EORoudi"},
    {u"Blackwood  5 clés", "NsRkcb", "EORkcb"},
    {u"1SA Sandwich", "NsSand", "EoSand"},
    {u"Meilleure mineure", "NsMmin", "EoMmin"},
}};

inline constexpr std::array<ConventionRow, CompetitiveCount> competitiveConventions{{
    {u"Splinter", "NsSplinter", "EOSplinter"},
    {u"2SA Truscot", "NsTrus", "EoTrus"},
    {u"2SA - 3SA fitté", "Ns3Sa", "Eo3Sa"},
    {u"2SA spécial", "Ns2Saspe", "Eo2Saspe"},
    {u"1M - 4M faible", "NsS4f", "EoS4f"},
}};

inline constexpr std::array<QStringView, 2> openingCaptions{u"12H - 13DH", u"13H - 14DH"};
inline constexpr ConventionRow openingStrength{{}, "NsOuvfaib", "EOOuvfaib"};

inline constexpr std::array<QStringView, 2> rangeRowCaptions{u"Vul", u"N. Vul"};
inline constexpr std::array<ConventionRow, 2> ntRangeKeys{{
    {{}, "Ns1Sa=", "EO1Sa="},
    {{}, "Ns1SaNV=", "EO1SaNV="},
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

// One of the 40 host keys with what it sets. `index` is the row, or the RangeKind for a range.
struct HostKey {
    QByteArrayView key;
    Side side;
    Group group;
    int index;
};

// The 40 keys in the order in which the reader and the writer test every line.
const std::array<HostKey, 40>& hostKeys();

// System files.
inline constexpr QByteArrayView systemTrue = "#TRUE#";
inline constexpr QByteArrayView systemFalse = "#FALSE#";
inline constexpr QByteArrayView systemTrueWord = "Vrai";
inline constexpr QStringView systemFileExtension = u".vns";
inline constexpr QStringView systemFilePattern = u"*.vns";
inline constexpr QStringView defaultSystemName = u"MonSystème";

// Files of the host.
inline constexpr QStringView windowsHostSettingsPath = u"c:\\windows\\vornelle.ini";
inline constexpr QStringView hostSettingsFolder = u"windows";
inline constexpr QStringView hostSettingsFileName = u"vornelle.ini";
inline constexpr const char* winePrefixVariable = "WINEPREFIX";
inline constexpr QStringView defaultWinePrefix = u".wine";
inline constexpr QStringView wineDriveC = u"drive_c";
// Folders of the home folder where Wine front-ends make one prefix per sub-folder, in the order
// they are looked through: PlayOnLinux, Bottles, Bottles as a Flatpak, Lutris, CrossOver.
inline constexpr std::array<QStringView, 5> frontEndPrefixFolders{
    u".PlayOnLinux/wineprefix", u".local/share/bottles/bottles",
    u".var/app/com.usebottles.bottles/data/bottles/bottles", u"Games", u".cxoffice"};
// The working folder of a start from the menu, in the user's documents folder.
inline constexpr QStringView menuWorkFolder = u"Systèmes d'enchères";
inline constexpr QStringView workingCopyName = u"Vnlini.vne";
inline constexpr QStringView hostFilePattern = u"*.ini";

// Code page of every file this program reads or writes.
inline constexpr const char* fileCodePage = "windows-1252";

// Window texts.
inline constexpr QStringView windowCaption = u"Systèmes d'Enchères pour Vornelle   V. 1.2";
inline constexpr QStringView sideNS = u"NS";
inline constexpr QStringView sideEO = u"EO";
inline constexpr QStringView replaceCaption = u"Remplacer le fichier";
inline constexpr QStringView reloadCaption = u"Xnl >>>";
inline constexpr QStringView checkCaption = u"Command7";
inline constexpr QStringView spareLabelCaption = u"Label15";
inline constexpr QStringView openNSTip = u"Ouvrir en NS";
inline constexpr QStringView openEOTip = u"Ouvrir en EO";
inline constexpr QStringView saveNSTip = u"Enregistrer NS";
inline constexpr QStringView saveEOTip = u"Enregistrer EO";
inline constexpr QStringView transferTip = u"Transférer vers Vornelle";

// Messages; %1 is the file, %2 the system's reason.
inline constexpr QStringView readFailedMessage = u"Impossible de lire le fichier « %1 » :\n%2";
inline constexpr QStringView writeFailedMessage = u"Impossible d'écrire le fichier « %1 » :\n%2";
inline constexpr QStringView emptyFileReason = u"le fichier est vide.";
inline constexpr QStringView unknownReason = u"erreur inconnue.";

} // namespace catalogue
