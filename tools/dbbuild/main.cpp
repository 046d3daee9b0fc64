// karvuto-dbbuild <sourceDir> <output>: writes the interpretation database
// from the source tables of a folder. Exit status 0 when written, 1 when the
// sources are refused or the file cannot be written, 2 for a bad command line.
#include <cstdio>
#include <exception>

#include "DbBuilder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: karvuto-dbbuild <source folder> <output file>\n");
        return 2;
    }
    try {
        BuildDatabase(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "karvuto-dbbuild: %s\n", e.what());
        return 1;
    }
    return 0;
}
