<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CliHelp</name>
    <message>
        <source>Usage: starloom-cli &lt;command&gt; [options]

QM Starloom readings from the command line, made by the program&apos;s own code.

Commands:
  reading   one reading from birth details, as text or JSON
  open      one reading from a reading file (.act)
  save      write the reading file of a birth
  export    write the text export of a reading
  image     save the result window of a reading as a JPEG image
  pdf       write the printed reading as a PDF document
  batch     the readings of every row of a CSV file, as JSON Lines
  stats     how often each pattern and leading planet occurs in a CSV file
  zones     the time zones and their list positions
  houses    the house systems --houses takes
  transits  the exact transits to a reading over a range of dates, one a line
  progressions
            the secondary progressions of a reading to a date
  directions
            the solar arc directions of a reading to a date
  synastry  two readings compared: their positions and cross aspects

Options:
  --help      show this help, or a command&apos;s help after its name
  --version   show the version
  --lang CODE the language of the texts: en, de, fr, es, pt_BR or it (by default
              the one the environment&apos;s locale names); JSON, reading files,
              batches and CSV are the same in every language

Exit status: 0 done; 1 a batch ran but some rows were refused; 2 refused (bad
arguments, birth details the birth-data form refuses, a file that cannot be read
or written), with a one-line message on standard error.
</source>
        <translation>Uso: starloom-cli &lt;orden&gt; [opciones]

Cartas de QM Starloom desde la línea de órdenes, calculadas con el propio código del programa.

Órdenes:
  reading   una carta a partir de los datos de nacimiento, como texto o JSON
  open      una carta a partir de un archivo de carta (.act)
  save      escribir el archivo de carta de un nacimiento
  export    escribir la exportación de texto de una carta
  image     guardar la ventana de resultados de una carta como imagen JPEG
  pdf       escribir la carta impresa como documento PDF
  batch     las cartas de cada fila de un archivo CSV, como JSON Lines
  stats     con qué frecuencia aparece cada patrón y cada planeta guía en un archivo CSV
  zones     los husos horarios y sus posiciones en la lista
  houses    los sistemas de casas que admite --houses
  transits  los tránsitos exactos a una carta en un intervalo de fechas, uno por línea
  progressions
            las progresiones secundarias de una carta a una fecha
  directions
            las direcciones por arco solar de una carta a una fecha
  synastry  dos cartas comparadas: sus posiciones y sus aspectos cruzados

Opciones:
  --help      mostrar esta ayuda, o la ayuda de una orden tras su nombre
  --version   mostrar la versión
  --lang CODE el idioma de los textos: en, de, fr, es, pt_BR o it (por omisión
              el que indica la configuración regional del entorno); el JSON, los archivos
              de carta, los lotes y el CSV son iguales en todos los idiomas

Código de salida: 0 hecho; 1 un lote se ejecutó pero se rechazaron algunas filas; 2 rechazado
(argumentos erróneos, datos de nacimiento que el formulario rechaza, un archivo que no se puede
leer o escribir), con un mensaje de una línea en la salida de error estándar.
</translation>
    </message>
    <message>
        <source>Birth details:
  --date YYYY-MM-DD   date of birth, years 1800 to 2199
  --time HH:MM        local clock time of birth, 0:00 to 23:59
  --zone N            time zone list position, 0 to 163 (see &apos;starloom-cli zones&apos;)
  --dst               the clock time is daylight-saving time
  --lat D:M(N|S)      latitude in degrees and minutes, e.g. 51:30N
  --lon D:M(E|W)      longitude in degrees and minutes, e.g. 0:07W or 0:7W
  --name TEXT         name; &quot;Anonymous&quot; when not given
  --city TEXT         city; &quot;Unknown&quot; when not given
  --state TEXT        state; &quot;Unknown&quot; when not given
  --country TEXT      country; &quot;Unknown&quot; when not given
                      (these four take letters of any script, blanks, hyphens,
                      apostrophes and full stops, as the form&apos;s boxes do)
  --place NAME        a place from the offline atlas (&quot;Madrid&quot; or &quot;Madrid, Madrid,
                      Spain&quot;; the most populous match): fills city, state, country,
                      --lat and --lon, and, unless --zone is given, the zone and
                      daylight saving the time-zone database gives for the date
                      and time (a time the clocks skipped is moved forward by the
                      change, a repeated one is taken the first time; a note on
                      standard error says so)
--date and --time are required, and --zone, --lat and --lon unless --place
gives them. The details are checked
as the birth-data form checks them, with its messages: an empty name or place,
30 February or a latitude beyond 90 degrees is refused.
</source>
        <translation>Datos de nacimiento:
  --date YYYY-MM-DD   fecha de nacimiento, años 1800 a 2199
  --time HH:MM        hora local del nacimiento, 0:00 a 23:59
  --zone N            posición del huso en la lista, 0 a 163 (véase &apos;starloom-cli zones&apos;)
  --dst               la hora es horario de verano
  --lat D:M(N|S)      latitud en grados y minutos, p. ej. 51:30N
  --lon D:M(E|W)      longitud en grados y minutos, p. ej. 0:07W o 0:7W
  --name TEXT         nombre; &quot;Anonymous&quot; si no se indica
  --city TEXT         ciudad; &quot;Unknown&quot; si no se indica
  --state TEXT        región; &quot;Unknown&quot; si no se indica
  --country TEXT      país; &quot;Unknown&quot; si no se indica
                      (estos cuatro admiten letras de cualquier escritura, espacios,
                      guiones, apóstrofos y puntos, como las casillas del formulario)
  --place NAME        un lugar del atlas sin conexión (&quot;Madrid&quot; o &quot;Madrid, Madrid,
                      Spain&quot;; la coincidencia más poblada): rellena ciudad, región, país,
                      --lat y --lon y, salvo que se indique --zone, el huso y el
                      horario de verano que la base de datos de husos horarios da para la fecha
                      y la hora (una hora que los relojes saltaron se adelanta lo que
                      dura el cambio, una repetida se toma la primera vez; una nota en la
                      salida de error estándar lo indica)
--date y --time son obligatorias, y --zone, --lat y --lon salvo que --place
las proporcione. Los datos se comprueban
como los comprueba el formulario de nacimiento, con sus mensajes: un nombre o lugar vacío,
el 30 de febrero o una latitud de más de 90 grados se rechazan.
</translation>
    </message>
    <message>
        <source>  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets&apos; motion
</source>
        <translation>  --positions METHOD  standard (por omisión): las fórmulas integradas, retrogradaciones
                      según las tablas de estaciones; precise: la tabla ajustada
                      a una efeméride del JPL, a la centésima de segundo de arco,
                      retrogradaciones según el movimiento de los planetas
</translation>
    </message>
    <message>
        <source>  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant&apos;s), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see &apos;starloom-cli houses&apos;)
</source>
        <translation>  --houses SYSTEM     cómo se divide el cielo en casas: whole-sign (por
                      omisión: signos enteros a partir del del Ascendente), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric o morinus (véase &apos;starloom-cli houses&apos;)
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;birth details&gt;

Prints one reading: the personal details, the universal time with the zone and
offset used (and whether the atlas or the options gave them), the planetary
positions with each body&apos;s house, the midheaven and the lunar nodes, the twelve
houses (each with its cusp, the bodies and their retrograde marks), the aspects,
the interpretation and one line on the shape by degrees. Births before 1901 or
after 2050 are computed with the precise table, whatever --positions says, and a
note says so; a house system that is undefined at the place and time (Placidus,
Koch or Topocentric inside the polar circles) gives Porphyry houses, with a note. With --json, one JSON
object instead:
  name            the name as the reading file keeps it
  universal_time  the instant the planets were computed for, e.g. 1990-05-01T12:00Z
  positions       the method: &quot;standard&quot; or &quot;precise&quot;
  positions_note  only when the method is not the one asked for (a birth outside
                  1901..2050 is computed with the precise table)
  zone            the zone used: index (list position), name, offset_minutes (east
                  of Greenwich, daylight saving included) and dst (the tick)
  place           with --place: name, state, country, latitude, longitude and
                  time_zone of the atlas place
  time_note       only when the clocks skipped or repeated the time given
  bodies          Sun, Moon, Mercury .. Pluto and Asc, each with name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (degrees), retrograde and house
                  (1 to 12; the ascendant is in house 1)
  ascendant_sign  the ascendant&apos;s sign, full name (&quot;Taurus&quot;)
  moon_sign       the Moon&apos;s sign, full name
  house_cells     houses 1 to 12 as the wheel&apos;s cells read them: CR LF before
                  each body, retrograde marks included
  patterns        the planetary patterns in the report&apos;s order
  pattern_by_degrees
                  the shape the ten planets&apos; exact longitudes make: name,
                  leading (the leading planets, empty when none) and empty_arc
                  (from and to, in degrees: the largest gap between planets)
  houses          system (its command-line name), cusps (12 longitudes in degrees,
                  house 1 first) and, only when the system asked for is undefined
                  there, note (why, and that Porphyry houses are given)
  angles          asc and mc: the ascendant&apos;s and midheaven&apos;s longitudes (degrees)
  nodes           north and south: the Moon&apos;s nodes (degrees); kind &quot;mean&quot;
  aspects         each aspect as a (the first point), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; or &quot;sextile&quot;), orb (degrees
                  from exact) and applying; points are the ten bodies, Asc and
                  MC, with the default orbs 8, 8, 7, 7 and 5 degrees (2 more
                  for the Sun and the Moon). An aspect is applying when the two
                  points&apos; motion at the birth instant brings them towards the
                  exact angle: the Sun&apos;s, the Moon&apos;s and the planets&apos; daily
                  motion at that instant (the standard formulas differentiated,
                  or the precise table&apos;s own rates), the ascendant&apos;s and
                  midheaven&apos;s over the next quarter of an hour. Where the
                  relative motion is below 0.1 degrees a day the flag is a near
                  tie: judged from the positions a day later instead, it can
                  come out the other way.

</source>
        <translation>Uso: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;datos de nacimiento&gt;

Muestra una carta: los datos personales, el tiempo universal con el huso y la
diferencia usados (y si los dio el atlas o las opciones), las posiciones
planetarias con la casa de cada astro, el Medio Cielo y los nodos lunares, las doce
casas (cada una con su cúspide, los astros y sus marcas de retrogradación), los aspectos,
la interpretación y una línea sobre el patrón por grados. Los nacimientos anteriores a 1901 o
posteriores a 2050 se calculan con la tabla precisa, diga lo que diga --positions, y una
nota lo indica; un sistema de casas que no está definido en el lugar y la hora (Placidus,
Koch o Topocéntrico dentro de los círculos polares) da casas Porfirio, con una nota. Con --json, un objeto
JSON en su lugar:
  name            el nombre tal como lo guarda el archivo de carta
  universal_time  el instante para el que se calcularon los planetas, p. ej. 1990-05-01T12:00Z
  positions       el método: &quot;standard&quot; o &quot;precise&quot;
  positions_note  solo si el método no es el pedido (un nacimiento fuera de
                  1901..2050 se calcula con la tabla precisa)
  zone            el huso usado: index (posición en la lista), name, offset_minutes (al este
                  de Greenwich, horario de verano incluido) y dst (la casilla marcada)
  place           con --place: name, state, country, latitude, longitude y
                  time_zone del lugar del atlas
  time_note       solo si los relojes saltaron o repitieron la hora indicada
  bodies          Sun, Moon, Mercury .. Pluto y Asc, cada uno con name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (grados), retrograde y house
                  (1 a 12; el Ascendente está en la casa 1)
  ascendant_sign  el signo del Ascendente, nombre completo (&quot;Taurus&quot;)
  moon_sign       el signo de la Luna, nombre completo
  house_cells     las casas 1 a 12 tal como las muestran las celdas de la rueda: CR LF antes
                  de cada astro, marcas de retrogradación incluidas
  patterns        los patrones planetarios en el orden del informe
  pattern_by_degrees
                  la figura que forman las longitudes exactas de los diez planetas: name,
                  leading (los planetas guía, vacío si no hay ninguno) y empty_arc
                  (from y to, en grados: el mayor hueco entre planetas)
  houses          system (su nombre en la línea de órdenes), cusps (12 longitudes en grados,
                  la casa 1 primero) y, solo si el sistema pedido no está definido
                  allí, note (por qué, y que se dan casas Porfirio)
  angles          asc y mc: las longitudes del Ascendente y del Medio Cielo (grados)
  nodes           north y south: los nodos de la Luna (grados); kind &quot;mean&quot;
  aspects         cada aspecto como a (el primer punto), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; o &quot;sextile&quot;), orb (grados
                  desde el exacto) y applying; los puntos son los diez astros, Asc y
                  MC, con los orbes por omisión de 8, 8, 7, 7 y 5 grados (2 más
                  para el Sol y la Luna). Un aspecto es aplicativo cuando el movimiento
                  de los dos puntos en el instante del nacimiento los acerca al
                  ángulo exacto: el movimiento diario del Sol, la Luna y los
                  planetas en ese instante (las fórmulas estándar derivadas,
                  o las velocidades propias de la tabla precisa), el del Ascendente y
                  del Medio Cielo durante el cuarto de hora siguiente. Donde el
                  movimiento relativo es inferior a 0,1 grados por día, la indicación es casi
                  un empate: juzgada con las posiciones un día después, puede
                  resultar al revés.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program&apos;s Open Previously Saved
Reading makes it. The name must end in &quot;act&quot; (lower case). The file&apos;s details
are checked as the birth-data form checks them. With --json, one JSON object.
</source>
        <translation>Uso: starloom-cli open FILE.act [--json]

Muestra la carta de un archivo de carta, tal como la crea la apertura de una carta guardada
en el programa. El nombre debe terminar en &quot;act&quot; (en minúsculas). Los datos del archivo
se comprueban como los comprueba el formulario de nacimiento. Con --json, un objeto JSON.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli save FILE.act &lt;birth details&gt;

Writes the reading file of the birth, byte for byte as the program&apos;s Save As
does. The file is written whole or not at all; an existing file is replaced.

</source>
        <translation>Uso: starloom-cli save FILE.act &lt;datos de nacimiento&gt;

Escribe el archivo de carta del nacimiento, byte a byte como lo hace Guardar como
en el programa. El archivo se escribe entero o nada; un archivo existente se sustituye.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the text export of the reading, byte for byte as the program&apos;s Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;datos de nacimiento&gt; | --from FILE.act)

Escribe la exportación de texto de la carta, byte a byte como lo hace la exportación
como texto del programa. El archivo se escribe entero o nada; un archivo existente
se sustituye.

  --from FILE.act     tomar los datos de nacimiento de un archivo de carta

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Saves the result window of the reading as a JPEG image, as the program&apos;s Save As
JPEG does: the name is cut at the first dot of its file part and given &quot;.jpg&quot;;
when that file exists, the first free name_001.jpg .. name_999.jpg is taken, so
no file is ever replaced. The window is drawn without a screen.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;datos de nacimiento&gt; | --from FILE.act)

Guarda la ventana de resultados de la carta como imagen JPEG, como lo hace guardar como
JPEG en el programa: el nombre se corta en el primer punto de su parte de archivo y recibe &quot;.jpg&quot;;
si ese archivo existe, se toma el primer nombre libre name_001.jpg .. name_999.jpg, de modo
que nunca se sustituye ningún archivo. La ventana se dibuja sin pantalla.

  --from FILE.act     tomar los datos de nacimiento de un archivo de carta

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the reading as the program prints it and as its Export as PDF writes it:
the personal details with the time zone, the universal time and the directions
of latitude and longitude, the wheel, the planetary positions, the ascendant and
Moon signs and the whole interpretation, over as many pages as it needs. The
file is written whole or not at all; an existing file is replaced. No screen is
needed.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;datos de nacimiento&gt; | --from FILE.act)

Escribe la carta tal como el programa la imprime y como la escribe su exportación a PDF:
los datos personales con el huso horario, el tiempo universal y las direcciones
de la latitud y la longitud, la rueda, las posiciones planetarias, los signos del Ascendente y
de la Luna y toda la interpretación, en tantas páginas como necesite. El
archivo se escribe entero o nada; un archivo existente se sustituye. No hace falta
pantalla.

  --from FILE.act     tomar los datos de nacimiento de un archivo de carta

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli batch IN.csv [--format jsonl|csv] [--threads N] [--out FILE] [--quiet]
                          [--positions METHOD] [--houses SYSTEM]

Reads a CSV file (RFC 4180: quoted fields may hold commas, quotes and line
breaks) whose first line is the header
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
optionally followed by a last column &quot;place&quot;, and writes one JSON object per
row, in input order (JSON Lines): the reading&apos;s
object as &apos;reading --json&apos; gives it, or {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} for a row
that is malformed or that the birth-data form refuses (N is the line of the
input on which the row starts). dst is 0 or 1, lat_dir N or S, lon_dir E or W.
Empty lines are skipped. IN.csv may be &quot;-&quot; for standard input.
A filled place cell works as --place: the atlas place&apos;s coordinates, city, state
and country, and the zone and dst of the time-zone database, fill the cells the
row leaves empty; an empty place cell means the row&apos;s own fields.

  --format F    jsonl (the default): the JSON lines above; csv: a table for
                spreadsheets (RFC 4180, CR LF line ends), a header and then one
                record per row: line (of the input), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                for each of sun .. pluto its _longitude, _sign, _retrograde and
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (by signs, joined by &quot;; &quot;), pattern_by_degrees, leading
                (its leading planets, joined by &quot;; &quot;) and error (a refused row&apos;s
                reason, every value column then empty); values as in the JSON
  --threads N   worker threads, 1 to 64 (default: the number of processors)
  --out FILE    write to FILE, whole or not at all, instead of standard output
                (not the input; a device or pipe is written into)
  --quiet       no progress line; without it, when standard error is a
                terminal and the lines do not go to that terminal, one line
                there shows the rows done, the rows a second and, for a file,
                the time left

A field over 64 KiB, a record over 1 MiB or one of more than 1024 fields gives
an error object for that row, as does a name with a control character (which a
reading file cannot keep); the letters-only rule of --name does not apply to
rows, whose names may be codes such as &quot;Person 12&quot;. Exit status 1 when any row gave an error object, 2
when the input has no header or a file cannot be read or written: a first line
that is not the header (or runs on longer than one) is refused before anything
else is read, an output that cannot be made before any row is worked, and the
first write that fails ends the batch.
</source>
        <translation>Uso: starloom-cli batch IN.csv [--format jsonl|csv] [--threads N] [--out FILE] [--quiet]
                          [--positions METHOD] [--houses SYSTEM]

Lee un archivo CSV (RFC 4180: los campos entre comillas pueden contener comas, comillas y saltos
de línea) cuya primera línea es la cabecera
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
seguida opcionalmente de una última columna &quot;place&quot;, y escribe un objeto JSON por
fila, en el orden de la entrada (JSON Lines): el objeto de la carta
tal como lo da &apos;reading --json&apos;, o {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} para una fila
mal formada o que el formulario de nacimiento rechaza (N es la línea de la
entrada en la que empieza la fila). dst es 0 o 1, lat_dir N o S, lon_dir E o W.
Las líneas vacías se omiten. IN.csv puede ser &quot;-&quot; para la entrada estándar.
Una celda place rellena funciona como --place: las coordenadas, la ciudad, la región
y el país del lugar del atlas, y el huso y dst de la base de datos de husos horarios, rellenan
las celdas que la fila deja vacías; una celda place vacía significa los campos propios de la fila.

  --format F    jsonl (por omisión): las líneas JSON de arriba; csv: una tabla para
                hojas de cálculo (RFC 4180, finales de línea CR LF), una cabecera y luego un
                registro por fila: line (de la entrada), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                para cada uno de sun .. pluto su _longitude, _sign, _retrograde y
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (por signos, unidos por &quot;; &quot;), pattern_by_degrees, leading
                (sus planetas guía, unidos por &quot;; &quot;) y error (el motivo de una fila
                rechazada, con todas las columnas de valores vacías); valores como en el JSON
  --threads N   hilos de trabajo, 1 a 64 (por omisión: el número de procesadores)
  --out FILE    escribir en FILE, entero o nada, en lugar de la salida estándar
                (no la entrada; en un dispositivo o una tubería se escribe directamente)
  --quiet       sin línea de progreso; sin esta opción, cuando la salida de error estándar
                es una terminal y las líneas no van a esa terminal, una línea
                allí muestra las filas hechas, las filas por segundo y, para un archivo,
                el tiempo restante

Un campo de más de 64 KiB, un registro de más de 1 MiB o uno de más de 1024 campos da
un objeto de error para esa fila, igual que un nombre con un carácter de control (que un
archivo de carta no puede guardar); la regla de solo letras de --name no se aplica a las
filas, cuyos nombres pueden ser códigos como &quot;Person 12&quot;. Código de salida 1 si alguna fila dio un objeto de error, 2
si la entrada no tiene cabecera o un archivo no se puede leer o escribir: una primera línea
que no es la cabecera (o que ocupa más de una) se rechaza antes de leer nada
más, una salida que no se puede crear, antes de procesar ninguna fila, y la
primera escritura que falla termina el lote.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli stats IN.csv [--threads N] [--quiet] [--positions METHOD]
                          [--houses SYSTEM] [--plot FILE.svg]

Reads a CSV file with the header and rows of &apos;starloom-cli batch&apos;, makes the
reading of every row and prints, as tables, the count and share of the readings
for each planetary pattern by signs, each pattern by degrees, each leading
planet, each kind of aspect and the bodies in each house. Rows are read and
refused exactly as the batch reads them; refused rows are skipped and counted,
and the reasons of the first ten go to standard error. IN.csv may be &quot;-&quot; for
standard input.

  --threads N         worker threads, 1 to 64 (default: the number of processors)
  --quiet             no progress line; without it, when standard error is a
                      terminal, one line there shows the rows done, the rows a
                      second and, for a file, the time left
  --positions METHOD  how the planets&apos; positions are computed: standard (the
                      program&apos;s own formulas; the default) or precise
  --houses SYSTEM     the house system the bodies are counted by (whole-sign, the
                      default; see &apos;starloom-cli houses&apos;)
  --plot FILE.svg     also draw the tables as a bar chart into an SVG file,
                      written whole or not at all

Exit status 1 when any row was skipped, 2 when the input has no header or a
file cannot be read or written.
</source>
        <translation>Uso: starloom-cli stats IN.csv [--threads N] [--quiet] [--positions METHOD]
                          [--houses SYSTEM] [--plot FILE.svg]

Lee un archivo CSV con la cabecera y las filas de &apos;starloom-cli batch&apos;, calcula la
carta de cada fila y muestra, en tablas, el recuento y la parte de las cartas
para cada patrón planetario por signos, cada patrón por grados, cada planeta
guía, cada tipo de aspecto y los astros de cada casa. Las filas se leen y se
rechazan exactamente como las lee el lote; las filas rechazadas se omiten y se cuentan,
y los motivos de las diez primeras van a la salida de error estándar. IN.csv puede ser &quot;-&quot; para
la entrada estándar.

  --threads N         hilos de trabajo, 1 a 64 (por omisión: el número de procesadores)
  --quiet             sin línea de progreso; sin esta opción, cuando la salida de error
                      estándar es una terminal, una línea allí muestra las filas hechas, las filas
                      por segundo y, para un archivo, el tiempo restante
  --positions METHOD  cómo se calculan las posiciones de los planetas: standard (las
                      fórmulas propias del programa; por omisión) o precise
  --houses SYSTEM     el sistema de casas con el que se cuentan los astros (whole-sign, por
                      omisión; véase &apos;starloom-cli houses&apos;)
  --plot FILE.svg     dibujar también las tablas como gráfico de barras en un archivo SVG,
                      escrito entero o nada

Código de salida 1 si se omitió alguna fila, 2 si la entrada no tiene cabecera o un
archivo no se puede leer o escribir.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli houses

Lists the house systems --houses takes, with their names as the program shows
them. Where Placidus, Koch or Topocentric houses do not exist (inside the polar
circles at some sidereal times) or at a pole, a chart gives Porphyry houses and
says so.
</source>
        <translation>Uso: starloom-cli houses

Enumera los sistemas de casas que admite --houses, con sus nombres tal como el programa
los muestra. Donde las casas Placidus, Koch o Topocéntricas no existen (dentro de los círculos
polares en algunos tiempos sidéreos) o en un polo, una carta da casas Porfirio y
lo indica.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli zones

Lists the 164 time zones of the birth-data form by name, as the form shows them,
each after its list position: the number --zone and the batch&apos;s zone column
take. &quot;Local Mean Time&quot; takes its offset from the birth&apos;s longitude: 4 minutes
per degree, east ahead of Greenwich.
</source>
        <translation>Uso: starloom-cli zones

Enumera por su nombre los 164 husos horarios del formulario de nacimiento, tal como los muestra,
cada uno tras su posición en la lista: el número que admiten --zone y la columna zone
del lote. &quot;Local Mean Time&quot; toma su diferencia de la longitud del nacimiento: 4 minutos
por grado, el este por delante de Greenwich.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli transits (&lt;birth details&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Prints every transit event from the start of --start to the end of --end, one
a line in time order, written as it is found: each exact aspect (conjunction,
opposition, trine, square, sextile) of a transiting Sun, Moon, Mercury ..
Pluto or true North Node to a natal point (the ten bodies, Asc and MC), each
station of Mercury .. Pluto (turning retrograde or direct) and each ingress of
a transiting body into a sign or into a natal house (by the reading&apos;s cusps).
Moments are universal time to the nearest minute, found as exact roots of the
precise positions; a retrograde pass gives its own events. The natal chart is
computed by --positions and --houses; the transiting bodies always by the
precise table, so the dates must lie within its span.

  --start DATE   YYYY-MM-DD (from its midnight) or YYYY-MM-DDTHH:MM, universal time
  --end DATE     YYYY-MM-DD (to the midnight that ends it) or YYYY-MM-DDTHH:MM
  --json         JSON Lines, one object per event: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; or &quot;ingress&quot;), body, and for an aspect
                 aspect and natal (the natal point&apos;s name as in the reading&apos;s
                 bodies, or &quot;MC&quot;), for a station direction (&quot;retrograde&quot; or
                 &quot;direct&quot;), for an ingress sign (its full name) or house (1 to 12)
  --from FILE.act  take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli transits (&lt;datos de nacimiento&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Muestra cada evento de tránsito desde el comienzo de --start hasta el final de --end, uno
por línea en orden temporal, escrito en cuanto se encuentra: cada aspecto exacto (conjunción,
oposición, trígono, cuadratura, sextil) de un Sol, una Luna, un Mercurio ..
Plutón o un Nodo Norte verdadero en tránsito a un punto natal (los diez astros, Asc y MC), cada
estación de Mercurio .. Plutón (al volverse retrógrado o directo) y cada ingreso de
un astro en tránsito en un signo o en una casa natal (según las cúspides de la carta).
Los momentos son tiempo universal al minuto, hallados como raíces exactas de las
posiciones precisas; un paso retrógrado da sus propios eventos. La carta natal se
calcula según --positions y --houses; los astros en tránsito siempre según la
tabla precisa, así que las fechas deben estar dentro de su periodo.

  --start DATE   YYYY-MM-DD (desde su medianoche) o YYYY-MM-DDTHH:MM, tiempo universal
  --end DATE     YYYY-MM-DD (hasta la medianoche que lo termina) o YYYY-MM-DDTHH:MM
  --json         JSON Lines, un objeto por evento: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; o &quot;ingress&quot;), body, y para un aspecto
                 aspect y natal (el nombre del punto natal como en los bodies de la
                 carta, o &quot;MC&quot;), para una estación direction (&quot;retrograde&quot; o
                 &quot;direct&quot;), para un ingreso sign (su nombre completo) o house (1 a 12)
  --from FILE.act  tomar los datos de nacimiento de un archivo de carta

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli progressions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli progressions (&lt;datos de nacimiento&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli directions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli directions (&lt;datos de nacimiento&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>
Prints the natal chart and the second chart side by side (each point with the
natal house it falls in) and the aspects between them, natal point first, with
an orb of 1 degree for every kind, applying or separating as the second chart
moves. With --json, one object: kind, date, first (the natal chart) and second
(the progressed or directed chart), each with name, universal_time, positions
(the method), bodies (name, position, sign, longitude, retrograde and house, as
the reading&apos;s; the second chart&apos;s house is the natal house it falls in) and
angles (asc, mc); arc (degrees, as above); aspects (a: the natal point, b: the
second chart&apos;s point, aspect, orb, applying).

  --date DATE          the date the chart is made for: YYYY-MM-DD (its
                       midnight) or YYYY-MM-DDTHH:MM, universal time
  --birth-date DATE    the date of birth, YYYY-MM-DD: what --date is among the
                       birth details below
  --from FILE.act      take the birth details from a reading file

</source>
        <translation>
Muestra la carta natal y la segunda carta una al lado de la otra (cada punto con la
casa natal en la que cae) y los aspectos entre ellas, el punto natal primero, con
un orbe de 1 grado para cada tipo, aplicativos o separativos según se mueve la segunda
carta. Con --json, un objeto: kind, date, first (la carta natal) y second
(la carta progresada o dirigida), cada una con name, universal_time, positions
(el método), bodies (name, position, sign, longitude, retrograde y house, como
en la carta; la casa de la segunda carta es la casa natal en la que cae) y
angles (asc, mc); arc (grados, como arriba); aspects (a: el punto natal, b: el
punto de la segunda carta, aspect, orb, applying).

  --date DATE          la fecha para la que se levanta la carta: YYYY-MM-DD (su
                       medianoche) o YYYY-MM-DDTHH:MM, tiempo universal
  --birth-date DATE    la fecha de nacimiento, YYYY-MM-DD: lo que es --date entre los
                       datos de nacimiento de abajo
  --from FILE.act      tomar los datos de nacimiento de un archivo de carta

</translation>
    </message>
    <message>
        <source>Secondary progressions: the chart of the day N days after birth for N years of
life (tropical years), the bodies by the precise table. The progressed MC moves
by the solar arc in right ascension: the natal sidereal angle (RAMC) grows by
the arc the Sun has moved in right ascension since birth, and the MC and Asc
follow from it with the natal latitude and obliquity. The MC is the meridian&apos;s
point and the meridian turns with right ascension, so this keeps the
progressed MC on the progressed meridian and the Asc consistent with it, where
the Sun&apos;s arc in longitude added to the MC would not. arc is that arc.
</source>
        <translation>Progresiones secundarias: la carta del día N días después del nacimiento para N años de
vida (años trópicos), los astros según la tabla precisa. El MC progresado avanza
el arco solar en ascensión recta: el ángulo sidéreo natal (RAMC) crece el
arco que el Sol ha recorrido en ascensión recta desde el nacimiento, y el MC y el Asc
se deducen de él con la latitud natal y la oblicuidad. El MC es el punto del meridiano
y el meridiano gira con la ascensión recta, así que esto mantiene el
MC progresado sobre el meridiano progresado y el Asc coherente con él, cosa que
el arco del Sol en longitud sumado al MC no haría. arc es ese arco.
</translation>
    </message>
    <message>
        <source>Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun&apos;s longitude (one day after birth
for each year of life, by the precise table) less the Sun&apos;s at birth. arc is
that arc, in degrees.
</source>
        <translation>Direcciones por arco solar: cada punto natal (los diez astros, Asc y MC) avanzado
el arco solar, la longitud del Sol progresado (un día después del nacimiento
por cada año de vida, según la tabla precisa) menos la del Sol al nacer. arc es
ese arco, en grados.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli synastry A.act B.act [--json] [--positions METHOD] [--houses SYSTEM]

Compares two readings: both charts&apos; positions (each point of B with the house
of A it falls in) and every aspect between a point of A and a point of B (the
ten bodies, Asc and MC), with the natal orbs 8, 8, 7, 7 and 5 degrees (2 more
for the Sun and the Moon), applying or separating as both charts moved at
birth. With --json, one object: kind (&quot;synastry&quot;), first (A) and second (B),
each with name, universal_time, positions, bodies (as the reading&apos;s; B&apos;s house
is A&apos;s house it falls in) and angles (asc, mc), and aspects (a: A&apos;s point, b:
B&apos;s point, aspect, orb, applying).

</source>
        <translation>Uso: starloom-cli synastry A.act B.act [--json] [--positions METHOD] [--houses SYSTEM]

Compara dos cartas: las posiciones de ambas (cada punto de B con la casa
de A en la que cae) y cada aspecto entre un punto de A y un punto de B (los
diez astros, Asc y MC), con los orbes natales de 8, 8, 7, 7 y 5 grados (2 más
para el Sol y la Luna), aplicativos o separativos según se movían ambas cartas al
nacer. Con --json, un objeto: kind (&quot;synastry&quot;), first (A) y second (B),
cada una con name, universal_time, positions, bodies (como en la carta; la casa de B
es la casa de A en la que cae) y angles (asc, mc), y aspects (a: el punto de A, b: el
punto de B, aspect, orb, applying).

</translation>
    </message>
</context>
<context>
    <name>CliMessages</name>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>%1: is the input file; choose another output file</source>
        <translation>%1: es el archivo de entrada; elija otro archivo de salida</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>must be degrees:minutes (one to three digits each) followed by %1 or %2</source>
        <translation>debe ser grados:minutos (de una a tres cifras cada uno) seguido de %1 o %2</translation>
    </message>
    <message>
        <source>must be YYYY-MM-DD</source>
        <translation>debe tener la forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must be a whole number from %1 to %2</source>
        <translation>el año debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>the month must be a whole number from %1 to %2</source>
        <translation>el mes debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>the day must be a whole number from %1 to %2</source>
        <translation>el día debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>must be HH:MM</source>
        <translation>debe tener la forma HH:MM</translation>
    </message>
    <message>
        <source>the hour must be a whole number from %1 to %2</source>
        <translation>la hora debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>the minute must be a whole number from %1 to %2</source>
        <translation>el minuto debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>the zone must be a whole number from %1 to %2 (see the zones command)</source>
        <translation>la zona debe ser un número entero de %1 a %2 (véase la orden zones)</translation>
    </message>
    <message>
        <source>%1: no place called &quot;%2&quot; in the atlas</source>
        <translation>%1: ningún lugar llamado &quot;%2&quot; en el atlas</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is ambiguous; say which: %3</source>
        <translation>%1: &quot;%2&quot; es ambiguo; indique cuál: %3</translation>
    </message>
    <message>
        <source>--place: %1 Give --zone.</source>
        <translation>--place: %1 Indique --zone.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>--positions must be standard or precise</source>
        <translation>--positions debe ser standard o precise</translation>
    </message>
    <message>
        <source>--houses must be %1</source>
        <translation>--houses debe ser %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from cannot be combined with birth details</source>
        <translation>--from no puede combinarse con datos de nacimiento</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>the image&apos;s file name is empty</source>
        <translation>el nombre de archivo de la imagen está vacío</translation>
    </message>
    <message>
        <source>%1: names a folder, not an image file</source>
        <translation>%1: designa una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <source>image: this build of the tool draws no images</source>
        <translation>image: esta compilación de la herramienta no dibuja imágenes</translation>
    </message>
    <message>
        <source>pdf: this build of the tool draws no documents</source>
        <translation>pdf: esta compilación de la herramienta no dibuja documentos</translation>
    </message>
    <message>
        <source>--threads must be a whole number from 1 to %1</source>
        <translation>--threads debe ser un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--format must be jsonl or csv</source>
        <translation>--format debe ser jsonl o csv</translation>
    </message>
    <message>
        <source>--plot needs a file name</source>
        <translation>--plot necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--plot: this build of the tool draws no charts</source>
        <translation>--plot: esta compilación de la herramienta no dibuja gráficos</translation>
    </message>
    <message>
        <source>--end lies before --start</source>
        <translation>--end es anterior a --start</translation>
    </message>
    <message>
        <source>transits are computed from the precise table: --start and --end must lie within %1</source>
        <translation>los tránsitos se calculan con la tabla precisa: --start y --end deben estar en el periodo %1</translation>
    </message>
    <message>
        <source>--date: the progressed moment must lie within the precise table, %1</source>
        <translation>--date: el momento progresado debe estar dentro de la tabla precisa, %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 dado dos veces</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1: Please enter only letters</source>
        <translation>%1: Introduzca solo letras</translation>
    </message>
    <message>
        <source>missing command (see &apos;starloom-cli --help&apos;)</source>
        <translation>falta la orden (véase &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see &apos;starloom-cli --help&apos;)</source>
        <translation>orden desconocida &apos;%1&apos; (véase &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>salida estándar: %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; for --lang (shipped: %2)</source>
        <translation>idioma desconocido &apos;%1&apos; para --lang (incluidos: %2)</translation>
    </message>
    <message>
        <source>the reading could not be shown</source>
        <translation>la carta no pudo mostrarse</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>%1, %2 rows a second</source>
        <translation>%1, %2 filas por segundo</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, quedan %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>la primera línea debe ser la cabecera %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>&apos;%1&apos; no es una fecha YYYY-MM-DD o YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the calendar</source>
        <translation>&apos;%1&apos; no es un día del calendario</translation>
    </message>
    <message>
        <source>line %1: %2 (row skipped)</source>
        <translation>línea %1: %2 (fila omitida)</translation>
    </message>
    <message>
        <source>the built-in table of precise positions is damaged (%1); install the program again</source>
        <translation>la tabla integrada de posiciones precisas está dañada (%1); vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>place: %1 Give the zone.</source>
        <translation>place: %1 Indique el huso.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>se esperaban %1 campos, hay %2</translation>
    </message>
    <message>
        <source>name must not hold control characters</source>
        <translation>name no debe contener caracteres de control</translation>
    </message>
    <message>
        <source>%1 must be one to three digits</source>
        <translation>%1 debe tener de una a tres cifras</translation>
    </message>
    <message>
        <source>lat_dir must be N, S or empty</source>
        <translation>lat_dir debe ser N, S o vacío</translation>
    </message>
    <message>
        <source>lon_dir must be E, W or empty</source>
        <translation>lon_dir debe ser E, W o vacío</translation>
    </message>
    <message>
        <source>more than 1024 fields in the record</source>
        <translation>más de 1024 campos en el registro</translation>
    </message>
    <message>
        <source>the record is longer than 1 MiB</source>
        <translation>el registro ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>a field is longer than 64 KiB</source>
        <translation>un campo ocupa más de 64 KiB</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texto tras unas comillas de cierre</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>unas comillas dentro de un campo que no empieza con ellas</translation>
    </message>
    <message>
        <source>a quoted field is not closed at the end of the input</source>
        <translation>un campo entre comillas no está cerrado al final de la entrada</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>The date of birth&apos;s format (QDate::toString): MMMM the month&apos;s name, d the day, yyyy the year, e.g. &quot;d. MMMM yyyy&quot; for &quot;1. Mai 1990&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>Hora de nacimiento: %1 h %2 min</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute %3</source>
        <translation>Latitud: %1 grados %2 minutos %3</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute %3</source>
        <translation>Longitud: %1 grados %2 minutos %3</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ciudad: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Región: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>País: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posiciones planetarias</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>casa %1</translation>
    </message>
    <message>
        <source>true</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>verdadero</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>medio</translation>
    </message>
    <message>
        <source>Midheaven and Lunar Nodes</source>
        <translation>Medio Cielo y nodos lunares</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>midheaven</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>Nodo Norte</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Nodo Sur</translation>
    </message>
    <message>
        <source>Houses (%1)</source>
        <translation>Casas (%1)</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspectos</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no aspects</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>no leading planet</source>
        <translation>ningún planeta guía</translation>
    </message>
    <message>
        <source>led by %1</source>
        <translation>encabezado por %1</translation>
    </message>
    <message>
        <source>led by %1 and %2</source>
        <translation>encabezado por %1 y %2</translation>
    </message>
    <message>
        <source>Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to %5)</source>
        <translation>Patrón por grados: %1, %2 (mayor arco vacío %3 grados, de %4 a %5)</translation>
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
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>The format of a date and time of universal time in the text output (QDateTime:: toString), e.g. &quot;dd.MM.yyyy HH:mm&quot; for &quot;01.04.2024 22:15&quot;.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progresado</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Dirigido</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Tránsito</translation>
    </message>
    <message>
        <source>Aspects (natal point, then progressed point; orb 1 degree)</source>
        <translation>Aspectos (punto natal, luego punto progresado; orbe 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then directed point; orb 1 degree)</source>
        <translation>Aspectos (punto natal, luego punto dirigido; orbe 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then transiting point; orb 1 degree)</source>
        <translation>Aspectos (punto natal, luego punto en tránsito; orbe 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (%1&apos;s point, then %2&apos;s point; orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)</source>
        <translation>Aspectos (punto de %1, luego punto de %2; orbes de 8, 8, 7, 7 y 5 grados, 2 más para el Sol y la Luna)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
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
    <message>
        <source>Secondary progressions of %1 to %2 UT
Born %3 UT; progressed moment %4 UT, one day for each year of life
Midheaven moved by the solar arc in right ascension: %5 degrees</source>
        <translation>Progresiones secundarias de %1 al %2 UT
Nacimiento %3 UT; momento progresado %4 UT, un día por cada año de vida
Medio Cielo movido por el arco solar en ascensión recta: %5 grados</translation>
    </message>
    <message>
        <source>Solar arc directions of %1 to %2 UT
Born %3 UT; solar arc %4 degrees, the progressed Sun&apos;s at %5 UT</source>
        <translation>Direcciones por arco solar de %1 al %2 UT
Nacimiento %3 UT; arco solar %4 grados, el del Sol progresado el %5 UT</translation>
    </message>
    <message>
        <source>Transits to %1 at %2 UT</source>
        <translation>Tránsitos de %1 el %2 UT</translation>
    </message>
    <message>
        <source>Synastry of %1 and %2
%1: born %3 UT; %2: born %4 UT</source>
        <translation>Sinastría de %1 y %2
%1: nacimiento %3 UT; %2: nacimiento %4 UT</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>in %1&apos;s house</source>
        <translation>en la casa de %1</translation>
    </message>
    <message>
        <source>in natal house</source>
        <translation>en casa natal</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no leading planet</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Patterns by signs</source>
        <translation>Patrones por signos</translation>
    </message>
    <message>
        <source>a chart may show several, so the shares add up to more than 100%</source>
        <translation>una carta puede mostrar varios, así que las partes suman más del 100%</translation>
    </message>
    <message>
        <source>Patterns by degrees</source>
        <translation>Patrones por grados</translation>
    </message>
    <message>
        <source>one per chart</source>
        <translation>uno por carta</translation>
    </message>
    <message>
        <source>a Bucket&apos;s handle of two planets counts for both</source>
        <translation>un asa (Bucket) de dos planetas cuenta para ambos</translation>
    </message>
    <message>
        <source>every aspect counts, so a share above 100% is more than one a chart</source>
        <translation>cada aspecto cuenta, así que una parte por encima del 100% es más de uno por carta</translation>
    </message>
    <message>
        <source>Bodies by house</source>
        <translation>Astros por casa</translation>
    </message>
    <message>
        <source>the Sun, the Moon and the planets each count once, so the shares add up to 1000%</source>
        <translation>el Sol, la Luna y los planetas cuentan una vez cada uno, así que las partes suman 1000%</translation>
    </message>
    <message>
        <source>Readings: %1</source>
        <translation>Cartas: %1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>Filas omitidas: %1</translation>
    </message>
    <message>
        <source>count</source>
        <comment>the stats column</comment>
        <translation>recuento</translation>
    </message>
    <message>
        <source>share</source>
        <comment>the stats column</comment>
        <translation>parte</translation>
    </message>
    <message>
        <source>Leading planets</source>
        <translation>Planetas guía</translation>
    </message>
    <message>
        <source>Planetary patterns of %1 births</source>
        <translation>Patrones planetarios de %1 nacimientos</translation>
    </message>
    <message>
        <source>Made by starloom-cli stats</source>
        <translation>Creado con starloom-cli stats</translation>
    </message>
    <message>
        <source>Share of the readings in each category; counts in brackets</source>
        <translation>Parte de las cartas en cada categoría; recuentos entre paréntesis</translation>
    </message>
</context>
</TS>
