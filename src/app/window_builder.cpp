#include "window_builder.h"

#include "compact_combo_style.h"
#include "file_list_box.h"
#include "layout_table.h"
#include "text_field_accessibility.h"
#include "tri_state_check_box.h"
#include "window_pictures.h"
#include "window_texts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QColor colourOf(Colour colour) {
    switch (colour) {
    case Colour::LightGrey:
        return {224, 224, 224};
    case Colour::Black:
        return {0, 0, 0};
    case Colour::Red:
        return {255, 0, 0};
    case Colour::Green:
        return {0, 128, 0};
    case Colour::Default:
        break;
    }
    return {};
}

// A row's own text colour, or on a background the window fixes the black of a light palette:
// a dark palette's light text would not stand out from it.
Colour textColourOf(const ControlRow& row) {
    if (row.textColour == Colour::Default && row.background != Colour::Default)
        return Colour::Black;
    return row.textColour;
}

void applyColours(QWidget* w, const ControlRow& row) {
    QPalette palette = w->palette();
    if (row.background != Colour::Default) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, colourOf(row.background));
        w->setAutoFillBackground(true);
    }
    if (const Colour text = textColourOf(row); text != Colour::Default) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, colourOf(text));
    }
    w->setPalette(palette);
}

// Creates the widgets of the rows and remembers their tab indices.
class Builder {
  public:
    Builder(QWidget* window, const QDir& folder) : window_(window), folder_(folder) {}

    QLabel* label(const ControlRow& row) {
        return place(new QLabel(row.caption.toString(), window_), row);
    }
    QGroupBox* frame(const ControlRow& row) {
        return place(new QGroupBox(row.caption.toString(), window_), row);
    }
    TriStateCheckBox* checkBox(const ControlRow& row, QWidget* parent = nullptr) {
        return place(new TriStateCheckBox(row.caption.toString(), parent ? parent : window_), row);
    }
    QRadioButton* optionButton(const ControlRow& row, QWidget* frame) {
        return place(new QRadioButton(frame), row);
    }
    QLineEdit* textBox(const ControlRow& row) {
        return place(new QLineEdit(row.caption.toString(), window_), row);
    }
    FileListBox* fileList(const ControlRow& row) {
        return place(new FileListBox(folder_, row.pattern.toString(), window_), row);
    }
    QPushButton* button(const ControlRow& row) {
        return place(new QPushButton(row.caption.toString(), window_), row);
    }
    QComboBox* rangeBox(const ControlRow& row);
    QPushButton* pictureButton(const ControlRow& row);
    QListView* listBox(const ControlRow& row);

    // Tab visits the controls that take focus in the order of their tab indices.
    void chainTabOrder() {
        std::ranges::sort(tabOrder_, {}, &TabStop::index);
        std::erase_if(tabOrder_,
                      [](const TabStop& s) { return !(s.w->focusPolicy() & Qt::TabFocus); });
        for (std::size_t i = 1; i < tabOrder_.size(); ++i)
            QWidget::setTabOrder(tabOrder_[i - 1].w, tabOrder_[i].w);
        tabOrder_.front().w->setFocus();
    }

  private:
    template <typename W> W* place(W* w, const ControlRow& row) {
        w->setObjectName(QLatin1StringView(row.name));
        w->setGeometry(row.pixels());
        applyColours(w, row);
        if (!row.accessibleName.isEmpty())
            w->setAccessibleName(row.accessibleName.toString());
        if (!row.accessibleDescription.isEmpty())
            w->setAccessibleDescription(row.accessibleDescription.toString());
        tabOrder_.push_back({row.tabIndex, w});
        return w;
    }

    struct TabStop {
        int index;
        QWidget* w;
    };
    QWidget* window_;
    QDir folder_;
    std::vector<TabStop> tabOrder_;
};

// Range boxes keep exactly what is typed: no inline completion, and Return adds no entry.
QComboBox* Builder::rangeBox(const ControlRow& row) {
    auto* combo = new QComboBox(window_);
    auto* style = new CompactComboStyle;
    style->setParent(combo);
    combo->setStyle(style);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(7);
    return place(combo, row);
}

// A button that shows only its picture, with its tool tip also read by screen readers.
QPushButton* Builder::pictureButton(const ControlRow& row) {
    auto* button = new QPushButton(window_);
    button->setIcon(pictureIcon(pictureName(row.icon)));
    button->setIconSize(pictureSize(pictureName(row.icon)));
    button->setToolTip(row.toolTip.toString());
    button->setAccessibleName(row.toolTip.toString());
    return place(button, row);
}

// A list box shows one line of text per item, all of the same height: the view then lays out
// a list of any length without measuring each item.
QListView* Builder::listBox(const ControlRow& row) {
    auto* list = new QListView(window_);
    list->setUniformItemSizes(true);
    return place(list, row);
}

// What a screen reader calls a control of one side: what it is, blanks simplified, and its
// side, "Michael's CueBid, NS".
QString forSide(QStringView what, QStringView side) {
    return what.toString().simplified() + u", "_s + side.toString();
}

// Each control of a row that has no caption of its own is called by the row's caption, read
// between the two sides' columns.
template <typename W, std::size_t N>
void nameAfterRows(const std::array<W*, N>& controls, const std::array<ControlRow, N>& captions,
                   QStringView side) {
    for (std::size_t i = 0; i < N; ++i)
        controls[i]->setAccessibleName(forSide(captions[i].caption, side));
}

void nameForScreenReaders(const SideWidgets& w, const WindowLayout& layout, QStringView side) {
    nameAfterRows(w.general, layout.generalCaptions, side);
    nameAfterRows(w.opening, layout.openingCaptions, side);
    nameAfterRows(w.ntRange, layout.ntRangeCaptions, side);
    nameAfterRows(w.competitive, layout.competitiveCaptions, side);
}

SideWidgets createSide(Builder& b, const SideLayout& rows) {
    SideWidgets side;
    b.label(rows.generalHeader);
    std::ranges::transform(rows.general, side.general.begin(),
                           [&b](const ControlRow& row) { return b.checkBox(row); });
    // A frame's caption is its side alone: a screen reader also hears what it groups.
    QGroupBox* openingFrame = b.frame(rows.openingFrame);
    openingFrame->setAccessibleName(forSide(texts::openingGroup, rows.openingFrame.caption));
    std::ranges::transform(rows.opening, side.opening.begin(), [&](const ControlRow& row) {
        return b.optionButton(row, openingFrame);
    });
    b.label(rows.ntRangeHeader);
    std::ranges::transform(rows.ntRange, side.ntRange.begin(),
                           [&b](const ControlRow& row) { return b.rangeBox(row); });
    QGroupBox* competitiveFrame = b.frame(rows.competitiveFrame);
    competitiveFrame->setAccessibleName(
        forSide(texts::competitiveGroup, rows.competitiveFrame.caption));
    std::ranges::transform(rows.competitive, side.competitive.begin(), [&](const ControlRow& row) {
        return b.checkBox(row, competitiveFrame);
    });
    return side;
}

void createCaptions(Builder& b, const WindowLayout& layout) {
    const auto labels = [&b](const auto& rows) {
        for (const ControlRow& row : rows)
            b.label(row);
    };
    labels(layout.generalCaptions);
    labels(layout.openingCaptions);
    labels(layout.ntRangeCaptions);
    labels(layout.competitiveCaptions);
}

FileWidgets createFileArea(Builder& b, const WindowLayout& layout) {
    FileWidgets files;
    files.replaceBox = b.checkBox(layout.replaceBox);
    files.systemName = b.textBox(layout.systemName);
    files.systemFiles = b.fileList(layout.systemFiles);
    files.openNsButton = b.pictureButton(layout.openNsButton);
    files.transferButton = b.pictureButton(layout.transferButton);
    files.openEoButton = b.pictureButton(layout.openEoButton);
    files.saveNsButton = b.pictureButton(layout.saveNsButton);
    files.saveEoButton = b.pictureButton(layout.saveEoButton);
    return files;
}

void createUnseenControls(Builder& b, const WindowLayout& layout, FileWidgets& files) {
    b.fileList(layout.hostFiles);
    files.reloadButton = b.button(layout.reloadButton);
    files.workingCopyLines = b.listBox(layout.workingCopyLines);
    files.checkButton = b.button(layout.checkButton);
    b.listBox(layout.spareList);
    b.label(layout.spareLabel);
    b.label(layout.spareReplaceLabel);
}

} // namespace

WindowWidgets buildWindowWidgets(QWidget* window, const QDir& folder) {
    installTextFieldAccessibility();
    const WindowLayout& layout = windowLayout();
    Builder b(window, folder);
    WindowWidgets widgets{createSide(b, layout.ns), createSide(b, layout.eo), {}};
    nameForScreenReaders(widgets.ns, layout, layout.ns.generalHeader.caption);
    nameForScreenReaders(widgets.eo, layout, layout.eo.generalHeader.caption);
    createCaptions(b, layout);
    widgets.files = createFileArea(b, layout);
    createUnseenControls(b, layout, widgets.files);
    b.chainTabOrder();
    return widgets;
}
