// The zone list and the fixed name tables.
#include "engine/tables.h"

namespace starloom {

// Hours and minutes to add to local clock time for universal time: the negative of the
// zone's offset from Greenwich, so positive west of it.
const std::array<ZoneEntry, kZoneCount> kZoneEntries = {{
    ZoneEntry{"Alaska/Hawaii Daylight Time,AHDT,-9.0", "9", "0"},
    ZoneEntry{"Alaska/Hawaii Standard Time,AHST,-10.0", "10", "0"},
    ZoneEntry{"Alaska/Hawaii War Time,AHWT,-9.0", "9", "0"},
    ZoneEntry{"Atlantic Standard Time,AST,-4.0", "4", "0"},
    ZoneEntry{"Atlantic War Time,AWT,-3.0", "3", "0"},
    ZoneEntry{"Australian Central Daylight Time,ACDT,+10.5", "-10", "-30"},
    ZoneEntry{"Australian Central Standard Time,ACST,+9.5", "-9", "-30"},
    ZoneEntry{"Australian Eastern Daylight Time,AEDT,+11.0", "-11", "0"},
    ZoneEntry{"Australian Eastern Standard Time,AEST,+10.0", "-10", "0"},
    ZoneEntry{"Australian Western Daylight Time,AWDT,+9.0", "-9", "0"},
    ZoneEntry{"Australian Western Standard Time,AWST,+8.0", "-8", "0"},
    ZoneEntry{"Azores Time, AT, -2.0", "2", "0"},
    ZoneEntry{"Baghdad Time, BAT, +3.0", "-3", "0"},
    ZoneEntry{"Bering Standard Time,BET,-11.0", "11", "0"},
    ZoneEntry{"Brazil Zone 2,BZT2,-3.0", "3", "0"},
    ZoneEntry{"British Double Summer Time,BDST,+2.0", "-2", "0"},
    ZoneEntry{"British Summer Time,BST,+1.0", "-1", "0"},
    ZoneEntry{"British War Time,BWT,+2.0", "-2", "0"},
    ZoneEntry{"Central Daylight Time,CDT,-5.0", "5", "0"},
    ZoneEntry{"Central European Daylight,CED,+2.0", "-2", "0"},
    ZoneEntry{"Central European Time,CET,+1.0", "-1", "0"},
    ZoneEntry{"Central Standard Time,CST,-6.0", "6", "0"},
    ZoneEntry{"Central War Time,CWT,-5.0", "5", "0"},
    ZoneEntry{"China Coast Time,CCT,+8.0", "-8", "0"},
    ZoneEntry{"Eastern Daylight Time,EDT,-4.0", "4", "0"},
    ZoneEntry{"Eastern European Daylight Time,EED,+3.0", "-3", "0"},
    ZoneEntry{"Eastern European Time,EET,+2.0", "-2", "0"},
    ZoneEntry{"Eastern Standard Time,EST,-5.0", "5", "0"},
    ZoneEntry{"Eastern War Time,EWT,-4.0", "4", "0"},
    ZoneEntry{"Greenwich Mean Time,GMT,0.0", "0", "0"},
    ZoneEntry{"Guam Standard Time,GST,+10.0", "-10", "0"},
    ZoneEntry{"Hawaiian Daylight Time,HDT,-9.5", "9", "30"},
    ZoneEntry{"Hawaiian Standard Time,HST,-10.5", "10", "30"},
    ZoneEntry{"Hawaiian War Time,HWT,-9.5", "9", "30"},
    ZoneEntry{"Indian Time, IST, +5.3", "-5", "-30"},
    ZoneEntry{"Int'l Date Line East,IDLE,+12.0", "-12", "0"},
    ZoneEntry{"Int'l Date Line West,IDLW,-12.0", "12", "0"},
    ZoneEntry{"Iran Time, IT, +3.5", "-3", "-30"},
    ZoneEntry{"Japan Standard Time,JST,+9.0", "-9", "0"},
    ZoneEntry{"Java Time, JT, +7.5", "-7", "-30"},
    ZoneEntry{"Middle European Daylight Time,MED,+2.0", "-2", "0"},
    ZoneEntry{"Middle European Time,MET,+1.0", "-1", "0"},
    ZoneEntry{"Moluccas Time, MT, +8.5", "-8", "-30"},
    ZoneEntry{"Mountain Daylight Time,MDT,-6.0", "6", "0"},
    ZoneEntry{"Mountain Standard Time,MST,-7.0", "7", "0"},
    ZoneEntry{"Mountain War Time,MWT,-6.0", "6", "0"},
    ZoneEntry{"New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
    ZoneEntry{"New Zealand Std Time,NZT,+12.0", "-12", "0"},
    ZoneEntry{"New Zealand Summer Time,NZS,+12.5", "-12", "-30"},
    ZoneEntry{"New Zealand Time,NZ,+11.5", "-11", "-30"},
    ZoneEntry{"Newfoundland Standard Time,NST,-3.5", "3", "30"},
    ZoneEntry{"Nome Time, NT, -11.0", "11", "0"},
    ZoneEntry{"North Sumatra Time,NST,+6.5", "-6", "-30"},
    ZoneEntry{"Pacific Daylight Time,PDT,-7.0", "7", "0"},
    ZoneEntry{"Pacific Standard Time,PST,-8.0", "8", "0"},
    ZoneEntry{"Pacific War Time,PWT,-7.0", "7", "0"},
    ZoneEntry{"South Australia Daylight Time,SAD,+10.5", "-10", "-30"},
    ZoneEntry{"South Australia Daylight Time,SDT,+10.5", "-10", "-30"},
    ZoneEntry{"South Australia Standard Time,SAST,+9.5", "-9", "-30"},
    ZoneEntry{"South Australia Standard Time,SAT,+9.5", "-9", "-30"},
    ZoneEntry{"South Sumatra Time,SST,+7.0", "-7", "0"},
    ZoneEntry{"Universal Time, UT, 0.0", "0", "0"},
    ZoneEntry{"USSR Zone 10,UZ10,+11.0", "-11", "0"},
    ZoneEntry{"USSR Zone 3,USZ3,+4.0", "-4", "0"},
    ZoneEntry{"USSR Zone 4,USZ4,+5.0", "-5", "0"},
    ZoneEntry{"USSR Zone 5,USZ5,+6.0", "-6", "0"},
    ZoneEntry{"USSR Zone 6,USZ6,+7.0", "-7", "0"},
    ZoneEntry{"West Africa Time,WAT,-1.0", "1", "0"},
    ZoneEntry{"Yukon Daylight Time,YDT,-8.0", "8", "0"},
    ZoneEntry{"Yukon Standard Time,YST,-9.0", "9", "0"},
    ZoneEntry{"Yukon War Time,YWT,-8.0", "8", "0"},
}};

namespace {

// Every reading rebuilds the tables, which then mostly hold their texts already; comparing
// costs less than writing them again.
void SetText(std::string &slot, std::string_view text) {
    if (slot != text)
        slot = text;
}

} // namespace

void BuildTimeZoneTables(TimeZoneTables &tables) {
    for (int i = 0; i < kZoneCount; ++i) {
        SetText(tables.ZoneNames[i], kZoneEntries[i].name);
        SetText(tables.ZoneHoursTable[i], kZoneEntries[i].hours);
        SetText(tables.ZoneMinutesTable[i], kZoneEntries[i].minutes);
    }
    tables.ZoneNames[kZoneSlots - 1].clear();
    tables.ZoneHoursTable[kZoneSlots - 1].clear();
    tables.ZoneMinutesTable[kZoneSlots - 1].clear();
}

void FillBodyNames(BodyNameTable &names) {
    for (int i = 0; i < kBodyCount; ++i)
        names[i] = kPlainBodyNames[i];
}

int SignIndexOfAbbreviation(std::string_view abbreviation) {
    for (int k = 0; k < kSignCount; ++k) {
        if (SignAbbrevTable[k] == abbreviation)
            return k;
    }
    return -1;
}

} // namespace starloom
