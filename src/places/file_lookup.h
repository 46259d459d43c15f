#pragma once

#include <QDir>
#include <QString>

// Where the files lie. Windows and Wine find a name whatever its letter case, so each folder and
// file on the way is looked up alike:
// - an existing entry is taken in its own letter case;
// - when there is none, the name is taken as this program writes it.
namespace vornelle {

// Where the host keeps its settings, c:\windows\vornelle.ini, given the host's drive C:
// (under Wine, <prefix>/drive_c).
QString hostSettingsPath(const QString& driveC);

// The host settings file of a Wine prefix, <prefix>/drive_c/windows/vornelle.ini.
QString hostSettingsPathInPrefix(const QString& prefix);

// Whether a Wine prefix holds a host settings file.
bool holdsHostFile(const QString& prefix);

// The copy of the host settings file that Windows keeps for the host in the user's local
// application data, %LOCALAPPDATA%\VirtualStore\Windows\vornelle.ini.
QString virtualStorePath(const QString& localAppData);

// The working copy in `folder`.
QString workingCopyPath(const QDir& folder);

} // namespace vornelle
