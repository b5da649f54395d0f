// The tool's own words in the language --lang chose: each group of texts is a translation
// context, its texts written in English (the source) where they are used. What programs read
// (JSON, reading files, batch lines and CSV, exit statuses) never passes through here.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <string>

// The contexts of the tool's texts in the translation files (outside the namespace, so that
// every call names the same context).

// The help and usage texts.
struct CliHelp {
    Q_DECLARE_TR_FUNCTIONS(CliHelp)
};

// Errors and notices on standard error.
struct CliMessages {
    Q_DECLARE_TR_FUNCTIONS(CliMessages)
};

// The text output of the commands: headings, labels and the sentences around the numbers.
struct CliOutput {
    Q_DECLARE_TR_FUNCTIONS(CliOutput)
};

namespace starloom::cli {

// The text as the tool writes it: UTF-8.
inline std::string Utf8(const QString &text) {
    return text.toStdString();
}

// How the text output writes numbers: the chosen language's way (a decimal comma in German),
// without group separators, so that a column of counts reads the same in every language. In
// English, and before any language is chosen, the C locale's way, which is the same on every
// system.
QLocale NumberLocale();

// `text` followed by blanks up to `width` characters (not bytes: a translation may hold
// letters of more than one byte), and one blank after a text that fills or passes it.
std::string PaddedColumn(const QString &text, int width);

} // namespace starloom::cli
