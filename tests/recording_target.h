#pragma once

#include "model/side_settings.h"

#include <QStringList>

// Notes every value it is given, in order, as "NS General 0 = 1", "EO Opening = 0",
// "NS Range 1 = 12-14H"; the values also reach the two records it keeps.
class RecordingTarget : public vornelle::SideSettingsPair {
  public:
    QStringList events;

    void setCheck(vornelle::Side side, vornelle::Group group, int row,
                  vornelle::CheckValue value) override {
        events << QStringLiteral("%1 %2 %3 = %4")
                      .arg(name(side), group == vornelle::Group::General
                                           ? QStringLiteral("General")
                                           : QStringLiteral("Competitive"))
                      .arg(row)
                      .arg(int(value));
        SideSettingsPair::setCheck(side, group, row, value);
    }
    void setOpening(vornelle::Side side, vornelle::OpeningChoice choice) override {
        events << QStringLiteral("%1 Opening = %2").arg(name(side)).arg(int(choice) - 1);
        SideSettingsPair::setOpening(side, choice);
    }
    void setNtRange(vornelle::Side side, vornelle::Vulnerability v, const QString& text) override {
        events << QStringLiteral("%1 Range %2 = %3").arg(name(side)).arg(int(v)).arg(text);
        SideSettingsPair::setNtRange(side, v, text);
    }

  private:
    static QString name(vornelle::Side side) {
        return side == vornelle::Side::NS ? QStringLiteral("NS") : QStringLiteral("EO");
    }
};
