// The host file's rules on the texts of tests/data/host: for each X.ini, X.read holds what every
// line sets when read, and X.expected the text rewritten from the values below; then which file
// a transfer reads and writes.
#include "check_values.h"
#include "files/text_lines.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"
#include "hostfile/virtual_store.h"
#include "recording_target.h"
#include "test_files.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// Grayed boxes, neither opening chosen, the first and last ranges, a typed text, an empty box.
SideSettings sideToWrite(Side side) {
    const bool ns = side == Side::NS;
    SideSettings s;
    s.general = ns ? checks({0, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0})
                   : checks({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0});
    s.opening = ns ? OpeningChoice::Weak : OpeningChoice::None;
    s.ntRangeVulnerable = ns ? u"10-12H"_s : u"16-18H"_s;
    s.ntRangeNotVulnerable = ns ? u"12-14h"_s : QString();
    s.competitive = ns ? checks({2, 1, 0, 1, 0}) : checks({1, 0, 0, 0, 2});
    return s;
}

} // namespace

class TestHostFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readAndRewrite_data() { addStoredCases(u"host"_s, u"ini"_s); }

    void readAndRewrite() {
        QFETCH(QString, name);
        const QByteArray text = fileBytes(dataPath(name + u".ini"_s));
        QByteArray read;
        RecordingTarget byLine;
        int number = 0;
        forEachLine(text, [&](QByteArrayView line) {
            RecordingTarget target;
            applyHostLine(line, target);
            ++number;
            if (!target.events.isEmpty())
                read +=
                    QByteArray::number(number) + ": " + target.events.join(u"; "_s).toUtf8() + "\n";
            byLine.events << target.events;
        });
        RecordingTarget whole;
        readHostText(text, whole);
        QCOMPARE(whole.events, byLine.events);
        QVERIFY(matchesStored(read, name + u".read"_s));
        const QByteArray rewritten =
            rewriteHostText(text, sideToWrite(Side::NS), sideToWrite(Side::EO));
        QVERIFY(matchesStored(rewritten, name + u".expected"_s));
    }

    // Which file a transfer reads and then, when writing it failed, writes instead.
    void hostFileReadThenWritten_data() {
        QTest::addColumn<QString>("copy"); // the host's copy in the VirtualStore; empty: none
        QTest::addColumn<bool>("copyExists");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("files");
        QTest::newRow("no copy, refused") << QString() << false << true << u"ini"_s;
        QTest::newRow("copy to come, refused") << u"vs"_s << false << true << u"ini vs"_s;
        QTest::newRow("copy to come, failed") << u"vs"_s << false << false << u"ini"_s;
        QTest::newRow("copy there, refused") << u"vs"_s << true << true << u"vs"_s;
    }

    void hostFileReadThenWritten() {
        QFETCH(QString, copy);
        QFETCH(bool, copyExists);
        QFETCH(bool, refused);
        const HostFile host(u"ini"_s, copy);
        const auto next = fileToWriteNext(host, copyExists, refused);
        QTEST(QString(fileHostReads(host, copyExists) + u' ' + next.value_or(QString())).trimmed(),
              "files");
    }
};
QTEST_APPLESS_MAIN(TestHostFile)
#include "tst_host_file.moc"
