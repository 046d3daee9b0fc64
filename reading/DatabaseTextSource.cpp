// Analysis texts through the reading's own query path: a Jet-dialect query in
// GBK, the stored form decoded, the text converted to UTF-8.
#include "DatabaseTextSource.h"

#include "ComposeLookup.h"
#include "GbkCodec.h"
#include "TextTables.h"

namespace {

// A Jet string literal: "..." with a quote inside doubled.
std::string Literal(const std::string& utf8) {
    std::string s = "\"";
    for (char c : utf8) s += c == '"' ? std::string("\"\"") : std::string(1, c);
    return s + "\"";
}

}  // namespace

DatabaseTextSource::DatabaseTextSource(Connection* connection) : m_pConnection(connection) {}

std::optional<std::string> DatabaseTextSource::Text(analysis::TextTable table,
                                                    const analysis::TextKey& key) const {
    const auto cached = m_cache.find({table, key});
    if (cached != m_cache.end()) return cached->second;
    const analysis::TextTableInfo& info = analysis::InfoOf(table);
    if (static_cast<int>(key.size()) != info.keyCount) return std::nullopt;
    std::string sql = "select * from " + std::string(info.name) + " where ";
    for (int i = 0; i < info.keyCount; ++i)
        sql += (i ? " and " : "") + std::string(info.keys[i]) + " = " + Literal(key[i]);
    // A key that has no GBK form cannot be in the database.
    const std::optional<std::string> gbk = platform::Utf8ToGbk(sql);
    std::optional<std::string> text;
    if (gbk) {
        const std::string found = LookupText(m_pConnection, *gbk);
        if (!found.empty()) text = platform::Utf8(found);
    }
    m_cache.emplace(std::make_pair(table, key), text);
    return text;
}
