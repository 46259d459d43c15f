#include "layout_table.h"

#include "model/convention_catalogue.h"

namespace {

using namespace catalogue;
using namespace Qt::StringLiterals;

const QColor lightGrey(224, 224, 224);
const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

constexpr int rowStep = 360;
constexpr int firstRowTop = 240;
constexpr int boxSize = 255;

QString text(QStringView s) {
    return s.toString();
}

void addGeneralConventions(std::vector<ControlRow>& t) {
    t.push_back({u"Label13"_s, ControlKind::Label, {120, 0, 375, 255}, text(sideNS), 72, {}});
    t.push_back({u"Label14"_s, ControlKind::Label, {1800, 0, 375, 255}, text(sideEO), 73, {}});
    for (int i = 0; i < GeneralCount; ++i) {
        const int top = firstRowTop + rowStep * i;
        t.push_back({memberName("Check1", i),
                     ControlKind::CheckBox,
                     {120, top, boxSize, boxSize},
                     {},
                     15 + i,
                     {}});
        t.push_back({memberName("Label1", i),
                     ControlKind::Label,
                     {480, top, 1455, 255},
                     text(generalConventions[std::size_t(i)].caption),
                     3 + i,
                     {},
                     true});
        t.push_back({memberName("Check2", i),
                     ControlKind::CheckBox,
                     {2040, top, boxSize, boxSize},
                     {},
                     27 + i,
                     {}});
    }
}

// A frame of option buttons or check boxes, one per row, with the rows' own tab indices.
void addFrame(std::vector<ControlRow>& t, const char* frame, const char* members, QRect place,
              QStringView caption, int frameTab, int firstTab, int count, ControlKind kind) {
    const QString frameName = QString::fromLatin1(frame);
    t.push_back({frameName, ControlKind::Frame, place, text(caption), frameTab, {}});
    for (int i = 0; i < count; ++i) {
        t.push_back({memberName(members, i),
                     kind,
                     {120, firstRowTop + rowStep * i, boxSize, boxSize},
                     {},
                     firstTab + i,
                     frameName});
    }
}

void addOpeningAndRanges(std::vector<ControlRow>& t) {
    addFrame(t, "Frame1", "Option1", {2400, 0, 495, 975}, sideNS, 44, 45, 2,
             ControlKind::OptionButton);
    t.push_back({u"Label2"_s,
                 ControlKind::Label,
                 {3000, 240, 1215, 255},
                 text(openingCaptions[0]),
                 39,
                 {}});
    t.push_back({u"Label3"_s,
                 ControlKind::Label,
                 {3000, 600, 1215, 255},
                 text(openingCaptions[1]),
                 40,
                 {}});
    addFrame(t, "Frame2", "Option2", {4320, 0, 495, 975}, sideEO, 41, 42, 2,
             ControlKind::OptionButton);
    t.push_back({u"Label4"_s, ControlKind::Label, {3000, 1080, 855, 255}, text(sideNS), 63, {}});
    t.push_back({u"Label5"_s, ControlKind::Label, {3960, 1080, 855, 255}, text(sideEO), 64, {}});
    t.push_back({u"Label6"_s,
                 ControlKind::Label,
                 {2280, 1440, 615, 315},
                 text(rangeRowCaptions[0]),
                 65,
                 {},
                 true,
                 red});
    t.push_back({u"Label7"_s,
                 ControlKind::Label,
                 {2280, 1800, 615, 315},
                 text(rangeRowCaptions[1]),
                 66,
                 {},
                 true,
                 green});
    t.push_back(
        {u"Combo1"_s, ControlKind::ComboBox, {3000, 1440, 855, 315}, {}, 59, {}, true, red});
    t.push_back(
        {u"Combo2"_s, ControlKind::ComboBox, {3000, 1800, 855, 315}, {}, 60, {}, true, green});
    t.push_back(
        {u"Combo3"_s, ControlKind::ComboBox, {3960, 1440, 855, 315}, {}, 61, {}, true, red});
    t.push_back(
        {u"Combo4"_s, ControlKind::ComboBox, {3960, 1800, 855, 315}, {}, 62, {}, true, green});
}

void addCompetitive(std::vector<ControlRow>& t) {
    addFrame(t, "Frame7", "Check3", {2400, 2160, 495, 2055}, sideNS, 47, 49, CompetitiveCount,
             ControlKind::CheckBox);
    for (int k = 0; k < CompetitiveCount; ++k) {
        t.push_back({QStringLiteral("Label%1").arg(8 + k),
                     ControlKind::Label,
                     {3000, 2400 + rowStep * k, 1215, 255},
                     text(competitiveConventions[std::size_t(k)].caption),
                     67 + k,
                     {}});
    }
    addFrame(t, "Frame8", "Check4", {4320, 2160, 495, 2055}, sideEO, 48, 54, CompetitiveCount,
             ControlKind::CheckBox);
}

void addSystemFileArea(std::vector<ControlRow>& t) {
    t.push_back({u"Check5"_s,
                 ControlKind::CheckBox,
                 {2520, 4320, 2175, 255},
                 text(replaceCaption),
                 85,
                 {},
                 false,
                 red});
    t.push_back({u"Text1"_s,
                 ControlKind::TextBox,
                 {120, 4680, 2175, 285},
                 text(defaultSystemName),
                 76,
                 {}});
    t.push_back({u"File2"_s,
                 ControlKind::FileListBox,
                 {2400, 4680, 2415, 1455},
                 text(systemFilePattern),
                 77,
                 {},
                 true});
    t.push_back({u"Command4"_s,
                 ControlKind::PictureButton,
                 {120, 5040, 615, 495},
                 text(openNSTip),
                 78,
                 {},
                 false,
                 {},
                 Picture::OpenFolder});
    t.push_back({u"Command6"_s,
                 ControlKind::PictureButton,
                 {840, 5040, 735, 1095},
                 text(transferTip),
                 80,
                 {},
                 false,
                 {},
                 Picture::TransferDisk});
    t.push_back({u"Command5"_s,
                 ControlKind::PictureButton,
                 {1680, 5040, 615, 495},
                 text(openEOTip),
                 79,
                 {},
                 false,
                 {},
                 Picture::OpenFolder});
    t.push_back({u"Command2"_s,
                 ControlKind::PictureButton,
                 {120, 5640, 615, 495},
                 text(saveNSTip),
                 74,
                 {},
                 false,
                 {},
                 Picture::SaveDisk});
    t.push_back({u"Command3"_s,
                 ControlKind::PictureButton,
                 {1680, 5640, 615, 495},
                 text(saveEOTip),
                 75,
                 {},
                 false,
                 {},
                 Picture::SaveDisk});
}

// Controls beyond the right edge of the client area: never seen, still in the tab order.
void addHiddenControls(std::vector<ControlRow>& t) {
    t.push_back({u"File1"_s,
                 ControlKind::FileListBox,
                 {10560, 3120, 1815, 1845},
                 text(hostFilePattern),
                 0,
                 {}});
    t.push_back(
        {u"Command1"_s, ControlKind::Button, {7200, 120, 1335, 495}, text(reloadCaption), 1, {}});
    t.push_back({u"List1"_s, ControlKind::ListBox, {6840, 960, 1815, 2595}, {}, 2, {}});
    t.push_back(
        {u"Command7"_s, ControlKind::Button, {5640, 1920, 1215, 495}, text(checkCaption), 81, {}});
    t.push_back({u"List2"_s, ControlKind::ListBox, {5640, 3000, 1095, 1425}, {}, 82, {}});
    t.push_back({u"Label15"_s,
                 ControlKind::Label,
                 {5400, 1080, 975, 495},
                 text(spareLabelCaption),
                 83,
                 {}});
    t.push_back({u"Label16"_s,
                 ControlKind::Label,
                 {5520, 4800, 1815, 255},
                 text(replaceCaption),
                 84,
                 {},
                 true,
                 red});
}

std::vector<ControlRow> buildLayout() {
    std::vector<ControlRow> t;
    addGeneralConventions(t);
    addOpeningAndRanges(t);
    addCompetitive(t);
    addSystemFileArea(t);
    addHiddenControls(t);
    return t;
}

} // namespace

QString memberName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(array)).arg(index);
}

const std::vector<ControlRow>& form1Layout() {
    static const std::vector<ControlRow> layout = buildLayout();
    return layout;
}
