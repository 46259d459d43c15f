#pragma once

#include <QString>

// The Wine prefix that the player chose, kept in the program's settings file in the standard
// per-user place (~/.config/systemes-encheres/systemes-encheres.conf).

// The prefix chosen before; empty when there is none, or when the settings file cannot be read.
[[nodiscard]] QString readChosenPrefix();

// Keeps the prefix chosen for the next start; false when the settings file cannot be written.
bool keepChosenPrefix(const QString& prefix);
