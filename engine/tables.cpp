// The zone list and the fixed name tables.
#include "engine/tables.h"

#include <cstdlib>

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
    // Added later, after the first 71 so that saved readings keep their zones: the offsets
    // the birthplaces of the atlas kept between 1901 and 2050 that the entries above lack
    // (half- and quarter-hour zones, the mean times of capital cities that served as a
    // country's legal time, odd summer times), rounded to the minute, and the birthplace's
    // own local mean time, whose offset comes from the longitude of each birth.
    ZoneEntry{"Addis Ababa Mean Time,ADMT,+2:35", "-2", "-35"},
    ZoneEntry{"Afghanistan Time,AFT,+4:30", "-4", "-30"},
    ZoneEntry{"Amsterdam Time,AMT,+0:20", "0", "-20"},
    ZoneEntry{"Asuncion Mean Time,AMT,-3:51", "3", "51"},
    ZoneEntry{"Athens Mean Time,AMT,+1:35", "-1", "-35"},
    ZoneEntry{"Baghdad Mean Time,BMT,+2:58", "-2", "-58"},
    ZoneEntry{"Bangkok Mean Time,BMT,+6:42", "-6", "-42"},
    ZoneEntry{"Batavia Mean Time,BMT,+7:07", "-7", "-7"},
    ZoneEntry{"Bathurst Mean Time,BMT,-1:07", "1", "7"},
    ZoneEntry{"Belize Half Hour Daylight Time,CHDT,-5:30", "5", "30"},
    ZoneEntry{"Bermuda Mean Time,BMT,-4:19", "4", "19"},
    ZoneEntry{"Bermuda Summer Time,BST,-3:19", "3", "19"},
    ZoneEntry{"Bogota Mean Time,BMT,-4:56", "4", "56"},
    ZoneEntry{"Bolivia Summer Time,BST,-3:33", "3", "33"},
    ZoneEntry{"Bucharest Mean Time,BMT,+1:44", "-1", "-44"},
    ZoneEntry{"Caracas Mean Time,CMT,-4:28", "4", "28"},
    ZoneEntry{"Central European Midsummer Time,CEMT,+3:00", "-3", "0"},
    ZoneEntry{"Chatham Daylight Time,CHADT,+13:45", "-13", "-45"},
    ZoneEntry{"Chatham Standard Time,CHAST,+12:45", "-12", "-45"},
    ZoneEntry{"Chisinau Mean Time,CMT,+1:55", "-1", "-55"},
    ZoneEntry{"Colon Mean Time,CMT,-5:20", "5", "20"},
    ZoneEntry{"Cordoba Mean Time,CMT,-4:17", "4", "17"},
    ZoneEntry{"Dublin Mean Time,DMT,-0:25", "0", "25"},
    ZoneEntry{"East Africa Time,EAT,+3:00", "-3", "0"},
    ZoneEntry{"East Africa Time (+2:30),BEAT,+2:30", "-2", "-30"},
    ZoneEntry{"East Africa Time (+2:45),BEAUT,+2:45", "-2", "-45"},
    ZoneEntry{"Fort-de-France Mean Time,FFMT,-4:04", "4", "4"},
    ZoneEntry{"Freetown Mean Time,FMT,-0:53", "0", "53"},
    ZoneEntry{"Funchal Mean Time,FMT,-1:08", "1", "8"},
    ZoneEntry{"Guyana Time,GYT,-3:45", "3", "45"},
    ZoneEntry{"Havana Mean Time,HMT,-5:30", "5", "30"},
    ZoneEntry{"Helsinki Mean Time,HMT,+1:40", "-1", "-40"},
    ZoneEntry{"Horta Mean Time,HMT,-1:55", "1", "55"},
    ZoneEntry{"Howrah Mean Time,HMT,+5:53", "-5", "-53"},
    ZoneEntry{"Irish Summer Time,IST,+0:35", "0", "-35"},
    ZoneEntry{"Irkutsk Mean Time,IMT,+6:57", "-6", "-57"},
    ZoneEntry{"Istanbul Mean Time,IMT,+1:57", "-1", "-57"},
    ZoneEntry{"Jamestown Mean Time,JMT,-0:23", "0", "23"},
    ZoneEntry{"Jerusalem Mean Time,JMT,+2:21", "-2", "-21"},
    ZoneEntry{"Kaunas Mean Time,KMT,+1:36", "-1", "-36"},
    ZoneEntry{"Kingston Mean Time,KMT,-5:07", "5", "7"},
    ZoneEntry{"Kingstown Mean Time,KMT,-4:05", "4", "5"},
    ZoneEntry{"Kyiv Mean Time,KMT,+2:02", "-2", "-2"},
    ZoneEntry{"La Paz Mean Time,CMT,-4:33", "4", "33"},
    ZoneEntry{"Latvian Summer Time,LST,+2:37", "-2", "-37"},
    ZoneEntry{"Line Islands Time,LINT,+14:00", "-14", "0"},
    ZoneEntry{"Local Mean Time,LMT,longitude/15", "0", "0"},
    ZoneEntry{"Madras Mean Time,MMT,+5:21", "-5", "-21"},
    ZoneEntry{"Makassar Mean Time,MMT,+7:58", "-7", "-58"},
    ZoneEntry{"Malaya Time,MALT,+7:20", "-7", "-20"},
    ZoneEntry{"Male Mean Time,MMT,+4:54", "-4", "-54"},
    ZoneEntry{"Managua Mean Time,MMT,-5:45", "5", "45"},
    ZoneEntry{"Marquesas Time,MART,-9:30", "9", "30"},
    ZoneEntry{"Minsk Mean Time,MMT,+1:50", "-1", "-50"},
    ZoneEntry{"Monrovia Mean Time,MMT,-0:43", "0", "43"},
    ZoneEntry{"Monrovia Time,MMT,-0:45", "0", "45"},
    ZoneEntry{"Moratuwa Mean Time,MMT,+5:20", "-5", "-20"},
    ZoneEntry{"Moscow Double Summer Time,MDST,+4:31", "-4", "-31"},
    ZoneEntry{"Moscow Mean Time,MMT,+2:31", "-2", "-31"},
    ZoneEntry{"Moscow Summer Time,MST,+3:31", "-3", "-31"},
    ZoneEntry{"Moscow Time,MSK,+3:00", "-3", "0"},
    ZoneEntry{"Nepal Time,NPT,+5:45", "-5", "-45"},
    ZoneEntry{"Netherlands Summer Time,NST,+1:20", "-1", "-20"},
    ZoneEntry{"Newfoundland Daylight Time,NDT,-2:30", "2", "30"},
    ZoneEntry{"Newfoundland Daylight Time (until 1935),NDT,-2:31", "2", "31"},
    ZoneEntry{"Newfoundland Double Daylight Time,NDDT,-1:30", "1", "30"},
    ZoneEntry{"Newfoundland Standard Time (until 1935),NST,-3:31", "3", "31"},
    ZoneEntry{"Nigeria and Gold Coast Time,NGT,+0:30", "0", "-30"},
    ZoneEntry{"North Borneo Summer Time,BORTST,+8:20", "-8", "-20"},
    ZoneEntry{"Paramaribo Mean Time,PMT,-3:41", "3", "41"},
    ZoneEntry{"Paris Mean Time,PMT,+0:09", "0", "-9"},
    ZoneEntry{"Perm Mean Time,PMT,+3:45", "-3", "-45"},
    ZoneEntry{"Pontianak Mean Time,PMT,+7:17", "-7", "-17"},
    ZoneEntry{"Port-au-Prince Mean Time,PPMT,-4:49", "4", "49"},
    ZoneEntry{"Quito Mean Time,QMT,-5:14", "5", "14"},
    ZoneEntry{"Rangoon Mean Time,RMT,+6:25", "-6", "-25"},
    ZoneEntry{"Riga Mean Time,RMT,+1:37", "-1", "-37"},
    ZoneEntry{"Samoa Standard Time (until 1950),SST,-11:30", "11", "30"},
    ZoneEntry{"San Jose Mean Time,SJMT,-5:36", "5", "36"},
    ZoneEntry{"Santiago Mean Time,SMT,-4:43", "4", "43"},
    ZoneEntry{"Santo Domingo Mean Time,SDMT,-4:40", "4", "40"},
    ZoneEntry{"Sierra Leone Summer Time,SLST,-0:40", "0", "40"},
    ZoneEntry{"Simferopol Mean Time,SMT,+2:16", "-2", "-16"},
    ZoneEntry{"Singapore Mean Time,SMT,+6:55", "-6", "-55"},
    ZoneEntry{"South Africa Time (until 1903),SAST,+1:30", "-1", "-30"},
    ZoneEntry{"Tallinn Mean Time,TMT,+1:39", "-1", "-39"},
    ZoneEntry{"Tbilisi Mean Time,TBMT,+2:59", "-2", "-59"},
    ZoneEntry{"Tehran Mean Time,TMT,+3:26", "-3", "-26"},
    ZoneEntry{"Tonga Time,TOT,+13:00", "-13", "0"},
    ZoneEntry{"Tonga Time (until 1941),TOT,+12:20", "-12", "-20"},
    ZoneEntry{"Venezuela Time,VET,-4:30", "4", "30"},
    ZoneEntry{"Warsaw Mean Time,WMT,+1:24", "-1", "-24"},
    ZoneEntry{"Western Central Australia Time,ACWST,+8:45", "-8", "-45"},
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

void LocalMeanTimeTexts(int lonDegrees, int lonMinutes, bool east, std::string &hours,
                        std::string &minutes) {
    // One degree of longitude is 4 minutes of time, so the arc in minutes of angle over 15
    // is the offset in minutes of time; halves round away from zero.
    const long arcMinutes = std::labs(static_cast<long>(lonDegrees) * 60 + lonMinutes);
    const long timeMinutes = (arcMinutes * 2 + 15) / 30;
    // Universal time is local mean time less an east offset, plus a west one.
    const long sign = east ? -1 : 1;
    hours = std::to_string(sign * (timeMinutes / 60));
    minutes = std::to_string(sign * (timeMinutes % 60));
    if (hours == "-0")
        hours = "0";
    if (minutes == "-0")
        minutes = "0";
}

void FillBodyNames(BodyNameTable &names) {
    for (int i = 0; i < kBodyCount; ++i)
        names[i] = kPlainBodyNames[i];
}

std::optional<int> SignIndexOfAbbreviation(std::string_view abbreviation) {
    for (int k = 0; k < kSignCount; ++k) {
        if (SignAbbrevTable[k] == abbreviation)
            return k;
    }
    return std::nullopt;
}

} // namespace starloom
