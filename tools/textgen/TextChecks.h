// What the reading texts may and may not say, as checks over one text or a set
// of texts. Each check returns the problems it finds as readable lines, empty
// when the text is sound; the word lists they use are in WordLists.h.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "KeyFacts.h"
#include "TextSources.h"
#include "WordLists.h"

namespace textgen {

// Theory claims a day-and-hour text makes that are not facts of its key: a ten
// god, growth stage, 纳音 or relation named (even to deny it) that the key does
// not have.
std::vector<std::string> FalseClaims(const KeyFacts& key, const std::string& text);

// The listed words a text uses, each with its concern.
struct ListedWord {
    Concern concern;
    std::string_view what;  // the list's description
    std::string_view word;
};
std::vector<ListedWord> ListedWords(std::string_view text);

// The sentences that take a 合 as transformed (合化, 化土 …) without stating the
// condition under which it would be ("若月令助之方可论化").
std::vector<std::string> UnconditionalTransforms(std::string_view text);

// The ages and spans a text ties a prediction to ("三十六岁前后", "过了四十", "十年之后").
std::vector<std::string> DatedPromises(std::string_view text);

// Descriptors of temperament belong to the lunar-day texts and those of a
// life's course to the bone-weight texts. Reports a descriptor in another
// section, or both ends of one scale in one text.
std::vector<std::string> MisplacedDescriptors(Section section, const std::string& text);
// True when texts (the sections of one reading) use both ends of one
// descriptor scale in two different texts.
bool DescriptorsClash(const std::vector<std::string>& texts);

// Section rules that follow from the keys: the year texts name no zodiac animal
// outside "以立春分年，属X" (the year pillar turns at 立春, the header's animal at
// the lunar new year), and the month texts name no branch month (a lunar month
// straddles two solar months).
std::vector<std::string> KeyMismatches(Section section, const std::string& text);

// The sentences of a text (split at 。！？；) with key words masked as "X": stems,
// branches, elements, ten gods, growth stages and 纳音 names, so that two
// sentences that differ only in those count as one.
std::vector<std::u32string> MaskedSentences(const std::string& text);

// How often sentences of at least kMinSentence characters recur across a set of
// texts: each masked sentence with the texts it stands in.
constexpr std::size_t kMinSentence = 8;
std::map<std::u32string, std::vector<int>> SentenceIndex(const std::vector<std::string>& texts);

}  // namespace textgen
