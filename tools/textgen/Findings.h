// The whole check of the reading texts (karvuto-textgen check): every rule of
// TextChecks and ClaimBinding over every text of the six tables, each problem
// a finding with its file, line and kind.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ClaimBinding.h"
#include "TextSources.h"

namespace textgen {

// What a finding is about, in the order the summary lists them.
enum class Kind {
    Form,         // encoding, one line, 60–300 characters, one text per key, no repeated text
    Fact,         // a claim that does not hold for its key or its object
    Strength,     // a strength verdict in any words
    Transform,    // a 合 taken as transformed without its condition
    WholeChart,   // a claim about the whole chart
    Season,       // 当令 or 调候
    Jargon,       // office vocabulary
    Design,       // a remark on the text itself
    Promise,      // dated, longevity, fated or absolute promises
    Partner,      // a partner or one sex
    Harm,         // death, illness, disaster, loss
    Directive,    // property or investment directives
    Doctrine,     // a relation the theory does not hold
    Spelling,     // a variant spelling
    Temperament,  // a descriptor out of its section, or both ends of a scale
    Repeat,       // a sentence that stands in more than kMaxTexts texts
    Overlap,      // a pillar+hour text restating its stem+hour text
};
constexpr int kKinds = static_cast<int>(Kind::Overlap) + 1;
std::string_view KindName(Kind k);

struct Finding {
    Kind kind;
    const SourceText* text;
    std::string message;
    bool pending = false;  // an overlap of a day stem whose pillar texts await their rewrite
};

struct CheckOptions {
    int stem = -1;               // only the bazi2 rows of this day stem (0–9); -1 for every text
    std::set<int> pendingStems;  // day stems whose pillar+hour texts are still to be rewritten
};

// What a text's key lets it name: the day master and its branches, the stems in
// stem positions and the pillars whose 纳音 it may give.
ClaimScope ScopeOf(const SourceText& t);

// A sentence may stand in this many texts of all the tables, key words masked.
constexpr std::size_t kMaxTexts = 3;

// Every finding over texts (all six tables, as LoadTexts gives them), in file
// order; texts must outlive the findings.
std::vector<Finding> CheckTexts(const std::vector<SourceText>& texts, const CheckOptions& options);

// The findings as the command prints them: one line each, then the count by kind.
std::string FindingsReport(const std::vector<Finding>& findings);
// For the pillar+hour rows: how many rows of each day stem have a finding of each kind.
std::string PillarRowsByStem(const std::vector<Finding>& findings);

}  // namespace textgen
