#pragma once

#include "model/side_settings.h"

#include <QStringList>

// Notes every value it is given, in order, as "NS General 0 = 1", "EO Opening = 0",
// "NS Range 1 = 12-14H"; the values also reach the two records it keeps.
class RecordingTarget : public SideSettingsPair {
  public:
    QStringList events;

    void setCheck(Side side, Group group, int row, int value) override {
        events << QStringLiteral("%1 %2 %3 = %4")
                      .arg(name(side), group == Group::General ? QStringLiteral("General")
                                                               : QStringLiteral("Competitive"))
                      .arg(row)
                      .arg(value);
        SideSettingsPair::setCheck(side, group, row, value);
    }
    void setOpening(Side side, OpeningChoice choice) override {
        events << QStringLiteral("%1 Opening = %2").arg(name(side)).arg(int(choice) - 1);
        SideSettingsPair::setOpening(side, choice);
    }
    void setRange(Side side, RangeKind kind, const QString& text) override {
        events << QStringLiteral("%1 Range %2 = %3").arg(name(side)).arg(int(kind)).arg(text);
        SideSettingsPair::setRange(side, kind, text);
    }

  private:
    static QString name(Side side) {
        return side == Side::NS ? QStringLiteral("NS") : QStringLiteral("EO");
    }
};
