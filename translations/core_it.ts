<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Inserisci solo numeri</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Inserisci una latitudine valida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Inserisci una longitudine valida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>Ai poli (latitudine 90 gradi) nessun punto dello zodiaco sorge a est, quindi il tema non ha Ascendente. Inserisci una latitudine inferiore a 90 gradi.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Inserisci i gradi della latitudine</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Inserisci i minuti della latitudine</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Inserisci i gradi della longitudine</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Inserisci i minuti della longitudine</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Inserisci la città di nascita</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Inserisci la regione o lo stato</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Inserisci il Paese</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Scegli la direzione della latitudine (Nord o Sud)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Scegli la direzione della longitudine (Est o Ovest)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci una data valida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci una data valida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Controlla il file.</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>La tabella interna delle posizioni precise è danneggiata (%1). Reinstalla QM Starloom.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Impossibile aprire il file %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Impossibile scrivere il file %1.
%2</translation>
    </message>
</context>
</TS>
