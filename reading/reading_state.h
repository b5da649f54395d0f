// Everything one run of the program shares between the form, the driver, the engine and
// the file writers: the birth-data record, the zone tables, the body names and the
// results of the latest reading. One instance lives for the whole run.
#pragma once

#include "engine/aspects.h"
#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/houses.h"
#include "engine/tables.h"
#include "retrograde/retrograde.h"

#include <QString>

namespace starloom {

// How a chart is to be computed: the positions method and the house system.
struct ChartChoice {
    PositionMethod Method = PositionMethod::Standard;
    HouseSystem Houses = HouseSystem::WholeSign;
};

struct ReadingState {
    BirthData Birth;          // rewritten from the form before every calculation
    TimeZoneTables Zones;     // rebuilt at form load and before every calculation
    BodyNameTable BodyNames;  // display names with retrograde marks
    ChartPositions Chart;     // AscendantText, MoonSignName, PositionText, ...
    RetrogradeState Retro;    // RetroFlags: Mercury .. Pluto retrograde at birth
    AspectOrbs Orbs;          // the orbs aspects are found with
    QString ReadingFileName;  // last name chosen in the Save As or Export dialog (the
                              // folder the save dialogs start in)
    QString SavedReadingFile; // last reading file written by Save As
    // How readings are computed: the standard formulas unless the user chose the precise
    // table.
    PositionMethod Method = PositionMethod::Standard;
    // How the sky is divided into houses: whole signs from the ascendant's unless the user
    // chose another system.
    HouseSystem Houses = HouseSystem::WholeSign;
};

} // namespace starloom
