// Bytes for an output, written in place: a writer asks for room, writes into it through a
// pointer and says where it stopped. Unlike a std::string, growing it never fills the new
// room first, and the room is kept when the buffer is emptied for the next chunk of rows.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace starloom::cli {

class ByteBuffer {
public:
    // Room for `bytes` more after what is held; the pointer stays valid until the next
    // call of room() or append().
    char *room(std::size_t bytes) {
        if (m_size + bytes > m_capacity)
            grow(m_size + bytes);
        return m_data.get() + m_size;
    }
    // Everything up to `end` (inside the last room given) is now held.
    void commit(const char *end) { m_size = static_cast<std::size_t>(end - m_data.get()); }
    void append(std::string_view bytes) {
        char *at = room(bytes.size());
        std::memcpy(at, bytes.data(), bytes.size());
        m_size += bytes.size();
    }
    void clear() { m_size = 0; }
    std::size_t size() const { return m_size; }
    std::string_view view() const { return {m_data.get(), m_size}; }

private:
    void grow(std::size_t least) {
        const std::size_t capacity = std::max(least, 2 * m_capacity);
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0)
            std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace starloom::cli
