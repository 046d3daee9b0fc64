#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <sstream>
#include <string>

#include "FdOutputBuffer.h"
#include "TerminalText.h"

using namespace platform;

TEST(TerminalText, EscapesWhatIsNotPrintableUtf8) {
    struct Case {
        const char* name;
        std::string in;
        std::string out;
    } const cases[] = {
        {"printable ASCII and Chinese pass", "solar 甲子 ~", "solar 甲子 ~"},
        {"tab, CR, LF", "a\tb\rc\n", "a\\tb\\rc\\n"},
        {"backslash doubles, so escapes stay unambiguous", "a\\x41", "a\\\\x41"},
        {"NUL inside", std::string("a\0b", 3), "a\\x00b"},
        {"escape sequence and DEL", "\x1B[2J\x7F", "\\x1B[2J\\x7F"},
        {"C1 control U+009B", "x\xC2\x9By", "x\\xC2\\x9By"},
        {"stray continuation byte", "\x80z", "\\x80z"},
        {"invalid lead byte", "\xFF\xFE", "\\xFF\\xFE"},
        {"overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"truncated sequence at the end", "ab\xE7\x94", "ab\\xE7\\x94"},
        {"four-byte character passes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"GBK bytes are not UTF-8", "\xBC\xD7", "\\xBC\\xD7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EscapeForTerminal(c.in), c.out);
    }
}

TEST(TerminalText, KeepsLineFeedsWhenAsked) {
    EXPECT_EQ(EscapeForTerminal("一\n二\r\n\x07", 100, LineFeeds::kKeep), "一\n二\\r\n\\x07");
}

TEST(TerminalText, CutsLongTextOnACharacterBoundary) {
    // A megabyte line is cut, and says how much was left out.
    const std::string huge(1 << 20, 'x');
    const std::string cut = EscapeForTerminal(huge);
    EXPECT_EQ(cut, std::string(kEchoLimit, 'x') + "...(" + std::to_string(huge.size() - kEchoLimit) +
                       " more bytes)");
    // 甲 is three bytes: a limit of 4 keeps one character, never half of the second.
    EXPECT_EQ(EscapeForTerminal("甲乙", 4), "甲...(3 more bytes)");
    EXPECT_EQ(EscapeForTerminal("甲乙", 6), "甲乙");
    EXPECT_EQ(EscapeForTerminal("", 0), "");
}

// The echo of input counts what was never read in its cut notice.
TEST(TerminalText, EchoCountsUnreadBytes) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t unread;
        std::string echo;
    } const cases[] = {
        {"short, all read", "solar\x01", 0, "solar\\x01"},
        {"short, rest unread", "solar", 7, "solar...(7 more bytes)"},
        {"cut and unread", std::string(kEchoLimit + 5, 'q'), 10,
         std::string(kEchoLimit, 'q') + "...(15 more bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Echo(c.text, c.unread), c.echo);
    }
}

TEST(TerminalText, DropsOnlyALeadingByteOrderMark) {
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFsolar 2000-01-01"), "solar 2000-01-01");
    EXPECT_EQ(WithoutByteOrderMark("solar\xEF\xBB\xBF"), "solar\xEF\xBB\xBF");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
    EXPECT_EQ(WithoutByteOrderMark(""), "");
}

namespace {
// A device that refuses every byte, like a full disk.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};
}  // namespace

TEST(TerminalText, ReportsAnOutputThatWasLost) {
    FullBuffer full;
    std::ostream out(&full);
    out << "the reading\n";
    std::ostringstream err;
    EXPECT_FALSE(FlushOrReport(out, err, "karvuto-x", "the output"));
    EXPECT_EQ(err.str().rfind("karvuto-x: cannot write the output", 0), 0u) << err.str();

    std::ostringstream good;
    good << "fine\n";
    std::ostringstream quiet;
    EXPECT_TRUE(FlushOrReport(good, quiet, "karvuto-x", "the output"));
    EXPECT_EQ(quiet.str(), "");
}

// Output past the stream's buffer fails inside a write long before the final
// flush; the reason of that write is still the one reported.
TEST(TerminalText, TheReasonOfAnEarlierFailedWriteIsKept) {
    const int fd = open("/dev/full", O_WRONLY);
    ASSERT_GE(fd, 0);
    FdOutputBuffer full(fd);
    std::ostream out(&full);
    const std::string line(99, 'x');
    for (int i = 0; i < 2000 && out; ++i) out << line << '\n';  // 200 KB, far past the buffer
    EXPECT_FALSE(out.good());
    errno = 0;  // whatever happened since
    std::ostringstream err;
    EXPECT_FALSE(FlushOrReport(out, err, "karvuto-x", "the answers"));
    EXPECT_EQ(err.str(), "karvuto-x: cannot write the answers: No space left on device\n");
    close(fd);

    // A closed descriptor, failing at the flush itself.
    FdOutputBuffer closed(fd);
    std::ostream gone(&closed);
    gone << "x";
    std::ostringstream err2;
    EXPECT_FALSE(FlushOrReport(gone, err2, "karvuto-x", "the help"));
    EXPECT_EQ(err2.str(), "karvuto-x: cannot write the help: Bad file descriptor\n");
}

TEST(TerminalText, FdOutputBufferWritesEveryByteInOrder) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    std::string expected;
    {
        FdOutputBuffer buffer(pipeFds[1]);
        std::ostream out(&buffer);
        // Small pieces, then one larger than the buffer, then small again.
        for (int i = 0; i < 100; ++i) {
            out << i << ',';
            expected += std::to_string(i) + ',';
        }
        const std::string big(40000, 'b');
        out << big << "end";
        expected += big + "end";
        ASSERT_TRUE(FlushOrReport(out, std::cerr, "karvuto-x", "the test"));
        EXPECT_EQ(buffer.Error(), 0);
    }
    close(pipeFds[1]);
    std::string read;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;)
        read.append(chunk, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    EXPECT_EQ(read, expected);
}
