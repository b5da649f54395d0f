// Scrambled setting and reading-file text: bytes, round trips, line safety, old files.
#include "shell/core/setting_text.h"

#include <QRandomGenerator>
#include <QTest>

using namespace starloom;

namespace {
// Random texts drawn from every plane, fixed seed so a failure repeats.
constexpr quint32 kRandomSeed = 20261207;
constexpr int kRandomTexts = 2000;
constexpr int kRandomLength = 12; // characters per random text

QString RandomUnicodeText(QRandomGenerator &random) {
    QString text;
    for (int i = 0; i < kRandomLength; ++i) {
        char32_t code = 0;
        do {
            code = random.bounded(0x110000u);
        } while (code >= 0xD800 && code <= 0xDFFF); // surrogates are no characters
        text.append(QStringView(QChar::fromUcs4(code)));
    }
    return text;
}

bool HasLineBreak(const QByteArray &bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}
} // namespace

class TestShellText : public QObject {
    Q_OBJECT
private slots:
    void asciiShiftsEveryByte_data();
    void asciiShiftsEveryByte();
    void roundTrip_data();
    void roundTrip();
    void textFormCarriesTheBytes();
    void noLineBreakFromAnySingleCharacter();
    void noLineBreakFromRandomUnicode();
    void oldSingleByteTextReadAsWindows1252_data();
    void oldSingleByteTextReadAsWindows1252();
    void charactersAboveLatin1LeftOutOfTextForm();
};

void TestShellText::asciiShiftsEveryByte_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QByteArray>("scrambled");
    // Expected bytes worked out by hand: each ASCII code plus 17.
    QTest::newRow("True") << "True" << QByteArray("\x65\x83\x86\x76");
    QTest::newRow("False") << "False" << QByteArray("\x57\x72\x7D\x84\x76");
    QTest::newRow("negative number") << "-12" << QByteArray("\x3E\x42\x43");
    QTest::newRow("ISO date") << "2026-12-07" << QByteArray("CACG>BC>AH");
    QTest::newRow("Duration") << "Duration" << QByteArray("\x55\x86\x83\x72\x85\x7A\x80\x7F");
    QTest::newRow("tilde wraps past 127") << "~" << QByteArray("\x8F");
    QTest::newRow("blank and NUL") << QString(QChar(0)) + " " << QByteArray("\x11\x31", 2);
}

void TestShellText::asciiShiftsEveryByte() {
    QFETCH(QString, plain);
    QFETCH(QByteArray, scrambled);
    QCOMPARE(EncodeSettingBytes(plain), scrambled);
    QCOMPARE(DecodeSettingBytes(scrambled), plain);
}

void TestShellText::roundTrip_data() {
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << QString();
    QTest::newRow("Gómez") << QString::fromUtf8("Gómez");
    QTest::newRow("Müller") << QString::fromUtf8("Müller");
    QTest::newRow("Tokyo in kanji") << QString::fromUtf8("東京");
    QTest::newRow("outside the basic plane") << QString::fromUtf8("𝄞 clef");
    QTest::newRow("euro and ÿ") << QString::fromUtf8("€ ÿ");
    QTest::newRow("blanks kept") << "  San José  ";
}

void TestShellText::roundTrip() {
    QFETCH(QString, plain);
    QCOMPARE(DecodeSettingBytes(EncodeSettingBytes(plain)), plain);
    QCOMPARE(DecodeSettingText(EncodeSettingText(plain)), plain);
}

void TestShellText::textFormCarriesTheBytes() {
    // "é" is C3 A9 in UTF-8; plus 17 gives D4 BA.
    const QString text = EncodeSettingText(QString::fromUtf8("é"));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.at(0).unicode(), char16_t(0xD4));
    QCOMPARE(text.at(1).unicode(), char16_t(0xBA));
}

void TestShellText::noLineBreakFromAnySingleCharacter() {
    for (int code = 0; code <= 0xFF; ++code) {
        const QString plain{QChar(char16_t(code))};
        const QByteArray scrambled = EncodeSettingBytes(plain);
        QVERIFY2(!HasLineBreak(scrambled), qPrintable(QString::number(code, 16)));
        QCOMPARE(DecodeSettingBytes(scrambled), plain);
    }
}

void TestShellText::noLineBreakFromRandomUnicode() {
    QRandomGenerator random(kRandomSeed);
    for (int i = 0; i < kRandomTexts; ++i) {
        const QString plain = RandomUnicodeText(random);
        const QByteArray scrambled = EncodeSettingBytes(plain);
        QVERIFY(!HasLineBreak(scrambled));
        QCOMPARE(DecodeSettingBytes(scrambled), plain);
    }
}

void TestShellText::oldSingleByteTextReadAsWindows1252_data() {
    QTest::addColumn<QByteArray>("scrambled");
    QTest::addColumn<QString>("plain");
    // Bytes as the single-byte form wrote them (Windows-1252 code plus 17); the characters
    // are those of the Windows-1252 code chart.
    QTest::newRow("0x80 euro") << QByteArray("\x91") << QString::fromUtf8("€");
    QTest::newRow("0xE9 e acute") << QByteArray("\xFA") << QString::fromUtf8("é");
    QTest::newRow("0x9F Y diaeresis") << QByteArray("\xB0") << QString::fromUtf8("Ÿ");
    QTest::newRow("0x8D unassigned stays a control")
        << QByteArray("\x9E") << QString(QChar(char16_t(0x8D)));
    QTest::newRow("José, old file") << QByteArray("\x5B\x80\x84\xFA") << QString::fromUtf8("José");
    // E6 9D is the start of a three-byte character cut short before "A".
    QTest::newRow("cut-off sequence, byte by byte")
        << QByteArray("\xF7\xAE\x52") << QString::fromUtf8("æ") + QChar(char16_t(0x9D)) + "A";
    // C0 AF would be an overlong "/", which UTF-8 forbids.
    QTest::newRow("overlong form refused") << QByteArray("\xD1\xC0") << QString::fromUtf8("À¯");
    // ED A0 80 would be a surrogate.
    QTest::newRow("surrogate refused")
        << QByteArray("\xFE\xB1\x91") << QString::fromUtf8("í") + QChar(char16_t(0xA0)) + "€";
}

void TestShellText::oldSingleByteTextReadAsWindows1252() {
    QFETCH(QByteArray, scrambled);
    QFETCH(QString, plain);
    QCOMPARE(DecodeSettingBytes(scrambled), plain);
}

void TestShellText::charactersAboveLatin1LeftOutOfTextForm() {
    // "e" + 17 = "v"; the kanji cannot be a scrambled byte.
    QCOMPARE(DecodeSettingText(QString::fromUtf8("v東v")), QStringLiteral("ee"));
}

QTEST_GUILESS_MAIN(TestShellText)
#include "test_shell_text.moc"
