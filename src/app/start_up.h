#pragma once

#include "hostfile/file_places.h"

#include <memory>

class ConventionsWindow;

// The window on the host settings file and the working folder chosen from `options` and this
// process's environment, once its start-up has run. When no host file can be chosen or the
// start-up fails, a message box says why and there is no window.
[[nodiscard]] std::unique_ptr<ConventionsWindow> startWindow(const vornelle::PlaceOptions& options);
