#include "front_ends.h"

namespace vornelle {

const QList<FrontEndRow>& frontEnds() {
    using enum Under;
    using enum Look;
    static const QList<FrontEndRow> rows{
        {FrontEnd::Wine, u"Wine", {{Home, defaultWinePrefix, Prefix}}},
        {FrontEnd::PlayOnLinux, u"PlayOnLinux", {{Home, u".PlayOnLinux/wineprefix", EachFolder}}},
        {FrontEnd::Bottles,
         u"Bottles",
         {{Home, u".local/share/bottles/bottles", EachFolder},
          {Home, u".var/app/com.usebottles.bottles/data/bottles/bottles", EachFolder}}},
        {FrontEnd::Lutris, u"Lutris", {{Home, u"Games", EachFolder}}},
        {FrontEnd::CrossOver, u"CrossOver", {{Home, u".cxoffice", EachFolder}}},
        {FrontEnd::Steam,
         u"Steam",
         {{Home, u".local/share/Steam", LibraryFolder},
          {Home, u".var/app/com.valvesoftware.Steam/.local/share/Steam", LibraryFolder},
          {Home, u".steam/steam", LibraryLink},
          {Home, u".steam/root", LibraryLink}}},
        {FrontEnd::Heroic,
         u"Heroic",
         {{Home, u"Games/Heroic/Prefixes/default", PrefixAndEachFolder}}},
        {FrontEnd::Winetricks, u"winetricks", {{DataHome, u"wineprefixes", EachFolder}}},
        {FrontEnd::Player, u"dossier choisi", {}},
    };
    return rows;
}

QString shownName(FrontEnd frontEnd) {
    for (const FrontEndRow& row : frontEnds())
        if (row.frontEnd == frontEnd)
            return row.shownName.toString();
    return {}; // a value without its row
}

} // namespace vornelle
