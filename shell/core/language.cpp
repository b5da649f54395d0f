// The shipped languages and the translators that speak them.
#include "shell/core/language.h"

#include "shell/core/settings_write.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace starloom {

namespace {

const char *const kShippedCodes[] = {"en", "de", "fr", "es", "pt_BR", "it"};
// The program's texts come in four files per language: the form and shell's, the chart
// windows', those both programs show, and the command-line tool's.
const char *const kTranslationDomains[] = {"starloom", "windows", "core", "cli"};
const QString kLanguageKey = QStringLiteral("View/Language");

// "de_DE.UTF-8" and "de-DE@euro" both name the language "de" of the country "DE".
QString LanguageAndCountry(const QString &localeName) {
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

} // namespace

QStringList ShippedLanguageCodes() {
    QStringList codes;
    for (const char *code : kShippedCodes)
        codes << QLatin1String(code);
    return codes;
}

QString ShippedLanguageFor(const QString &localeName) {
    const QString name = LanguageAndCountry(localeName);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    if (language.isEmpty())
        return {};
    for (const char *code : kShippedCodes) {
        if (name.compare(QLatin1String(code), Qt::CaseInsensitive) == 0)
            return QLatin1String(code);
    }
    for (const char *code : kShippedCodes) {
        if (QString::fromLatin1(code).section(QLatin1Char('_'), 0, 0) == language)
            return QLatin1String(code);
    }
    return {};
}

QString SystemLanguage() {
    for (const QString &name : QLocale::system().uiLanguages()) {
        if (const QString code = ShippedLanguageFor(name); !code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

bool UseLanguage(const QString &code) {
    if (!ShippedLanguageCodes().contains(code))
        return false;
    // The program's translators (one per domain of texts) and Qt's own, replaced on each
    // change of language.
    static std::vector<std::unique_ptr<QTranslator>> translators;
    for (const std::unique_ptr<QTranslator> &translator : translators)
        QCoreApplication::removeTranslator(translator.get());
    translators.clear();
    // The system's language and country where it speaks the language, so that its country's
    // way of writing dates and numbers stays (Austrian German, Canadian French). The locale is
    // made from the name rather than taken as the system's own, whose month names come from
    // LC_TIME: LANGUAGE=de with LANG=C would otherwise show German texts with English months.
    const QString system = QLocale::system().name();
    const QLocale locale = ShippedLanguageFor(system) == code ? QLocale(system) : QLocale(code);
    QLocale::setDefault(locale);
    if (code == QLatin1String("en"))
        return true; // the source text
    for (const char *domain : kTranslationDomains) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/i18n/%1_%2").arg(QLatin1String(domain), code))) {
            QCoreApplication::installTranslator(program.get());
            translators.push_back(std::move(program));
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        translators.push_back(std::move(qt));
    }
    return true;
}

QString ChosenLanguage(QSettings &settings) {
    const QString code = settings.value(kLanguageKey).toString();
    return ShippedLanguageCodes().contains(code) ? code : QString();
}

Status StoreChosenLanguage(const QSettings &settings, const QString &code) {
    return WriteSettings(settings, [&code](QSettings &store) {
        if (code.isEmpty())
            store.remove(kLanguageKey);
        else
            store.setValue(kLanguageKey, code);
    });
}

QString StartLanguage(QSettings &settings) {
    const QString chosen = ChosenLanguage(settings);
    return chosen.isEmpty() ? SystemLanguage() : chosen;
}

} // namespace starloom
