#pragma once

#include "model/convention_catalogue.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

// Random host texts made of keys, fragments of keys, values, noise and every kind of line end:
// the whole-text passes must agree with the same rules applied one line at a time.
inline QByteArray randomHostText(QRandomGenerator& random, int pieces) {
    static const QList<QByteArray> choices = [] {
        QList<QByteArray> c{"=",  "0",  "1",  "12",   " ",    "x",    "N",  "E",
                            "Ns", "EO", "Eo", "\xe9", "\r\n", "\r\n", "\r", "\n"};
        for (const auto& k : vornelle::catalogue::hostKeys())
            c << k.key.toByteArray() << k.key.first(k.key.size() - 1).toByteArray();
        return c;
    }();
    QByteArray text;
    for (int n = random.bounded(pieces + 1); n > 0; --n)
        text += choices[random.bounded(int(choices.size()))];
    return text;
}
