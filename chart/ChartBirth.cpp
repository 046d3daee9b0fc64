// A reading request as a chart's birth.
#include "ChartBirth.h"

namespace chart {

BirthMoment BirthOfReading(const BirthRecord& record, const SYSTEMTIME& solar, int minute) {
    return {solar.wYear, solar.wMonth, solar.wDay,
            record.hour, minute,       record.sex == 0 ? Sex::Male : Sex::Female};
}

}  // namespace chart
