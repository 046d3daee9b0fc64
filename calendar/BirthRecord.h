// BirthRecord: the birth data of one reading, filled by the main form and
// read by the reading composer. Field widths and order are fixed.
#pragma once

#include <cstddef>
#include <cstdint>

// CalendarKind values.
inline constexpr std::int32_t kGregorianCalendar = 0;
inline constexpr std::int32_t kLunarCalendar = 1;

// The most bytes of GBK text a name may have: the form's name box, the
// terminal tools and the record all keep to it.
inline constexpr std::size_t kNameMaxBytes = 10;

struct BirthRecord {
    char name[12];              // GBK, zero-padded; at most kNameMaxBytes bytes of text
    std::int32_t sex;           // 0 = male ("男"), 1 = female ("女")
    std::int32_t CalendarKind;  // kGregorianCalendar or kLunarCalendar
    std::int32_t year;
    std::int32_t month;  // 1-12
    std::int32_t day;    // 1-31
    std::int32_t hour;   // clock hour 0-23
    std::uint8_t leap;   // 1 = the lunar month is the leap month; lunar input only
};

static_assert(sizeof(BirthRecord::name) > kNameMaxBytes, "a name and its terminating zero fit the record");
