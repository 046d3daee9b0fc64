// The words the reading texts may not use, one list per concern, and the
// descriptor scales whose two ends must not meet in one reading. Every check,
// test and measurement of the texts takes its words from here and nowhere else.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace textgen {

// What a word list guards against.
enum class Concern {
    Harm,          // death, grave illness, disaster, lawsuits, losses, divorce
    Sex,           // a text written for one sex (the tables are shown to both)
    Partner,       // a partner read from the chart: 财 as wife, 官 as husband
    Strength,      // a verdict on the strength of the day master, a ten god or an element
    WholeChart,    // a claim about the whole chart, which two pillars cannot see
    Season,        // 当令 and 调候: the month pillar's business, read in the analysis
    Jargon,        // office vocabulary, out of the tables' plain classical register
    DesignRemark,  // a remark on the text itself, on its key or on the set of texts
    Longevity,     // a promise of long life
    Fated,         // fatalism and absolute promises
    Directive,     // property and investment directives
    Doctrine,      // a relation the theory does not hold (比肩护财, 印多则财弱)
    Spelling,      // a variant spelling where the project uses one name everywhere
};

struct WordList {
    Concern concern;
    std::string_view what;  // for messages: "a strength verdict"
    std::span<const std::string_view> words;
};
// Every word list, one per concern.
const std::vector<WordList>& WordLists();

// Words that state a 合 transformed (合化, 化土 …) and words that make such a
// statement conditional ("若月令助之方可论化"); a sentence with the first and
// without the second takes a 合 as transformed.
std::span<const std::string_view> TransformWords();
std::span<const std::string_view> ConditionWords();

// A scale of descriptors whose two ends contradict each other: temperament,
// which only the lunar-day texts describe, or the course of a life and the
// family one is born into, which only the bone-weight texts tell.
struct DescriptorScale {
    std::span<const std::string_view> one;
    std::span<const std::string_view> other;
    bool course;  // of a life's course or family rather than of temperament
};
const std::vector<DescriptorScale>& DescriptorScales();

}  // namespace textgen
