#include "form1.h"
#include "hostfile/host_paths.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("systemes-encheres"));
    QApplication::setApplicationDisplayName({});
    QApplication::setDesktopFileName(QStringLiteral("org.vornelle.SystemesEncheres"));

    // The standard buttons and the system's error texts in French.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    Form1 form(hostSettingsPath(), QDir::current());
    if (const FileOutcome failed = form.startUp()) {
        QMessageBox::critical(nullptr, form.windowTitle(), failed->message());
        return 1;
    }
    form.show();
    return QApplication::exec();
}
