// The birth a chart is cast for when it follows a reading: the one place the
// reading's request becomes a chart's birth, for the chart window and
// karvuto-read alike.
#pragma once

#include "BirthRecord.h"
#include "Chart.h"
#include "SystemTime.h"

namespace chart {

// The chart birth of a reading request: the Gregorian date the reading has
// for it (`solar`, a lunar request already converted), the record's clock
// hour and sex, and the minute of the birth (the report knows none).
BirthMoment BirthOfReading(const BirthRecord& record, const SYSTEMTIME& solar, int minute);

}  // namespace chart
