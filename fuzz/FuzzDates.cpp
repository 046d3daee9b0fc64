// The date and time arithmetic behind every parser: arbitrary fields into the
// calendar engine's conversions and names, the birth-record conversion of the
// composer, and the chart of every birth CheckBirth accepts; the convention
// and birthplace parsers on arbitrary text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "Chart.h"
#include "ChartText.h"
#include "ComposeDate.h"
#include "Conventions.h"
#include "FuzzChecks.h"
#include "LunarCalendar.h"

namespace {

SYSTEMTIME AnyTime(FuzzedDataProvider& in) {
    SYSTEMTIME t{};
    t.wYear = in.ConsumeIntegral<std::uint16_t>();
    t.wMonth = in.ConsumeIntegral<std::uint16_t>();
    t.wDay = in.ConsumeIntegral<std::uint16_t>();
    t.wHour = in.ConsumeIntegral<std::uint16_t>();
    t.wDayOfWeek = in.ConsumeIntegral<std::uint16_t>();
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const CLunarCalendar cal;

    // The engine on any fields: conversions fail without touching their
    // outputs, and what converts converts back.
    const SYSTEMTIME solar = AnyTime(in);
    const SYSTEMTIME sentinel = MakeSystemTime(1111, 11, 11, 11);
    SYSTEMTIME lunar = sentinel;
    int leap = 7;
    if (cal.SolarToLunar(solar, lunar, leap)) {
        SYSTEMTIME back{};
        fuzz::Require(cal.LunarToSolar(lunar, leap, back), "a converted date converts back");
    } else {
        fuzz::Require(lunar == sentinel && leap == 7, "a refused conversion leaves its outputs");
    }
    const SYSTEMTIME any = AnyTime(in);
    const int anyLeap = in.ConsumeIntegralInRange<int>(-2, 3);
    SYSTEMTIME out = sentinel;
    if (!cal.LunarToSolar(any, anyLeap, out))
        fuzz::Require(out == sentinel, "a refused conversion leaves its output");
    for (const std::string& gbk :
         {cal.GetFourPillars(any), cal.GetYearStemBranch(any), cal.GetLunarMonthName(any),
          cal.GetLunarDayName(any), cal.GetHourName(any), cal.GetZodiacSign(any),
          cal.FormatLunarDate(any, anyLeap), cal.GetWeekdayName(any.wDayOfWeek),
          cal.StemBranchName(in.ConsumeIntegral<int>())})
        fuzz::Require(platform::GbkToUtf8(gbk).has_value(), "names in GBK");
    (void)cal.DaysBetween(solar, any);
    SYSTEMTIME term{};
    (void)cal.GetMonthTermDate(any, term);

    // A birth record as the form or the command line fills it.
    BirthRecord birth{};
    birth.CalendarKind = in.ConsumeIntegralInRange<int>(-1, 2);
    birth.year = in.ConsumeIntegral<int>();
    birth.month = in.ConsumeIntegral<int>();
    birth.day = in.ConsumeIntegral<int>();
    birth.hour = in.ConsumeIntegral<int>();
    birth.leap = in.ConsumeIntegral<std::uint8_t>();
    (void)ConvertBirthDate(cal, birth);

    // A chart for any moment and conventions.
    chart::BirthMoment moment;
    moment.year = in.ConsumeIntegral<int>();
    moment.month = in.ConsumeIntegral<int>();
    moment.day = in.ConsumeIntegral<int>();
    moment.hour = in.ConsumeIntegral<int>();
    moment.minute = in.ConsumeIntegral<int>();
    moment.sex = in.ConsumeBool() ? chart::Sex::Male : chart::Sex::Female;
    chart::Conventions conventions;
    const std::string zi = in.ConsumeRandomLengthString(16);
    if (const auto school = chart::ParseZiHour(zi)) conventions.zi = *school;
    if (in.ConsumeBool()) conventions.longitude = in.ConsumeFloatingPoint<double>();
    conventions.dstCorrect = in.ConsumeBool();
    (void)chart::FindCapital(in.ConsumeRandomLengthString(32));
    if (chart::CheckBirth(moment, conventions).empty()) {
        const std::string text = chart::FormatChartText(chart::ComputeChart(moment, conventions));
        fuzz::RequireTerminalSafe(text, "\n", "chart text");
    }
    return 0;
}
