#include "hostfile/host_lines.h"
#include "hostfile/host_reader.h"
#include "random_host_text.h"
#include "recording_target.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

class TestHostReader : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void applyLine_data();
    void applyLine();
    void textIsReadAsItsLines();
    void snapshot();
    void loadShowsAndAppliesEveryLine();
    void missingOrEmptyFilesFail();

  private:
    QTemporaryDir dir_;
};

void TestHostReader::applyLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("events"); // separated by "; "
    const char* const rows[][2] = {
        {"NsTexas=0", "NS General 0 = 0"},
        {"NsTexas=2", "NS General 0 = 1"},
        {" NsTexas=0", "NS General 0 = 1"},
        {"NsTexas=", "NS General 0 = 1"},
        {"NsSplinter=1", "NS Competitive 0 = 1"},
        {"EOSplinter=2", "EO Competitive 0 = 0"},
        {"NsSplinter=1 ", "NS Competitive 0 = 0"},
        {"NsOuvfaib=1", "NS Opening = 0"},
        {"xNsOuvfaib=1", "NS Opening = 1"},
        {"Ns1Sa=12", "NS Range 0 = 12-14H"},
        {"EO1SaNV=16", "EO Range 1 = 16-18H"},
        {"Ns1Sa=9", ""},
        {"Ns1Sa=17", ""},
        {"Ns1Sa=012", ""},
        {"EO1Sa=12 ", ""},
        {"Ns2Saspe=1", "NS Competitive 3 = 1"}, // "Ns2SA" differs in one letter's case
        {"Eo2Saspe=1", "EO Competitive 3 = 1"},
        {"EOMic=0", ""},
        {"nstexas=0", ""},
        {"NsSand=0NsMic=0", "NS General 4 = 1; NS General 10 = 1"},
        {"abcNsMicdef", "NS General 4 = 1"},
        {"EORkcb=0 EOOuvfaib=1 EO1Sa=14 EoS4f=1",
         "EO General 9 = 1; EO Opening = 1; EO Competitive 4 = 0"},
        {"[Conventions]", ""},
    };
    for (const auto& [line, events] : rows)
        QTest::newRow(line) << QByteArray(line) << QString::fromLatin1(events);
}

void TestHostReader::applyLine() {
    QFETCH(QByteArray, line);
    QFETCH(QString, events);
    RecordingTarget target;
    applyHostLine(line, target);
    QCOMPARE(target.events.join(u"; "_s), events);
}

// The whole-text pass gives the values that the lines give one at a time, in the same order.
void TestHostReader::textIsReadAsItsLines() {
    QRandomGenerator random(20240602);
    for (int i = 0; i < 5000; ++i) {
        const QByteArray text = randomHostText(random, 20);
        RecordingTarget whole, byLine;
        readHostText(text, whole);
        forEachHostLine(text, [&byLine](QByteArrayView line) { applyHostLine(line, byLine); });
        QCOMPARE(whole.events, byLine.events);
    }
}

void TestHostReader::snapshot() {
    const QString host = dir_.filePath(u"vornelle.ini"_s);
    const QString copy = dir_.filePath(u"Vnlini.vne"_s);
    const QByteArray text("[a]\rNsTexas=1\nNom=\xe9t\xe9\x80\r\n\r\nb");
    QVERIFY(putFile(host, text));
    QVERIFY(!takeHostSnapshot(host, copy));
    QCOMPARE(fileBytes(copy), "[a]\r\nNsTexas=1\r\nNom=\xe9t\xe9\x80\r\n\r\nb\r\n");
    QCOMPARE(fileBytes(host), text);
}

void TestHostReader::loadShowsAndAppliesEveryLine() {
    const QString copy = dir_.filePath(u"copy.vne"_s);
    QVERIFY(putFile(copy, "[Jeu]\r\n\r\nNsTexas=0\r\nNom=\xe9t\xe9\r\nEO1Sa=12\r\nPrix=5\x80\r\n"
                          "NsTexas=1\r\nEO1Sa=99\r\n"));
    RecordingTarget target;
    target.ns.general[1] = CheckValue::Checked; // a key on no line keeps its value
    ShownLines shown(QByteArray("stale\r\n"));
    QVERIFY(!loadWorkingCopy(copy, target, shown));
    QStringList texts;
    for (qsizetype i = 0; i < shown.size(); ++i)
        texts.append(shown.text(i));
    QCOMPARE(texts, QStringList({u"[Jeu]"_s, QString(), u"NsTexas=0"_s, u"Nom=été"_s, u"EO1Sa=12"_s,
                                 u"Prix=5€"_s, u"NsTexas=1"_s, u"EO1Sa=99"_s}));
    QCOMPARE(target.ns.general[0], CheckValue::Checked); // the later line wins
    QCOMPARE(target.ns.general[1], CheckValue::Checked);
    QCOMPARE(target.eo.ntRangeVulnerable, u"12-14H"_s);
}

// A missing host file leaves no working copy; an empty one an empty copy; neither loads.
void TestHostReader::missingOrEmptyFilesFail() {
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"Vnlini.vne"_s);
    const FileOutcome missing = takeHostSnapshot(dir.filePath(u"absent.ini"_s), copy);
    QVERIFY(missing);
    QCOMPARE(missing->path, dir.filePath(u"absent.ini"_s));
    QVERIFY(!QFile::exists(copy));
    RecordingTarget target;
    ShownLines shown(QByteArray("stale\r\n"));
    QVERIFY(loadWorkingCopy(copy, target, shown));
    QVERIFY(putFile(dir.filePath(u"empty.ini"_s), {}));
    QVERIFY(takeHostSnapshot(dir.filePath(u"empty.ini"_s), copy));
    QCOMPARE(fileBytes(copy), QByteArray());
    QVERIFY(loadWorkingCopy(copy, target, shown));
    QCOMPARE(shown.size(), 0);
    QVERIFY(target.events.isEmpty());
}

QTEST_APPLESS_MAIN(TestHostReader)
#include "tst_host_reader.moc"
