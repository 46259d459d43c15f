#include "conventions_window.h"

#include "check_state_signal.h"
#include "file_list_box.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"
#include "layout_table.h"
#include "model/convention_catalogue.h"
#include "places/file_lookup.h"
#include "shown_lines_model.h"
#include "systemfile/system_file_format.h"
#include "tri_state_check_box.h"
#include "window_builder.h"
#include "window_pictures.h"
#include "window_texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// The entry of a range box's list that is current follows the text it shows, set by the program
// or typed, so that Up and Down go on from there, as in a native combo box. The text and the
// caret stay as they are.
void followText(QComboBox* combo) {
    const int entry = combo->findText(combo->currentText());
    if (entry < 0 || entry == combo->currentIndex())
        return;
    const int caret = combo->lineEdit()->cursorPosition();
    combo->setCurrentIndex(entry);
    combo->lineEdit()->setCursorPosition(caret);
}

} // namespace

ConventionsWindow::ConventionsWindow(const HostFile& host, const QDir& folder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      host_(host), folder_(folder), widgets_(buildWindowWidgets(this, folder)),
      workingCopyLines_(new ShownLinesModel(this)) {
    setObjectName(u"Form1"_s);
    setWindowTitle(texts::windowCaption.toString());
    setWindowIcon(pictureIcon(windowIconName));
    setFont(windowFont());
    setFixedSize(clientWidthTwips / twipsPerPixel, clientHeightTwips / twipsPerPixel);
    widgets_.files.workingCopyLines->setModel(workingCopyLines_);
    wireEvents();
    disarm();
}

// Every convention box, range text and the system name disarm the guard, whether the user or
// the program changed them; picking a range from a list does not.
void ConventionsWindow::wireEvents() {
    for (const SideWidgets* side : {&widgets_.ns, &widgets_.eo}) {
        for (auto* box : side->general)
            connect(box, checkStateChangedSignal, this, &ConventionsWindow::disarm);
        for (auto* box : side->competitive)
            connect(box, checkStateChangedSignal, this, &ConventionsWindow::disarm);
        for (auto* combo : side->ntRange) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, &ConventionsWindow::disarm);
            connect(combo, &QComboBox::editTextChanged, combo, [combo] { followText(combo); });
        }
    }
    const FileWidgets& files = widgets_.files;
    connect(files.systemName, &QLineEdit::textChanged, this, &ConventionsWindow::disarm);
    connect(files.systemFiles, &FileListBox::picked, this, [this](const QString& name) {
        disarm();
        widgets_.files.systemName->setText(systemNameOfFile(name));
    });
    const auto onClick = [this](QPushButton* button, auto action) {
        connect(button, &QPushButton::clicked, this, action);
    };
    onClick(files.reloadButton, [this] { report(loadWorkingCopy()); });
    onClick(files.transferButton, [this] { report(transferToHost()); });
    onClick(files.saveNsButton, [this] { report(saveSystemFile(Side::NS)); });
    onClick(files.saveEoButton, [this] { report(saveSystemFile(Side::EO)); });
    onClick(files.openNsButton, [this] { openSystemFile(Side::NS); });
    onClick(files.openEoButton, [this] { openSystemFile(Side::EO); });
    onClick(files.checkButton, [this] { checkReplace(); });
}

FileOutcome ConventionsWindow::startUp() {
    if (FileOutcome failed =
            takeHostSnapshot(fileHostReads(host_, copyExistsNow(host_)), workingCopyPath(folder_)))
        return failed;
    if (FileOutcome failed = loadWorkingCopy())
        return failed;
    fillRangeLists();
    return std::nullopt;
}

// Adding the first entry to an empty editable box replaces its text: put the text back.
void ConventionsWindow::fillRangeLists() {
    for (const SideWidgets* side : {&widgets_.ns, &widgets_.eo}) {
        for (QComboBox* combo : side->ntRange) {
            const QString text = combo->currentText();
            for (QStringView range : catalogue::ntRangeTexts)
                combo->addItem(range.toString());
            combo->setEditText(text);
        }
    }
}

FileOutcome ConventionsWindow::loadWorkingCopy() {
    ShownLines lines;
    FileOutcome failed = vornelle::loadWorkingCopy(workingCopyPath(folder_), *this, lines);
    workingCopyLines_->setLines(std::move(lines));
    return failed;
}

FileOutcome ConventionsWindow::transferToHost() {
    return vornelle::transferToHost(host_, workingCopyPath(folder_), sideSettings(Side::NS),
                                    sideSettings(Side::EO));
}

FileOutcome ConventionsWindow::saveSystemFile(Side side) {
    if (widgets_.files.systemName->text().isEmpty())
        return std::nullopt;
    checkReplace();
    if (guardState() != GuardState::Confirmed)
        return std::nullopt;
    if (FileOutcome failed =
            writeSystemFile(folder_.filePath(systemFileName()), sideSettings(side)))
        return failed;
    widgets_.files.systemFiles->refresh();
    disarm();
    return std::nullopt;
}

// An open stops without a word at the first missing or bad field and keeps the values it set
// before it: whether it read all 20 is not reported.
void ConventionsWindow::openSystemFile(Side side) {
    static_cast<void>(readSystemFile(folder_.filePath(systemFileName()), side, *this));
}

void ConventionsWindow::checkReplace() {
    const FileWidgets& files = widgets_.files;
    setGuard(vornelle::checkReplace(systemFileName(), files.systemFiles->names(),
                                    files.replaceBox->value()));
}

void ConventionsWindow::disarm() {
    setGuard(GuardState::Disarmed);
}

void ConventionsWindow::setGuard(GuardState state) {
    const GuardBox box = boxOf(state);
    widgets_.files.replaceBox->setValue(box.value);
    widgets_.files.replaceBox->setEnabled(box.enabled);
}

GuardState ConventionsWindow::guardState() const {
    return stateOfValue(widgets_.files.replaceBox->value());
}

QString ConventionsWindow::systemFileName() const {
    return vornelle::systemFileName(widgets_.files.systemName->text());
}

void ConventionsWindow::report(const FileOutcome& failed) {
    if (failed)
        QMessageBox::critical(this, windowTitle(), texts::failureMessage(*failed));
}

SideSettings ConventionsWindow::sideSettings(Side side) const {
    const SideWidgets& w = widgets_.of(side);
    SideSettings s;
    std::ranges::transform(w.general, s.general.begin(), &TriStateCheckBox::value);
    if (w.opening[0]->isChecked())
        s.opening = OpeningChoice::Weak;
    else if (w.opening[1]->isChecked())
        s.opening = OpeningChoice::Standard;
    s.ntRangeVulnerable = w.ntRange[0]->currentText();
    s.ntRangeNotVulnerable = w.ntRange[1]->currentText();
    std::ranges::transform(w.competitive, s.competitive.begin(), &TriStateCheckBox::value);
    return s;
}

TriStateCheckBox* ConventionsWindow::checkBox(Side side, Group group, int row) const {
    const SideWidgets& w = widgets_.of(side);
    return group == Group::General ? w.general.at(std::size_t(row))
                                   : w.competitive.at(std::size_t(row));
}

void ConventionsWindow::setCheck(Side side, Group group, int row, CheckValue value) {
    checkBox(side, group, row)->setValue(value);
}

void ConventionsWindow::setOpening(Side side, OpeningChoice choice) {
    if (choice != OpeningChoice::None)
        widgets_.of(side).opening[choice == OpeningChoice::Weak ? 0 : 1]->setChecked(true);
}

// Setting a range text from the program raises the same notification as typing it.
void ConventionsWindow::setNtRange(Side side, Vulnerability v, const QString& text) {
    QComboBox* combo = widgets_.of(side).ntRange[std::size_t(v)];
    if (combo->currentText() == text)
        return;
    combo->setEditText(text);
    disarm();
}
