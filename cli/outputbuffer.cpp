#include "cli/outputbuffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace cli {

OutputBuffer::OutputBuffer(int fd, std::size_t capacity)
    : m_fd(fd)
    , m_data(new char[capacity])
    , m_capacity(capacity)
{
}

char* OutputBuffer::reserve(std::size_t bytes)
{
    if (m_capacity - m_size < bytes)
        flush();
    return m_data.get() + m_size;
}

void OutputBuffer::append(std::string_view text)
{
    while (!text.empty()) {
        if (m_size == m_capacity)
            flush();
        const std::size_t n = std::min(text.size(), m_capacity - m_size);
        std::memcpy(m_data.get() + m_size, text.data(), n);
        m_size += n;
        text.remove_prefix(n);
    }
}

bool OutputBuffer::flush()
{
    const char* p = m_data.get();
    std::size_t left = m_size;
    m_size = 0;
    while (left > 0 && m_error == 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0) {
            if (errno != EINTR)
                m_error = errno;
            continue;
        }
        // A zero-byte write of a non-empty block would loop forever; call it full.
        if (n == 0)
            m_error = ENOSPC;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return m_error == 0;
}

} // namespace cli
