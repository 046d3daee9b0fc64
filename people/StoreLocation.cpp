// The people store's place in the user's data folder.
#include "StoreLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "StoreError.h"

namespace people {
namespace {

constexpr mode_t kPrivateFolderMode = 0700;

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return ".";
}

}  // namespace

std::filesystem::path DefaultStorePath() {
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME");
        xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
        data = xdg;
    } else {
        data = HomeFolder() / ".local" / "share";
    }
    return data / "karvuto" / "people.db";
}

void EnsureStoreFolder(const std::filesystem::path& storePath) {
    const std::filesystem::path folder = storePath.parent_path();
    if (folder.empty()) return;
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), kPrivateFolderMode) == 0 || errno == EEXIST) continue;
        throw StoreError(StoreErrorKind::CannotOpen,
                         "无法建立档案库的文件夹 " + partial.string() + "：" + std::strerror(errno));
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw StoreError(StoreErrorKind::CannotOpen, "档案库的文件夹 " + folder.string() + " 不是文件夹");
}

}  // namespace people
