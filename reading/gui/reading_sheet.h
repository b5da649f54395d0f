// The printed reading's content gathered from one finished reading.
#pragma once

#include "reading/driver.h"
#include "reading/reading_state.h"
#include "windows/reading_document.h"

#include <QLocale>

namespace starloom {

// The interpretation runs of a report in the windows' form.
QList<ReportTextRun> ReportTextRuns(const ReportRuns &runs);

// The shape by degrees of a chart as the report window and the printed reading show it.
ShapeByDegreesView MakeShapeView(const DegreeShape &shape, const ChartPositions &chart);

// The angles and cusps of a chart as the wheel marks them, with its notes.
WheelHouses WheelHousesOf(const NatalChart &chart);

// The sheet of the reading in `state` and `outcome`; `zonePosition` is the entry of the
// zone list the birth was entered with. The month of birth is named in `language`: the
// user's own for what the desktop prints, a fixed one for files a script makes.
ReadingSheet MakeReadingSheet(const ReadingState &state, const ReadingOutcome &outcome,
                              int zonePosition, const QLocale &language);

} // namespace starloom
