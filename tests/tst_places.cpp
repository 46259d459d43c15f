#include "places/file_lookup.h"
#include "places/place_choice.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// A run of tests/data/places/runs.txt: its "key: value" lines.
using Run = QStringList;

QStringList fields(const Run& run, const QString& key) {
    QStringList values;
    for (const QString& line : run)
        if (line.startsWith(key + u": "_s))
            values.append(line.sliced(key.size() + 2));
    return values;
}

QString field(const Run& run, const QString& key, const QString& otherwise = {}) {
    return fields(run, key).value(0, otherwise);
}

// Makes in `home` each of `files`: "path" holds a byte, "path = text" the text, "path -> target"
// is a link. The files' times are an hour apart, in list order.
bool makeFiles(const QDir& home, const QStringList& files) {
    QDateTime time(QDate(2026, 1, 1), QTime(12, 0));
    for (const QString& file : files) {
        const QStringList link = file.split(u" -> "_s);
        const QStringList text = file.split(u" = "_s);
        const QString path = home.filePath(link[0].section(u" = "_s, 0, 0));
        QFile made(path);
        const QByteArray bytes =
            text.size() == 2
                ? QString(text[1]).replace(u"\\n"_s, u"\n"_s).replace(u'~', home.path()).toUtf8()
                : "x";
        if (!home.mkpath(QFileInfo(path).path()) ||
            !(link.size() == 2 ? QFile::link(home.filePath(link[1]), path)
                               : putFile(path, bytes) && made.open(QIODevice::ReadWrite) &&
                                     made.setFileTime(time, QFileDevice::FileModificationTime)))
            return false;
        time = time.addSecs(3600);
    }
    return true;
}

QString shownChoice(const HostFileChoice& choice) {
    if (const auto* host = std::get_if<HostFile>(&choice))
        return host->path + u' ' + host->virtualStoreCopy;
    const auto& toChoose = std::get<PrefixToChoose>(choice);
    QString shown = u"choose:"_s;
    for (qsizetype i = 0; i < toChoose.found.size(); ++i)
        shown += u' ' + toChoose.found[i].folder + u'(' + shownName(toChoose.found[i].frontEnd) +
                 u')' + (i == toChoose.focused ? u"*"_s : QString());
    if (!toChoose.goneChoice.isEmpty())
        shown += u" gone: "_s + toChoose.goneChoice;
    if (toChoose.found.isEmpty())
        shown += u" looked: "_s + toChoose.placesLooked.join(u' ');
    return shown;
}

} // namespace

class TestPlaces : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void placesOfOneRun_data() {
        QTest::addColumn<Run>("run");
        const QString runs = QString::fromUtf8(fileBytes(dataPath(u"places/runs.txt"_s)));
        for (const QString& block : runs.split(u"\n\n"_s).sliced(1)) {
            const Run run = block.split(u'\n', Qt::SkipEmptyParts);
            QTest::newRow(qPrintable(field(run, u"run"_s))) << run;
        }
    }

    void placesOfOneRun() {
        QFETCH(Run, run);
#ifdef Q_OS_WIN
        if (!fields(run, u"file"_s).filter(u" -> "_s).isEmpty())
            QSKIP("QFile::link makes a shortcut on Windows, not a link");
#endif
        QTemporaryDir home;
        QVERIFY(makeFiles(QDir(home.path()), fields(run, u"file"_s)));
        const auto in = [&](const QString& key, const QString& otherwise = {}) {
            const QString path = field(run, key, otherwise);
            return path.isEmpty() ? path : home.filePath(path);
        };
        const PlaceOptions options{field(run, u"host-file"_s), field(run, u"wineprefix"_s),
                                   field(run, u"workdir"_s), run.contains(u"menu"_s),
                                   run.contains(u"choose-prefix"_s)};
        const PlaceEnvironment environment{
            field(run, u"system"_s) == u"Windows"_s ? HostSystem::Windows : HostSystem::Wine,
            in(u"WINEPREFIX"_s),
            home.path(),
            in(u"XDG_DATA_HOME"_s),
            home.filePath(u"Documents"_s),
            in(u"current"_s, u"."_s),
            home.filePath(u"bin"_s),
            home.filePath(u"C"_s),
            home.filePath(u"Local"_s)};
        const HostFileChoice choice = chooseHostFile(
            options, environment, field(run, u"before"_s).replace(u'~', home.path()));
        QCOMPARE(shownChoice(choice).trimmed().remove(home.path() + u'/'), field(run, u"host"_s));
        const QString folder = chooseWorkFolder(options, environment);
        QVERIFY(QFileInfo(folder).isDir() || folder == options.workFolder);
        QCOMPARE(workingCopyPath(QDir(folder)).remove(home.path() + u'/'),
                 field(run, u"working-copy"_s, u"./Vnlini.vne"_s));
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
};
QTEST_APPLESS_MAIN(TestPlaces)
#include "tst_places.moc"
