#pragma once

#include <QByteArrayView>

#include <bitset>

// Bit i set: the i-th host key, in catalogue order, occurs in the line (exact letter case).
using KeySet = std::bitset<40>;

// Finds every key of a line at once: each key begins with "Ns", "EO" or "Eo", so only the
// places where such a pair stands are compared with the keys.
KeySet keysInLine(QByteArrayView line);
