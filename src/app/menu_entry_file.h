#pragma once

#include <QByteArray>

// Puts the archive's own entry for the program at `programPath` (as the system gives it) in the
// player's menu, made from the package's entry that the program carries. It is written only where
// it is missing or names another program. A path that no entry can name, or a write that fails,
// leaves the menu as it is without a word: the window is open all the same.
void updateMenuEntry(const QByteArray& programPath);
