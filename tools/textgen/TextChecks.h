// What the reading texts may and may not say, as checks over one text or a set
// of texts. The generator's tests run them over every source table; each check
// returns the problems it finds as readable lines, empty when the text is sound.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "KeyFacts.h"

namespace textgen {

// The sections of a reading, by the source table that holds their texts.
enum class Section { BoneWeight, DayHour, Year, Month, Day, Hour };

// Words no text may contain: death, grave illness, disaster, divorce or
// childlessness, fatalism and absolute promises, and anything tied to one sex.
const std::vector<std::string>& ForbiddenWords();

// Theory claims a day-and-hour text makes that are not facts of its key: a ten
// god, growth stage, 纳音 or relation named (even to deny it) that the key does
// not have, and any overall verdict on the day master's strength.
std::vector<std::string> FalseClaims(const KeyFacts& key, const std::string& text);

// Descriptors of temperament and of a life's course come in opposite pairs;
// temperament belongs to the lunar-day texts and the course of a life to the
// bone-weight texts. Reports a descriptor in another section, or both words of
// a pair in one text.
struct OppositePair {
    const char* first;
    const char* second;
    bool course;  // of a life's course (安稳/波折) rather than of temperament
};
const std::vector<OppositePair>& OppositePairs();
std::vector<std::string> MisplacedDescriptors(Section section, const std::string& text);

// Section rules that follow from the keys: the year texts name no zodiac animal
// outside "以立春分年，属X" (the year pillar turns at 立春, the header's animal at
// the lunar new year), and the month texts name no branch month (a lunar month
// straddles two solar months).
std::vector<std::string> KeyMismatches(Section section, const std::string& key, const std::string& text);

// The sentences of a text (split at 。！？；) with key words masked as "X": stems,
// branches, elements, ten gods, growth stages and 纳音 names, so that two
// sentences that differ only in those count as one.
std::vector<std::u32string> MaskedSentences(const std::string& text);
std::u32string CodePoints(const std::string& utf8);

// How often sentences of at least kMinSentence characters recur across a set of
// texts: each masked sentence with the texts it stands in.
constexpr std::size_t kMinSentence = 8;
std::map<std::u32string, std::vector<int>> SentenceIndex(const std::vector<std::string>& texts);

}  // namespace textgen
