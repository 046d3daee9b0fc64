// What the people tests share: sample people, texts that try every corner of
// the storage and the file formats, and a store in a temporary folder.
#pragma once

#include <string>
#include <vector>

#include "DatabaseTestFiles.h"
#include "PeopleStore.h"
#include "Person.h"

namespace people::test {

using dbtest::ReadFile;
using dbtest::TempDir;
using dbtest::WriteFile;

// A valid person born on a Gregorian date.
inline Person Sample(std::string name, int year = 1990, int month = 5, int day = 10) {
    Person p;
    p.name = std::move(name);
    p.year = year;
    p.month = month;
    p.day = day;
    p.hour = 8;
    p.minute = 30;
    return p;
}

// A person with every field set away from its default.
inline Person Full() {
    Person p = Sample("欧阳春花雨露");
    p.sex = Sex::Female;
    p.calendar = CalendarKind::Lunar;
    p.year = 2020;
    p.month = 4;
    p.day = 1;
    p.leap = true;
    p.hour = 23;
    p.minute = 59;
    p.place = "乌鲁木齐";
    p.longitude = 87.617733;
    p.zi = chart::ZiHour::Late;
    p.trueSolarTime = true;
    p.dstCorrect = true;
    p.note = "第一行\n第二行";
    p.tags = {"客户", "VIP"};
    p.created = 1'600'000'000;
    p.changed = 1'700'000'000;
    return p;
}

// Texts that must come back byte for byte from the store and the files.
struct TrickyText {
    const char* name;
    std::string text;
};
inline std::vector<TrickyText> TrickyTexts() {
    std::string control;
    for (char c = 1; c < 0x20; ++c) control += c;
    control += '\x7F';
    control += "\xC2\x85";  // U+0085, a C1 control
    std::string large;
    while (large.size() < 200 * 1024) large += "长文本，带\"引号\"、逗号,和换行\r\n🙂 ";
    return {
        {"quotes", "He said \"hi\", 'bye' and \"\"twice\"\""},
        {"SQL", "Robert'); DROP TABLE person; --"},
        {"emoji", "👨‍👩‍👧 家 🀄"},
        {"right-to-left", "\u05E9\u05DC\u05D5\u05DD \u202Eabc\u202C مرحبا"},
        {"control characters", control},
        {"CSV delimiters", "a,b;c\nd\r\ne\rf"},
        {"leading and trailing blanks", "  张三  "},
        {"200 KB", large},
    };
}

}  // namespace people::test
