#pragma once

#include "model/side_settings.h"

#include <QFont>
#include <QRect>
#include <QStringView>

#include <array>

// The window's controls as a table: one row per control, with its object name, place and size
// in twips, tab index, texts and colours. The window is built from it and nothing else places a
// control. The members of the table say what each control is for; the object names are the
// window's form names, kept for tests and accessibility.

inline constexpr int twipsPerPixel = 15;

// The client area, in twips.
inline constexpr int clientWidthTwips = 4905;
inline constexpr int clientHeightTwips = 6270;

enum class Picture { None, SaveDisk, OpenFolder, TransferDisk };
enum class Colour { Default, LightGrey, Black, Red, Green };

struct ControlRow {
    const char* name = "";
    QRect twips{}; // left, top, width, height; inside its frame for a control in a frame
    int tabIndex = 0;
    QStringView caption{};        // a label's, button's or frame's text, a text box's initial text
    QStringView toolTip{};        // also the accessible name of a picture button
    QStringView accessibleName{}; // what a screen reader calls a control without a caption
    QStringView accessibleDescription{}; // what a screen reader adds about what a control does
    QStringView pattern{};               // the names a file list box shows
    Picture icon = Picture::None;
    Colour background = Colour::Default;
    Colour textColour = Colour::Default;

    QRect pixels() const {
        return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
                twips.height() / twipsPerPixel};
    }
};

// The controls of one side's column; both sides are laid out alike.
struct SideLayout {
    ControlRow generalHeader;
    std::array<ControlRow, vornelle::GeneralCount> general; // check boxes
    ControlRow openingFrame;
    std::array<ControlRow, 2> opening; // option buttons in the frame: weak, standard
    ControlRow ntRangeHeader;
    std::array<ControlRow, 2> ntRange; // combo boxes: vulnerable, not vulnerable
    ControlRow competitiveFrame;
    std::array<ControlRow, vornelle::CompetitiveCount> competitive; // check boxes in the frame
};

struct WindowLayout {
    SideLayout ns;
    SideLayout eo;
    // Row captions, between the two sides' columns.
    std::array<ControlRow, vornelle::GeneralCount> generalCaptions;
    std::array<ControlRow, 2> openingCaptions;
    std::array<ControlRow, 2> ntRangeCaptions;
    std::array<ControlRow, vornelle::CompetitiveCount> competitiveCaptions;
    // System files and the transfer, at the bottom.
    ControlRow replaceBox;
    ControlRow systemName;
    ControlRow systemFiles;
    ControlRow openNsButton;
    ControlRow transferButton;
    ControlRow openEoButton;
    ControlRow saveNsButton;
    ControlRow saveEoButton;
    // Beyond the right edge of the client area: never seen, still in the tab order.
    ControlRow hostFiles;
    ControlRow reloadButton;
    ControlRow workingCopyLines;
    ControlRow checkButton;
    ControlRow spareList;
    ControlRow spareLabel;
    ControlRow spareReplaceLabel;
};

const WindowLayout& windowLayout();

// A font at which every caption and range text fits its control.
QFont windowFont();
