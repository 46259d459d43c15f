#include "start_up.h"

#include "conventions_window.h"
#include "model/convention_catalogue.h"
#include "window_texts.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

QString listed(const QStringList& paths) {
    return u"\n    "_s + paths.join(u"\n    "_s);
}

// Why no host settings file was chosen and how to choose one; empty when one was.
QString choiceProblem(const HostFileChoice& choice) {
    const QString file = catalogue::hostSettingsFileName.toString();
    if (const auto* several = std::get_if<SeveralHostFiles>(&choice))
        return u"Plusieurs préfixes Wine contiennent un fichier %1 :%2\n\n"
               "Choisissez celui de Vornelle, par exemple :\n"
               "    systemes-encheres --wineprefix \"%3\""_s.arg(file, listed(several->prefixes),
                                                                 several->prefixes.first());
    if (const auto* none = std::get_if<NoHostFile>(&choice))
        return u"Aucun fichier %1 n'a été trouvé sous Wine. Endroits examinés :%2\n\n"
               "Indiquez le préfixe Wine de Vornelle ou le fichier lui-même :\n"
               "    systemes-encheres --wineprefix DOSSIER\n"
               "    systemes-encheres --host-file FICHIER"_s.arg(file, listed(none->placesLooked));
    return {};
}

} // namespace

std::unique_ptr<ConventionsWindow> startWindow(const PlaceOptions& options) {
    const PlaceEnvironment environment = PlaceEnvironment::ofThisProcess();
    const HostFileChoice choice = chooseHostFile(options, environment);
    const auto* host = std::get_if<HostFile>(&choice);
    auto window = std::make_unique<ConventionsWindow>(host ? *host : HostFile(QString()),
                                                      QDir(chooseWorkFolder(options, environment)));
    QString problem = choiceProblem(choice);
    if (problem.isEmpty())
        if (const FileOutcome failed = window->startUp())
            problem = texts::failureMessage(*failed);
    if (problem.isEmpty())
        return window;
    QMessageBox::critical(nullptr, window->windowTitle(), problem);
    return nullptr;
}
