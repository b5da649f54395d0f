<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: starloom-cli &lt;Befehl&gt; [Optionen]

QM-Starloom-Horoskope von der Kommandozeile, berechnet mit dem eigenen Code des Programms.

Befehle:
  reading   ein Horoskop aus Geburtsdaten, als Text oder JSON
  open      ein Horoskop aus einer Horoskopdatei (.act)
  save      die Horoskopdatei einer Geburt schreiben
  export    den Textexport eines Horoskops schreiben
  image     das Ergebnisfenster eines Horoskops als JPEG-Bild speichern
  pdf       das gedruckte Horoskop als PDF-Dokument schreiben
  batch     die Horoskope aller Zeilen einer CSV-Datei, als JSON Lines
  stats     wie oft jedes Verteilungsmuster und jeder führende Planet in einer CSV-Datei vorkommt
  zones     die Zeitzonen und ihre Listenpositionen
  houses    die Häusersysteme, die --houses annimmt
  transits  die exakten Transite zu einem Horoskop über einen Zeitraum, einer je Zeile
  progressions
            die Sekundärprogressionen eines Horoskops auf ein Datum
  directions
            die Sonnenbogen-Direktionen eines Horoskops auf ein Datum
  synastry  zwei Horoskope verglichen: ihre Positionen und Kreuzaspekte

Optionen:
  --help      diese Hilfe zeigen, oder die Hilfe eines Befehls nach seinem Namen
  --version   die Version zeigen
  --lang CODE die Sprache der Texte: en, de, fr, es, pt_BR oder it (ohne Angabe
              die, die das Gebietsschema der Umgebung nennt); JSON, Horoskopdateien,
              Stapelläufe und CSV sind in jeder Sprache gleich

Rückgabewert: 0 erledigt; 1 ein Stapellauf lief, aber einige Zeilen wurden abgelehnt; 2 abgelehnt
(falsche Argumente, Geburtsdaten, die das Geburtsdatenformular ablehnt, eine Datei, die nicht
gelesen oder geschrieben werden kann), mit einer einzeiligen Meldung auf der Standardfehlerausgabe.
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
        <translation>Geburtsdaten:
  --date YYYY-MM-DD   Geburtsdatum, Jahre 1800 bis 2199
  --time HH:MM        örtliche Uhrzeit der Geburt, 0:00 bis 23:59
  --zone N            Listenposition der Zeitzone, 0 bis 163 (siehe &apos;starloom-cli zones&apos;)
  --dst               die Uhrzeit ist Sommerzeit
  --lat D:M(N|S)      Breite in Grad und Minuten, z. B. 51:30N
  --lon D:M(E|W)      Länge in Grad und Minuten, z. B. 0:07W oder 0:7W
  --name TEXT         Name; &quot;Anonymous&quot;, wenn nicht angegeben
  --city TEXT         Ort; &quot;Unknown&quot;, wenn nicht angegeben
  --state TEXT        Region; &quot;Unknown&quot;, wenn nicht angegeben
  --country TEXT      Land; &quot;Unknown&quot;, wenn nicht angegeben
                      (diese vier nehmen Buchstaben jeder Schrift, Leerzeichen,
                      Bindestriche, Apostrophe und Punkte, wie die Felder des Formulars)
  --place NAME        ein Ort aus dem Offline-Atlas (&quot;Madrid&quot; oder &quot;Madrid, Madrid,
                      Spain&quot;; der bevölkerungsreichste Treffer): füllt Ort, Region, Land,
                      --lat und --lon und, sofern --zone nicht angegeben ist, die Zone und
                      die Sommerzeit, die die Zeitzonendatenbank für Datum und Uhrzeit
                      angibt (eine von der Zeitumstellung übersprungene Uhrzeit wird um die
                      Umstellung vorverlegt, eine doppelte beim ersten Mal genommen; ein
                      Hinweis auf der Standardfehlerausgabe sagt es)
--date und --time sind nötig, und --zone, --lat und --lon, sofern --place sie
nicht liefert. Die Daten werden geprüft,
wie das Geburtsdatenformular sie prüft, mit seinen Meldungen: ein leerer Name oder Ort,
der 30. Februar oder eine Breite über 90 Grad wird abgelehnt.
</translation>
    </message>
    <message>
        <source>  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets&apos; motion
</source>
        <translation>  --positions METHOD  standard (Vorgabe): die eingebauten Formeln, Rückläufigkeit
                      aus den Stationstabellen; precise: die an eine JPL-Ephemeride
                      angepasste Tabelle, auf eine hundertstel Bogensekunde genau,
                      Rückläufigkeit aus der Bewegung der Planeten
</translation>
    </message>
    <message>
        <source>  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant&apos;s), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see &apos;starloom-cli houses&apos;)
</source>
        <translation>  --houses SYSTEM     wie der Himmel in Häuser geteilt wird: whole-sign (die
                      Vorgabe: ganze Zeichen ab dem des Aszendenten), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric oder morinus (siehe &apos;starloom-cli houses&apos;)
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
        <translation>Aufruf: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;Geburtsdaten&gt;

Gibt ein Horoskop aus: die persönlichen Daten, die Weltzeit mit der verwendeten Zone
und Differenz (und ob der Atlas oder die Optionen sie lieferten), die Planetenpositionen
mit dem Haus jedes Himmelskörpers, das Medium Coeli und die Mondknoten, die zwölf
Häuser (jedes mit seiner Spitze, den Himmelskörpern und ihren Rückläufigkeitszeichen), die
Aspekte, die Deutung und eine Zeile zum Verteilungsmuster nach Graden. Geburten vor 1901
oder nach 2050 werden mit der präzisen Tabelle berechnet, was auch immer --positions sagt,
und ein Hinweis sagt es; ein Häusersystem, das an Ort und Zeit nicht definiert ist (Placidus,
Koch oder Topozentrisch innerhalb der Polarkreise), ergibt Porphyrius-Häuser, mit Hinweis. Mit --json ein
JSON-Objekt stattdessen:
  name            der Name, wie die Horoskopdatei ihn speichert
  universal_time  der Zeitpunkt, für den die Planeten berechnet wurden, z. B. 1990-05-01T12:00Z
  positions       die Methode: &quot;standard&quot; oder &quot;precise&quot;
  positions_note  nur wenn die Methode nicht die verlangte ist (eine Geburt außerhalb
                  1901..2050 wird mit der präzisen Tabelle berechnet)
  zone            die verwendete Zone: index (Listenposition), name, offset_minutes (östlich
                  von Greenwich, Sommerzeit eingeschlossen) und dst (das Häkchen)
  place           mit --place: name, state, country, latitude, longitude und
                  time_zone des Atlas-Ortes
  time_note       nur wenn die Uhren die angegebene Zeit übersprangen oder doppelt zeigten
  bodies          Sun, Moon, Mercury .. Pluto und Asc, jeder mit name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (Grad), retrograde und house
                  (1 bis 12; der Aszendent steht in Haus 1)
  ascendant_sign  das Zeichen des Aszendenten, voller Name (&quot;Taurus&quot;)
  moon_sign       das Zeichen des Mondes, voller Name
  house_cells     die Häuser 1 bis 12, wie die Felder des Rades sie zeigen: CR LF vor
                  jedem Himmelskörper, Rückläufigkeitszeichen eingeschlossen
  patterns        die Verteilungsmuster in der Reihenfolge des Berichts
  pattern_by_degrees
                  die Figur, die die genauen Längen der zehn Planeten bilden: name,
                  leading (die führenden Planeten, leer, wenn keine) und empty_arc
                  (from und to, in Grad: die größte Lücke zwischen Planeten)
  houses          system (sein Name auf der Kommandozeile), cusps (12 Längen in Grad,
                  Haus 1 zuerst) und, nur wenn das verlangte System dort nicht
                  definiert ist, note (warum, und dass Porphyrius-Häuser gegeben werden)
  angles          asc und mc: die Längen von Aszendent und Medium Coeli (Grad)
  nodes           north und south: die Mondknoten (Grad); kind &quot;mean&quot;
  aspects         jeder Aspekt als a (der erste Punkt), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; oder &quot;sextile&quot;), orb (Grad
                  vom exakten Aspekt) und applying; Punkte sind die zehn Himmelskörper,
                  Asc und MC, mit den Standard-Orben 8, 8, 7, 7 und 5 Grad (2 mehr
                  für Sonne und Mond). Ein Aspekt ist applikativ, wenn die Bewegung
                  der beiden Punkte im Moment der Geburt sie dem exakten Winkel
                  näherbringt: die tägliche Bewegung von Sonne, Mond und Planeten in
                  diesem Moment (die Standardformeln abgeleitet, oder die eigenen
                  Geschwindigkeiten der präzisen Tabelle), die von Aszendent und
                  Medium Coeli über die nächste Viertelstunde. Wo die relative
                  Bewegung unter 0,1 Grad am Tag liegt, ist die Angabe fast ein
                  Gleichstand: nach den Positionen einen Tag später beurteilt, kann
                  sie anders ausfallen.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program&apos;s Open Previously Saved
Reading makes it. The name must end in &quot;act&quot; (lower case). The file&apos;s details
are checked as the birth-data form checks them. With --json, one JSON object.
</source>
        <translation>Aufruf: starloom-cli open FILE.act [--json]

Gibt das Horoskop einer Horoskopdatei aus, wie es das Öffnen eines gespeicherten
Horoskops im Programm erstellt. Der Name muss auf &quot;act&quot; (klein) enden. Die Daten der
Datei werden geprüft, wie das Geburtsdatenformular sie prüft. Mit --json ein JSON-Objekt.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli save FILE.act &lt;birth details&gt;

Writes the reading file of the birth, byte for byte as the program&apos;s Save As
does. The file is written whole or not at all; an existing file is replaced.

</source>
        <translation>Aufruf: starloom-cli save FILE.act &lt;Geburtsdaten&gt;

Schreibt die Horoskopdatei der Geburt, Byte für Byte wie das Speichern unter des
Programms. Die Datei wird ganz oder gar nicht geschrieben; eine vorhandene Datei wird ersetzt.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the text export of the reading, byte for byte as the program&apos;s Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Aufruf: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;Geburtsdaten&gt; | --from FILE.act)

Schreibt den Textexport des Horoskops, Byte für Byte wie der Export als Text des
Programms. Die Datei wird ganz oder gar nicht geschrieben; eine vorhandene Datei
wird ersetzt.

  --from FILE.act     die Geburtsdaten aus einer Horoskopdatei nehmen

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
        <translation>Aufruf: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;Geburtsdaten&gt; | --from FILE.act)

Speichert das Ergebnisfenster des Horoskops als JPEG-Bild, wie das Speichern als JPEG
des Programms: der Name wird am ersten Punkt seines Dateiteils abgeschnitten und erhält
&quot;.jpg&quot;; gibt es diese Datei schon, wird der erste freie Name name_001.jpg .. name_999.jpg
genommen, so dass nie eine Datei ersetzt wird. Das Fenster wird ohne Bildschirm gezeichnet.

  --from FILE.act     die Geburtsdaten aus einer Horoskopdatei nehmen

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
        <translation>Aufruf: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;Geburtsdaten&gt; | --from FILE.act)

Schreibt das Horoskop, wie das Programm es druckt und als PDF exportiert: die
persönlichen Daten mit der Zeitzone, der Weltzeit und den Richtungen von Breite
und Länge, das Rad, die Planetenpositionen, die Zeichen von Aszendent und Mond
und die ganze Deutung, auf so vielen Seiten wie nötig. Die Datei wird ganz oder
gar nicht geschrieben; eine vorhandene Datei wird ersetzt. Ein Bildschirm ist nicht
nötig.

  --from FILE.act     die Geburtsdaten aus einer Horoskopdatei nehmen

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
        <translation>Aufruf: starloom-cli batch IN.csv [--format jsonl|csv] [--threads N] [--out FILE] [--quiet]
                          [--positions METHOD] [--houses SYSTEM]

Liest eine CSV-Datei (RFC 4180: Felder in Anführungszeichen dürfen Kommas, Anführungszeichen
und Zeilenumbrüche enthalten), deren erste Zeile die Kopfzeile ist
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
wahlweise gefolgt von einer letzten Spalte &quot;place&quot;, und schreibt ein JSON-Objekt je
Zeile, in der Reihenfolge der Eingabe (JSON Lines): das Objekt des Horoskops,
wie &apos;reading --json&apos; es gibt, oder {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} für eine Zeile,
die fehlerhaft ist oder die das Geburtsdatenformular ablehnt (N ist die Zeile der
Eingabe, auf der die Zeile beginnt). dst ist 0 oder 1, lat_dir N oder S, lon_dir E oder W.
Leere Zeilen werden übersprungen. IN.csv darf &quot;-&quot; für die Standardeingabe sein.
Ein gefülltes Feld place wirkt wie --place: Koordinaten, Ort, Region und Land des
Atlas-Ortes und Zone und dst der Zeitzonendatenbank füllen die Felder, die die
Zeile leer lässt; ein leeres Feld place bedeutet die eigenen Felder der Zeile.

  --format F    jsonl (Vorgabe): die JSON-Zeilen oben; csv: eine Tabelle für
                Tabellenkalkulationen (RFC 4180, Zeilenenden CR LF), eine Kopfzeile und
                dann ein Datensatz je Zeile: line (der Eingabe), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                für jeden von sun .. pluto sein _longitude, _sign, _retrograde und
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (nach Zeichen, verbunden mit &quot;; &quot;), pattern_by_degrees, leading
                (seine führenden Planeten, verbunden mit &quot;; &quot;) und error (der Grund einer
                abgelehnten Zeile, alle Wertspalten dann leer); Werte wie im JSON
  --threads N   Arbeits-Threads, 1 bis 64 (Vorgabe: die Zahl der Prozessoren)
  --out FILE    in FILE schreiben, ganz oder gar nicht, statt auf die Standardausgabe
                (nicht die Eingabe; in ein Gerät oder eine Pipe wird hineingeschrieben)
  --quiet       keine Fortschrittszeile; ohne diese Option zeigt, wenn die
                Standardfehlerausgabe ein Terminal ist und die Zeilen nicht dorthin gehen,
                dort eine Zeile die erledigten Zeilen, die Zeilen pro Sekunde und, bei
                einer Datei, die verbleibende Zeit

Ein Feld über 64 KiB, ein Datensatz über 1 MiB oder einer mit mehr als 1024 Feldern
ergibt ein Fehlerobjekt für diese Zeile, ebenso ein Name mit einem Steuerzeichen (das eine
Horoskopdatei nicht speichern kann); die Nur-Buchstaben-Regel von --name gilt nicht für
Zeilen, deren Namen Codes wie &quot;Person 12&quot; sein dürfen. Rückgabewert 1, wenn eine Zeile ein Fehlerobjekt ergab, 2,
wenn die Eingabe keine Kopfzeile hat oder eine Datei nicht gelesen oder geschrieben werden kann:
eine erste Zeile, die nicht die Kopfzeile ist (oder länger als eine läuft), wird abgelehnt, bevor
irgendetwas anderes gelesen wird, eine Ausgabe, die nicht angelegt werden kann, bevor eine Zeile
bearbeitet wird, und der erste fehlgeschlagene Schreibvorgang beendet den Stapellauf.
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
        <translation>Aufruf: starloom-cli stats IN.csv [--threads N] [--quiet] [--positions METHOD]
                          [--houses SYSTEM] [--plot FILE.svg]

Liest eine CSV-Datei mit der Kopfzeile und den Zeilen von &apos;starloom-cli batch&apos;, erstellt
das Horoskop jeder Zeile und gibt als Tabellen Anzahl und Anteil der Horoskope aus
für jedes Verteilungsmuster nach Zeichen, jedes Muster nach Graden, jeden führenden
Planeten, jede Aspektart und die Himmelskörper in jedem Haus. Zeilen werden genau wie
im Stapellauf gelesen und abgelehnt; abgelehnte Zeilen werden übersprungen und gezählt,
und die Gründe der ersten zehn gehen auf die Standardfehlerausgabe. IN.csv darf &quot;-&quot; für
die Standardeingabe sein.

  --threads N         Arbeits-Threads, 1 bis 64 (Vorgabe: die Zahl der Prozessoren)
  --quiet             keine Fortschrittszeile; ohne diese Option zeigt, wenn die
                      Standardfehlerausgabe ein Terminal ist, dort eine Zeile die erledigten
                      Zeilen, die Zeilen pro Sekunde und, bei einer Datei, die verbleibende Zeit
  --positions METHOD  wie die Positionen der Planeten berechnet werden: standard (die
                      eigenen Formeln des Programms; Vorgabe) oder precise
  --houses SYSTEM     das Häusersystem, nach dem die Himmelskörper gezählt werden
                      (whole-sign, die Vorgabe; siehe &apos;starloom-cli houses&apos;)
  --plot FILE.svg     die Tabellen auch als Balkendiagramm in eine SVG-Datei zeichnen,
                      ganz oder gar nicht geschrieben

Rückgabewert 1, wenn eine Zeile übersprungen wurde, 2, wenn die Eingabe keine
Kopfzeile hat oder eine Datei nicht gelesen oder geschrieben werden kann.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli houses

Lists the house systems --houses takes, with their names as the program shows
them. Where Placidus, Koch or Topocentric houses do not exist (inside the polar
circles at some sidereal times) or at a pole, a chart gives Porphyry houses and
says so.
</source>
        <translation>Aufruf: starloom-cli houses

Listet die Häusersysteme auf, die --houses annimmt, mit ihren Namen, wie das Programm
sie zeigt. Wo Placidus-, Koch- oder topozentrische Häuser nicht existieren (innerhalb der
Polarkreise zu manchen Sternzeiten) oder an einem Pol, ergibt ein Horoskop Porphyrius-Häuser
und sagt es.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli zones

Lists the 164 time zones of the birth-data form by name, as the form shows them,
each after its list position: the number --zone and the batch&apos;s zone column
take. &quot;Local Mean Time&quot; takes its offset from the birth&apos;s longitude: 4 minutes
per degree, east ahead of Greenwich.
</source>
        <translation>Aufruf: starloom-cli zones

Listet die 164 Zeitzonen des Geburtsdatenformulars nach Namen auf, wie das Formular sie
zeigt, jede nach ihrer Listenposition: der Zahl, die --zone und die Spalte zone des
Stapellaufs annehmen. &quot;Local Mean Time&quot; nimmt ihre Differenz aus der Länge des
Geburtsorts: 4 Minuten je Grad, östlich Greenwich voraus.
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
        <translation>Aufruf: starloom-cli transits (&lt;Geburtsdaten&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Gibt jedes Transitereignis vom Beginn von --start bis zum Ende von --end aus, eines je Zeile
in zeitlicher Reihenfolge, geschrieben, sobald es gefunden ist: jeden exakten Aspekt (Konjunktion,
Opposition, Trigon, Quadrat, Sextil) einer transitierenden Sonne, eines Mondes, Merkurs ..
Plutos oder wahren Nordknotens zu einem Radixpunkt (die zehn
Himmelskörper, Asc und MC), jede Station von Merkur .. Pluto (rückläufig oder direktläufig
werdend) und jeden Eintritt eines transitierenden Himmelskörpers in ein Zeichen oder in ein
Radixhaus (nach den Spitzen des Horoskops). Die Zeitpunkte sind Weltzeit auf die Minute genau,
als exakte Nullstellen der präzisen Positionen gefunden; ein rückläufiger Durchgang ergibt eigene Ereignisse. Das Radix wird nach --positions und --houses berechnet; die
transitierenden Himmelskörper immer nach der präzisen Tabelle, daher müssen die Daten
in ihrem Zeitraum liegen.

  --start DATE   YYYY-MM-DD (ab seiner Mitternacht) oder YYYY-MM-DDTHH:MM, Weltzeit
  --end DATE     YYYY-MM-DD (bis zur Mitternacht, die ihn beendet) oder YYYY-MM-DDTHH:MM
  --json         JSON Lines, ein Objekt je Ereignis: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; oder &quot;ingress&quot;), body und für einen Aspekt
                 aspect und natal (der Name des Radixpunkts wie in den bodies des
                 Horoskops, oder &quot;MC&quot;), für eine Station direction (&quot;retrograde&quot; oder
                 &quot;direct&quot;), für einen Eintritt sign (sein voller Name) oder house (1 bis 12)
  --from FILE.act  die Geburtsdaten aus einer Horoskopdatei nehmen

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli progressions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Aufruf: starloom-cli progressions (&lt;Geburtsdaten&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli directions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Aufruf: starloom-cli directions (&lt;Geburtsdaten&gt; | --from FILE.act) --date DATE
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
Gibt das Radix und das zweite Horoskop nebeneinander aus (jeden Punkt mit dem
Radixhaus, in das er fällt) und die Aspekte zwischen ihnen, Radixpunkt zuerst, mit
einem Orbis von 1 Grad für jede Art, applikativ oder separativ, wie das zweite Horoskop
sich bewegt. Mit --json ein Objekt: kind, date, first (das Radix) und second
(das progressive oder dirigierte Horoskop), jedes mit name, universal_time, positions
(die Methode), bodies (name, position, sign, longitude, retrograde und house, wie
im Horoskop; das Haus des zweiten Horoskops ist das Radixhaus, in das er fällt) und
angles (asc, mc); arc (Grad, wie oben); aspects (a: der Radixpunkt, b: der Punkt
des zweiten Horoskops, aspect, orb, applying).

  --date DATE          das Datum, für das das Horoskop erstellt wird: YYYY-MM-DD (seine
                       Mitternacht) oder YYYY-MM-DDTHH:MM, Weltzeit
  --birth-date DATE    das Geburtsdatum, YYYY-MM-DD: was --date unter den
                       Geburtsdaten unten ist
  --from FILE.act      die Geburtsdaten aus einer Horoskopdatei nehmen

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
        <translation>Sekundärprogressionen: das Horoskop des Tages N Tage nach der Geburt für N Lebensjahre
(tropische Jahre), die Himmelskörper nach der präzisen Tabelle. Das progressive MC bewegt
sich um den Sonnenbogen in Rektaszension: der Radix-Sternwinkel (RAMC) wächst um den
Bogen, den die Sonne seit der Geburt in Rektaszension zurückgelegt hat, und MC und Asc
folgen daraus mit der Radix-Breite und der Schiefe der Ekliptik. Das MC ist der Punkt des
Meridians, und der Meridian dreht sich mit der Rektaszension, so bleibt das progressive
MC auf dem progressiven Meridian und der Asc im Einklang damit, was der zum MC
addierte Sonnenbogen in Länge nicht leisten würde. arc ist dieser Bogen.
</translation>
    </message>
    <message>
        <source>Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun&apos;s longitude (one day after birth
for each year of life, by the precise table) less the Sun&apos;s at birth. arc is
that arc, in degrees.
</source>
        <translation>Sonnenbogen-Direktionen: jeder Radixpunkt (die zehn Himmelskörper, Asc und MC) um den
Sonnenbogen vorwärts bewegt, die Länge der progressiven Sonne (ein Tag nach der Geburt
für jedes Lebensjahr, nach der präzisen Tabelle) weniger der der Sonne bei der Geburt. arc
ist dieser Bogen, in Grad.
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
        <translation>Aufruf: starloom-cli synastry A.act B.act [--json] [--positions METHOD] [--houses SYSTEM]

Vergleicht zwei Horoskope: die Positionen beider (jeden Punkt von B mit dem Haus
von A, in das er fällt) und jeden Aspekt zwischen einem Punkt von A und einem Punkt von B
(die zehn Himmelskörper, Asc und MC), mit den Radix-Orben 8, 8, 7, 7 und 5 Grad (2 mehr
für Sonne und Mond), applikativ oder separativ, wie beide Horoskope sich bei der Geburt
bewegten. Mit --json ein Objekt: kind (&quot;synastry&quot;), first (A) und second (B),
jedes mit name, universal_time, positions, bodies (wie im Horoskop; das Haus von B
ist das Haus von A, in das er fällt) und angles (asc, mc), und aspects (a: der Punkt von A,
b: der Punkt von B, aspect, orb, applying).

</translation>
    </message>
</context>
<context>
    <name>CliMessages</name>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>%1: is the input file; choose another output file</source>
        <translation>%1: ist die Eingabedatei; wählen Sie eine andere Ausgabedatei</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>must be degrees:minutes (one to three digits each) followed by %1 or %2</source>
        <translation>muss Grad:Minuten sein (je ein bis drei Ziffern), gefolgt von %1 oder %2</translation>
    </message>
    <message>
        <source>must be YYYY-MM-DD</source>
        <translation>muss die Form YYYY-MM-DD haben</translation>
    </message>
    <message>
        <source>the year must be a whole number from %1 to %2</source>
        <translation>das Jahr muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>the month must be a whole number from %1 to %2</source>
        <translation>der Monat muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>the day must be a whole number from %1 to %2</source>
        <translation>der Tag muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>must be HH:MM</source>
        <translation>muss die Form HH:MM haben</translation>
    </message>
    <message>
        <source>the hour must be a whole number from %1 to %2</source>
        <translation>die Stunde muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>the minute must be a whole number from %1 to %2</source>
        <translation>die Minute muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>the zone must be a whole number from %1 to %2 (see the zones command)</source>
        <translation>die Zone muss eine ganze Zahl von %1 bis %2 sein (siehe den Befehl zones)</translation>
    </message>
    <message>
        <source>%1: no place called &quot;%2&quot; in the atlas</source>
        <translation>%1: kein Ort namens &quot;%2&quot; im Atlas</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is ambiguous; say which: %3</source>
        <translation>%1: &quot;%2&quot; ist mehrdeutig; geben Sie an, welcher: %3</translation>
    </message>
    <message>
        <source>--place: %1 Give --zone.</source>
        <translation>--place: %1 Geben Sie --zone an.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>--positions must be standard or precise</source>
        <translation>--positions muss standard oder precise sein</translation>
    </message>
    <message>
        <source>--houses must be %1</source>
        <translation>--houses muss %1 sein</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from cannot be combined with birth details</source>
        <translation>--from kann nicht mit Geburtsdaten kombiniert werden</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>the image&apos;s file name is empty</source>
        <translation>der Dateiname des Bildes ist leer</translation>
    </message>
    <message>
        <source>%1: names a folder, not an image file</source>
        <translation>%1: bezeichnet einen Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>image: this build of the tool draws no images</source>
        <translation>image: diese Ausgabe des Werkzeugs zeichnet keine Bilder</translation>
    </message>
    <message>
        <source>pdf: this build of the tool draws no documents</source>
        <translation>pdf: diese Ausgabe des Werkzeugs zeichnet keine Dokumente</translation>
    </message>
    <message>
        <source>--threads must be a whole number from 1 to %1</source>
        <translation>--threads muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--format must be jsonl or csv</source>
        <translation>--format muss jsonl oder csv sein</translation>
    </message>
    <message>
        <source>--plot needs a file name</source>
        <translation>--plot braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--plot: this build of the tool draws no charts</source>
        <translation>--plot: diese Ausgabe des Werkzeugs zeichnet keine Diagramme</translation>
    </message>
    <message>
        <source>--end lies before --start</source>
        <translation>--end liegt vor --start</translation>
    </message>
    <message>
        <source>transits are computed from the precise table: --start and --end must lie within %1</source>
        <translation>Transite werden aus der präzisen Tabelle berechnet: --start und --end müssen im Zeitraum %1 liegen</translation>
    </message>
    <message>
        <source>--date: the progressed moment must lie within the precise table, %1</source>
        <translation>--date: der progressive Zeitpunkt muss im Zeitraum der präzisen Tabelle liegen, %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1: Please enter only letters</source>
        <translation>%1: Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>missing command (see &apos;starloom-cli --help&apos;)</source>
        <translation>Befehl fehlt (siehe &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see &apos;starloom-cli --help&apos;)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (siehe &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>Standardausgabe: %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; for --lang (shipped: %2)</source>
        <translation>unbekannte Sprache &apos;%1&apos; für --lang (mitgeliefert: %2)</translation>
    </message>
    <message>
        <source>the reading could not be shown</source>
        <translation>das Horoskop konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1, %2 rows a second</source>
        <translation>%1, %2 Zeilen pro Sekunde</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, noch %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>die erste Zeile muss die Kopfzeile %1 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>&apos;%1&apos; ist kein Datum YYYY-MM-DD oder YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the calendar</source>
        <translation>&apos;%1&apos; ist kein Tag des Kalenders</translation>
    </message>
    <message>
        <source>line %1: %2 (row skipped)</source>
        <translation>Zeile %1: %2 (Zeile übersprungen)</translation>
    </message>
    <message>
        <source>the built-in table of precise positions is damaged (%1); install the program again</source>
        <translation>die eingebaute Tabelle der präzisen Positionen ist beschädigt (%1); installieren Sie das Programm erneut</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>place: %1 Give the zone.</source>
        <translation>place: %1 Geben Sie die Zone an.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>%1 Felder erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>name must not hold control characters</source>
        <translation>name darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>%1 must be one to three digits</source>
        <translation>%1 muss aus ein bis drei Ziffern bestehen</translation>
    </message>
    <message>
        <source>lat_dir must be N, S or empty</source>
        <translation>lat_dir muss N, S oder leer sein</translation>
    </message>
    <message>
        <source>lon_dir must be E, W or empty</source>
        <translation>lon_dir muss E, W oder leer sein</translation>
    </message>
    <message>
        <source>more than 1024 fields in the record</source>
        <translation>mehr als 1024 Felder im Datensatz</translation>
    </message>
    <message>
        <source>the record is longer than 1 MiB</source>
        <translation>der Datensatz ist länger als 1 MiB</translation>
    </message>
    <message>
        <source>a field is longer than 64 KiB</source>
        <translation>ein Feld ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>a quoted field is not closed at the end of the input</source>
        <translation>ein Feld in Anführungszeichen ist am Ende der Eingabe nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>The date of birth&apos;s format (QDate::toString): MMMM the month&apos;s name, d the day, yyyy the year, e.g. &quot;d. MMMM yyyy&quot; for &quot;1. Mai 1990&quot;.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>Geburtszeit: %1 Uhr %2 Min.</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute %3</source>
        <translation>Breite: %1 Grad %2 Minuten %3</translation>
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
        <translation>Länge: %1 Grad %2 Minuten %3</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
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
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Planetenpositionen</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>Haus %1</translation>
    </message>
    <message>
        <source>true</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>wahrer</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>mittlerer</translation>
    </message>
    <message>
        <source>Midheaven and Lunar Nodes</source>
        <translation>Medium Coeli und Mondknoten</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>midheaven</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>Nordknoten</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Südknoten</translation>
    </message>
    <message>
        <source>Houses (%1)</source>
        <translation>Häuser (%1)</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspekte</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no aspects</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>no leading planet</source>
        <translation>kein führender Planet</translation>
    </message>
    <message>
        <source>led by %1</source>
        <translation>angeführt von %1</translation>
    </message>
    <message>
        <source>led by %1 and %2</source>
        <translation>angeführt von %1 und %2</translation>
    </message>
    <message>
        <source>Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to %5)</source>
        <translation>Verteilungsmuster nach Graden: %1, %2 (größter leerer Bogen %3 Grad, von %4 bis %5)</translation>
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
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>The format of a date and time of universal time in the text output (QDateTime:: toString), e.g. &quot;dd.MM.yyyy HH:mm&quot; for &quot;01.04.2024 22:15&quot;.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Dirigiert</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Aspects (natal point, then progressed point; orb 1 degree)</source>
        <translation>Aspekte (Radixpunkt, dann progressiver Punkt; Orbis 1 Grad)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then directed point; orb 1 degree)</source>
        <translation>Aspekte (Radixpunkt, dann dirigierter Punkt; Orbis 1 Grad)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then transiting point; orb 1 degree)</source>
        <translation>Aspekte (Radixpunkt, dann Transitpunkt; Orbis 1 Grad)</translation>
    </message>
    <message>
        <source>Aspects (%1&apos;s point, then %2&apos;s point; orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)</source>
        <translation>Aspekte (Punkt von %1, dann Punkt von %2; Orben 8, 8, 7, 7 und 5 Grad, 2 mehr für Sonne und Mond)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>Radix-%1</translation>
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
    <message>
        <source>Secondary progressions of %1 to %2 UT
Born %3 UT; progressed moment %4 UT, one day for each year of life
Midheaven moved by the solar arc in right ascension: %5 degrees</source>
        <translation>Sekundärprogressionen von %1 auf %2 UT
Geboren %3 UT; progressiver Zeitpunkt %4 UT, ein Tag für jedes Lebensjahr
Medium Coeli um den Sonnenbogen in Rektaszension bewegt: %5 Grad</translation>
    </message>
    <message>
        <source>Solar arc directions of %1 to %2 UT
Born %3 UT; solar arc %4 degrees, the progressed Sun&apos;s at %5 UT</source>
        <translation>Sonnenbogen-Direktionen von %1 auf %2 UT
Geboren %3 UT; Sonnenbogen %4 Grad, der der progressiven Sonne am %5 UT</translation>
    </message>
    <message>
        <source>Transits to %1 at %2 UT</source>
        <translation>Transite zu %1 am %2 UT</translation>
    </message>
    <message>
        <source>Synastry of %1 and %2
%1: born %3 UT; %2: born %4 UT</source>
        <translation>Synastrie von %1 und %2
%1: geboren %3 UT; %2: geboren %4 UT</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Radix</translation>
    </message>
    <message>
        <source>in %1&apos;s house</source>
        <translation>im Haus von %1</translation>
    </message>
    <message>
        <source>in natal house</source>
        <translation>im Radixhaus</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no leading planet</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Haus %1</translation>
    </message>
    <message>
        <source>Patterns by signs</source>
        <translation>Verteilungsmuster nach Zeichen</translation>
    </message>
    <message>
        <source>a chart may show several, so the shares add up to more than 100%</source>
        <translation>ein Horoskop kann mehrere zeigen, die Anteile ergeben daher zusammen mehr als 100%</translation>
    </message>
    <message>
        <source>Patterns by degrees</source>
        <translation>Verteilungsmuster nach Graden</translation>
    </message>
    <message>
        <source>one per chart</source>
        <translation>eines je Horoskop</translation>
    </message>
    <message>
        <source>a Bucket&apos;s handle of two planets counts for both</source>
        <translation>ein Henkel (Bucket) aus zwei Planeten zählt für beide</translation>
    </message>
    <message>
        <source>every aspect counts, so a share above 100% is more than one a chart</source>
        <translation>jeder Aspekt zählt, ein Anteil über 100% heißt also mehr als einer je Horoskop</translation>
    </message>
    <message>
        <source>Bodies by house</source>
        <translation>Himmelskörper nach Haus</translation>
    </message>
    <message>
        <source>the Sun, the Moon and the planets each count once, so the shares add up to 1000%</source>
        <translation>Sonne, Mond und Planeten zählen je einmal, die Anteile ergeben daher zusammen 1000%</translation>
    </message>
    <message>
        <source>Readings: %1</source>
        <translation>Horoskope: %1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>Übersprungene Zeilen: %1</translation>
    </message>
    <message>
        <source>count</source>
        <comment>the stats column</comment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>share</source>
        <comment>the stats column</comment>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Leading planets</source>
        <translation>Führende Planeten</translation>
    </message>
    <message>
        <source>Planetary patterns of %1 births</source>
        <translation>Verteilungsmuster von %1 Geburten</translation>
    </message>
    <message>
        <source>Made by starloom-cli stats</source>
        <translation>Erstellt mit starloom-cli stats</translation>
    </message>
    <message>
        <source>Share of the readings in each category; counts in brackets</source>
        <translation>Anteil der Horoskope in jeder Kategorie; Anzahlen in Klammern</translation>
    </message>
</context>
</TS>
