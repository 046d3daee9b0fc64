// The analysis texts as the interpretation database holds them: a
// TextSource over the program's read-only Connection. Each text is looked up
// once with a query of its own and kept for the life of the source.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "Database.h"
#include "TextSource.h"

class DatabaseTextSource final : public analysis::TextSource {
public:
    // The connection is not owned and must stay open while the source is used.
    // Like the connection, a source is for one thread at a time.
    explicit DatabaseTextSource(Connection* connection);

    // The text (UTF-8) of a key, nullopt when its table has no row for it or
    // the key does not fit the table. A database that lacks the table, or
    // cannot be read, throws ComError.
    std::optional<std::string> Text(analysis::TextTable table, const analysis::TextKey& key) const override;

private:
    Connection* m_pConnection;
    mutable std::map<std::pair<analysis::TextTable, analysis::TextKey>, std::optional<std::string>> m_cache;
};
