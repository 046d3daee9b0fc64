// A person as a JSON object: what `karvuto-people list --json` prints and
// what the JSON and CSV files hold. Keys, in this order:
//   id, name, sex ("male"/"female"), calendar ("solar"/"lunar"),
//   date ("YYYY-MM-DD"), leap, hour, minute, place ("" when not given),
//   longitude (degrees east, or null), zi ("same-day"/"late"/"next-day"),
//   trueSolarTime, dstCorrect, note, tags (an array of strings),
//   created, changed ("2024-05-01T12:00:00Z", UTC).
#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

#include "Person.h"

namespace people {

inline constexpr std::array<std::string_view, 17> kPersonKeys = {
    "id",        "name", "sex",           "calendar",   "date", "leap", "hour",    "minute",  "place",
    "longitude", "zi",   "trueSolarTime", "dstCorrect", "note", "tags", "created", "changed",
};

// The object; `id` only when `withId` (files leave it out).
nlohmann::ordered_json PersonToJson(const Person& p, bool withId);

// The person an object describes. name, sex, calendar and date are
// required; hour, minute, leap and the conventions default as a new person
// has them; place, longitude, note and tags may be missing or null; created
// and changed, when missing, are left for the store to set. An id is
// ignored. Throws StoreError(Invalid) naming the key: an unknown key, a
// missing one, or a value of the wrong type or form. The person's rules are
// not checked here (PersonCheck.h).
Person PersonFromJson(const nlohmann::json& object);

}  // namespace people
