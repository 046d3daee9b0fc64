// The TSV reader of the database sources and facts: any bytes split into
// lines and fields that hold no separator, numbered in order.
#include <cstdint>
#include <string_view>

#include "FuzzChecks.h"
#include "TsvTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int last = 0;
    std::size_t bytes = 0;
    for (const platform::TsvLine& line : platform::SplitTsvLines(text)) {
        fuzz::Require(line.number > last, "line numbers rise");
        last = line.number;
        fuzz::Require(!line.fields.empty(), "a line has a field");
        for (const std::string& field : line.fields) {
            fuzz::Require(field.find_first_of("\t\n") == std::string::npos, "no separator in a field", field);
            bytes += field.size();
        }
    }
    fuzz::Require(bytes <= size, "no more text than was read");
    return 0;
}
