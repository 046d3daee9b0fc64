#include "Format.h"

#include <cmath>
#include <cstdio>

namespace analysis {

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::round(value * 10) / 10 + 0.0);
    return text;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string s;
    for (const std::string& p : parts) {
        if (!s.empty()) s += separator;
        s += p;
    }
    return s;
}

std::string ElementList(const std::vector<chart::Element>& elements) {
    if (elements.empty()) return "无";
    std::vector<std::string> names;
    for (chart::Element e : elements) names.emplace_back(chart::ElementName(e));
    return Join(names, "、");
}

std::string StemGod(int stem, chart::TenGod god) {
    return Str(chart::StemName(stem)) + Str(chart::TenGodName(god));
}

std::string Str(std::string_view s) {
    return std::string(s);
}

}  // namespace analysis
