// An output stream buffer over a file descriptor that remembers why its first
// write failed. The standard streams forget it: once a write fails the stream
// is bad, later flushes do nothing, and errno has long moved on by the time
// the program reports the loss (a full disk, a closed pipe).
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace platform {

class FdOutputBuffer : public std::streambuf {
public:
    // Writes to `fd`, which stays open (and owned by the caller) after this
    // buffer is gone. Nothing is flushed on destruction: the owner flushes.
    explicit FdOutputBuffer(int fd) noexcept;
    FdOutputBuffer(const FdOutputBuffer&) = delete;
    FdOutputBuffer& operator=(const FdOutputBuffer&) = delete;

    // The errno of the first failed write, 0 while every write succeeded.
    // After a failure nothing more is written: what follows would be out of
    // order with what was lost.
    int Error() const noexcept { return m_error; }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

private:
    // Writes `count` bytes, resuming after interruptions and short writes.
    bool WriteAll(const char* data, std::size_t count) noexcept;
    bool Drain() noexcept;

    static constexpr std::size_t kBufferBytes = 16 * 1024;
    int m_fd;
    int m_error = 0;
    std::array<char, kBufferBytes> m_buffer{};
};

// Makes std::cout write through an FdOutputBuffer on standard output, so that
// FlushOrReport can name the reason of a lost answer. Call once, first thing
// in main(), before anything is written; the buffer lives to the end of the
// process (the standard streams are flushed after every static is gone).
void UseCheckedStandardOutput();

}  // namespace platform
