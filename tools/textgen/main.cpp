// karvuto-textgen facts [STEM]: prints the fact sheet of every day-and-hour
// key of one day stem (甲 … 癸), or of all ten: the ten gods of the hour stem
// and of each hidden stem, the growth stages, 纳音 and the relations of the two
// pillars. The texts in tools/dbdata/bazi2.tsv are written from these sheets.
#include <cstdio>
#include <iostream>
#include <string>

#include "KeyFacts.h"

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command != "facts" || argc > 3) {
        std::fprintf(stderr, "usage: karvuto-textgen facts [STEM]\n");
        return 2;
    }
    int first = 0, last = 9;
    if (argc == 3) {
        first = 0;
        while (first < 10 && chart::StemName(first) != argv[2]) ++first;
        if (first == 10) {
            std::fprintf(stderr, "karvuto-textgen: not a day stem: %s\n", argv[2]);
            return 2;
        }
        last = first;
    }
    for (int stem = first; stem <= last; ++stem) std::cout << textgen::FactSheet(stem) << "\n";
    std::cout.flush();
    return std::cout ? 0 : 1;
}
