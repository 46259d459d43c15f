#include "carried_qt.h"
#include "command_line.h"
#include "console_output.h"
#include "conventions_window.h"
#include "start_up.h"

#include <QApplication>
#include <QTranslator>

#include <cstdlib>

int main(int argc, char* argv[]) {
    useParentConsole();
    const auto read = readCommandLine(argc, argv, vornelle::thisHostSystem);
    if (const int* status = std::get_if<int>(&read))
        return *status;

    const CarriedQt carriedQt = CarriedQt::ofThisProgram();
    if (!carriedQt.keepToOwnQt())
        return EXIT_FAILURE;
    QApplication app(argc, argv);
    // Qt adds the application's display name, once one is set, to every window title
    // ("... — name"): an empty one keeps the window's caption exactly as it is.
    QApplication::setApplicationDisplayName({});
    QApplication::setDesktopFileName(carriedQt.desktopEntryId());
    carriedQt.addOwnFonts();

    // The standard buttons and the system's error texts in French.
    QTranslator qtFrench;
    installQtFrench(qtFrench);

    const auto started = startWindow(std::get<vornelle::PlaceOptions>(read));
    if (const int* status = std::get_if<int>(&started))
        return *status;
    const auto& window = std::get<std::unique_ptr<ConventionsWindow>>(started);
    window->show();
    carriedQt.putInMenu();
    return QApplication::exec();
}
