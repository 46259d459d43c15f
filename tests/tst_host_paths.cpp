#include "hostfile/file_places.h"
#include "hostfile/host_paths.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(vornelle::PlaceOptions)

class TestHostPaths : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void workingCopyInAnyCase() {
        QTemporaryDir dir;
        QCOMPARE(workingCopyPath(QDir(dir.path())), dir.filePath(u"Vnlini.vne"_s));
        QVERIFY(putFile(dir.filePath(u"VNLINI.VNE"_s), "x"));
        QCOMPARE(workingCopyPath(QDir(dir.path())), dir.filePath(u"VNLINI.VNE"_s));
    }

    void placesOfOneRun_data() {
        QTest::addColumn<PlaceOptions>("options");
        QTest::addColumn<QString>("variable");   // WINEPREFIX
        QTest::addColumn<QStringList>("files");  // made in the home folder
        QTest::addColumn<QString>("hostChoice"); // paths relative to the home folder
        QTest::addColumn<QString>("workFolder");
        const QString ini = u"/drive_c/windows/vornelle.ini"_s;
        const QString wine = u".wine"_s + ini;
        const QString bottle = u".local/share/bottles/bottles/b"_s;
        const QString lutris = u"Games/jeu"_s;
        const QString anyCase = lutris + u"/drive_c/WINDOWS/Vornelle.INI"_s;
        QTest::newRow("file over prefixes")
            << PlaceOptions{u"copie.ini"_s, u"p"_s, u"w"_s} << u"v"_s << QStringList{wine}
            << u"copie.ini"_s << u"w"_s;
        QTest::newRow("option over variable") << PlaceOptions{.winePrefix = u"p"_s} << u"v"_s
                                              << QStringList{} << u"p"_s + ini << u"."_s;
        QTest::newRow("variable, file missing")
            << PlaceOptions{} << u"v"_s << QStringList{wine} << u"v"_s + ini << u"."_s;
        QTest::newRow("variable, folder in capitals")
            << PlaceOptions{} << u"v"_s << QStringList{u"v/drive_c/WINDOWS/autre.ini"_s}
            << u"v/drive_c/WINDOWS/vornelle.ini"_s << u"."_s;
        QTest::newRow("~/.wine first, from the menu")
            << PlaceOptions{.fromMenu = true} << QString() << QStringList{wine, lutris + ini}
            << wine << u"Documents/Systèmes d'enchères"_s;
        QTest::newRow("one found, any case")
            << PlaceOptions{} << QString() << QStringList{anyCase} << anyCase << u"."_s;
        QTest::newRow("several") << PlaceOptions{} << QString()
                                 << QStringList{lutris + ini, bottle + ini}
                                 << u"several: "_s + bottle + u' ' + lutris << u"."_s;
        QTest::newRow("none")
            << PlaceOptions{} << QString()
            << QStringList{u".cxoffice/c/drive_c/windows/autre.ini"_s}
            << u"none: .wine .PlayOnLinux/wineprefix/* .local/share/bottles/bottles/*"
               " .var/app/com.usebottles.bottles/data/bottles/bottles/* Games/*"
               " .cxoffice/*"_s
            << u"."_s;
    }

    void placesOfOneRun() {
        QFETCH(PlaceOptions, options);
        QFETCH(QString, variable);
        QFETCH(QStringList, files);
        QTemporaryDir home;
        for (const QString& file : files)
            QVERIFY(QDir(home.path()).mkpath(QFileInfo(file).path()) &&
                    putFile(home.filePath(file), "x"));
        const PlaceEnvironment environment{variable.isEmpty() ? variable : home.filePath(variable),
                                           home.path(), home.filePath(u"Documents"_s), u"."_s};
        const HostFileChoice choice = chooseHostFile(options, environment);
        const auto* several = std::get_if<SeveralHostFiles>(&choice);
        const auto* none = std::get_if<NoHostFile>(&choice);
        QString shown = several ? u"several: "_s + several->prefixes.join(u' ')
                        : none  ? u"none: "_s + none->placesLooked.join(u' ')
                                : std::get<QString>(choice);
        QTEST(shown.remove(home.path() + u'/'), "hostChoice");
        const QString folder = chooseWorkFolder(options, environment);
        QTEST(QString(folder).remove(home.path() + u'/'), "workFolder");
        QVERIFY(QFileInfo(folder).isDir() || folder == options.workFolder);
    }
};
QTEST_APPLESS_MAIN(TestHostPaths)
#include "tst_host_paths.moc"
