// Fitting a stored name to the report's ten GBK bytes.
#include "ReportName.h"

#include "GbkCodec.h"

namespace people {
namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

}  // namespace

ReportName MakeReportName(std::string_view utf8) {
    ReportName result;
    const std::size_t begin = utf8.find_first_not_of(kWhiteSpace);
    if (begin == std::string_view::npos) return result;
    std::string_view rest = utf8.substr(begin, utf8.find_last_not_of(kWhiteSpace) - begin + 1);

    std::string gbk;
    while (!rest.empty()) {
        char32_t c = 0;
        std::size_t length = platform::Utf8SequenceLength(rest, c);
        std::optional<std::string> encoded;
        if (length == 0) {
            length = 1;  // a stray byte stands for one character
        } else if (!IsControl(c)) {
            encoded = platform::Utf8ToGbk(rest.substr(0, length));
        }
        rest.remove_prefix(length);
        if (!encoded) {
            encoded = std::string(1, kReplacementChar);
            result.replaced = true;
        }
        if (gbk.size() + encoded->size() > kReportNameBytes) {
            result.shortened = true;
            break;
        }
        gbk += *encoded;
    }
    result.gbk = std::move(gbk);
    return result;
}

}  // namespace people
