// The chart page's geometry, in the units of its sheet (kSheetWidth wide; the
// page is scaled to whatever rectangle it is painted in). Every number is
// named here with the formula that gives it; sizes of type are pixel sizes
// on the sheet.
#pragma once

#include <array>

namespace pages::chartlayout {

// The sheet: A4's proportions, 800 units wide.
inline constexpr double kSheetWidth = 800.0;
inline constexpr double kSheetHeight = 1131.0;  // 800 · 297 / 210, rounded down
inline constexpr double kMargin = 40.0;
inline constexpr double kContentWidth = kSheetWidth - 2 * kMargin;  // 720
inline constexpr double kContentRight = kSheetWidth - kMargin;      // 760
inline constexpr double kHalfWidth = kContentWidth / 2;             // 360: the lunar line's column
inline constexpr double kRightColumn = kMargin + kHalfWidth;        // 400

// The title, centred over a short rule.
inline constexpr double kTitleTop = 30.0;
inline constexpr double kTitleHeight = 40.0;
inline constexpr double kTitleRuleWidth = 200.0;
inline constexpr double kTitleRuleLeft = (kSheetWidth - kTitleRuleWidth) / 2;  // 300
inline constexpr double kTitleRuleY = kTitleTop + kTitleHeight + 4;            // 74
// The person, the two dates, the conventions and the cast time, line by line.
inline constexpr double kPersonTop = 86.0;
inline constexpr double kPersonHeight = 26.0;
inline constexpr double kDatesTop = kPersonTop + kPersonHeight + 2;  // 114
inline constexpr double kDatesHeight = 22.0;
inline constexpr double kConventionsTop = kDatesTop + kDatesHeight + 2;  // 138
inline constexpr double kConventionsHeight = 22.0;
inline constexpr double kCastTop = kConventionsTop + kConventionsHeight - 2;  // 158: under the conventions
inline constexpr double kCastHeight = 20.0;

// The pillar grid: a label column and four pillar columns under a heading row.
inline constexpr double kGridTop = 184.0;
inline constexpr double kGridLabelWidth = 96.0;
inline constexpr double kGridColumnWidth = (kContentWidth - kGridLabelWidth) / 4;  // 156
inline constexpr double kGridHeadingHeight = 32.0;
// Row heights, in the order of chart::kGridRows: the stems and branches
// large, the hidden stems three lines of kHiddenLineHeight and a margin.
inline constexpr std::array<double, 8> kGridRowHeights = {30, 62, 62, 78, 30, 30, 30, 30};
inline constexpr double kHiddenLineHeight = 23.0;
inline constexpr double kHiddenSplitOffset = 14.0;  // the stem ends this far left of the cell's middle
inline constexpr double kHiddenGodGap = 6.0;        // and its ten god starts this far right of there

// The sections under the grid, each under a heading with a rule after it.
inline constexpr double kSectionGap = 12.0;  // between the grid and the first heading
inline constexpr double kHeadingHeight = 24.0;
inline constexpr double kHeadingRuleGap = 8.0;   // between a heading's text and its rule
inline constexpr double kSectionBodyTop = 28.0;  // a section's body below its heading's top
inline constexpr double kRelationsTextTop = 26.0;
inline constexpr double kRelationsTextHeight = 44.0;
inline constexpr double kRelationsSection = 74.0;  // heading, two lines of relations and a gap
// The elements: five bars at the left, the facts and notes at the right.
inline constexpr double kElementsWidth = 330.0;
inline constexpr double kElementsHeight = 140.0;                                     // five rows of 28
inline constexpr double kElementsLegendTop = kSectionBodyTop + kElementsHeight + 2;  // 170
inline constexpr double kElementsLegendHeight = 20.0;
inline constexpr double kElementLabelWidth = 30.0;
inline constexpr double kElementValueWidth = 90.0;  // "5 / 4.0" after the bars
inline constexpr double kElementBarMaximum = 8.0;   // eight characters at most
inline constexpr double kWeightedBarTop = 0.18, kCountBarTop = 0.52, kBarHeight = 0.3;  // of a row
inline constexpr double kFactsWidth = kContentRight - kRightColumn;                     // 360
inline constexpr double kFactsHeight = 170.0;
inline constexpr double kElementsSection = 206.0;  // heading, bars, legend and a gap
// The luck pillars: ten cells in a strip, then the ten years of one of them.
inline constexpr double kLuckLineLeft = 120.0;
inline constexpr double kLuckLineWidth = kContentRight - kLuckLineLeft;  // 640
inline constexpr double kLuckRuleGap = 10.0;  // between the heading's rule and the luck line
inline constexpr int kStripCells = 10;
inline constexpr double kCellWidth = kContentWidth / kStripCells;  // 72
inline constexpr double kLuckCellHeight = 112.0;
inline constexpr double kLuckSection = kSectionBodyTop + kLuckCellHeight + 6;  // 146
inline constexpr double kCellTextTop = 4.0;  // a cell's first line of small text
inline constexpr double kCellTextHeight = 20.0;
inline constexpr double kLuckYearTop = 22.0;  // the luck cell's year, under its age
inline constexpr double kLuckPillarTop = 48.0;
inline constexpr double kLuckPillarHeight = 32.0;
inline constexpr double kLuckGodTop = 88.0;
inline constexpr double kYearCellHeight = 56.0;
inline constexpr double kYearPillarTop = 26.0;
inline constexpr double kYearPillarHeight = 24.0;
inline constexpr double kYearPillarInset = 8.0;
// The footer, kMargin above the sheet's foot.
inline constexpr double kFooterTop = kSheetHeight - kMargin;
inline constexpr double kFooterHeight = 20.0;

// Type sizes.
inline constexpr double kTitleSize = 30, kPersonSize = 19, kDateSize = 15, kSmallSize = 13;
inline constexpr double kHeadingSize = 17, kGridLabelSize = 16, kGridTextSize = 16, kTenGodSize = 17;
inline constexpr double kCharacterSize = 44, kHiddenStemSize = 18, kHiddenGodSize = 15;
inline constexpr double kRelationsSize = 14, kElementLabelSize = 17, kElementValueSize = 14;
inline constexpr double kLuckTextSize = 14, kLuckPillarSize = 24, kYearPillarSize = 18, kFooterSize = 12;

// Pens.
inline constexpr double kRulePen = 0.8, kFramePen = 1.6, kTitleRulePen = 1.2, kCurrentPen = 2.0;

static_assert(kGridColumnWidth == 156.0 && kCellWidth == 72.0,
              "the grid and the strips fill the content width");

}  // namespace pages::chartlayout
