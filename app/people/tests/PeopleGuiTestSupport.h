// What the 档案 window's tests share: people to store and a store of their
// own in a temporary folder.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "PeopleStore.h"

namespace peopletest {

// A valid person born on a Gregorian date, at 08:30, with tags.
inline people::Person Person(std::string name, int year = 1990, int month = 5, int day = 10,
                             std::vector<std::string> tags = {}) {
    people::Person p;
    p.name = std::move(name);
    p.year = year;
    p.month = month;
    p.day = day;
    p.hour = 8;
    p.minute = 30;
    p.tags = std::move(tags);
    return p;
}

// A store in a folder of its own, removed with it.
struct TempStore {
    QTemporaryDir folder;
    std::unique_ptr<people::PeopleStore> store;

    TempStore() : store(std::make_unique<people::PeopleStore>(Path())) {}
    std::filesystem::path Path() const { return folder.filePath(QStringLiteral("people.db")).toStdString(); }
    people::PeopleStore& operator*() { return *store; }
    people::PeopleStore* operator->() { return store.get(); }
};

// `count` people with names 甲0, 甲1, … born on successive days.
inline std::vector<people::Person> Many(int count) {
    std::vector<people::Person> everyone;
    everyone.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        everyone.push_back(Person("甲" + std::to_string(i), 1950 + i % 60, 1 + i % 12, 1 + i % 28));
    return everyone;
}

}  // namespace peopletest
