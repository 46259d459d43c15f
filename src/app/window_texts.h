#pragma once

#include "files/file_io.h"

#include <QString>
#include <QStringView>

// Texts of the window that more than one control shows, and the messages it gives.
namespace texts {

// Three blanks before "V.".
inline constexpr QStringView windowCaption = u"Systèmes d'Enchères pour Vornelle   V. 1.2";
inline constexpr QStringView ns = u"NS";
inline constexpr QStringView eo = u"EO";
inline constexpr QStringView replaceFile = u"Remplacer le fichier";
// What the frames of each side group, for screen readers: their captions only name the side.
inline constexpr QStringView openingGroup = u"Force d'ouverture";
inline constexpr QStringView competitiveGroup = u"Conventions de compétition";

// What the user is told when a file step fails: the file and the system's reason.
QString failureMessage(const vornelle::FileFailure& failure);

} // namespace texts
