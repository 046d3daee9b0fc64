// A copy of the shipped database that a test changes, and the words the check at open
// gives for it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseKeys.h"
#include "DatabaseTestFiles.h"
#include "GbkCodec.h"

namespace dbtest {

class ShippedCopy : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::copy_file(KARVUTO_SHIPPED_DB, m_file); }
    // Runs SQLite statements (UTF-8) on the copy.
    void Change(const std::string& sql) { MakeDatabase(m_file, sql); }
    // The user's words when the copy is opened with the tables of `declarers` checked, or ""
    // when it opens.
    std::string Refusal(const std::vector<KeyDeclarer>& declarers = {ReadingTableKeys}) {
        Connection connection;
        try {
            OpenInterpretationDatabase(connection, m_file.string(), declarers);
        } catch (const ComError& e) {
            EXPECT_EQ(e.Error(), kInvalidData) << e.what();
            EXPECT_EQ(connection.State(), adStateClosed);
            return platform::Utf8(e.ErrorText());
        }
        EXPECT_EQ(connection.State(), adStateOpen);
        return "";
    }

    TempDir m_dir;
    std::filesystem::path m_file = m_dir / "Karvuto.mdb";
};

}  // namespace dbtest
