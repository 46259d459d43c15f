#pragma once

#include <QString>

#include <array>

namespace vornelle {

// The two partnerships whose conventions the host keeps: North-South and East-West.
enum class Side { NS, EO };

// The four groups of a side's settings, in the order a side stores them.
enum class Group { General, Opening, NtRange, Competitive };

// The value of a convention box. The numbers are those that system files hold.
enum class CheckValue { Unchecked = 0, Checked = 1, Grayed = 2 };

// Which of a side's two 1NT ranges.
enum class Vulnerability { Vulnerable, NotVulnerable };

// A side's opening strength: "12H - 13DH", the host's weak opening, or "13H - 14DH". None
// until a file has set it.
enum class OpeningChoice { None, Weak, Standard };

inline constexpr int GeneralCount = 12;
inline constexpr int CompetitiveCount = 5;

// The values of one side, in the order a system file stores them.
struct SideSettings {
    std::array<CheckValue, GeneralCount> general{};
    OpeningChoice opening = OpeningChoice::None;
    QString ntRangeVulnerable;
    QString ntRangeNotVulnerable;
    std::array<CheckValue, CompetitiveCount> competitive{};

    const QString& ntRange(Vulnerability v) const {
        return v == Vulnerability::Vulnerable ? ntRangeVulnerable : ntRangeNotVulnerable;
    }
    QString& ntRange(Vulnerability v) {
        return v == Vulnerability::Vulnerable ? ntRangeVulnerable : ntRangeNotVulnerable;
    }
    // A box of the general or the competitive group.
    CheckValue& check(Group group, int row) {
        return group == Group::General ? general.at(std::size_t(row))
                                       : competitive.at(std::size_t(row));
    }

    friend bool operator==(const SideSettings&, const SideSettings&) = default;
};

// Receives settings one at a time, as a file is read. The window applies each value to its
// control at once, so that every change raises its notification before the next value is read.
class SettingsTarget {
  public:
    virtual ~SettingsTarget() = default;
    virtual void setCheck(Side side, Group group, int row, CheckValue value) = 0;
    virtual void setOpening(Side side, OpeningChoice choice) = 0;
    virtual void setNtRange(Side side, Vulnerability v, const QString& text) = 0;
};

// A target that stores the values in two SideSettings records.
class SideSettingsPair : public SettingsTarget {
  public:
    SideSettings ns;
    SideSettings eo;

    SideSettings& of(Side side) { return side == Side::NS ? ns : eo; }
    void setCheck(Side side, Group group, int row, CheckValue value) override {
        of(side).check(group, row) = value;
    }
    void setOpening(Side side, OpeningChoice choice) override { of(side).opening = choice; }
    void setNtRange(Side side, Vulnerability v, const QString& text) override {
        of(side).ntRange(v) = text;
    }
};

} // namespace vornelle
