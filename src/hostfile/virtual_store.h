#pragma once

#include <QString>

#include <optional>

namespace vornelle {

// The host settings file, and the copy that Windows keeps of it where there is one to consider.
// The host is a legacy 32-bit program that Windows virtualizes: when it may not write into
// C:\Windows, its write lands in the copy, and from then on it reads the copy.
struct HostFile {
    // A path alone is a file without a copy.
    HostFile(QString path, QString virtualStoreCopy = {})
        : path(std::move(path)), virtualStoreCopy(std::move(virtualStoreCopy)) {}
    QString path;
    QString virtualStoreCopy; // empty when there is none
};

// The file that the host reads, given whether its copy exists: the copy once it does.
QString fileHostReads(const HostFile& host, bool copyExists);

// The file to write after writing the one the host reads failed: the copy, when the host's own
// file refused the write for lack of permission; none otherwise.
std::optional<QString> fileToWriteNext(const HostFile& host, bool copyExists, bool writeRefused);

// Whether the host's copy exists now.
bool copyExistsNow(const HostFile& host);

} // namespace vornelle
