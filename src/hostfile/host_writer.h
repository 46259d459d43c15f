#pragma once

#include "files/file_io.h"
#include "model/side_settings.h"
#include "virtual_store.h"

#include <QByteArray>
#include <QByteArrayView>

namespace vornelle {

// The line to write for one line of the host file:
// - the line of the first key that it holds, in catalogue order, encoding the window's value;
// - the line itself when it holds no key, or only 1NT keys whose range box holds none of the
//   seven ranges.
QByteArray rewriteHostLine(QByteArrayView line, const SideSettings& ns, const SideSettings& eo);

// The whole text, each line rewritten by rewriteHostLine and ended by CR LF.
QByteArray rewriteHostText(QByteArrayView text, const SideSettings& ns, const SideSettings& eo);

// Writes both sides into the host settings file:
// - the file that the host reads is read afresh, and its lines rewritten;
// - they become the working copy, then that file, or its copy when the host's own file refuses
//   the write.
// Each file is replaced only once its new text is complete. A missing, unreadable or empty host
// file changes neither file. A failure is the host file's, when its copy could not be written
// either.
[[nodiscard]] FileOutcome transferToHost(const HostFile& host, const QString& workingCopyPath,
                                         const SideSettings& ns, const SideSettings& eo);

} // namespace vornelle
