// Summer time and the 节 inside the birth hour, for the report.
#include "ComposeTime.h"

#include "Conventions.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

namespace {

constexpr int kLateZiHour = 23;

std::int64_t SecondsOf(const SYSTEMTIME& t) {
    return calendar::ToSeconds({t.wYear, t.wMonth, t.wDay, t.wHour, 0, 0});
}

std::string HourText(int hour) {
    return std::to_string(hour) + "时";
}

std::string PillarsText(const std::array<int, 4>& p) {
    std::string text;
    for (const int index : p) {
        if (!text.empty()) text += ' ';
        text += calendar::PillarNameUtf8(index);
    }
    return text;
}

}  // namespace

std::vector<std::string> ApplySummerTime(const CLunarCalendar& calendar, BirthDates& dates, bool dstCorrect) {
    std::vector<std::string> notes;
    const std::int64_t clock = SecondsOf(dates.solar);
    const chart::SummerTimeInfo summer = chart::ChinaSummerTime(clock);
    const std::string period = "夏令时（" + calendar::FormatMinutes(calendar::FromSeconds(summer.start)) +
                               " 至 " + calendar::FormatMinutes(calendar::FromSeconds(summer.end)) + "）";
    switch (summer.clock) {
        case chart::SummerClock::Standard:
            return notes;
        case chart::SummerClock::Skipped:
            notes.push_back("此钟点在" + period + "开始拨快时被跳过，实际不存在；按标准时间读");
            return notes;
        case chart::SummerClock::Summer:
        case chart::SummerClock::Repeated:
            break;
    }
    if (summer.clock == chart::SummerClock::Repeated)
        notes.push_back(
            "此钟点在夏令时结束拨回时出现两次，有歧义：按夏令时读，若为拨回后的标准时间则晚一小时");
    if (!dstCorrect) {
        notes.push_back("出生于" + period + "；按钟表时间排八字，未拨回标准时间");
        return notes;
    }
    const calendar::DateTime standard = calendar::FromSeconds(clock - calendar::kSecondsPerHour);
    BirthDates moved = dates;
    moved.solar = MakeSystemTime(standard.year, standard.month, standard.day, standard.hour);
    if (!calendar.SolarToLunar(moved.solar, moved.lunar, moved.leap)) return notes;
    notes.push_back("出生于" + period + "；钟表 " + HourText(dates.solar.wHour) +
                    " 已拨回一小时，按标准时间 " + calendar::FormatDate(standard) + " " +
                    HourText(standard.hour) + " 排八字");
    dates = moved;
    return notes;
}

std::string TermInHourNote(const CLunarCalendar& calendar, const SYSTEMTIME& solar) {
    const std::int64_t start = SecondsOf(solar);
    const auto term = calendar::SectionTermAfter(start);
    if (!term || term->moment >= start + calendar::kSecondsPerHour) return "";
    SYSTEMTIME after = solar;
    const calendar::DateTime at = calendar::FromSeconds(term->moment);
    after.wMinute = static_cast<std::uint16_t>(at.minute);
    after.wSecond = static_cast<std::uint16_t>(at.second);
    return "本时辰内交节（" + std::string(calendar::TermName(term->term)) + " " +
           calendar::FormatSeconds(at) + "）：按整点 " + HourText(solar.wHour) +
           " 排在交节之前；若生于交节之后，八字为 " + PillarsText(calendar.GetFourPillarIndices(after));
}

std::string LateZiNote(const SYSTEMTIME& solar) {
    if (solar.wHour != kLateZiHour) return "";
    return "23时按晚子时：日柱不换，时柱取次日子时";
}
