#include "virtual_store.h"

#include <QFileInfo>

namespace vornelle {

QString fileHostReads(const HostFile& host, bool copyExists) {
    return copyExists ? host.virtualStoreCopy : host.path;
}

std::optional<QString> fileToWriteNext(const HostFile& host, bool copyExists, bool writeRefused) {
    if (copyExists || host.virtualStoreCopy.isEmpty() || !writeRefused)
        return std::nullopt;
    return host.virtualStoreCopy;
}

bool copyExistsNow(const HostFile& host) {
    return QFileInfo(host.virtualStoreCopy).isFile();
}

} // namespace vornelle
