// The sheet every page of the chart and the analysis is laid out on: A4's
// proportions in units of its own (kSheetWidth wide), scaled to whatever
// rectangle a page is painted in. Type sizes are pixel sizes on the sheet.
#pragma once

namespace pages::sheet {

inline constexpr double kSheetWidth = 800.0;
inline constexpr double kSheetHeight = 1131.0;  // 800 · 297 / 210, rounded down
inline constexpr double kMargin = 40.0;
inline constexpr double kContentWidth = kSheetWidth - 2 * kMargin;  // 720
inline constexpr double kContentRight = kSheetWidth - kMargin;      // 760

// The title, centred over a short rule.
inline constexpr double kTitleTop = 30.0;
inline constexpr double kTitleHeight = 40.0;
inline constexpr double kTitleRuleWidth = 200.0;
inline constexpr double kTitleRuleLeft = (kSheetWidth - kTitleRuleWidth) / 2;  // 300
inline constexpr double kTitleRuleY = kTitleTop + kTitleHeight + 4;            // 74

// A section heading: its text, then a rule to the right edge.
inline constexpr double kHeadingHeight = 24.0;
inline constexpr double kHeadingRuleGap = 8.0;   // between a heading's text and its rule
inline constexpr double kSectionBodyTop = 28.0;  // a section's body below its heading's top
inline constexpr double kSectionGap = 12.0;      // between one section's body and the next heading

// The footer, kMargin above the sheet's foot: the program's line centred,
// the page's number at the right.
inline constexpr double kFooterTop = kSheetHeight - kMargin;  // 1091
inline constexpr double kFooterHeight = 20.0;
inline constexpr double kBodyBottom = kFooterTop - kSectionGap;  // 1079: nothing is set below

// Type sizes and pens every page shares.
inline constexpr double kTitleSize = 30, kPersonSize = 19, kHeadingSize = 17, kSmallSize = 13,
                        kFooterSize = 12;
inline constexpr double kRulePen = 0.8, kFramePen = 1.6, kTitleRulePen = 1.2, kCurrentPen = 2.0;

static_assert(kContentWidth == 720.0 && kFooterTop == 1091.0, "the sheet's content and footer");

}  // namespace pages::sheet
