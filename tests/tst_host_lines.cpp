#include "hostfile/host_lines.h"

#include <QTest>

class TestHostLines : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void split_data();
    void split();
};

void TestHostLines::split_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("lines");
    using L = QList<QByteArray>;
    QTest::newRow("empty") << QByteArray() << L{};
    QTest::newRow("no end") << QByteArray("a") << L{"a"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << L{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << L{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb\n") << L{"a", "b"};
    QTest::newRow("mixed, last without end") << QByteArray("a\r\nb\rc\nd") << L{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << L{"a", "", "b"};
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << L{"", ""};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << L{"a", ""};
    QTest::newRow("bytes kept") << QByteArray("\xe9=\x00\xff\r\n", 6)
                                << L{QByteArray("\xe9=\x00\xff", 4)};
}

void TestHostLines::split() {
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, lines);
    QList<QByteArray> got;
    forEachHostLine(text, [&got](QByteArrayView line) { got.append(line.toByteArray()); });
    QCOMPARE(got, lines);
    QByteArray joined;
    for (const QByteArray& line : lines)
        joined += line + "\r\n";
    QCOMPARE(normalizeLineEnds(text), joined);
}

QTEST_APPLESS_MAIN(TestHostLines)
#include "tst_host_lines.moc"
