#include "command_line.h"
#include "form1.h"
#include "start_up.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[]) {
    const auto read = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&read))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("systemes-encheres"));
    QApplication::setApplicationDisplayName({});
    QApplication::setDesktopFileName(QStringLiteral("org.vornelle.SystemesEncheres"));

    // The standard buttons and the system's error texts in French.
    QTranslator qtFrench;
    installQtFrench(qtFrench);

    const std::unique_ptr<Form1> form = startWindow(std::get<PlaceOptions>(read));
    if (!form)
        return 1;
    form->show();
    return QApplication::exec();
}
