#pragma once

#include "places/place_choice.h"

#include <memory>
#include <variant>

class ConventionsWindow;

// The window on the host settings file and the working folder chosen from `options`, this
// process's environment and the prefix that the player chose before, once its start-up has run.
// Where the player is to choose a Wine prefix, he chooses it first, and his choice is kept for
// the next start once the start-up has read its host file. Otherwise the program's exit status:
// when the player quits instead of choosing, 0, and nothing is written; when the start-up fails, 1,
// once a message box has said why.
[[nodiscard]] std::variant<std::unique_ptr<ConventionsWindow>, int>
startWindow(const vornelle::PlaceOptions& options);
