#pragma once

#include "workspace.h"

// Names of the measures, as the collector finds them.
namespace measure {
inline constexpr const char* transfer = "transfer/window";
inline constexpr const char* transferFloor = "transfer/read-and-write-twice";
inline constexpr const char* rewrite = "in-memory/rewrite";
inline constexpr const char* reader = "in-memory/reader";
inline constexpr const char* memchrScan = "in-memory/memchr";
inline constexpr const char* loadHalf = "load/100000";
inline constexpr const char* loadBig = "load/200000";
} // namespace measure

// Registers every timed measure on the files of `workspace`, which must outlive the run.
void registerBenchmarks(const Workspace& workspace);
