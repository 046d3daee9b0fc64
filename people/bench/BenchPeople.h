// A store of many people for the benchmarks: built once, in a temporary
// folder, from a fixed random sequence, and removed at exit.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "PeopleStore.h"

namespace peoplebench {

constexpr int kPeople = 100'000;

// Common surnames and given-name characters, so that searches match as
// many people as they would in a real practice.
constexpr const char* kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                     "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "欧阳"};
constexpr const char* kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋",
                                  "勇", "艳", "杰", "娟", "涛", "明", "超", "秀", "霞", "平"};
constexpr const char* kTags[] = {"客户", "朋友", "家人", "同事", "VIP"};

struct Fixture {
    using Person = people::Person;
    using PeopleStore = people::PeopleStore;
    using path = std::filesystem::path;
    path folder;
    std::unique_ptr<PeopleStore> store;

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "karvuto-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        store = std::make_unique<PeopleStore>(folder / "people.db");
        std::mt19937 random(26);
        auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
        std::vector<Person> everyone;
        everyone.reserve(kPeople);
        for (int i = 0; i < kPeople; ++i) {
            Person p;
            p.name = std::string(pick(kSurnames)) + pick(kGiven) + (random() % 2 ? pick(kGiven) : "");
            p.sex = random() % 2 ? people::Sex::Male : people::Sex::Female;
            p.year = 1930 + static_cast<int>(random() % 90);
            p.month = 1 + static_cast<int>(random() % 12);
            p.day = 1 + static_cast<int>(random() % 28);
            p.hour = static_cast<int>(random() % 24);
            p.minute = static_cast<int>(random() % 60);
            p.tags = {pick(kTags)};
            p.note = "第 " + std::to_string(i) + " 位";
            everyone.push_back(std::move(p));
        }
        store->Import(everyone);
    }
    ~Fixture() {
        store.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

inline Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

}  // namespace peoplebench
