#pragma once

#include "layout_table.h"

#include <QLatin1StringView>
#include <QSize>

// The window's pictures are drawn as SVG and rendered into PNGs at build time, at the size the
// window shows each of them and for each screen scale: the program itself needs no SVG support.
// A picture's PNGs are ":/pictures/<name>@<scale in percent>.png".

inline constexpr QLatin1StringView windowIconName{"app-icon"};
inline constexpr QSize windowIconSize{32, 32};

// The base name of a picture's files, the same for its SVG and its PNGs.
QLatin1StringView pictureName(Picture picture);

// The room a picture has in its button at scale 1: the button less its frame.
QSize pictureRoom(Picture picture);

class QIcon;

// A picture's PNGs for every screen scale: each scale draws the one rendered for it.
QIcon pictureIcon(QLatin1StringView name);

// The size at which the window shows a picture at scale 1.
QSize pictureSize(QLatin1StringView name);
