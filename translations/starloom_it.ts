<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ChartDescription</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2° %3 %4′</source>
        <extracomment>A point of the chart: its name, degree, sign and minute, as in &quot;Sun 23° Cancer 49′&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QM Starloom speaks the language you chose from its next start. Please close it and start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Second Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
