<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>QM Starloom speaks the language you chose from its next start. Please close it and start it again.</source>
        <translation>QM Starloom usará el idioma elegido a partir del próximo inicio. Cierre el programa y vuelva a iniciarlo.</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation>Escriba una ciudad para buscarla en el atlas</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>Hora de nacimiento:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Zona horaria:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>GRADOS/MIN</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Región:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>Haga clic aquí para buscar latitud &amp;&amp; longitud</translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation>&amp;Obtener mi lectura de Starloom</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir una lectura &amp;guardada</translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation>Descubra con QM Starloom qué significa la distribución de los planetas en su carta natal.</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation>Comente su carta con otros lectores en nuestro foro de discusión</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>Obtener mi &amp;carta natal</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Introduzca la ciudad</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Introduzca la región</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Introduzca el país</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto de nacimiento</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitud, grados</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitud, minutos</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitud, grados</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitud, minutos</translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>Introduzca solo letras</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>Introduzca solo números</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribuido bajo la GNU General Public License, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation>QM Starloom muestra el patrón en que se distribuyen los planetas en la carta natal de una persona. Este patrón de agrupación de los planetas representa ciertos atributos positivos y negativos que se reflejan en la personalidad del individuo.</translation>
    </message>
</context>
</TS>
