<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AspectGrid</name>
    <message>
        <source>%1 %2 %3, orb %4°%5&apos;, %6</source>
        <extracomment>An aspect: the two points, the aspect&apos;s name between them, its orb and its phase.</extracomment>
        <translation>%1 %2 %3, Orbis %4°%5&apos;, %6</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applikativ</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativ</translation>
    </message>
</context>
<context>
    <name>ChartDescription</name>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 %2° %3 %4′</source>
        <extracomment>A point of the chart: its name, degree, sign and minute, as in &quot;Sun 23° Cancer 49′&quot;.</extracomment>
        <translation>%1 %2° %3 %4′</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translation>%1, Haus %2</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, rückläufig</translation>
    </message>
</context>
<context>
    <name>ImageSaving</name>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE</source>
        <translation> NEUE  DATEI  KANN  NICHT  ERSTELLT  WERDEN: </translation>
    </message>
    <message>
        <source>There are too many Copies of this file  </source>
        <translation>Es gibt zu viele Kopien dieser Datei:  </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG-Bild (*.jpg)</translation>
    </message>
    <message>
        <source>The image could not be saved as %1.

%2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 instead of %2</source>
        <translation>%1 statt %2</translation>
    </message>
    <message>
        <source>%1 (%2 already exists)</source>
        <translation>%1 (%2 gibt es bereits)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progr.</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>, retrograde</source>
        <translation>, rückläufig</translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation>%1 Radix-%2</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>wird rückläufig</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>wird direktläufig</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>tritt in %1 ein</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>tritt in Haus %1 ein</translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Natal chart of %1</source>
        <translation>Radixhoroskop von %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Planetenstände</translation>
    </message>
    <message>
        <source>Ascendant sign: %1</source>
        <translation>Aszendentenzeichen: %1</translation>
    </message>
    <message>
        <source>Moon sign: %1</source>
        <translation>Mondzeichen: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Verteilungsmuster nach Graden</translation>
    </message>
    <message>
        <source>Leading Planets: %1</source>
        <translation>Führende Planeten: %1</translation>
    </message>
    <message>
        <source>Leading Planet: %1</source>
        <translation>Führender Planet: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Empty Arc: %1</source>
        <translation>Leerer Bogen: %1</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspekte</translation>
    </message>
    <message>
        <source>Aspects Between the Charts</source>
        <translation>Aspekte zwischen den Horoskopen</translation>
    </message>
    <message>
        <source>No aspects within the orbs.</source>
        <translation>Keine Aspekte innerhalb der Orben.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>Das Dokument konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The document could not be completed.</source>
        <translation>Das Dokument konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Region: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Land: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Weltzeit: %1</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Häuser: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>The date of birth: the month&apos;s name, the day and the year.</extracomment>
        <translation>Geburtsdatum: %2. %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute local time</source>
        <translation>Geburtszeit: %1 Std. %2 Min. Ortszeit</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Breite: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Haus %1</translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation>Positionen: %1</translation>
    </message>
    <message>
        <source>precise, JPL-based</source>
        <translation>präzise, auf JPL-Grundlage</translation>
    </message>
    <message>
        <source>standard formulas</source>
        <translation>Standardformeln</translation>
    </message>
    <message>
        <source>%1 degrees, from %2 to %3</source>
        <extracomment>The empty arc of a chart: its size in degrees and the positions it runs between.</extracomment>
        <translation>%1 Grad, von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>starloom::AspectOrbsDialog</name>
    <message>
        <source>&amp;Conjunction (0°):</source>
        <translation>&amp;Konjunktion (0°):</translation>
    </message>
    <message>
        <source>&amp;Opposition (180°):</source>
        <translation>&amp;Opposition (180°):</translation>
    </message>
    <message>
        <source>&amp;Trine (120°):</source>
        <translation>&amp;Trigon (120°):</translation>
    </message>
    <message>
        <source>S&amp;quare (90°):</source>
        <translation>&amp;Quadrat (90°):</translation>
    </message>
    <message>
        <source>Se&amp;xtile (60°):</source>
        <translation>Se&amp;xtil (60°):</translation>
    </message>
    <message>
        <source>Aspect Orbs</source>
        <translation>Orben der Aspekte</translation>
    </message>
    <message>
        <source>How many degrees from exact an aspect still counts:</source>
        <translation>Bis zu wie vielen Grad Abstand vom exakten Winkel ein Aspekt noch gilt:</translation>
    </message>
    <message>
        <source>With the &amp;Sun or the Moon:</source>
        <translation>Mit der &amp;Sonne oder dem Mond:</translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation>Doppelrad</translation>
    </message>
</context>
<context>
    <name>starloom::ChartWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Speichern unter</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>Als &amp;JPEG speichern</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>Horoskop als &amp;Text exportieren</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Als P&amp;DF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>&amp;Präzise Positionen</translation>
    </message>
    <message>
        <source>&amp;House System</source>
        <translation>&amp;Häusersystem</translation>
    </message>
    <message>
        <source>Aspect &amp;Lines</source>
        <translation>Aspekt&amp;linien</translation>
    </message>
    <message>
        <source>Aspect &amp;Orbs…</source>
        <translation>&amp;Orben der Aspekte…</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>Ho&amp;roskop</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info über die Software</translation>
    </message>
    <message>
        <source>Visit the QM Starloom home page at %1</source>
        <translation>Besuchen Sie die Website von QM Starloom unter %1</translation>
    </message>
    <message>
        <source>For Analysis of this Natal chart log onto </source>
        <translation>Zur Analyse dieses Radixhoroskops besuchen Sie </translation>
    </message>
    <message>
        <source>No printer is installed on this computer.
Do you want to save the reading as a PDF file instead?</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.
Möchten Sie die Deutung stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The chart could not be sent to the printer.</source>
        <translation>Das Horoskop konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <comment>button</comment>
        <translation>Als &amp;JPEG speichern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>button</comment>
        <translation>Z&amp;urück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>button</comment>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation>Radixhoroskop</translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation>Deutung nach Zeichen</translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation>Ordner des zuletzt gespeicherten Bildes</translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation>Name des zuletzt gespeicherten Bildes</translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation>Verteilungsmuster nach Graden</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>Aspektgitter</translation>
    </message>
    <message>
        <source>&amp;Signs</source>
        <translation>&amp;Zeichen</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>As&amp;pekte</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Region: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Land: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1</source>
        <translation>Geburtszeit: %1</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Breite: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Weltzeit: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Planetenstände</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Sonnenzeichen</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Mondzeichen</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>Nakshatra</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>Pada</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>Herrscher</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>Ayanamsha</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>Lagna-Position</translation>
    </message>
    <message>
        <source>%1 Degree %2 Minute %3</source>
        <extracomment>Degrees and minutes of latitude or longitude and the direction&apos;s letter.</extracomment>
        <translation>%1° %2′ %3</translation>
    </message>
    <message>
        <source>%1 Hour %2 Minute</source>
        <extracomment>Hours and minutes of the local time of birth, on the clock of 24 hours.</extracomment>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter of north or of south after a latitude.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>The letter of east or of west after a longitude.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date: the month&apos;s name, the day and the year, as in &quot;March 15, 1980&quot;.</extracomment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>H%1</source>
        <extracomment>A body&apos;s house, short: &quot;H7&quot; for the seventh house.</extracomment>
        <translation>H%1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Haus %1</translation>
    </message>
    <message>
        <source>The planetary patterns by signs</source>
        <translation>Die Planetenmuster nach Zeichen</translation>
    </message>
    <message>
        <source>The chart&apos;s shape by degrees and its leading planet</source>
        <translation>Die Verteilung des Horoskops nach Graden und sein führender Planet</translation>
    </message>
    <message>
        <source>The aspects between the planets, the ascendant and the midheaven</source>
        <translation>Die Aspekte zwischen den Planeten, dem Aszendenten und dem Medium Coeli</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Verteilungsmuster nach Graden</translation>
    </message>
    <message>
        <source>Leading Planets</source>
        <translation>Führende Planeten</translation>
    </message>
    <message>
        <source>Leading Planet</source>
        <translation>Führender Planet</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Empty Arc</source>
        <translation>Leerer Bogen</translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Second Chart</source>
        <translation>Zweithoroskop</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Transite</translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation>Sekundär&amp;progressionen</translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation>Sonnenbogen-&amp;Direktionen</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>Schritt &amp;vor</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation>Schrittweite &amp;%1</translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation>&amp;Orben des Zweithoroskops…</translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation>Schritt&amp;weite</translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation>&amp;Zeitpunkt (UT):</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation>Schritt zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation>Schrittweite: Alt+1 Stunde, Alt+2 Tag, Alt+3 Woche, Alt+4 Monat, Alt+5 Jahr</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation>Schritt vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation>Ort der Transite: Grad, Nord positiv</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation>Ort der Transite: Grad, Ost positiv</translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation>O&amp;rben…</translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation>Aspekte zwischen Zweithoroskop und Radix</translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation>Zweithoroskop</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspekt</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Radix</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbis</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation>Kommende Transitereignisse</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation>Doppelklicken Sie auf ein Ereignis, um die Transite auf seinen Zeitpunkt zu setzen</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspekte</translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation>Transit-&amp;Ereignisse</translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation>Alt+Rechts und Alt+Links gehen einen Schritt vor und zurück; Alt+1 bis Alt+5 wählen als Schritt eine Stunde, einen Tag, eine Woche, einen Monat oder ein Jahr. Zeigen Sie auf ein äußeres Symbol, um seinen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation>Transite für %1</translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation>Sekundärprogressionen für %1</translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation>Sonnenbogen-Direktionen für %1</translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation>Synastrie: %1 und %2</translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation>%1 UT (Ortszeit %2), in %3</translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation>Bis %1 UT: progressierter Zeitpunkt %2 UT, MC in Rektaszension um %3 weitergerückt</translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation>Bis %1 UT: Sonnenbogen %2%3</translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation>%1, geboren %2 UT</translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 von %1</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>Radix-%1</translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation>Radix: %1. %2: %3</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applikativ</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativ</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Ingress</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation>%2 (%1) %3 %4, Orbis %5, %6</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <comment>The form of a date and time, as QDateTime writes it</comment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>%1-%2-%3 %4:%5</source>
        <comment>A date and time: year, month, day, hour, minute</comment>
        <translation>%3.%2.%1 %4:%5</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
</context>
</TS>
