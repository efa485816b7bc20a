#include "apps/cli/StdoutBuffer.h"

#include <unistd.h>

#include <cerrno>

CStdoutBuffer::CStdoutBuffer() {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

CStdoutBuffer::~CStdoutBuffer() {
    Drain();
}

bool CStdoutBuffer::Drain() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && m_error == 0) {
        const ssize_t count = ::write(STDOUT_FILENO, data, left);
        if (count < 0 && errno != EINTR) {
            m_error = errno;
        } else if (count > 0) {
            data += count;
            left -= static_cast<std::size_t>(count);
        }
    }
    // What could not be written is dropped; the error stands.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

CStdoutBuffer::int_type CStdoutBuffer::overflow(int_type ch) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

int CStdoutBuffer::sync() {
    return Drain() ? 0 : -1;
}
