// Opening damaged database files: the bytes are written to a file and opened
// as the programs open it (the completeness check included), then read by a
// reading. Every failure is a ComError whose text is safe to show; nothing
// is ever written.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ComError.h"
#include "DatabaseKeys.h"
#include "FuzzChecks.h"
#include "ReadingComposer.h"

namespace {

// A folder of this process for the file under test, in memory where the
// system has one.
const std::filesystem::path& WorkFile() {
    static const std::filesystem::path file = [] {
        const std::filesystem::path shm = "/dev/shm";
        std::string pattern =
            ((std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
             "karvuto-fuzz-XXXXXX")
                .string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern) / "Karvuto.mdb";
    }();
    return file;
}

void RequireShowable(const ComError& e) {
    const auto utf8 = platform::GbkToUtf8(e.ErrorText());
    fuzz::Require(utf8.has_value(), "an error text in GBK");
    fuzz::RequireTerminalSafe(*utf8, "\r\n", "an error text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& file = WorkFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Connection connection;
    connection.SetQueryTimeLimit(std::chrono::milliseconds(500));
    try {
        OpenInterpretationDatabase(connection, file.string());
    } catch (const ComError& e) {
        RequireShowable(e);
        fuzz::Require(connection.State() == adStateClosed, "a refused file leaves the connection closed");
        return 0;
    }
    BirthRecord birth{};
    birth.year = 1990;
    birth.month = 6;
    birth.day = 1;
    try {
        (void)ComposeReport(birth, &connection, MakeSystemTime(2026, 12, 8, 9, 5, 3));
    } catch (const ComError& e) {
        RequireShowable(e);
    }
    connection.Close();
    std::error_code ec;
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        fuzz::Require(!std::filesystem::exists(file.string() + suffix, ec),
                      "nothing written beside the file");
    return 0;
}
