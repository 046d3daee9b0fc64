// A TextSource over texts held in memory: for tests, benchmarks, and for a
// caller that has read the tables once.
#pragma once

#include <map>
#include <utility>

#include "TextSource.h"

namespace analysis {

class MemoryTextSource final : public TextSource {
public:
    // Adds or replaces the text of a key.
    void Set(TextTable table, TextKey key, std::string text);
    std::optional<std::string> Text(TextTable table, const TextKey& key) const override;

private:
    std::map<std::pair<TextTable, TextKey>, std::string> m_texts;
};

}  // namespace analysis
