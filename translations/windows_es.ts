<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AspectGrid</name>
    <message>
        <source>%1 %2 %3, orb %4°%5&apos;, %6</source>
        <extracomment>An aspect: the two points, the aspect&apos;s name between them, its orb and its phase.</extracomment>
        <translation>%1 %2 %3, orbe %4°%5&apos;, %6</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativo</translation>
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
        <translation>%1, casa %2</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, retrógrado</translation>
    </message>
</context>
<context>
    <name>ImageSaving</name>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE</source>
        <translation> NO  SE  PUEDE  CREAR  EL  ARCHIVO: </translation>
    </message>
    <message>
        <source>There are too many Copies of this file  </source>
        <translation>Hay demasiadas copias de este archivo:  </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>Imagen JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>The image could not be saved as %1.

%2</source>
        <translation>No se pudo guardar la imagen como %1.

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>%1 instead of %2</source>
        <translation>%1 en lugar de %2</translation>
    </message>
    <message>
        <source>%1 (%2 already exists)</source>
        <translation>%1 (%2 ya existe)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation>Tránsito</translation>
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
        <translation>, retrógrado</translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation>%1 %2 natal</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>se vuelve retrógrado</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>se vuelve directo</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entra en %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entra en la casa %1</translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Natal chart of %1</source>
        <translation>Carta natal de %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posiciones planetarias</translation>
    </message>
    <message>
        <source>Ascendant sign: %1</source>
        <translation>Signo ascendente: %1</translation>
    </message>
    <message>
        <source>Moon sign: %1</source>
        <translation>Signo lunar: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Patrón por grados</translation>
    </message>
    <message>
        <source>Leading Planets: %1</source>
        <translation>Planetas líderes: %1</translation>
    </message>
    <message>
        <source>Leading Planet: %1</source>
        <translation>Planeta líder: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Empty Arc: %1</source>
        <translation>Arco vacío: %1</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspectos</translation>
    </message>
    <message>
        <source>Aspects Between the Charts</source>
        <translation>Aspectos entre las cartas</translation>
    </message>
    <message>
        <source>No aspects within the orbs.</source>
        <translation>Ningún aspecto dentro de los orbes.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>No se pudo iniciar el documento.</translation>
    </message>
    <message>
        <source>The document could not be completed.</source>
        <translation>No se pudo completar el documento.</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ciudad: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>País: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Tiempo universal: %1</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Casas: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>The date of birth: the month&apos;s name, the day and the year.</extracomment>
        <translation>Fecha de nacimiento: %2 de %1 de %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute local time</source>
        <translation>Hora de nacimiento: %1 h %2 min, hora local</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Latitud: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitud: %1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation>Posiciones: %1</translation>
    </message>
    <message>
        <source>precise, JPL-based</source>
        <translation>precisas, basadas en JPL</translation>
    </message>
    <message>
        <source>standard formulas</source>
        <translation>fórmulas estándar</translation>
    </message>
    <message>
        <source>%1 degrees, from %2 to %3</source>
        <extracomment>The empty arc of a chart: its size in degrees and the positions it runs between.</extracomment>
        <translation>%1 grados, de %2 a %3</translation>
    </message>
</context>
<context>
    <name>starloom::AspectOrbsDialog</name>
    <message>
        <source>&amp;Conjunction (0°):</source>
        <translation>&amp;Conjunción (0°):</translation>
    </message>
    <message>
        <source>&amp;Opposition (180°):</source>
        <translation>&amp;Oposición (180°):</translation>
    </message>
    <message>
        <source>&amp;Trine (120°):</source>
        <translation>&amp;Trígono (120°):</translation>
    </message>
    <message>
        <source>S&amp;quare (90°):</source>
        <translation>C&amp;uadratura (90°):</translation>
    </message>
    <message>
        <source>Se&amp;xtile (60°):</source>
        <translation>Se&amp;xtil (60°):</translation>
    </message>
    <message>
        <source>Aspect Orbs</source>
        <translation>Orbes de los aspectos</translation>
    </message>
    <message>
        <source>How many degrees from exact an aspect still counts:</source>
        <translation>Hasta cuántos grados de la exactitud sigue contando un aspecto:</translation>
    </message>
    <message>
        <source>With the &amp;Sun or the Moon:</source>
        <translation>Con el &amp;Sol o la Luna:</translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation>Rueda doble</translation>
    </message>
</context>
<context>
    <name>starloom::ChartWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Comparar con…</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Guardar como</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>Guardar como &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>&amp;Exportar carta como texto</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Exportar como P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>Posiciones &amp;precisas</translation>
    </message>
    <message>
        <source>&amp;House System</source>
        <translation>&amp;Sistema de casas</translation>
    </message>
    <message>
        <source>Aspect &amp;Lines</source>
        <translation>&amp;Líneas de aspecto</translation>
    </message>
    <message>
        <source>Aspect &amp;Orbs…</source>
        <translation>&amp;Orbes de aspecto…</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Carta</translation>
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
        <source>Visit the QM Starloom home page at %1</source>
        <translation>Visite la página de QM Starloom en %1</translation>
    </message>
    <message>
        <source>For Analysis of this Natal chart log onto </source>
        <translation>Para el análisis de esta carta natal, visite </translation>
    </message>
    <message>
        <source>No printer is installed on this computer.
Do you want to save the reading as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada en este equipo.
¿Desea guardar la interpretación como archivo PDF?</translation>
    </message>
    <message>
        <source>The chart could not be sent to the printer.</source>
        <translation>No se pudo enviar la carta a la impresora.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <comment>button</comment>
        <translation>Guardar como &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>button</comment>
        <translation>V&amp;olver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>button</comment>
        <translation>Sa&amp;lir</translation>
    </message>
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation>Rueda natal</translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation>Interpretación por signos</translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation>Carpeta de la última imagen guardada</translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation>Nombre de la última imagen guardada</translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation>Patrón por grados</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>Tabla de aspectos</translation>
    </message>
    <message>
        <source>&amp;Signs</source>
        <translation>&amp;Signos</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Grados</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>As&amp;pectos</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ciudad: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>País: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Nacimiento: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1</source>
        <translation>Hora de nacimiento: %1</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Latitud: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitud: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Tiempo universal: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posiciones planetarias</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Otros datos</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signo lunar</translation>
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
        <translation>Regente</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>Ayanamsha</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>Posición del lagna</translation>
    </message>
    <message>
        <source>%1 Degree %2 Minute %3</source>
        <extracomment>Degrees and minutes of latitude or longitude and the direction&apos;s letter.</extracomment>
        <translation>%1° %2′ %3</translation>
    </message>
    <message>
        <source>%1 Hour %2 Minute</source>
        <extracomment>Hours and minutes of the local time of birth, on the clock of 24 hours.</extracomment>
        <translation>%1 h %2 min</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date: the month&apos;s name, the day and the year, as in &quot;March 15, 1980&quot;.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>H%1</source>
        <extracomment>A body&apos;s house, short: &quot;H7&quot; for the seventh house.</extracomment>
        <translation>C%1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>The planetary patterns by signs</source>
        <translation>Las configuraciones planetarias por signos</translation>
    </message>
    <message>
        <source>The chart&apos;s shape by degrees and its leading planet</source>
        <translation>La forma de la carta por grados y su planeta líder</translation>
    </message>
    <message>
        <source>The aspects between the planets, the ascendant and the midheaven</source>
        <translation>Los aspectos entre los planetas, el ascendente y el medio cielo</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Patrón por grados</translation>
    </message>
    <message>
        <source>Leading Planets</source>
        <translation>Planetas líderes</translation>
    </message>
    <message>
        <source>Leading Planet</source>
        <translation>Planeta líder</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Empty Arc</source>
        <translation>Arco vacío</translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Second Chart</source>
        <translation>Segunda carta</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Tránsitos</translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation>&amp;Progresiones secundarias</translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation>&amp;Direcciones por arco solar</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>&amp;Avanzar un paso</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Retroceder un paso</translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation>Paso: &amp;%1</translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation>&amp;Orbes de la segunda carta…</translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation>&amp;Unidad de paso</translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation>&amp;Momento (UT):</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Retroceder un paso</translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation>Retroceder un paso (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation>Unidad de paso</translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation>El paso: Alt+1 hora, Alt+2 día, Alt+3 semana, Alt+4 mes, Alt+5 año</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Avanzar un paso</translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation>Avanzar un paso (Alt+Derecha)</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitud:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation>Lugar de los tránsitos: grados, norte positivo</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lon&amp;gitud:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation>Lugar de los tránsitos: grados, este positivo</translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation>O&amp;rbes…</translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation>Aspectos entre la segunda carta y la carta natal</translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation>Segunda carta</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation>Próximos eventos de tránsito</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tiempo universal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation>Haga doble clic en un evento para llevar los tránsitos a su momento</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspectos</translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation>&amp;Eventos de tránsito</translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation>Alt+Derecha y Alt+Izquierda avanzan y retroceden un paso; Alt+1 a Alt+5 fijan el paso en una hora, un día, una semana, un mes o un año. Señale un símbolo exterior para ver su nombre.</translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation>Tránsitos de %1</translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation>Progresiones secundarias de %1</translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation>Direcciones por arco solar de %1</translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation>Sinastría: %1 y %2</translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation>%1 UT (hora local %2), en %3</translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation>Hasta %1 UT: momento progresado %2 UT, el Medio Cielo avanzó %3 en ascensión recta</translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation>Hasta %1 UT: arco solar %2%3</translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation>%1, nacimiento %2 UT</translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation>Carta natal: %1. %2: %3</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativo</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation>%2 (%1) %3 %4, orbe %5, %6</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <comment>The form of a date and time, as QDateTime writes it</comment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>%1-%2-%3 %4:%5</source>
        <comment>A date and time: year, month, day, hour, minute</comment>
        <translation>%3/%2/%1 %4:%5</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
</context>
</TS>
