#include "hostfile/host_paths.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

class TestHostPaths : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void hostFileUnderWine_data();
    void hostFileUnderWine();
    void workingCopyInAnyCase();
};

void TestHostPaths::hostFileUnderWine_data() {
    QTest::addColumn<QString>("folder"); // empty: nothing created
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing there") << QString() << QString() << u"windows/vornelle.ini"_s;
    QTest::newRow("lower case") << u"windows"_s << u"vornelle.ini"_s << u"windows/vornelle.ini"_s;
    QTest::newRow("as Windows wrote it")
        << u"Windows"_s << u"VORNELLE.INI"_s << u"Windows/VORNELLE.INI"_s;
    QTest::newRow("folder only") << u"WINDOWS"_s << QString() << u"WINDOWS/vornelle.ini"_s;
}

void TestHostPaths::hostFileUnderWine() {
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    const QString driveC = prefix.filePath(u"drive_c"_s);
    if (!folder.isEmpty()) {
        QVERIFY(QDir().mkpath(driveC + u'/' + folder));
        if (!file.isEmpty())
            QVERIFY(putFile(driveC + u'/' + folder + u'/' + file, "x"));
    }
    QCOMPARE(hostSettingsPath(prefix.path(), u"/nowhere"_s), driveC + u'/' + expected);
    // Without WINEPREFIX the prefix is ~/.wine.
    QCOMPARE(hostSettingsPath(QString(), u"/home/joueur"_s),
             u"/home/joueur/.wine/drive_c/windows/vornelle.ini"_s);
}

void TestHostPaths::workingCopyInAnyCase() {
    QTemporaryDir dir;
    QCOMPARE(workingCopyPath(QDir(dir.path())), dir.filePath(u"Vnlini.vne"_s));
    QVERIFY(putFile(dir.filePath(u"VNLINI.VNE"_s), "x"));
    QCOMPARE(workingCopyPath(QDir(dir.path())), dir.filePath(u"VNLINI.VNE"_s));
}

QTEST_APPLESS_MAIN(TestHostPaths)
#include "tst_host_paths.moc"
