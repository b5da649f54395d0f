// The program's languages: which shipped language a locale name asks for, the translators
// that speak it, and starloom-cli's machine-readable output, the same bytes in every language.
#include "reading/form_values.h"
#include "shell/core/language.h"
#include "shell/core/status_text.h"
#include "test_cli_support.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

using namespace starloom;
using namespace starloom::clitest;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void shippedLanguageFor_data();
    void shippedLanguageFor();
    void useLanguage();
    void machineOutputIsTheSameInEveryLanguage();
    void unknownLanguageRefused();
};

void TestLanguage::shippedLanguageFor_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("German of Germany, UTF-8") << "de_DE.UTF-8"
                                              << "de";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de";
    QTest::newRow("Brazilian, BCP 47") << "pt-BR"
                                       << "pt_BR";
    QTest::newRow("Portuguese of Portugal") << "pt_PT.UTF-8"
                                            << "pt_BR";
    QTest::newRow("Canadian French") << "fr_CA"
                                     << "fr";
    QTest::newRow("Spanish with modifier") << "es_ES@euro"
                                           << "es";
    QTest::newRow("Italian alone") << "it"
                                   << "it";
    QTest::newRow("British English") << "en_GB.UTF-8"
                                     << "en";
    QTest::newRow("Dutch not shipped") << "nl_NL.UTF-8"
                                       << "";
    QTest::newRow("the C locale") << "C"
                                  << "";
    QTest::newRow("nothing") << ""
                             << "";
}

void TestLanguage::shippedLanguageFor() {
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(ShippedLanguageFor(name), code);
}

void TestLanguage::useLanguage() {
    QVERIFY(!UseLanguage(QStringLiteral("nl")));
    QVERIFY(UseLanguage(QStringLiteral("fr")));
    QCOMPARE(QLocale().language(), QLocale::French);
    // Qt's own standard buttons speak the language too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    // The program's own texts, and the checks' messages as a window shows them.
    QVERIFY(UseLanguage(QStringLiteral("de")));
    QCOMPARE(QCoreApplication::translate("starloom::BirthForm", "Daylight Saving Time"),
             QStringLiteral("Sommerzeit"));
    const Status refusal = CheckFormValues(FormValues{});
    QCOMPARE(refusal.reason, std::string("Please Enter Your Name"));
    QCOMPARE(StatusMessage(refusal), QStringLiteral("Bitte geben Sie Ihren Namen ein"));
    QCOMPARE(QLocale().standaloneMonthName(3), QStringLiteral("März"));
    QVERIFY(UseLanguage(QStringLiteral("en")));
    QCOMPARE(QLocale().language(), QLocale::English);
    QCOMPARE(StatusMessage(refusal), QStringLiteral("Please Enter Your Name"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// JSON, the reading file and the batch are read by programs: the language never reaches them.
void TestLanguage::machineOutputIsTheSameInEveryLanguage() {
    QTemporaryDir dir;
    const QStringList birth = MaryAnn().options;
    auto outputs = [&](const QString &code) {
        const QString file = dir.filePath(code + QStringLiteral(".act"));
        const CliRun json = RunCli(QStringList{"--lang", code, "reading", "--json"} + birth);
        const CliRun save = RunCli(QStringList{"save", file, "--lang", code} + birth);
        QFile act(file);
        return QList<QByteArray>{json.out, json.err, QByteArray::number(json.exitCode),
                                 QByteArray::number(save.exitCode),
                                 act.open(QIODevice::ReadOnly) ? act.readAll() : QByteArray()};
    };
    const QList<QByteArray> english = outputs(QStringLiteral("en"));
    QCOMPARE(english.at(2), QByteArray("0"));
    QVERIFY(!english.at(4).isEmpty());
    for (const char *code : {"de", "fr", "pt_BR"})
        QCOMPARE(outputs(QLatin1String(code)), english);
}

void TestLanguage::unknownLanguageRefused() {
    for (const QStringList &args : {QStringList{"--lang", "xx", "zones"}, QStringList{"--lang"}}) {
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("(shipped: en, de, fr, es, pt_BR, it)"), run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
