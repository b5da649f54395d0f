<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Uso: starloom-cli &lt;comando&gt; [opzioni]

Temi di QM Starloom dalla riga di comando, calcolati con il codice stesso del programma.

Comandi:
  reading   un tema dai dati di nascita, come testo o JSON
  open      un tema da un file di tema (.act)
  save      scrivere il file di tema di una nascita
  export    scrivere l’esportazione di testo di un tema
  image     salvare la finestra dei risultati di un tema come immagine JPEG
  pdf       scrivere il tema stampato come documento PDF
  batch     i temi di ogni riga di un file CSV, come JSON Lines
  stats     quanto spesso ogni schema e ogni pianeta guida compare in un file CSV
  zones     i fusi orari e le loro posizioni nell’elenco
  houses    i sistemi di case che --houses accetta
  transits  i transiti esatti a un tema in un intervallo di date, uno per riga
  progressions
            le progressioni secondarie di un tema a una data
  directions
            le direzioni d’arco solare di un tema a una data
  synastry  due temi a confronto: le loro posizioni e gli aspetti incrociati

Opzioni:
  --help      mostrare questo aiuto, o l’aiuto di un comando dopo il suo nome
  --version   mostrare la versione
  --lang CODE la lingua dei testi: en, de, fr, es, pt_BR o it (in mancanza,
              quella indicata dalla localizzazione dell’ambiente); il JSON, i file di tema,
              i lotti e il CSV sono uguali in ogni lingua

Stato di uscita: 0 fatto; 1 un lotto è stato eseguito ma alcune righe sono state rifiutate; 2 rifiutato
(argomenti errati, dati di nascita che il modulo rifiuta, un file che non si può leggere
o scrivere), con un messaggio di una riga sullo standard error.
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
        <translation>Dati di nascita:
  --date YYYY-MM-DD   data di nascita, anni dal 1800 al 2199
  --time HH:MM        ora locale di nascita, da 0:00 a 23:59
  --zone N            posizione del fuso nell’elenco, da 0 a 163 (vedi &apos;starloom-cli zones&apos;)
  --dst               l’ora è ora legale
  --lat D:M(N|S)      latitudine in gradi e minuti, p. es. 51:30N
  --lon D:M(E|W)      longitudine in gradi e minuti, p. es. 0:07W o 0:7W
  --name TEXT         nome; &quot;Anonymous&quot; se non indicato
  --city TEXT         città; &quot;Unknown&quot; se non indicata
  --state TEXT        regione; &quot;Unknown&quot; se non indicata
  --country TEXT      paese; &quot;Unknown&quot; se non indicato
                      (questi quattro accettano lettere di ogni scrittura, spazi,
                      trattini, apostrofi e punti, come i campi del modulo)
  --place NAME        un luogo dell’atlante offline (&quot;Madrid&quot; o &quot;Madrid, Madrid,
                      Spain&quot;; la corrispondenza più popolosa): riempie città, regione, paese,
                      --lat e --lon e, se --zone non è indicato, il fuso e
                      l’ora legale che la banca dati dei fusi orari dà per la data
                      e l’ora (un’ora saltata dagli orologi viene spostata in avanti del
                      cambio, una ripetuta viene presa la prima volta; una nota sullo
                      standard error lo segnala)
--date e --time sono obbligatori, e --zone, --lat e --lon se --place
non li fornisce. I dati sono controllati
come li controlla il modulo dei dati di nascita, con i suoi messaggi: un nome o luogo vuoto,
il 30 febbraio o una latitudine oltre 90 gradi vengono rifiutati.
</translation>
    </message>
    <message>
        <source>  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets&apos; motion
</source>
        <translation>  --positions METHOD  standard (predefinito): le formule integrate, retrogradazioni
                      dalle tabelle delle stazioni; precise: la tabella adattata
                      a un’effemeride del JPL, al centesimo di secondo d’arco,
                      retrogradazioni dal moto dei pianeti
</translation>
    </message>
    <message>
        <source>  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant&apos;s), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see &apos;starloom-cli houses&apos;)
</source>
        <translation>  --houses SYSTEM     come il cielo è diviso in case: whole-sign (il
                      predefinito: segni interi a partire da quello dell’Ascendente), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric o morinus (vedi &apos;starloom-cli houses&apos;)
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
        <translation>Uso: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;dati di nascita&gt;

Mostra un tema: i dati personali, il tempo universale con il fuso e la
differenza usati (e se li hanno forniti l’atlante o le opzioni), le posizioni
planetarie con la casa di ogni astro, il Medio Cielo e i nodi lunari, le dodici
case (ognuna con la sua cuspide, gli astri e i loro segni di retrogradazione), gli aspetti,
l’interpretazione e una riga sullo schema per gradi. Le nascite prima del 1901 o
dopo il 2050 sono calcolate con la tabella precisa, qualunque cosa dica --positions, e una
nota lo segnala; un sistema di case non definito nel luogo e all’ora (Placidus,
Koch o Topocentrico dentro i circoli polari) dà case Porfirio, con una nota. Con --json, un oggetto
JSON al suo posto:
  name            il nome come lo conserva il file di tema
  universal_time  l’istante per cui sono stati calcolati i pianeti, p. es. 1990-05-01T12:00Z
  positions       il metodo: &quot;standard&quot; o &quot;precise&quot;
  positions_note  solo se il metodo non è quello richiesto (una nascita fuori dal
                  1901..2050 è calcolata con la tabella precisa)
  zone            il fuso usato: index (posizione nell’elenco), name, offset_minutes (a est
                  di Greenwich, ora legale compresa) e dst (la spunta)
  place           con --place: name, state, country, latitude, longitude e
                  time_zone del luogo dell’atlante
  time_note       solo se gli orologi hanno saltato o ripetuto l’ora indicata
  bodies          Sun, Moon, Mercury .. Pluto e Asc, ognuno con name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (gradi), retrograde e house
                  (da 1 a 12; l’Ascendente è nella casa 1)
  ascendant_sign  il segno dell’Ascendente, nome completo (&quot;Taurus&quot;)
  moon_sign       il segno della Luna, nome completo
  house_cells     le case da 1 a 12 come le mostrano le celle della ruota: CR LF prima
                  di ogni astro, segni di retrogradazione compresi
  patterns        gli schemi planetari nell’ordine del rapporto
  pattern_by_degrees
                  la figura formata dalle longitudini esatte dei dieci pianeti: name,
                  leading (i pianeti guida, vuoto se non ce ne sono) ed empty_arc
                  (from e to, in gradi: il vuoto più ampio tra i pianeti)
  houses          system (il suo nome sulla riga di comando), cusps (12 longitudini in gradi,
                  prima la casa 1) e, solo se il sistema richiesto non è definito
                  lì, note (perché, e che vengono date case Porfirio)
  angles          asc e mc: le longitudini dell’Ascendente e del Medio Cielo (gradi)
  nodes           north e south: i nodi della Luna (gradi); kind &quot;mean&quot;
  aspects         ogni aspetto come a (il primo punto), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; o &quot;sextile&quot;), orb (gradi
                  dall’esattezza) e applying; i punti sono i dieci astri, Asc e
                  MC, con le orbite predefinite di 8, 8, 7, 7 e 5 gradi (2 in più
                  per il Sole e la Luna). Un aspetto è applicativo quando il moto
                  dei due punti nell’istante della nascita li avvicina
                  all’angolo esatto: il moto giornaliero del Sole, della Luna e dei
                  pianeti in quell’istante (le formule standard derivate,
                  o le velocità proprie della tabella precisa), quello dell’Ascendente e
                  del Medio Cielo nel quarto d’ora successivo. Dove il
                  moto relativo è sotto 0,1 gradi al giorno l’indicazione è quasi
                  una parità: giudicata dalle posizioni un giorno dopo, può
                  risultare al contrario.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program&apos;s Open Previously Saved
Reading makes it. The name must end in &quot;act&quot; (lower case). The file&apos;s details
are checked as the birth-data form checks them. With --json, one JSON object.
</source>
        <translation>Uso: starloom-cli open FILE.act [--json]

Mostra il tema di un file di tema, come lo crea l’apertura di un tema salvato
nel programma. Il nome deve finire con &quot;act&quot; (minuscolo). I dati del file
sono controllati come li controlla il modulo dei dati di nascita. Con --json, un oggetto JSON.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli save FILE.act &lt;birth details&gt;

Writes the reading file of the birth, byte for byte as the program&apos;s Save As
does. The file is written whole or not at all; an existing file is replaced.

</source>
        <translation>Uso: starloom-cli save FILE.act &lt;dati di nascita&gt;

Scrive il file di tema della nascita, byte per byte come fa Salva con nome
nel programma. Il file viene scritto per intero o per niente; un file esistente viene sostituito.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the text export of the reading, byte for byte as the program&apos;s Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;dati di nascita&gt; | --from FILE.act)

Scrive l’esportazione di testo del tema, byte per byte come fa l’esportazione come
testo del programma. Il file viene scritto per intero o per niente; un file esistente
viene sostituito.

  --from FILE.act     prendere i dati di nascita da un file di tema

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
        <translation>Uso: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;dati di nascita&gt; | --from FILE.act)

Salva la finestra dei risultati del tema come immagine JPEG, come fa il salvataggio in
JPEG del programma: il nome viene tagliato al primo punto della sua parte di file e riceve &quot;.jpg&quot;;
se quel file esiste, viene preso il primo nome libero name_001.jpg .. name_999.jpg, così
nessun file viene mai sostituito. La finestra viene disegnata senza schermo.

  --from FILE.act     prendere i dati di nascita da un file di tema

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
        <translation>Uso: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;dati di nascita&gt; | --from FILE.act)

Scrive il tema come il programma lo stampa e come lo scrive la sua esportazione in PDF:
i dati personali con il fuso orario, il tempo universale e le direzioni
di latitudine e longitudine, la ruota, le posizioni planetarie, i segni dell’Ascendente e
della Luna e l’intera interpretazione, su tutte le pagine necessarie. Il
file viene scritto per intero o per niente; un file esistente viene sostituito. Non serve
uno schermo.

  --from FILE.act     prendere i dati di nascita da un file di tema

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

Legge un file CSV (RFC 4180: i campi tra virgolette possono contenere virgole, virgolette e
a capo) la cui prima riga è l’intestazione
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
seguita facoltativamente da un’ultima colonna &quot;place&quot;, e scrive un oggetto JSON per
riga, nell’ordine dell’ingresso (JSON Lines): l’oggetto del tema
come lo dà &apos;reading --json&apos;, o {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} per una riga
malformata o che il modulo dei dati di nascita rifiuta (N è la riga
dell’ingresso in cui la riga comincia). dst è 0 o 1, lat_dir N o S, lon_dir E o W.
Le righe vuote vengono saltate. IN.csv può essere &quot;-&quot; per lo standard input.
Una cella place piena funziona come --place: le coordinate, la città, la regione
e il paese del luogo dell’atlante, e il fuso e dst della banca dati dei fusi orari, riempiono
le celle che la riga lascia vuote; una cella place vuota significa i campi propri della riga.

  --format F    jsonl (predefinito): le righe JSON sopra; csv: una tabella per
                fogli di calcolo (RFC 4180, fine riga CR LF), un’intestazione e poi un
                record per riga: line (dell’ingresso), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                per ognuno di sun .. pluto il suo _longitude, _sign, _retrograde e
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (per segni, uniti da &quot;; &quot;), pattern_by_degrees, leading
                (i suoi pianeti guida, uniti da &quot;; &quot;) ed error (il motivo di una riga
                rifiutata, con tutte le colonne dei valori vuote); valori come nel JSON
  --threads N   thread di lavoro, da 1 a 64 (predefinito: il numero di processori)
  --out FILE    scrivere in FILE, per intero o per niente, invece che sullo standard output
                (non l’ingresso; in un dispositivo o una pipe si scrive direttamente)
  --quiet       nessuna riga di avanzamento; senza questa opzione, quando lo standard error
                è un terminale e le righe non vanno a quel terminale, una riga
                lì mostra le righe fatte, le righe al secondo e, per un file,
                il tempo rimanente

Un campo oltre 64 KiB, un record oltre 1 MiB o uno con più di 1024 campi dà
un oggetto di errore per quella riga, come pure un nome con un carattere di controllo (che un
file di tema non può conservare); la regola delle sole lettere di --name non vale per le
righe, i cui nomi possono essere codici come &quot;Person 12&quot;. Stato di uscita 1 se una riga ha dato un oggetto di errore, 2
se l’ingresso non ha intestazione o un file non si può leggere o scrivere: una prima riga
che non è l’intestazione (o che supera una riga) viene rifiutata prima di leggere
altro, un’uscita che non si può creare, prima di elaborare alcuna riga, e la
prima scrittura che fallisce termina il lotto.
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

Legge un file CSV con l’intestazione e le righe di &apos;starloom-cli batch&apos;, calcola il
tema di ogni riga e mostra, in tabelle, il conteggio e la quota dei temi
per ogni schema planetario per segni, ogni schema per gradi, ogni pianeta
guida, ogni tipo di aspetto e gli astri in ogni casa. Le righe sono lette e
rifiutate esattamente come le legge il lotto; le righe rifiutate sono saltate e contate,
e i motivi delle prime dieci vanno sullo standard error. IN.csv può essere &quot;-&quot; per
lo standard input.

  --threads N         thread di lavoro, da 1 a 64 (predefinito: il numero di processori)
  --quiet             nessuna riga di avanzamento; senza questa opzione, quando lo standard
                      error è un terminale, una riga lì mostra le righe fatte, le righe al
                      secondo e, per un file, il tempo rimanente
  --positions METHOD  come sono calcolate le posizioni dei pianeti: standard (le
                      formule proprie del programma; predefinito) o precise
  --houses SYSTEM     il sistema di case con cui si contano gli astri (whole-sign, il
                      predefinito; vedi &apos;starloom-cli houses&apos;)
  --plot FILE.svg     disegnare anche le tabelle come grafico a barre in un file SVG,
                      scritto per intero o per niente

Stato di uscita 1 se una riga è stata saltata, 2 se l’ingresso non ha intestazione o un
file non si può leggere o scrivere.
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

Elenca i sistemi di case che --houses accetta, con i loro nomi come il programma
li mostra. Dove le case Placidus, Koch o Topocentriche non esistono (dentro i circoli
polari in alcuni tempi siderali) o a un polo, un tema dà case Porfirio e
lo segnala.
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

Elenca per nome i 164 fusi orari del modulo dei dati di nascita, come il modulo li mostra,
ognuno dopo la sua posizione nell’elenco: il numero che --zone e la colonna zone del lotto
accettano. &quot;Local Mean Time&quot; prende la sua differenza dalla longitudine della nascita: 4 minuti
per grado, l’est in anticipo su Greenwich.
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
        <translation>Uso: starloom-cli transits (&lt;dati di nascita&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Mostra ogni evento di transito dall’inizio di --start alla fine di --end, uno
per riga in ordine di tempo, scritto appena trovato: ogni aspetto esatto (congiunzione,
opposizione, trigono, quadrato, sestile) di un Sole, una Luna, un Mercurio ..
Plutone o un Nodo Nord vero in transito a un punto natale (i dieci astri, Asc e MC), ogni
stazione da Mercurio a Plutone (che diventa retrogrado o diretto) e ogni ingresso di
un astro in transito in un segno o in una casa natale (secondo le cuspidi del tema).
I momenti sono in tempo universale al minuto, trovati come radici esatte delle
posizioni precise; un passaggio retrogrado dà i propri eventi. Il tema natale è
calcolato secondo --positions e --houses; gli astri in transito sempre secondo la
tabella precisa, perciò le date devono cadere nel suo periodo.

  --start DATE   YYYY-MM-DD (dalla sua mezzanotte) o YYYY-MM-DDTHH:MM, tempo universale
  --end DATE     YYYY-MM-DD (fino alla mezzanotte che lo chiude) o YYYY-MM-DDTHH:MM
  --json         JSON Lines, un oggetto per evento: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; o &quot;ingress&quot;), body, e per un aspetto
                 aspect e natal (il nome del punto natale come nei bodies del
                 tema, o &quot;MC&quot;), per una stazione direction (&quot;retrograde&quot; o
                 &quot;direct&quot;), per un ingresso sign (il suo nome completo) o house (da 1 a 12)
  --from FILE.act  prendere i dati di nascita da un file di tema

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli progressions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli progressions (&lt;dati di nascita&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli directions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli directions (&lt;dati di nascita&gt; | --from FILE.act) --date DATE
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
Mostra il tema natale e il secondo tema affiancati (ogni punto con la
casa natale in cui cade) e gli aspetti tra loro, prima il punto natale, con
un’orbita di 1 grado per ogni tipo, applicativi o separativi secondo il moto del secondo
tema. Con --json, un oggetto: kind, date, first (il tema natale) e second
(il tema progresso o direzionato), ognuno con name, universal_time, positions
(il metodo), bodies (name, position, sign, longitude, retrograde e house, come
nel tema; la casa del secondo tema è la casa natale in cui cade) e
angles (asc, mc); arc (gradi, come sopra); aspects (a: il punto natale, b: il
punto del secondo tema, aspect, orb, applying).

  --date DATE          la data per cui si erige il tema: YYYY-MM-DD (la sua
                       mezzanotte) o YYYY-MM-DDTHH:MM, tempo universale
  --birth-date DATE    la data di nascita, YYYY-MM-DD: ciò che --date è tra i
                       dati di nascita qui sotto
  --from FILE.act      prendere i dati di nascita da un file di tema

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
        <translation>Progressioni secondarie: il tema del giorno N giorni dopo la nascita per N anni di
vita (anni tropici), gli astri secondo la tabella precisa. L’MC progresso avanza
dell’arco solare in ascensione retta: l’angolo siderale natale (RAMC) cresce
dell’arco percorso dal Sole in ascensione retta dalla nascita, e l’MC e l’Asc
ne derivano con la latitudine natale e l’obliquità. L’MC è il punto del meridiano
e il meridiano ruota con l’ascensione retta, così l’MC progresso
resta sul meridiano progresso e l’Asc coerente con esso, cosa che
l’arco del Sole in longitudine aggiunto all’MC non farebbe. arc è quell’arco.
</translation>
    </message>
    <message>
        <source>Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun&apos;s longitude (one day after birth
for each year of life, by the precise table) less the Sun&apos;s at birth. arc is
that arc, in degrees.
</source>
        <translation>Direzioni d’arco solare: ogni punto natale (i dieci astri, Asc e MC) spostato
in avanti dell’arco solare, la longitudine del Sole progresso (un giorno dopo la nascita
per ogni anno di vita, secondo la tabella precisa) meno quella del Sole alla nascita. arc è
quell’arco, in gradi.
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

Confronta due temi: le posizioni di entrambi (ogni punto di B con la casa
di A in cui cade) e ogni aspetto tra un punto di A e un punto di B (i
dieci astri, Asc e MC), con le orbite natali di 8, 8, 7, 7 e 5 gradi (2 in più
per il Sole e la Luna), applicativi o separativi secondo il moto di entrambi i temi alla
nascita. Con --json, un oggetto: kind (&quot;synastry&quot;), first (A) e second (B),
ognuno con name, universal_time, positions, bodies (come nel tema; la casa di B
è la casa di A in cui cade) e angles (asc, mc), e aspects (a: il punto di A, b: il
punto di B, aspect, orb, applying).

</translation>
    </message>
</context>
<context>
    <name>CliMessages</name>
    <message>
        <source>write error</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>%1: is the input file; choose another output file</source>
        <translation>%1: è il file di ingresso; scegli un altro file di uscita</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>output standard</translation>
    </message>
    <message>
        <source>must be degrees:minutes (one to three digits each) followed by %1 or %2</source>
        <translation>deve essere gradi:minuti (da una a tre cifre ciascuno) seguito da %1 o %2</translation>
    </message>
    <message>
        <source>must be YYYY-MM-DD</source>
        <translation>deve avere la forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must be a whole number from %1 to %2</source>
        <translation>l’anno deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>the month must be a whole number from %1 to %2</source>
        <translation>il mese deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>the day must be a whole number from %1 to %2</source>
        <translation>il giorno deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>must be HH:MM</source>
        <translation>deve avere la forma HH:MM</translation>
    </message>
    <message>
        <source>the hour must be a whole number from %1 to %2</source>
        <translation>l’ora deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>the minute must be a whole number from %1 to %2</source>
        <translation>il minuto deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>the zone must be a whole number from %1 to %2 (see the zones command)</source>
        <translation>il fuso deve essere un numero intero da %1 a %2 (vedi il comando zones)</translation>
    </message>
    <message>
        <source>%1: no place called &quot;%2&quot; in the atlas</source>
        <translation>%1: nessun luogo chiamato &quot;%2&quot; nell’atlante</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is ambiguous; say which: %3</source>
        <translation>%1: &quot;%2&quot; è ambiguo; indica quale: %3</translation>
    </message>
    <message>
        <source>--place: %1 Give --zone.</source>
        <translation>--place: %1 Indica --zone.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>--positions must be standard or precise</source>
        <translation>--positions deve essere standard o precise</translation>
    </message>
    <message>
        <source>--houses must be %1</source>
        <translation>--houses deve essere %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from cannot be combined with birth details</source>
        <translation>--from non può essere combinato con i dati di nascita</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>the image&apos;s file name is empty</source>
        <translation>il nome del file dell’immagine è vuoto</translation>
    </message>
    <message>
        <source>%1: names a folder, not an image file</source>
        <translation>%1: indica una cartella, non un file di immagine</translation>
    </message>
    <message>
        <source>image: this build of the tool draws no images</source>
        <translation>image: questa build dello strumento non disegna immagini</translation>
    </message>
    <message>
        <source>pdf: this build of the tool draws no documents</source>
        <translation>pdf: questa build dello strumento non disegna documenti</translation>
    </message>
    <message>
        <source>--threads must be a whole number from 1 to %1</source>
        <translation>--threads deve essere un numero intero da 1 a %1</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out richiede un nome di file</translation>
    </message>
    <message>
        <source>--format must be jsonl or csv</source>
        <translation>--format deve essere jsonl o csv</translation>
    </message>
    <message>
        <source>--plot needs a file name</source>
        <translation>--plot richiede un nome di file</translation>
    </message>
    <message>
        <source>--plot: this build of the tool draws no charts</source>
        <translation>--plot: questa build dello strumento non disegna grafici</translation>
    </message>
    <message>
        <source>--end lies before --start</source>
        <translation>--end precede --start</translation>
    </message>
    <message>
        <source>transits are computed from the precise table: --start and --end must lie within %1</source>
        <translation>i transiti sono calcolati con la tabella precisa: --start e --end devono cadere nel periodo %1</translation>
    </message>
    <message>
        <source>--date: the progressed moment must lie within the precise table, %1</source>
        <translation>--date: il momento progresso deve cadere nella tabella precisa, %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 indicato due volte</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1: Please enter only letters</source>
        <translation>%1: Inserisci solo lettere</translation>
    </message>
    <message>
        <source>missing command (see &apos;starloom-cli --help&apos;)</source>
        <translation>manca il comando (vedi &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see &apos;starloom-cli --help&apos;)</source>
        <translation>comando sconosciuto &apos;%1&apos; (vedi &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>output standard: %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; for --lang (shipped: %2)</source>
        <translation>lingua sconosciuta &apos;%1&apos; per --lang (incluse: %2)</translation>
    </message>
    <message>
        <source>the reading could not be shown</source>
        <translation>il tema non ha potuto essere mostrato</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 righe</translation>
    </message>
    <message>
        <source>%1, %2 rows a second</source>
        <translation>%1, %2 righe al secondo</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, mancano %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>input standard</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>la prima riga deve essere l’intestazione %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>&apos;%1&apos; non è una data YYYY-MM-DD o YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the calendar</source>
        <translation>&apos;%1&apos; non è un giorno del calendario</translation>
    </message>
    <message>
        <source>line %1: %2 (row skipped)</source>
        <translation>riga %1: %2 (riga saltata)</translation>
    </message>
    <message>
        <source>the built-in table of precise positions is damaged (%1); install the program again</source>
        <translation>la tabella integrata delle posizioni precise è danneggiata (%1); reinstalla il programma</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 deve essere un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>place: %1 Give the zone.</source>
        <translation>place: %1 Indica il fuso.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>attesi %1 campi, trovati %2</translation>
    </message>
    <message>
        <source>name must not hold control characters</source>
        <translation>name non deve contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>%1 must be one to three digits</source>
        <translation>%1 deve avere da una a tre cifre</translation>
    </message>
    <message>
        <source>lat_dir must be N, S or empty</source>
        <translation>lat_dir deve essere N, S o vuoto</translation>
    </message>
    <message>
        <source>lon_dir must be E, W or empty</source>
        <translation>lon_dir deve essere E, W o vuoto</translation>
    </message>
    <message>
        <source>more than 1024 fields in the record</source>
        <translation>più di 1024 campi nel record</translation>
    </message>
    <message>
        <source>the record is longer than 1 MiB</source>
        <translation>il record supera 1 MiB</translation>
    </message>
    <message>
        <source>a field is longer than 64 KiB</source>
        <translation>un campo supera 64 KiB</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>testo dopo le virgolette di chiusura</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>virgolette dentro un campo che non inizia con esse</translation>
    </message>
    <message>
        <source>a quoted field is not closed at the end of the input</source>
        <translation>un campo tra virgolette non è chiuso alla fine dell’ingresso</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>The date of birth&apos;s format (QDate::toString): MMMM the month&apos;s name, d the day, yyyy the year, e.g. &quot;d. MMMM yyyy&quot; for &quot;1. Mai 1990&quot;.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>Ora di nascita: %1 h %2 min</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute %3</source>
        <translation>Latitudine: %1 gradi %2 minuti %3</translation>
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
        <translation>Longitudine: %1 gradi %2 minuti %3</translation>
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
        <translation>Città: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Regione: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Paese: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posizioni planetarie</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>casa %1</translation>
    </message>
    <message>
        <source>true</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>vero</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>medio</translation>
    </message>
    <message>
        <source>Midheaven and Lunar Nodes</source>
        <translation>Medio Cielo e nodi lunari</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>midheaven</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>Nodo Nord</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Nodo Sud</translation>
    </message>
    <message>
        <source>Houses (%1)</source>
        <translation>Case (%1)</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspetti</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no aspects</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>no leading planet</source>
        <translation>nessun pianeta guida</translation>
    </message>
    <message>
        <source>led by %1</source>
        <translation>guidato da %1</translation>
    </message>
    <message>
        <source>led by %1 and %2</source>
        <translation>guidato da %1 e %2</translation>
    </message>
    <message>
        <source>Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to %5)</source>
        <translation>Schema di distribuzione per gradi: %1, %2 (arco vuoto più ampio %3 gradi, da %4 a %5)</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applicativo</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Direzionato</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transito</translation>
    </message>
    <message>
        <source>Aspects (natal point, then progressed point; orb 1 degree)</source>
        <translation>Aspetti (punto natale, poi punto progresso; orbita 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then directed point; orb 1 degree)</source>
        <translation>Aspetti (punto natale, poi punto direzionato; orbita 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then transiting point; orb 1 degree)</source>
        <translation>Aspetti (punto natale, poi punto in transito; orbita 1 grado)</translation>
    </message>
    <message>
        <source>Aspects (%1&apos;s point, then %2&apos;s point; orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)</source>
        <translation>Aspetti (punto di %1, poi punto di %2; orbite di 8, 8, 7, 7 e 5 gradi, 2 in più per il Sole e la Luna)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natale</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>diventa retrogrado</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>torna in moto diretto</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entra in %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entra nella casa %1</translation>
    </message>
    <message>
        <source>Secondary progressions of %1 to %2 UT
Born %3 UT; progressed moment %4 UT, one day for each year of life
Midheaven moved by the solar arc in right ascension: %5 degrees</source>
        <translation>Progressioni secondarie di %1 al %2 UT
Nascita %3 UT; momento progresso %4 UT, un giorno per ogni anno di vita
Medio Cielo spostato dell’arco solare in ascensione retta: %5 gradi</translation>
    </message>
    <message>
        <source>Solar arc directions of %1 to %2 UT
Born %3 UT; solar arc %4 degrees, the progressed Sun&apos;s at %5 UT</source>
        <translation>Direzioni d&apos;arco solare di %1 al %2 UT
Nascita %3 UT; arco solare %4 gradi, quello del Sole progresso al %5 UT</translation>
    </message>
    <message>
        <source>Transits to %1 at %2 UT</source>
        <translation>Transiti per %1 al %2 UT</translation>
    </message>
    <message>
        <source>Synastry of %1 and %2
%1: born %3 UT; %2: born %4 UT</source>
        <translation>Sinastria di %1 e %2
%1: nascita %3 UT; %2: nascita %4 UT</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>in %1&apos;s house</source>
        <translation>nella casa di %1</translation>
    </message>
    <message>
        <source>in natal house</source>
        <translation>nella casa natale</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no leading planet</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Patterns by signs</source>
        <translation>Schemi per segni</translation>
    </message>
    <message>
        <source>a chart may show several, so the shares add up to more than 100%</source>
        <translation>un tema può mostrarne diversi, quindi le quote sommano a più del 100%</translation>
    </message>
    <message>
        <source>Patterns by degrees</source>
        <translation>Schemi per gradi</translation>
    </message>
    <message>
        <source>one per chart</source>
        <translation>uno per tema</translation>
    </message>
    <message>
        <source>a Bucket&apos;s handle of two planets counts for both</source>
        <translation>un manico (Bucket) di due pianeti conta per entrambi</translation>
    </message>
    <message>
        <source>every aspect counts, so a share above 100% is more than one a chart</source>
        <translation>ogni aspetto conta, quindi una quota oltre il 100% è più di uno per tema</translation>
    </message>
    <message>
        <source>Bodies by house</source>
        <translation>Astri per casa</translation>
    </message>
    <message>
        <source>the Sun, the Moon and the planets each count once, so the shares add up to 1000%</source>
        <translation>il Sole, la Luna e i pianeti contano una volta ciascuno, quindi le quote sommano a 1000%</translation>
    </message>
    <message>
        <source>Readings: %1</source>
        <translation>Temi: %1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>Righe saltate: %1</translation>
    </message>
    <message>
        <source>count</source>
        <comment>the stats column</comment>
        <translation>conteggio</translation>
    </message>
    <message>
        <source>share</source>
        <comment>the stats column</comment>
        <translation>quota</translation>
    </message>
    <message>
        <source>Leading planets</source>
        <translation>Pianeti guida</translation>
    </message>
    <message>
        <source>Planetary patterns of %1 births</source>
        <translation>Schemi planetari di %1 nascite</translation>
    </message>
    <message>
        <source>Made by starloom-cli stats</source>
        <translation>Creato con starloom-cli stats</translation>
    </message>
    <message>
        <source>Share of the readings in each category; counts in brackets</source>
        <translation>Quota dei temi in ogni categoria; conteggi tra parentesi</translation>
    </message>
</context>
</TS>
