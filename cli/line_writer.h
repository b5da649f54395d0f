// One line of output written in place into a ByteBuffer: the batch's JSON and CSV writers
// put their keys, separators, numbers and texts through a pointer into room the buffer
// gave, asking for more room part by part.
#pragma once

#include "cli/byte_buffer.h"
#include "cli/shortest_double.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace starloom::cli {

// Room asked for each part of a line; a text asks for its own.
inline constexpr std::size_t kPartBytes = 1024;

class LineWriter {
public:
    explicit LineWriter(ByteBuffer &out) : m_out(out), m_at(out.room(kPartBytes)) {}

    // Room for `bytes` more from here on.
    void need(std::size_t bytes) {
        m_out.commit(m_at);
        m_at = m_out.room(bytes);
    }
    // Ends the line with `end` ("\n", "\r\n") and hands it to the buffer.
    void finish(std::string_view end) {
        put(end);
        m_out.commit(m_at);
    }

    void put(std::string_view bytes) {
        std::memcpy(m_at, bytes.data(), bytes.size());
        m_at += bytes.size();
    }
    // A literal of ours: its length is known where it is written.
    template <std::size_t N> [[gnu::always_inline]] void put(const char (&bytes)[N]) {
        std::memcpy(m_at, bytes, N - 1);
        m_at += N - 1;
    }
    void put(char c) { *m_at++ = c; }
    // The first `size` bytes of a slot the room holds whole: the slot is copied by moves of
    // a length known where it is written, and the line moves on by `size`.
    template <std::size_t Bytes>
    [[gnu::always_inline]] void putWhole(const std::array<char, Bytes> &slot, std::size_t size) {
        std::memcpy(m_at, slot.data(), Bytes);
        m_at += size;
    }

    // The shortest text that reads back as the same double; `nonFinite` for NaN and the
    // infinities.
    void number(double value, std::string_view nonFinite) {
        if (!std::isfinite(value)) {
            put(nonFinite);
            return;
        }
        m_at = WriteShortestDouble(m_at, value);
    }
    void integer(long long value) {
        m_at = std::to_chars(m_at, m_at + kShortestDoubleBytes, value).ptr;
    }
    void flag(bool value) { put(value ? std::string_view("true") : std::string_view("false")); }

protected:
    char *&at() { return m_at; }
    // The start of the buffer's bytes, which a request for room may move.
    const char *base() const { return m_out.view().data(); }

private:
    ByteBuffer &m_out;
    char *m_at;
};

// The length of the well-formed UTF-8 sequence (RFC 3629: no overlong forms, no
// surrogates, nothing past U+10FFFF) that starts `s` (with `left` bytes) with a byte of
// 0x80 or more; 0 when it is not one.
inline std::size_t Utf8SequenceLength(const unsigned char *s, std::size_t left) {
    const unsigned char c = s[0];
    std::size_t length = 0;
    unsigned char low = 0x80; // range of the second byte
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < length || s[1] < low || s[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (s[i] < 0x80 || s[i] > 0xBF)
            return 0;
    }
    return length;
}

} // namespace starloom::cli
