// Variant: the field value of a row set and its two conversions, to a 32-bit
// integer and to GBK text, following the platform's type-change rules:
// numbers round half to even, strings convert by their numeric value, and
// anything that is not a number is a type mismatch rather than a guess.
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <string_view>

#include "Database.h"

namespace {

constexpr int kDoubleDigits = 15;  // significant digits of a double in text, as the platform writes it

std::int32_t DoubleToInt32(double v) {
    // Out of range (or not a number) is an overflow, not a wrapped value.
    const double rounded = std::nearbyint(v);  // the default mode rounds half to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
        throw ComError(kDISP_E_OVERFLOW, "value out of the range of a 32-bit integer");
    return static_cast<std::int32_t>(rounded);
}

std::int32_t TextToInt32(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw ComError(kDISP_E_TYPEMISMATCH, "text is not a number");
    return DoubleToInt32(value);
}

std::string DoubleToText(double v) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, kDoubleDigits);
    if (ec != std::errc()) throw ComError(kE_FAIL, "number has no text form");
    std::string text(buffer, end);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

}  // namespace

Variant Variant::FromInt32(std::int32_t v) {
    Variant r;
    r.m_value = v;
    return r;
}

Variant Variant::FromDouble(double v) {
    Variant r;
    r.m_value = v;
    return r;
}

Variant Variant::FromText(std::string gbk) {
    Variant r;
    r.m_value = std::move(gbk);
    return r;
}

bool Variant::IsNull() const noexcept {
    return std::holds_alternative<std::monostate>(m_value);
}

std::int32_t Variant::ToInt32() const {
    if (const auto* i = std::get_if<std::int32_t>(&m_value)) return *i;
    if (const auto* d = std::get_if<double>(&m_value)) return DoubleToInt32(*d);
    if (const auto* s = std::get_if<std::string>(&m_value)) return TextToInt32(*s);
    throw ComError(kDISP_E_TYPEMISMATCH, "NULL has no integer value");
}

std::string Variant::ToText() const {
    try {
        if (const auto* s = std::get_if<std::string>(&m_value)) return *s;
        if (const auto* i = std::get_if<std::int32_t>(&m_value)) return std::to_string(*i);
        if (const auto* d = std::get_if<double>(&m_value)) return DoubleToText(*d);
    } catch (const std::bad_alloc&) {
        throw ComError(kE_OUTOFMEMORY, "out of memory converting a value to text");
    }
    throw ComError(kDISP_E_TYPEMISMATCH, "NULL has no text value");
}
