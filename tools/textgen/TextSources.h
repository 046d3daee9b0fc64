// The reading texts as their source tables hold them (tools/dbdata/bazi1.tsv …
// bazi6.tsv): every text with its file, line, section and key, for the checks,
// the measurement and the tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "KeyFacts.h"

namespace textgen {

// The sections of a reading, by the source table that holds their texts.
enum class Section { BoneWeight, DayHour, Year, Month, Day, Hour };

struct SourceText {
    std::string file;  // "bazi2.tsv"
    int line = 0;      // from 1, the header being line 1
    Section section = Section::BoneWeight;
    std::vector<std::string> key;  // every column but the text
    std::string text;
};

// The source tables, in reading order, with their key columns and section.
struct SourceTable {
    const char* file;
    Section section;
    std::vector<std::string> header;
};
const std::vector<SourceTable>& SourceTables();

// Every text of the six tables in dir, table by table in file order. Throws
// std::runtime_error (naming file and line) for a table that cannot be read or
// whose header is not its columns.
std::vector<SourceText> LoadTexts(const std::filesystem::path& dir);

// Stem or branch index of a one-character UTF-8 name; -1 for anything else.
int StemOfName(const std::string& name);
int BranchOfName(const std::string& name);
// Sexagenary index of a pillar name ("甲子"); -1 for anything else.
int PillarOfName(const std::string& name);

// True for a bazi2 row keyed by a day stem alone, or by a whole day pillar.
bool IsStemKey(const SourceText& t);
bool IsPillarKey(const SourceText& t);
// The facts of a bazi2 row's key (a day stem or a day pillar, and an hour pillar);
// only for a row that IsStemKey or IsPillarKey.
KeyFacts FactsOfRow(const SourceText& t);

}  // namespace textgen
