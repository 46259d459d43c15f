#include "hostfile/host_writer.h"
#include "model/convention_catalogue.h"

#include <QSet>
#include <QTest>

using catalogue::hostKeys;
using namespace Qt::StringLiterals;

class TestCatalogue : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void noKeyHoldsAnother();
    void noWrittenLineHoldsAnotherKey();
    void rangeBounds_data();
    void rangeBounds();
};

// The writer stops at the first key that replaces a line; that is only sound because no key
// stands inside another key...
void TestCatalogue::noKeyHoldsAnother() {
    for (const auto& a : hostKeys()) {
        for (const auto& b : hostKeys()) {
            if (&a != &b)
                QVERIFY2(!a.key.contains(b.key), a.key.toByteArray() + " holds " + b.key.data());
        }
    }
}

// ...nor inside any line written for a key, whatever the values.
void TestCatalogue::noWrittenLineHoldsAnotherKey() {
    SideSettings all;
    all.conventions.fill(1);
    all.competitive.fill(1);
    all.openingChoice = OpeningChoice::Option0;
    all.ntRangeVulnerable = u"16-18H"_s;
    all.ntRangeNotVulnerable = u"10-12H"_s;
    for (const auto& a : hostKeys()) {
        const QByteArray written = rewriteHostLine(a.key, all, all);
        QVERIFY(written.startsWith(a.key.toByteArray()));
        for (const auto& b : hostKeys()) {
            if (&a != &b)
                QVERIFY2(!written.contains(b.key), written + " holds " + b.key.data());
        }
    }
}

void TestCatalogue::rangeBounds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bound"); // -1: none
    QTest::newRow("first") << u"10-12H"_s << 10;
    QTest::newRow("middle") << u"13-15H"_s << 13;
    QTest::newRow("last") << u"16-18H"_s << 16;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("no H") << u"12-14"_s << -1;
    QTest::newRow("lower case") << u"12-14h"_s << -1;
    QTest::newRow("blank after") << u"12-14H "_s << -1;
}

void TestCatalogue::rangeBounds() {
    QFETCH(QString, text);
    QFETCH(int, bound);
    const auto found = catalogue::ntRangeLowerBound(text);
    QCOMPARE(found.value_or(-1), bound);
    if (found)
        QCOMPARE(catalogue::ntRangeText(*found).value_or(QString()), text);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
