// The astrological words and interpretation texts in the reader's language: in English
// they are the engine's and the classifier's own texts byte for byte, every placeholder of a
// translated sentence is filled, and a few German words are those German astrologers use.
#include "engine/tables.h"
#include "engine/transits.h"
#include "reading/chart_words.h"
#include "shell/core/language.h"

#include <QTest>

using namespace starloom;

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every leading planet a shape can name: none, each planet alone, and for a Bucket each
// pair of them; for every shape, so that each of the sentences is reached.
std::vector<DegreeShape> EveryLeadership() {
    std::vector<DegreeShape> shapes;
    for (int pattern = 0; pattern < kDegreePatternCount; ++pattern) {
        DegreeShape shape;
        shape.Pattern = static_cast<DegreePattern>(pattern);
        shapes.push_back(shape);
        for (int first = 0; first < kPlanetCount; ++first) {
            shape.Leading = {first, -1};
            shape.LeadingCount = 1;
            shapes.push_back(shape);
            // Only a Bucket's handle is ever a pair.
            for (int second = 0; second < kPlanetCount; ++second) {
                if (second == first || shape.Pattern != DegreePattern::Bucket)
                    continue;
                shape.Leading = {first, second};
                shape.LeadingCount = 2;
                shapes.push_back(shape);
            }
        }
    }
    return shapes;
}

} // namespace

class TestChartWords : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(UseLanguage(QStringLiteral("en"))); }
    void englishIsTheEngines_data();
    void englishIsTheEngines();
    void englishReportIsTheClassifiers();
    void englishSentencesAreTheClassifiers();
    void positionWords_data();
    void positionWords();
    void germanWords();
    void everyPlaceholderFilled();
};

void TestChartWords::englishIsTheEngines_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("engine");
    for (int sign = 0; sign < kSignCount; ++sign) {
        QTest::addRow("sign %d", sign) << SignWord(sign) << FromView(kSignFullNames[sign]);
        QTest::addRow("abbreviation %d", sign)
            << SignAbbreviationWord(sign) << FromView(SignAbbrevTable[sign]);
    }
    for (int point = 0; point < kAspectPointCount; ++point)
        QTest::addRow("point %d", point) << BodyWord(point) << FromView(kAspectPointNames[point]);
    for (int body = 0; body < kBodyCount; ++body) {
        QTest::addRow("body %d", body) << BodyWord(body) << FromView(kPlainBodyNames[body]);
        const std::string marked = std::string(kPlainBodyNames[body]) + " (R) ";
        QTest::addRow("marked body %d", body)
            << MarkedBodyWord(marked) << QString::fromStdString(marked);
    }
    for (int body = 0; body < kTransitBodyCount; ++body)
        QTest::addRow("transit body %d", body)
            << TransitBodyWord(body) << FromView(kTransitBodyNames[body]);
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        QTest::addRow("aspect %d", kind)
            << AspectWord(static_cast<AspectKind>(kind)) << FromView(kAspectNames[kind]);
    for (const HouseSystem system : kHouseSystems)
        QTest::addRow("house system %d", static_cast<int>(system))
            << HouseSystemWord(system) << FromView(HouseSystemTitle(system));
    for (int slot = 0; slot < kPatternCount; ++slot)
        QTest::addRow("pattern %d", slot)
            << AstrologyWord(PatternTable[slot].Name) << FromView(PatternTable[slot].Name);
    for (int i = 0; i < kDegreePatternCount; ++i) {
        const auto pattern = static_cast<DegreePattern>(i);
        QTest::addRow("degree pattern %d", i)
            << DegreePatternWord(pattern) << FromView(DegreePatternName(pattern));
        QTest::addRow("degree pattern text %d", i)
            << DegreePatternTextWords(pattern) << FromView(DegreePatternText(pattern));
    }
    for (int body = 0; body < kPlanetCount; ++body)
        QTest::addRow("role %d", body) << PlanetRoleWords(body) << FromView(PlanetRoleText(body));
    for (const HouseSystem system : kHouseSystems) {
        for (const HouseFallback fallback :
             {HouseFallback::None, HouseFallback::PolarCircle, HouseFallback::Pole}) {
            for (const double latitude : {66.6, -70.01666, 89.9999, -90.0, qQNaN()}) {
                HouseCusps houses;
                houses.requested = system;
                houses.used = HouseSystem::Porphyry;
                houses.fallback = fallback;
                QTest::addRow("note %d %d %g", static_cast<int>(system), static_cast<int>(fallback),
                              latitude)
                    << HouseFallbackNoteWords(houses, latitude)
                    << QString::fromStdString(HouseFallbackNote(houses, latitude));
            }
        }
    }
    for (const bool precise : {false, true}) {
        NatalChart chart;
        chart.PreciseForDate = precise;
        QTest::addRow("positions note %d", precise)
            << PositionsNoteWords(chart) << QString::fromStdString(PositionsNote(chart));
    }
    QTest::newRow("North Node") << NodeWord(true) << QStringLiteral("North Node");
    QTest::newRow("South Node") << NodeWord(false) << QStringLiteral("South Node");
    QTest::newRow("Ascendant spoken") << SpokenPointWord(kAscBody) << QStringLiteral("Ascendant");
    QTest::newRow("Midheaven spoken")
        << SpokenPointWord(kMidheavenPoint) << QStringLiteral("Midheaven");
    QTest::newRow("sign outside") << SignWord(kSignCount) << QString();
    QTest::newRow("point outside") << BodyWord(-1) << QString();
    QTest::newRow("not a body") << MarkedBodyWord("Marsh") << QStringLiteral("Marsh");
    const QString cell = QStringLiteral("\r\nSun\r\nMercury (R) \r\nAsc");
    QTest::newRow("wheel cell") << WheelCellWords({cell})[0] << cell;
}

void TestChartWords::englishIsTheEngines() {
    QFETCH(QString, words);
    QFETCH(QString, engine);
    QCOMPARE(words, engine);
}

void TestChartWords::englishReportIsTheClassifiers() {
    for (unsigned mask = 0; mask < (1u << kPatternCount); ++mask) {
        std::array<bool, kPatternCount> flags{};
        for (int slot = 0; slot < kPatternCount; ++slot)
            flags[slot] = (mask >> slot & 1u) != 0;
        QVERIFY2(PatternReportWords(flags) == BuildPatternReport(flags),
                 qPrintable(QString::number(mask)));
    }
}

void TestChartWords::englishSentencesAreTheClassifiers() {
    for (const DegreeShape &shape : EveryLeadership()) {
        QCOMPARE(LeadingPlanetSentenceWords(shape),
                 QString::fromStdString(LeadingPlanetSentence(shape)));
        QCOMPARE(LeadingPlanetNamesWords(shape), QString::fromStdString(LeadingPlanetNames(shape)));
    }
}

void TestChartWords::positionWords_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("shown");
    QTest::newRow("chart form, English") << "en"
                                         << "23 Can 49"
                                         << "23 Can 49";
    QTest::newRow("chart form, German") << "de"
                                        << "23 Can 49"
                                        << "23 Kre 49";
    QTest::newRow("Leo abbreviated, not named") << "de"
                                                << "05 Leo 00"
                                                << "05 Löw 00";
    QTest::newRow("degree form, French") << "fr"
                                         << "15\u00B0 30' 0\" Tau"
                                         << "15\u00B0 30' 0\" Tau";
    QTest::newRow("degree form, Italian") << "it"
                                          << "1\u00B0 2' 3\" Aqu"
                                          << "1\u00B0 2' 3\" Acq";
    QTest::newRow("no sign") << "de"
                             << "none"
                             << "none";
    QTest::newRow("empty") << "de" << QString() << QString();
}

void TestChartWords::positionWords() {
    QFETCH(QString, language);
    QFETCH(QString, position);
    QFETCH(QString, shown);
    QVERIFY(UseLanguage(language));
    QCOMPARE(PositionWords(position.toStdString()), shown);
}

// Reference words: the names German astrological literature uses for the signs, planets,
// aspects and Jones's shapes.
void TestChartWords::germanWords() {
    QVERIFY(UseLanguage(QStringLiteral("de")));
    QCOMPARE(SignWord(0), QStringLiteral("Widder"));
    QCOMPARE(SignWord(4), QStringLiteral("Löwe"));
    QCOMPARE(SignAbbreviationWord(4), QStringLiteral("Löw"));
    QCOMPARE(BodyWord(2), QStringLiteral("Merkur"));
    QCOMPARE(MarkedBodyWord("Neptune (R) "), QStringLiteral("Neptun (R) "));
    QCOMPARE(WheelCellWords({QStringLiteral("\r\nSun\r\nMercury (R) \r\nAsc")})[0],
             QStringLiteral("\r\nSonne\r\nMerkur (R) \r\nAC"));
    QCOMPARE(AspectWord(AspectKind::Square), QStringLiteral("Quadrat"));
    QCOMPARE(HouseSystemWord(HouseSystem::WholeSign), QStringLiteral("Ganzzeichen"));
    QCOMPARE(DegreePatternWord(DegreePattern::Locomotive), QStringLiteral("Lokomotive"));
    QCOMPARE(AstrologyWord("Bucket"), QStringLiteral("Eimer"));

    DegreeShape shape;
    shape.Pattern = DegreePattern::Locomotive;
    shape.Leading = {4, -1};
    shape.LeadingCount = 1;
    QCOMPARE(LeadingPlanetSentenceWords(shape),
             QStringLiteral("Mars führt, als erster Planet aus dem leeren Bogen aufsteigend. Das "
                            "setzt das ganze Horoskop in Bewegung: Antrieb, Mut und der Drang zu "
                            "handeln."));

    // The report keeps the classifier's runs and colours; only the words change.
    std::array<bool, kPatternCount> flags{};
    flags[kBowlSlot] = true;
    const ReportRuns english = BuildPatternReport(flags);
    const ReportRuns german = PatternReportWords(flags);
    QCOMPARE(german.size(), english.size());
    for (std::size_t i = 0; i < german.size(); ++i) {
        QCOMPARE(german[i].Colour, english[i].Colour);
        QCOMPARE(german[i].Bold, english[i].Bold);
        QVERIFY(german[i].Text.ends_with("\r\n"));
    }
    QCOMPARE(german[0].Text, std::string("Schale\r\n"));
    QCOMPARE(german[1].Text, std::string("Figur\r\n"));
}

// In every shipped language, each placeholder of a sentence gives way to the planets' names
// and roles, in whatever order the language puts them.
void TestChartWords::everyPlaceholderFilled() {
    const std::vector<DegreeShape> shapes = EveryLeadership();
    for (const QString &language : ShippedLanguageCodes()) {
        QVERIFY(UseLanguage(language));
        for (const DegreeShape &shape : shapes) {
            const QString sentence = LeadingPlanetSentenceWords(shape);
            QVERIFY2(!sentence.contains(QLatin1Char('%')), qPrintable(sentence));
            for (int i = 0; i < shape.LeadingCount; ++i) {
                QVERIFY2(sentence.contains(BodyWord(shape.Leading[i])), qPrintable(sentence));
                QVERIFY2(sentence.contains(PlanetRoleWords(shape.Leading[i])),
                         qPrintable(sentence));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestChartWords)
#include "test_chart_words.moc"
