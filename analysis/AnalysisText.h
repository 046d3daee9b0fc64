// The analysis as lines of text, made once for every face that sets it as
// text: the outline (each line with its kind, UTF-8) that the terminal and
// the pages lay out, and the terminal's plain lines made from it.
#pragma once

#include <string>
#include <vector>

#include "Analysis.h"

namespace analysis {

// What a line of the outline is, in the order a section gives them.
enum class LineKind {
    Title,          // "命局分析  甲寅 丙子 丁未 丙午"
    Section,        // a section's title, "一、日主旺衰", with its verdict as the detail
    Method,         // "方法：…"
    Evidence,       // a fact the section was decided on
    Paragraph,      // the section's text; a sentence of the summary
    Item,           // a luck pillar, a year, a star
    ItemEvidence,   // a fact an item was judged on
    ItemParagraph,  // an item's text
};

struct OutlineLine {
    LineKind kind = LineKind::Paragraph;
    std::string text;
    std::string detail;      // a Section's verdict ("62分  偏强（得令…）"); "" elsewhere
    bool secondary = false;  // the auxiliary stars (神煞), shown as secondary
};

// Every text of the analysis in reading order: the title, then each section's
// title and verdict, method, evidence and paragraph, and its items. A chart
// known only by its pillars has sections 1-4 and the stars (numbered 五).
// No text holds a line break.
std::vector<OutlineLine> AnalysisOutline(const Analysis& a);

// The outline for a terminal: a section's title and verdict on one line,
// methods, evidence and paragraphs indented under it, items further in.
std::vector<std::string> AnalysisLines(const Analysis& a);

}  // namespace analysis
