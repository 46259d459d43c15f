#pragma once

#include <QString>

// The Wine prefix that the player chose, kept in the program's settings file in the standard
// per-user place (~/.config/systemes-encheres/systemes-encheres.conf).

// The prefix chosen before; empty when there is none, or when the settings file cannot be read
// whole.
[[nodiscard]] QString readChosenPrefix();

// Keeps the prefix chosen for the next start. When the settings file cannot be written, it is
// not kept, and the player chooses again at the next start.
void keepChosenPrefix(const QString& prefix);
