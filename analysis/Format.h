// Small text helpers the analysis composes its lines with (UTF-8).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Theory.h"

namespace analysis {

std::string Decimal(double value);  // one decimal place: "12.5", "0.0"
std::string Join(const std::vector<std::string>& parts, std::string_view separator);
std::string ElementList(const std::vector<chart::Element>& elements);  // "木、火", "无" when empty
std::string StemGod(int stem, chart::TenGod god);                      // "丙七杀"
std::string Str(std::string_view s);

}  // namespace analysis
