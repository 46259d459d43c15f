#pragma once

#include "file_io.h"
#include "model/side_settings.h"

#include <QByteArrayView>
#include <QStringList>

// Sets, through `target`, every setting whose key occurs in `line`, testing the 40 keys in
// catalogue order. A line equal to the group's literal gives one value, any other line holding
// the key the other one; a 1NT line that is not the key and a bound of 10 to 16 sets nothing.
void applyHostLine(QByteArrayView line, SettingsTarget& target);

// Copies the host settings file into the working copy, every line ended by CR LF. An empty host
// file leaves an empty working copy and is a failure.
FileOutcome takeHostSnapshot(const QString& hostPath, const QString& workingCopyPath);

// Every line of `text`, decoded for display, goes to `shownLines` and is applied to `target`.
void readHostText(QByteArrayView text, SettingsTarget& target, QStringList& shownLines);

// Reads the working copy: every line, decoded for display, goes to `shownLines`, and is applied
// to `target`. A missing or empty working copy is a failure and changes nothing.
FileOutcome loadWorkingCopy(const QString& workingCopyPath, SettingsTarget& target,
                            QStringList& shownLines);
