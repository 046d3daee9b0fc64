// From a stored person to the birth record of a reading.
#include "PersonBirth.h"

#include <algorithm>

namespace people {

PersonBirth ToBirth(const Person& p) {
    PersonBirth b;
    b.reportName = MakeReportName(p.name);
    std::copy(b.reportName.gbk.begin(), b.reportName.gbk.end(), b.birth.name);
    b.birth.sex = p.sex == Sex::Male ? 0 : 1;
    b.birth.CalendarKind = p.calendar == CalendarKind::Solar ? kGregorianCalendar : kLunarCalendar;
    b.birth.year = p.year;
    b.birth.month = p.month;
    b.birth.day = p.day;
    b.birth.hour = p.hour;
    b.birth.leap = p.leap ? 1 : 0;
    b.nameUtf8 = p.name;
    b.minute = p.minute;
    b.conventions.zi = p.zi;
    if (p.trueSolarTime) b.conventions.longitude = p.longitude;
    b.conventions.dstCorrect = p.dstCorrect;
    return b;
}

}  // namespace people
