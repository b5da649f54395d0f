// Marks a text the program shows to people so that Qt's lupdate collects it for the
// translators, without bringing Qt into code that must build without it.
//
// STARLOOM_TEXT_NOOP(context, text) is the text itself: the English table stays the
// program's own text, byte for byte. The reading library looks the same text up in
// `context` at the moment it shows it (QCoreApplication::translate); lupdate is told to
// read the macro as QT_TRANSLATE_NOOP.
#pragma once

#define STARLOOM_TEXT_NOOP(context, text) text
