// The cost of one text lookup: RunQuery of a text query plus Collect of its
// "meaning", on the built database file.
#include <benchmark/benchmark.h>

#include "Database.h"
#include "GbkCodec.h"

namespace {

void BM_TextLookup(benchmark::State& state, const char* utf8Query) {
    Connection connection;
    connection.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" KARVUTO_DB_PATH, "", "", 0);
    const std::string sql = platform::Gbk(utf8Query);
    for (auto _ : state) {
        auto rs = RunQuery(&connection, sql);
        if (!rs->IsEOF()) benchmark::DoNotOptimize(rs->Collect("meaning").ToText());
        rs->Close();
    }
}

BENCHMARK_CAPTURE(BM_TextLookup, bazi4_month, "select * from bazi4 where month = \"正月\"");
BENCHMARK_CAPTURE(BM_TextLookup, bazi2_day_pillar,
                  "select * from bazi2 where day = \"甲子\" and time =\"丙寅\"");
BENCHMARK_CAPTURE(BM_TextLookup, bazi1_total, "select * from bazi1 where Amount = 42");

}  // namespace
