// Replacing a file: the whole new file or the old one, only the file named
// (no link followed, no device written), its name's bytes kept, and the
// reason when it cannot be done.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "DatabaseTestFiles.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/tests/PageTestSupport.h"

namespace fs = std::filesystem;
using dbtest::ReadFile;
using dbtest::TempDir;
using dbtest::WriteFile;

namespace {

const QByteArray kNewBytes(64 * 1024, 'n');

// The names in `folder`, hidden ones included.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t Mode(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

mode_t Umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

TEST(ReplaceFile, NewFileIsWrittenWholeWithTheUmasksPermissions) {
    TempDir dir;
    QString error;
    ASSERT_TRUE(pages::ReplaceFile(dir / "new.pdf", kNewBytes, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(dir / "new.pdf"), kNewBytes.toStdString());
    EXPECT_EQ(Mode(dir / "new.pdf"), 0666 & ~Umask());
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"new.pdf"});
}

TEST(ReplaceFile, OldFileIsReplacedWholeAndKeepsItsPermissions) {
    TempDir dir;
    WriteFile(dir / "old.pdf", std::string(200000, 'o'));  // longer than the new bytes
    ::chmod((dir / "old.pdf").c_str(), 0640);
    QString error;
    ASSERT_TRUE(pages::ReplaceFile(dir / "old.pdf", kNewBytes, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(dir / "old.pdf"), kNewBytes.toStdString());
    EXPECT_EQ(Mode(dir / "old.pdf"), 0640u);
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"old.pdf"});
}

// A name that is not UTF-8 is the name of the file written, byte for byte.
TEST(ReplaceFile, NameKeepsItsBytes) {
    TempDir dir;
    const std::string name = "lat\xe9.pdf";
    QString error;
    ASSERT_TRUE(pages::ReplaceFile(dir.path() / name, kNewBytes, &error)) << error.toStdString();
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{name});
}

// What is not a regular file is refused and left as it was: a link's target
// is someone else's file, a folder or a pipe is no file to replace.
TEST(ReplaceFile, OnlyARegularFileIsReplaced) {
    struct Case {
        const char* name;
        void (*make)(const fs::path& dir, const fs::path& path);
        const char* reason;
    };
    const Case cases[] = {
        {"link to a file",
         [](const fs::path& d, const fs::path& p) {
             WriteFile(d / "target.txt", "target");
             fs::create_symlink(d / "target.txt", p);
         },
         "symbolic link"},
        {"dangling link", [](const fs::path& d, const fs::path& p) { fs::create_symlink(d / "nowhere", p); },
         "symbolic link"},
        {"folder", [](const fs::path&, const fs::path& p) { fs::create_directory(p); }, "not a regular file"},
        {"pipe", [](const fs::path&, const fs::path& p) { ::mkfifo(p.c_str(), 0600); }, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path path = dir / "out.pdf";
        c.make(dir.path(), path);
        const auto before = Names(dir.path());
        QString error;
        EXPECT_FALSE(pages::ReplaceFile(path, kNewBytes, &error));
        EXPECT_NE(error.toStdString().find(c.reason), std::string::npos) << error.toStdString();
        EXPECT_EQ(Names(dir.path()), before);
        if (fs::exists(dir / "target.txt")) {
            EXPECT_EQ(ReadFile(dir / "target.txt"), "target");
            EXPECT_TRUE(fs::is_symlink(path));
        }
    }
}

TEST(ReplaceFile, FailuresLeaveNothingAndSayWhy) {
    struct Case {
        const char* name;
        bool existing;
        bool fillsUp;
        const char* file;
        const char* reason;
    };
    const Case cases[] = {
        {"new file, the disk fills up mid-write", false, true, "out.pdf", "File too large"},
        {"old file kept when the disk fills up", true, true, "out.pdf", "File too large"},
        {"folder that does not exist", false, false, "missing/out.pdf", "No such file or directory"},
        {"no file name", false, false, "", "no file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path path = c.file[0] != '\0' ? dir / c.file : fs::path();
        if (c.existing) WriteFile(path, "old");
        const auto before = Names(dir.path());
        QString error;
        bool ok = true;
        {
            const auto limit = c.fillsUp ? std::make_unique<pagetest::FileSizeLimit>(8 * 1024) : nullptr;
            ok = pages::ReplaceFile(path, kNewBytes, &error);
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(error.toStdString(), c.reason);
        EXPECT_EQ(Names(dir.path()), before);
        if (c.existing) {
            EXPECT_EQ(ReadFile(path), "old");
        }
    }
}

TEST(ReplaceFile, ReadOnlyFileIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempDir dir;
    WriteFile(dir / "kept.pdf", "old");
    ::chmod((dir / "kept.pdf").c_str(), 0444);
    QString error;
    EXPECT_FALSE(pages::ReplaceFile(dir / "kept.pdf", kNewBytes, &error));
    EXPECT_EQ(error.toStdString(), "Permission denied");
    EXPECT_EQ(ReadFile(dir / "kept.pdf"), "old");
}
