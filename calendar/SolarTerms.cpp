// Lookups in the generated table of solar-term moments.
#include "SolarTerms.h"

#include <algorithm>

namespace calendar {
namespace {

#include "SolarTermTable.inc"

constexpr int kTableYears = kLastTermYear - kFirstTermYear + 1;
static_assert(std::size(kTermSeconds) == kTableYears);

// The table read as one sorted run of moments: entry i is term i % 24 of
// year 1900 + i / 24.
const std::int64_t* FirstMoment() {
    return &kTermSeconds[0][0];
}
constexpr int kMomentCount = kTableYears * kTermsPerYear;

TermAt AtIndex(int i) {
    return {kFirstTermYear + i / kTermsPerYear, i % kTermsPerYear, FirstMoment()[i]};
}

}  // namespace

std::optional<std::int64_t> TermMoment(int year, int term) {
    if (year < kFirstTermYear || year > kLastTermYear || term < 0 || term >= kTermsPerYear)
        return std::nullopt;
    return kTermSeconds[year - kFirstTermYear][term];
}

std::int64_t SectionMoment(int year, int month) noexcept {
    return kTermSeconds[year - kFirstTermYear][2 * (month - 1)];
}

std::optional<TermAt> SectionTermAtOrBefore(std::int64_t moment) {
    const std::int64_t* first = FirstMoment();
    int i = static_cast<int>(std::upper_bound(first, first + kMomentCount, moment) - first) - 1;
    if (i >= 0 && !IsSectionTerm(i % kTermsPerYear)) --i;
    if (i < 0) return std::nullopt;
    return AtIndex(i);
}

std::optional<TermAt> SectionTermAfter(std::int64_t moment) {
    const std::int64_t* first = FirstMoment();
    int i = static_cast<int>(std::upper_bound(first, first + kMomentCount, moment) - first);
    if (i < kMomentCount && !IsSectionTerm(i % kTermsPerYear)) ++i;
    if (i >= kMomentCount) return std::nullopt;
    return AtIndex(i);
}

}  // namespace calendar
