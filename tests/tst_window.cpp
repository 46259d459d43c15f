// The window on real files, as the user meets it: its look after start-up, compared with
// tests/data/window.snapshot; what clicks and keys do; and bad files and file-system faults,
// after which the program goes on, shows a message where one is due and loses no byte.
#include "conventions_window.h"
#include "model/convention_catalogue.h"
#include "model/windows_1252.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"
#include "tri_state_check_box.h"
#include "window_texts.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(GuardState)

namespace {

// Runs `action` while no file of this process may grow past `bytes`: writes beyond it come back
// short and then fail with "File too large", as on a full disk.
template <typename F> auto withFileSizeLimit(rlim_t bytes, F action) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    auto result = action();
    setrlimit(RLIMIT_FSIZE, &saved);
    return result;
}

// Runs `action`, closing the message box it opens; gives the box's text, empty when none.
QString messageDuring(const std::function<void()>& action) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        }
    });
    poll.start(10);
    action();
    return text;
}

QString shown(const QVariant& v) {
    if (v.typeId() == QMetaType::QRect) {
        const QRect r = v.toRect();
        return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    if (v.typeId() == QMetaType::QSize)
        return u"%1x%2"_s.arg(v.toSize().width()).arg(v.toSize().height());
    return v.typeId() == QMetaType::QString ? u'"' + v.toString() + u'"' : v.toString();
}

// A control's properties that the user sees, what a screen reader calls it, its items, and the
// colours that the window sets.
QString describe(QWidget* w) {
    QStringList parts{w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                      u"parent="_s + w->parentWidget()->objectName()};
    const bool noIcon = w->property("icon").value<QIcon>().isNull();
    for (const char* name : {"geometry", "enabled", "focusPolicy", "text", "title", "checked",
                             "currentText", "toolTip", "iconSize", "autoFillBackground"}) {
        const QVariant value = w->property(name);
        const bool empty = value.typeId() == QMetaType::QString && value.toString().isEmpty();
        if (value.isValid() && !empty && !(noIcon && qstrcmp(name, "iconSize") == 0))
            parts << QString::fromLatin1(name) + u'=' + shown(value);
    }
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
    parts << u"name="_s + shown(reader->text(QAccessible::Name));
    if (const QString about = reader->text(QAccessible::Description); !about.isEmpty())
        parts << u"description="_s + shown(about);
    if (const auto* box = qobject_cast<const QCheckBox*>(w))
        parts << u"checkState="_s + shown(QVariant::fromValue(box->checkState()));
    const auto* view = qobject_cast<const QAbstractItemView*>(w);
    const QAbstractItemModel* items = view ? view->model() : nullptr;
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        items = combo->model();
    for (int i = 0; items && i < items->rowCount(); ++i)
        parts << u"item=\""_s + items->index(i, 0).data().toString() + u'"';
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        if (w->palette().isBrushSet(QPalette::Active, r))
            parts << shown(QVariant::fromValue(r)) + u'=' +
                         w->palette().color(QPalette::Active, r).name();
    }
    return parts.join(u' ');
}

QString sizesOf(const QIcon& icon) {
    QStringList sizes;
    for (QSize size : icon.availableSizes())
        sizes << shown(size);
    return sizes.join(u',');
}

// The named controls that Tab visits, from the first focus.
QWidgetList tabChain(QWidget* window) {
    QWidget* const first = window->focusWidget();
    QWidgetList chain{first};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    }
    return chain;
}

// The controls of the window's table: the named ones, not the parts that Qt adds to them.
QWidgetList controls(QWidget* window) {
    QWidgetList named = window->findChildren<QWidget*>();
    named.removeIf([](const QWidget* w) {
        return w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_s);
    });
    return named;
}

// The window and its controls, then the controls that Tab visits from the first focus.
QByteArray snapshot(QWidget* window) {
    QStringList lines;
    for (QWidget* w : controls(window))
        lines << describe(w);
    lines.sort();
    lines.prepend(u"window %1 \"%2\" %3 fixed=%4 flags=0x%5 font=\"%6\" %7px icon=%8"_s
                      .arg(window->objectName(), window->windowTitle(), shown(window->size()))
                      .arg(window->minimumSize() == window->maximumSize())
                      .arg(uint(window->windowFlags()), 0, 16)
                      .arg(window->font().family())
                      .arg(window->font().pixelSize())
                      .arg(sizesOf(window->windowIcon())));
    QStringList chain;
    for (const QWidget* w : tabChain(window))
        chain << w->objectName();
    lines << u"tab chain: "_s + chain.join(u' ');
    return lines.join(u'\n').toUtf8() + '\n';
}

// WCAG's contrast of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

using Tree = QMap<QString, QByteArray>;

// Every entry under `root` with its bytes; a folder stands as "<folder>".
Tree tree(const QString& root) {
    Tree entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries.insert(QDir(root).relativeFilePath(info.filePath()),
                       info.isDir() ? "<folder>" : fileBytes(info.filePath()));
    }
    return entries;
}

// A system file with every check field `check`, the weak opening and the two range fields.
QByteArray systemFile(const char* check, const QByteArray& ranges) {
    return QByteArray(check).repeated(12) + "#TRUE#\r\n" + ranges + QByteArray(check).repeated(5);
}

// The system file opened first, over which bad ones are opened.
const QByteArray baseSystem = systemFile("2\r\n", "\"base\"\r\n\"base\"\r\n");

// The start of the message that a failed step on `path` shows.
QString failureText(const QString& verb, const QString& path) {
    return u"Impossible %1 le fichier « %2 »"_s.arg(verb, QDir::toNativeSeparators(path));
}

// What a transfer meets, in the table of transfer. With WindowsCopy the host file has a copy in
// a VirtualStore, as on Windows, and the current folder stands for %LOCALAPPDATA%; ReadOnly makes
// the host folder's own file system read-only.
enum Fault {
    CopyIsFolder = 1,
    AsUser = 2,
    FullDisk = 4,
    HostWritable = 8,
    SizeLimit = 16,
    WindowsCopy = 32,
    ReadOnly = 64
};

bool setMode(const QString& path, mode_t mode) {
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// The host folder gets a file system of its own, in a mount namespace of this thread only.
bool mountSmallFileSystem(const QString& folder) {
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
  private:
    // The window started on the files of the temporary folder.
    void start(const QString& virtualStoreCopy = {}) {
        window_ =
            std::make_unique<ConventionsWindow>(HostFile(host_, virtualStoreCopy), QDir(cwd()));
        QVERIFY(!window_->startUp());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    // A control, reached by its form name as screen readers and tests see it.
    template <typename T = QWidget> T* get(const char* name) const {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void press(const char* button) const { get<QPushButton>(button)->click(); }
    QString messageOnPress(const char* button) const {
        return messageDuring([this, button] { press(button); });
    }
    void setName(const QString& name) const { get<QLineEdit>("Text1")->setText(name); }
    // The replace guard's state, as its box shows it; the box is enabled when it is armed.
    GuardState guard() const {
        const auto* box = get<TriStateCheckBox>("Check5");
        const GuardState state = stateOfValue(box->value());
        if (box->isEnabled() != (state != GuardState::Disarmed))
            qFatal("the replace box is enabled when the guard is disarmed, or the other way");
        return state;
    }
    QString cwd(const QString& name = {}) const { return dir_.filePath(u"cwd/"_s + name); }
    QByteArray saved(const char* name) const { return fileBytes(cwd(QString::fromLatin1(name))); }
    QString hostFolder() const { return dir_.filePath(u"windows"_s); }
    QString root() const { return dir_.path(); }

    // The host settings file "windows/vornelle.ini", and "cwd" for the current directory.
    QTemporaryDir dir_;
    const QString host_ = dir_.filePath(u"windows/vornelle.ini"_s);
    std::unique_ptr<ConventionsWindow> window_;

  private Q_SLOTS:
    // Takes away the host folder's own file system, where a case gave it one.
    void cleanup() { umount2(QFile::encodeName(hostFolder()).constData(), MNT_DETACH); }
    void init() {
        window_.reset();
        QDir(root()).removeRecursively();
        QVERIFY(QDir().mkpath(hostFolder()) && QDir().mkpath(cwd()));
        QVERIFY(putFile(host_, fileBytes(dataPath(u"host/mixed-ends.ini"_s))));
        QVERIFY(putFile(cwd(u"Acol.vns"_s), QByteArray("0\r\n").repeated(20)));
        QVERIFY(putFile(cwd(u".cache.VNS"_s), QByteArray("1\r\n").repeated(20)));
        QVERIFY(putFile(cwd(u"autre.ini"_s), {}));
    }

    // On a dark desktop palette: the window as stored; text on a background it fixes stands out
    // at 4.5:1 at least, but the colour code's red and green.
    void snapshotAfterStartUp() {
        const auto restore =
            qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
        QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(53, 53, 53)));
        start();
        QVERIFY(matchesStored(snapshot(window_.get()), u"window.snapshot"_s));
        const QStringList colourCode{u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s,
                                     u"Label6"_s, u"Label7"_s, u"Label16"_s};
        for (const QWidget* w : controls(window_.get())) {
            const QPalette p = w->palette();
            QVERIFY2(
                !w->autoFillBackground() || colourCode.contains(w->objectName()) ||
                    std::min(contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)),
                             contrast(p.color(QPalette::Text), p.color(QPalette::Base))) >= 4.5,
                qPrintable(w->objectName()));
        }
    }

    // Every caption and every range text fits its control at the window's font.
    void captionsFit() {
        start();
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            if (label->x() < window_->width())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
        }
        const QLineEdit* edit = get<QComboBox>("Combo1")->lineEdit();
        for (QStringView range : catalogue::ntRangeTexts)
            QVERIFY(edit->fontMetrics().horizontalAdvance(range.toString()) + 2 <= edit->width());
    }

    void guardEvents_data() {
        using Event = std::function<void(TestWindow*)>;
        QTest::addColumn<Event>("event");
        QTest::addColumn<GuardState>("after");
        const auto D = GuardState::Disarmed, U = GuardState::Unconfirmed, C = GuardState::Confirmed;
        const auto click = [](const char* name) {
            return Event(
                [name](TestWindow* t) { QTest::mouseClick(t->get(name), Qt::LeftButton); });
        };
        const auto reload = [](const QByteArray& copy) {
            return Event([copy](TestWindow* t) {
                QVERIFY(putFile(t->cwd(u"Vnlini.vne"_s), copy));
                t->press("Command1");
            });
        };
        const auto type = [](const char* name, const QString& text) {
            return Event([name, text](TestWindow* t) { QTest::keyClicks(t->get(name), text); });
        };
        QTest::newRow("user ticks a general convention") << click("Check2(5)") << D;
        QTest::newRow("user clicks a grayed box, which becomes checked")
            << Event([](TestWindow* t) {
                   auto* box = t->get<TriStateCheckBox>("Check1(6)");
                   box->setValue(CheckValue::Grayed);
                   QTest::mouseClick(box, Qt::LeftButton);
                   QCOMPARE(box->value(), CheckValue::Checked);
               })
            << D;
        QTest::newRow("user ticks a competitive convention") << click("Check3(4)") << D;
        QTest::newRow("user unticks the replace box") << click("Check5") << U;
        QTest::newRow("user selects an opening") << click("Option1(0)") << C;
        QTest::newRow("user types a range") << type("Combo3", u"12"_s) << D;
        QTest::newRow("user types a name") << type("Text1", u"x"_s) << D;
        // Up and Down go from the entry of the text shown, whether loaded or typed.
        QTest::newRow("user picks a range from the list") << Event([](TestWindow* t) {
            QTest::keyClick(t->get("Combo1"), Qt::Key_Down);
            QCOMPARE(t->get<QComboBox>("Combo1")->currentText(), u"16-18H"_s);
        }) << C;
        QTest::newRow("user types a range, then picks the one above") << Event([](TestWindow* t) {
            QTest::keyClick(t->get("Combo2"), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(t->get("Combo2"), u"12-14H"_s);
            QTest::keyClick(t->get("Combo2"), Qt::Key_Up);
            QCOMPARE(t->get<QComboBox>("Combo2")->currentText(), u"11-13H"_s);
        }) << D;
        QTest::newRow("reload changes a box") << reload("NsMmin=1\r\n") << D;
        QTest::newRow("reload changes a range") << reload("Ns1SaNV=13\r\n") << D;
        QTest::newRow("reload changes nothing") << reload("NsTexas=0\r\nNs1Sa=15\r\n") << C;
        QTest::newRow("transfer") << Event([](TestWindow* t) { t->press("Command6"); }) << C;
        QTest::newRow("name listed in another letter case, checked") << Event([](TestWindow* t) {
            t->setName(u".cache"_s); // ".cache.VNS" is listed, not ".cache.vns"
            t->press("Command7");
        }) << C;
        QTest::newRow("system file opened") << Event([](TestWindow* t) {
            t->setName(u"Acol"_s);
            t->press("Command7");
            t->press("Command4");
        }) << D;
        QTest::newRow("user clicks a system file") << Event([](TestWindow* t) {
            auto* list = t->get<QListWidget>("File2");
            const QRect r = list->visualItemRect(list->findItems(u"Acol.vns"_s, {}).first());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            QCOMPARE(t->get<QLineEdit>("Text1")->text(), u"Acol"_s);
        }) << D;
        // Space selects the entry made current when the list takes the focus.
        QTest::newRow("user selects a hidden file by keyboard") << Event([](TestWindow* t) {
            t->get("File2")->setFocus();
            QTest::keyClick(t->get("File2"), Qt::Key_Space);
            QCOMPARE(t->get<QLineEdit>("Text1")->text(), u".cache"_s);
        }) << D;
    }

    // The guard is confirmed for a new name, then each event either disarms it or leaves it.
    void guardEvents() {
        start();
        QFETCH(std::function<void(TestWindow*)>, event);
        QFETCH(GuardState, after);
        press("Command7");
        QCOMPARE(guard(), GuardState::Confirmed);
        event(this);
        QCOMPARE(guard(), after);
    }

    // A listed name asks first: only once the box is ticked is the file replaced, and a save cut
    // short by the file size limit leaves it whole and says so. A new name is saved at once and
    // listed, a name where a folder stands is refused with a message, an empty name saves nothing.
    void saveAsksBeforeReplacing() {
        QVERIFY(QDir().mkdir(cwd(u"Dossier.vns"_s)));
        start();
        const Tree before = tree(root());
        setName(u"Acol"_s);
        press("Command2");
        press("Command2");
        QTest::mouseClick(get("Check5"), Qt::LeftButton);
        QVERIFY(withFileSizeLimit(40, [this] {
                    return messageOnPress("Command3");
                }).startsWith(failureText(u"d'écrire"_s, cwd(u"Acol.vns"_s))));
        QCOMPARE(tree(root()), before);
        QCOMPARE(guard(), GuardState::Confirmed);
        press("Command3");
        QCOMPARE(saved("Acol.vns"), encodeSystemFile(window_->sideSettings(Side::EO)));
        QCOMPARE(guard(), GuardState::Disarmed);
        setName(u"Nouveau"_s);
        press("Command2");
        QCOMPARE(saved("Nouveau.vns"), encodeSystemFile(window_->sideSettings(Side::NS)));
        QCOMPARE(get<QListWidget>("File2")->count(), 3);
        setName(u"Dossier"_s);
        QVERIFY(messageOnPress("Command2")
                    .startsWith(failureText(u"d'écrire"_s, cwd(u"Dossier.vns"_s))));
        setName({});
        press("Command2");
        QVERIFY(!QFile::exists(cwd(u".vns"_s)));
    }

    // What one side saved opens into the other.
    void savedSideOpensIntoTheOther() {
        start();
        setName(u"Sud"_s);
        get<TriStateCheckBox>("Check1(11)")->setValue(CheckValue::Grayed);
        get<QComboBox>("Combo2")->setEditText(u"13-15H"_s);
        press("Command2");
        const SideSettings ns = window_->sideSettings(Side::NS);
        QVERIFY(window_->sideSettings(Side::EO) != ns);
        press("Command5");
        QCOMPARE(window_->sideSettings(Side::EO), ns);
    }

    void transferWritesTheWindow() {
        start();
        get<TriStateCheckBox>("Check1(0)")->setValue(CheckValue::Checked);
        get<QComboBox>("Combo1")->setEditText(u"11-13H"_s);
        get<QRadioButton>("Option2(1)")->setChecked(true);
        QCOMPARE(messageOnPress("Command6"), QString());
        QVERIFY(matchesStored(fileBytes(host_), u"host/mixed-ends.transferred"_s));
        QCOMPARE(fileBytes(cwd(u"Vnlini.vne"_s)), fileBytes(host_));
    }

    void anyHostFileCarriedWhole_data() {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QByteArray>("copy");
        const auto row = [](const char* name, const QByteArray& line, const QByteArray& end) {
            const QByteArrayList lines{"[Vornelle]", line, "NsRkcb=1", "EO1Sa=13"};
            QTest::newRow(name) << lines.join(end) + end << lines.join("\r\n") + "\r\n";
        };
        QTest::newRow("mixed, last line without end")
            << QByteArray("[Vornelle]\r\nJoueurs=4\n\rNsRkcb=1\rEO1Sa=13")
            << QByteArray("[Vornelle]\r\nJoueurs=4\r\n\r\nNsRkcb=1\r\nEO1Sa=13\r\n");
        QByteArray high;
        for (int c = 0x80; c <= 0xff; ++c)
            high += char(c);
        row("bytes 0x80 to 0xFF", high, "\r\n");
        row("NUL bytes, one inside a key", QByteArray("Ns\0Rkcb=0\0", 10), "\n");
        row("a line of 8 MB", QByteArray("abc\x80\xff\t =;").repeated(800000), "\r\n");
    }

    // Start-up copies any host file with its lines ended by CR LF, reads its keys and shows every
    // line; a transfer of the values just read writes the same bytes to both files.
    void anyHostFileCarriedWhole() {
        QFETCH(QByteArray, host);
        QFETCH(QByteArray, copy);
        QVERIFY(putFile(host_, host));
        start();
        QCOMPARE(get<TriStateCheckBox>("Check1(9)")->value(), CheckValue::Checked);
        QCOMPARE(get<QComboBox>("Combo3")->currentText(), u"13-15H"_s);
        const QAbstractItemModel* lines = get<QListView>("List1")->model();
        QByteArray shown;
        for (int row = 0; row < lines->rowCount(); ++row)
            shown += toWindows1252(lines->index(row, 0).data().toString()) + "\r\n";
        QCOMPARE(shown, copy);
        Tree expected = tree(root());
        QCOMPARE(expected[u"cwd/Vnlini.vne"_s], copy);
        expected[u"windows/vornelle.ini"_s] = copy;
        QVERIFY(!window_->transferToHost());
        QCOMPARE(tree(root()), expected);
    }

    void startUpRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("stands"); // 0 nothing, 1 an empty file, 2 a folder
        QTest::addColumn<QString>("verb");
        QTest::newRow("host file missing") << u"windows/vornelle.ini"_s << 0 << u"de lire"_s;
        QTest::newRow("host file empty") << u"windows/vornelle.ini"_s << 1 << u"de lire"_s;
        QTest::newRow("host file a folder") << u"windows/vornelle.ini"_s << 2 << u"de lire"_s;
        QTest::newRow("working copy a folder") << u"cwd/Vnlini.vne"_s << 2 << u"d'écrire"_s;
    }

    // Start-up fails with the file named and changes nothing, but for the empty working copy that
    // an empty host file leaves.
    void startUpRefused() {
        QFETCH(QString, path);
        QFETCH(int, stands);
        QFETCH(QString, verb);
        path = dir_.filePath(path);
        QFile::remove(path);
        QVERIFY(stands != 1 || putFile(path, {}));
        QVERIFY(stands != 2 || QDir().mkdir(path));
        Tree expected = tree(root());
        if (stands == 1)
            expected[u"cwd/Vnlini.vne"_s] = "";
        const FileOutcome failed = ConventionsWindow(host_, QDir(cwd())).startUp();
        QVERIFY(failed);
        QVERIFY(texts::failureMessage(*failed).startsWith(failureText(verb, path)));
        QCOMPARE(tree(root()), expected);
    }

    void transfer_data() {
        QTest::addColumn<int>("faults");
        QTest::newRow("working copy a folder") << int(CopyIsFolder);
        QTest::newRow("working copy cut by the file size limit") << int(SizeLimit);
        QTest::newRow("host folder and file read-only for the user") << int(AsUser);
        QTest::newRow("disk full while replacing the file") << int(FullDisk);
        // The folder refuses a new file: the host file is written in place, or put back.
        QTest::newRow("host file written in place") << (AsUser | HostWritable);
        QTest::newRow("disk full while writing in place") << (FullDisk | AsUser | HostWritable);
        QTest::newRow("host file refused, its Windows copy written") << (AsUser | WindowsCopy);
        QTest::newRow("read-only file system, not a refusal")
            << (FullDisk | ReadOnly | WindowsCopy);
    }

    // A transfer that cannot write names the file and changes none but the working copy, leaving
    // no temporary file; once the fault is gone, the same window transfers. The new host text
    // (72 kB) fits the small file system only once the former one (48 kB) is gone. A host file
    // that refuses the user gets its Windows copy written, in a folder made for it, and then read;
    // one that fails otherwise does not.
    void transfer() {
        QFETCH(int, faults);
        const auto text = [](const char* blackwood, const QByteArray& end) {
            return QByteArrayList{"[Vornelle]", blackwood}.join(end) + end +
                   ("x" + end).repeated(24000);
        };
        const auto remount = [this](unsigned long flags, const char* options) {
            return mount(nullptr, QFile::encodeName(hostFolder()).constData(), nullptr,
                         MS_REMOUNT | flags, options) == 0;
        };
        if (faults & FullDisk && !mountSmallFileSystem(hostFolder()))
            QSKIP(qPrintable(u"no file system of its own for the host folder: "_s +
                             qt_error_string()));
        QVERIFY(putFile(host_, text("NsRkcb=1", "\n")));
        // Root's folders, which the user may read; the current folder the user may write.
        QVERIFY(setMode(root(), 0755) && setMode(cwd(), 0777) && setMode(hostFolder(), 0755));
        QVERIFY(setMode(host_, faults & HostWritable ? 0666 : 0644));
        QVERIFY(!(faults & ReadOnly) || remount(MS_RDONLY, nullptr));
        const QString store = u"cwd/VirtualStore/windows/vornelle.ini"_s;
        start(faults & WindowsCopy ? dir_.filePath(store) : QString());
        get<TriStateCheckBox>("Check1(9)")->setValue(CheckValue::Unchecked);
        const QString copy = cwd(u"Vnlini.vne"_s);
        if (faults & CopyIsFolder)
            QVERIFY(QFile::remove(copy) && QDir().mkdir(copy));
        Tree expected = tree(root());
        const QByteArray written = text("NsRkcb=0", "\r\n");
        const bool copyFails = faults & (CopyIsFolder | SizeLimit);
        if (!copyFails)
            expected[u"cwd/Vnlini.vne"_s] = written;
        const bool fails = faults & FullDisk || !(faults & (HostWritable | WindowsCopy));
        const QString hostSees = faults & WindowsCopy && !fails ? store : u"windows/vornelle.ini"_s;
        if (!fails)
            expected[hostSees] = written;
        if (faults & WindowsCopy && !fails)
            expected[u"cwd/VirtualStore"_s] = expected[u"cwd/VirtualStore/windows"_s] = "<folder>";
        constexpr uid_t nobody = 65534;
        if (faults & AsUser && (geteuid() != 0 || seteuid(nobody) != 0))
            QSKIP("only root can act as an unprivileged user, and back");
        const QString message = withFileSizeLimit(faults & SizeLimit ? 1000 : RLIM_INFINITY,
                                                  [this] { return messageOnPress("Command6"); });
        if (faults & AsUser)
            QVERIFY(seteuid(0) == 0);
        const QString failed = copyFails ? copy : host_;
        QCOMPARE(message.startsWith(failureText(u"d'écrire"_s, failed)), fails);
        QCOMPARE(message.isEmpty(), !fails);
        QCOMPARE(tree(root()), expected);
        if (faults & CopyIsFolder)
            QVERIFY(QDir().rmdir(copy));
        if (faults & FullDisk)
            QVERIFY(remount(0, "size=1m"));
        QVERIFY(!window_->transferToHost());
        QCOMPARE(fileBytes(dir_.filePath(hostSees)), written);
    }

    void badSystemFileOpens_data() {
        QTest::addColumn<QByteArray>("file");   // null: none
        QTest::addColumn<QByteArray>("opened"); // the side then, as a system file
        const QByteArray complete = systemFile("0\r\n", "\"a\"\r\n\"b\"\r\n");
        QTest::newRow("missing") << QByteArray() << baseSystem;
        QTest::newRow("a field of 8 MB") << QByteArray(8 << 20, '0') + "1"
                                         << "1" + baseSystem.sliced(1);
        QTest::newRow("6 MB after the 20 fields")
            << complete + QByteArray("\"\r\n,\xff\0", 6).repeated(1 << 20) << complete;
    }

    // Opening a missing, bad or huge system file over one opened before shows nothing, sets what it
    // read up to the first bad field, and changes no file.
    void badSystemFileOpens() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, opened);
        start();
        QVERIFY(putFile(cwd(u"Base.vns"_s), baseSystem));
        QVERIFY(file.isNull() || putFile(cwd(u"Mauvais.vns"_s), file));
        setName(u"Base"_s);
        press("Command5");
        const Tree before = tree(root());
        setName(u"Mauvais"_s);
        QCOMPARE(messageOnPress("Command5"), QString());
        QCOMPARE(encodeSystemFile(window_->sideSettings(Side::EO)), opened);
        QCOMPARE(tree(root()), before);
    }

    // A reload whose working copy has gone says so and changes no setting.
    void failedReloadKeepsRunning() {
        start();
        get<TriStateCheckBox>("Check2(7)")->setValue(CheckValue::Checked);
        QVERIFY(QFile::remove(cwd(u"Vnlini.vne"_s)));
        QVERIFY(
            messageOnPress("Command1").startsWith(failureText(u"de lire"_s, cwd(u"Vnlini.vne"_s))));
        QCOMPARE(get<TriStateCheckBox>("Check2(7)")->value(), CheckValue::Checked);
        QCOMPARE(get<QListView>("List1")->model()->rowCount(), 0);
    }
};
QTEST_MAIN(TestWindow)
#include "tst_window.moc"
