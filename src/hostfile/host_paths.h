#pragma once

#include <QDir>
#include <QString>

namespace vornelle {

// Where the host keeps its settings. Under Wine the host's c:\windows is
// <prefix>/drive_c/windows, with the prefix from WINEPREFIX or ~/.wine. Wine finds names
// whatever their letter case, so the folder and the file are looked up the same way; when
// none exists the lower-case path is given.
QString hostSettingsPath(const QString& winePrefix, const QString& homePath);

// The working copy in `folder`: an existing file of that name in any letter case, otherwise
// the name as the program creates it.
QString workingCopyPath(const QDir& folder);

} // namespace vornelle
