#include "model/convention_catalogue.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

class TestCatalogue : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rangeBounds_data();
    void rangeBounds();
};

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
