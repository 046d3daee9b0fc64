// Reading Chinese text one character at a time: code points, the classes of
// characters the theory names (stems, branches, elements) and the clauses and
// sentences a claim stays inside.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Theory.h"

namespace textgen {

// The code points of a UTF-8 text; a byte that is not part of a valid sequence
// counts as U+FFFD.
std::u32string CodePoints(std::string_view utf8);
// The UTF-8 form of code points.
std::string Utf8Of(std::u32string_view text);

// Index of a stem (甲 … 癸, 0–9) or branch (子 … 亥, 0–11) character; -1 for any other.
int StemIndex(char32_t c);
int BranchIndex(char32_t c);
// True for 木 火 土 金 水, with the element in e.
bool IsElement(char32_t c, chart::Element& e);
bool IsElement(char32_t c);

// Sentence ends (。！？；) and clause ends (those and ，、：).
bool EndsSentence(char32_t c);
bool EndsClause(char32_t c);

// The sentences of a text, cut at the sentence ends, which are dropped.
std::vector<std::u32string> Sentences(std::u32string_view text);

// True when text contains part.
bool Has(std::string_view text, std::string_view part);
bool Has(std::u32string_view text, std::u32string_view part);

}  // namespace textgen
