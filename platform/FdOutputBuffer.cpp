// Buffered writes to a file descriptor that keep the reason of a failure.
#include "FdOutputBuffer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace platform {

FdOutputBuffer::FdOutputBuffer(int fd) noexcept : m_fd(fd) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

bool FdOutputBuffer::WriteAll(const char* data, std::size_t count) noexcept {
    if (m_error != 0) return false;
    while (count > 0) {
        const ssize_t written = ::write(m_fd, data, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return false;
        }
        if (written == 0) {  // a device that takes nothing and says nothing
            m_error = EIO;
            return false;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool FdOutputBuffer::Drain() noexcept {
    const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return ok;
}

FdOutputBuffer::int_type FdOutputBuffer::overflow(int_type ch) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

std::streamsize FdOutputBuffer::xsputn(const char* data, std::streamsize count) {
    if (m_error != 0 || count <= 0) return 0;
    const auto size = static_cast<std::size_t>(count);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (size <= room) {
        std::memcpy(pptr(), data, size);
        pbump(static_cast<int>(size));
        return count;
    }
    // Larger than the room left: what is buffered goes first, then the rest
    // straight through.
    if (!Drain() || !WriteAll(data, size)) return 0;
    return count;
}

int FdOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

void UseCheckedStandardOutput() {
    // Never destroyed: std::cout is flushed at exit, after every static
    // object is gone, and must still find its buffer.
    static FdOutputBuffer* const buffer = new FdOutputBuffer(STDOUT_FILENO);
    std::cout.flush();
    std::cout.rdbuf(buffer);
}

}  // namespace platform
