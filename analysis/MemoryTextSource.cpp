#include "MemoryTextSource.h"

namespace analysis {

void MemoryTextSource::Set(TextTable table, TextKey key, std::string text) {
    m_texts[{table, std::move(key)}] = std::move(text);
}

std::optional<std::string> MemoryTextSource::Text(TextTable table, const TextKey& key) const {
    const auto it = m_texts.find({table, key});
    if (it == m_texts.end()) return std::nullopt;
    return it->second;
}

}  // namespace analysis
