#pragma once

#include "files/file_io.h"
#include "model/side_settings.h"
#include "shown_lines.h"

#include <QByteArrayView>

namespace vornelle {

// Sets, through `target`, every setting whose key occurs in `line`, testing the 40 keys in
// catalogue order:
// - a check box or the opening: a line that is the key and its group's literal gives one value,
//   any other line that holds the key the other one;
// - a 1NT range: a line that is the key and a bound of 10 to 16 gives that range, any other
//   sets nothing.
void applyHostLine(QByteArrayView line, SettingsTarget& target);

// Copies the host settings file into the working copy, every line ended by CR LF. An empty host
// file leaves an empty working copy and is a failure.
[[nodiscard]] FileOutcome takeHostSnapshot(const QString& hostPath, const QString& workingCopyPath);

// Applies every line of `text` to `target`, in file order, and gives the lines to show.
ShownLines readHostText(QByteArray text, SettingsTarget& target);

// Reads the working copy: every line goes to `shownLines` and is applied to `target`. A missing
// or empty working copy is a failure, leaves `shownLines` empty and changes nothing else.
[[nodiscard]] FileOutcome loadWorkingCopy(const QString& workingCopyPath, SettingsTarget& target,
                                          ShownLines& shownLines);

} // namespace vornelle
