// The scrambling of the reading file's lines and of the settings entry.
//
// Text is written as UTF-8 and every byte is raised by kSettingShift, wrapping at 256, so no
// character is ever lost. Reading lowers every byte by the same shift; a run of bytes that is
// not UTF-8 after the shift is taken as Windows-1252, which reads files written by the older
// single-byte form. For plain ASCII both forms give the same bytes.
//
// With a shift of 17 no encoded byte is ever CR or LF: those would come from 0xFC and 0xF9,
// and neither byte ever occurs in UTF-8. A scrambled line therefore stays one line.
#pragma once

#include <QByteArray>
#include <QString>

namespace starloom {

constexpr int kSettingShift = 17; // added to every byte, modulo 256

// The scrambled bytes of a text, for files.
QByteArray EncodeSettingBytes(const QString &text);
// The text of scrambled bytes; never fails.
QString DecodeSettingBytes(const QByteArray &bytes);

// The same scrambling for the settings store: the scrambled bytes carried as the characters
// U+0000 to U+00FF.
QString EncodeSettingText(const QString &text);
// The reverse of EncodeSettingText. Characters above U+00FF cannot come from it and are
// left out.
QString DecodeSettingText(const QString &text);

} // namespace starloom
