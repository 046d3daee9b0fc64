#include <gtest/gtest.h>

#include "ComError.h"
#include "SqlConnectionString.h"
#include "SqlDialect.h"

namespace {

TEST(Dialect, TranslatesJetLiterals) {
    struct Case {
        const char* name;
        const char* jet;
        const char* sqlite;
    } const cases[] = {
        {"no literal", "select * from bazi1 where Amount = 42", "select * from bazi1 where Amount = 42"},
        {"double-quoted literal", R"(where type = "甲子")", "where type = '甲子'"},
        {"no space before the quote", R"(day = "甲" and time ="丙寅")", "day = '甲' and time ='丙寅'"},
        {"doubled double quote inside", R"(x = "a""b")", R"(x = 'a"b')"},
        {"single quote inside is doubled", R"(x = "it's")", "x = 'it''s'"},
        {"single-quoted literal kept", "x = 'a''b'", "x = 'a''b'"},
        {"double quote inside single-quoted", R"(x = 'say "hi"')", R"(x = 'say "hi"')"},
        {"empty literal", R"(x = "")", "x = ''"},
        {"two literals", R"("a" || "b")", "'a' || 'b'"},
        {"bracketed name kept whole", R"([my "col"] = "v")", R"([my "col"] = 'v')"},
        {"backslash is not an escape", R"(x = "a\")", R"(x = 'a\')"},
        {"multibyte text outside literals", "甲子 = \"乙丑\"", "甲子 = '乙丑'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite);
    }
}

TEST(Dialect, RefusesAnOpenLiteral) {
    for (const char* jet : {R"(x = "abc)", "x = 'abc", R"(x = "a"")", "\""}) {
        SCOPED_TRACE(jet);
        try {
            TranslateJetSql(jet);
            ADD_FAILURE() << "no error";
        } catch (const ComError& e) {
            EXPECT_EQ(e.Error(), kDB_E_ERRORSINCOMMAND);
        }
    }
}

TEST(ConnectionString, FindsProviderAndDataSource) {
    struct Case {
        const char* name;
        const char* text;
        const char* provider;    // nullptr: absent
        const char* dataSource;  // nullptr: absent
    } const cases[] = {
        {"the program's form", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/k/Karvuto.mdb",
         "Microsoft.Jet.OLEDB.4.0", "/opt/k/Karvuto.mdb"},
        {"a path with ';' and '='", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/a;b=c/K.mdb",
         "Microsoft.Jet.OLEDB.4.0", "/a;b=c/K.mdb"},
        {"a path with spaces kept whole", "Provider=X;Data Source= /a b/K.mdb ", "X", "/a b/K.mdb "},
        {"keywords in any case and order", "data source=\"/q;x\";PROVIDER = Y ;", "Y", "/q;x"},
        {"quoted with doubled quotes", "Data Source='it''s';Provider=Z", "Z", "it's"},
        {"other keywords ignored", "Provider=P;User ID=admin;Password=;Data Source=d", "P", "d"},
        {"empty parts", ";;Provider=P;;", "P", nullptr},
        {"nothing", "", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parts = ParseConnectionString(c.text);
        EXPECT_EQ(parts.provider.has_value(), c.provider != nullptr);
        if (c.provider && parts.provider) {
            EXPECT_EQ(*parts.provider, c.provider);
        }
        EXPECT_EQ(parts.dataSource.has_value(), c.dataSource != nullptr);
        if (c.dataSource && parts.dataSource) {
            EXPECT_EQ(*parts.dataSource, c.dataSource);
        }
    }
    for (const char* bad : {"Provider", "Provider=P;junk", "Data Source=\"open"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseConnectionString(bad), ComError);
    }
    EXPECT_TRUE(IsJetProvider("microsoft.jet.oledb.4.0"));
    EXPECT_FALSE(IsJetProvider("Microsoft.ACE.OLEDB.12.0"));
}

TEST(ConnectionString, AnyPathReadsBackExactly) {
    struct Case {
        const char* name;
        std::string path;
        const char* formatted;  // nullptr: only the round trip is checked
    } const cases[] = {
        {"a plain path keeps the documented form", "/opt/k/Karvuto.mdb",
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/k/Karvuto.mdb"},
        {"';' and '=' stay unquoted in the last value", "it's;x=1.mdb",
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=it's;x=1.mdb"},
        {"a leading space is quoted", " lead.mdb",
         R"(Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" lead.mdb")"},
        {"a leading double quote", "\"q.mdb", R"(Provider=Microsoft.Jet.OLEDB.4.0;Data Source='"q.mdb')"},
        {"a leading single quote", "'q.mdb", R"(Provider=Microsoft.Jet.OLEDB.4.0;Data Source="'q.mdb")"},
        {"both quotes: the double one doubled", R"("it's")",
         R"(Provider=Microsoft.Jet.OLEDB.4.0;Data Source="""it's""")"},
        {"a leading tab", "\tx.mdb", nullptr},
        {"spaces at both ends", "  a b  ", nullptr},
        {"trailing spaces only", "/a/b.mdb  ", nullptr},
        {"quotes inside and at the end", "a\"b'c\"", nullptr},
        {"quoted-looking", "\"a\";Provider=X", nullptr},
        {"multibyte", " 命理;数据=\".mdb", nullptr},
        {"empty", "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = FormatConnectionString(c.path);
        if (c.formatted) {
            EXPECT_EQ(text, c.formatted);
        }
        const auto parts = ParseConnectionString(text);
        ASSERT_TRUE(parts.provider.has_value());
        EXPECT_TRUE(IsJetProvider(*parts.provider));
        ASSERT_TRUE(parts.dataSource.has_value());
        EXPECT_EQ(*parts.dataSource, c.path);
        // Quoted, the value reads back in any place, not only the last.
        const auto quoted =
            ParseConnectionString("Data Source=" + QuoteConnectionValue(c.path) + ";Provider=P");
        ASSERT_TRUE(quoted.dataSource.has_value());
        EXPECT_EQ(*quoted.dataSource, c.path);
        EXPECT_EQ(quoted.provider, "P");
    }
}

}  // namespace
