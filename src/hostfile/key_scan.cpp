#include "key_scan.h"

#include "model/convention_catalogue.h"

#include <array>
#include <vector>

namespace {

// Every key begins with one of three pairs of letters: "Ns", "EO" or "Eo".
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
    const auto& table = keysByPrefix();
    const auto& keys = catalogue::hostKeys();
    const char* const begin = line.data();
    const qsizetype size = line.size();
    for (qsizetype i = 0; i + 1 < size; ++i) {
        const int slot = prefixSlot(begin[i], begin[i + 1]);
        if (slot < 0)
            continue;
        const QByteArrayView rest(begin + i, size - i);
        for (std::size_t k : table[std::size_t(slot)]) {
            if (rest.startsWith(keys[k].key))
                found.set(k);
        }
    }
    return found;
}
