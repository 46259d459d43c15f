#pragma once

#include "places/place_choice.h"

#include <variant>

class QTranslator;

// Reads the command line with a QCoreApplication of its own, before any window exists, so that
// no display is needed. --help and --version are answered on standard output and a wrong
// command line by one French line on standard error: the exit status then stands for the
// options. Where the host runs on Windows, no Wine prefix is offered.
[[nodiscard]] std::variant<vornelle::PlaceOptions, int>
readCommandLine(int& argc, char** argv, vornelle::HostSystem system);

// Loads Qt's own texts in French (the parser's messages, the standard buttons) and installs
// them in the running application.
void installQtFrench(QTranslator& translator);
