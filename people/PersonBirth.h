// A saved person as the birth a reading and a chart take:
//   const people::PersonBirth b = people::ToBirth(*store.Get(id));
#pragma once

#include <string>

#include "BirthRecord.h"
#include "Conventions.h"
#include "Person.h"
#include "ReportName.h"

namespace people {

struct PersonBirth {
    BirthRecord birth{};    // the report's GBK name (ReportName.h), sex, calendar, date, hour, leap
    ReportName reportName;  // the name as fitted, and what fitting it lost
    std::string nameUtf8;   // the stored name
    int minute = 0;
    chart::Conventions conventions;  // longitude set only when true solar time is on
};

PersonBirth ToBirth(const Person& p);

}  // namespace people
