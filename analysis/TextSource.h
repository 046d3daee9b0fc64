// Where the analysis finds its interpretive paragraphs: keyed text tables,
// one per kind of finding (TextTables.h lists them and their keys). The
// analysis declares this interface; the database adapter in reading/ and
// the in-memory source beside it implement it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace analysis {

enum class TextTable { Strength, Pattern, Useful, Month, Fortune, Relation, Shensha };

// The key cells of one row, UTF-8, in the table's column order.
using TextKey = std::vector<std::string>;

class TextSource {
public:
    virtual ~TextSource() = default;
    // The paragraph (UTF-8) of a key, or nullopt when the table has no row
    // for it. A source that cannot be read throws its own exception type.
    virtual std::optional<std::string> Text(TextTable table, const TextKey& key) const = 0;
};

}  // namespace analysis
