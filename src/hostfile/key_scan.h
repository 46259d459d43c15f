#pragma once

#include "model/convention_catalogue.h"

#include <QByteArrayView>

#include <array>
#include <bitset>

namespace vornelle {

// Bit i set: the i-th host key, in catalogue order, occurs in the line (exact letter case).
using KeySet = std::bitset<catalogue::hostKeyCount>;

// Finds every key of a line at once: each key begins with "Ns", "EO" or "Eo", so only the
// places where such a pair stands are compared with the keys.
KeySet keysInLine(QByteArrayView line);

// Finds the keys of the lines of one text, asked in text order. The places where a key may begin
// are looked for across the whole text, so that a line where none stands costs nothing.
class KeyScanner {
  public:
    explicit KeyScanner(QByteArrayView text);

    // `line` lies in the text, after every line asked about before.
    KeySet keysInLine(QByteArrayView line);

  private:
    const char* end_;
    std::array<const char*, 2> next_; // where the first letter of each pair next stands
};

} // namespace vornelle
