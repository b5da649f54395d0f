<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>QM Starloom now speaks the language you chose, and will from its next start too. Chart windows already open keep their language until they are opened again.</source>
        <translation>QM Starloom verwendet jetzt die gewählte Sprache, auch bei jedem weiteren Start. Bereits geöffnete Horoskopfenster behalten ihre Sprache, bis sie neu geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>Für diese Seite konnte kein Webbrowser gestartet werden. Um sie zu besuchen, kopieren Sie ihre Adresse in einen Browser:

%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Natal charts and the pattern of the planets in them.</source>
        <translation>Geburtshoroskope und das Verteilungsmuster ihrer Planeten.</translation>
    </message>
    <message>
        <source>A reading file (.act) to open.</source>
        <translation>Eine Deutungsdatei (.act), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>QM Starloom could not make its lock against a second copy (%1). It starts anyway, but another copy started now would not be noticed.</source>
        <translation>QM Starloom konnte seine Sperre gegen eine zweite Kopie nicht anlegen (%1). Das Programm startet trotzdem, aber eine jetzt gestartete weitere Kopie würde nicht bemerkt.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise ist eine Aktualisierung dieser Software verfügbar</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation>Ort eingeben, um im Atlas zu suchen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>Geburtszeit:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>Std/Min/Sek</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>Grad/Min</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation>Meine Starloom-Deutung &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation>Erfahren Sie mit QM Starloom, was die Verteilung der Planeten in Ihrem Geburtshoroskop bedeutet.</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation>Sprechen Sie in unserem Diskussionsforum mit anderen Lesern über Ihr Horoskop</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>Mein &amp;Geburtshoroskop erstellen</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
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
        <source>Please Enter City</source>
        <translation>Bitte geben Sie den Ort ein</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Bitte geben Sie die Region ein</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Bitte geben Sie das Land ein</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Geburtsstunde</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Geburtsminute</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite, Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite, Minuten</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge, Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge, Minuten</translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>Bitte nur Ziffern eingeben</translation>
    </message>
</context>
<context>
    <name>starloom::PlaceFinder</name>
    <message>
        <source>For %1 on this date the atlas gives %2; your choice is kept.</source>
        <translation>Für %1 gibt der Atlas an diesem Datum %2 an; Ihre Wahl bleibt bestehen.</translation>
    </message>
    <message>
        <source>%1 with Daylight Saving Time ticked: daylight time counted twice?</source>
        <translation>%1 und Sommerzeit angekreuzt: Sommerzeit doppelt gezählt?</translation>
    </message>
    <message>
        <source>Not from the atlas: coordinates and zone are yours to set</source>
        <translation>Nicht aus dem Atlas: Koordinaten und Zeitzone bitte selbst eingeben</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Quelldatei auswählen</translation>
    </message>
    <message>
        <source>QM Astrology Chart Type</source>
        <translation>QM-Astrology-Horoskop</translation>
    </message>
    <message>
        <source>Warning: for %1 on this date the atlas gives %2.</source>
        <translation>Warnung: Für %1 gibt der Atlas an diesem Datum %2 an.</translation>
    </message>
    <message>
        <source>Positions: precise, JPL-based</source>
        <translation>Positionen: genau, nach JPL</translation>
    </message>
    <message>
        <source>Positions: standard formulas</source>
        <translation>Positionen: Standardformeln</translation>
    </message>
    <message>
        <source>%1 (date outside %2–%3)</source>
        <translation>%1 (Datum außerhalb %2–%3)</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Häuser: %1</translation>
    </message>
    <message>
        <source>Houses: %1 (%2 undefined here)</source>
        <translation>Häuser: %1 (%2 hier nicht definiert)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>Ziel-Textdatei auswählen</translation>
    </message>
    <message>
        <source>Export Chart As Text</source>
        <translation>Horoskop als Text exportieren</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Lizenziert unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation>QM Starloom zeigt das Muster, in dem die Planeten im Geburtshoroskop eines Menschen angeordnet sind. Diese Verteilung der Planeten steht für bestimmte positive und negative Eigenschaften, die sich in der Persönlichkeit eines Menschen widerspiegeln.</translation>
    </message>
</context>
</TS>
