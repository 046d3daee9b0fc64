// karvuto-textgen [output]: writes the day-and-hour texts (bazi2.tsv) to the
// given file, or to standard output without one.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "DayTimeTexts.h"

int main(int argc, char** argv) {
    const std::string tsv = textgen::DayTimeTsv();
    if (argc < 2) {
        std::cout << tsv;
        return std::cout ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << tsv;
    out.close();
    if (!out) {
        std::fprintf(stderr, "karvuto-textgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
