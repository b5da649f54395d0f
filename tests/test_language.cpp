// The program's languages: which shipped language a locale name asks for, the translators
// that speak it, starloom-cli's texts in the language chosen, and its machine-readable output,
// the same bytes in every language.
#include "engine/tables.h"
#include "reading/atlas.h"
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
    void cliTextInTheLanguage_data();
    void cliTextInTheLanguage();
    void everyHelpInEveryLanguage();
    void cliFollowsTheSystemLanguage();
};

namespace {

// A batch file: one birth the form takes and three refused rows (a month out of range, an
// empty name, a place the atlas lacks), whose reasons the batch writes.
const QByteArray kBatchInput =
    "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,"
    "city,state,country,place\r\n"
    "Mary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England,\r\n"
    "Bob,1990,13,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England,\r\n"
    ",1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England,\r\n"
    "Eve,1990,5,1,12,0,,,,,,,,,,,,Nowhereville\r\n";

// Standard output and standard error of a run, one after the other.
QByteArray Said(const CliRun &run) {
    return run.out + run.err;
}

} // namespace

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
    // Every zone's name said in German to people, the English one kept for machine output.
    for (int position = 0; position < kZoneCount; ++position)
        QVERIFY2(ZoneEntryWord(position) != ZoneEntryName(position),
                 qPrintable(ZoneEntryName(position)));
    QCOMPARE(DescribeZone(20, true, 120),
             QStringLiteral("Mitteleuropäische Zeit mit Sommerzeit, UTC+02:00"));
    QCOMPARE(ZoneEntryName(20), QStringLiteral("Central European Time"));
    QVERIFY(UseLanguage(QStringLiteral("en")));
    QCOMPARE(DescribeZone(20, true, 120),
             QStringLiteral("Central European Time with daylight saving, UTC+02:00"));
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
        QList<QByteArray> said{json.out, json.err, QByteArray::number(json.exitCode),
                               QByteArray::number(save.exitCode),
                               act.open(QIODevice::ReadOnly) ? act.readAll() : QByteArray()};
        // The batch's lines and table, refused rows' reasons included, and the transits'
        // lines.
        const QStringList runs[] = {
            {"batch", "-", "--threads", "2"},
            {"batch", "-", "--format", "csv"},
            QStringList{"transits", "--start", "2024-01-01", "--end", "2024-01-03", "--json"} +
                birth,
            QStringList{"progressions", "--date", "2024-01-01", "--json", "--birth-date",
                        "1990-05-01"} +
                birth.mid(2)};
        for (const QStringList &args : runs) {
            const CliRun run = RunCli(QStringList{"--lang", code} + args, {}, kBatchInput);
            said << run.out << run.err << QByteArray::number(run.exitCode);
        }
        return said;
    };
    const QList<QByteArray> english = outputs(QStringLiteral("en"));
    QCOMPARE(english.at(2), QByteArray("0"));
    QVERIFY(!english.at(4).isEmpty());
    QVERIFY2(english.at(5).contains(R"({"line":3,"error":"month must be a whole number from 1 )"
                                    R"(to 12"})"),
             english.at(5).constData());
    // The zone's name is the table's English one, whatever language the tool speaks.
    QVERIFY2(english.at(0).contains(R"("name": "Greenwich Mean Time")"), english.at(0).constData());
    QCOMPARE(english.at(7), QByteArray("1"));
    QVERIFY(english.at(11).contains(R"("kind":"aspect")"));
    QVERIFY(english.at(14).contains(R"("kind": "progressions")"));
    for (const char *code : {"de", "fr", "es", "pt_BR", "it"})
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

// The tool's words in the language --lang names: its headings, labels, notices and help, its
// dates and numbers as the language writes them; as many lines as in English.
void TestLanguage::cliTextInTheLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("fragments");
    const QStringList reading = QStringList{"reading"} + MaryAnn().options;
    const QStringList moving =
        QStringList{"progressions", "--date", "2024-01-01", "--birth-date", "1990-05-01"} +
        MaryAnn().options.mid(2);
    QTest::newRow("German reading")
        << "de" << reading << QByteArray()
        << QStringList{"Geburtsdatum: 1. Mai 1990\n",
                       "Geburtszeit: 12 Uhr 0 Min.\n",
                       "Länge: 0 Grad 0 Minuten W\n",
                       "Weltzeit 1990-05-01 ",
                       " · Mittlere Greenwich-Zeit, UTC · ",
                       "\nPlanetenpositionen\n",
                       "  Haus 10\n",
                       "\nMedium Coeli und Mondknoten\n",
                       "Nordknoten  12 Was 04 (mittlerer)\n",
                       "\nHäuser (",
                       "\nAspekte\n",
                       " applikativ\n",
                       "\nDeutung\n",
                       "Verteilungsmuster nach Graden: Streuung, kein führender Planet (größter "
                       "leerer Bogen 99,9 Grad, von "};
    QTest::newRow("French reading")
        << "fr" << reading << QByteArray()
        << QStringList{QString::fromUtf8("Date de naissance\u00a0: 1 mai 1990\n"),
                       "Longitude\u00a0: 0 degrés 0 minutes O\n",
                       "\nPositions planétaires\n",
                       "  maison 10\n",
                       "Nœud Nord   12 Ver 04 (moyen)\n",
                       "\nMaisons (",
                       " séparant\n",
                       "\nInterprétation\n",
                       "(plus grand arc vide 99,9 degrés, de "};
    // The zone list by the German names, in German order.
    QTest::newRow("German zones")
        << "de" << QStringList{"zones"} << QByteArray()
        << QStringList{" 72  Afghanistan-Zeit, AFT, UTC+04:30\n  2  Alaska-Hawaii-Kriegszeit",
                       " 20  Mitteleuropäische Zeit, CET, UTC+01:00\n",
                       " 15  Britische Doppelte Sommerzeit, BDST, UTC+02:00\n",
                       "117  Mittlere Ortszeit, LMT, nach der geografischen Länge\n"};
    QTest::newRow("German help") << "de" << QStringList{"--help"} << QByteArray()
                                 << QStringList{"Aufruf: starloom-cli <Befehl> [Optionen]\n"};
    QTest::newRow("French reading help")
        << "fr" << QStringList{"reading", "--help"} << QByteArray()
        << QStringList{"Utilisation\u00a0: starloom-cli reading [--json]",
                       "\nDonnées de naissance\u00a0:\n"};
    QTest::newRow("Italian refusal") << "it" << QStringList{"reading", "--date", "1990-05-01"}
                                     << QByteArray() << QStringList{"starloom-cli: manca --time\n"};
    QTest::newRow("Spanish option out of range")
        << "es" << QStringList{"reading", "--date", "1990-13-01"} << QByteArray()
        << QStringList{"starloom-cli: --date: el mes debe ser un número entero de 1 a 12\n"};
    QTest::newRow("Brazilian progressions")
        << "pt_BR" << moving << QByteArray()
        << QStringList{"Progressões secundárias de Mary Ann para 01/01/2024 00:00 UT\n",
                       "Nascimento 01/05/1990 12:00 UT; momento progredido ",
                       "\nPonto    Natal       Progredido  na casa natal\n", " graus\n"};
    QTest::newRow("German transits")
        << "de"
        << QStringList{"transits", "--start", "2024-01-01", "--end", "2024-01-01"} +
               MaryAnn().options
        << QByteArray() << QStringList{"01.01.2024 ", " UT  "};
    QTest::newRow("French stats")
        << "fr" << QStringList{"stats", "-", "--threads", "1"} << kBatchInput
        << QStringList{"Thèmes\u00a0: 1\n",
                       "Lignes ignorées\u00a0: 3\n",
                       "effectif    part\n",
                       "100,0%\n",
                       "  Maison 10 ",
                       "starloom-cli: ligne 3\u00a0: month doit être un nombre entier de 1 à 12 "
                       "(ligne ignorée)\n",
                       "starloom-cli: ligne 4\u00a0: Veuillez saisir votre nom (ligne ignorée)\n",
                       "place\u00a0: aucun lieu nommé \"Nowhereville\" dans l’atlas"};
}

void TestLanguage::cliTextInTheLanguage() {
    QFETCH(QString, code);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fragments);
    const CliRun english = RunCli(QStringList{"--lang", "en"} + args, {}, input);
    const CliRun run = RunCli(QStringList{"--lang", code} + args, {}, input);
    QCOMPARE(run.exitCode, english.exitCode);
    QVERIFY(Said(run) != Said(english));
    QCOMPARE(run.out.count('\n'), english.out.count('\n'));
    QCOMPARE(run.err.count('\n'), english.err.count('\n'));
    for (const QString &fragment : fragments)
        QVERIFY2(Said(run).contains(fragment.toUtf8()), qPrintable(fragment + "\n" + Said(run)));
}

// Every command's help, in every language but the source's, translated line for line.
void TestLanguage::everyHelpInEveryLanguage() {
    const QStringList commands = {"",       "reading",  "open",         "save",       "export",
                                  "image",  "pdf",      "batch",        "stats",      "zones",
                                  "houses", "transits", "progressions", "directions", "synastry"};
    for (const QString &command : commands) {
        const QStringList args =
            command.isEmpty() ? QStringList{"--help"} : QStringList{command, "--help"};
        const CliRun english = RunCli(QStringList{"--lang", "en"} + args);
        QCOMPARE(english.exitCode, 0);
        for (const QString &code : ShippedLanguageCodes().mid(1)) {
            const CliRun run = RunCli(QStringList{"--lang", code} + args);
            const QByteArray what = (code + QLatin1Char(' ') + args.join(' ')).toUtf8();
            QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), what.constData());
            QVERIFY2(!run.out.startsWith("Usage:") && run.out != english.out, what.constData());
            QVERIFY2(run.out.count('\n') == english.out.count('\n'), what.constData());
        }
    }
}

// Without --lang the tool speaks the language the environment's locale names, as the desktop
// program does; --lang wins over it.
void TestLanguage::cliFollowsTheSystemLanguage() {
    const QStringList args = QStringList{"reading"} + MaryAnn().options;
    const QStringList german = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG=de_DE.UTF-8"};
    const QStringList plain = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG=C.UTF-8"};
    const CliRun english = RunCli(QStringList{"--lang", "en"} + args);
    QVERIFY(english.out.contains("\nPlanetary Positions\n"));
    QCOMPARE(RunCli(args, {}, {}, plain).out, english.out);
    QCOMPARE(RunCli(args, {}, {}, german).out, RunCli(QStringList{"--lang", "de"} + args).out);
    QVERIFY(RunCli(args, {}, {}, german).out.contains("\nPlanetenpositionen\n"));
    QCOMPARE(RunCli(QStringList{"--lang", "en"} + args, {}, {}, german).out, english.out);
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
