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
    view.emptyArc = SheetEmptyArc(shape.EmptyArcSize, ChartForm(shape.EmptyArcFrom),
                                  ChartForm(shape.EmptyArcTo));
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
    sheet.leftDetails = {SheetLine(SheetCaption::Name, sheet.name),
                         SheetLine(SheetCaption::City, FromUtf8(birth.BirthCity)),
                         SheetLine(SheetCaption::State, FromUtf8(birth.BirthState)),
                         SheetLine(SheetCaption::Country, FromUtf8(birth.BirthCountry))};
    const QString month = birth.BirthMonth >= 1 && birth.BirthMonth <= 12
                              ? language.monthName(birth.BirthMonth, QLocale::LongFormat)
                              : QString::number(birth.BirthMonth);
    // The zone as the window names it, with the offset the birth was read in.
    const QString zone = DescribeZone(zonePosition, birth.DstFlag, ZoneOffsetMinutesEast(birth));
    sheet.rightDetails = {
        SheetDate(month, birth.BirthDay, birth.BirthYear),
        SheetTime(birth.BirthHour, birth.BirthMinute),
        SheetLine(SheetCaption::TimeZone, zone),
        SheetLine(SheetCaption::UniversalTime, UniversalTimeText(state.Chart.UniversalTime)),
        SheetLatitude(birth.LatDegrees, birth.LatMinutes,
                      birth.LatDirFlag ? SheetDirection::North : SheetDirection::South),
        SheetLongitude(birth.LonDegrees, birth.LonMinutes,
                       birth.LonDirFlag ? SheetDirection::East : SheetDirection::West)};
    const NatalChart &chart = outcome.Chart;
    for (int i = 0; i < kBodyCount; ++i) {
        sheet.positions.append({MarkedBodyWord(state.BodyNames[i]).trimmed(),
                                PositionWords(state.Chart.PositionText[i]),
                                SheetHouse(chart.Bodies[i].House)});
    }
    sheet.rightDetails.append(SheetPositions(chart.Method == PositionMethod::Precise));
    sheet.houses = SheetLine(SheetCaption::Houses, HouseSystemWord(chart.Houses.used));
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
