// Bad input files and real file-system faults, through the window: each case checks that the
// program goes on, shows a message where one is due, and leaves every file as it should be.
#include "form1.h"
#include "layout_table.h"
#include "message_box.h"
#include "model/convention_catalogue.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"
#include "tri_state_check_box.h"

#include <QComboBox>
#include <QDataStream>
#include <QDirIterator>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SideSettings)

namespace {

const QByteArray hostText = "[Vornelle]\r\nNsRkcb=1\r\nEO1Sa=13\r\n";
constexpr uid_t nobody = 65534;

// Every entry under `root` with its bytes; a folder stands as "<folder>".
QMap<QString, QByteArray> tree(const QString& root) {
    QMap<QString, QByteArray> entries;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries.insert(base.relativeFilePath(info.filePath()),
                       info.isDir() ? "<folder>" : fileBytes(info.filePath()));
    }
    return entries;
}

TriStateCheckBox* box(const Form1& form, const char* array, int i) {
    return form.control<TriStateCheckBox>(memberName(array, i));
}

// Runs one transfer in a process of its own (see transfer_child.cpp) and gives its report;
// none when the process failed.
std::optional<QVariantMap> transferInChild(const QStringList& arguments) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(TRANSFER_CHILD), arguments);
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        qWarning("%s", child.readAllStandardError().constData());
        return std::nullopt;
    }
    QVariantMap report;
    QDataStream in(child.readAllStandardOutput());
    in >> report;
    return report;
}

// A host file of short LF lines: written back with CR LF it grows by half.
QByteArray growingHostText(const char* blackwoodLine, const char* lineEnd) {
    QByteArray text = QByteArray("[Vornelle]") + lineEnd + blackwoodLine + lineEnd;
    return text + (QByteArray("x") + lineEnd).repeated(24000);
}

SideSettings uniformSide(int value, OpeningChoice choice, const QString& vulnerable,
                         const QString& notVulnerable) {
    SideSettings s;
    s.conventions.fill(value);
    s.openingChoice = choice;
    s.ntRangeVulnerable = vulnerable;
    s.ntRangeNotVulnerable = notVulnerable;
    s.competitive.fill(value);
    return s;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void anyHostFileLoadsAndGoesBack_data();
    void anyHostFileLoadsAndGoesBack();
    void startUpRefused_data();
    void startUpRefused();
    void transferRefused_data();
    void transferRefused();
    void copyBackFails_data();
    void copyBackFails();
    void badSystemFileOpens_data();
    void badSystemFileOpens();
    void saveCutShort_data();
    void saveCutShort();

  private:
    QString workingCopy() const { return cwd_ + u"/Vnlini.vne"_s; }
    std::unique_ptr<Form1> started();

    std::unique_ptr<QTemporaryDir> dir_;
    QString hostFolder_;
    QString host_;
    QString cwd_;
};

void TestFaults::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    hostFolder_ = dir_->filePath(u"windows"_s);
    host_ = hostFolder_ + u"/vornelle.ini"_s;
    cwd_ = dir_->filePath(u"cwd"_s);
    QVERIFY(QDir().mkpath(hostFolder_));
    QVERIFY(QDir().mkpath(cwd_));
    QVERIFY(putFile(host_, hostText));
}

std::unique_ptr<Form1> TestFaults::started() {
    auto form = std::make_unique<Form1>(host_, QDir(cwd_));
    if (const FileOutcome failed = form->startUp())
        qFatal("start-up failed: %s", qPrintable(failed->message()));
    return form;
}

void TestFaults::anyHostFileLoadsAndGoesBack_data() {
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("copy");
    auto text = [](const char* end, const QByteArray& extra) {
        QByteArray t;
        for (const QByteArray& line :
             {QByteArray("[Vornelle]"), extra, QByteArray("NsRkcb=1"), QByteArray("EO1Sa=13")})
            t += line + end;
        return t;
    };
    auto row = [&text](const char* name, const QByteArray& extra, const char* end) {
        QTest::newRow(name) << text(end, extra) << text("\r\n", extra);
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

// Start-up copies any host file with its lines ended by CR LF and shows every line; the window
// stays up, and a transfer of the values just read gives the same bytes back.
void TestFaults::anyHostFileLoadsAndGoesBack() {
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, copy);
    QVERIFY(putFile(host_, host));
    const auto form = started();
    QCOMPARE(fileBytes(host_), host);
    QCOMPARE(fileBytes(workingCopy()), copy);
    QCOMPARE(box(*form, "Check1", 9)->value(), 1);
    QCOMPARE(form->control<QComboBox>(u"Combo3"_s)->currentText(), u"13-15H"_s);
    const QAbstractItemModel* list1 = form->control<QListView>(u"List1"_s)->model();
    QStringEncoder encode(catalogue::fileCodePage);
    QByteArray shown;
    for (int row = 0; row < list1->rowCount(); ++row)
        shown += QByteArray(encode(list1->index(row, 0).data().toString())) + "\r\n";
    QCOMPARE(shown, copy);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(!form->transferToHost());
    QCOMPARE(fileBytes(host_), copy);
    QCOMPARE(fileBytes(workingCopy()), copy);
    QCOMPARE(folderEntries(hostFolder_), QStringList{u"vornelle.ini"_s});
    QCOMPARE(folderEntries(cwd_), QStringList{u"Vnlini.vne"_s});
}

void TestFaults::startUpRefused_data() {
    QTest::addColumn<std::function<void(TestFaults*)>>("fault");
    QTest::addColumn<bool>("hostFails");
    using F = std::function<void(TestFaults*)>;
    QTest::newRow("host settings file is a folder") << F([](TestFaults* t) {
        QVERIFY(QFile::remove(t->host_));
        QVERIFY(QDir().mkdir(t->host_));
    }) << true;
    QTest::newRow("host folder is a regular file") << F([](TestFaults* t) {
        QVERIFY(QDir(t->hostFolder_).removeRecursively());
        QVERIFY(putFile(t->hostFolder_, hostText));
    }) << true;
    QTest::newRow("working copy is a folder")
        << F([](TestFaults* t) { QVERIFY(QDir().mkdir(t->workingCopy())); }) << false;
    QTest::newRow("current folder is a regular file") << F([](TestFaults* t) {
        QVERIFY(QDir().rmdir(t->cwd_));
        QVERIFY(putFile(t->cwd_, "x"));
    }) << false;
}

// Start-up fails with the file named, and changes nothing anywhere.
void TestFaults::startUpRefused() {
    QFETCH(std::function<void(TestFaults*)>, fault);
    QFETCH(bool, hostFails);
    fault(this);
    const auto before = tree(dir_->path());
    Form1 form(host_, QDir(cwd_));
    const FileOutcome failed = form.startUp();
    QVERIFY(failed);
    const QString path = hostFails ? host_ : workingCopy();
    QCOMPARE(failed->path, path);
    QVERIFY(failed->message().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(tree(dir_->path()), before);
}

void TestFaults::transferRefused_data() {
    QTest::addColumn<std::function<void(TestFaults*)>>("fault");
    QTest::addColumn<std::function<void(TestFaults*)>>("repair");
    QTest::addColumn<bool>("hostFails");
    using F = std::function<void(TestFaults*)>;
    QTest::newRow("working copy became a folder") << F([](TestFaults* t) {
        QVERIFY(QFile::remove(t->workingCopy()));
        QVERIFY(QDir().mkdir(t->workingCopy()));
    }) << F([](TestFaults* t) { QVERIFY(QDir().rmdir(t->workingCopy())); })
                                                  << false;
    QTest::newRow("current folder became a regular file") << F([](TestFaults* t) {
        QVERIFY(QDir(t->cwd_).removeRecursively());
        QVERIFY(putFile(t->cwd_, "x"));
    }) << F([](TestFaults* t) {
        QVERIFY(QFile::remove(t->cwd_));
        QVERIFY(QDir().mkdir(t->cwd_));
    }) << false;
    QTest::newRow("host settings file became a folder") << F([](TestFaults* t) {
        QVERIFY(QFile::remove(t->host_));
        QVERIFY(QDir().mkdir(t->host_));
    }) << F([](TestFaults* t) {
        QVERIFY(QDir().rmdir(t->host_));
        QVERIFY(putFile(t->host_, hostText));
    }) << true;
}

// A transfer that cannot write names the file and changes nothing; once the fault is gone,
// the same window transfers.
void TestFaults::transferRefused() {
    QFETCH(std::function<void(TestFaults*)>, fault);
    QFETCH(std::function<void(TestFaults*)>, repair);
    QFETCH(bool, hostFails);
    const auto form = started();
    box(*form, "Check1", 9)->setValue(0);
    fault(this);
    const auto before = tree(dir_->path());
    const QString message = messageDuring([&form] { QVERIFY(form->transferToHost()); });
    QVERIFY(message.contains(QDir::toNativeSeparators(hostFails ? host_ : workingCopy())));
    QCOMPARE(tree(dir_->path()), before);
    repair(this);
    QVERIFY(!form->transferToHost());
    QByteArray written = hostText;
    written.replace("NsRkcb=1", "NsRkcb=0");
    QCOMPARE(fileBytes(host_), written);
    QCOMPARE(fileBytes(workingCopy()), written);
}

void TestFaults::copyBackFails_data() {
    QTest::addColumn<int>("tmpfsKiB"); // 0: the host folder stays where it is
    QTest::addColumn<bool>("hostWritable");
    QTest::addColumn<bool>("unprivileged");
    QTest::newRow("host folder and file read-only for the user") << 0 << false << true;
    QTest::newRow("disk full while replacing the file") << 64 << false << false;
    QTest::newRow("disk full while writing in place") << 64 << true << true;
}

// The working copy takes the new text, but the host file cannot be replaced, or its new text
// stops part-way: the host file keeps every byte, no temporary file is left, and the window
// goes on. The new text (72 kB) fits the small file system only once the former (48 kB) is gone.
void TestFaults::copyBackFails() {
    QFETCH(int, tmpfsKiB);
    QFETCH(bool, hostWritable);
    QFETCH(bool, unprivileged);
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::permissions(dir_->path()) |
                                                    QFile::ReadOther | QFile::ExeOther));
    QVERIFY(chown(QFile::encodeName(cwd_).constData(), nobody, nobody) == 0);
    const QByteArray text = growingHostText("NsRkcb=1", "\n");
    const QString textFile = dir_->filePath(u"host-text"_s);
    QVERIFY(putFile(textFile, text));
    const auto flag = [](bool set) { return set ? u"1"_s : u"0"_s; };
    const auto report = transferInChild({textFile, hostFolder_, cwd_, QString::number(tmpfsKiB),
                                         flag(hostWritable), flag(unprivileged)});
    QVERIFY(report);
    if (report->contains(u"skipped"_s))
        QSKIP(qPrintable(report->value(u"skipped"_s).toString()));
    QVERIFY2(!report->contains(u"error"_s), qPrintable(report->value(u"error"_s).toString()));
    QVERIFY(report->value(u"message"_s).toString().contains(QDir::toNativeSeparators(host_)));
    QCOMPARE(report->value(u"host"_s).toByteArray(), text);
    QCOMPARE(report->value(u"copy"_s).toByteArray(), growingHostText("NsRkcb=0", "\r\n"));
    QCOMPARE(report->value(u"hostFolder"_s).toStringList(), QStringList{u"vornelle.ini"_s});
    QCOMPARE(report->value(u"folder"_s).toStringList(), QStringList{u"Vnlini.vne"_s});
    QVERIFY(report->value(u"reloaded"_s).toBool());
}

void TestFaults::badSystemFileOpens_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SideSettings>("opened");
    const SideSettings base = uniformSide(2, OpeningChoice::Option0, u"base"_s, u"base nv"_s);
    const QByteArray twelve = QByteArray("1\r\n").repeated(12);
    const QByteArray complete = QByteArray("0\r\n").repeated(12) + "Vrai\r\n\"a\"\r\n\"b\"\r\n" +
                                QByteArray("1\r\n").repeated(5);
    SideSettings completeSide = uniformSide(0, OpeningChoice::Option0, u"a"_s, u"b"_s);
    completeSide.competitive.fill(1);
    SideSettings s = base;
    QTest::newRow("missing") << false << QByteArray() << base;
    QTest::newRow("empty") << true << QByteArray() << base;
    s.conventions.fill(1);
    s.openingChoice = OpeningChoice::Option1;
    QTest::newRow("13 lines") << true << twelve + "#FALSE#\r\n" << s;
    s = base;
    s.conventions[0] = 1;
    s.conventions[1] = 0;
    QTest::newRow("check field out of range") << true << QByteArray("1\r\n0\r\n7\r\n1\r\n") << s;
    s = base;
    s.conventions[0] = 1;
    QTest::newRow("a field of 8 MB") << true << QByteArray(8 << 20, '0') + "1" << s;
    QTest::newRow("6 MB after the 20 fields")
        << true << complete + QByteArray("\"\r\n,\xff\0", 6).repeated(1 << 20) << completeSide;
    s = completeSide;
    s.ntRangeVulnerable = u"\u20ac\u00ff ,\r\n"_s;
    QTest::newRow("8-bit bytes, comma and line end in a range")
        << true << QByteArray(complete).replace("\"a\"", "\"\x80\xff ,\r\n\"") << s;
}

// Opening a missing, short, bad or huge system file shows nothing, sets what it read up to the
// first bad field, changes no file and leaves the window able to open the next one.
void TestFaults::badSystemFileOpens() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, file);
    QFETCH(SideSettings, opened);
    const auto form = started();
    const SideSettings base = uniformSide(2, OpeningChoice::Option0, u"base"_s, u"base nv"_s);
    QVERIFY(putFile(cwd_ + u"/Base.vns"_s, encodeSystemFile(base)));
    if (exists)
        QVERIFY(putFile(cwd_ + u"/Mauvais.vns"_s, file));
    auto* text1 = form->control<QLineEdit>(u"Text1"_s);
    text1->setText(u"Base"_s);
    form->openSystemFile(Side::EO);
    QCOMPARE(form->sideSettings(Side::EO), base);
    const SideSettings ns = form->sideSettings(Side::NS);
    const auto before = tree(dir_->path());
    text1->setText(u"Mauvais"_s);
    QCOMPARE(messageDuring([&form] { form->openSystemFile(Side::EO); }), QString());
    QCOMPARE(form->sideSettings(Side::EO), opened);
    QCOMPARE(form->sideSettings(Side::NS), ns);
    QCOMPARE(tree(dir_->path()), before);
    text1->setText(u"Base"_s);
    form->openSystemFile(Side::EO);
    QCOMPARE(form->sideSettings(Side::EO), base);
}

void TestFaults::saveCutShort_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("over an existing file") << u"Acol"_s;
    QTest::newRow("a new file") << u"Nouveau"_s;
}

// A save cut short by the file size limit shows a message, leaves the former file whole and
// nothing else behind, keeps the confirmation, and the next click saves.
void TestFaults::saveCutShort() {
    QFETCH(QString, name);
    QVERIFY(putFile(cwd_ + u"/Acol.vns"_s, "former"));
    const auto form = started();
    form->control<QLineEdit>(u"Text1"_s)->setText(name);
    form->checkReplace();
    if (form->guardState() == GuardState::Unconfirmed)
        QTest::mouseClick(form->control<TriStateCheckBox>(u"Check5"_s), Qt::LeftButton);
    QCOMPARE(form->guardState(), GuardState::Confirmed);
    const auto before = tree(dir_->path());
    QString message;
    {
        FileSizeLimit limit(40);
        message = messageDuring([&form] { form->saveSystemFile(Side::NS); });
    }
    QVERIFY(message.contains(name + u".vns"_s));
    QCOMPARE(tree(dir_->path()), before);
    QCOMPARE(form->guardState(), GuardState::Confirmed);
    form->saveSystemFile(Side::NS);
    QCOMPARE(fileBytes(cwd_ + u"/"_s + name + u".vns"_s),
             encodeSystemFile(form->sideSettings(Side::NS)));
    QCOMPARE(form->guardState(), GuardState::Disarmed);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
