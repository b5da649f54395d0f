<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Introduzca solo números</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Introduzca una latitud válida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Introduzca una longitud válida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>En un polo (latitud 90 grados) ningún punto del zodíaco asciende por el este, de modo que la carta no tiene Ascendente. Introduzca una latitud inferior a 90 grados.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Introduzca los grados de la latitud</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Introduzca los minutos de la latitud</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Introduzca los grados de la longitud</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Introduzca los minutos de la longitud</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Introduzca su ciudad de nacimiento</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Introduzca su región (estado o provincia)</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Introduzca su país</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Seleccione la dirección de la latitud (norte o sur)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Seleccione la dirección de la longitud (este u oeste)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduzca una fecha válida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Introduzca una fecha válida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Revise el archivo.</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>La tabla integrada de posiciones precisas está dañada (%1). Vuelva a instalar QM Starloom.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>No se pudo abrir el archivo %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>No se pudo escribir el archivo %1.
%2</translation>
    </message>
</context>
</TS>
