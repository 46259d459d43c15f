#include "carried_qt.h"

#include "menu/menu_entry.h"
#include "menu_entry_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#endif

using namespace Qt::StringLiterals;

namespace {

// The archive's folder, beside the program.
const QString pluginsFolder = u"/plugins"_s;
const QString fontsFolder = u"/fonts"_s;

const QString cannotLoadQt =
    u"systemes-encheres : le chemin de son dossier n'est pas écrit en UTF-8, et Qt ne peut pas y "
    "charger ses modules. Déplacez ou renommez le dossier.\n"_s;

#ifdef Q_OS_LINUX
constexpr const char* ownQtCore = "lib/libQt6Core.so.6";

QByteArray programPath() {
    QByteArray path(PATH_MAX, Qt::Uninitialized);
    const ssize_t size = readlink("/proc/self/exe", path.data(), path.size());
    return size > 0 && size < path.size() ? path.first(size) : QByteArray();
}

bool sameFile(const char* one, const char* other) {
    struct stat a = {};
    struct stat b = {};
    return stat(one, &a) == 0 && stat(other, &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}
#endif

} // namespace

CarriedQt CarriedQt::ofThisProgram() {
    CarriedQt carried;
#ifdef Q_OS_LINUX
    const QByteArray program = programPath();
    const QByteArray folder = program.first(std::max(program.lastIndexOf('/'), qsizetype(0)));
    Dl_info qtCore{};
    if (folder.isEmpty() || dladdr(reinterpret_cast<void*>(&qVersion), &qtCore) == 0 ||
        !sameFile(qtCore.dli_fname, folder + '/' + ownQtCore))
        return carried;
    carried.program = program;
    carried.folder = QFile::decodeName(folder);
    carried.folderNamed = QFile::encodeName(carried.folder) == folder;
#endif
    return carried;
}

bool CarriedQt::keepToOwnQt() const {
    if (program.isEmpty())
        return true;
    if (!folderNamed) {
        std::fputs(cannotLoadQt.toUtf8().constData(), stderr);
        return false;
    }
    // Searched alone: QT_PLUGIN_PATH and the system's folder are left out.
    QCoreApplication::setLibraryPaths({folder + pluginsFolder});
    qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

QString CarriedQt::desktopEntryId() const {
    return (program.isEmpty() ? vornelle::menu::packageEntryId : vornelle::menu::archiveEntryId)
        .toString();
}

void CarriedQt::addOwnFonts() const {
    if (program.isEmpty())
        return;
    const QDir fonts(folder + fontsFolder);
    for (const QString& file : fonts.entryList({u"*.ttf"_s}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

void CarriedQt::putInMenu() const {
    if (!program.isEmpty())
        updateMenuEntry(program);
}
