// CsvReader: records of a CSV text as RFC 4180 writes them. Fields are
// separated by commas and records by CRLF (a bare LF is taken too); a field
// with a comma, a quote or a line break is quoted, its quotes doubled, and
// keeps every byte between its quotes. A UTF-8 byte-order mark at the start
// is skipped; empty lines are skipped. CsvRow writes one record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace people {

class CsvReader {
public:
    // `text` must outlive the reader.
    explicit CsvReader(std::string_view text);

    // Reads the next record into `fields`: true when there was one; false at
    // the end of the text or on a fault, which Error() then says. After a
    // fault `fields` holds the fields read before it.
    bool Next(std::vector<std::string>& fields);

    // What is wrong (UTF-8, Chinese), or "" when nothing is.
    const std::string& Error() const { return m_error; }
    // The line (1-based) on which the last record read started.
    std::size_t Line() const { return m_recordLine; }

private:
    bool Fail(std::size_t line, std::string message);

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 0;
    std::string m_error;
};

// One record: each field quoted when it must be, ending in CRLF.
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace people
