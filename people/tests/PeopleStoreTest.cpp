// The store's operations: what is written comes back, a refused change
// writes nothing, removed people can be restored, search and sort.
#include <gtest/gtest.h>

#include <chrono>

#include "Clock.h"
#include "PeopleStore.h"
#include "PeopleTestSupport.h"
#include "StoreError.h"

namespace people {
namespace {

using test::Sample;

StoreErrorKind KindOf(auto&& f) {
    try {
        f();
    } catch (const StoreError& e) {
        return e.Kind();
    }
    ADD_FAILURE() << "no StoreError";
    return StoreErrorKind::Failed;
}

class PeopleStoreTest : public ::testing::Test {
protected:
    void SetUp() override { PinClock(1'700'000'000); }
    void TearDown() override { platform::SetClockForTesting({}); }
    static void PinClock(std::int64_t seconds) {
        platform::SetClockForTesting(
            [seconds] { return platform::Clock::time_point{std::chrono::seconds{seconds}}; });
    }
    std::vector<std::string> Names(const Search& search) {
        std::vector<std::string> names;
        for (const Person& p : m_store.Find(search)) names.push_back(p.name);
        return names;
    }

    test::TempDir m_dir;
    PeopleStore m_store{m_dir / "people.db"};
};

TEST_F(PeopleStoreTest, AddedPeopleComeBackAsGiven) {
    Person p = test::Full();
    p.tags.push_back(p.tags.front());
    const PersonId id = m_store.Add(p);
    EXPECT_GT(id, 0);

    Person expected = p;
    expected.id = id;
    expected.tags.pop_back();                             // the duplicate dropped
    expected.created = expected.changed = 1'700'000'000;  // the store's clock, not the caller's
    EXPECT_EQ(m_store.Get(id), expected);
    EXPECT_EQ(m_store.Get(id + 1), std::nullopt);
}

TEST_F(PeopleStoreTest, TrickyTextsRoundTripByteForByte) {
    for (const test::TrickyText& t : test::TrickyTexts()) {
        SCOPED_TRACE(t.name);
        Person p = Sample(t.text);
        p.note = t.text;
        p.place = t.text;
        const Person back = *m_store.Get(m_store.Add(p));
        EXPECT_EQ(back.name, t.text);
        EXPECT_EQ(back.note, t.text);
        EXPECT_EQ(back.place, t.text);
    }
}

TEST_F(PeopleStoreTest, AnInvalidPersonIsRefusedAndNothingIsWritten) {
    const PersonId id = m_store.Add(Sample("张三"));
    Person bad = Sample("李四", 1990, 2, 30);
    bad.hour = 24;
    try {
        m_store.Add(bad);
        FAIL() << "added";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Kind(), StoreErrorKind::Invalid);
        EXPECT_NE(std::string(e.what()).find("日期："), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("时："), std::string::npos) << e.what();
    }
    bad.id = id;
    EXPECT_EQ(KindOf([&] { m_store.Update(bad); }), StoreErrorKind::Invalid);
    EXPECT_EQ(m_store.Count(), 1);
    EXPECT_EQ(m_store.Get(id)->name, "张三");
}

TEST_F(PeopleStoreTest, UpdateKeepsCreatedAndMovesChanged) {
    const PersonId id = m_store.Add(Sample("张三"));
    PinClock(1'700'000'100);
    Person p = *m_store.Get(id);
    p.name = "张三丰";
    p.created = 5;  // not the caller's to set
    const Person stored = m_store.Update(p);
    EXPECT_EQ(stored.created, 1'700'000'000);
    EXPECT_EQ(stored.changed, 1'700'000'100);
    EXPECT_EQ(m_store.Get(id), stored);

    p.id = id + 10;
    EXPECT_EQ(KindOf([&] { m_store.Update(p); }), StoreErrorKind::NotFound);
}

TEST_F(PeopleStoreTest, RemovedPeopleAreRestoredUnderTheirIdForUndo) {
    const PersonId first = m_store.Add(Sample("张三"));
    const PersonId second = m_store.Add(Sample("李四"));
    const Person before = *m_store.Get(first);
    const Person removed = m_store.Remove(first);
    EXPECT_EQ(removed, before);
    EXPECT_EQ(m_store.Get(first), std::nullopt);
    EXPECT_EQ(KindOf([&] { m_store.Remove(first); }), StoreErrorKind::NotFound);

    // A new person never takes a removed one's id.
    const PersonId third = m_store.Add(Sample("王五"));
    EXPECT_GT(third, second);

    m_store.Restore(removed);
    EXPECT_EQ(m_store.Get(first), before);
    EXPECT_EQ(KindOf([&] { m_store.Restore(removed); }), StoreErrorKind::IdInUse);
    Person noId = removed;
    noId.id = 0;
    EXPECT_EQ(KindOf([&] { m_store.Restore(noId); }), StoreErrorKind::Invalid);
}

TEST_F(PeopleStoreTest, ImportAddsAllOrNothing) {
    m_store.Add(Sample("原有"));
    std::vector<Person> batch = {Sample("甲"), Sample("乙"), Sample("丙", 1990, 2, 30), Sample("丁")};
    try {
        m_store.Import(batch);
        FAIL() << "imported";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Kind(), StoreErrorKind::Invalid);
        EXPECT_EQ(std::string(e.what()).find("第 3 条（丙）：日期："), 0u) << e.what();
    }
    EXPECT_EQ(m_store.Count(), 1);

    batch[2].day = 28;
    batch[0].created = 1'000'000'000;
    batch[0].changed = 1'100'000'000;
    const std::vector<PersonId> ids = m_store.Import(batch);
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_EQ(m_store.Count(), 5);
    const Person first = *m_store.Get(ids[0]);
    EXPECT_EQ(first.created, 1'000'000'000) << "times in the file are kept";
    EXPECT_EQ(first.changed, 1'100'000'000);
    EXPECT_EQ(m_store.Get(ids[1])->created, 1'700'000'000) << "missing times are now";
}

TEST_F(PeopleStoreTest, SearchLooksInNameInitialsDatesAndTags) {
    Person zhang = Sample("张三", 1990, 5, 10);
    zhang.tags = {"客户"};
    Person li = Sample("Li Xiaolong", 1985, 1, 2);
    li.tags = {"VIP", "朋友"};
    Person lunar = Sample("王五", 2020, 4, 1);
    lunar.calendar = CalendarKind::Lunar;
    lunar.leap = true;  // Gregorian 2020-05-23
    Person percent = Sample("100%_真", 1970, 1, 1);
    for (const Person& p : {zhang, li, lunar, percent}) m_store.Add(p);

    struct Case {
        const char* text;
        std::vector<std::string> names;  // sorted by name
    };
    const Case cases[] = {
        {"", {"100%_真", "Li Xiaolong", "王五", "张三"}},
        {"张", {"张三"}},
        {"zs", {"张三"}},
        {"ZS", {"张三"}},
        {"xiao", {"Li Xiaolong"}},
        {"LI", {"Li Xiaolong"}},
        {"1990-05", {"张三"}},
        {"2020-04-01", {"王五"}},
        {"2020-05-23", {"王五"}},  // the lunar birth's Gregorian date
        {"客户", {"张三"}},
        {"vip", {"Li Xiaolong"}},
        {"张 客户", {"张三"}},
        {"张　1985", {}},    // every word must match; U+3000 separates words
        {"%", {"100%_真"}},  // no wildcards
        {"_", {"100%_真"}},
        {"nobody", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Names({c.text, SortKey::Name, false}), c.names);
    }
}

TEST_F(PeopleStoreTest, SortsByNameBirthChangedAndAddedEitherWay) {
    m_store.Add(Sample("张三", 1990, 5, 10));
    PinClock(1'700'000'300);
    m_store.Add(Sample("李四", 1980, 1, 1));
    PinClock(1'700'000'200);
    Person early = Sample("王五", 1980, 1, 1);
    early.hour = 7;  // born earlier on the same day as 李四
    m_store.Add(early);

    struct Case {
        SortKey sort;
        bool descending;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {SortKey::Name, false, {"李四", "王五", "张三"}},  {SortKey::Name, true, {"张三", "王五", "李四"}},
        {SortKey::Birth, false, {"王五", "李四", "张三"}}, {SortKey::Changed, true, {"李四", "王五", "张三"}},
        {SortKey::Added, false, {"张三", "李四", "王五"}}, {SortKey::Added, true, {"王五", "李四", "张三"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.sort) * 2 + c.descending);
        EXPECT_EQ(Names({"", c.sort, c.descending}), c.names);
    }
}

// FindIds orders in SQL what Find orders in memory: both must agree for
// every sort, direction and search, ties and names GBK lacks included.
TEST_F(PeopleStoreTest, FindIdsListsTheIdsOfFindInItsOrder) {
    const char* names[] = {"张三", "张三", "zhang", "Zhang", "😀", "亍", "李四", "a", "B"};
    int day = 1;
    for (const char* name : names) {
        PinClock(1'700'000'000 + day % 3);                          // some changed at the same second
        m_store.Add(Sample(name, 1990, 1 + day % 2, 1 + day % 4));  // some born at the same minute
        ++day;
    }
    for (const SortKey sort : {SortKey::Name, SortKey::Birth, SortKey::Changed, SortKey::Added}) {
        for (const bool descending : {false, true}) {
            for (const char* text : {"", "zh", "1990-02", "张"}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(sort)) + (descending ? " descending " : " ") +
                             text);
                const Search search{text, sort, descending};
                std::vector<PersonId> ids;
                for (const Person& p : m_store.Find(search)) ids.push_back(p.id);
                EXPECT_EQ(m_store.FindIds(search), ids);
            }
        }
    }
}

}  // namespace
}  // namespace people
