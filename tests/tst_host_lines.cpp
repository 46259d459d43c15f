#include "hostfile/host_lines.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vornelle;

namespace {

// The line rule read one byte at a time, as first written.
QList<QByteArray> plainSplit(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

class TestHostLines : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void agreesWithPlainSplit();
};

// Random texts of line ends and a few other bytes: the splitter keeps the next CR and LF found
// from one line to the next, which these mixtures put to the test. The lines and their ends,
// end to end, give the text back.
void TestHostLines::agreesWithPlainSplit() {
    const QByteArray bytes("\r\n\r\na\x00", 6);
    QRandomGenerator random(20240603);
    for (int i = 0; i < 5000; ++i) {
        QByteArray text;
        for (int n = random.bounded(30); n > 0; --n)
            text += bytes[random.bounded(int(bytes.size()))];
        QList<QByteArray> got;
        QByteArray tiled;
        forEachHostLineAndEnd(text, [&](QByteArrayView line, QByteArrayView end) {
            got.append(line.toByteArray());
            tiled += line.toByteArray() + end.toByteArray();
            QVERIFY(end.isEmpty() || end == "\r" || end == "\n" || end == "\r\n");
        });
        QCOMPARE(got, plainSplit(text));
        QCOMPARE(tiled, text);
        QCOMPARE(normalizeLineEnds(text), got.isEmpty() ? QByteArray() : got.join("\r\n") + "\r\n");
    }
}

QTEST_APPLESS_MAIN(TestHostLines)
#include "tst_host_lines.moc"
