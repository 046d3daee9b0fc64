// karvuto-termgen: writes the generated tables into the source tree:
//   karvuto-termgen SOURCE_DIR   writes calendar/SolarTermTable.inc,
//                                calendar/LunarYearTable.inc and chart/SummerTimeTable.inc
#include <filesystem>
#include <fstream>
#include <iostream>

#include "LunarGenerator.h"
#include "TermGenerator.h"

namespace {

bool WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "karvuto-termgen: cannot write " << file << "\n";
        return false;
    }
    std::cout << "wrote " << file.string() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string_view(argv[1]).starts_with("-")) {
        std::cerr
            << "usage: karvuto-termgen SOURCE_DIR\n"
               "Writes SOURCE_DIR/calendar/SolarTermTable.inc (the 24 solar terms of 1900-2100),\n"
               "SOURCE_DIR/calendar/LunarYearTable.inc (the lunar years 1900-2100) and\n"
               "SOURCE_DIR/chart/SummerTimeTable.inc (China's summer time from the time-zone database).\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    try {
        const bool ok = WriteFile(dir / "calendar" / "SolarTermTable.inc", termgen::SolarTermTableText()) &&
                        WriteFile(dir / "calendar" / "LunarYearTable.inc", termgen::LunarYearTableText()) &&
                        WriteFile(dir / "chart" / "SummerTimeTable.inc", termgen::SummerTimeTableText());
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "karvuto-termgen: " << e.what() << "\n";
        return 1;
    }
}
