#include "wine_prefixes.h"

#include "file_lookup.h"
#include "model/convention_catalogue.h"
#include "steam_libraries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace vornelle {

namespace {

// A list of Steam libraries is a few lines; a bigger file is not one.
constexpr qint64 largestLibraryList = 1 << 20;
// In a Steam library: the list of the other libraries, and the folder of one prefix per program,
// each in its sub-folder "pfx".
constexpr QStringView steamLibraryList = u"steamapps/libraryfolders.vdf";
constexpr QStringView steamPrefixes = u"steamapps/compatdata";
constexpr QStringView steamPrefixInFolder = u"pfx";

// Where prefixes are, by kind:
// - Prefix: the folder is one;
// - EachFolder: each of its sub-folders is one;
// - EachFolderPfx: each of its sub-folders' "pfx" is one.
struct Place {
    enum class Kind { Prefix, EachFolder, EachFolderPfx };
    FrontEnd frontEnd;
    QString folder;
    Kind kind;
};

// A folder however it is reached: by its real path where it exists.
QString identity(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(folder) : real;
}

// The libraries that a Steam folder lists; none when its list is not a file, cannot be read, is
// too big to be one or is not well formed.
QStringList librariesListedIn(const QString& steam) {
    QFile list(QDir(steam).filePath(steamLibraryList.toString()));
    if (!QFileInfo(list).isFile() || !list.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = list.read(largestLibraryList + 1);
    if (text.size() > largestLibraryList)
        return {};
    return libraryFolderPaths(text).value_or(QStringList{});
}

// The Steam folders, then the libraries that they list, each folder once.
QStringList steamLibraries(const QStringList& steams) {
    QStringList libraries;
    QSet<QString> seen;
    const auto add = [&](const QString& folder) {
        if (QDir::isAbsolutePath(folder) && !seen.contains(identity(folder))) {
            seen.insert(identity(folder));
            libraries.append(folder);
        }
    };
    for (const QString& steam : steams)
        add(steam);
    for (const QString& steam : steams)
        for (const QString& library : librariesListedIn(steam))
            add(library);
    return libraries;
}

// The places of one front-end: its folders in the table's order, then its Steam libraries.
void addPlaces(QList<Place>& places, const FrontEndRow& row, const QDir& home, const QDir& data) {
    using enum Place::Kind;
    QStringList steams;
    for (const FrontEndFolder& folder : row.folders) {
        const QString path =
            (folder.under == Under::Home ? home : data).filePath(folder.path.toString());
        switch (folder.look) {
        case Look::Prefix:
            places.append({row.frontEnd, path, Prefix});
            break;
        case Look::PrefixAndEachFolder:
            places.append({row.frontEnd, path, Prefix});
            [[fallthrough]];
        case Look::EachFolder:
            places.append({row.frontEnd, path, EachFolder});
            break;
        case Look::LibraryLink:
            if (!QFileInfo(path).isDir())
                break;
            [[fallthrough]];
        case Look::LibraryFolder:
            steams.append(path);
        }
    }
    for (const QString& library : steamLibraries(steams))
        places.append(
            {row.frontEnd, QDir(library).filePath(steamPrefixes.toString()), EachFolderPfx});
}

QList<Place> places(const PrefixSearch& search) {
    const QDir home(search.homePath);
    // A relative XDG_DATA_HOME is no data folder: it is ignored, as the XDG rules say.
    const QDir data(QDir::isAbsolutePath(search.dataHome)
                        ? search.dataHome
                        : home.filePath(catalogue::defaultDataHome.toString()));
    QList<Place> list;
    for (const FrontEndRow& row : frontEnds())
        addPlaces(list, row, home, data);
    return list;
}

QStringList prefixesIn(const Place& place) {
    if (place.kind == Place::Kind::Prefix)
        return {place.folder};
    const QDir folder(place.folder);
    QStringList prefixes;
    for (const QString& name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        prefixes.append(place.kind == Place::Kind::EachFolder
                            ? folder.filePath(name)
                            : folder.filePath(name + u'/' + steamPrefixInFolder.toString()));
    return prefixes;
}

bool isNamed(const QFileInfo& folder, QStringView name) {
    return folder.fileName().compare(name, Qt::CaseInsensitive) == 0;
}

// The prefix that a folder is part of, by its name and its parent's:
// - the parent of a drive_c;
// - the grandparent of a drive_c's windows folder;
// - otherwise the folder itself.
QString prefixAbove(const QFileInfo& folder) {
    const QFileInfo parent(folder.absolutePath());
    if (isNamed(folder, catalogue::hostSettingsFolder) && isNamed(parent, catalogue::wineDriveC))
        return parent.absolutePath();
    if (isNamed(folder, catalogue::wineDriveC))
        return folder.absolutePath();
    return folder.absoluteFilePath();
}

} // namespace

PrefixesFound lookForPrefixes(const PrefixSearch& search) {
    PrefixesFound result;
    QSet<QString> seen;
    for (const Place& place : places(search)) {
        result.placesLooked.append(place.kind == Place::Kind::Prefix ? place.folder
                                   : place.kind == Place::Kind::EachFolder
                                       ? place.folder + u"/*"_s
                                       : place.folder + u"/*/"_s + steamPrefixInFolder.toString());
        for (const QString& prefix : prefixesIn(place)) {
            const QFileInfo file(hostSettingsPathInPrefix(prefix));
            if (!file.isFile() || seen.contains(identity(prefix)))
                continue;
            seen.insert(identity(prefix));
            result.found.append({prefix, place.frontEnd, file.lastModified()});
        }
    }
    return result;
}

std::variant<QString, MissingInFolder> prefixOfChosenFolder(const QString& folder) {
    const QFileInfo chosen(QDir::cleanPath(QDir(folder).absolutePath()));
    const QString prefix = prefixAbove(chosen);
    for (const QString& candidate : {chosen.absoluteFilePath(), prefix})
        if (holdsHostFile(candidate))
            return candidate;
    const QString file = hostSettingsPathInPrefix(prefix);
    const QFileInfo windows(QFileInfo(file).path());
    const QString missing = !QFileInfo(windows.path()).isDir() ? windows.path()
                            : !windows.isDir()                 ? windows.filePath()
                                                               : file;
    return MissingInFolder{prefix, QDir(prefix).relativeFilePath(missing)};
}

} // namespace vornelle
