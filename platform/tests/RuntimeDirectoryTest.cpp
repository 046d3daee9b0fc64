#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "RuntimeDirectory.h"

namespace fs = std::filesystem;

namespace {

// Points TMPDIR at a fresh folder and unsets XDG_RUNTIME_DIR for one test,
// restoring both afterwards.
class RuntimeDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedTmp = Get("TMPDIR");
        m_savedRuntime = Get("XDG_RUNTIME_DIR");
        std::string pattern = (fs::temp_directory_path() / "karvuto-rt-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_tmp = pattern;
        setenv("TMPDIR", m_tmp.c_str(), 1);
        unsetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override {
        Restore("TMPDIR", m_savedTmp);
        Restore("XDG_RUNTIME_DIR", m_savedRuntime);
        std::error_code ec;
        fs::remove_all(m_tmp, ec);
    }

    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    static mode_t Mode(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    fs::path m_tmp;
    std::optional<std::string> m_savedTmp, m_savedRuntime;
};

}  // namespace

TEST_F(RuntimeDirectory, AnExistingSettingIsLeftAlone) {
    setenv("XDG_RUNTIME_DIR", "/somewhere", 1);
    EXPECT_EQ(platform::ProvideRuntimeDirectory(), std::nullopt);
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/somewhere");
    const platform::PrivateRuntimeDirectory scope;
    EXPECT_EQ(scope.Path(), "");
    EXPECT_TRUE(fs::is_empty(m_tmp));
}

TEST_F(RuntimeDirectory, TheFallbackIsTheUsersOwnPrivateFolder) {
    const auto folder = platform::ProvideRuntimeDirectory();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(fs::path(*folder).parent_path(), m_tmp);
    EXPECT_TRUE(fs::path(*folder).filename().string().starts_with("runtime-"));
    EXPECT_EQ(Mode(*folder), 0700u);
    EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), *folder);

    // A second start finds the same folder; a wider mode is narrowed.
    ASSERT_EQ(chmod(folder->c_str(), 0755), 0);
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(platform::ProvideRuntimeDirectory(), folder);
    EXPECT_EQ(Mode(*folder), 0700u);
}

TEST_F(RuntimeDirectory, ANameTakenByAFileOrALinkGivesAPrivateFolder) {
    const auto probe = platform::ProvideRuntimeDirectory();
    ASSERT_TRUE(probe.has_value());
    fs::remove(*probe);
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "symbolic link" : "file");
        unsetenv("XDG_RUNTIME_DIR");
        if (link) {
            fs::create_directory(m_tmp / "elsewhere");
            fs::create_directory_symlink(m_tmp / "elsewhere", *probe);
        } else {
            std::ofstream(*probe) << "squatter";
        }
        const auto folder = platform::ProvideRuntimeDirectory();
        ASSERT_TRUE(folder.has_value());
        EXPECT_NE(*folder, *probe);
        EXPECT_EQ(Mode(*folder), 0700u);
        fs::remove(*probe);
    }
}

TEST_F(RuntimeDirectory, APrivateFolderLastsAsLongAsItsScope) {
    std::string path;
    {
        const platform::PrivateRuntimeDirectory scope;
        path = scope.Path();
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(fs::path(path).parent_path(), m_tmp);
        EXPECT_EQ(Mode(path), 0700u);
        EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), path);
        std::ofstream(fs::path(path) / "socket-left-behind") << "x";
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);
    EXPECT_TRUE(fs::is_empty(m_tmp));
}
