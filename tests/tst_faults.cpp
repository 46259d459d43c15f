// Bad input files and real file-system faults, through the window: each case checks that the
// program goes on, shows a message where one is due, and leaves every file as it should be.
#include "conventions_window.h"
#include "message_box.h"
#include "model/convention_catalogue.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"
#include "tri_state_check_box.h"
#include "window_controls.h"
#include "window_texts.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListView>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

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

// A system file with every check field `check`, option 0 and the two range fields given.
QByteArray systemFile(const char* check, const QByteArray& ranges) {
    return QByteArray(check).repeated(12) + "#TRUE#\r\n" + ranges + QByteArray(check).repeated(5);
}

const QByteArray baseSystem = systemFile("2\r\n", "\"base\"\r\n\"base\"\r\n");

// What a transfer meets, in the table of transferFails.
enum Fault { CopyIsFolder = 1, AsUser = 2, FullDisk = 4, HostWritable = 8 };

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

class TestFaults : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    // Takes away the host folder's own file system, where a case gave it one.
    void cleanup() { umount2(QFile::encodeName(hostFolder_).constData(), MNT_DETACH); }
    void anyHostFileCarriedWhole_data();
    void anyHostFileCarriedWhole();
    void startUpRefused_data();
    void startUpRefused();
    void transferFails_data();
    void transferFails();
    void badSystemFileOpens_data();
    void badSystemFileOpens();
    void saveCutShort();

  private:
    QString workingCopy() const { return cwd_ + u"/Vnlini.vne"_s; }
    std::unique_ptr<ConventionsWindow> started() const {
        auto form = std::make_unique<ConventionsWindow>(host_, QDir(cwd_));
        if (const FileOutcome failed = form->startUp())
            qFatal("start-up failed: %s", qPrintable(texts::failureMessage(*failed)));
        return form;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString hostFolder_, host_, cwd_;
};

void TestFaults::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    hostFolder_ = dir_->filePath(u"windows"_s);
    host_ = hostFolder_ + u"/vornelle.ini"_s;
    cwd_ = dir_->filePath(u"cwd"_s);
    QVERIFY(QDir().mkpath(hostFolder_) && QDir().mkpath(cwd_));
    QVERIFY(putFile(host_, "[Vornelle]\r\nNsRkcb=1\r\n"));
}

void TestFaults::anyHostFileCarriedWhole_data() {
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("copy");
    const auto row = [](const char* name, const QByteArray& line, const QByteArray& end) {
        const QByteArrayList lines{"[Vornelle]", line, "NsRkcb=1", "EO1Sa=13"};
        QTest::newRow(name) << lines.join(end) + end << lines.join("\r\n") + "\r\n";
    };
    row("LF", "Joueurs=4", "\n");
    row("CR", "Joueurs=4", "\r");
    row("CR LF", "Joueurs=4", "\r\n");
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
void TestFaults::anyHostFileCarriedWhole() {
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, copy);
    QVERIFY(putFile(host_, host));
    const auto form = started();
    QCOMPARE(control<TriStateCheckBox>(form.get(), u"Check1(%1)"_s.arg(9))->value(),
             CheckValue::Checked); // NsRkcb
    QCOMPARE(control<QComboBox>(form.get(), u"Combo3"_s)->currentText(), u"13-15H"_s);
    const QAbstractItemModel* list1 = control<QListView>(form.get(), u"List1"_s)->model();
    QStringEncoder encode(catalogue::fileCodePage);
    QByteArray shown;
    for (int row = 0; row < list1->rowCount(); ++row)
        shown += QByteArray(encode(list1->index(row, 0).data().toString())) + "\r\n";
    QCOMPARE(shown, copy);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(!form->transferToHost());
    QCOMPARE(tree(hostFolder_), (Tree{{u"vornelle.ini"_s, copy}}));
    QCOMPARE(tree(cwd_), (Tree{{u"Vnlini.vne"_s, copy}}));
}

void TestFaults::startUpRefused_data() {
    QTest::addColumn<QString>("path"); // a folder stands there
    QTest::newRow("host settings file") << u"windows/vornelle.ini"_s;
    QTest::newRow("working copy") << u"cwd/Vnlini.vne"_s;
}

// Start-up fails with the file named, and changes nothing anywhere.
void TestFaults::startUpRefused() {
    QFETCH(QString, path);
    path = dir_->filePath(path);
    QFile::remove(path);
    QVERIFY(QDir().mkdir(path));
    const Tree before = tree(dir_->path());
    const FileOutcome failed = ConventionsWindow(host_, QDir(cwd_)).startUp();
    QVERIFY(failed);
    QVERIFY(texts::failureMessage(*failed).contains(QDir::toNativeSeparators(path)));
    QCOMPARE(tree(dir_->path()), before);
}

void TestFaults::transferFails_data() {
    QTest::addColumn<int>("faults");
    QTest::newRow("working copy a folder") << int(CopyIsFolder);
    QTest::newRow("host folder and file read-only for the user") << int(AsUser);
    QTest::newRow("disk full while replacing the file") << int(FullDisk);
    // The folder refuses a new file: the host file is written in place, and must be put back.
    QTest::newRow("disk full while writing in place") << (FullDisk | AsUser | HostWritable);
}

// A transfer that cannot write names the file and changes none but the working copy, leaving
// no temporary file; once the fault is gone, the same window transfers. The new host text
// (72 kB) fits the small file system only once the former one (48 kB) is gone.
void TestFaults::transferFails() {
    QFETCH(int, faults);
    const auto text = [](const char* blackwood, const QByteArray& end) {
        return QByteArrayList{"[Vornelle]", blackwood}.join(end) + end +
               ("x" + end).repeated(24000);
    };
    if (faults & FullDisk && !mountSmallFileSystem(hostFolder_))
        QSKIP(qPrintable(u"no file system of its own for the host folder: "_s + qt_error_string()));
    QVERIFY(putFile(host_, text("NsRkcb=1", "\n")));
    // Root's folders, which the user may read; the current folder the user may write.
    QVERIFY(setMode(dir_->path(), 0755) && setMode(cwd_, 0777) && setMode(hostFolder_, 0755));
    QVERIFY(setMode(host_, faults & HostWritable ? 0666 : 0644));
    const auto form = started();
    control<TriStateCheckBox>(form.get(), u"Check1(%1)"_s.arg(9))
        ->setValue(CheckValue::Unchecked); // NsRkcb
    if (faults & CopyIsFolder)
        QVERIFY(QFile::remove(workingCopy()) && QDir().mkdir(workingCopy()));
    Tree expected = tree(dir_->path());
    const QByteArray written = text("NsRkcb=0", "\r\n");
    if (!(faults & CopyIsFolder))
        expected[u"cwd/Vnlini.vne"_s] = written;
    constexpr uid_t nobody = 65534;
    if (faults & AsUser && (geteuid() != 0 || seteuid(nobody) != 0))
        QSKIP("only root can act as an unprivileged user, and back");
    const QString message = messageDuring([&form] { press(form.get(), "Command6"); });
    if (faults & AsUser)
        QVERIFY(seteuid(0) == 0);
    const QString failed = faults & CopyIsFolder ? workingCopy() : host_;
    QVERIFY(message.contains(QDir::toNativeSeparators(failed)));
    QCOMPARE(tree(dir_->path()), expected);
    if (faults & CopyIsFolder)
        QVERIFY(QDir().rmdir(workingCopy()));
    if (faults & FullDisk)
        QVERIFY(mount(nullptr, QFile::encodeName(hostFolder_).constData(), nullptr, MS_REMOUNT,
                      "size=1m") == 0);
    QVERIFY(!form->transferToHost());
    QCOMPARE(fileBytes(host_), written);
}

void TestFaults::badSystemFileOpens_data() {
    QTest::addColumn<QByteArray>("file");   // null: none
    QTest::addColumn<QByteArray>("opened"); // the side then, as a system file
    const QByteArray complete = systemFile("0\r\n", "\"a\"\r\n\"b\"\r\n");
    const QByteArray eightBit = systemFile("0\r\n", "\"\x80\xff ,\r\n\"\r\n\"b\"\r\n");
    QTest::newRow("missing") << QByteArray() << baseSystem;
    QTest::newRow("a field of 8 MB") << QByteArray(8 << 20, '0') + "1"
                                     << "1" + baseSystem.sliced(1);
    QTest::newRow("6 MB after the 20 fields")
        << complete + QByteArray("\"\r\n,\xff\0", 6).repeated(1 << 20) << complete;
    QTest::newRow("8-bit bytes, comma and line end in a range") << eightBit << eightBit;
}

// Opening a missing, bad or huge system file shows nothing, sets what it read up to the first
// bad field, and changes no file.
void TestFaults::badSystemFileOpens() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, opened);
    const auto form = started();
    QVERIFY(putFile(cwd_ + u"/Base.vns"_s, baseSystem));
    if (!file.isNull())
        QVERIFY(putFile(cwd_ + u"/Mauvais.vns"_s, file));
    auto* text1 = control<QLineEdit>(form.get(), u"Text1"_s);
    text1->setText(u"Base"_s);
    press(form.get(), "Command5");
    const Tree before = tree(dir_->path());
    text1->setText(u"Mauvais"_s);
    QCOMPARE(messageDuring([&form] { press(form.get(), "Command5"); }), QString());
    QCOMPARE(encodeSystemFile(form->sideSettings(Side::EO)), opened);
    QCOMPARE(tree(dir_->path()), before);
}

// A save over a file, cut short by the file size limit, shows a message, leaves the former file
// whole and nothing else behind; the next click saves.
void TestFaults::saveCutShort() {
    QVERIFY(putFile(cwd_ + u"/Acol.vns"_s, "former"));
    const auto form = started();
    control<QLineEdit>(form.get(), u"Text1"_s)->setText(u"Acol"_s);
    press(form.get(), "Command7");
    QTest::mouseClick(control<TriStateCheckBox>(form.get(), u"Check5"_s), Qt::LeftButton);
    const Tree before = tree(dir_->path());
    const QString message = messageDuring([&form] {
        FileSizeLimit limit(40);
        press(form.get(), "Command2");
    });
    QVERIFY(message.contains(u"Acol.vns"_s));
    QCOMPARE(tree(dir_->path()), before);
    press(form.get(), "Command2");
    QCOMPARE(fileBytes(cwd_ + u"/Acol.vns"_s), encodeSystemFile(form->sideSettings(Side::NS)));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
