// The calendar layer's civil time, solar terms and 子 hour schools under the
// chart engine's names: the chart, its faces and its tests speak of
// chart::DateTime, chart::TermName and chart::ZiHour, and there is one home of
// each, in calendar/.
#pragma once

#include "CivilTime.h"
#include "FourPillars.h"
#include "SolarTerms.h"

namespace chart {

using calendar::AddCalendar;
using calendar::DateTime;
using calendar::FormatDate;
using calendar::FormatMinutes;
using calendar::FormatSeconds;
using calendar::FromSeconds;
using calendar::kSecondsPerDay;
using calendar::kSecondsPerHour;
using calendar::kSecondsPerMinute;
using calendar::ToSeconds;

using calendar::IsSectionTerm;
using calendar::kFirstTermYear;
using calendar::kLastTermYear;
using calendar::kTermsPerYear;
using calendar::SectionTermAfter;
using calendar::SectionTermAtOrBefore;
using calendar::TermAt;
using calendar::TermLongitude;
using calendar::TermMoment;
using calendar::TermName;

using calendar::ZiHour;

}  // namespace chart
