// The terminal layout of a chart's model.
#include "ChartText.h"

namespace chart {
namespace {

constexpr int kLabelWidth = 10;     // the grid's label column
constexpr int kColumnWidth = 12;    // each pillar's column
constexpr int kLineLabelWidth = 8;  // "五行", "大运", … before their lines
constexpr int kHeadLabelWidth = 6;  // "排盘" and "约定" and two blanks
constexpr std::size_t kRelationsPerLine = 4;
constexpr int kAgeWidth = 7, kYearWidth = 6, kPillarWidth = 6, kTenGodWidth = 6;  // a luck pillar's line

std::string Pad(std::string_view text, int width) {
    const int w = DisplayWidth(text);
    return w >= width ? std::string(text) + " " : std::string(text) + std::string(width - w, ' ');
}

std::string Row(std::string_view label, const std::array<std::string, 4>& cells) {
    std::string line = Pad(label, kLabelWidth);
    for (const std::string& c : cells) line += Pad(c, kColumnWidth);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

// A line under its label: "五行    …".
std::string Labelled(std::string_view label, std::string_view text) {
    return Pad(label, kLineLabelWidth) + std::string(text) + "\n";
}

// The grid: one row of headings, then each row of cells; a cell of several
// lines (the hidden stems) takes as many rows.
std::string Grid(const ChartModel& m) {
    std::array<std::string, 4> headings;
    for (std::size_t i = 0; i < 4; ++i) headings[i] = m.columns[i].heading;
    std::string out = Row("", headings);
    for (const GridRowLabel& row : kGridRows) {
        std::array<std::vector<std::string>, 4> cells;
        std::size_t lines = 1;
        for (std::size_t i = 0; i < 4; ++i) {
            cells[i] = CellLines(m.columns[i], row.row);
            lines = std::max(lines, cells[i].size());
        }
        for (std::size_t line = 0; line < lines; ++line) {
            std::array<std::string, 4> texts;
            for (std::size_t i = 0; i < 4; ++i) texts[i] = line < cells[i].size() ? cells[i][line] : "";
            out += Row(line == 0 ? row.label : "", texts);
        }
    }
    return out;
}

std::string Elements(const ChartModel& m) {
    std::string counts, weights;
    for (const ElementText& e : m.elements) {
        counts += e.name + std::to_string(e.count) + " ";
        weights += (weights.empty() ? "" : " ") + e.name + e.weightText;
    }
    return Labelled(kElementsLabel, counts + "（含藏干 " + weights + "）  " + m.missing);
}

std::string Relations(const ChartModel& m) {
    std::string text = m.relations.empty() ? std::string(kNoneText) : "";
    for (std::size_t i = 0; i < m.relations.size(); ++i) {
        if (i > 0) text += i % kRelationsPerLine == 0 ? "\n" + std::string(kLineLabelWidth, ' ') : "  ";
        text += m.relations[i].text;
    }
    return Labelled(kRelationsLabel, text);
}

std::string LuckLines(const ChartModel& m) {
    std::string out = Labelled(kLuckLabel, m.luckLine);
    for (const LuckText& p : m.luck) {
        std::string line = std::string(kLineLabelWidth, ' ') + Pad(p.age, kAgeWidth) +
                           Pad(p.yearText, kYearWidth) + Pad(p.pillarName, kPillarWidth) +
                           Pad(p.tenGod, kTenGodWidth) + std::string(kYearsLabel);
        for (const YearText& y : p.years) line += " " + y.pillarName;
        out += line + "\n";
    }
    return out;
}

}  // namespace

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

std::string FormatChartText(const ChartModel& m) {
    std::string out = Pad(kCastLabel, kHeadLabelWidth) + m.clockTime + " 钟表时间";
    if (!m.castTime.empty()) out += "，" + m.castTime;
    out += "\n" + Pad(kConventionsLabel, kHeadLabelWidth) + m.conventions + "\n\n";
    out += Grid(m) + "\n";
    out += Elements(m) + Relations(m);
    for (const FactLine& fact : m.facts) out += Labelled(fact.label, fact.text);
    out += "\n" + LuckLines(m);
    for (const std::string& note : m.notes) out += std::string(kNotePrefix) + note + "\n";
    return out;
}

std::string FormatChartText(const Chart& chart) {
    return FormatChartText(MakeChartModel(chart, {}));
}

}  // namespace chart
