// Scrambled text: UTF-8 with every byte shifted, read back with a Windows-1252 fallback.
#include "shell/core/setting_text.h"

#include <array>

namespace starloom {

namespace {

// Windows-1252 in 0x80 to 0x9F, where it differs from Latin-1. The five codes that
// Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their Latin-1 control
// characters, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

char16_t FromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence that starts at bytes[at], with its code point
// in `code`, or 0 when the bytes there are not well-formed UTF-8 (overlong forms, surrogates,
// code points above U+10FFFF and cut-off sequences included). The ranges are those of the
// Unicode Standard's table of well-formed UTF-8 byte sequences (chapter 3).
int WellFormedLength(const QByteArray &bytes, qsizetype at, char32_t &code) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
    const qsizetype left = bytes.size() - at;
    const unsigned char lead = byte(0);
    int length = 0;
    unsigned char low = 0x80; // range of the second byte
    unsigned char high = 0xBF;
    if (lead <= 0x7F) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || !IsContinuation(byte(1), low, high))
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i)))
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return length;
}

} // namespace

QByteArray EncodeSettingBytes(const QString &text) {
    QByteArray bytes = text.toUtf8();
    for (char &c : bytes)
        c = static_cast<char>((static_cast<unsigned char>(c) + kSettingShift) & 0xFF);
    return bytes;
}

QString DecodeSettingBytes(const QByteArray &bytes) {
    QByteArray plain = bytes;
    for (char &c : plain)
        c = static_cast<char>((static_cast<unsigned char>(c) - kSettingShift) & 0xFF);
    QString text;
    text.reserve(plain.size());
    for (qsizetype at = 0; at < plain.size();) {
        char32_t code = 0;
        const int length = WellFormedLength(plain, at, code);
        if (length > 0) {
            text.append(QStringView(QChar::fromUcs4(code)));
            at += length;
        } else {
            text.append(QChar(FromWindows1252(static_cast<unsigned char>(plain[at]))));
            ++at;
        }
    }
    return text;
}

QString EncodeSettingText(const QString &text) {
    return QString::fromLatin1(EncodeSettingBytes(text));
}

QString DecodeSettingText(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() <= 0xFF)
            bytes.append(static_cast<char>(c.unicode()));
    }
    return DecodeSettingBytes(bytes);
}

} // namespace starloom
