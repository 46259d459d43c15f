#pragma once

#include "model/side_settings.h"

#include <array>

class FileListBox;
class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class TriStateCheckBox;

// One side's controls: they hold that side's settings while the program runs.
struct SideWidgets {
    std::array<TriStateCheckBox*, vornelle::GeneralCount> general{};
    std::array<QRadioButton*, 2> opening{}; // weak ("12H - 13DH"), standard ("13H - 14DH")
    std::array<QComboBox*, 2> ntRange{};    // vulnerable, not vulnerable
    std::array<TriStateCheckBox*, vornelle::CompetitiveCount> competitive{};
};

// The controls of the system files, the transfer and the working copy.
struct FileWidgets {
    TriStateCheckBox* replaceBox = nullptr;
    QLineEdit* systemName = nullptr;
    FileListBox* systemFiles = nullptr;
    QListView* workingCopyLines = nullptr;
    QPushButton* reloadButton = nullptr;
    QPushButton* saveNsButton = nullptr;
    QPushButton* saveEoButton = nullptr;
    QPushButton* openNsButton = nullptr;
    QPushButton* openEoButton = nullptr;
    QPushButton* transferButton = nullptr;
    QPushButton* checkButton = nullptr;
};

struct WindowWidgets {
    SideWidgets ns;
    SideWidgets eo;
    FileWidgets files;

    const SideWidgets& of(vornelle::Side side) const {
        return side == vornelle::Side::NS ? ns : eo;
    }
};
