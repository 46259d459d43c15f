#include "controls.h"

#include "compact_combo_style.h"
#include "file_list_box.h"
#include "tri_state_check_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace {

const QColor lightGrey(224, 224, 224);

QString picturePath(Picture picture) {
    switch (picture) {
    case Picture::SaveDisk:
        return u":/pictures/save.svg"_s;
    case Picture::OpenFolder:
        return u":/pictures/open.svg"_s;
    case Picture::TransferDisk:
        return u":/pictures/transfer.svg"_s;
    case Picture::None:
        break;
    }
    return {};
}

// Range boxes keep exactly what is typed: no inline completion, and Return adds no entry.
QComboBox* createRangeBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    auto* style = new CompactComboStyle;
    style->setParent(combo);
    combo->setStyle(style);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(7);
    return combo;
}

// A button that shows only its picture, with its name as tool tip and for screen readers. The
// picture's own size gives its shape; asking the icon would render it large just to measure it.
QPushButton* createPictureButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(parent);
    const QString path = picturePath(row.picture);
    button->setIcon(QIcon(path));
    const QSize room = row.pixels().size() - QSize(8, 8);
    button->setIconSize(QSvgRenderer(path).defaultSize().scaled(room, Qt::KeepAspectRatio));
    button->setToolTip(row.text);
    button->setAccessibleName(row.text);
    return button;
}

// A list box shows one line of text per item, all of the same height: the view then lays out
// a list of any length without measuring each item.
QListView* createListBox(QWidget* parent) {
    auto* list = new QListView(parent);
    list->setUniformItemSizes(true);
    return list;
}

QWidget* createWidget(const ControlRow& row, const QDir& folder, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Label:
        return new QLabel(row.text, parent);
    case ControlKind::CheckBox:
        return new TriStateCheckBox(row.text, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(parent);
    case ControlKind::ComboBox:
        return createRangeBox(parent);
    case ControlKind::ListBox:
        return createListBox(parent);
    case ControlKind::TextBox:
        return new QLineEdit(row.text, parent);
    case ControlKind::FileListBox:
        return new FileListBox(folder, row.text, parent);
    case ControlKind::Frame:
        return new QGroupBox(row.text, parent);
    case ControlKind::Button:
        return new QPushButton(row.text, parent);
    case ControlKind::PictureButton:
        return createPictureButton(row, parent);
    }
    return nullptr;
}

void applyColours(QWidget* w, const ControlRow& row) {
    QPalette palette = w->palette();
    if (row.greyBackground) {
        palette.setColor(QPalette::Window, lightGrey);
        palette.setColor(QPalette::Base, lightGrey);
        palette.setColor(QPalette::Button, lightGrey);
        w->setAutoFillBackground(true);
    }
    if (row.textColour.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, row.textColour);
    }
    w->setPalette(palette);
}

} // namespace

QWidget* createControl(const ControlRow& row, const QDir& folder, QWidget* parent) {
    QWidget* w = createWidget(row, folder, parent);
    w->setObjectName(row.name);
    w->setGeometry(row.pixels());
    applyColours(w, row);
    return w;
}

QFont windowFont() {
    QFont font;
    font.setFamilies({u"DejaVu Sans Condensed"_s, u"Liberation Sans Narrow"_s, u"Arial"_s});
    font.setPixelSize(11);
    return font;
}

QIcon programIcon() {
    return QIcon(u":/pictures/app-icon.svg"_s);
}
