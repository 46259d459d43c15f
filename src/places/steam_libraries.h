#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <optional>

namespace vornelle {

// The folders of the Steam libraries listed in a libraryfolders.vdf text: every "path" value, in
// the order written, of Valve's KeyValues form:
// - keys and values quoted or bare, blocks nested in braces, "//" comments;
// - backslash escapes in quoted strings;
// - UTF-8, with or without its byte-order mark.
// None when the text is not well formed: a string left open, a key without a value, braces that
// do not pair.
[[nodiscard]] std::optional<QStringList> libraryFolderPaths(QByteArrayView text);

} // namespace vornelle
