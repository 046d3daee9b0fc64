// The chart window's face of the analysis (命局分析): the model laid out as
// rich text for a text browser, section by section in the model's order, each
// with its method line, its evidence and its paragraph; and one year's
// judgement (流年) alone, for the years the window's panel shows.
#pragma once

#include <QString>

#include "Analysis.h"

namespace chartwnd {

// The whole analysis; every text of the model is escaped.
QString AnalysisHtml(const analysis::Analysis& a);

// One luck pillar's or one year's judgement: its heading (pillar, year, age,
// verdict), the stance of its stem and branch, the evidence and the text.
QString FortuneHtml(const analysis::FortuneFinding& f);

}  // namespace chartwnd
