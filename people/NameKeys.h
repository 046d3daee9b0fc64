// Keys derived from a name for searching and sorting, computed when a person
// is written and stored beside it.
//
// Pinyin initials and the name order use one cheap fact: the 3,755 level-1
// hanzi of GB2312 (GBK codes B0A1 to D7F9) are in pinyin order, so a
// character's GBK code tells its initial, and comparing GBK codes compares
// pinyin. The limits of the trick:
//   - a level-2 hanzi (D8A1 to F7FE, in radical order) or one only GBK's
//     extension has gets no initial and sorts after, or before, the level-1
//     hanzi by its code, not by its sound;
//   - a character with several readings gets the one GB2312 files it under,
//     which for some surnames is not theirs: 单 as dan (the surname is shan),
//     仇 as chou (qiu), 朴 as pu (piao);
//   - a character GBK lacks gets no initial and sorts after every GBK one.
#pragma once

#include <string>
#include <string_view>

namespace people {

// The pinyin initials of a UTF-8 name, lower case: one letter for each
// level-1 hanzi, ASCII letters lowered and digits kept as they are, every
// other character skipped. "张三" -> "zs", "Li 小龙" -> "lixl".
std::string PinyinInitials(std::string_view utf8);

// A byte string whose byte order is the name order: each character as its
// GBK code (ASCII letters lowered, so case does not count), a character GBK
// lacks as 0xFF followed by its UTF-8 bytes.
std::string NameSortKey(std::string_view utf8);

// `utf8` with the ASCII letters lowered: the case folding that search uses.
std::string FoldCase(std::string_view utf8);

}  // namespace people
