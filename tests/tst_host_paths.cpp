#include "hostfile/file_places.h"
#include "hostfile/host_paths.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(vornelle::PlaceOptions)
Q_DECLARE_METATYPE(vornelle::HostSystem)
Q_DECLARE_METATYPE(vornelle::FileFailure::Problem)

class TestHostPaths : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void placesOfOneRun_data() {
        QTest::addColumn<HostSystem>("system");
        QTest::addColumn<PlaceOptions>("options");
        QTest::addColumn<QString>("variable");   // WINEPREFIX
        QTest::addColumn<QString>("current");    // the current folder; the program's is "bin"
        QTest::addColumn<QStringList>("files");  // made in the home folder
        QTest::addColumn<QString>("hostChoice"); // relative to the home folder; its copy after it
        QTest::addColumn<QString>("workingCopy");
        using enum HostSystem;
        const QString ini = u"/drive_c/windows/vornelle.ini"_s;
        const QString homeWine = u".wine"_s + ini;
        const QString bottle = u".local/share/bottles/bottles/b"_s;
        const QString lutris = u"Games/jeu"_s;
        const QString anyCase = lutris + u"/drive_c/WINDOWS/Vornelle.INI"_s;
        const QString menu = u"Documents/Systèmes d'enchères/Vnlini.vne"_s;
        const QString here = u"./Vnlini.vne"_s;
        const QString store = u"Local/VirtualStore/windows/vornelle.ini"_s;
        QTest::newRow("file over prefixes")
            << Wine << PlaceOptions{u"copie.ini"_s, u"p"_s, u"w"_s} << u"v"_s << u"bin"_s
            << QStringList{homeWine} << u"copie.ini"_s << u"w/Vnlini.vne"_s;
        QTest::newRow("option over variable")
            << Wine << PlaceOptions{.winePrefix = u"p"_s} << u"v"_s << u"."_s << QStringList{}
            << u"p"_s + ini << here;
        QTest::newRow("variable, file missing") << Wine << PlaceOptions{} << u"v"_s << u"."_s
                                                << QStringList{homeWine} << u"v"_s + ini << here;
        QTest::newRow("variable, folder in capitals")
            << Wine << PlaceOptions{} << u"v"_s << u"."_s
            << QStringList{u"v/drive_c/WINDOWS/autre.ini"_s} << u"v/drive_c/WINDOWS/vornelle.ini"_s
            << here;
        QTest::newRow("~/.wine first, from the menu")
            << Wine << PlaceOptions{.fromMenu = true} << QString() << u"."_s
            << QStringList{homeWine, lutris + ini} << homeWine << menu;
        QTest::newRow("one found, any case, in the program's folder")
            << Wine << PlaceOptions{} << QString() << u"bin"_s
            << QStringList{anyCase, u"bin/VNLINI.VNE"_s} << anyCase << u"bin/VNLINI.VNE"_s;
        QTest::newRow("several") << Wine << PlaceOptions{} << QString() << u"."_s
                                 << QStringList{lutris + ini, bottle + ini}
                                 << u"several: "_s + bottle + u' ' + lutris << here;
        QTest::newRow("none")
            << Wine << PlaceOptions{} << QString() << u"."_s
            << QStringList{u".cxoffice/c/drive_c/windows/autre.ini"_s}
            << u"none: .wine .PlayOnLinux/wineprefix/* .local/share/bottles/bottles/*"
               " .var/app/com.usebottles.bottles/data/bottles/bottles/* Games/*"
               " .cxoffice/*"_s
            << here;
        QTest::newRow("Windows: no prefix, started in the program's folder")
            << Windows << PlaceOptions{} << u"v"_s << u"bin"_s << QStringList{homeWine}
            << u"C/windows/vornelle.ini "_s + store << menu;
        QTest::newRow("Windows: any case, from a console")
            << Windows << PlaceOptions{} << QString() << u"."_s
            << QStringList{u"C/WINDOWS/Vornelle.INI"_s, u"Local/virtualstore/Windows/x"_s}
            << u"C/WINDOWS/Vornelle.INI Local/virtualstore/Windows/vornelle.ini"_s << here;
    }

    void placesOfOneRun() {
        QFETCH(HostSystem, system);
        QFETCH(PlaceOptions, options);
        QFETCH(QString, variable);
        QFETCH(QString, current);
        QFETCH(QStringList, files);
        QTemporaryDir home;
        for (const QString& file : files)
            QVERIFY(QDir(home.path()).mkpath(QFileInfo(file).path()) &&
                    putFile(home.filePath(file), "x"));
        const auto in = [&home](const QString& path) { return home.filePath(path); };
        const PlaceEnvironment environment{
            system,      variable.isEmpty() ? variable : in(variable),
            home.path(), in(u"Documents"_s),
            in(current), in(u"bin"_s),
            in(u"C"_s),  in(u"Local"_s)};
        const HostFileChoice choice = chooseHostFile(options, environment);
        const auto* several = std::get_if<SeveralHostFiles>(&choice);
        const auto* none = std::get_if<NoHostFile>(&choice);
        const auto* host = std::get_if<HostFile>(&choice);
        QString shown = several ? u"several: "_s + several->prefixes.join(u' ')
                        : none  ? u"none: "_s + none->placesLooked.join(u' ')
                                : host->path + u' ' + host->virtualStoreCopy;
        QTEST(shown.trimmed().remove(home.path() + u'/'), "hostChoice");
        const QString folder = chooseWorkFolder(options, environment);
        QVERIFY(QFileInfo(folder).isDir() || folder == options.workFolder);
        QTEST(workingCopyPath(QDir(folder)).remove(home.path() + u'/'), "workingCopy");
    }

    // Which file a transfer reads and then, when writing it failed, writes instead.
    void hostFileReadThenWritten_data() {
        QTest::addColumn<QString>("copy"); // the host's copy in the VirtualStore; empty: none
        QTest::addColumn<bool>("copyExists");
        QTest::addColumn<FileFailure::Problem>("problem");
        QTest::addColumn<QString>("files");
        using enum FileFailure::Problem;
        QTest::newRow("no copy, refused") << QString() << false << WriteRefused << u"ini"_s;
        QTest::newRow("copy to come, refused") << u"vs"_s << false << WriteRefused << u"ini vs"_s;
        QTest::newRow("copy to come, failed") << u"vs"_s << false << CannotWrite << u"ini"_s;
        QTest::newRow("copy there, refused") << u"vs"_s << true << WriteRefused << u"vs"_s;
    }

    void hostFileReadThenWritten() {
        QFETCH(QString, copy);
        QFETCH(bool, copyExists);
        QFETCH(FileFailure::Problem, problem);
        const HostFile host(u"ini"_s, copy);
        const auto next = fileToWriteNext(host, copyExists, problem);
        QTEST(QString(fileHostReads(host, copyExists) + u' ' + next.value_or(QString())).trimmed(),
              "files");
    }
};
QTEST_APPLESS_MAIN(TestHostPaths)
#include "tst_host_paths.moc"
