// The words and the date text of a person's stored and exchanged forms.
#include "Person.h"

#include <cstdio>

namespace people {
namespace {

constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kMaxMonthDayDigits = 2;

// A number of `minDigits` to `maxDigits` decimal digits, no sign.
std::optional<int> Digits(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string_view SexKey(Sex sex) {
    return sex == Sex::Male ? "male" : "female";
}

std::optional<Sex> ParseSex(std::string_view key) {
    if (key == "male") return Sex::Male;
    if (key == "female") return Sex::Female;
    return std::nullopt;
}

std::string_view CalendarKey(CalendarKind calendar) {
    return calendar == CalendarKind::Solar ? "solar" : "lunar";
}

std::optional<CalendarKind> ParseCalendar(std::string_view key) {
    if (key == "solar") return CalendarKind::Solar;
    if (key == "lunar") return CalendarKind::Lunar;
    return std::nullopt;
}

std::string DateText(const Person& p) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

bool ParseDateText(std::string_view text, Person& p) {
    const auto first = text.find('-');
    if (first == std::string_view::npos) return false;
    const auto second = text.find('-', first + 1);
    if (second == std::string_view::npos) return false;
    const auto year = Digits(text.substr(0, first), kYearDigits, kYearDigits);
    const auto month = Digits(text.substr(first + 1, second - first - 1), 1, kMaxMonthDayDigits);
    const auto day = Digits(text.substr(second + 1), 1, kMaxMonthDayDigits);
    if (!year || !month || !day) return false;
    p.year = *year;
    p.month = *month;
    p.day = *day;
    return true;
}

}  // namespace people
