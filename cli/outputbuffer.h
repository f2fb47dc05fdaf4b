// Large-block output straight to a file descriptor, with write errors kept.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace cli {

class OutputBuffer {
public:
    OutputBuffer(int fd, std::size_t capacity);

    // Room for at least `bytes` more bytes; write there, then commit the end.
    char* reserve(std::size_t bytes);
    void commit(char* end) { m_size = static_cast<std::size_t>(end - m_data.get()); }
    void append(std::string_view text);

    // Writes out what is buffered. After a failed write everything later is
    // dropped; error() tells the errno of the first failure (0: none).
    bool flush();
    int error() const { return m_error; }

private:
    int m_fd = -1;
    std::unique_ptr<char[]> m_data;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
    int m_error = 0;
};

} // namespace cli
