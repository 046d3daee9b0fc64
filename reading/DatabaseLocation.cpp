#include "DatabaseLocation.h"

#include <system_error>

#include "Database.h"

std::filesystem::path ExecutableDirectory(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::weakly_canonical(std::filesystem::absolute(argv0 ? argv0 : "", ec), ec);
    return exe.parent_path();
}

std::vector<std::filesystem::path> DatabaseCandidates(const std::filesystem::path& exeDir) {
    return {exeDir / kDatabaseFileName, (exeDir / ".." / "share" / "karvuto" / kDatabaseFileName).lexically_normal()};
}

std::filesystem::path FindDatabase(const std::filesystem::path& exeDir) {
    const std::vector<std::filesystem::path> candidates = DatabaseCandidates(exeDir);
    for (const std::filesystem::path& p : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(p, ec)) return p;
    }
    return candidates.front();
}

std::string DescribeDatabaseCandidates(const std::filesystem::path& exeDir) {
    std::string text;
    for (const std::filesystem::path& p : DatabaseCandidates(exeDir)) text += (text.empty() ? "" : " 或 ") + p.string();
    return text;
}
