// The terminal layout of a chart.
#include "ChartText.h"

#include <cstdio>

#include "SolarTerms.h"

namespace chart {
namespace {

constexpr int kLabelWidth = 10;
constexpr int kColumnWidth = 12;

std::string Pad(const std::string& text, int width) {
    const int w = DisplayWidth(text);
    return w >= width ? text + " " : text + std::string(width - w, ' ');
}

std::string Row(const std::string& label, const std::array<std::string, 4>& cells) {
    std::string line = Pad(label, kLabelWidth);
    for (const std::string& c : cells) line += Pad(c, kColumnWidth);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

template <typename F>
std::array<std::string, 4> Cells(const Chart& c, F cell) {
    return {cell(c.pillars[0]), cell(c.pillars[1]), cell(c.pillars[2]), cell(c.pillars[3])};
}

std::string Number(double v) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

std::string TermText(const TermTime& t) {
    return std::string(TermName(t.term)) + " " + FormatSeconds(t.time);
}

}  // namespace

std::string TermSpanText(const Chart& c) {
    return TermText(c.previousTerm) + " 至 " + TermText(c.nextTerm);
}

int DisplayWidth(std::string_view utf8) {
    int width = 0;
    for (unsigned char ch : utf8) {
        if (ch < 0x80)
            ++width;
        else if (ch >= 0xC0)
            width += 2;  // the lead byte of a character outside ASCII
    }
    return width;
}

std::string FormatChartText(const Chart& c) {
    std::string out;
    const Conventions& conv = c.conventions;
    out += "排盘  " + FormatMinutes(c.clockTime) + " 钟表时间";
    if (c.chartTime != c.clockTime) out += "，按 " + FormatMinutes(c.chartTime) + " 排";
    out += "\n约定  子时：" + std::string(ZiHourName(conv.zi)) + "；时间：" +
           (conv.longitude ? "真太阳时" : "钟表时间") + "；夏令时：" +
           (conv.dstCorrect ? "拨回标准时间" : "不调整") + "\n\n";

    out += Row("", {"年柱", "月柱", "日柱", "时柱"});
    out += Row("十神", Cells(c, [](const Pillar& p) {
                   return p.dayMaster ? std::string("日主") : std::string(TenGodName(p.tenGod));
               }));
    out += Row("天干", Cells(c, [](const Pillar& p) { return std::string(StemName(p.stem)); }));
    out += Row("地支", Cells(c, [](const Pillar& p) { return std::string(BranchName(p.branch)); }));
    for (int i = 0; i < 3; ++i) {
        out += Row(i == 0 ? "藏干" : "", Cells(c, [i](const Pillar& p) {
                       if (i >= p.hiddenCount) return std::string();
                       return std::string(StemName(p.hidden[i].stem)) + " " +
                              std::string(TenGodName(p.hidden[i].tenGod));
                   }));
    }
    out += Row("纳音", Cells(c, [](const Pillar& p) { return std::string(NayinName(p.pillar)); }));
    out += Row("地势", Cells(c, [](const Pillar& p) { return std::string(StageName(p.stage)); }));
    out += Row("自坐", Cells(c, [](const Pillar& p) { return std::string(StageName(p.selfStage)); }));
    out += Row("旬空", Cells(c, [](const Pillar& p) {
                   return std::string(BranchName(p.xunkong[0])) + std::string(BranchName(p.xunkong[1]));
               }));

    out += "\n五行    ";
    for (int e = 0; e < 5; ++e)
        out += std::string(ElementName(static_cast<Element>(e))) + std::to_string(c.elements.characters[e]) +
               " ";
    out += "（含藏干 ";
    for (int e = 0; e < 5; ++e)
        out += std::string(ElementName(static_cast<Element>(e))) + Number(c.elements.weighted[e]) +
               (e < 4 ? " " : "");
    out += "）  缺：";
    if (c.elements.missing.empty()) out += "无";
    for (Element e : c.elements.missing) out += ElementName(e);
    out += "\n关系    ";
    if (c.relations.empty()) out += "无";
    for (std::size_t i = 0; i < c.relations.size(); ++i) {
        const ChartRelation& r = c.relations[i];
        if (i > 0) out += (i % 4 == 0) ? "\n        " : "  ";
        out += std::string(RelationKindName(r.kind)) + " " + r.members;
        if (r.hasElement) {
            out += "(";
            out += ElementName(r.element);
            out += ")";
        }
        out += " ";
        constexpr const char* kPillarChar[] = {"年", "月", "日", "时"};
        for (int p : r.pillars) out += kPillarChar[p];
    }
    out += "\n胎元    " + PillarName(c.taiyuan) + "    命宫 " + PillarName(c.minggong) + "\n";
    out += "节气    " + TermSpanText(c) + "\n";

    const Luck& luck = c.luck;
    out += "\n大运    " + std::string(luck.forward ? "顺行" : "逆行") + "，出生后 " +
           std::to_string(luck.start.years) + " 年 " + std::to_string(luck.start.months) + " 月 " +
           std::to_string(luck.start.days) + " 天起运，" + FormatDate(luck.startMoment) + " 交运\n";
    for (const LuckPillar& p : luck.pillars) {
        out += "        " + Pad(std::to_string(p.startAge) + "岁", 7) + Pad(std::to_string(p.startYear), 6) +
               Pad(PillarName(p.pillar), 6) + Pad(std::string(TenGodName(p.tenGod)), 6) + "流年";
        for (int y = 0; y < 10; ++y) {
            out += " ";
            out += PillarName(p.years[y]);
        }
        out += "\n";
    }
    for (const std::string& note : c.notes) out += "注：" + note + "\n";
    return out;
}

}  // namespace chart
