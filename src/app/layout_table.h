#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

// The window's controls as a table: each with its kind, place and size in twips, caption,
// colours and tab index. The window is built from it and nothing else places a control.

inline constexpr int twipsPerPixel = 15;

enum class ControlKind {
    Label,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    TextBox,
    FileListBox,
    Frame,
    Button,
    PictureButton
};

enum class Picture { None, SaveDisk, OpenFolder, TransferDisk };

struct ControlRow {
    QString name; // "Check1(3)" for member 3 of the array Check1
    ControlKind kind;
    QRect twips;  // left, top, width, height; inside its frame when it has one
    QString text; // caption, initial text, file pattern or tool tip
    int tabIndex;
    QString frame; // name of the frame that holds it, empty for the window itself
    bool greyBackground = false;
    QColor textColour{}; // invalid: the system's default
    Picture picture = Picture::None;

    QRect pixels() const {
        return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
                twips.height() / twipsPerPixel};
    }
};

// The client area, in twips.
inline constexpr int clientWidthTwips = 4905;
inline constexpr int clientHeightTwips = 6270;

// Name of member `index` of a control array.
QString memberName(const char* array, int index);

// Every control of the window, frames before the controls they hold.
const std::vector<ControlRow>& form1Layout();
