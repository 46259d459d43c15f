#include "hostfile/host_lines.h"
#include "hostfile/host_reader.h"
#include "model/convention_catalogue.h"
#include "random_host_text.h"
#include "recording_target.h"
#include "test_files.h"

#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList texts(const ShownLines& lines) {
    QStringList all;
    for (qsizetype i = 0; i < lines.size(); ++i)
        all.append(lines.text(i));
    return all;
}

} // namespace

class TestHostReader : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void applyLine_data();
    void applyLine();
    void snapshot_data();
    void snapshot();
    void snapshotOfMissingFileWritesNothing();
    void loadShowsEveryLine();
    void shownLinesAreTheFileLines();
    void textIsReadAsItsLines();
    void loadOfEmptyCopyFails();
    void laterLineWins();

  private:
    QTemporaryDir dir_;
};

void TestHostReader::applyLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("events");
    using E = QStringList;
    QTest::newRow("general =0") << QByteArray("NsTexas=0") << E{"NS General 0 = 0"};
    QTest::newRow("general =1") << QByteArray("NsTexas=1") << E{"NS General 0 = 1"};
    QTest::newRow("general no value") << QByteArray("NsTexas=") << E{"NS General 0 = 1"};
    QTest::newRow("general =2") << QByteArray("NsTexas=2") << E{"NS General 0 = 1"};
    QTest::newRow("general blank after") << QByteArray("NsTexas=0 ") << E{"NS General 0 = 1"};
    QTest::newRow("general blank before") << QByteArray(" NsTexas=0") << E{"NS General 0 = 1"};
    QTest::newRow("competitive =1") << QByteArray("NsSplinter=1") << E{"NS Competitive 0 = 1"};
    QTest::newRow("competitive =0") << QByteArray("NsSplinter=0") << E{"NS Competitive 0 = 0"};
    QTest::newRow("competitive =2") << QByteArray("EOSplinter=2") << E{"EO Competitive 0 = 0"};
    QTest::newRow("competitive blank") << QByteArray("NsSplinter=1 ") << E{"NS Competitive 0 = 0"};
    QTest::newRow("opening =1") << QByteArray("NsOuvfaib=1") << E{"NS Opening = 0"};
    QTest::newRow("opening =0") << QByteArray("EOOuvfaib=0") << E{"EO Opening = 1"};
    QTest::newRow("opening other") << QByteArray("xNsOuvfaib=1") << E{"NS Opening = 1"};
    QTest::newRow("range") << QByteArray("Ns1Sa=12") << E{"NS Range 0 = 12-14H"};
    QTest::newRow("range NV") << QByteArray("Ns1SaNV=12") << E{"NS Range 1 = 12-14H"};
    QTest::newRow("range EO top") << QByteArray("EO1SaNV=16") << E{"EO Range 1 = 16-18H"};
    QTest::newRow("range one digit") << QByteArray("Ns1Sa=9") << E{};
    QTest::newRow("range above 16") << QByteArray("Ns1Sa=17") << E{};
    QTest::newRow("range three digits") << QByteArray("Ns1Sa=012") << E{};
    QTest::newRow("range no bound") << QByteArray("Ns1Sa=") << E{};
    QTest::newRow("range blank after") << QByteArray("EO1Sa=12 ") << E{};
    // "Ns2SA" and "Ns2Saspe" differ in the case of one letter only.
    QTest::newRow("2SA special") << QByteArray("Ns2Saspe=1") << E{"NS Competitive 3 = 1"};
    QTest::newRow("EO 2SA special") << QByteArray("Eo2Saspe=1") << E{"EO Competitive 3 = 1"};
    QTest::newRow("other case EO") << QByteArray("EOMic=0") << E{};
    QTest::newRow("lower case") << QByteArray("nstexas=0") << E{};
    QTest::newRow("two keys, catalogue order")
        << QByteArray("NsSand=0NsMic=0") << E{"NS General 4 = 1", "NS General 10 = 1"};
    QTest::newRow("key inside a word") << QByteArray("abcNsMicdef") << E{"NS General 4 = 1"};
    QTest::newRow("section") << QByteArray("[Conventions]") << E{};
    QTest::newRow("blank") << QByteArray() << E{};
    QTest::newRow("every kind of EO key")
        << QByteArray("EORkcb=0 EOOuvfaib=1 EO1Sa=14 EoS4f=1")
        << E{"EO General 9 = 1", "EO Opening = 1", "EO Competitive 4 = 0"};
}

void TestHostReader::applyLine() {
    QFETCH(QByteArray, line);
    QFETCH(QStringList, events);
    RecordingTarget target;
    applyHostLine(line, target);
    QCOMPARE(target.events, events);
}

void TestHostReader::snapshot_data() {
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("copy");
    QTest::newRow("CR LF") << QByteArray("[a]\r\nNsTexas=1\r\n")
                           << QByteArray("[a]\r\nNsTexas=1\r\n");
    QTest::newRow("CR") << QByteArray("[a]\rNsTexas=1\r") << QByteArray("[a]\r\nNsTexas=1\r\n");
    QTest::newRow("LF") << QByteArray("[a]\nNsTexas=1\n") << QByteArray("[a]\r\nNsTexas=1\r\n");
    QTest::newRow("last line open") << QByteArray("a\r\n\r\nb") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("8-bit") << QByteArray("Nom=\xe9t\xe9\x80")
                           << QByteArray("Nom=\xe9t\xe9\x80\r\n");
}

void TestHostReader::snapshot() {
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, copy);
    const QString hostPath = dir_.filePath(u"vornelle.ini"_s);
    const QString copyPath = dir_.filePath(u"Vnlini.vne"_s);
    QVERIFY(putFile(hostPath, host));
    QVERIFY(!takeHostSnapshot(hostPath, copyPath));
    QCOMPARE(fileBytes(copyPath), copy);
    QCOMPARE(fileBytes(hostPath), host);
}

void TestHostReader::snapshotOfMissingFileWritesNothing() {
    QTemporaryDir dir;
    const QString copyPath = dir.filePath(u"Vnlini.vne"_s);
    const FileOutcome failed = takeHostSnapshot(dir.filePath(u"absent.ini"_s), copyPath);
    QVERIFY(failed);
    QCOMPARE(failed->path, dir.filePath(u"absent.ini"_s));
    QVERIFY(!QFile::exists(copyPath));
}

void TestHostReader::loadShowsEveryLine() {
    const QString copyPath = dir_.filePath(u"copy.vne"_s);
    QVERIFY(putFile(copyPath, "[Jeu]\r\n\r\nNsTexas=0\r\nNom=\xe9t\xe9\r\nPrix=5\x80\r\n"));
    RecordingTarget target;
    ShownLines shown(QByteArray("stale\r\n"));
    QVERIFY(!loadWorkingCopy(copyPath, target, shown));
    QCOMPARE(texts(shown),
             QStringList({u"[Jeu]"_s, QString(), u"NsTexas=0"_s, u"Nom=été"_s, u"Prix=5€"_s}));
    QCOMPARE(target.events, QStringList{u"NS General 0 = 0"_s});
}

// Every line as the line rule cuts it, whatever its end, and decoded alone.
void TestHostReader::shownLinesAreTheFileLines() {
    const QByteArray text = fileBytes(QStringLiteral(TEST_DATA_DIR "/mixed-ends.ini"));
    QVERIFY(!text.isEmpty());
    QList<QByteArray> lines;
    forEachHostLine(text, [&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    const ShownLines shown(text);
    QStringDecoder decode(catalogue::fileCodePage);
    QCOMPARE(shown.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QCOMPARE(shown.bytes(i).toByteArray(), lines[i]);
        QCOMPARE(shown.text(i), QString(decode(lines[i])));
    }
}

// The whole-text pass gives the values that the lines give one at a time, in the same order.
void TestHostReader::textIsReadAsItsLines() {
    QRandomGenerator random(20240602);
    for (int i = 0; i < 5000; ++i) {
        const QByteArray text = randomHostText(random, 20);
        RecordingTarget whole, byLine;
        const ShownLines shown = readHostText(text, whole);
        forEachHostLine(text, [&byLine](QByteArrayView line) { applyHostLine(line, byLine); });
        QCOMPARE(whole.events, byLine.events);
    }
}

void TestHostReader::loadOfEmptyCopyFails() {
    const QString copyPath = dir_.filePath(u"empty.vne"_s);
    QVERIFY(putFile(copyPath, {}));
    RecordingTarget target;
    ShownLines shown(QByteArray("stale\r\n"));
    QVERIFY(loadWorkingCopy(copyPath, target, shown));
    QCOMPARE(shown.size(), 0);
    QVERIFY(target.events.isEmpty());
    QVERIFY(loadWorkingCopy(dir_.filePath(u"absent.vne"_s), target, shown));
}

void TestHostReader::laterLineWins() {
    const QString copyPath = dir_.filePath(u"twice.vne"_s);
    QVERIFY(putFile(copyPath, "NsTexas=0\r\nEO1Sa=12\r\nNsTexas=1\r\nEO1Sa=99\r\n"));
    RecordingTarget target;
    target.ns.conventions[1] = 1; // a key on no line keeps its value
    ShownLines shown;
    QVERIFY(!loadWorkingCopy(copyPath, target, shown));
    QCOMPARE(target.ns.conventions[0], 1);
    QCOMPARE(target.ns.conventions[1], 1);
    QCOMPARE(target.eo.ntRangeVulnerable, u"12-14H"_s);
}

QTEST_APPLESS_MAIN(TestHostReader)
#include "tst_host_reader.moc"
