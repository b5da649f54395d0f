#include "reading/gui/reading_sheet.h"

#include "engine/time_scale.h"
#include "engine/zodiac.h"
#include "reading/atlas.h"
#include "reading/chart_words.h"

#include <QLocale>

namespace starloom {

namespace {

QString FromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// Degrees and minutes with the direction's letter, as an atlas writes them: 28° 36' N.
QString Angle(int degrees, int minutes, QChar direction) {
    return QStringLiteral("%1\u00B0 %2' %3").arg(degrees).arg(minutes).arg(direction);
}

// A longitude in the chart form of the positions table, "15 Tau 30".
QString ChartForm(double longitude) {
    return PositionWords(FormatChartPosition(FormatZodiacDMS(longitude)));
}

} // namespace

ShapeByDegreesView MakeShapeView(const DegreeShape &shape, const ChartPositions &chart) {
    ShapeByDegreesView view;
    view.pattern = DegreePatternWord(shape.Pattern);
    view.patternText = DegreePatternTextWords(shape.Pattern);
    for (int i = 0; i < shape.LeadingCount; ++i) {
        view.leading.append(shape.Leading[i]);
        view.leadingNames.append(BodyWord(shape.Leading[i]));
    }
    view.sentence = LeadingPlanetSentenceWords(shape);
    view.emptyArc = QStringLiteral("%1 degrees, from %2 to %3")
                        .arg(QString::number(shape.EmptyArcSize, 'f', 1),
                             ChartForm(shape.EmptyArcFrom), ChartForm(shape.EmptyArcTo));
    for (int body = 0; body < kPlanetCount; ++body)
        view.longitudes[body] = chart.Longitude[body];
    view.emptyArcFrom = shape.EmptyArcFrom;
    view.emptyArcSize = shape.EmptyArcSize;
    return view;
}

QList<ReportTextRun> ReportTextRuns(const ReportRuns &runs) {
    QList<ReportTextRun> textRuns;
    for (const ReportRun &run : runs)
        textRuns.append({QString::fromStdString(run.Text),
                         QColor(run.Colour.Red, run.Colour.Green, run.Colour.Blue), run.Bold});
    return textRuns;
}

WheelHouses WheelHousesOf(const NatalChart &chart) {
    WheelHouses houses;
    houses.ascendant = chart.Ascendant;
    houses.midheaven = chart.Midheaven;
    houses.cuspsShown = chart.Houses.used != HouseSystem::WholeSign;
    houses.cusps = chart.Houses.cusps;
    houses.note = HousesNoteWords(chart);
    return houses;
}

ReadingSheet MakeReadingSheet(const ReadingState &state, const ReadingOutcome &outcome,
                              int zonePosition, const QLocale &language) {
    const BirthData &birth = state.Birth;
    ReadingSheet sheet;
    sheet.name = FromUtf8(birth.BirthName);
    sheet.leftDetails = {QStringLiteral("Name: ") + sheet.name,
                         QStringLiteral("City: ") + FromUtf8(birth.BirthCity),
                         QStringLiteral("State: ") + FromUtf8(birth.BirthState),
                         QStringLiteral("Country: ") + FromUtf8(birth.BirthCountry)};
    const QString month = birth.BirthMonth >= 1 && birth.BirthMonth <= 12
                              ? language.monthName(birth.BirthMonth, QLocale::LongFormat)
                              : QString::number(birth.BirthMonth);
    // The zone as the window names it, with the offset the birth was read in.
    const QString zone = DescribeZone(zonePosition, birth.DstFlag, ZoneOffsetMinutesEast(birth));
    sheet.rightDetails = {QStringLiteral("Date of Birth: %1 %2, %3")
                              .arg(month)
                              .arg(birth.BirthDay)
                              .arg(birth.BirthYear),
                          QStringLiteral("Time of Birth: %1 Hour %2 Minute local time")
                              .arg(birth.BirthHour)
                              .arg(birth.BirthMinute),
                          QStringLiteral("Time zone: ") + zone,
                          QStringLiteral("Universal time: ") +
                              UniversalTimeText(state.Chart.UniversalTime),
                          QStringLiteral("Latitude: ") +
                              Angle(birth.LatDegrees, birth.LatMinutes,
                                    birth.LatDirFlag ? QLatin1Char('N') : QLatin1Char('S')),
                          QStringLiteral("Longitude: ") +
                              Angle(birth.LonDegrees, birth.LonMinutes,
                                    birth.LonDirFlag ? QLatin1Char('E') : QLatin1Char('W'))};
    const NatalChart &chart = outcome.Chart;
    for (int i = 0; i < kBodyCount; ++i) {
        sheet.positions.append({MarkedBodyWord(state.BodyNames[i]).trimmed(),
                                PositionWords(state.Chart.PositionText[i]),
                                QStringLiteral("House %1").arg(chart.Bodies[i].House)});
    }
    sheet.rightDetails.append(QStringLiteral("Positions: ") +
                              (chart.Method == PositionMethod::Precise
                                   ? QStringLiteral("precise, JPL-based")
                                   : QStringLiteral("standard formulas")));
    sheet.houses = QStringLiteral("Houses: ") + HouseSystemWord(chart.Houses.used);
    for (const QString &note : {PositionsNoteWords(chart), HousesNoteWords(chart)}) {
        if (!note.isEmpty())
            sheet.notes.append(note);
    }
    sheet.ascendantSign = AstrologyWord(AscendantSignName(state.Chart.AscendantText).toStdString());
    sheet.moonSign = AstrologyWord(state.Chart.MoonSignName);
    sheet.wheel = MakeWheelPicture(outcome.Wheel.FirstHouseSign,
                                   WheelCellWords(outcome.Wheel.HouseCell), WheelHousesOf(chart));
    sheet.interpretation = ReportTextRuns(PatternReportWords(outcome.Patterns.Work.PatternFlags));
    sheet.positions.append(
        {BodyWord(kMidheavenPoint), PositionWords(state.Chart.MidheavenText), {}});
    sheet.positions.append({NodeWord(true), PositionWords(state.Chart.NorthNodeText), {}});
    sheet.positions.append({NodeWord(false), PositionWords(state.Chart.SouthNodeText), {}});
    sheet.degrees = MakeShapeView(outcome.PatternsByDegrees, state.Chart);
    // The planets' exact degrees and the empty arc, as the window's wheel marks them.
    sheet.wheel.hasDegreeMarks = true;
    sheet.wheel.degreeMarks.Longitude = sheet.degrees.longitudes;
    sheet.wheel.degreeMarks.EmptyArcFrom = sheet.degrees.emptyArcFrom;
    sheet.wheel.degreeMarks.EmptyArcSize = sheet.degrees.emptyArcSize;
    sheet.aspects = outcome.Aspects;
    return sheet;
}

} // namespace starloom
