#include "places/file_places.h"
#include "places/host_paths.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(vornelle::PlaceOptions)
Q_DECLARE_METATYPE(vornelle::HostSystem)

namespace {

// Makes in `home` each of `files`: "path" holds a byte, "path=text" the text (with "~" for the
// home folder), "path -> target" is a link. The files' times are an hour apart, in list order.
bool makeFiles(const QDir& home, const QStringList& files) {
    QDateTime time(QDate(2026, 1, 1), QTime(12, 0));
    for (const QString& file : files) {
        const QStringList link = file.split(u" -> "_s);
        const QString path = home.filePath(file.section(u'=', 0, 0).section(u' ', 0, 0));
        QFile made(path);
        const QByteArray text =
            file.contains(u'=') ? file.section(u'=', 1).replace(u'~', home.path()).toUtf8() : "x";
        if (!home.mkpath(QFileInfo(path).path()) ||
            !(link.size() == 2 ? QFile::link(home.filePath(link[1]), path)
                               : putFile(path, text) && made.open(QIODevice::ReadWrite) &&
                                     made.setFileTime(time, QFileDevice::FileModificationTime)))
            return false;
        time = time.addSecs(3600);
    }
    return true;
}

QString shownChoice(const HostFileChoice& choice) {
    const auto* host = std::get_if<HostFile>(&choice);
    if (host)
        return host->path + u' ' + host->virtualStoreCopy;
    const auto& toChoose = std::get<PrefixToChoose>(choice);
    static const QStringList frontEnds{u"Wine"_s,   u"PlayOnLinux"_s, u"Bottles"_s,
                                       u"Lutris"_s, u"CrossOver"_s,   u"Steam"_s,
                                       u"Heroic"_s, u"winetricks"_s,  u"player"_s};
    QString shown = u"choose:"_s;
    for (qsizetype i = 0; i < toChoose.found.size(); ++i)
        shown += u' ' + toChoose.found[i].folder + u'(' +
                 frontEnds[int(toChoose.found[i].frontEnd)] + u')' +
                 (i == toChoose.focused ? u"*"_s : QString());
    if (!toChoose.goneChoice.isEmpty())
        shown += u" gone: "_s + toChoose.goneChoice;
    if (toChoose.found.isEmpty())
        shown += u" looked: "_s + toChoose.placesLooked.join(u' ');
    return shown;
}

} // namespace

class TestHostPaths : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void placesOfOneRun_data() {
        QTest::addColumn<HostSystem>("system");
        QTest::addColumn<PlaceOptions>("options");
        QTest::addColumn<QString>("variable");   // WINEPREFIX
        QTest::addColumn<QString>("dataHome");   // XDG_DATA_HOME
        QTest::addColumn<QString>("current");    // the current folder; the program's is "bin"
        QTest::addColumn<QStringList>("files");  // made in the home folder
        QTest::addColumn<QString>("before");     // the prefix chosen before; "~" the home folder
        QTest::addColumn<QString>("hostChoice"); // relative to the home folder; its copy after it
        QTest::addColumn<QString>("workingCopy");
        using enum HostSystem;
        const QString ini = u"/drive_c/windows/vornelle.ini"_s;
        const QString homeWine = u".wine"_s + ini;
        const QString bottle = u".local/share/bottles/bottles/b"_s;
        const QString lutris = u"Games/jeu"_s;
        const QString anyCase = lutris + u"/DRIVE_C/WINDOWS/Vornelle.INI"_s;
        const QString steam = u".local/share/Steam/steamapps/"_s;
        const QString heroic = u"Games/Heroic/Prefixes/default"_s;
        const QString menu = u"Documents/Systèmes d'enchères/Vnlini.vne"_s;
        const QString here = u"./Vnlini.vne"_s;
        const QString store = u"Local/VirtualStore/windows/vornelle.ini"_s;
        QTest::newRow("file over prefixes")
            << Wine << PlaceOptions{u"copie.ini"_s, u"p"_s, u"w"_s} << u"v"_s << QString()
            << u"bin"_s << QStringList{homeWine} << u"~/p"_s << u"copie.ini"_s << u"w/Vnlini.vne"_s;
        QTest::newRow("option over variable and choice")
            << Wine << PlaceOptions{.winePrefix = u"p"_s} << u"v"_s << QString() << u"."_s
            << QStringList{lutris + ini} << u"~/Games/jeu"_s << u"p"_s + ini << here;
        QTest::newRow("variable, file missing")
            << Wine << PlaceOptions{} << u"v"_s << QString() << u"."_s << QStringList{homeWine}
            << QString() << u"v"_s + ini << here;
        QTest::newRow("variable, folder in capitals")
            << Wine << PlaceOptions{} << u"v"_s << QString() << u"."_s
            << QStringList{u"v/drive_c/WINDOWS/autre.ini"_s} << QString()
            << u"v/drive_c/WINDOWS/vornelle.ini"_s << here;
        QTest::newRow("~/.wine first, from the menu")
            << Wine << PlaceOptions{.fromMenu = true} << QString() << QString() << u"."_s
            << QStringList{homeWine, lutris + ini} << QString() << homeWine << menu;
        QTest::newRow("one found, any case, in the program's folder")
            << Wine << PlaceOptions{} << QString() << QString() << u"bin"_s
            << QStringList{anyCase, u"bin/VNLINI.VNE"_s} << QString() << anyCase
            << u"bin/VNLINI.VNE"_s;
        QTest::newRow("several, the latest focused")
            << Wine << PlaceOptions{} << QString() << QString() << u"."_s
            << QStringList{bottle + ini, lutris + ini} << QString()
            << u"choose: "_s + bottle + u"(Bottles) Games/jeu(Lutris)*"_s << here;
        QTest::newRow("none") << Wine << PlaceOptions{} << QString() << QString() << u"."_s
                              << QStringList{u".cxoffice/c/drive_c/windows/autre.ini"_s}
                              << QString()
                              << u"choose: looked: .wine .PlayOnLinux/wineprefix/*"
                                 " .local/share/bottles/bottles/*"
                                 " .var/app/com.usebottles.bottles/data/bottles/bottles/* Games/*"
                                 " .cxoffice/* .local/share/Steam/steamapps/compatdata/*/pfx"
                                 " .var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/"
                                 "compatdata/*/pfx Games/Heroic/Prefixes/default"
                                 " Games/Heroic/Prefixes/default/* .local/share/wineprefixes/*"_s
                              << here;
        QTest::newRow("a Steam library listed, alone")
            << Wine << PlaceOptions{} << QString() << QString() << u"."_s
            << QStringList{steam + u"libraryfolders.vdf=\"libraryfolders\" { \"0\" { \"path\" "
                                   "\"~/.steam/root\" } // SD\n\"1\" { \"path\" \"~/sd\" } }"_s,
                           u".steam/root -> .local/share/Steam"_s,
                           u"sd/steamapps/compatdata/7/pfx"_s + ini}
            << QString() << u"sd/steamapps/compatdata/7/pfx"_s + ini << here;
        QTest::newRow("a broken library list, a link, Heroic, winetricks")
            << Wine << PlaceOptions{} << QString() << u"data"_s << u"."_s
            << QStringList{u".steam/steam -> .local/share/Steam"_s,
                           steam + u"libraryfolders.vdf=\"libraryfolders\" { \"path\" \"~/sd\""_s,
                           u"sd/steamapps/compatdata/1/pfx"_s + ini,
                           steam + u"compatdata/9/pfx"_s + ini,
                           u"data/wineprefixes/w"_s + ini,
                           heroic + ini,
                           heroic + u"/h"_s + ini}
            << QString()
            << u"choose: "_s + steam + u"compatdata/9/pfx(Steam) "_s + heroic + u"(Heroic) "_s +
                   heroic + u"/h(Heroic)* data/wineprefixes/w(winetricks)"_s
            << here;
        QTest::newRow("chosen before, over ~/.wine")
            << Wine << PlaceOptions{} << QString() << QString() << u"."_s
            << QStringList{homeWine, lutris + ini} << u"~/Games/jeu"_s << lutris + ini << here;
        QTest::newRow("chosen before, gone")
            << Wine << PlaceOptions{} << QString() << QString() << u"."_s << QStringList{homeWine}
            << u"~/Games/jeu"_s << u"choose: .wine(Wine)* gone: Games/jeu"_s << here;
        QTest::newRow("chosen before, nothing usable")
            << Wine << PlaceOptions{} << QString() << QString() << u"."_s << QStringList{homeWine}
            << u"Games/jeu"_s << homeWine << here;
        QTest::newRow("choose again, the folder chosen before focused")
            << Wine << PlaceOptions{.choosePrefix = true} << QString() << QString() << u"."_s
            << QStringList{u"mine"_s + ini, homeWine} << u"~/mine"_s
            << u"choose: .wine(Wine) mine(player)*"_s << here;
        QTest::newRow("Windows: no prefix, started in the program's folder")
            << Windows << PlaceOptions{} << u"v"_s << QString() << u"bin"_s << QStringList{homeWine}
            << QString() << u"C/windows/vornelle.ini "_s + store << menu;
        QTest::newRow("Windows: any case, from a console")
            << Windows << PlaceOptions{} << QString() << QString() << u"."_s
            << QStringList{u"C/WINDOWS/Vornelle.INI"_s, u"Local/virtualstore/Windows/x"_s}
            << QString() << u"C/WINDOWS/Vornelle.INI Local/virtualstore/Windows/vornelle.ini"_s
            << here;
    }

    void placesOfOneRun() {
        QFETCH(HostSystem, system);
        QFETCH(PlaceOptions, options);
        QFETCH(QString, variable);
        QFETCH(QString, dataHome);
        QFETCH(QString, current);
        QFETCH(QStringList, files);
        QFETCH(QString, before);
        QTemporaryDir home;
        QVERIFY(makeFiles(QDir(home.path()), files));
        const auto in = [&home](const QString& path) {
            return path.isEmpty() ? path : home.filePath(path);
        };
        const PlaceEnvironment environment{system,       in(variable),       home.path(),
                                           in(dataHome), in(u"Documents"_s), in(current),
                                           in(u"bin"_s), in(u"C"_s),         in(u"Local"_s)};
        const HostFileChoice choice =
            chooseHostFile(options, environment, before.replace(u'~', home.path()));
        QTEST(shownChoice(choice).trimmed().remove(home.path() + u'/'), "hostChoice");
        const QString folder = chooseWorkFolder(options, environment);
        QVERIFY(QFileInfo(folder).isDir() || folder == options.workFolder);
        QTEST(workingCopyPath(QDir(folder)).remove(home.path() + u'/'), "workingCopy");
    }

    // Which prefix a folder that the player chose stands for, or what it lacks.
    void chosenFolder_data() {
        QTest::addColumn<QString>("file"); // made in a temporary folder
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("prefix");
        const QString ini = u"p/drive_c/windows/vornelle.ini"_s;
        QTest::newRow("a prefix") << ini << u"p"_s << u"p"_s;
        QTest::newRow("its drive_c, any case")
            << u"p/DRIVE_C/Windows/VORNELLE.ini"_s << u"p/DRIVE_C/"_s << u"p"_s;
        QTest::newRow("its windows folder") << ini << u"p/drive_c/windows"_s << u"p"_s;
        QTest::newRow("no drive_c") << u"d/x"_s << u"d"_s << u"d lacks drive_c"_s;
        QTest::newRow("a windows folder elsewhere")
            << u"q/windows/vornelle.ini"_s << u"q/windows"_s << u"q/windows lacks drive_c"_s;
        QTest::newRow("a drive_c without windows")
            << u"p/drive_c/users/x"_s << u"p/drive_c"_s << u"p lacks drive_c/windows"_s;
        QTest::newRow("a windows folder without the file")
            << u"p/drive_c/WINDOWS/win.ini"_s << u"p/drive_c/WINDOWS"_s
            << u"p lacks drive_c/WINDOWS/vornelle.ini"_s;
    }

    void chosenFolder() {
        QFETCH(QString, file);
        QFETCH(QString, chosen);
        QTemporaryDir top;
        QVERIFY(makeFiles(QDir(top.path()), {file}));
        const auto prefix = prefixOfChosenFolder(top.filePath(chosen));
        const auto* missing = std::get_if<MissingInFolder>(&prefix);
        QString shown =
            missing ? missing->prefix + u" lacks "_s + missing->missing : std::get<QString>(prefix);
        QTEST(shown.remove(top.path() + u'/'), "prefix");
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
QTEST_APPLESS_MAIN(TestHostPaths)
#include "tst_host_paths.moc"
