#include "conventions_window.h"
#include "hostfile/host_paths.h"
#include "window_texts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("systemes-encheres"));
    // Qt adds the application's display name, once one is set, to every window title
    // ("... — name"): an empty one keeps the window's caption exactly as it is.
    QApplication::setApplicationDisplayName({});
    QApplication::setDesktopFileName(QStringLiteral("org.vornelle.SystemesEncheres"));

    // The standard buttons and the system's error texts in French.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    ConventionsWindow window(vornelle::hostSettingsPath(), QDir::current());
    if (const vornelle::FileOutcome failed = window.startUp()) {
        QMessageBox::critical(nullptr, window.windowTitle(), texts::failureMessage(*failed));
        return 1;
    }
    window.show();
    return QApplication::exec();
}
