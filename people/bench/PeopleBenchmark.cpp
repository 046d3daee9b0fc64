// List and search over a store of 100,000 people (the target: under 50 ms
// each), and the cost of opening it. The store is built once, in a
// temporary folder, from a fixed random sequence.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>

#include "PeopleStore.h"
#include "bench/BenchPeople.h"

namespace {

using peoplebench::kPeople;
using peoplebench::Shared;

namespace fs = std::filesystem;
using people::PeopleStore;
using people::Person;
using people::Search;
using people::SortKey;

void Run(benchmark::State& state, const Search& search) {
    PeopleStore& store = *Shared().store;
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<Person> result = store.Find(search);
        found = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void RunIds(benchmark::State& state, const Search& search) {
    PeopleStore& store = *Shared().store;
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<people::PersonId> result = store.FindIds(search);
        found = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void IdsByName(benchmark::State& state) {
    RunIds(state, {"", SortKey::Name, false});
}
void IdsByBirth(benchmark::State& state) {
    RunIds(state, {"", SortKey::Birth, false});
}
void IdsByChangedNewestFirst(benchmark::State& state) {
    RunIds(state, {"", SortKey::Changed, true});
}
void IdsSearchName(benchmark::State& state) {
    RunIds(state, {"张伟", SortKey::Name, false});
}
void IdsSearchInitials(benchmark::State& state) {
    RunIds(state, {"zw", SortKey::Name, false});
}
void IdsSearchTag(benchmark::State& state) {
    RunIds(state, {"vip", SortKey::Name, false});
}
void IdsSearchNobody(benchmark::State& state) {
    RunIds(state, {"nobody", SortKey::Name, false});
}

void ListByName(benchmark::State& state) {
    Run(state, {"", SortKey::Name, false});
}
void ListByBirth(benchmark::State& state) {
    Run(state, {"", SortKey::Birth, false});
}
void ListByChanged(benchmark::State& state) {
    Run(state, {"", SortKey::Changed, true});
}
void SearchName(benchmark::State& state) {
    Run(state, {"张伟", SortKey::Name, false});
}
void SearchInitials(benchmark::State& state) {
    Run(state, {"zw", SortKey::Name, false});
}
void SearchDate(benchmark::State& state) {
    Run(state, {"1990-05", SortKey::Birth, false});
}
void SearchTag(benchmark::State& state) {
    Run(state, {"vip", SortKey::Name, false});
}
void SearchTwoWords(benchmark::State& state) {
    Run(state, {"张 客户", SortKey::Name, false});
}
void SearchNobody(benchmark::State& state) {
    Run(state, {"nobody", SortKey::Name, false});
}

void OpenStore(benchmark::State& state) {
    const fs::path path = Shared().store->Path();
    for (auto _ : state) {
        PeopleStore store(path);
        benchmark::DoNotOptimize(store.Version());
    }
}

void GetOne(benchmark::State& state) {
    PeopleStore& store = *Shared().store;
    people::PersonId id = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Get(id));
        id = id % kPeople + 1;
    }
}

BENCHMARK(IdsByName)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsByBirth)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsByChangedNewestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsSearchName)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsSearchInitials)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsSearchTag)->Unit(benchmark::kMillisecond);
BENCHMARK(IdsSearchNobody)->Unit(benchmark::kMillisecond);
BENCHMARK(ListByName)->Unit(benchmark::kMillisecond);
BENCHMARK(ListByBirth)->Unit(benchmark::kMillisecond);
BENCHMARK(ListByChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchName)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchInitials)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchDate)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchTag)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchTwoWords)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchNobody)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenStore)->Unit(benchmark::kMillisecond);
BENCHMARK(GetOne)->Unit(benchmark::kMicrosecond);

}  // namespace
