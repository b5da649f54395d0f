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
        <source>QM Starloom speaks the language you chose from its next start. Please close it and start it again.</source>
        <translation>QM Starloom verwendet die gewählte Sprache ab dem nächsten Start. Bitte schließen Sie das Programm und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Systemsprache</translation>
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
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Quelldatei auswählen</translation>
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
