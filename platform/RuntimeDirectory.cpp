// Settling XDG_RUNTIME_DIR before Qt asks for it.
#include "RuntimeDirectory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

constexpr char kVariable[] = "XDG_RUNTIME_DIR";
constexpr mode_t kPrivateMode = 0700;

bool IsSet() {
    const char* value = std::getenv(kVariable);
    return value != nullptr && *value != '\0';
}

std::string TemporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

// The user's login name, as Qt names the fallback after it; the number when
// the system knows no name.
std::string UserName() {
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return entry->pw_name;
    return std::to_string(geteuid());
}

// A new folder of mode 0700 under <tmp>, or empty.
std::string MakePrivateFolder() {
    std::string pattern = TemporaryFolder() + "/karvuto-runtime-XXXXXX";
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

// True when `path` is a folder of ours with mode 0700, made so when missing.
// A folder of ours with a wider mode is narrowed, as Qt itself does.
bool IsOwnPrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), kPrivateMode) == 0) return true;
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return false;
    if ((st.st_mode & 07777) == kPrivateMode) return true;
    return chmod(path.c_str(), kPrivateMode) == 0;
}

}  // namespace

std::optional<std::string> ProvideRuntimeDirectory() {
    if (IsSet()) return std::nullopt;
    std::string folder = TemporaryFolder() + "/runtime-" + UserName();
    if (!IsOwnPrivateFolder(folder)) folder = MakePrivateFolder();
    if (folder.empty() || setenv(kVariable, folder.c_str(), 1) != 0) return std::nullopt;
    return folder;
}

PrivateRuntimeDirectory::PrivateRuntimeDirectory() {
    if (IsSet()) return;
    m_path = MakePrivateFolder();
    if (!m_path.empty() && setenv(kVariable, m_path.c_str(), 1) != 0) {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
        m_path.clear();
    }
}

PrivateRuntimeDirectory::~PrivateRuntimeDirectory() {
    if (m_path.empty()) return;
    unsetenv(kVariable);
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

}  // namespace platform
