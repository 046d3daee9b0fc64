// The created and changed times in files: seconds since 1970-01-01 UTC
// written as "2024-05-01T12:00:00Z" (ISO 8601, UTC, whole seconds).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace people {

std::string FormatUtcTime(std::int64_t seconds);
// Exactly the form FormatUtcTime writes, for a real date and time of years
// 1970-9999; nothing otherwise.
std::optional<std::int64_t> ParseUtcTime(std::string_view text);

}  // namespace people
