// ComError and the system message table. The table holds the texts of the
// generic and file-system HRESULTs the database layer raises, and our own codes
// for database files in a state a read-only open cannot use; the provider's own
// codes (DB_E_*, adErr*) have no system text by contract and fall to the
// formatted forms.
#include "ComError.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "GbkCodec.h"
#include "TerminalText.h"

namespace {

struct SystemText {
    HRESULT hr;
    std::string_view utf8;  // as a Chinese desktop shows it, with the system's "\r\n"
};

// HRESULT -> system text, UTF-8 (converted to GBK on lookup).
constexpr std::array kSystemTexts = {
    SystemText{kS_OK, "操作成功完成。\r\n"},
    SystemText{kE_UNEXPECTED, "灾难性故障\r\n"},
    SystemText{kE_POINTER, "无效指针\r\n"},
    SystemText{kE_FAIL, "未指定的错误\r\n"},
    SystemText{kDISP_E_TYPEMISMATCH, "类型不匹配。\r\n"},
    SystemText{kDISP_E_OVERFLOW, "超出当前范围。\r\n"},
    SystemText{kFileNotFound, "系统找不到指定的文件。\r\n"},
    SystemText{kPathNotFound, "系统找不到指定的路径。\r\n"},
    SystemText{kAccessDenied, "拒绝访问。\r\n"},
    SystemText{kInvalidData, "数据无效。\r\n"},
    SystemText{kE_OUTOFMEMORY, "存储空间不足，无法完成此操作。\r\n"},
    SystemText{kE_INVALIDARG, "参数错误。\r\n"},
    SystemText{kFileCorrupt, "文件或目录损坏且无法读取。\r\n"},
    SystemText{kLockViolation, "另一个程序已锁定文件的一部分，进程无法访问。\r\n"},
    SystemText{kJournalModeUnreadable, "数据库文件使用 WAL 日志模式，只读打开无法读取。\r\n"},
    SystemText{kUnfinishedWrite, "数据库文件有未完成的写入（留有日志文件），只读打开无法恢复。\r\n"},
    SystemText{kQueryTimedOut, "数据库查询超过了时间限制，已被停止。\r\n"},
};

// The range of HRESULTs that carry an IDispatch error number:
// FACILITY_ITF codes from 0x80040200 on; the number is (hr - 0x200) & 0xFFFF.
constexpr std::uint32_t kDispatchErrorFirst = 0x80040200u;
constexpr std::uint32_t kDispatchErrorLast = 0x8004FFFFu;
constexpr std::uint32_t kDispatchErrorBase = 0x200u;

}  // namespace

namespace {

// "HRESULT 0x80004005" and, when the provider said more, ": " and its words.
std::string DiagnosticText(HRESULT hr, const std::string& description) {
    char code[32];
    std::snprintf(code, sizeof code, "HRESULT 0x%08X", static_cast<unsigned>(hr));
    return description.empty() ? std::string(code) : std::string(code) + ": " + description;
}

}  // namespace

namespace {

// `utf8` in GBK, each character GBK cannot hold written as \u{XXXX}: the
// detail may quote a name from the file, in any script.
std::string GbkOrEscaped(std::string_view utf8) {
    if (auto gbk = platform::Utf8ToGbk(utf8)) return *gbk;
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = std::max<std::size_t>(platform::Utf8SequenceLength(utf8.substr(i), cp), 1);
        if (auto gbk = platform::Utf8ToGbk(utf8.substr(i, length))) {
            out += *gbk;
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned>(cp));
            out += escape;
        }
        i += length;
    }
    return out;
}

}  // namespace

ComError::ComError(HRESULT hr, std::string description, std::string detail)
    : std::runtime_error(DiagnosticText(hr, description)),
      m_hr(hr),
      m_description(std::move(description)),
      m_detail(detail.empty() ? std::string() : platform::EscapeForTerminal(detail)) {}

const std::string& ComError::ErrorText() const {
    if (!m_errorText) {
        m_errorText = ComposeErrorText(m_hr, SystemMessageText(m_hr));
        if (!m_detail.empty()) *m_errorText += "\r\n" + GbkOrEscaped(m_detail);
    }
    return *m_errorText;
}

std::optional<std::string> SystemMessageText(HRESULT hr) {
    for (const auto& entry : kSystemTexts)
        if (entry.hr == hr) return platform::Gbk(entry.utf8);
    return std::nullopt;
}

std::string ComposeErrorText(HRESULT hr, const std::optional<std::string>& systemText) {
    if (systemText) {
        std::string text = *systemText;
        // A text of two or more characters loses its final line feed and a
        // carriage return before it; a lone line feed is kept as it is.
        if (text.size() >= 2 && text.back() == '\n') {
            text.pop_back();
            if (!text.empty() && text.back() == '\r') text.pop_back();
        }
        return text;
    }
    const auto code = static_cast<std::uint32_t>(hr);
    char buffer[64];
    const std::uint32_t dispatchNumber = (code - kDispatchErrorBase) & 0xFFFFu;
    if (code >= kDispatchErrorFirst && code <= kDispatchErrorLast && dispatchNumber != 0) {
        std::snprintf(buffer, sizeof buffer, "IDispatch error #%d", static_cast<int>(dispatchNumber));
    } else {
        // HRESULT is 32 bits wide; print it as such even where long is wider.
        std::snprintf(buffer, sizeof buffer, "Unknown error 0x%0lX", static_cast<unsigned long>(code));
    }
    return buffer;
}
