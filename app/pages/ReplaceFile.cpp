// Replacing a file through a temporary file beside it, with the system's own
// calls: every short write, full disk and failed flush is seen.
#include "app/pages/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

namespace pages {
namespace {

constexpr int kTemporaryNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // before the umask, as any new file

bool Fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

bool FailWithErrno(QString* error, int code) {
    return Fail(error, QString::fromStdString(std::generic_category().message(code)));
}

// A file descriptor that is closed when it goes out of scope, unless it was
// closed (and the close checked) before.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // 0, or the errno of a failed close.
    int Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Creates a new, empty file beside `path` named ".<name>.<pid>.<n>" and
// returns its name and descriptor; nullopt with errno set when it cannot.
std::optional<std::pair<std::string, int>> CreateTemporary(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = "." + path.filename().native() + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(counter.fetch_add(1));
        const std::string full = (folder / name).native();
        const int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0) return std::make_pair(full, fd);
        if (errno != EEXIST) return std::nullopt;
    }
    errno = EEXIST;
    return std::nullopt;
}

// Writes all of `data`; 0, or the errno of the write that failed.
int WriteAll(int fd, const QByteArray& data) {
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;  // no progress: the device takes nothing more
        next += written;
        left -= written;
    }
    return 0;
}

// The folder's entry for the new name reaches the disk too; a folder that
// cannot be synced (some file systems refuse) changes nothing.
void SyncFolder(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& path, const QByteArray& data, QString* error) {
    if (path.empty() || !path.has_filename()) return Fail(error, QStringLiteral("no file name"));
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return FailWithErrno(error, errno);
    if (exists && S_ISLNK(old.st_mode))
        return Fail(error, QStringLiteral("it is a symbolic link; name the file itself"));
    if (exists && !S_ISREG(old.st_mode)) return Fail(error, QStringLiteral("it is not a regular file"));
    if (exists && ::access(path.c_str(), W_OK) != 0) return FailWithErrno(error, errno);

    const auto temporary = CreateTemporary(path);
    if (!temporary) return FailWithErrno(error, errno);
    const std::string& temporaryName = temporary->first;
    Descriptor file(temporary->second);
    auto discard = [&temporaryName, error](int code) {
        ::unlink(temporaryName.c_str());
        return FailWithErrno(error, code);
    };
    if (exists) {
        // The replacement keeps the old file's permissions and, where the
        // system lets us, its owner.
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0) return discard(errno);
        // Another owner needs privilege; without it the replacement stays ours, no fault.
        [[maybe_unused]] const int ownerKept = ::fchown(file.Get(), old.st_uid, old.st_gid);
    }
    if (const int code = WriteAll(file.Get(), data); code != 0) return discard(code);
    if (::fsync(file.Get()) != 0) return discard(errno);
    if (const int code = file.Close(); code != 0) return discard(code);
    if (::rename(temporaryName.c_str(), path.c_str()) != 0) return discard(errno);
    SyncFolder(path);
    return true;
}

std::filesystem::path NativePath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace pages
