#pragma once

#include "model/side_settings.h"

#include <QByteArray>

// Host settings texts made up for the benchmark: sections and other settings, with the
// catalogue's keys spread among them. Lines end with CR LF; some bytes are 8-bit.

// `lines` lines, of which one in `keyEvery` carries a key, the keys taken in turn.
QByteArray hostText(int lines, int keyEvery);

// A host file of a few hundred lines holding every key, as the host keeps it.
QByteArray typicalHostText();

// Values for both sides that change some of the lines the texts hold.
vornelle::SideSettings sampleSettings(vornelle::Side side);
