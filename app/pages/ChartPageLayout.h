// The chart pages' geometry, in sheet units (SheetLayout.h). Page 1 holds the
// natal chart: the person, the pillar grid, the relations, the elements with
// the facts beside them, and the notes at the foot. Page 2 holds the luck:
// the luck pillars, the 小运 before them and the ten years of every luck
// pillar. Facts and notes that page 1 cannot hold continue under page 2's
// years, then on further pages. Every number is named here with the formula
// that gives it.
#pragma once

#include <array>

#include "app/pages/SheetLayout.h"

namespace pages::chartlayout {

using namespace pages::sheet;

inline constexpr double kHalfWidth = kContentWidth / 2;       // 360: the lunar line's column
inline constexpr double kRightColumn = kMargin + kHalfWidth;  // 400

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

// The relations: their items wrapped under the heading, as many lines as they take.
inline constexpr double kRelationsTextTop = 26.0;
inline constexpr double kRelationsLineHeight = 20.0;
inline constexpr double kRelationsGap = 4.0;  // four blanks between two items

// The elements: five bars at the left, the facts at the right.
inline constexpr double kElementsWidth = 330.0;
inline constexpr double kElementsHeight = 140.0;                                     // five rows of 28
inline constexpr double kElementsLegendTop = kSectionBodyTop + kElementsHeight + 2;  // 170
inline constexpr double kElementsLegendHeight = 20.0;
inline constexpr double kElementLabelWidth = 30.0;
inline constexpr double kElementValueWidth = 90.0;  // "5 / 4.0" after the bars
inline constexpr double kElementBarMaximum = 8.0;   // eight characters at most
inline constexpr double kWeightedBarTop = 0.18, kCountBarTop = 0.52, kBarHeight = 0.3;  // of a row
inline constexpr double kFactsWidth = kContentRight - kRightColumn;                     // 360
inline constexpr double kFactsHeight = kElementsLegendTop + kElementsLegendHeight - kSectionBodyTop;  // 162
inline constexpr double kElementsSection = kElementsLegendTop + kElementsLegendHeight;  // 190

// Facts and notes flow in lines of kEntryLineHeight; on page 1 they stand at
// the foot, under a short rule kNotesRuleGap above their first line.
inline constexpr double kEntryLineHeight = 19.0;
inline constexpr double kNotesRuleWidth = 160.0;
inline constexpr double kNotesRuleGap = 8.0;

// Page 2: the title, the person and the dates as on page 1, then the luck.
inline constexpr double kLuckPageTop = kDatesTop + kDatesHeight + kSectionGap;  // 148

// The luck pillars: ten cells in a strip.
inline constexpr double kLuckLineLeft = 120.0;
inline constexpr double kLuckLineWidth = kContentRight - kLuckLineLeft;  // 640
inline constexpr double kLuckRuleGap = 10.0;  // between the heading's rule and the luck line
inline constexpr int kStripCells = 10;
inline constexpr double kCellWidth = kContentWidth / kStripCells;  // 72
inline constexpr double kLuckCellHeight = 112.0;
inline constexpr double kLuckSection = kSectionBodyTop + kLuckCellHeight + kSectionGap;  // 152
inline constexpr double kCellTextTop = 4.0;  // a cell's first line of small text
inline constexpr double kCellTextHeight = 20.0;
inline constexpr double kLuckYearTop = 22.0;  // the luck cell's year, under its age
inline constexpr double kLuckPillarTop = 48.0;
inline constexpr double kLuckPillarHeight = 32.0;
inline constexpr double kLuckGodTop = 88.0;

// 小运: a cell a year (year, age, pillar), at least kStripCells to the strip's width.
inline constexpr double kXiaoYunCellHeight = 74.0;
inline constexpr double kXiaoYunAgeTop = 22.0;
inline constexpr double kXiaoYunPillarTop = 44.0;
inline constexpr double kXiaoYunPillarHeight = 26.0;
inline constexpr double kXiaoYunSection = kSectionBodyTop + kXiaoYunCellHeight + kSectionGap;  // 114

// The years: a row a luck pillar, its label then its ten years.
inline constexpr double kYearLabelWidth = 80.0;
inline constexpr double kYearCellWidth = (kContentWidth - kYearLabelWidth) / kStripCells;  // 64
inline constexpr double kYearRowHeight = 46.0;
inline constexpr double kYearTextTop = 3.0;
inline constexpr double kYearPillarTop = 20.0;
inline constexpr double kYearPillarHeight = 22.0;
inline constexpr double kYearPillarInset = 6.0;

// Type sizes.
inline constexpr double kDateSize = 15, kGridLabelSize = 16, kGridTextSize = 16, kTenGodSize = 17;
inline constexpr double kCharacterSize = 44, kHiddenStemSize = 18, kHiddenGodSize = 15;
inline constexpr double kRelationsSize = 14, kElementLabelSize = 17, kElementValueSize = 14;
inline constexpr double kLuckTextSize = 14, kLuckPillarSize = 24, kYearPillarSize = 17;

static_assert(kGridColumnWidth == 156.0 && kCellWidth == 72.0 && kYearCellWidth == 64.0,
              "the grid and the strips fill the content width");
static_assert(kLuckPageTop + kLuckSection + kXiaoYunSection + kSectionBodyTop + 10 * kYearRowHeight <
                  kBodyBottom,
              "page 2 holds the luck, 小运 and ten rows of years");

}  // namespace pages::chartlayout
