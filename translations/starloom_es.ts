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
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>QM Starloom now speaks the language you chose, and will from its next start too. Chart windows already open keep their language until they are opened again.</source>
        <translation>QM Starloom ya usa el idioma elegido, también en los próximos inicios. Las ventanas de carta ya abiertas conservan su idioma hasta que se vuelvan a abrir.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>No se pudo abrir ningún navegador web para esta página. Para visitarla, copie su dirección en un navegador:

%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Natal charts and the pattern of the planets in them.</source>
        <translation>Cartas natales y el patrón de sus planetas.</translation>
    </message>
    <message>
        <source>A reading file (.act) to open.</source>
        <translation>Un archivo de lectura (.act) que abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>QM Starloom could not make its lock against a second copy (%1). It starts anyway, but another copy started now would not be noticed.</source>
        <translation>QM Starloom no pudo crear su bloqueo contra una segunda copia (%1). Se inicia de todos modos, pero otra copia abierta ahora no se detectaría.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización disponible para este programa</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Desea buscar una actualización?</translation>
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
    <name>starloom::PlaceFinder</name>
    <message>
        <source>For %1 on this date the atlas gives %2; your choice is kept.</source>
        <translation>Para %1 en esta fecha el atlas indica %2; se mantiene su elección.</translation>
    </message>
    <message>
        <source>%1 with Daylight Saving Time ticked: daylight time counted twice?</source>
        <translation>Zona %1 con «Horario de verano» marcado: ¿horario de verano contado dos veces?</translation>
    </message>
    <message>
        <source>Not from the atlas: coordinates and zone are yours to set</source>
        <translation>No está en el atlas: las coordenadas y la zona las fija usted</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
    <message>
        <source>QM Astrology Chart Type</source>
        <translation>Carta de QM Astrology</translation>
    </message>
    <message>
        <source>Warning: for %1 on this date the atlas gives %2.</source>
        <translation>Aviso: para %1 en esta fecha el atlas indica %2.</translation>
    </message>
    <message>
        <source>Positions: precise, JPL-based</source>
        <translation>Posiciones: precisas, según el JPL</translation>
    </message>
    <message>
        <source>Positions: standard formulas</source>
        <translation>Posiciones: fórmulas estándar</translation>
    </message>
    <message>
        <source>%1 (date outside %2–%3)</source>
        <translation>%1 (fecha fuera de %2–%3)</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Casas: %1</translation>
    </message>
    <message>
        <source>Houses: %1 (%2 undefined here)</source>
        <translation>Casas: %1 (%2 no definido aquí)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>Seleccione el archivo de texto de destino</translation>
    </message>
    <message>
        <source>Export Chart As Text</source>
        <translation>Exportar la carta como texto</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
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
