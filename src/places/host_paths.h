#pragma once

#include <QDir>
#include <QString>

#include <optional>

namespace vornelle {

// Where the host keeps its settings, c:\windows\vornelle.ini, given the host's drive C: (under
// Wine, <prefix>/drive_c). Windows and Wine find names whatever their letter case, so the folder
// and the file are looked up the same way; when none exists the lower-case path is given.
QString hostSettingsPath(const QString& driveC);

// The host settings file of a Wine prefix, <prefix>/drive_c/windows/vornelle.ini, looked up the
// same way.
QString hostSettingsPathInPrefix(const QString& prefix);

// Whether a Wine prefix holds a host settings file.
bool holdsHostFile(const QString& prefix);

// The copy of the host settings file that Windows keeps for the host in the user's local
// application data, %LOCALAPPDATA%\VirtualStore\Windows\vornelle.ini, looked up the same way.
QString virtualStorePath(const QString& localAppData);

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

// The working copy in `folder`: an existing file of that name in any letter case, otherwise
// the name as the program creates it.
QString workingCopyPath(const QDir& folder);

} // namespace vornelle
