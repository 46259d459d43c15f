#pragma once

#include <QString>

#include <array>

// The two partnerships whose conventions the host keeps.
enum class Side { NS, EO };

// The four groups of settings of one side, in the order a side stores them.
enum class Group { General, Opening, NtRange, Competitive };

enum class RangeKind { Vulnerable, NotVulnerable };

// Which opening-strength option is selected; None only before anything was loaded.
enum class OpeningChoice { None, Option0, Option1 };

// Value of a three-state check box.
namespace check {
inline constexpr int Unchecked = 0;
inline constexpr int Checked = 1;
inline constexpr int Grayed = 2;
} // namespace check

inline constexpr int GeneralCount = 12;
inline constexpr int CompetitiveCount = 5;

// The values of one side, in the order a system file stores them.
struct SideSettings {
    std::array<int, GeneralCount> conventions{};
    OpeningChoice openingChoice = OpeningChoice::None;
    QString ntRangeVulnerable;
    QString ntRangeNotVulnerable;
    std::array<int, CompetitiveCount> competitive{};

    const QString& ntRange(RangeKind kind) const {
        return kind == RangeKind::Vulnerable ? ntRangeVulnerable : ntRangeNotVulnerable;
    }
    QString& ntRange(RangeKind kind) {
        return kind == RangeKind::Vulnerable ? ntRangeVulnerable : ntRangeNotVulnerable;
    }
    int checkValue(Group group, int row) const {
        return group == Group::General ? conventions.at(row) : competitive.at(row);
    }
    int& checkValue(Group group, int row) {
        return group == Group::General ? conventions.at(row) : competitive.at(row);
    }

    friend bool operator==(const SideSettings&, const SideSettings&) = default;
};

// Receives settings one at a time, as a file is read. The window applies each value to its
// control at once, so that every change raises its notification before the next value is read.
class SettingsTarget {
  public:
    virtual ~SettingsTarget() = default;
    virtual void setCheck(Side side, Group group, int row, int value) = 0;
    virtual void setOpening(Side side, OpeningChoice choice) = 0;
    virtual void setRange(Side side, RangeKind kind, const QString& text) = 0;
};

// A target that stores the values in two SideSettings records.
class SideSettingsPair : public SettingsTarget {
  public:
    SideSettings ns;
    SideSettings eo;

    SideSettings& of(Side side) { return side == Side::NS ? ns : eo; }
    void setCheck(Side side, Group group, int row, int value) override {
        of(side).checkValue(group, row) = value;
    }
    void setOpening(Side side, OpeningChoice choice) override { of(side).openingChoice = choice; }
    void setRange(Side side, RangeKind kind, const QString& text) override {
        of(side).ntRange(kind) = text;
    }
};
