// The update reminder.
#include "shell/update_reminder.h"

#include "shell/core/setting_text.h"
#include "shell/core/settings_write.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

#include <cmath>

namespace starloom {

namespace {

constexpr int kYearsPerCentury = 100;

// The entry's full key. Its name is scrambled every time it is used, so the plain word
// never appears in the store.
QString DurationKey() {
    return kSettingsSection + QLatin1Char('/') + EncodeSettingText(kDurationEntry);
}

// A date that cannot be kept is reported; the reminder then comes again at the next start.
void StoreToday(QSettings &settings, QDate today, const ShellServices &services) {
    const Status written = WriteSettings(settings, [today](QSettings &store) {
        store.setValue(DurationKey(), EncodeSettingText(today.toString(Qt::ISODate)));
    });
    ShowStatus(*services.dialogs, nullptr, written);
}

} // namespace

QDate ReadReminderDate(const QString &text, QDate today, const QLocale &locale) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(trimmed, format);
    if (date.isValid() && !format.contains(QStringLiteral("yyyy"))) {
        // A two-digit year is read as 19yy; move it to the century nearest today.
        const auto centuries =
            int(std::lround(double(today.year() - date.year()) / kYearsPerCentury));
        date = date.addYears(centuries * kYearsPerCentury);
    }
    return date;
}

void CheckUpdateReminder(QSettings &settings, const ShellServices &services) {
    const QDate today = services.clock->today();
    const QVariant value = settings.value(DurationKey());
    // A value that is there but is no text (a list, a rectangle, a variant that no longer
    // loads) is not a date either: it is left as it is, not taken for a first start.
    const int type = value.typeId();
    if (settings.contains(DurationKey()) && type != QMetaType::QString &&
        type != QMetaType::QByteArray)
        return;
    const QString stored = DecodeSettingText(value.toString());
    if (stored.isEmpty()) {
        StoreToday(settings, today, services);
        return;
    }
    const QDate last = ReadReminderDate(stored, today);
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -kReminderQuietDays && days <= kReminderQuietDays)
        return;
    const MessageAnswer answer = services.dialogs->showMessage(
        nullptr, kProgramTitle,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available") +
            QChar(u'\r') +
            QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    StoreToday(settings, today, services);
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage(*services.links);
}

} // namespace starloom
