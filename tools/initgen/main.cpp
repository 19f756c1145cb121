// Writes the default data files that ship in the folder Init beside the
// program (KEVRA8R_0.dat and KEVRA8R_0.fre), made from the built-in defaults.
// Usage: initgen <output folder>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/defaults.h"
#include "core/fileio.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: initgen <output folder>\n", stderr);
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[1], ec);
    if (ec || !rp::WriteFileSetAtomically(rp::BuildDefaultInitFiles(argv[1]))) {
        std::fputs("initgen: cannot write the default data files\n", stderr);
        return 1;
    }
    return 0;
}
