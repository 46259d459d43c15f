#include "start_up.h"

#include "chosen_prefix.h"
#include "conventions_window.h"
#include "places/file_lookup.h"
#include "prefix_chooser.h"
#include "window_texts.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

constexpr int quitWithoutChoosing = 0;
constexpr int startUpFailed = 1;

const QString chooseAnother =
    u"\n\nPour prendre un autre préfixe Wine : « Choisir le préfixe Wine… » dans le menu des "
    "applications (clic droit sur le programme), ou systemes-encheres --choose-prefix."_s;

// Under Wine, the prefix was not named on the command line: the player may choose another.
bool prefixNotNamed(const PlaceOptions& options) {
    return thisHostSystem == HostSystem::Wine && options.hostFile.isEmpty() &&
           options.winePrefix.isEmpty();
}

} // namespace

std::variant<std::unique_ptr<ConventionsWindow>, int> startWindow(const PlaceOptions& options) {
    const PlaceEnvironment environment = PlaceEnvironment::ofThisProcess();
    HostFileChoice choice = chooseHostFile(
        options, environment, prefixNotNamed(options) ? readChosenPrefix() : QString());
    QString chosen;
    if (const auto* toChoose = std::get_if<PrefixToChoose>(&choice)) {
        PrefixChooser chooser(*toChoose);
        if (chooser.exec() != QDialog::Accepted)
            return quitWithoutChoosing;
        chosen = chooser.chosenPrefix();
        choice = HostFile(hostSettingsPathInPrefix(chosen));
    }
    auto window = std::make_unique<ConventionsWindow>(std::get<HostFile>(choice),
                                                      QDir(chooseWorkFolder(options, environment)));
    if (const FileOutcome failed = window->startUp()) {
        QMessageBox::critical(nullptr, window->windowTitle(),
                              texts::failureMessage(*failed) +
                                  (prefixNotNamed(options) ? chooseAnother : QString()));
        return startUpFailed;
    }
    // Kept once its host file has been read.
    if (!chosen.isEmpty())
        keepChosenPrefix(chosen);
    return window;
}
