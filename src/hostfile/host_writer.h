#pragma once

#include "file_io.h"
#include "model/side_settings.h"

#include <QByteArray>
#include <QByteArrayView>

namespace vornelle {

// The line to write for one line of the host file: the line of the first key, in catalogue
// order, that it holds, encoding the window's value; the line itself when it holds no key, or
// only 1NT keys whose range box holds none of the seven ranges.
QByteArray rewriteHostLine(QByteArrayView line, const SideSettings& ns, const SideSettings& eo);

// The whole text, each line rewritten by rewriteHostLine and ended by CR LF.
QByteArray rewriteHostText(QByteArrayView text, const SideSettings& ns, const SideSettings& eo);

// Writes both sides into the host settings file: the host file is read afresh, its rewritten
// lines become the working copy, then the host file. Each file is replaced only once its new
// text is complete; a missing, unreadable or empty host file changes neither file.
[[nodiscard]] FileOutcome transferToHost(const QString& hostPath, const QString& workingCopyPath,
                                         const SideSettings& ns, const SideSettings& eo);

} // namespace vornelle
