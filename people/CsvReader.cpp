// RFC 4180 records, read strictly: a quote inside an unquoted field, text
// after a closing quote, a lone CR or a file that ends inside quotes is a
// fault, never guessed at.
#include "CsvReader.h"

namespace people {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(std::string_view text) : m_text(text) {
    if (m_text.starts_with(kByteOrderMark)) m_at = kByteOrderMark.size();
}

bool CsvReader::Fail(std::size_t line, std::string message) {
    m_error = "第 " + std::to_string(line) + " 行：" + std::move(message);
    return false;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    if (!m_error.empty()) return false;
    // Empty lines are no records.
    while (m_at < m_text.size() && (m_text[m_at] == '\n' || m_text.substr(m_at, 2) == "\r\n")) {
        m_at += m_text[m_at] == '\n' ? 1 : 2;
        ++m_line;
    }
    if (m_at >= m_text.size()) return false;
    m_recordLine = m_line;

    std::string field;
    for (;;) {
        if (m_at < m_text.size() && m_text[m_at] == '"') {
            // A quoted field: up to the quote that is not doubled.
            const std::size_t openedOn = m_line;
            ++m_at;
            for (;;) {
                if (m_at >= m_text.size()) {
                    fields.push_back(std::move(field));
                    return Fail(openedOn, "引号没有收尾：文件不完整");
                }
                const char c = m_text[m_at++];
                if (c == '"') {
                    if (m_at < m_text.size() && m_text[m_at] == '"') {
                        field += '"';
                        ++m_at;
                        continue;
                    }
                    break;
                }
                if (c == '\n') ++m_line;
                field += c;
            }
        } else {
            while (m_at < m_text.size()) {
                const char c = m_text[m_at];
                if (c == ',' || c == '\n' || c == '\r') break;
                if (c == '"') {
                    fields.push_back(std::move(field));
                    return Fail(m_line, "引号只能围住整个字段");
                }
                field += c;
                ++m_at;
            }
        }
        fields.push_back(std::move(field));
        field.clear();
        if (m_at >= m_text.size()) return true;
        const char c = m_text[m_at];
        if (c == ',') {
            ++m_at;
            continue;
        }
        if (c == '\n' || m_text.substr(m_at, 2) == "\r\n") {
            m_at += c == '\n' ? 1 : 2;
            ++m_line;
            return true;
        }
        return Fail(m_line, c == '\r' ? "回车符须后随换行符" : "收尾的引号后只能是逗号或换行");
    }
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            row += field;
            continue;
        }
        row += '"';
        for (char c : field) {
            if (c == '"') row += '"';
            row += c;
        }
        row += '"';
    }
    return row + "\r\n";
}

}  // namespace people
