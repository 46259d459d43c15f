#include "window_kinds.h"

#include "conventions_window.h"
#include "layout_table.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> shown(std::unique_ptr<QWidget> window) {
    window->show();
    QCoreApplication::processEvents();
    return window;
}

} // namespace

std::unique_ptr<QWidget> shownReferenceWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFont(windowFont());
    window->setFixedSize(clientWidthTwips / twipsPerPixel, clientHeightTwips / twipsPerPixel);
    (new QLabel(u"Texas"_s, window.get()))->move(8, 8);
    (new QPushButton(u"Transférer"_s, window.get()))->move(8, 32);
    return shown(std::move(window));
}

std::unique_ptr<QWidget> shownStartedWindow(const QString& hostPath, const QDir& folder) {
    auto form = std::make_unique<ConventionsWindow>(hostPath, folder);
    if (form->startUp())
        return nullptr;
    return shown(std::move(form));
}
