#pragma once

#include "model/side_settings.h"

#include <QStringList>

// Notes every value it is given, in order, as "NS General 0 = 1", "EO Opening = 0" (the weak
// opening), "NS Range 1 = 12-14H".
struct RecordingTarget : vornelle::SettingsTarget {
    QStringList events;

    void setCheck(vornelle::Side side, vornelle::Group group, int row,
                  vornelle::CheckValue value) override {
        const char* kind = group == vornelle::Group::General ? "General" : "Competitive";
        note(side,
             QStringLiteral("%1 %2 = %3").arg(QLatin1StringView(kind)).arg(row).arg(int(value)));
    }
    void setOpening(vornelle::Side side, vornelle::OpeningChoice choice) override {
        note(side, QStringLiteral("Opening = %1").arg(int(choice) - 1));
    }
    void setNtRange(vornelle::Side side, vornelle::Vulnerability v, const QString& text) override {
        note(side, QStringLiteral("Range %1 = %2").arg(int(v)).arg(text));
    }
    void note(vornelle::Side side, const QString& event) {
        events << (side == vornelle::Side::NS ? QStringLiteral("NS ") : QStringLiteral("EO ")) +
                      event;
    }
};
