// The analysis pages' geometry, in sheet units (SheetLayout.h): the first
// page opens with the title, the person and the pillars; the pages after it
// with a running head. The sections run down the pages line by line: every
// kind of line of the outline (analysis/AnalysisText.h) has its type size,
// line height, indent and the space above it here.
#pragma once

#include "app/pages/SheetLayout.h"

namespace pages::analysislayout {

using namespace pages::sheet;

// Page 1: the title and its rule (SheetLayout.h), then two lines.
inline constexpr double kPersonTop = 86.0;
inline constexpr double kPersonHeight = 26.0;
inline constexpr double kBirthTop = kPersonTop + kPersonHeight + 2;  // 114
inline constexpr double kBirthHeight = 22.0;
inline constexpr double kBirthSize = 15.0;                                       // the birth and the pillars
inline constexpr double kFirstBodyTop = kBirthTop + kBirthHeight + kSectionGap;  // 148

// Later pages: a running head over a rule, then the body.
inline constexpr double kRunningHeadTop = kTitleTop;  // 30
inline constexpr double kRunningHeadHeight = 20.0;
inline constexpr double kRunningRuleY = kRunningHeadTop + kRunningHeadHeight + 4;  // 54
inline constexpr double kLaterBodyTop = kRunningRuleY + kSectionGap;               // 66

// A section's title: the title in the headings' red, its verdict after it.
inline constexpr double kSectionLineHeight = 28.0;
inline constexpr double kSectionSpace = 18.0;  // above a section's title, except at a page's top
inline constexpr double kVerdictGap = 14.0;    // between the title and its verdict
inline constexpr double kVerdictSize = 15.0;

// The method: small, in the quiet colour.
inline constexpr double kMethodSize = 12.5, kMethodLineHeight = 19.0;

// Evidence: a bullet, the text hanging after it.
inline constexpr double kEvidenceSize = 13.5, kEvidenceLineHeight = 20.0;
inline constexpr double kEvidenceIndent = 12.0;
inline constexpr double kItemEvidenceIndent = 28.0;

// Paragraphs: the texts, the largest type of the body.
inline constexpr double kParagraphSize = 14.5, kParagraphLineHeight = 23.0;
inline constexpr double kParagraphSpace = 4.0;
inline constexpr double kItemParagraphSize = 14.0, kItemParagraphLineHeight = 22.0;
inline constexpr double kItemParagraphIndent = 16.0;

// Items: a luck pillar, a year, a sentence of the summary, a star.
inline constexpr double kItemSize = 15.0, kItemLineHeight = 24.0;
inline constexpr double kItemSpace = 8.0;

// The strength's three score parts as bars under its method.
inline constexpr double kScoreRowHeight = 22.0;
inline constexpr double kScoreLabelWidth = 48.0;
inline constexpr double kScoreBarWidth = 300.0;
inline constexpr double kScoreBarHeight = 10.0;
inline constexpr double kScoreValueGap = 10.0;
inline constexpr double kScoreSpace = 4.0;

static_assert(kFirstBodyTop == 148.0 && kLaterBodyTop == 66.0, "where the sections begin");
static_assert(kScoreLabelWidth + kScoreBarWidth + kScoreValueGap < kContentWidth,
              "a score row fits the content");

}  // namespace pages::analysislayout
