#include "start_up.h"

#include "chosen_prefix.h"
#include "conventions_window.h"
#include "prefix_chooser.h"
#include "window_texts.h"

#include <QMessageBox>

using namespace vornelle;

namespace {

constexpr int quitWithoutChoosing = 0;
constexpr int startUpFailed = 1;

} // namespace

std::variant<std::unique_ptr<ConventionsWindow>, int> startWindow(const PlaceOptions& options) {
    const PlaceEnvironment environment = PlaceEnvironment::ofThisProcess();
    HostFileChoice choice = chooseHostFile(options, environment, readChosenPrefix());
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
        QMessageBox::critical(nullptr, window->windowTitle(), texts::failureMessage(*failed));
        return startUpFailed;
    }
    // Kept once its host file has been read; when it cannot be kept, the player chooses again.
    if (!chosen.isEmpty())
        keepChosenPrefix(chosen);
    return window;
}
