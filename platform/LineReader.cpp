// Bounded line reading over std::istream::getline and ignore.
#include "LineReader.h"

#include <istream>
#include <limits>

namespace platform {

LineReader::LineReader(std::istream& in, std::size_t maxBytes) : m_in(in), m_buffer(maxBytes + 1) {}

bool LineReader::Next(std::string_view& line, std::size_t& unreadBytes) {
    unreadBytes = 0;
    if (!m_in.good()) return false;
    m_in.getline(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    const auto extracted = static_cast<std::size_t>(m_in.gcount());
    if (m_in.fail() && !m_in.bad() && extracted == m_buffer.size() - 1) {
        // The bound was reached before the line feed: skip the rest of the
        // line without keeping it.
        m_in.clear();
        m_in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        const auto skipped = static_cast<std::size_t>(m_in.gcount());
        unreadBytes = m_in.eof() ? skipped : skipped - 1;  // the line feed, when found, is no content
        line = std::string_view(m_buffer.data(), extracted);
        return true;
    }
    if (m_in.fail()) return false;  // nothing was read: the end of the input, or a failed device
    // The line feed, when one ended the line, was extracted but not stored.
    const std::size_t stored = m_in.eof() ? extracted : extracted - 1;
    line = std::string_view(m_buffer.data(), stored);
    return true;
}

}  // namespace platform
