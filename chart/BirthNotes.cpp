// The sentences on a birth's time, held once for the report and the chart.
#include "BirthNotes.h"

#include "Sexagenary.h"
#include "SolarTerms.h"

namespace chart {

std::string SummerTimeNote(const SummerTimeInfo& summer, bool dstCorrect, const DateTime& standard) {
    const std::string period = "夏令时（" + FormatMinutes(FromSeconds(summer.start)) + " 至 " +
                               FormatMinutes(FromSeconds(summer.end)) + "）";
    switch (summer.clock) {
        case SummerClock::Standard:
            return "";
        case SummerClock::Skipped:
            return "此钟点在" + period + "开始拨快时被跳过，实际不存在；按标准时间读";
        case SummerClock::Summer:
        case SummerClock::Repeated:
            break;
    }
    std::string note = "出生于" + period;
    if (summer.clock == SummerClock::Repeated)
        note += "；此钟点在夏令时结束拨回时出现两次，有歧义：按夏令时读，若为拨回后的标准时间则晚一小时";
    note += dstCorrect ? "；钟表时间已拨回一小时，按标准时间 " + FormatMinutes(standard) + " 排盘"
                       : "；按钟表时间排盘，未拨回标准时间";
    return note;
}

std::string_view SummerTimeConvention(SummerClock clock, bool dstCorrect) {
    switch (clock) {
        case SummerClock::Standard:
        case SummerClock::Skipped:  // read as standard time either way
            return "出生时不在夏令时";
        case SummerClock::Summer:
        case SummerClock::Repeated:
            break;
    }
    return dstCorrect ? "拨回标准时间" : "按钟表时间（未校正）";
}

std::string TermInHourNote(int term, const DateTime& termTime, bool birthAfterTerm,
                           const std::array<int, 4>& otherPillars) {
    std::string pillars;
    for (const int p : otherPillars) pillars += (pillars.empty() ? "" : " ") + calendar::PillarNameUtf8(p);
    const std::string_view side = birthAfterTerm ? "之后" : "之前";
    const std::string_view other = birthAfterTerm ? "之前" : "之后";
    return "本时辰内交节（" + std::string(calendar::TermName(term)) + " " + FormatSeconds(termTime) +
           "）：出生在交节" + std::string(side) + "，若在交节" + std::string(other) + "则四柱为 " + pillars;
}

std::string_view LateHourNote(ZiHour zi) {
    switch (zi) {
        case ZiHour::Late:
            return "23时按晚子时：日柱不换，时柱取次日子时";
        case ZiHour::NextDay:
            return "23时按子初换日：日柱取次日";
        case ZiHour::SameDay:
            return "23时按当日子时：日柱不换，时柱取当日子时之干";
    }
    return "";
}

}  // namespace chart
