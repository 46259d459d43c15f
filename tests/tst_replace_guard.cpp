#include "systemfile/replace_guard.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(GuardState)

class TestReplaceGuard : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void check_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<GuardState>("before");
        QTest::addColumn<GuardState>("after");
        const auto D = GuardState::Disarmed, U = GuardState::Unconfirmed, C = GuardState::Confirmed;
        QTest::newRow("new name, disarmed") << u"Nouveau.vns"_s << D << C;
        QTest::newRow("new name, unconfirmed") << u"Nouveau.vns"_s << U << C;
        QTest::newRow("new name, confirmed") << u"Nouveau.vns"_s << C << C;
        QTest::newRow("listed, disarmed") << u"Acol.vns"_s << D << U;
        QTest::newRow("listed, unconfirmed") << u"Acol.vns"_s << U << U;
        QTest::newRow("listed, confirmed") << u"Acol.vns"_s << C << C;
        QTest::newRow("other letter case") << u"acol.vns"_s << D << C;
        QTest::newRow("listed with capital extension") << u"Sayc.vns"_s << D << C;
        QTest::newRow("path") << u"./Acol.vns"_s << D << C;
        QTest::newRow("empty name") << u".vns"_s << U << C;
    }

    void check() {
        QFETCH(QString, name);
        QFETCH(GuardState, before);
        QFETCH(GuardState, after);
        const QStringList listed{u"Acol.vns"_s, u"Sayc.VNS"_s};
        QCOMPARE(checkReplace(name, listed, boxOf(before).value), after);
        // The box's value alone tells the state back; it can be clicked once the guard is armed.
        QCOMPARE(stateOfValue(boxOf(after).value), after);
        QCOMPARE(boxOf(after).enabled, after != GuardState::Disarmed);
    }
};
QTEST_APPLESS_MAIN(TestReplaceGuard)
#include "tst_replace_guard.moc"
