// 调候用神 as tabulated from 穷通宝鉴 (余春台 edition with 徐乐吾's notes,
// published as 造化元钥): ten rows, one per day stem 甲 … 癸; twelve cells,
// one per month in the book's order 寅 卯 辰 巳 午 未 申 酉 戌 亥 子 丑; each
// cell the stems named for that month, the principal first. Where editions
// differ in the order of the secondary stems the most common order is kept;
// the principal stems agree in all of them.
#include "Tiaohou.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Sexagenary.h"

namespace analysis {
namespace {

// One row a day stem, its twelve cells separated by single spaces.
// clang-format off
constexpr std::array<std::string_view, 10> kTiaohou = {
    // cells: 寅 卯 辰 巳 午 未 申 酉 戌 亥 子 丑
    "丙癸 庚丙丁戊己 庚丁壬 癸丁庚 癸庚丁 癸丁庚 庚丁壬 庚丁丙 庚甲丁壬癸 庚丁丙戊 丁庚丙 丁庚丙",  // 甲
    "丙癸 丙癸 癸丙戊 癸 癸丙 癸丙 丙癸己 癸丙丁 癸辛 丙戊 丙 丙",  // 乙
    "壬庚 壬己 壬甲 壬庚癸 壬庚 壬庚 壬戊 壬癸 甲壬 甲戊庚壬 壬戊己 壬甲",  // 丙
    "甲庚 庚甲 甲庚 甲庚 壬庚癸 甲壬庚 甲庚丙戊 甲庚丙戊 甲庚戊 甲庚 甲庚 甲庚",  // 丁
    "丙甲癸 丙甲癸 甲丙癸 甲丙癸 壬甲丙 癸丙甲 丙癸甲 丙癸 甲丙癸 甲丙 丙甲 丙甲",  // 戊
    "丙庚甲 甲癸丙 丙癸甲 癸丙 癸丙 癸丙 丙癸 丙癸 甲丙癸 丙甲戊 丙甲戊 丙甲戊",  // 己
    "戊甲壬丙丁 丁甲庚丙 甲丁壬癸 壬戊丙丁 壬癸 丁甲 丁甲 丁甲丙 甲壬 丁丙 丁甲丙 丙丁甲",  // 庚
    "己壬庚 壬甲 壬甲 壬甲癸 壬己癸 壬庚甲 壬甲戊 壬甲 壬甲 壬丙 丙戊壬甲 丙壬戊己",  // 辛
    "庚丙戊 戊辛庚 甲庚 壬辛庚癸 癸庚辛 辛甲 戊丁 甲庚 甲丙 戊丙庚 戊丙 丙丁甲",  // 壬
    "辛丙 庚辛 丙辛甲 辛 庚辛壬癸 庚辛壬癸 丁 辛丙 辛甲壬癸 庚辛戊丁 丙辛 丙丁",  // 癸
};
// clang-format on
constexpr int kMonths = 12;
constexpr std::size_t kMaxStems = 5;

constexpr std::size_t kCharBytes = 3;  // every stem is three bytes of UTF-8

// Cell `column` of a row: the text between the spaces (runs of spaces count as one).
constexpr std::string_view Cell(std::string_view row, int column) {
    std::size_t at = 0;
    for (int c = 0;; ++c) {
        while (at < row.size() && row[at] == ' ') ++at;
        const std::size_t end = std::min(row.find(' ', at), row.size());
        if (c == column) return row.substr(at, end - at);
        if (end == row.size()) return {};
        at = end;
    }
}

constexpr int StemAt(std::string_view cell, std::size_t i) {
    return calendar::StemIndex(cell.substr(i * kCharBytes, kCharBytes));
}

// Every row has exactly twelve cells, each one to five stems and nothing else.
constexpr bool EveryCellIsStems() {
    for (std::string_view row : kTiaohou) {
        if (!Cell(row, kMonths).empty()) return false;
        for (int m = 0; m < kMonths; ++m) {
            const std::string_view cell = Cell(row, m);
            if (cell.empty() || cell.size() % kCharBytes != 0 || cell.size() > kMaxStems * kCharBytes)
                return false;
            for (std::size_t i = 0; i < cell.size() / kCharBytes; ++i)
                if (StemAt(cell, i) < 0) return false;
        }
    }
    return true;
}
static_assert(EveryCellIsStems(), "each climate row is twelve cells of one to five stems");

}  // namespace

std::vector<int> TiaohouStems(int dayStem, int monthBranch) {
    // Column 0 is 寅 (branch 2).
    const std::string_view cell = Cell(kTiaohou[dayStem], (monthBranch + 10) % 12);
    std::vector<int> stems;
    for (std::size_t i = 0; i < cell.size() / kCharBytes; ++i) stems.push_back(StemAt(cell, i));
    return stems;
}

}  // namespace analysis
