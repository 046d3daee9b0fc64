#include <gtest/gtest.h>

#include "ComError.h"
#include "GbkCodec.h"

namespace {

TEST(ComError, TextForEveryForm) {
    struct Case {
        const char* name;
        std::uint32_t hr;
        const char* utf8;
    } const cases[] = {
        {"no table: IDispatch 3127", 0x80040E37u, "IDispatch error #3127"},
        {"errors in command: IDispatch 3092", 0x80040E14u, "IDispatch error #3092"},
        {"unknown name: IDispatch 3088", 0x80040E10u, "IDispatch error #3088"},
        {"first of the IDispatch range has number 0", 0x80040200u, "Unknown error 0x80040200"},
        {"one past it", 0x80040201u, "IDispatch error #1"},
        {"last of the range", 0x8004FFFFu, "IDispatch error #65023"},
        {"number from the low 16 bits", 0x80041200u, "IDispatch error #4096"},
        {"just below the range", 0x800401FFu, "Unknown error 0x800401FF"},
        {"just above the range", 0x80050000u, "Unknown error 0x80050000"},
        {"item not found", 0x800A0CC1u, "Unknown error 0x800A0CC1"},
        {"provider not found", 0x800A0E7Au, "Unknown error 0x800A0E7A"},
        {"small code without leading zeros", 0x00000001u, "Unknown error 0x1"},
        {"system text loses its CR LF", 0x80070002u, "系统找不到指定的文件。"},
        {"E_POINTER", 0x80004003u, "无效指针"},
        {"E_OUTOFMEMORY", 0x8007000Eu, "存储空间不足，无法完成此操作。"},
        {"file corrupt", 0x80070570u, "文件或目录损坏且无法读取。"},
        {"type mismatch", 0x80020005u, "类型不匹配。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ComError(static_cast<HRESULT>(c.hr)).ErrorText(), platform::Gbk(c.utf8));
    }
}

TEST(ComError, IsAStandardExceptionNamingCodeAndDescription) {
    try {
        throw ComError(kE_FAIL, "no such table: bazi9");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "HRESULT 0x80004005: no such table: bazi9");
    }
    EXPECT_STREQ(ComError(kAdErrObjectClosed).what(), "HRESULT 0x800A0E78");
}

TEST(ComError, TrailingLineFeedRule) {
    struct Case {
        const char* name;
        const char* system;
        const char* expected;
    } const cases[] = {
        {"CR LF removed", "text\r\n", "text"},
        {"LF alone removed", "text\n", "text"},
        {"lone LF kept", "\n", "\n"},
        {"lone CR LF becomes empty", "\r\n", ""},
        {"only the last line feed", "a\n\n", "a\n"},
        {"CR without LF kept", "text\r", "text\r"},
        {"empty stays empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ComposeErrorText(kE_FAIL, std::string(c.system)), c.expected);
    }
}

TEST(ComError, EveryTableTextIsGbkAndEndsLikeTheSystems) {
    for (HRESULT hr :
         {kS_OK, kE_POINTER, kE_OUTOFMEMORY, kE_FAIL, kE_INVALIDARG, kE_UNEXPECTED, kFileNotFound,
          kPathNotFound, kAccessDenied, kFileCorrupt, kInvalidData, kDISP_E_TYPEMISMATCH, kDISP_E_OVERFLOW,
          kLockViolation, kJournalModeUnreadable, kUnfinishedWrite, kQueryTimedOut}) {
        SCOPED_TRACE(hr);
        const auto text = SystemMessageText(hr);
        ASSERT_TRUE(text.has_value());
        EXPECT_GT(text->size(), 2u);
        EXPECT_EQ(text->substr(text->size() - 2), "\r\n");
        EXPECT_TRUE(platform::GbkToUtf8(*text).has_value());
    }
    for (HRESULT hr : {kDB_E_NOTABLE, kDB_E_ERRORSINCOMMAND, kDB_E_PARAMNOTOPTIONAL, kAdErrItemNotFound,
                       kAdErrProviderNotFound, kAdErrNoCurrentRecord, kAdErrObjectClosed, kAdErrObjectOpen})
        EXPECT_FALSE(SystemMessageText(hr).has_value()) << hr;
}

TEST(ComError, TextIsCachedAndCarriesCodeAndDescription) {
    const ComError error(kDB_E_NOTABLE, "no such table: bazi9");
    const std::string& first = error.ErrorText();
    EXPECT_EQ(&first, &error.ErrorText());
    EXPECT_EQ(error.Error(), kDB_E_NOTABLE);
    EXPECT_EQ(error.Description(), "no such table: bazi9");
    // The provider's description never reaches the user's text.
    EXPECT_EQ(first, "IDispatch error #3127");
}

// The detail a raiser gives for the user follows the code's text on a line of
// its own, escaped, cut, and in GBK even where it quotes other scripts.
TEST(ComError, DetailFollowsTheCodesText) {
    struct Case {
        const char* name;
        HRESULT hr;
        std::string detail;
        std::string utf8;
    } const cases[] = {
        {"no detail: the text alone", kE_FAIL, "", "未指定的错误"},
        {"engine reason", kE_FAIL, "SQLite 原文：unsupported file format",
         "未指定的错误\r\nSQLite 原文：unsupported file format"},
        {"a table named", kInvalidData, "表 bazi3 缺少 1 个键的记录：庚午",
         "数据无效。\r\n表 bazi3 缺少 1 个键的记录：庚午"},
        {"formatted form too", kDB_E_NOTABLE, "x", "IDispatch error #3127\r\nx"},
        {"control bytes escaped", kE_FAIL, "no such function: a\x1B[2J",
         "未指定的错误\r\nno such function: a\\x1B[2J"},
        {"outside GBK", kE_FAIL, "no such function: 😀", "未指定的错误\r\nno such function: \\u{1F600}"},
        {"long detail cut", kE_FAIL, std::string(300, 'n'),
         "未指定的错误\r\n" + std::string(200, 'n') + "...(100 more bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ComError error(c.hr, "diagnostic", c.detail);
        EXPECT_EQ(error.ErrorText(), platform::Gbk(c.utf8));
        EXPECT_EQ(error.Description(), "diagnostic");
    }
}

}  // namespace
