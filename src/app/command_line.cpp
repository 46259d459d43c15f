#include "command_line.h"

#include "model/convention_catalogue.h"
#include "places/front_ends.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int answered = 0;
constexpr int wrongCommandLine = 2;

// The parser prints the description as it is: its width is that of the parser's own texts.
constexpr qsizetype helpWidth = 79;

const QString purpose =
    u"Règle les conventions d'enchères que Vornelle joue pour Nord-Sud et Est-Ouest.\n\n"_s;

// `text` cut at its spaces into lines of helpWidth characters at most, where its words allow.
// Its no-break spaces join words, and are printed as spaces.
QString wrapped(const QString& text) {
    QString lines;
    qsizetype width = 0; // of the line being filled
    for (const QString& word : text.split(u' ')) {
        if (width > 0 && width + 1 + word.size() > helpWidth) {
            lines += u'\n';
            width = 0;
        } else if (width > 0) {
            lines += u' ';
            ++width;
        }
        lines += word;
        width += word.size();
    }
    return lines.replace(u'\u00a0', u' ');
}

// A front-end's folder as the help names it.
QString folderInHelp(const vornelle::FrontEndFolder& folder) {
    const QString path = folder.path.toString();
    const QString where = folder.under == vornelle::Under::Home
                              ? u"~/"_s + path
                              : u"$%1/%2, par défaut ~/%3/%2"_s.arg(
                                    QLatin1StringView(vornelle::catalogue::dataHomeVariable), path,
                                    vornelle::catalogue::defaultDataHome);
    return folder.look == vornelle::Look::PrefixAndEachFolder ? where + u" et ses dossiers"_s
                                                              : where;
}

// Every front-end that has folders, but plain Wine, which is named before:
// "<name> (<folder>, <folder>), <name> (<folder>) et <name> (<folder>)".
QString frontEndsInHelp() {
    using namespace vornelle;
    QStringList named;
    for (const FrontEndRow& row : frontEnds()) {
        QStringList folders;
        bool libraries = false;
        for (const FrontEndFolder& folder : row.folders) {
            folders.append(folderInHelp(folder));
            libraries = libraries || folder.look == Look::LibraryFolder;
        }
        if (libraries)
            folders.last() += u" et les autres bibliothèques de "_s + row.shownName.toString();
        if (row.frontEnd != FrontEnd::Wine && !folders.isEmpty())
            named.append(u"%1 (%2)"_s.arg(row.shownName, folders.join(u", "_s)));
    }
    const QString last = named.takeLast();
    return named.join(u", "_s) + u" et "_s + last;
}

QString placesUnderWine() {
    return wrapped(
        u"Le fichier de réglages de Vornelle est celui de --host-file\u00a0; sinon celui du "
        "préfixe Wine de --wineprefix, sinon de WINEPREFIX\u00a0; sinon celui du préfixe choisi "
        "la dernière fois\u00a0; sinon, sans choix passé, celui de ~/%1, ou du seul préfixe qui "
        "en contient un parmi ceux de %2. Sinon, ou avec --choose-prefix (qui passe avant "
        "WINEPREFIX), une fenêtre liste les préfixes trouvés et le choix est retenu pour les "
        "démarrages suivants. Les systèmes et la copie de travail vont dans le dossier de "
        "--workdir, sinon de --documents, sinon dans le dossier courant."_s.arg(
            vornelle::defaultWinePrefix, frontEndsInHelp()));
}

// Wrapped by hand.
const QString placesOnWindows =
    u"Le fichier de réglages de Vornelle est celui de --host-file ; sinon la copie\n"
    "que Windows en garde pour Vornelle, si elle existe :\n"
    "%LOCALAPPDATA%\\VirtualStore\\Windows\\vornelle.ini ; sinon C:\\Windows\\vornelle.ini.\n"
    "Les systèmes et la copie de travail vont dans le dossier de --workdir, sinon de\n"
    "--documents, sinon dans le dossier courant ; lancé depuis son propre dossier,\n"
    "comme le fait l'Explorateur, dans Documents\\Systèmes d'enchères."_s;

struct Options {
    explicit Options(bool underWine)
        : hostFile{u"host-file"_s,
                   u"Le fichier de réglages de Vornelle lui-même, ou une copie"_s +
                       (underWine ? u" (avant tout préfixe)."_s : u"."_s),
                   u"FICHIER"_s} {}

    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Afficher cette aide et quitter."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Afficher la version et quitter."_s};
    QCommandLineOption winePrefix{
        u"wineprefix"_s, u"Le préfixe Wine de Vornelle (avant WINEPREFIX)."_s, u"DOSSIER"_s};
    QCommandLineOption hostFile;
    QCommandLineOption workFolder{
        u"workdir"_s,
        u"Le dossier de la copie de travail et des systèmes (par défaut : le dossier courant)."_s,
        u"DOSSIER"_s};
    QCommandLineOption choosePrefix{
        u"choose-prefix"_s,
        u"Choisir le préfixe Wine de Vornelle parmi ceux trouvés, même si un choix a été "
        "retenu (avant WINEPREFIX)."_s};
    QCommandLineOption documents{
        u"documents"_s,
        u"Travailler dans Documents/Systèmes d'enchères, créé s'il manque (pour le menu)."_s};
};

// In UTF-8 on every system: a Windows console is switched to it, where the system's own
// 8-bit code page would have no room for some of the texts.
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

int refuse(const QString& problem) {
    print(stderr, u"%1 : %2\n"_s.arg(QCoreApplication::applicationName(), problem));
    return wrongCommandLine;
}

// Why the option's value is refused: it names no folder. Empty when it does or is not given.
QString folderProblem(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QString value = parser.value(option);
    if (!parser.isSet(option) || QFileInfo(value).isDir())
        return {};
    return u"--%1 : « %2 » n'est pas un dossier."_s.arg(option.names().constFirst(), value);
}

std::variant<vornelle::PlaceOptions, int> parse(const QStringList& arguments,
                                                vornelle::HostSystem system) {
    const bool underWine = system == vornelle::HostSystem::Wine;
    const Options options(underWine);
    QList<const QCommandLineOption*> folders{&options.workFolder};
    QCommandLineParser parser;
    parser.setApplicationDescription(purpose + (underWine ? placesUnderWine() : placesOnWindows));
    parser.addOptions({options.help, options.version});
    if (underWine) {
        parser.addOptions({options.winePrefix, options.choosePrefix});
        folders.append(&options.winePrefix);
    }
    parser.addOptions({options.hostFile, options.workFolder, options.documents});
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(options.help)) {
        print(stdout, parser.helpText());
        return answered;
    }
    if (parser.isSet(options.version)) {
        print(stdout, QCoreApplication::applicationName() + u' ' +
                          QCoreApplication::applicationVersion() + u'\n');
        return answered;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(u"argument inattendu « %1 »."_s.arg(parser.positionalArguments().first()));
    for (const QCommandLineOption* folder : folders)
        if (const QString problem = folderProblem(parser, *folder); !problem.isEmpty())
            return refuse(problem);
    const bool choosePrefix = underWine && parser.isSet(options.choosePrefix);
    if (choosePrefix && (parser.isSet(options.hostFile) || parser.isSet(options.winePrefix)))
        return refuse(u"--choose-prefix ne va ni avec --host-file ni avec --wineprefix."_s);
    return vornelle::PlaceOptions{
        parser.value(options.hostFile), underWine ? parser.value(options.winePrefix) : QString(),
        parser.value(options.workFolder), parser.isSet(options.documents), choosePrefix};
}

} // namespace

std::variant<vornelle::PlaceOptions, int> readCommandLine(int& argc, char** argv,
                                                          vornelle::HostSystem system) {
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"systemes-encheres"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNELLE_VERSION));
    QTranslator qtFrench;
    installQtFrench(qtFrench);
    return parse(QCoreApplication::arguments(), system);
}

void installQtFrench(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}
