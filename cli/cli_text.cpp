#include "cli/cli_text.h"

namespace starloom::cli {

QLocale NumberLocale() {
    QLocale locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

std::string PaddedColumn(const QString &text, int width) {
    return Utf8(text.size() >= width ? text + QLatin1Char(' ') : text.leftJustified(width));
}

} // namespace starloom::cli
