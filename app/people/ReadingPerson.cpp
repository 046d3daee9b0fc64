// Between a reading and a saved person.
#include "app/people/ReadingPerson.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "GbkCodec.h"
#include "PersonBirth.h"
#include "ReportName.h"

namespace peopleui {
namespace {

// The request's name: its bytes up to the terminating zero, never more than
// the record admits nor half a character.
std::string_view RequestName(const BirthRecord& request) {
    const std::string_view stored(request.name, ::strnlen(request.name, sizeof request.name));
    return stored.substr(0, platform::GbkPrefixLength(stored, kNameMaxBytes));
}

}  // namespace

BirthDetails DetailsOf(const people::Person& person) {
    const people::PersonBirth birth = people::ToBirth(person);
    return {.minute = person.minute,
            .place = person.place,
            .longitude = person.longitude,
            .conventions = birth.conventions};
}

BirthDetails DetailsOfChart(const chart::Chart& chart, const std::string& place) {
    return {.minute = chart.birth.minute,
            .place = chart.conventions.longitude ? place : std::string(),
            .longitude = chart.conventions.longitude,
            .conventions = chart.conventions};
}

people::Person PersonOfReading(const BirthRecord& request, const std::string& nameUtf8,
                               const BirthDetails& details, people::Person base) {
    people::Person& p = base;
    p.name = nameUtf8;
    p.sex = request.sex == 0 ? people::Sex::Male : people::Sex::Female;
    p.calendar =
        request.CalendarKind == kLunarCalendar ? people::CalendarKind::Lunar : people::CalendarKind::Solar;
    p.year = request.year;
    p.month = request.month;
    p.day = request.day;
    p.leap = p.calendar == people::CalendarKind::Lunar && request.leap != 0;
    p.hour = request.hour;
    p.minute = details.minute;
    p.zi = details.conventions.zi;
    p.dstCorrect = details.conventions.dstCorrect;
    p.trueSolarTime = details.conventions.longitude.has_value();
    if (p.trueSolarTime) {
        p.place = details.place;
        p.longitude = details.conventions.longitude;
    } else if (!details.place.empty() || details.longitude) {
        p.place = details.place;
        p.longitude = details.longitude;
    }
    return p;
}

std::string BirthText(const people::Person& p) {
    char text[64];
    if (p.calendar == people::CalendarKind::Solar) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", p.year, p.month, p.day, p.hour,
                      p.minute);
    } else {
        std::snprintf(text, sizeof text, "阴历 %04d-%s%02d-%02d %02d:%02d", p.year, p.leap ? "闰" : "",
                      p.month, p.day, p.hour, p.minute);
    }
    return text;
}

bool RequestNames(const BirthRecord& request, const people::Person& linked) {
    return people::MakeReportName(linked.name).gbk == RequestName(request);
}

std::string NameOfRequest(const BirthRecord& request, const people::Person* linked) {
    if (linked && RequestNames(request, *linked)) return linked->name;
    // The form's name box admits only GBK text, so the name converts.
    return platform::GbkToUtf8(RequestName(request)).value_or(std::string());
}

}  // namespace peopleui
