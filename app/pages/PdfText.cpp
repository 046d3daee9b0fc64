// Rewrites the ToUnicode maps of a PDF so that no glyph reads back as a
// radical, and a dash run drawn as one glyph reads back as its dashes.
//
// The maps are CMap programs in plain text (Qt writes them unfiltered):
//   n beginbfchar  <glyph> <utf16>            … endbfchar
//   n beginbfrange <first> <last> <utf16>     (consecutive characters)
//                  <first> <last> [<utf16> …] (one character a glyph) … endbfrange
// Every 4-digit UTF-16 code that is a radical becomes its ideograph (same
// length), a two- or three-em dash its em dashes (longer); a consecutive
// range that runs over either is written out as an array. The stream's /Length and the cross-reference
// offsets are then set for the new lengths.
#include "app/pages/PdfText.h"

#include <QList>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace pages {
namespace {

// U+2F00 … U+2FD5, the Kangxi radicals, by their compatibility decomposition.
constexpr std::array<char16_t, 214> kKangxi{
    0x4E00, 0x4E28, 0x4E36, 0x4E3F, 0x4E59, 0x4E85, 0x4E8C, 0x4EA0, 0x4EBA, 0x513F, 0x5165, 0x516B, 0x5182,
    0x5196, 0x51AB, 0x51E0, 0x51F5, 0x5200, 0x529B, 0x52F9, 0x5315, 0x531A, 0x5338, 0x5341, 0x535C, 0x5369,
    0x5382, 0x53B6, 0x53C8, 0x53E3, 0x56D7, 0x571F, 0x58EB, 0x5902, 0x590A, 0x5915, 0x5927, 0x5973, 0x5B50,
    0x5B80, 0x5BF8, 0x5C0F, 0x5C22, 0x5C38, 0x5C6E, 0x5C71, 0x5DDB, 0x5DE5, 0x5DF1, 0x5DFE, 0x5E72, 0x5E7A,
    0x5E7F, 0x5EF4, 0x5EFE, 0x5F0B, 0x5F13, 0x5F50, 0x5F61, 0x5F73, 0x5FC3, 0x6208, 0x6236, 0x624B, 0x652F,
    0x6534, 0x6587, 0x6597, 0x65A4, 0x65B9, 0x65E0, 0x65E5, 0x66F0, 0x6708, 0x6728, 0x6B20, 0x6B62, 0x6B79,
    0x6BB3, 0x6BCB, 0x6BD4, 0x6BDB, 0x6C0F, 0x6C14, 0x6C34, 0x706B, 0x722A, 0x7236, 0x723B, 0x723F, 0x7247,
    0x7259, 0x725B, 0x72AC, 0x7384, 0x7389, 0x74DC, 0x74E6, 0x7518, 0x751F, 0x7528, 0x7530, 0x758B, 0x7592,
    0x7676, 0x767D, 0x76AE, 0x76BF, 0x76EE, 0x77DB, 0x77E2, 0x77F3, 0x793A, 0x79B8, 0x79BE, 0x7A74, 0x7ACB,
    0x7AF9, 0x7C73, 0x7CF8, 0x7F36, 0x7F51, 0x7F8A, 0x7FBD, 0x8001, 0x800C, 0x8012, 0x8033, 0x807F, 0x8089,
    0x81E3, 0x81EA, 0x81F3, 0x81FC, 0x820C, 0x821B, 0x821F, 0x826E, 0x8272, 0x8278, 0x864D, 0x866B, 0x8840,
    0x884C, 0x8863, 0x897E, 0x898B, 0x89D2, 0x8A00, 0x8C37, 0x8C46, 0x8C55, 0x8C78, 0x8C9D, 0x8D64, 0x8D70,
    0x8DB3, 0x8EAB, 0x8ECA, 0x8F9B, 0x8FB0, 0x8FB5, 0x9091, 0x9149, 0x91C6, 0x91CC, 0x91D1, 0x9577, 0x9580,
    0x961C, 0x96B6, 0x96B9, 0x96E8, 0x9751, 0x975E, 0x9762, 0x9769, 0x97CB, 0x97ED, 0x97F3, 0x9801, 0x98A8,
    0x98DB, 0x98DF, 0x9996, 0x9999, 0x99AC, 0x9AA8, 0x9AD8, 0x9ADF, 0x9B25, 0x9B2F, 0x9B32, 0x9B3C, 0x9B5A,
    0x9CE5, 0x9E75, 0x9E7F, 0x9EA5, 0x9EBB, 0x9EC3, 0x9ECD, 0x9ED1, 0x9EF9, 0x9EFD, 0x9F0E, 0x9F13, 0x9F20,
    0x9F3B, 0x9F4A, 0x9F52, 0x9F8D, 0x9F9C, 0x9FA0,
};

// CJK radicals supplement: the two with a compatibility decomposition (⺟ 母,
// ⻳ 龟) and the component and simplified forms whose Unicode equivalent
// ideograph a CJK font draws with the same glyph.
struct Pair {
    char16_t radical, ideograph;
};
constexpr Pair kSupplement[] = {
    {0x2E82, 0x4E5B}, {0x2E83, 0x4E5A}, {0x2E85, 0x4EBB}, {0x2E89, 0x5202}, {0x2E8A, 0x535C},
    {0x2E8E, 0x5140}, {0x2E8F, 0x5C23}, {0x2E90, 0x5C22}, {0x2E92, 0x5DF3}, {0x2E93, 0x5E7A},
    {0x2E94, 0x5F51}, {0x2E95, 0x5F50}, {0x2E96, 0x5FC4}, {0x2E98, 0x624C}, {0x2E99, 0x6535},
    {0x2E9B, 0x65E1}, {0x2E9D, 0x6708}, {0x2E9E, 0x6B7A}, {0x2E9F, 0x6BCD}, {0x2EA0, 0x6C11},
    {0x2EA1, 0x6C35}, {0x2EA2, 0x6C3A}, {0x2EA3, 0x706C}, {0x2EA4, 0x722B}, {0x2EA6, 0x4E2C},
    {0x2EA8, 0x72AD}, {0x2EA9, 0x738B}, {0x2EAB, 0x7F52}, {0x2EAC, 0x793A}, {0x2EAD, 0x793B},
    {0x2EAF, 0x7CF9}, {0x2EB0, 0x7E9F}, {0x2EB1, 0x7F53}, {0x2EB2, 0x7F52}, {0x2EB6, 0x7F8A},
    {0x2EB9, 0x8002}, {0x2EBA, 0x8080}, {0x2EBD, 0x81FC}, {0x2EBE, 0x8279}, {0x2EBF, 0x8279},
    {0x2EC0, 0x8279}, {0x2EC1, 0x864E}, {0x2EC2, 0x8864}, {0x2EC3, 0x8980}, {0x2EC4, 0x897F},
    {0x2EC5, 0x89C1}, {0x2EC6, 0x89D2}, {0x2EC8, 0x8BA0}, {0x2EC9, 0x8D1D}, {0x2ECB, 0x8F66},
    {0x2ECC, 0x8FB6}, {0x2ECD, 0x8FB6}, {0x2ECE, 0x8FB6}, {0x2ECF, 0x961D}, {0x2ED0, 0x9485},
    {0x2ED1, 0x9577}, {0x2ED2, 0x9578}, {0x2ED3, 0x957F}, {0x2ED4, 0x95E8}, {0x2ED6, 0x961D},
    {0x2ED7, 0x96E8}, {0x2ED8, 0x9752}, {0x2ED9, 0x97E6}, {0x2EDA, 0x9875}, {0x2EDB, 0x98CE},
    {0x2EDC, 0x98DE}, {0x2EDD, 0x98DF}, {0x2EDF, 0x98E0}, {0x2EE0, 0x9963}, {0x2EE2, 0x9A6C},
    {0x2EE3, 0x9AA8}, {0x2EE4, 0x9B3C}, {0x2EE5, 0x9C7C}, {0x2EE6, 0x9E1F}, {0x2EE7, 0x5364},
    {0x2EE8, 0x9EA6}, {0x2EE9, 0x9EC4}, {0x2EEA, 0x9EFE}, {0x2EEB, 0x6589}, {0x2EEC, 0x9F50},
    {0x2EED, 0x6B6F}, {0x2EEE, 0x9F7F}, {0x2EEF, 0x7ADC}, {0x2EF0, 0x9F99}, {0x2EF1, 0x9F9C},
    {0x2EF2, 0x4E80}, {0x2EF3, 0x9F9F},
};

// Kangxi radicals a simplified-Chinese face draws with the glyph of another
// ideograph than their decomposition: ⼾ is drawn as 户, not 戶.
constexpr Pair kSimplifiedGlyph[] = {{0x2F3E, 0x6237}};

// The dashes a dash run's glyph stands for: a CJK face sets "——" as the
// glyph of U+2E3A, the two-em dash, and "———" as U+2E3B's.
constexpr char16_t kEmDash = 0x2014;
constexpr char16_t kTwoEmDash = 0x2E3A, kThreeEmDash = 0x2E3B;

int DashesOf(char32_t c) {
    return c == kTwoEmDash ? 2 : c == kThreeEmDash ? 3 : 0;
}

bool NeedsFix(char32_t c) {
    return UnifiedIdeograph(c) != c || DashesOf(c) > 0;
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}

QByteArray Hex4(char32_t c) {
    return QByteArray::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, '0');
}

// The UTF-16 hex digits a code should read back as.
QByteArray Fixed(char32_t c) {
    if (const int dashes = DashesOf(c); dashes > 0) return Hex4(kEmDash).repeated(dashes);
    return Hex4(UnifiedIdeograph(c));
}

// Reads the hex string starting at text[at] == '<'; its value and the index
// after '>'; nullopt when there is no hex string there.
struct HexString {
    QByteArray digits;
    qsizetype end = 0;
};
std::optional<HexString> ReadHex(const QByteArray& text, qsizetype at) {
    if (at >= text.size() || text[at] != '<') return std::nullopt;
    const qsizetype close = text.indexOf('>', at);
    if (close < 0) return std::nullopt;
    HexString hex{text.mid(at + 1, close - at - 1), close + 1};
    for (char ch : hex.digits)
        if (HexValue(ch) < 0) return std::nullopt;
    return hex;
}

// A UTF-16BE hex string with every 4-digit unit that needs it replaced.
QByteArray MapUnits(const QByteArray& digits) {
    if (digits.size() % 4 != 0) return digits;
    QByteArray out;
    for (qsizetype i = 0; i < digits.size(); i += 4) {
        const char32_t unit = digits.mid(i, 4).toUInt(nullptr, 16);
        out += NeedsFix(unit) ? Fixed(unit) : digits.mid(i, 4);
    }
    return out;
}

qsizetype SkipSpace(const QByteArray& text, qsizetype at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\r' || text[at] == '\t'))
        ++at;
    return at;
}

// The CMap text with its radicals replaced; unchanged when it has none.
QByteArray FixCMap(const QByteArray& cmap) {
    QByteArray out;
    qsizetype at = 0;
    while (true) {
        const qsizetype charStart = cmap.indexOf("beginbfchar", at);
        const qsizetype rangeStart = cmap.indexOf("beginbfrange", at);
        qsizetype start = charStart;
        bool ranges = false;
        if (start < 0 || (rangeStart >= 0 && rangeStart < start)) {
            start = rangeStart;
            ranges = true;
        }
        if (start < 0) break;
        const QByteArray endWord = ranges ? "endbfrange" : "endbfchar";
        const qsizetype bodyStart = start + (ranges ? 12 : 11);
        const qsizetype bodyEnd = cmap.indexOf(endWord, bodyStart);
        if (bodyEnd < 0) break;
        out += cmap.mid(at, bodyStart - at);
        // The entries, one hex string after another.
        qsizetype p = bodyStart;
        while (p < bodyEnd) {
            const qsizetype next = SkipSpace(cmap, p);
            out += cmap.mid(p, next - p);
            p = next;
            if (p >= bodyEnd) break;
            const std::optional<HexString> first = ReadHex(cmap, p);
            if (!first) return cmap;  // not a map this code understands: leave it
            if (!ranges) {
                out += cmap.mid(p, first->end - p);
                p = SkipSpace(cmap, first->end);
                out += cmap.mid(first->end, p - first->end);
                const std::optional<HexString> dst = ReadHex(cmap, p);
                if (!dst) return cmap;
                out += '<' + MapUnits(dst->digits) + '>';
                p = dst->end;
                continue;
            }
            qsizetype q = SkipSpace(cmap, first->end);
            const std::optional<HexString> last = ReadHex(cmap, q);
            if (!last) return cmap;
            out += cmap.mid(p, last->end - p);
            q = SkipSpace(cmap, last->end);
            out += cmap.mid(last->end, q - last->end);
            if (q < bodyEnd && cmap[q] == '[') {
                const qsizetype close = cmap.indexOf(']', q);
                if (close < 0 || close > bodyEnd) return cmap;
                out += '[';
                qsizetype r = q + 1;
                while (r < close) {
                    const qsizetype s = SkipSpace(cmap, r);
                    out += cmap.mid(r, s - r);
                    r = s;
                    if (r >= close) break;
                    const std::optional<HexString> dst = ReadHex(cmap, r);
                    if (!dst) return cmap;
                    out += '<' + MapUnits(dst->digits) + '>';
                    r = dst->end;
                }
                out += ']';
                p = close + 1;
                continue;
            }
            const std::optional<HexString> dst = ReadHex(cmap, q);
            if (!dst) return cmap;
            p = dst->end;
            const uint firstCode = first->digits.toUInt(nullptr, 16);
            const uint lastCode = last->digits.toUInt(nullptr, 16);
            bool touches = false;
            if (dst->digits.size() == 4 && lastCode >= firstCode && lastCode - firstCode < 0x10000) {
                const char32_t base = dst->digits.toUInt(nullptr, 16);
                for (uint k = 0; k <= lastCode - firstCode && !touches; ++k) touches = NeedsFix(base + k);
                if (touches) {
                    out += '[';
                    for (uint k = 0; k <= lastCode - firstCode; ++k) out += '<' + Fixed(base + k) + "> ";
                    out += ']';
                }
            }
            if (!touches) out += cmap.mid(q, p - q);
        }
        out += cmap.mid(bodyEnd, endWord.size());
        at = bodyEnd + endWord.size();
    }
    out += cmap.mid(at);
    return out;
}

struct Edit {
    qsizetype start, end;  // the bytes replaced, [start, end)
    QByteArray bytes;
};

// The object "N 0 obj" at the start of a line, or -1.
qsizetype FindObject(const QByteArray& pdf, int number) {
    const QByteArray head = QByteArray::number(number) + " 0 obj";
    for (qsizetype at = pdf.indexOf(head); at >= 0; at = pdf.indexOf(head, at + 1))
        if (at == 0 || pdf[at - 1] == '\n' || pdf[at - 1] == '\r') return at;
    return -1;
}

// The edit that replaces the ToUnicode stream object `number`, if it has radicals.
std::optional<Edit> FixStreamObject(const QByteArray& pdf, int number) {
    const qsizetype object = FindObject(pdf, number);
    if (object < 0) return std::nullopt;
    const qsizetype dictStart = pdf.indexOf("<<", object);
    const qsizetype streamWord = pdf.indexOf("stream", object);
    if (dictStart < 0 || streamWord < 0 || dictStart > streamWord) return std::nullopt;
    const QByteArray dict = pdf.mid(dictStart, streamWord - dictStart);
    if (dict.contains("/Filter")) return std::nullopt;  // only plain maps are rewritten
    const qsizetype lengthAt = dict.indexOf("/Length");
    if (lengthAt < 0) return std::nullopt;
    qsizetype n = SkipSpace(dict, lengthAt + 7);
    qsizetype digitsEnd = n;
    while (digitsEnd < dict.size() && dict[digitsEnd] >= '0' && dict[digitsEnd] <= '9') ++digitsEnd;
    if (digitsEnd == n) return std::nullopt;
    const qsizetype after = SkipSpace(dict, digitsEnd);
    if (after < dict.size() && dict[after] >= '0' && dict[after] <= '9')
        return std::nullopt;  // an indirect length ("10 0 R")
    const qsizetype length = dict.mid(n, digitsEnd - n).toLongLong();
    qsizetype dataStart = streamWord + 6;
    if (dataStart < pdf.size() && pdf[dataStart] == '\r') ++dataStart;
    if (dataStart < pdf.size() && pdf[dataStart] == '\n') ++dataStart;
    if (dataStart + length > pdf.size()) return std::nullopt;
    const QByteArray data = pdf.mid(dataStart, length);
    const QByteArray fixed = FixCMap(data);
    if (fixed == data) return std::nullopt;
    QByteArray newDict = dict;
    newDict.replace(n, digitsEnd - n, QByteArray::number(fixed.size()));
    return Edit{dictStart, dataStart + length, newDict + pdf.mid(streamWord, dataStart - streamWord) + fixed};
}

}  // namespace

char32_t UnifiedIdeograph(char32_t c) {
    for (const Pair& pair : kSimplifiedGlyph)
        if (pair.radical == c) return pair.ideograph;
    if (c >= 0x2F00 && c < 0x2F00 + kKangxi.size()) return kKangxi[c - 0x2F00];
    if (c >= 0x2E80 && c <= 0x2EFF) {
        for (const Pair& pair : kSupplement)
            if (pair.radical == c) return pair.ideograph;
    }
    return c;
}

QByteArray FixToUnicodeMaps(const QByteArray& pdf) {
    // The objects named as ToUnicode maps.
    std::vector<int> maps;
    const QByteArray key = "/ToUnicode";
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + key.size())) {
        qsizetype p = SkipSpace(pdf, at + key.size());
        qsizetype e = p;
        while (e < pdf.size() && pdf[e] >= '0' && pdf[e] <= '9') ++e;
        if (e > p && pdf.mid(SkipSpace(pdf, e), 3) == "0 R") maps.push_back(pdf.mid(p, e - p).toInt());
    }
    std::sort(maps.begin(), maps.end());
    maps.erase(std::unique(maps.begin(), maps.end()), maps.end());
    std::vector<Edit> edits;
    for (int number : maps)
        if (std::optional<Edit> edit = FixStreamObject(pdf, number)) edits.push_back(std::move(*edit));
    if (edits.empty()) return pdf;
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.start < b.start; });

    // Where an offset of the old file lies in the new one.
    auto moved = [&edits](qsizetype offset) {
        qsizetype shift = 0;
        for (const Edit& e : edits)
            if (e.end <= offset) shift += e.bytes.size() - (e.end - e.start);
        return offset + shift;
    };

    // The cross-reference table, found through the last startxref.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0) return pdf;
    qsizetype p = SkipSpace(pdf, startxref + 9);
    qsizetype e = p;
    while (e < pdf.size() && pdf[e] >= '0' && pdf[e] <= '9') ++e;
    const qsizetype xref = pdf.mid(p, e - p).toLongLong();
    if (e == p || pdf.mid(xref, 4) != "xref") return pdf;
    for (const Edit& edit : edits)
        if (edit.end > xref) return pdf;  // the maps come before the table in a file this code understands

    QByteArray out;
    qsizetype at = 0;
    for (const Edit& edit : edits) {
        out += pdf.mid(at, edit.start - at);
        out += edit.bytes;
        at = edit.end;
    }
    out += pdf.mid(at, xref - at);
    // The table: subsection headers "first count", then 20-byte entries.
    qsizetype q = xref + 4;
    QByteArray table = "xref";
    while (true) {
        const qsizetype lineStart = SkipSpace(pdf, q);
        table += pdf.mid(q, lineStart - q);
        q = lineStart;
        if (pdf.mid(q, 7) == "trailer") break;
        const qsizetype lineEnd = pdf.indexOf('\n', q);
        if (lineEnd < 0) return pdf;
        const QList<QByteArray> header = pdf.mid(q, lineEnd - q).trimmed().split(' ');
        if (header.size() != 2) return pdf;
        const int count = header[1].toInt();
        table += pdf.mid(q, lineEnd + 1 - q);
        q = lineEnd + 1;
        for (int i = 0; i < count; ++i) {
            if (q + 20 > pdf.size()) return pdf;
            QByteArray entry = pdf.mid(q, 20);
            if (entry[17] == 'n') {
                const qsizetype offset = entry.left(10).toLongLong();
                entry.replace(0, 10, QByteArray::number(moved(offset)).rightJustified(10, '0'));
            }
            table += entry;
            q += 20;
        }
    }
    const qsizetype newXref = out.size();
    out += table;
    out += pdf.mid(q, startxref - q);
    out += "startxref\n" + QByteArray::number(newXref) + " \n%%EOF\n";
    return out;
}

}  // namespace pages
