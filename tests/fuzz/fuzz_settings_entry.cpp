// libFuzzer target: the reminder's date as the settings store gives it back. The input's
// bytes are the stored characters (U+0000 to U+00FF, as the scrambled store holds them);
// they are unscrambled and read as a date in the ISO form and in the short date forms of a
// few locales, and the day difference the reminder works out is taken.
#include "shell/core/setting_text.h"
#include "shell/update_reminder.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const QLocale kLocales[] = {
        QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Japanese, QLocale::Japan)};
    const QDate today(2026, 12, 7);
    const QString stored =
        QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = starloom::DecodeSettingText(stored);
    for (const QLocale &locale : kLocales) {
        const QDate last = starloom::ReadReminderDate(text, today, locale);
        if (last.isValid())
            static_cast<void>(today.daysTo(last));
    }
    // The same text scrambled again must come back unchanged.
    if (starloom::DecodeSettingText(starloom::EncodeSettingText(text)) != text)
        __builtin_trap();
    return 0;
}
