// The terminal calendar's answers: one table of queries and their lines, and
// the stream loop's ordering, skipping and exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "CalQuery.h"
#include "TerminalText.h"

namespace {

struct Case {
    const char* query;
    cal::QueryStatus status;
    const char* line;
};

using cal::QueryStatus;

const Case kCases[] = {
    {"solar 2000-01-01 12", QueryStatus::kOk,
     "2000-01-01\t1999\t11\t25\t0\t12\t己卯丙子戊午戊午\t兔(己卯)年   十一月廿五\t午时\t摩羯座"},
    {"solar 1975-01-01", QueryStatus::kOk,
     "1975-01-01\t1974\t11\t19\t0\t0\t甲寅丙子丁未庚子\t虎(甲寅)年   十一月十九\t子时\t摩羯座"},
    {"lunar 2020-04-01 0 --leap", QueryStatus::kOk,
     "2020-05-23\t2020\t4\t1\t1\t0\t庚子辛巳丙寅戊子\t鼠(庚子)年 闰四月初一\t子时\t双子座"},
    // 23:00 is 晚子时: the 丙 day keeps its pillar, the 子 hour takes the 丁 day's 庚子.
    {"lunar 2020-04-01 --leap 23", QueryStatus::kOk,
     "2020-05-23\t2020\t4\t1\t1\t23\t庚子辛巳丙寅庚子\t鼠(庚子)年 闰四月初一\t子时\t双子座"},
    // 立春 2024 at 16:27:08: the hour is taken at 16:00, before it.
    {"solar 2024-02-04 16", QueryStatus::kOk,
     "2024-02-04\t2023\t12\t25\t0\t16\t癸卯乙丑戊戌庚申\t兔(癸卯)年   腊月廿五\t申时\t水瓶座"},
    {"  solar\t2026-12-08  9 \r", QueryStatus::kOk,
     "2026-12-08\t2026\t10\t30\t0\t9\t丙午庚子丙辰癸巳\t马(丙午)年   十月三十\t巳时\t射手座"},
    {"solar 2050-01-22", QueryStatus::kOk,
     "2050-01-22\t2049\t12\t29\t0\t0\t己巳丁丑壬寅庚子\t蛇(己巳)年   腊月廿九\t子时\t水瓶座"},
    {"solar 2050-01-23", QueryStatus::kOk,
     "2050-01-23\t2050\t1\t1\t0\t0\t己巳丁丑癸卯壬子\t马(庚午)年   正月初一\t子时\t水瓶座"},
    {"solar 2100-12-31 23", QueryStatus::kOk,
     "2100-12-31\t2100\t12\t1\t0\t23\t庚申戊子丁未壬子\t猴(庚申)年   腊月初一\t子时\t摩羯座"},
    {"solar 2101-01-01", QueryStatus::kInvalid, "2101-01-01\tINVALID"},
    {"solar 1900-01-30 5", QueryStatus::kInvalid, "1900-01-30\tINVALID"},
    {"solar 1975-02-31", QueryStatus::kInvalid, "1975-02-31\tINVALID"},
    {"solar 2000-2-29", QueryStatus::kOk,
     "2000-02-29\t2000\t1\t25\t0\t0\t庚辰戊寅丁巳庚子\t龙(庚辰)年   正月廿五\t子时\t双鱼座"},
    {"lunar 1999-02-30", QueryStatus::kInvalid, "1999-02-30\tINVALID"},
    {"lunar 1975-03-01 --leap", QueryStatus::kInvalid, "1975-03-01\tINVALID"},
    {"lunar 1900-01-01", QueryStatus::kOk,
     "1900-01-31\t1900\t1\t1\t0\t0\t己亥丁丑甲辰甲子\t鼠(庚子)年   正月初一\t子时\t水瓶座"},
    {"lunar 1899-12-01", QueryStatus::kInvalid, "1899-12-01\tINVALID"},
    {"solar 2000-13-01", QueryStatus::kError, "solar 2000-13-01\tERROR"},
    {"solar 2000-01-32", QueryStatus::kError, "solar 2000-01-32\tERROR"},
    {"solar 2000-01-00", QueryStatus::kError, "solar 2000-01-00\tERROR"},
    {"solar 2000-01-01 24", QueryStatus::kError, "solar 2000-01-01 24\tERROR"},
    {"solar 2000-01-01 -1", QueryStatus::kError, "solar 2000-01-01 -1\tERROR"},
    {"solar 2000-01-01 1 2", QueryStatus::kError, "solar 2000-01-01 1 2\tERROR"},
    {"solar 2000-01-01 --leap", QueryStatus::kError, "solar 2000-01-01 --leap\tERROR"},
    {"lunar 2020-04-01 --leap --leap", QueryStatus::kError, "lunar 2020-04-01 --leap --leap\tERROR"},
    {"solar 20000-01-01", QueryStatus::kError, "solar 20000-01-01\tERROR"},
    {"solar 2000/01/01", QueryStatus::kError, "solar 2000/01/01\tERROR"},
    {"solar 2000-01-01x", QueryStatus::kError, "solar 2000-01-01x\tERROR"},
    {"solar", QueryStatus::kError, "solar\tERROR"},
    {"gregorian 2000-01-01", QueryStatus::kError, "gregorian 2000-01-01\tERROR"},
};

TEST(CalQuery, AnswersEveryKindOfQuery) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.query);
        const cal::QueryResult r = cal::RunQuery(c.query);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.line, c.line);
        EXPECT_EQ(r.message.empty(), c.status != QueryStatus::kError);
    }
}

TEST(CalQuery, StreamKeepsOneLinePerQueryInOrder) {
    std::istringstream in(
        "solar 2000-01-01 12\n\n   \nbogus line\nsolar 2101-01-01\r\nlunar 2020-04-01 0 --leap");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), 2);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find('\n')), cal::RunQuery("solar 2000-01-01 12").line);
    EXPECT_NE(text.find("\nbogus line\tERROR\n2101-01-01\tINVALID\n2020-05-23\t"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_NE(err.str().find("line 4"), std::string::npos) << err.str();
}

TEST(CalQuery, InvalidDatesDoNotChangeTheExitStatus) {
    std::istringstream in("solar 1900-01-01\nlunar 1999-02-30\n");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), 0);
    EXPECT_EQ(out.str(), "1900-01-01\tINVALID\n1999-02-30\tINVALID\n");
    EXPECT_EQ(err.str(), "");
}

// What a malformed line echoes is escaped and cut, on both streams.
TEST(CalQuery, EchoesOfMalformedLinesAreSafeForATerminal) {
    const std::string nasty = std::string("solar\x1B[2J \0\xFF", 12) + "\t\x07";
    const cal::QueryResult r = cal::RunQuery(nasty);
    EXPECT_EQ(r.status, QueryStatus::kError);
    EXPECT_EQ(r.line, "solar\\x1B[2J \\x00\\xFF\\t\\x07\tERROR");
    EXPECT_EQ(r.message, "unknown query \"solar\\x1B[2J\" (expected solar, lunar, terms or pillars)");

    const std::string huge = "solar " + std::string(1 << 20, '9');
    std::istringstream in(huge + "\n");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), cal::kExitMalformed);
    EXPECT_LT(out.str().size(), 300u);
    EXPECT_LT(err.str().size(), 500u);
    EXPECT_NE(out.str().find("more bytes)\tERROR\n"), std::string::npos);
    for (const std::string& text : {out.str(), err.str()})
        EXPECT_EQ(text.find_first_of(std::string("\0\x1B\xFF", 3)), std::string::npos);
}

// Every kind of query echoes a malformed one through the same routine:
// escaped, cut at 200 bytes, on the output line and in the message alike.
TEST(CalQuery, EveryQueryKindEchoesThroughOneRoutine) {
    const std::string nasty = std::string("\x1B[2J\0\xFF\xC2\x9B", 8) + std::string(5000, 'z');
    const std::string kinds[] = {"solar", "lunar", "terms", "terms 2024", "gregorian", ""};
    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind);
        const std::string query = kind + (kind.empty() ? "" : " ") + nasty;
        const cal::QueryResult r = cal::RunQuery(query);
        EXPECT_EQ(r.status, QueryStatus::kError);
        EXPECT_EQ(r.line, platform::Echo(query) + "\tERROR");
        EXPECT_LT(r.line.size(), 300u);
        EXPECT_LT(r.message.size(), 200u);
        for (const std::string& text : {r.line, r.message})
            EXPECT_EQ(text.find_first_of(std::string("\0\x1B\xFF\x9B", 4)), std::string::npos) << text;
    }
}

// An over-long line is refused with the usual echo, its whole length counted,
// and the lines after it are answered.
TEST(CalQuery, AnOverLongLineIsRefusedAndTheNextStillWork) {
    const std::string huge = "solar 2000-01-01 " + std::string(8 << 20, '1');
    std::istringstream in("solar 2000-01-01 12\n" + huge + "\nsolar 2000-01-01 12\n");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), cal::kExitMalformed);
    const std::string good = cal::RunQuery("solar 2000-01-01 12").line;
    const std::string echo =
        platform::Echo(huge.substr(0, cal::kMaxQueryLineBytes), huge.size() - cal::kMaxQueryLineBytes);
    EXPECT_EQ(out.str(), good + "\n" + echo + "\tERROR\n" + good + "\n");
    EXPECT_NE(echo.find("...(" + std::to_string(huge.size() - platform::kEchoLimit) + " more bytes)"),
              std::string::npos);
    EXPECT_EQ(err.str(), "karvuto-cal: line 2: the line is longer than 4096 bytes: " + echo + "\n");
}

TEST(CalQuery, ByteOrderMarkBeforeTheFirstQueryIsIgnored) {
    std::istringstream in("\xEF\xBB\xBFsolar 2000-01-01 12\n\xEF\xBB\xBFsolar 2000-01-01\n");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), cal::kExitMalformed);  // only the first is dropped
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), cal::RunQuery("solar 2000-01-01 12").line);
    EXPECT_NE(err.str().find("line 2"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("line 1"), std::string::npos) << err.str();
}

// Counts the flushes reaching the device.
class CountingBuffer : public std::stringbuf {
public:
    int syncs = 0;

protected:
    int sync() override {
        ++syncs;
        return std::stringbuf::sync();
    }
};

// A device that refuses every byte, like a full disk.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// Standard input is tied to standard output: a batch run must not flush on
// every line read, a person at a terminal sees each answer at once.
TEST(CalQuery, FlushesPerLineOnlyForAPersonAtATerminal) {
    const std::string queries = "solar 2000-01-01\nsolar 2000-01-02\nsolar 2000-01-03\nsolar 2000-01-04\n";
    for (const bool interactive : {false, true}) {
        SCOPED_TRACE(interactive ? "interactive" : "batch");
        CountingBuffer device;
        std::ostream out(&device);
        std::istringstream in(queries);
        in.tie(&out);
        std::ostringstream err;
        EXPECT_EQ(cal::RunStream(in, out, err, interactive), 0);
        const std::string written = device.str();
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4);
        if (interactive)
            EXPECT_GE(device.syncs, 4);
        else
            EXPECT_EQ(device.syncs, 1);  // the final flush
        EXPECT_EQ(in.tie(), &out);       // the caller's tie is given back
    }
}

TEST(CalQuery, LostOutputIsReportedAndFailsTheRun) {
    FullBuffer full;
    std::ostream out(&full);
    std::istringstream in("solar 2000-01-01\nbogus\n");
    std::ostringstream err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), cal::kExitOutputLost);
    EXPECT_NE(err.str().find("karvuto-cal: cannot write the answers"), std::string::npos) << err.str();
}

}  // namespace
