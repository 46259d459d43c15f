#include "windows.h"

#include "layout_table.h"

#include <QCoreApplication>

namespace {

std::unique_ptr<QWidget> shown(std::unique_ptr<QWidget> window) {
    window->show();
    QCoreApplication::processEvents();
    return window;
}

} // namespace

std::unique_ptr<QWidget> shownBareWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(clientWidthTwips / twipsPerPixel, clientHeightTwips / twipsPerPixel);
    return shown(std::move(window));
}

std::unique_ptr<ConventionsWindow> shownStartedWindow(const QString& hostPath, const QDir& folder) {
    auto form = std::make_unique<ConventionsWindow>(hostPath, folder);
    if (form->startUp())
        return nullptr;
    form->show();
    QCoreApplication::processEvents();
    return form;
}
