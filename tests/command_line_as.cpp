// The program's command line as read where the host runs on the system named first, "Windows" or
// "Wine", which stands for the program's name: its answer, or the places that it accepts.
#include "command_line.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    using vornelle::HostSystem;
    const bool windows = argc > 1 && std::strcmp(argv[1], "Windows") == 0;
    int count = argc - 1;
    const auto read =
        readCommandLine(count, argv + 1, windows ? HostSystem::Windows : HostSystem::Wine);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const auto& places = std::get<vornelle::PlaceOptions>(read);
    std::printf("host-file=%s\nwineprefix=%s\nworkdir=%s\ndocuments=%d\nchoose-prefix=%d\n",
                qPrintable(places.hostFile), qPrintable(places.winePrefix),
                qPrintable(places.workFolder), int(places.fromMenu), int(places.choosePrefix));
}
