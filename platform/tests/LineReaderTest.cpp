#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "LineReader.h"

using platform::LineReader;

namespace {

struct Line {
    std::string text;
    std::size_t unread;
    bool operator==(const Line&) const = default;
};

std::vector<Line> ReadAll(const std::string& input, std::size_t maxBytes) {
    std::istringstream in(input);
    LineReader reader(in, maxBytes);
    std::vector<Line> lines;
    std::string_view line;
    std::size_t unread = 0;
    while (reader.Next(line, unread)) lines.push_back({std::string(line), unread});
    return lines;
}

}  // namespace

TEST(LineReader, KeepsAtMostTheBoundAndSkipsTheRest) {
    struct Case {
        const char* name;
        std::string input;
        std::vector<Line> lines;
    } const cases[] = {
        {"empty input", "", {}},
        {"one line without a line feed", "abc", {{"abc", 0}}},
        {"empty lines count", "\n\nx\n", {{"", 0}, {"", 0}, {"x", 0}}},
        {"exactly the bound, then a line feed", "abcd\nz", {{"abcd", 0}, {"z", 0}}},
        {"exactly the bound at the end", "abcd", {{"abcd", 0}}},
        {"one over the bound", "abcde\nz\n", {{"abcd", 1}, {"z", 0}}},
        {"far over the bound, at the end", "abcdefghij", {{"abcd", 6}}},
        {"a carriage return is content", "ab\r\n", {{"ab\r", 0}}},
        {"a zero byte is content", std::string("a\0b\n", 4), {{std::string("a\0b", 3), 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadAll(c.input, 4), c.lines);
    }
}

// A line of many megabytes is read past, and the line after it is whole.
TEST(LineReader, AHugeLineDoesNotStopTheNext) {
    const std::string huge(8 << 20, 'x');
    const auto lines = ReadAll(huge + "\nsolar 2000-01-01\n", 4096);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text.size(), 4096u);
    EXPECT_EQ(lines[0].unread, huge.size() - 4096);
    EXPECT_EQ(lines[1], (Line{"solar 2000-01-01", 0}));
}
