#include "prefix_chooser.h"

#include "window_pictures.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

const QString title = u"Préfixe Wine de Vornelle"_s;
const QString folderTitle = u"Dossier du préfixe Wine de Vornelle"_s;

// A folder as the player knows it, his home folder written "~".
QString shown(const QString& folder) {
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + u'/'))
        return u'~' + folder.sliced(home.size());
    return folder;
}

// "1er mars 2026 à 09:05", "10 avril 2026 à 18:30".
QString changedOn(const QDateTime& time) {
    return QLocale(QLocale::French)
        .toString(time, time.date().day() == 1 ? u"d'er' MMMM yyyy 'à' HH:mm"_s
                                               : u"d MMMM yyyy 'à' HH:mm"_s);
}

// What the player reads above the rows: why he chooses, or that no prefix was found.
QString introduction(const PrefixToChoose& choice) {
    QString text;
    if (!choice.goneChoice.isEmpty())
        text = u"Le préfixe choisi la dernière fois, «\u00a0%1\u00a0», ne contient plus de "
               "fichier vornelle.ini.\n\n"_s.arg(shown(choice.goneChoice));
    return text + (choice.found.isEmpty()
                       ? u"Aucun préfixe Wine ne contient de fichier vornelle.ini. Endroits "
                         "examinés :"_s
                       : u"Choisissez le préfixe Wine où Vornelle garde ses réglages :"_s);
}

QString placesLooked(const PrefixToChoose& choice) {
    QStringList places;
    for (const QString& place : choice.placesLooked)
        places.append(shown(place));
    return places.join(u'\n');
}

QString missingSentence(const MissingInFolder& missing) {
    return u"«\u00a0%1\u00a0» n'est pas un préfixe Wine de Vornelle : il y manque "
           "«\u00a0%2\u00a0». Choisissez le dossier du préfixe, son dossier drive_c ou son "
           "dossier windows."_s.arg(shown(missing.prefix), missing.missing);
}

} // namespace

PrefixChooser::PrefixChooser(const PrefixToChoose& choice, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    setWindowIcon(pictureIcon(windowIconName));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    auto* intro = new QLabel(introduction(choice), this);
    intro->setWordWrap(true);
    intro->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    layout->addWidget(intro);
    if (choice.found.isEmpty()) {
        auto* places = new QLabel(placesLooked(choice), this);
        places->setIndent(fontMetrics().averageCharWidth() * 4);
        places->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(places);
    } else {
        addRows(choice);
        layout->addWidget(rows_);
    }
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);
    addButtons(layout);
}

void PrefixChooser::addButtons(QLayout* layout) {
    auto* buttons = new QDialogButtonBox(this);
    if (rows_) {
        auto* open = buttons->addButton(u"&Ouvrir"_s, QDialogButtonBox::AcceptRole);
        open->setDefault(true);
        connect(open, &QPushButton::clicked, this, &PrefixChooser::openRow);
    }
    otherFolder_ = buttons->addButton(u"&Autre dossier…"_s, QDialogButtonBox::ActionRole);
    otherFolder_->setToolTip(u"Choisir le dossier d'un préfixe Wine, son drive_c ou son dossier "
                             "windows"_s);
    connect(otherFolder_, &QPushButton::clicked, this, &PrefixChooser::openOtherFolder);
    auto* quit = buttons->addButton(u"&Quitter"_s, QDialogButtonBox::RejectRole);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PrefixChooser::addRows(const PrefixToChoose& choice) {
    rows_ = new QListWidget(this);
    rows_->setAccessibleName(u"Préfixes Wine trouvés"_s);
    rows_->setSpacing(3);
    for (const FoundPrefix& prefix : choice.found) {
        // Seen on two lines, heard as one.
        const QStringList parts{shown(prefix.folder), shownName(prefix.frontEnd),
                                u"réglages modifiés le "_s + changedOn(prefix.hostFileChanged)};
        auto* row = new QListWidgetItem(parts[0] + u'\n' + parts[1] + u" · "_s + parts[2], rows_);
        row->setData(Qt::UserRole, prefix.folder);
        row->setData(Qt::AccessibleTextRole, parts.join(u", "_s));
    }
    // Every row shown whole, up to five without scrolling.
    const int shownRows = int(std::min<qsizetype>(choice.found.size(), 5));
    const int frame = 2 * rows_->frameWidth();
    rows_->setFixedHeight(shownRows * (rows_->sizeHintForRow(0) + 2 * rows_->spacing()) + frame);
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows_->setMinimumWidth(rows_->sizeHintForColumn(0) + frame +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    rows_->setCurrentRow(int(choice.focused));
    rows_->setFocus();
    // Enter reaches the default button, "Ouvrir".
    connect(rows_, &QListWidget::itemDoubleClicked, this, &PrefixChooser::openRow);
    rows_->installEventFilter(this);
}

// When the list takes the focus, Qt (6.4.2, as checked with Orca) tells a screen reader that the
// list has it, not which of its rows: the row is told after it, as Qt tells it when the row
// changes.
bool PrefixChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rows_ && event->type() == QEvent::FocusIn && rows_->currentRow() >= 0)
        QMetaObject::invokeMethod(this, &PrefixChooser::tellCurrentRow, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void PrefixChooser::tellCurrentRow() {
    QAccessibleEvent focused(rows_, QAccessible::Focus);
    focused.setChild(rows_->currentRow());
    QAccessible::updateAccessibility(&focused);
}

void PrefixChooser::openRow() {
    if (const QListWidgetItem* row = rows_->currentItem()) {
        chosen_ = row->data(Qt::UserRole).toString();
        accept();
    }
}

void PrefixChooser::openOtherFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, folderTitle, QDir::homePath());
    if (folder.isEmpty())
        return;
    const auto prefix = prefixOfChosenFolder(folder);
    if (const auto* taken = std::get_if<QString>(&prefix)) {
        chosen_ = *taken;
        accept();
        return;
    }
    // Heard with the button, where the focus comes back from the folder dialog.
    const QString sentence = missingSentence(std::get<MissingInFolder>(prefix));
    problem_->setText(sentence);
    problem_->show();
    otherFolder_->setAccessibleDescription(sentence);
    activateWindow();
    otherFolder_->setFocus();
    adjustSize();
}
