// A person to and from its JSON object, strict about keys and types.
#include "PersonJson.h"

#include <algorithm>

#include "IsoTime.h"
#include "StoreError.h"

namespace people {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Refuse(const std::string& message) {
    throw StoreError(StoreErrorKind::Invalid, message);
}

const Json* Find(const Json& object, std::string_view key) {
    const auto it = object.find(std::string(key));
    return it == object.end() || it->is_null() ? nullptr : &*it;
}

const std::string& Text(const Json& value, std::string_view key) {
    if (!value.is_string()) Refuse("字段 " + std::string(key) + " 须为字符串");
    return value.get_ref<const std::string&>();
}

// Any value beyond this is as wrong as this is for every integer field, and
// CheckPerson says so; it keeps a huge number from wrapping into range.
constexpr Json::number_integer_t kOutOfRange = 1'000'000;

int Integer(const Json& value, std::string_view key) {
    if (!value.is_number_integer()) Refuse("字段 " + std::string(key) + " 须为整数");
    if (value.is_number_unsigned())
        return static_cast<int>(
            std::min<Json::number_unsigned_t>(value.get<Json::number_unsigned_t>(), kOutOfRange));
    return static_cast<int>(std::clamp(value.get<Json::number_integer_t>(), -kOutOfRange, kOutOfRange));
}

bool Boolean(const Json& value, std::string_view key) {
    if (!value.is_boolean()) Refuse("字段 " + std::string(key) + " 须为 true 或 false");
    return value.get<bool>();
}

std::int64_t Time(const Json& value, std::string_view key) {
    const std::optional<std::int64_t> t = ParseUtcTime(Text(value, key));
    if (!t) Refuse("字段 " + std::string(key) + " 须为 UTC 时间，如 2024-05-01T12:00:00Z");
    return *t;
}

}  // namespace

nlohmann::ordered_json PersonToJson(const Person& p, bool withId) {
    nlohmann::ordered_json json;
    if (withId) json["id"] = p.id;
    json["name"] = p.name;
    json["sex"] = SexKey(p.sex);
    json["calendar"] = CalendarKey(p.calendar);
    json["date"] = DateText(p);
    json["leap"] = p.leap;
    json["hour"] = p.hour;
    json["minute"] = p.minute;
    json["place"] = p.place;
    json["longitude"] = p.longitude ? nlohmann::ordered_json(*p.longitude) : nlohmann::ordered_json(nullptr);
    json["zi"] = chart::ZiHourKey(p.zi);
    json["trueSolarTime"] = p.trueSolarTime;
    json["dstCorrect"] = p.dstCorrect;
    json["note"] = p.note;
    json["tags"] = p.tags;
    json["created"] = FormatUtcTime(p.created);
    json["changed"] = FormatUtcTime(p.changed);
    return json;
}

Person PersonFromJson(const Json& object) {
    if (!object.is_object()) Refuse("须为一个 JSON 对象");
    for (const auto& [key, value] : object.items()) {
        if (std::find(kPersonKeys.begin(), kPersonKeys.end(), key) == kPersonKeys.end())
            Refuse("未知的字段 " + key);
    }
    for (std::string_view key : {"name", "sex", "calendar", "date"}) {
        if (!Find(object, key)) Refuse("缺少字段 " + std::string(key));
    }

    Person p;
    p.name = Text(*Find(object, "name"), "name");
    const std::optional<Sex> sex = ParseSex(Text(*Find(object, "sex"), "sex"));
    if (!sex) Refuse("字段 sex 须为 male 或 female");
    p.sex = *sex;
    const std::optional<CalendarKind> calendar = ParseCalendar(Text(*Find(object, "calendar"), "calendar"));
    if (!calendar) Refuse("字段 calendar 须为 solar 或 lunar");
    p.calendar = *calendar;
    if (!ParseDateText(Text(*Find(object, "date"), "date"), p))
        Refuse("字段 date 须为 YYYY-MM-DD 形式的日期");
    if (const Json* v = Find(object, "leap")) p.leap = Boolean(*v, "leap");
    if (const Json* v = Find(object, "hour")) p.hour = Integer(*v, "hour");
    if (const Json* v = Find(object, "minute")) p.minute = Integer(*v, "minute");
    if (const Json* v = Find(object, "place")) p.place = Text(*v, "place");
    if (const Json* v = Find(object, "longitude")) {
        if (!v->is_number()) Refuse("字段 longitude 须为数");
        p.longitude = v->get<double>();
    }
    if (const Json* v = Find(object, "zi")) {
        const std::optional<chart::ZiHour> zi = chart::ParseZiHour(Text(*v, "zi"));
        if (!zi) Refuse("字段 zi 须为 same-day、late 或 next-day");
        p.zi = *zi;
    }
    if (const Json* v = Find(object, "trueSolarTime")) p.trueSolarTime = Boolean(*v, "trueSolarTime");
    if (const Json* v = Find(object, "dstCorrect")) p.dstCorrect = Boolean(*v, "dstCorrect");
    if (const Json* v = Find(object, "note")) p.note = Text(*v, "note");
    if (const Json* v = Find(object, "tags")) {
        if (!v->is_array()) Refuse("字段 tags 须为字符串的数组");
        for (const Json& tag : *v) p.tags.push_back(Text(tag, "tags"));
    }
    if (const Json* v = Find(object, "created")) p.created = Time(*v, "created");
    if (const Json* v = Find(object, "changed")) p.changed = Time(*v, "changed");
    return p;
}

}  // namespace people
