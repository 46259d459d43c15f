#include "console_output.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>

void useParentConsole() {
    const bool outGiven = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
    const bool errGiven = GetStdHandle(STD_ERROR_HANDLE) != nullptr;
    if ((outGiven && errGiven) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The texts are UTF-8, the active code page that the manifest asks for.
    SetConsoleOutputCP(CP_UTF8);
    if (!outGiven)
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    if (!errGiven)
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}
#else
void useParentConsole() {}
#endif
