<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>
