#include "command_line.h"

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

// Wrapped by hand: the parser prints it as it is.
const QString description =
    u"Règle les conventions d'enchères que Vornelle joue pour Nord-Sud et Est-Ouest.\n\n"
    "Le fichier de réglages de Vornelle est celui de --host-file ; sinon celui du\n"
    "préfixe Wine de --wineprefix, sinon de WINEPREFIX, sinon de ~/.wine ; sinon\n"
    "celui du seul préfixe qui en contient un parmi ceux de PlayOnLinux, Bottles,\n"
    "Lutris (~/Games) et CrossOver. Les systèmes et la copie de travail vont dans le\n"
    "dossier de --workdir, sinon de --documents, sinon dans le dossier courant."_s;

struct Options {
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Afficher cette aide et quitter."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Afficher la version et quitter."_s};
    QCommandLineOption winePrefix{
        u"wineprefix"_s, u"Le préfixe Wine de Vornelle (avant WINEPREFIX)."_s, u"DOSSIER"_s};
    QCommandLineOption hostFile{
        u"host-file"_s,
        u"Le fichier de réglages de Vornelle lui-même, ou une copie (avant tout préfixe)."_s,
        u"FICHIER"_s};
    QCommandLineOption workFolder{
        u"workdir"_s,
        u"Le dossier de la copie de travail et des systèmes (par défaut : le dossier courant)."_s,
        u"DOSSIER"_s};
    QCommandLineOption documents{
        u"documents"_s,
        u"Travailler dans Documents/Systèmes d'enchères, créé s'il manque (pour le menu)."_s};
};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
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

std::variant<vornelle::PlaceOptions, int> parse(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOptions({options.help, options.version, options.winePrefix, options.hostFile,
                       options.workFolder, options.documents});
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
    for (const QCommandLineOption* folder : {&options.workFolder, &options.winePrefix})
        if (const QString problem = folderProblem(parser, *folder); !problem.isEmpty())
            return refuse(problem);
    return vornelle::PlaceOptions{parser.value(options.hostFile), parser.value(options.winePrefix),
                                  parser.value(options.workFolder),
                                  parser.isSet(options.documents)};
}

} // namespace

std::variant<vornelle::PlaceOptions, int> readCommandLine(int& argc, char** argv) {
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"systemes-encheres"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNELLE_VERSION));
    QTranslator qtFrench;
    installQtFrench(qtFrench);
    return parse(QCoreApplication::arguments());
}

void installQtFrench(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}
