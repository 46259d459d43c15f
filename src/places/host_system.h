#pragma once

#include <QtGlobal>

namespace vornelle {

// Where the host program runs, which decides where its settings file is and which options
// choose it: on Windows itself, or under Wine on any other system.
enum class HostSystem { Windows, Wine };

// The host system of this build, from the platform it is built for.
#ifdef Q_OS_WIN
inline constexpr HostSystem thisHostSystem = HostSystem::Windows;
#else
inline constexpr HostSystem thisHostSystem = HostSystem::Wine;
#endif

} // namespace vornelle
