// The reading composer: header from the calendar engine, body from four
// weight lookups and seven text lookups. Nothing is kept between readings
// and nothing is cached; every reading sends its eleven queries afresh.
#include "ReadingComposer.h"

#include <array>
#include <cstring>
#include <iterator>
#include <tuple>

#include "ComposeDate.h"
#include "ComposeFormat.h"
#include "ComposeLookup.h"
#include "ComposeTime.h"
#include "GbkCodec.h"
#include "LunarCalendar.h"

namespace {

// Pillar characters by their position in the pillar string.
enum PillarChar {
    kYearStem,
    kYearBranch,
    kMonthStem,
    kMonthBranch,
    kDayStem,
    kDayBranch,
    kHourStem,
    kHourBranch
};

constexpr std::size_t kPillarCharCount = 8;
constexpr std::size_t kGbkCharBytes = 2;

// The fixed texts of the report, in GBK, converted once.
struct ReportTexts {
    std::string nameLabel = platform::Gbk("您的尊姓大名: ");
    std::string sexMale = platform::Gbk("\n    您的性别: 男 ");
    std::string sexFemale = platform::Gbk("\n    您的性别: 女 ");
    std::string birthLabel = platform::Gbk("\n出生年月日时:");
    std::string lunarLabel = platform::Gbk("(阴历) ");
    std::string noteLabel = platform::Gbk("注: ");
    std::string ageLabel = platform::Gbk("\n    您的年龄: ");
    std::string ageUnit = platform::Gbk("岁");
    std::string unborn = platform::Gbk("尚未出生");
    std::string timeLabel = platform::Gbk("\n    测算时间: ");
    std::string bodyTitle = platform::Gbk("                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n");
    std::string boneHeading = platform::Gbk("◆称骨论命\n");
    std::string pillarHeading = platform::Gbk("◆八字论命\n");
    std::string yearHeading = platform::Gbk("◎年命理\n");
    std::string monthHeading = platform::Gbk("◎月命理\n");
    std::string dayHeading = platform::Gbk("◎日命理\n");
    std::string hourHeading = platform::Gbk("◎时命理\n");
};

const ReportTexts& Texts() {
    static const ReportTexts texts;
    return texts;
}

// Entry k is bytes 2k and 2k+1 of the pillar string and a zero byte.
std::array<std::array<char, 3>, 8> SplitPillars(const std::string& pillars) {
    std::array<std::array<char, 3>, 8> chars{};
    for (std::size_t k = 0; k < kPillarCharCount && kGbkCharBytes * k + 1 < pillars.size(); ++k) {
        chars[k][0] = pillars[kGbkCharBytes * k];
        chars[k][1] = pillars[kGbkCharBytes * k + 1];
    }
    return chars;
}

std::string ComposeHeader(const CLunarCalendar& calendar, const BirthRecord& birth, const BirthDates& dates,
                          const ComposedReport& report, const SYSTEMTIME& now) {
    const ReportTexts& t = Texts();
    const SYSTEMTIME& g = dates.solar;
    const auto& pc = report.pillarChars;

    std::string header = t.nameLabel;
    header.append(birth.name, strnlen(birth.name, sizeof birth.name));
    header += birth.sex == 0 ? t.sexMale : t.sexFemale;
    header += t.birthLabel + t.lunarLabel + calendar.FormatLunarDate(dates.lunar, dates.leap) + " " +
              calendar.GetHourName(dates.lunar);
    header += FormatGbk("\n             (阳历) %04d年       %02d月%02d日 %02d时", g.wYear, g.wMonth, g.wDay,
                        g.wHour);
    header += FormatGbk("\n    您的八字: %s%s  %s%s  %s%s  %s%s", pc[0].data(), pc[1].data(), pc[2].data(),
                        pc[3].data(), pc[4].data(), pc[5].data(), pc[6].data(), pc[7].data());
    // The nominal age: 1 in the year of birth, one more at every Gregorian
    // new year of the user's own clock; a birth after that clock's date has
    // none yet.
    const bool unborn = std::tie(g.wYear, g.wMonth, g.wDay) > std::tie(now.wYear, now.wMonth, now.wDay);
    header += t.ageLabel + (unborn ? t.unborn : FormatGbk("%d", now.wYear - g.wYear + 1) + t.ageUnit) + "\n";
    header += t.timeLabel + FormatGbk("%04d年%02d月%02d日 %02d时%02d分%02d秒", now.wYear, now.wMonth,
                                      now.wDay, now.wHour, now.wMinute, now.wSecond);
    return header;
}

std::string ComposeBody(const CLunarCalendar& calendar, Connection* connection, const BirthDates& dates,
                        ComposedReport& report) {
    const ReportTexts& t = Texts();
    const SYSTEMTIME& l = dates.lunar;
    const auto& pc = report.pillarChars;
    const std::string monthName = calendar.GetLunarMonthName(l);
    const std::string dayName = calendar.GetLunarDayName(l);
    const std::string hourName = calendar.GetHourName(l);

    auto& w = report.weights;
    w[0] = LookupWeight(connection, calendar.GetYearStemBranch(l));
    w[1] = LookupWeight(connection, monthName);
    w[2] = LookupWeight(connection, dayName);
    w[3] = LookupWeight(connection, hourName);
    // Summed modulo 2^32 so that absurd stored amounts wrap instead of overflowing.
    report.totalWeight =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(w[0]) + static_cast<std::uint32_t>(w[1]) +
                                  static_cast<std::uint32_t>(w[2]) + static_cast<std::uint32_t>(w[3]));

    // What the reading's time rests on, under the title: the header keeps its
    // eight lines, and the body has room for these.
    std::string body = t.bodyTitle;
    for (const std::string& note : report.notes) body += t.noteLabel + note + "\n";
    if (!report.notes.empty()) body += "\n";
    body += t.boneHeading;
    body += FormatGbk("    骨重：总命重%d钱 [ 年命重%d钱 月命重%d钱 日命重%d钱 时命重%d钱 ]\n    ",
                      report.totalWeight, w[0], w[1], w[2], w[3]);

    struct Section {
        std::string query;
        std::string closing;
    };
    const Section sections[] = {
        {FormatGbk("select * from bazi1 where Amount = %d", report.totalWeight), "\n\n" + t.pillarHeading},
        {FormatGbk("select * from bazi2 where day = \"%s\" and time =\"%s%s\"", pc[kDayStem].data(),
                   pc[kHourStem].data(), pc[kHourBranch].data()),
         "\n"},
        {FormatGbk("select * from bazi2 where day = \"%s%s\" and time =\"%s%s\"", pc[kDayStem].data(),
                   pc[kDayBranch].data(), pc[kHourStem].data(), pc[kHourBranch].data()),
         "\n" + t.yearHeading},
        {FormatGbk("select * from bazi3 where year = \"%s%s\"", pc[kYearStem].data(), pc[kYearBranch].data()),
         "\n" + t.monthHeading},
        {FormatGbk("select * from bazi4 where month = \"%s\"", monthName.c_str()), "\n" + t.dayHeading},
        {FormatGbk("select * from bazi5 where day = \"%s\"", dayName.c_str()), "\n" + t.hourHeading},
        {FormatGbk("select * from bazi6 where time = \"%s\"", hourName.c_str()), "\n"},
    };
    static_assert(std::size(sections) == std::tuple_size_v<decltype(report.sections)>);
    for (std::size_t i = 0; i < std::size(sections); ++i) {
        report.sections[i] = LookupText(connection, sections[i].query);
        body += report.sections[i] + sections[i].closing;
    }
    return body;
}

}  // namespace

std::optional<ComposedReport> ComposeReport(const BirthRecord& birth, Connection* connection,
                                            const SYSTEMTIME& now, const ReadingOptions& options) {
    const CLunarCalendar calendar;
    std::optional<BirthDates> dates = ConvertBirthDate(calendar, birth);
    if (!dates) return std::nullopt;

    ComposedReport report;
    report.clockSolar = dates->solar;
    std::vector<std::string> notes = ApplySummerTime(calendar, *dates, options.dstCorrect);
    for (const std::string& note : {TermInHourNote(calendar, dates->solar), LateZiNote(dates->solar)})
        if (!note.empty()) notes.push_back(note);
    for (const std::string& note : notes) report.notes.push_back(platform::Gbk(note));
    report.solar = dates->solar;
    report.lunar = dates->lunar;
    report.leap = dates->leap;
    report.pillarChars = SplitPillars(calendar.GetFourPillars(dates->solar));
    report.starSign = calendar.GetZodiacSign(dates->solar);
    report.header = CutGbk(ComposeHeader(calendar, birth, *dates, report, now), kHeaderBufferSize - 1);
    report.body = CutGbk(ComposeBody(calendar, connection, *dates, report), kBodyBufferSize - 1);
    return report;
}
