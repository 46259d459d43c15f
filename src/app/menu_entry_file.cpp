#include "menu_entry_file.h"

#include "hostfile/file_io.h"
#include "menu/menu_entry.h"
#include "model/convention_catalogue.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

std::optional<QByteArray> contentOf(const QString& path) {
    auto read = readWholeFile(path);
    if (auto* bytes = std::get_if<QByteArray>(&read))
        return std::move(*bytes);
    return std::nullopt;
}

} // namespace

void updateMenuEntry(const QByteArray& programPath) {
    const auto packageEntry =
        contentOf(u":/menu/%1%2"_s.arg(menu::packageEntryId, menu::entryExtension));
    const auto entry = packageEntry ? menu::archiveEntry(*packageEntry, programPath) : std::nullopt;
    if (!entry)
        return;
    const QString path =
        menu::archiveEntryPath(qEnvironmentVariable(catalogue::dataHomeVariable), QDir::homePath());
    if (!menu::entryToWrite(contentOf(path), QString::fromUtf8(programPath)))
        return;
    QDir().mkpath(QFileInfo(path).path());
    static_cast<void>(writeWholeFile(path, *entry));
}
