// Character classes and sentence cutting for the text checks.
#include "TextScan.h"

#include "GbkCodec.h"
#include "Sexagenary.h"

namespace textgen {

namespace {

// Stems 甲 … 癸, branches 子 … 亥 and elements 木 火 土 金 水 in index order.
constexpr std::u32string_view kElementChars = U"木火土金水";
static_assert(kElementChars.size() == 5);

constexpr std::u32string_view kSentenceEnds = U"。！？；";
constexpr std::u32string_view kClauseEnds = U"。！？；，、：";

}  // namespace

std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    while (!utf8.empty()) {
        char32_t cp = 0;
        const std::size_t n = platform::Utf8SequenceLength(utf8, cp);
        out.push_back(n ? cp : U'\uFFFD');
        utf8.remove_prefix(n ? n : 1);
    }
    return out;
}

std::string Utf8Of(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The calendar's names decide what a stem or a branch is.
int StemIndex(char32_t c) {
    return calendar::StemIndex(Utf8Of(std::u32string_view(&c, 1)));
}

int BranchIndex(char32_t c) {
    return calendar::BranchIndex(Utf8Of(std::u32string_view(&c, 1)));
}

bool IsElement(char32_t c, chart::Element& e) {
    const std::size_t i = kElementChars.find(c);
    if (i == std::u32string_view::npos) return false;
    e = static_cast<chart::Element>(i);
    return true;
}

bool IsElement(char32_t c) {
    return kElementChars.find(c) != std::u32string_view::npos;
}

bool EndsSentence(char32_t c) {
    return kSentenceEnds.find(c) != std::u32string_view::npos;
}

bool EndsClause(char32_t c) {
    return kClauseEnds.find(c) != std::u32string_view::npos;
}

std::vector<std::u32string> Sentences(std::u32string_view text) {
    std::vector<std::u32string> out;
    std::u32string current;
    for (const char32_t c : text) {
        if (EndsSentence(c)) {
            if (!current.empty()) out.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

bool Has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool Has(std::u32string_view text, std::u32string_view part) {
    return text.find(part) != std::u32string_view::npos;
}

}  // namespace textgen
