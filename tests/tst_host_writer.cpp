#include "check_values.h"
#include "hostfile/host_lines.h"
#include "hostfile/host_writer.h"
#include "model/convention_catalogue.h"
#include "random_host_text.h"
#include "test_files.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// The values that the table below writes from.
struct Sides {
    SideSettings ns;
    SideSettings eo;
};

Sides sampleSides() {
    Sides s;
    s.ns.general = checks({0, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0});
    s.ns.opening = OpeningChoice::Weak;
    s.ns.ntRangeVulnerable = u"12-14H"_s;
    s.ns.ntRangeNotVulnerable = u"12-14"_s; // typed, not a range
    s.ns.competitive = checks({2, 1, 0, 1, 0});
    s.eo.general.fill(CheckValue::Unchecked);
    s.eo.general[4] = CheckValue::Checked;
    s.eo.opening = OpeningChoice::None;
    s.eo.ntRangeVulnerable = u"11-13H"_s;
    s.eo.competitive = checks({1, 0, 0, 0, 2});
    return s;
}

// The writer as first described: 40 searches in catalogue order, each on the line as the
// searches before it left it. The real one finds all keys in one pass; both must agree.
QByteArray referenceRewrite(QByteArray line, const Sides& s) {
    for (const auto& k : catalogue::hostKeys()) {
        if (!line.contains(k.key))
            continue;
        const SideSettings& v = k.side == Side::NS ? s.ns : s.eo;
        const QByteArray key = k.key.toByteArray();
        switch (k.group) {
        case Group::General:
            line = key + (v.general[std::size_t(k.index)] == CheckValue::Unchecked ? "=0" : "=1");
            break;
        case Group::Opening:
            line = key + (v.opening == OpeningChoice::Weak ? "=1" : "=0");
            break;
        case Group::NtRange:
            if (auto b = catalogue::ntRangeLowerBound(v.ntRange(Vulnerability(k.index))))
                line = key + QByteArray::number(*b);
            break;
        case Group::Competitive:
            line = key + (v.competitive[std::size_t(k.index)] == CheckValue::Checked ? "=1" : "=0");
            break;
        }
    }
    return line;
}

// The text as the reference writer gives it, line by line, each line ended by CR LF.
QByteArray referenceText(const QByteArray& text, const Sides& s) {
    QByteArray expected;
    forEachHostLine(text, [&](QByteArrayView line) {
        expected += referenceRewrite(line.toByteArray(), s) + "\r\n";
    });
    return expected;
}

} // namespace

class TestHostWriter : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rewrite_data();
    void rewrite();
    void textAgreesWithPlainSearch_data();
    void textAgreesWithPlainSearch();
    void transferKeepsOtherBytes();
    void transferFailures();
    void failedWritesLeaveFilesWhole();
    void hostFileKeepsLinkAndPermissions();

  private:
    QTemporaryDir dir_;
};

void TestHostWriter::rewrite_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("written");
    const char* const rows[][2] = {
        {"[Vornelle]", "[Vornelle]"},
        {"NsTexas=1", "NsTexas=0"},
        {"NsTexMin = 0 ; note", "NsTexMin=1"},
        {"Nslandy=0", "Nslandy=1"}, // grayed general convention: set
        {"xxNsMicyy", "NsMic=1"},
        {"nstexas=1", "nstexas=1"},
        {"Ns2Saspe=0", "Ns2Saspe=1"},     // not caught by "Ns2SA"
        {"NsSplinter=1", "NsSplinter=0"}, // grayed competitive convention: not set
        {"NsOuvfaib=0", "NsOuvfaib=1"},
        {"EOOuvfaib=1", "EOOuvfaib=0"}, // neither option selected
        {"Ns1Sa=15", "Ns1Sa=12"},
        {"Ns1SaNV=14", "Ns1SaNV=14"}, // typed text that is no range
        {"EO1Sa=16", "EO1Sa=11"},
        {"EO1SaNV=13", "EO1SaNV=13"}, // empty box
        {"NsTexas=1EOTexas=1", "NsTexas=0"},
        {"Ns1SaNV=10 NsS4f=1", "NsS4f=0"},
        {"Joueur=\xe9\x80\xff", "Joueur=\xe9\x80\xff"},
    };
    for (const auto& [line, written] : rows)
        QTest::newRow(line) << QByteArray(line) << QByteArray(written);
}

void TestHostWriter::rewrite() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, written);
    const Sides s = sampleSides();
    QCOMPARE(rewriteHostLine(line, s.ns, s.eo), written);
    QCOMPARE(referenceRewrite(line, s), written);
}

void TestHostWriter::textAgreesWithPlainSearch_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("seed"); // not 0: random texts from this seed instead
    QByteArray shortKeys;          // every line grows by half once rewritten
    for (int i = 0; i < 5000; ++i)
        shortKeys += i % 2 ? "NsMic\n" : "EoS4f\r";
    QTest::newRow("mixed ends") << fileBytes(QStringLiteral(TEST_DATA_DIR "/mixed-ends.ini")) << 0;
    QTest::newRow("lines that grow") << shortKeys << 0;
    QTest::newRow("no line end") << QByteArray("x EO2SA y") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("random") << QByteArray() << 20240601;
}

// The one-pass writer agrees with 40 plain searches per line, on every line of a text.
void TestHostWriter::textAgreesWithPlainSearch() {
    QFETCH(QByteArray, text);
    QFETCH(int, seed);
    QRandomGenerator random{quint32(seed)};
    Sides s = sampleSides();
    for (int i = 0; i < (seed ? 5000 : 1); ++i) {
        if (seed)
            text = randomHostText(random, 20);
        if (i % 2)
            s.ns.ntRangeVulnerable.clear();
        QCOMPARE(rewriteHostText(text, s.ns, s.eo), referenceText(text, s));
    }
}

// Only key lines change; a second transfer with nothing changed gives the same bytes.
void TestHostWriter::transferKeepsOtherBytes() {
    const QString host = dir_.filePath(u"keep.ini"_s);
    const QString copy = dir_.filePath(u"keep.vne"_s);
    QVERIFY(putFile(host, fileBytes(QStringLiteral(TEST_DATA_DIR "/mixed-ends.ini"))));
    const QByteArray expected = fileBytes(QStringLiteral(TEST_DATA_DIR "/mixed-ends.expected"));
    const Sides s = sampleSides();
    for (int run = 0; run < 2; ++run) {
        QVERIFY(!transferToHost(host, copy, s.ns, s.eo));
        QCOMPARE(fileBytes(host), expected);
        QCOMPARE(fileBytes(copy), expected);
    }
}

void TestHostWriter::transferFailures() {
    const Sides s = sampleSides();
    const QString copy = dir_.filePath(u"fail.vne"_s);
    QVERIFY(putFile(copy, "old copy\r\n"));
    // Missing, a directory, empty, a path through a file: neither file changes.
    const QString empty = dir_.filePath(u"empty.ini"_s);
    QVERIFY(putFile(empty, {}));
    const QString throughFile = empty + u"/vornelle.ini"_s;
    for (const QString& host : {dir_.filePath(u"absent.ini"_s), dir_.path(), empty, throughFile}) {
        const FileOutcome failed = transferToHost(host, copy, s.ns, s.eo);
        QVERIFY(failed);
        QCOMPARE(failed->path, host);
        QCOMPARE(fileBytes(copy), "old copy\r\n");
    }
    QCOMPARE(fileBytes(empty), QByteArray());
}

// Each file is replaced only once its new text is complete: a write cut short by the file
// size limit, as on a full disk, leaves the former text whole.
void TestHostWriter::failedWritesLeaveFilesWhole() {
    const QString host = dir_.filePath(u"big.ini"_s);
    const QString copy = dir_.filePath(u"big.vne"_s);
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += "Reglage" + QByteArray::number(i) + "=1\n";
    text += "NsTexas=1\n";
    QVERIFY(putFile(host, text));
    QVERIFY(putFile(copy, "old copy\r\n"));
    const Sides s = sampleSides();
    const QByteArray longer = text + text;
    FileOutcome failedTransfer, failedCopyBack;
    {
        FileSizeLimit limit(qint64(text.size()) + 1000); // room for the LF text, not for CR LF
        failedTransfer = transferToHost(host, copy, s.ns, s.eo);
        failedCopyBack = writeWholeFile(host, longer, WriteMode::InPlaceFallback);
    }
    QVERIFY(failedTransfer);
    QVERIFY(failedCopyBack);
    QCOMPARE(fileBytes(host), text);
    QCOMPARE(fileBytes(copy), "old copy\r\n");
    QCOMPARE(QDir(dir_.path()).entryList({u"big*"_s}, QDir::Files | QDir::Hidden).size(), 2);
}

// A host file reached through a symbolic link is written through it, and keeps its mode.
void TestHostWriter::hostFileKeepsLinkAndPermissions() {
    const QString real = dir_.filePath(u"real.ini"_s);
    const QString link = dir_.filePath(u"link.ini"_s);
    QVERIFY(putFile(real, "NsTexas=1\n"));
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(real, mode));
    QVERIFY(QFile::link(real, link));
    const Sides s = sampleSides();
    QVERIFY(!transferToHost(link, dir_.filePath(u"link.vne"_s), s.ns, s.eo));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(real), "NsTexas=0\r\n");
    QCOMPARE(QFile::permissions(real) & ~(QFile::ReadUser | QFile::WriteUser), mode);
}

QTEST_APPLESS_MAIN(TestHostWriter)
#include "tst_host_writer.moc"
