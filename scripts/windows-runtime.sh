# Where this machine keeps what the Windows build runs with: MinGW-w64's runtime DLLs
# (libstdc++, libgcc, libwinpthread) beside the cross compiler, and Wine's 64-bit loader and
# server, which are not on PATH. Sourced by the scripts that run or pack that build; not run.
mingw_runtime_dirs="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=/usr/lib/wine/wineserver
