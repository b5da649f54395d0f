<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Bitte nur Ziffern eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Bitte geben Sie eine gültige Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Bitte geben Sie eine gültige Länge ein</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>An einem Pol (Breite 90 Grad) geht kein Punkt des Tierkreises im Osten auf, daher hat ein Horoskop dort keinen Aszendenten. Bitte geben Sie eine Breite unter 90 Grad ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Bitte geben Sie die Grad der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Bitte geben Sie die Minuten der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Bitte geben Sie die Grad der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Bitte geben Sie die Minuten der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Bitte geben Sie Ihren Geburtsort ein</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Bitte geben Sie Ihr Bundesland bzw. Ihre Region ein</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Bitte geben Sie Ihr Land ein</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Bitte wählen Sie die Richtung der Breite (Nord oder Süd)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Bitte wählen Sie die Richtung der Länge (Ost oder West)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie ein gültiges Datum ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie ein gültiges Datum ein!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte prüfen Sie die Datei.</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>Die eingebaute Tabelle der genauen Positionen ist beschädigt (%1). Bitte installieren Sie QM Starloom erneut.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.
%2</translation>
    </message>
</context>
</TS>
