#include "form1.h"

#include "controls.h"
#include "file_list_box.h"
#include "hostfile/host_paths.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"
#include "model/convention_catalogue.h"
#include "shown_lines_model.h"
#include "systemfile/system_file_format.h"
#include "tri_state_check_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace Qt::StringLiterals;

Form1::Form1(const QString& hostPath, const QDir& folder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      hostPath_(hostPath), folder_(folder) {
    setWindowTitle(catalogue::windowCaption.toString());
    setWindowIcon(programIcon());
    setFont(windowFont());
    setFixedSize(clientWidthTwips / twipsPerPixel, clientHeightTwips / twipsPerPixel);
    buildControls();
    wireEvents();
    setTabOrder();
    setGuard(GuardState::Disarmed);
    controls_.value(u"File1"_s)->setFocus();
}

void Form1::buildControls() {
    for (const ControlRow& row : form1Layout()) {
        QWidget* parent = row.frame.isEmpty() ? this : controls_.value(row.frame);
        controls_.insert(row.name, createControl(row, folder_, parent));
    }
    bindSide(ns_, "Check1", "Option1", "Combo1", "Combo2", "Check3");
    bindSide(eo_, "Check2", "Option2", "Combo3", "Combo4", "Check4");
    check5_ = control<TriStateCheckBox>(u"Check5"_s);
    text1_ = control<QLineEdit>(u"Text1"_s);
    file2_ = control<FileListBox>(u"File2"_s);
    list1_ = control<QListView>(u"List1"_s);
    list1Lines_ = new ShownLinesModel(this);
    list1_->setModel(list1Lines_);
}

void Form1::bindSide(SideControls& side, const char* general, const char* options,
                     const char* vulnerable, const char* notVulnerable, const char* competitive) {
    for (int i = 0; i < GeneralCount; ++i)
        side.conventions[std::size_t(i)] = control<TriStateCheckBox>(memberName(general, i));
    for (int i = 0; i < 2; ++i)
        side.options[std::size_t(i)] = control<QRadioButton>(memberName(options, i));
    side.ranges = {control<QComboBox>(QString::fromLatin1(vulnerable)),
                   control<QComboBox>(QString::fromLatin1(notVulnerable))};
    for (int i = 0; i < CompetitiveCount; ++i)
        side.competitive[std::size_t(i)] = control<TriStateCheckBox>(memberName(competitive, i));
}

// The handlers of the window: every convention box, range text and the name disarm the guard,
// whether the user or the program changed them; picking a range from a list does not.
void Form1::wireEvents() {
    for (const SideControls* side : {&ns_, &eo_}) {
        for (auto* box : side->conventions)
            connect(box, &QCheckBox::stateChanged, this, &Form1::disarm);
        for (auto* box : side->competitive)
            connect(box, &QCheckBox::stateChanged, this, &Form1::disarm);
        for (auto* combo : side->ranges)
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, &Form1::disarm);
    }
    connect(text1_, &QLineEdit::textChanged, this, &Form1::disarm);
    connect(file2_, &FileListBox::picked, this, [this](const QString& name) {
        disarm();
        text1_->setText(systemNameOfFile(name));
    });
    connect(control<QPushButton>(u"Command1"_s), &QPushButton::clicked, this,
            [this] { loadWorkingCopy(); });
    connect(control<QPushButton>(u"Command2"_s), &QPushButton::clicked, this,
            [this] { saveSystemFile(Side::NS); });
    connect(control<QPushButton>(u"Command3"_s), &QPushButton::clicked, this,
            [this] { saveSystemFile(Side::EO); });
    connect(control<QPushButton>(u"Command4"_s), &QPushButton::clicked, this,
            [this] { openSystemFile(Side::NS); });
    connect(control<QPushButton>(u"Command5"_s), &QPushButton::clicked, this,
            [this] { openSystemFile(Side::EO); });
    connect(control<QPushButton>(u"Command6"_s), &QPushButton::clicked, this,
            [this] { transferToHost(); });
    connect(control<QPushButton>(u"Command7"_s), &QPushButton::clicked, this, &Form1::checkReplace);
}

void Form1::setTabOrder() {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : form1Layout()) {
        if (controls_.value(row.name)->focusPolicy() & Qt::TabFocus)
            rows.push_back(&row);
    }
    std::ranges::sort(rows, {}, &ControlRow::tabIndex);
    for (std::size_t i = 1; i < rows.size(); ++i)
        QWidget::setTabOrder(controls_.value(rows[i - 1]->name), controls_.value(rows[i]->name));
}

FileOutcome Form1::startUp() {
    if (FileOutcome failed = takeHostSnapshot(hostPath_, workingCopyPath(folder_)))
        return failed;
    if (FileOutcome failed = reload())
        return failed;
    fillRangeLists();
    return std::nullopt;
}

FileOutcome Form1::reload() {
    ShownLines lines;
    FileOutcome failed = ::loadWorkingCopy(workingCopyPath(folder_), *this, lines);
    list1Lines_->setLines(std::move(lines));
    return failed;
}

// Adding the first entry to an empty editable box replaces its text: put the text back.
void Form1::fillRangeLists() {
    for (const SideControls* side : {&ns_, &eo_}) {
        for (QComboBox* combo : side->ranges) {
            const QString text = combo->currentText();
            for (QStringView range : catalogue::ntRangeTexts)
                combo->addItem(range.toString());
            combo->setEditText(text);
        }
    }
}

FileOutcome Form1::loadWorkingCopy() {
    FileOutcome failed = reload();
    if (failed)
        reportFailure(*failed);
    return failed;
}

FileOutcome Form1::transferToHost() {
    FileOutcome failed = ::transferToHost(hostPath_, workingCopyPath(folder_),
                                          sideSettings(Side::NS), sideSettings(Side::EO));
    if (failed)
        reportFailure(*failed);
    return failed;
}

void Form1::checkReplace() {
    setGuard(::checkReplace(systemFileName(), file2_->names(), check5_->value()));
}

void Form1::disarm() {
    setGuard(GuardState::Disarmed);
}

void Form1::saveSystemFile(Side side) {
    if (text1_->text().isEmpty())
        return;
    checkReplace();
    if (guardState() != GuardState::Confirmed)
        return;
    if (FileOutcome failed =
            writeSystemFile(folder_.filePath(systemFileName()), sideSettings(side))) {
        reportFailure(*failed);
        return;
    }
    file2_->refresh();
    disarm();
}

void Form1::openSystemFile(Side side) {
    readSystemFile(folder_.filePath(systemFileName()), side, *this);
}

SideSettings Form1::sideSettings(Side side) const {
    const SideControls& c = sideControls(side);
    SideSettings s;
    std::ranges::transform(c.conventions, s.conventions.begin(),
                           [](const TriStateCheckBox* box) { return box->value(); });
    if (c.options[0]->isChecked())
        s.openingChoice = OpeningChoice::Option0;
    else if (c.options[1]->isChecked())
        s.openingChoice = OpeningChoice::Option1;
    s.ntRangeVulnerable = c.ranges[0]->currentText();
    s.ntRangeNotVulnerable = c.ranges[1]->currentText();
    std::ranges::transform(c.competitive, s.competitive.begin(),
                           [](const TriStateCheckBox* box) { return box->value(); });
    return s;
}

QString Form1::systemFileName() const {
    return ::systemFileName(text1_->text());
}

GuardState Form1::guardState() const {
    return stateOfValue(check5_->value());
}

void Form1::setGuard(GuardState state) {
    const GuardBox box = boxOf(state);
    check5_->setValue(box.value);
    check5_->setEnabled(box.enabled);
}

void Form1::reportFailure(const FileFailure& failure) {
    QMessageBox::critical(this, windowTitle(), failure.message());
}

TriStateCheckBox* Form1::checkBox(Side side, Group group, int row) const {
    const SideControls& c = sideControls(side);
    return group == Group::General ? c.conventions.at(std::size_t(row))
                                   : c.competitive.at(std::size_t(row));
}

void Form1::setCheck(Side side, Group group, int row, int value) {
    checkBox(side, group, row)->setValue(value);
}

void Form1::setOpening(Side side, OpeningChoice choice) {
    const SideControls& c = sideControls(side);
    if (choice != OpeningChoice::None)
        c.options[choice == OpeningChoice::Option0 ? 0 : 1]->setChecked(true);
}

// Setting a range text from the program raises the same notification as typing it.
void Form1::setRange(Side side, RangeKind kind, const QString& text) {
    QComboBox* combo = sideControls(side).ranges[std::size_t(kind)];
    if (combo->currentText() == text)
        return;
    combo->setEditText(text);
    disarm();
}
