// The database is found beside the executable first, then in the installed
// tree's share/karvuto folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "DatabaseLocation.h"

namespace fs = std::filesystem;

namespace {

class DatabaseLocation : public testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("karvuto-location-" + std::to_string(getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root / "bin");
        fs::create_directories(m_root / "share" / "karvuto");
    }
    void TearDown() override { fs::remove_all(m_root); }
    void Touch(const fs::path& p) { std::ofstream(p) << "x"; }

    fs::path Beside() const { return m_root / "bin" / "Karvuto.mdb"; }
    fs::path Shared() const { return m_root / "share" / "karvuto" / "Karvuto.mdb"; }
    fs::path m_root;
};

}  // namespace

TEST_F(DatabaseLocation, PrefersTheFileBesideTheExecutable) {
    const struct {
        bool beside, shared;
        bool expectBeside;
    } kCases[] = {
        {true, true, true},    // a build tree that also has an installed copy above it
        {false, true, false},  // an installed tree
        {true, false, true},   // a build tree
        {false, false, true},  // none: the first place, so the open names it
    };
    for (const auto& c : kCases) {
        fs::remove(Beside());
        fs::remove(Shared());
        if (c.beside) Touch(Beside());
        if (c.shared) Touch(Shared());
        EXPECT_EQ(FindDatabase(m_root / "bin"), c.expectBeside ? Beside() : Shared())
            << "beside=" << c.beside << " shared=" << c.shared;
    }
}

TEST_F(DatabaseLocation, AFolderNamedLikeTheDatabaseIsNotTheDatabase) {
    fs::create_directories(Beside());
    Touch(Shared());
    EXPECT_EQ(FindDatabase(m_root / "bin"), Shared());
}

TEST_F(DatabaseLocation, TheMessageNamesBothPlaces) {
    const std::string text = DescribeDatabaseCandidates(m_root / "bin");
    EXPECT_NE(text.find(Beside().string()), std::string::npos) << text;
    EXPECT_NE(text.find(Shared().string()), std::string::npos) << text;
}

TEST(ExecutableDirectory, IsTheFolderOfTheRunningTestProgram) {
    const fs::path dir = ExecutableDirectory(nullptr);
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(fs::exists(dir / "reading_db_tests"));
}
