#include "key_scan.h"

#include "files/text_lines.h"
#include "model/convention_catalogue.h"

#include <array>
#include <vector>

namespace vornelle {

namespace {

// Every key begins with one of three pairs of letters: "Ns", "EO" or "Eo". The places where
// their first letters stand are found with memchr; a line rarely holds many of them.
constexpr std::array<char, 2> firstLetters{'N', 'E'};

int prefixSlot(char first, char second) {
    if (first == 'N')
        return second == 's' ? 0 : -1;
    if (first != 'E')
        return -1;
    if (second == 'O')
        return 1;
    return second == 'o' ? 2 : -1;
}

// For each pair, the catalogue indices of the keys that begin with it.
using KeysByPrefix = std::array<std::vector<std::size_t>, 3>;

const KeysByPrefix& keysByPrefix() {
    static const KeysByPrefix table = [] {
        KeysByPrefix t;
        const auto& keys = catalogue::hostKeys();
        for (std::size_t i = 0; i < keys.size(); ++i)
            t.at(std::size_t(prefixSlot(keys[i].key[0], keys[i].key[1]))).push_back(i);
        return t;
    }();
    return table;
}

} // namespace

KeySet keysInLine(QByteArrayView line) {
    KeySet found;
    if (line.size() < 2)
        return found;
    const auto& table = keysByPrefix();
    const auto& keys = catalogue::hostKeys();
    const char* const end = line.data() + line.size();
    const char* const last = end - 1; // a pair cannot start on the last byte
    for (char first : firstLetters) {
        for (const char* p = line.data(); (p = detail::nextByte(p, last, first)) != last; ++p) {
            const int slot = prefixSlot(p[0], p[1]);
            if (slot < 0)
                continue;
            const QByteArrayView rest(p, end - p);
            for (std::size_t k : table[std::size_t(slot)]) {
                if (rest.startsWith(keys[k].key))
                    found.set(k);
            }
        }
    }
    return found;
}

KeyScanner::KeyScanner(QByteArrayView text) : end_(text.data() + text.size()) {
    for (std::size_t i = 0; i < next_.size(); ++i)
        next_[i] = text.isEmpty() ? end_ : detail::nextByte(text.data(), end_, firstLetters[i]);
}

KeySet KeyScanner::keysInLine(QByteArrayView line) {
    if (line.size() < 2)
        return {};
    const char* const begin = line.data();
    const char* const last = begin + line.size() - 1; // a pair cannot start on the last byte
    bool mayHoldKey = false;
    for (std::size_t i = 0; i < next_.size(); ++i) {
        if (next_[i] < begin)
            next_[i] = detail::nextByte(begin, end_, firstLetters[i]);
        mayHoldKey = mayHoldKey || next_[i] < last;
    }
    return mayHoldKey ? vornelle::keysInLine(line) : KeySet();
}

} // namespace vornelle
