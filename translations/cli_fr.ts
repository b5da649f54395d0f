<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Utilisation&#xa0;: starloom-cli &lt;commande&gt; [options]

Les thèmes de QM Starloom en ligne de commande, calculés par le code même du programme.

Commandes&#xa0;:
  reading   un thème à partir des données de naissance, en texte ou en JSON
  open      un thème à partir d’un fichier de thème (.act)
  save      écrire le fichier de thème d’une naissance
  export    écrire l’export texte d’un thème
  image     enregistrer la fenêtre de résultat d’un thème en image JPEG
  pdf       écrire le thème imprimé en document PDF
  batch     les thèmes de chaque ligne d’un fichier CSV, en JSON Lines
  stats     la fréquence de chaque configuration et de chaque planète motrice dans un fichier CSV
  zones     les fuseaux horaires et leur position dans la liste
  houses    les systèmes de maisons qu’accepte --houses
  transits  les transits exacts à un thème sur une période, un par ligne
  progressions
            les progressions secondaires d’un thème à une date
  directions
            les directions par arc solaire d’un thème à une date
  synastry  deux thèmes comparés&#xa0;: leurs positions et leurs aspects croisés

Options&#xa0;:
  --help      afficher cette aide, ou l’aide d’une commande après son nom
  --version   afficher la version
  --lang CODE la langue des textes&#xa0;: en, de, fr, es, pt_BR ou it (par défaut
              celle que nomme la locale de l’environnement)&#xa0;; le JSON, les fichiers
              de thème, les lots et le CSV sont les mêmes dans toutes les langues

Code de sortie&#xa0;: 0 fait&#xa0;; 1 un lot a tourné mais des lignes ont été refusées&#xa0;; 2 refusé
(arguments erronés, données de naissance que le formulaire refuse, fichier illisible
ou impossible à écrire), avec un message d’une ligne sur la sortie d’erreur standard.
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
        <translation>Données de naissance&#xa0;:
  --date YYYY-MM-DD   date de naissance, années 1800 à 2199
  --time HH:MM        heure locale de la naissance, 0:00 à 23:59
  --zone N            position du fuseau dans la liste, 0 à 163 (voir &apos;starloom-cli zones&apos;)
  --dst               l’heure est une heure d’été
  --lat D:M(N|S)      latitude en degrés et minutes, p. ex. 51:30N
  --lon D:M(E|W)      longitude en degrés et minutes, p. ex. 0:07W ou 0:7W
  --name TEXT         nom&#xa0;; &quot;Anonymous&quot; s’il n’est pas donné
  --city TEXT         ville&#xa0;; &quot;Unknown&quot; si elle n’est pas donnée
  --state TEXT        région&#xa0;; &quot;Unknown&quot; si elle n’est pas donnée
  --country TEXT      pays&#xa0;; &quot;Unknown&quot; s’il n’est pas donné
                      (ces quatre acceptent les lettres de toute écriture, les espaces,
                      traits d’union, apostrophes et points, comme les champs du formulaire)
  --place NAME        un lieu de l’atlas hors ligne (&quot;Madrid&quot; ou &quot;Madrid, Madrid,
                      Spain&quot;&#xa0;; le plus peuplé qui correspond)&#xa0;: remplit ville, région, pays,
                      --lat et --lon et, sauf si --zone est donné, le fuseau et
                      l’heure d’été que la base des fuseaux horaires donne pour la date
                      et l’heure (une heure sautée par le changement d’heure est avancée
                      d’autant, une heure répétée est prise la première fois&#xa0;; une remarque
                      sur la sortie d’erreur standard le signale)
--date et --time sont obligatoires, ainsi que --zone, --lat et --lon sauf si --place
les fournit. Les données sont vérifiées
comme le formulaire de naissance les vérifie, avec ses messages&#xa0;: un nom ou un lieu vide,
le 30 février ou une latitude au-delà de 90 degrés sont refusés.
</translation>
    </message>
    <message>
        <source>  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets&apos; motion
</source>
        <translation>  --positions METHOD  standard (par défaut)&#xa0;: les formules intégrées, rétrogradations
                      d’après les tables de stations&#xa0;; precise&#xa0;: la table ajustée
                      sur une éphéméride du JPL, au centième de seconde d’arc,
                      rétrogradations d’après le mouvement des planètes
</translation>
    </message>
    <message>
        <source>  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant&apos;s), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see &apos;starloom-cli houses&apos;)
</source>
        <translation>  --houses SYSTEM     comment le ciel est divisé en maisons&#xa0;: whole-sign (par
                      défaut&#xa0;: signes entiers à partir de celui de l’Ascendant), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric ou morinus (voir &apos;starloom-cli houses&apos;)
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
        <translation>Utilisation&#xa0;: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;données de naissance&gt;

Affiche un thème&#xa0;: les données personnelles, le temps universel avec le fuseau et le
décalage utilisés (et si l’atlas ou les options les ont fournis), les positions
planétaires avec la maison de chaque astre, le Milieu du Ciel et les nœuds lunaires, les douze
maisons (chacune avec sa cuspide, les astres et leurs marques de rétrogradation), les aspects,
l’interprétation et une ligne sur la configuration par degrés. Les naissances avant 1901 ou
après 2050 sont calculées avec la table précise, quoi que dise --positions, et une
remarque le signale&#xa0;; un système de maisons non défini au lieu et à l’heure (Placidus,
Koch ou Topocentrique à l’intérieur des cercles polaires) donne des maisons Porphyre, avec une remarque. Avec --json, un objet
JSON à la place&#xa0;:
  name            le nom tel que le fichier de thème le garde
  universal_time  l’instant pour lequel les planètes ont été calculées, p. ex. 1990-05-01T12:00Z
  positions       la méthode&#xa0;: &quot;standard&quot; ou &quot;precise&quot;
  positions_note  seulement si la méthode n’est pas celle demandée (une naissance hors de
                  1901..2050 est calculée avec la table précise)
  zone            le fuseau utilisé&#xa0;: index (position dans la liste), name, offset_minutes (à l’est
                  de Greenwich, heure d’été comprise) et dst (la case cochée)
  place           avec --place&#xa0;: name, state, country, latitude, longitude et
                  time_zone du lieu de l’atlas
  time_note       seulement si les horloges ont sauté ou répété l’heure donnée
  bodies          Sun, Moon, Mercury .. Pluto et Asc, chacun avec name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (degrés), retrograde et house
                  (1 à 12&#xa0;; l’Ascendant est en maison 1)
  ascendant_sign  le signe de l’Ascendant, nom complet (&quot;Taurus&quot;)
  moon_sign       le signe de la Lune, nom complet
  house_cells     les maisons 1 à 12 telles que les cases de la roue les montrent&#xa0;: CR LF avant
                  chaque astre, marques de rétrogradation comprises
  patterns        les configurations planétaires dans l’ordre du rapport
  pattern_by_degrees
                  la figure que forment les longitudes exactes des dix planètes&#xa0;: name,
                  leading (les planètes motrices, vide s’il n’y en a pas) et empty_arc
                  (from et to, en degrés&#xa0;: le plus grand écart entre planètes)
  houses          system (son nom en ligne de commande), cusps (12 longitudes en degrés,
                  maison 1 d’abord) et, seulement si le système demandé n’est pas défini
                  là, note (pourquoi, et que des maisons Porphyre sont données)
  angles          asc et mc&#xa0;: les longitudes de l’Ascendant et du Milieu du Ciel (degrés)
  nodes           north et south&#xa0;: les nœuds de la Lune (degrés)&#xa0;; kind &quot;mean&quot;
  aspects         chaque aspect comme a (le premier point), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; ou &quot;sextile&quot;), orb (degrés
                  depuis l’exactitude) et applying&#xa0;; les points sont les dix astres, Asc et
                  MC, avec les orbes par défaut 8, 8, 7, 7 et 5 degrés (2 de plus
                  pour le Soleil et la Lune). Un aspect est appliquant quand le mouvement
                  des deux points à l’instant de la naissance les rapproche de
                  l’angle exact&#xa0;: le mouvement quotidien du Soleil, de la Lune et des
                  planètes à cet instant (les formules standard dérivées,
                  ou les vitesses propres de la table précise), celui de l’Ascendant et du
                  Milieu du Ciel sur le quart d’heure suivant. Là où le
                  mouvement relatif est inférieur à 0,1 degré par jour, l’indication est presque
                  une égalité&#xa0;: jugée d’après les positions un jour plus tard, elle peut
                  tourner dans l’autre sens.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program&apos;s Open Previously Saved
Reading makes it. The name must end in &quot;act&quot; (lower case). The file&apos;s details
are checked as the birth-data form checks them. With --json, one JSON object.
</source>
        <translation>Utilisation&#xa0;: starloom-cli open FILE.act [--json]

Affiche le thème d’un fichier de thème, comme le fait l’ouverture d’un thème enregistré
dans le programme. Le nom doit finir par &quot;act&quot; (en minuscules). Les données du fichier
sont vérifiées comme le formulaire de naissance les vérifie. Avec --json, un objet JSON.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli save FILE.act &lt;birth details&gt;

Writes the reading file of the birth, byte for byte as the program&apos;s Save As
does. The file is written whole or not at all; an existing file is replaced.

</source>
        <translation>Utilisation&#xa0;: starloom-cli save FILE.act &lt;données de naissance&gt;

Écrit le fichier de thème de la naissance, octet pour octet comme le fait Enregistrer sous
dans le programme. Le fichier est écrit en entier ou pas du tout&#xa0;; un fichier existant est remplacé.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the text export of the reading, byte for byte as the program&apos;s Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Utilisation&#xa0;: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;données de naissance&gt; | --from FILE.act)

Écrit l’export texte du thème, octet pour octet comme le fait l’export en texte
du programme. Le fichier est écrit en entier ou pas du tout&#xa0;; un fichier existant
est remplacé.

  --from FILE.act     prendre les données de naissance dans un fichier de thème

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
        <translation>Utilisation&#xa0;: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;données de naissance&gt; | --from FILE.act)

Enregistre la fenêtre de résultat du thème en image JPEG, comme le fait l’enregistrement en
JPEG du programme&#xa0;: le nom est coupé au premier point de sa partie fichier et reçoit &quot;.jpg&quot;&#xa0;;
si ce fichier existe, le premier nom libre name_001.jpg .. name_999.jpg est pris, si bien
qu’aucun fichier n’est jamais remplacé. La fenêtre est dessinée sans écran.

  --from FILE.act     prendre les données de naissance dans un fichier de thème

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
        <translation>Utilisation&#xa0;: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;données de naissance&gt; | --from FILE.act)

Écrit le thème tel que le programme l’imprime et tel que son export PDF l’écrit&#xa0;:
les données personnelles avec le fuseau horaire, le temps universel et les directions
de la latitude et de la longitude, la roue, les positions planétaires, les signes de
l’Ascendant et de la Lune et toute l’interprétation, sur autant de pages que nécessaire. Le
fichier est écrit en entier ou pas du tout&#xa0;; un fichier existant est remplacé. Aucun écran
n’est nécessaire.

  --from FILE.act     prendre les données de naissance dans un fichier de thème

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
        <translation>Utilisation&#xa0;: starloom-cli batch IN.csv [--format jsonl|csv] [--threads N] [--out FILE] [--quiet]
                          [--positions METHOD] [--houses SYSTEM]

Lit un fichier CSV (RFC 4180&#xa0;: les champs entre guillemets peuvent contenir des virgules, des
guillemets et des sauts de ligne) dont la première ligne est l’en-tête
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
suivi éventuellement d’une dernière colonne &quot;place&quot;, et écrit un objet JSON par
ligne, dans l’ordre de l’entrée (JSON Lines)&#xa0;: l’objet du thème
tel que &apos;reading --json&apos; le donne, ou {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} pour une ligne
mal formée ou que le formulaire de naissance refuse (N est la ligne de
l’entrée où la ligne commence). dst vaut 0 ou 1, lat_dir N ou S, lon_dir E ou W.
Les lignes vides sont ignorées. IN.csv peut être &quot;-&quot; pour l’entrée standard.
Une case place remplie agit comme --place&#xa0;: les coordonnées, la ville, la région
et le pays du lieu de l’atlas, et le fuseau et dst de la base des fuseaux horaires, remplissent
les cases que la ligne laisse vides&#xa0;; une case place vide signifie les champs propres de la ligne.

  --format F    jsonl (par défaut)&#xa0;: les lignes JSON ci-dessus&#xa0;; csv&#xa0;: un tableau pour
                tableurs (RFC 4180, fins de ligne CR LF), un en-tête puis un
                enregistrement par ligne&#xa0;: line (de l’entrée), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                pour chacun de sun .. pluto ses _longitude, _sign, _retrograde et
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (par signes, joints par &quot;; &quot;), pattern_by_degrees, leading
                (ses planètes motrices, jointes par &quot;; &quot;) et error (la raison d’une ligne
                refusée, toutes les colonnes de valeurs étant alors vides)&#xa0;; valeurs comme dans le JSON
  --threads N   fils de travail, 1 à 64 (par défaut&#xa0;: le nombre de processeurs)
  --out FILE    écrire dans FILE, en entier ou pas du tout, au lieu de la sortie standard
                (pas l’entrée&#xa0;; un périphérique ou un tube est écrit tel quel)
  --quiet       pas de ligne de progression&#xa0;; sans cette option, quand la sortie d’erreur
                standard est un terminal et que les lignes ne vont pas à ce terminal, une ligne
                y montre les lignes faites, les lignes par seconde et, pour un fichier,
                le temps restant

Un champ de plus de 64 Kio, un enregistrement de plus de 1 Mio ou un de plus de 1024 champs donne
un objet d’erreur pour cette ligne, tout comme un nom avec un caractère de contrôle (qu’un
fichier de thème ne peut pas garder)&#xa0;; la règle des lettres seules de --name ne s’applique pas aux
lignes, dont les noms peuvent être des codes comme &quot;Person 12&quot;. Code de sortie 1 si une ligne a donné un objet d’erreur, 2
si l’entrée n’a pas d’en-tête ou si un fichier ne peut être lu ou écrit&#xa0;: une première ligne
qui n’est pas l’en-tête (ou qui dépasse une ligne) est refusée avant que quoi que ce soit
d’autre soit lu, une sortie impossible à créer avant qu’aucune ligne soit traitée, et la
première écriture qui échoue termine le lot.
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
        <translation>Utilisation&#xa0;: starloom-cli stats IN.csv [--threads N] [--quiet] [--positions METHOD]
                          [--houses SYSTEM] [--plot FILE.svg]

Lit un fichier CSV avec l’en-tête et les lignes de &apos;starloom-cli batch&apos;, calcule le
thème de chaque ligne et affiche, en tableaux, l’effectif et la part des thèmes
pour chaque configuration planétaire par signes, chaque configuration par degrés, chaque planète
motrice, chaque type d’aspect et les astres dans chaque maison. Les lignes sont lues et
refusées exactement comme le lot les lit&#xa0;; les lignes refusées sont ignorées et comptées,
et les raisons des dix premières vont sur la sortie d’erreur standard. IN.csv peut être &quot;-&quot; pour
l’entrée standard.

  --threads N         fils de travail, 1 à 64 (par défaut&#xa0;: le nombre de processeurs)
  --quiet             pas de ligne de progression&#xa0;; sans cette option, quand la sortie
                      d’erreur standard est un terminal, une ligne y montre les lignes faites,
                      les lignes par seconde et, pour un fichier, le temps restant
  --positions METHOD  comment les positions des planètes sont calculées&#xa0;: standard (les
                      formules propres du programme&#xa0;; par défaut) ou precise
  --houses SYSTEM     le système de maisons selon lequel les astres sont comptés (whole-sign,
                      par défaut&#xa0;; voir &apos;starloom-cli houses&apos;)
  --plot FILE.svg     dessiner aussi les tableaux en diagramme à barres dans un fichier SVG,
                      écrit en entier ou pas du tout

Code de sortie 1 si une ligne a été ignorée, 2 si l’entrée n’a pas d’en-tête ou si un
fichier ne peut être lu ou écrit.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli houses

Lists the house systems --houses takes, with their names as the program shows
them. Where Placidus, Koch or Topocentric houses do not exist (inside the polar
circles at some sidereal times) or at a pole, a chart gives Porphyry houses and
says so.
</source>
        <translation>Utilisation&#xa0;: starloom-cli houses

Liste les systèmes de maisons qu’accepte --houses, avec leurs noms tels que le programme
les montre. Là où les maisons Placidus, Koch ou Topocentriques n’existent pas (à l’intérieur
des cercles polaires à certains temps sidéraux) ou à un pôle, un thème donne des maisons
Porphyre et le signale.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli zones

Lists the 164 time zones of the birth-data form by name, as the form shows them,
each after its list position: the number --zone and the batch&apos;s zone column
take. &quot;Local Mean Time&quot; takes its offset from the birth&apos;s longitude: 4 minutes
per degree, east ahead of Greenwich.
</source>
        <translation>Utilisation&#xa0;: starloom-cli zones

Liste par leur nom les 164 fuseaux horaires du formulaire de naissance, tels qu’il les montre,
chacun après sa position dans la liste&#xa0;: le nombre qu’acceptent --zone et la colonne zone
du lot. &quot;Local Mean Time&quot; prend son décalage de la longitude de la naissance&#xa0;: 4 minutes
par degré, l’est en avance sur Greenwich.
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
        <translation>Utilisation&#xa0;: starloom-cli transits (&lt;données de naissance&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Affiche chaque événement de transit du début de --start à la fin de --end, un
par ligne dans l’ordre du temps, écrit dès qu’il est trouvé&#xa0;: chaque aspect exact
(conjonction, opposition, trigone, carré, sextile) d’un Soleil, d’une Lune, d’un Mercure ..
Pluton ou d’un Nœud Nord vrai en transit à un point natal (les dix astres, Asc et MC), chaque
station de Mercure .. Pluton (devenant rétrograde ou direct) et chaque ingrès
d’un astre en transit dans un signe ou dans une maison natale (selon les cuspides du thème).
Les moments sont en temps universel à la minute près, trouvés comme racines exactes des
positions précises&#xa0;; un passage rétrograde donne ses propres événements. Le thème natal est
calculé selon --positions et --houses&#xa0;; les astres en transit toujours selon la
table précise, si bien que les dates doivent se situer dans sa période.

  --start DATE   YYYY-MM-DD (depuis son minuit) ou YYYY-MM-DDTHH:MM, temps universel
  --end DATE     YYYY-MM-DD (jusqu’au minuit qui le termine) ou YYYY-MM-DDTHH:MM
  --json         JSON Lines, un objet par événement&#xa0;: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; ou &quot;ingress&quot;), body, et pour un aspect
                 aspect et natal (le nom du point natal comme dans les bodies du
                 thème, ou &quot;MC&quot;), pour une station direction (&quot;retrograde&quot; ou
                 &quot;direct&quot;), pour un ingrès sign (son nom complet) ou house (1 à 12)
  --from FILE.act  prendre les données de naissance dans un fichier de thème

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli progressions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Utilisation&#xa0;: starloom-cli progressions (&lt;données de naissance&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli directions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Utilisation&#xa0;: starloom-cli directions (&lt;données de naissance&gt; | --from FILE.act) --date DATE
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
Affiche le thème natal et le second thème côte à côte (chaque point avec la
maison natale où il tombe) et les aspects entre eux, point natal d’abord, avec
un orbe de 1 degré pour chaque type, appliquant ou séparant selon le mouvement du
second thème. Avec --json, un objet&#xa0;: kind, date, first (le thème natal) et second
(le thème progressé ou dirigé), chacun avec name, universal_time, positions
(la méthode), bodies (name, position, sign, longitude, retrograde et house, comme
dans le thème&#xa0;; la maison du second thème est la maison natale où il tombe) et
angles (asc, mc)&#xa0;; arc (degrés, comme ci-dessus)&#xa0;; aspects (a&#xa0;: le point natal, b&#xa0;: le
point du second thème, aspect, orb, applying).

  --date DATE          la date pour laquelle le thème est dressé&#xa0;: YYYY-MM-DD (son
                       minuit) ou YYYY-MM-DDTHH:MM, temps universel
  --birth-date DATE    la date de naissance, YYYY-MM-DD&#xa0;: ce qu’est --date parmi les
                       données de naissance ci-dessous
  --from FILE.act      prendre les données de naissance dans un fichier de thème

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
        <translation>Progressions secondaires&#xa0;: le thème du jour N jours après la naissance pour N années de
vie (années tropiques), les astres selon la table précise. Le MC progressé avance
de l’arc solaire en ascension droite&#xa0;: l’angle sidéral natal (RAMC) croît de
l’arc que le Soleil a parcouru en ascension droite depuis la naissance, et le MC et l’Asc
s’en déduisent avec la latitude natale et l’obliquité. Le MC est le point du méridien
et le méridien tourne avec l’ascension droite, ce qui garde le
MC progressé sur le méridien progressé et l’Asc cohérent avec lui, ce que
l’arc du Soleil en longitude ajouté au MC ne ferait pas. arc est cet arc.
</translation>
    </message>
    <message>
        <source>Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun&apos;s longitude (one day after birth
for each year of life, by the precise table) less the Sun&apos;s at birth. arc is
that arc, in degrees.
</source>
        <translation>Directions par arc solaire&#xa0;: chaque point natal (les dix astres, Asc et MC) avancé
de l’arc solaire, la longitude du Soleil progressé (un jour après la naissance
pour chaque année de vie, selon la table précise) moins celle du Soleil à la naissance. arc est
cet arc, en degrés.
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
        <translation>Utilisation&#xa0;: starloom-cli synastry A.act B.act [--json] [--positions METHOD] [--houses SYSTEM]

Compare deux thèmes&#xa0;: les positions des deux (chaque point de B avec la maison
de A où il tombe) et chaque aspect entre un point de A et un point de B (les
dix astres, Asc et MC), avec les orbes natals 8, 8, 7, 7 et 5 degrés (2 de plus
pour le Soleil et la Lune), appliquant ou séparant selon le mouvement des deux thèmes à
la naissance. Avec --json, un objet&#xa0;: kind (&quot;synastry&quot;), first (A) et second (B),
chacun avec name, universal_time, positions, bodies (comme dans le thème&#xa0;; la maison de B
est la maison de A où il tombe) et angles (asc, mc), et aspects (a&#xa0;: le point de A, b&#xa0;: le
point de B, aspect, orb, applying).

</translation>
    </message>
</context>
<context>
    <name>CliMessages</name>
    <message>
        <source>write error</source>
        <translation>erreur d’écriture</translation>
    </message>
    <message>
        <source>%1: is the input file; choose another output file</source>
        <translation>%1&#xa0;: est le fichier d’entrée&#xa0;; choisissez un autre fichier de sortie</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>must be degrees:minutes (one to three digits each) followed by %1 or %2</source>
        <translation>doit être degrés:minutes (un à trois chiffres chacun) suivi de %1 ou %2</translation>
    </message>
    <message>
        <source>must be YYYY-MM-DD</source>
        <translation>doit être de la forme YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must be a whole number from %1 to %2</source>
        <translation>l’année doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>the month must be a whole number from %1 to %2</source>
        <translation>le mois doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>the day must be a whole number from %1 to %2</source>
        <translation>le jour doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>must be HH:MM</source>
        <translation>doit être de la forme HH:MM</translation>
    </message>
    <message>
        <source>the hour must be a whole number from %1 to %2</source>
        <translation>l’heure doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>the minute must be a whole number from %1 to %2</source>
        <translation>la minute doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>the zone must be a whole number from %1 to %2 (see the zones command)</source>
        <translation>la zone doit être un nombre entier de %1 à %2 (voir la commande zones)</translation>
    </message>
    <message>
        <source>%1: no place called &quot;%2&quot; in the atlas</source>
        <translation>%1&#xa0;: aucun lieu nommé &quot;%2&quot; dans l’atlas</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is ambiguous; say which: %3</source>
        <translation>%1&#xa0;: &quot;%2&quot; est ambigu&#xa0;; précisez lequel&#xa0;: %3</translation>
    </message>
    <message>
        <source>--place: %1 Give --zone.</source>
        <translation>--place&#xa0;: %1 Indiquez --zone.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--positions must be standard or precise</source>
        <translation>--positions doit être standard ou precise</translation>
    </message>
    <message>
        <source>--houses must be %1</source>
        <translation>--houses doit être %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from cannot be combined with birth details</source>
        <translation>--from ne peut pas être combiné avec des données de naissance</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>the image&apos;s file name is empty</source>
        <translation>le nom de fichier de l’image est vide</translation>
    </message>
    <message>
        <source>%1: names a folder, not an image file</source>
        <translation>%1&#xa0;: désigne un dossier, pas un fichier image</translation>
    </message>
    <message>
        <source>image: this build of the tool draws no images</source>
        <translation>image&#xa0;: cette version de l’outil ne dessine pas d’images</translation>
    </message>
    <message>
        <source>pdf: this build of the tool draws no documents</source>
        <translation>pdf&#xa0;: cette version de l’outil ne dessine pas de documents</translation>
    </message>
    <message>
        <source>--threads must be a whole number from 1 to %1</source>
        <translation>--threads doit être un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out demande un nom de fichier</translation>
    </message>
    <message>
        <source>--format must be jsonl or csv</source>
        <translation>--format doit être jsonl ou csv</translation>
    </message>
    <message>
        <source>--plot needs a file name</source>
        <translation>--plot demande un nom de fichier</translation>
    </message>
    <message>
        <source>--plot: this build of the tool draws no charts</source>
        <translation>--plot&#xa0;: cette version de l’outil ne dessine pas de graphiques</translation>
    </message>
    <message>
        <source>--end lies before --start</source>
        <translation>--end précède --start</translation>
    </message>
    <message>
        <source>transits are computed from the precise table: --start and --end must lie within %1</source>
        <translation>les transits sont calculés à partir de la table précise&#xa0;: --start et --end doivent se situer dans la période %1</translation>
    </message>
    <message>
        <source>--date: the progressed moment must lie within the precise table, %1</source>
        <translation>--date&#xa0;: le moment progressé doit se situer dans la table précise, %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 donné deux fois</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1: Please enter only letters</source>
        <translation>%1&#xa0;: Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>missing command (see &apos;starloom-cli --help&apos;)</source>
        <translation>commande manquante (voir &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see &apos;starloom-cli --help&apos;)</source>
        <translation>commande inconnue &apos;%1&apos; (voir &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; for --lang (shipped: %2)</source>
        <translation>langue inconnue &apos;%1&apos; pour --lang (fournies&#xa0;: %2)</translation>
    </message>
    <message>
        <source>the reading could not be shown</source>
        <translation>le thème n’a pas pu être affiché</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1, %2 rows a second</source>
        <translation>%1, %2 lignes par seconde</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, %2 restantes</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>la première ligne doit être l’en-tête %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>&apos;%1&apos; n’est pas une date YYYY-MM-DD ou YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the calendar</source>
        <translation>&apos;%1&apos; n’est pas un jour du calendrier</translation>
    </message>
    <message>
        <source>line %1: %2 (row skipped)</source>
        <translation>ligne %1&#xa0;: %2 (ligne ignorée)</translation>
    </message>
    <message>
        <source>the built-in table of precise positions is damaged (%1); install the program again</source>
        <translation>la table intégrée des positions précises est endommagée (%1)&#xa0;; réinstallez le programme</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>place: %1 Give the zone.</source>
        <translation>place&#xa0;: %1 Indiquez le fuseau.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>%1 champs attendus, %2 trouvés</translation>
    </message>
    <message>
        <source>name must not hold control characters</source>
        <translation>name ne doit pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>%1 must be one to three digits</source>
        <translation>%1 doit compter un à trois chiffres</translation>
    </message>
    <message>
        <source>lat_dir must be N, S or empty</source>
        <translation>lat_dir doit être N, S ou vide</translation>
    </message>
    <message>
        <source>lon_dir must be E, W or empty</source>
        <translation>lon_dir doit être E, W ou vide</translation>
    </message>
    <message>
        <source>more than 1024 fields in the record</source>
        <translation>plus de 1024 champs dans l’enregistrement</translation>
    </message>
    <message>
        <source>the record is longer than 1 MiB</source>
        <translation>l’enregistrement dépasse 1 Mio</translation>
    </message>
    <message>
        <source>a field is longer than 64 KiB</source>
        <translation>un champ dépasse 64 Kio</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>du texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>a quoted field is not closed at the end of the input</source>
        <translation>un champ entre guillemets n’est pas fermé à la fin de l’entrée</translation>
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
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>Heure de naissance&#xa0;: %1 h %2 min</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute %3</source>
        <translation>Latitude&#xa0;: %1 degrés %2 minutes %3</translation>
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
        <translation>Longitude&#xa0;: %1 degrés %2 minutes %3</translation>
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
        <translation>Ville&#xa0;: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Région&#xa0;: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Pays&#xa0;: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Positions planétaires</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>maison %1</translation>
    </message>
    <message>
        <source>true</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>vrai</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>moyen</translation>
    </message>
    <message>
        <source>Midheaven and Lunar Nodes</source>
        <translation>Milieu du Ciel et nœuds lunaires</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>midheaven</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>Nœud Nord</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Nœud Sud</translation>
    </message>
    <message>
        <source>Houses (%1)</source>
        <translation>Maisons (%1)</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no aspects</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>no leading planet</source>
        <translation>aucune planète motrice</translation>
    </message>
    <message>
        <source>led by %1</source>
        <translation>menée par %1</translation>
    </message>
    <message>
        <source>led by %1 and %2</source>
        <translation>menée par %1 et %2</translation>
    </message>
    <message>
        <source>Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to %5)</source>
        <translation>Configuration par degrés&#xa0;: %1, %2 (plus grand arc vide %3 degrés, de %4 à %5)</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>appliquant</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>séparant</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>The format of a date and time of universal time in the text output (QDateTime:: toString), e.g. &quot;dd.MM.yyyy HH:mm&quot; for &quot;01.04.2024 22:15&quot;.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progressé</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Dirigé</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Aspects (natal point, then progressed point; orb 1 degree)</source>
        <translation>Aspects (point natal, puis point progressé&#xa0;; orbe 1 degré)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then directed point; orb 1 degree)</source>
        <translation>Aspects (point natal, puis point dirigé&#xa0;; orbe 1 degré)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then transiting point; orb 1 degree)</source>
        <translation>Aspects (point natal, puis point en transit&#xa0;; orbe 1 degré)</translation>
    </message>
    <message>
        <source>Aspects (%1&apos;s point, then %2&apos;s point; orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)</source>
        <translation>Aspects (point de %1, puis point de %2&#xa0;; orbes 8, 8, 7, 7 et 5 degrés, 2 de plus pour le Soleil et la Lune)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>devient rétrograde</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>redevient direct</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entre en %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entre en maison %1</translation>
    </message>
    <message>
        <source>Secondary progressions of %1 to %2 UT
Born %3 UT; progressed moment %4 UT, one day for each year of life
Midheaven moved by the solar arc in right ascension: %5 degrees</source>
        <translation>Progressions secondaires de %1 au %2 UT
Naissance le %3 UT&#xa0;; moment progressé %4 UT, un jour pour chaque année de vie
Milieu du Ciel déplacé de l’arc solaire en ascension droite&#xa0;: %5 degrés</translation>
    </message>
    <message>
        <source>Solar arc directions of %1 to %2 UT
Born %3 UT; solar arc %4 degrees, the progressed Sun&apos;s at %5 UT</source>
        <translation>Directions par arc solaire de %1 au %2 UT
Naissance le %3 UT&#xa0;; arc solaire %4 degrés, celui du Soleil progressé au %5 UT</translation>
    </message>
    <message>
        <source>Transits to %1 at %2 UT</source>
        <translation>Transits pour %1 au %2 UT</translation>
    </message>
    <message>
        <source>Synastry of %1 and %2
%1: born %3 UT; %2: born %4 UT</source>
        <translation>Synastrie de %1 et %2
%1&#xa0;: naissance le %3 UT&#xa0;; %2&#xa0;: naissance le %4 UT</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>in %1&apos;s house</source>
        <translation>en maison de %1</translation>
    </message>
    <message>
        <source>in natal house</source>
        <translation>en maison natale</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no leading planet</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Maison %1</translation>
    </message>
    <message>
        <source>Patterns by signs</source>
        <translation>Configurations par signes</translation>
    </message>
    <message>
        <source>a chart may show several, so the shares add up to more than 100%</source>
        <translation>un thème peut en montrer plusieurs, la somme des parts dépasse donc 100%</translation>
    </message>
    <message>
        <source>Patterns by degrees</source>
        <translation>Configurations par degrés</translation>
    </message>
    <message>
        <source>one per chart</source>
        <translation>une par thème</translation>
    </message>
    <message>
        <source>a Bucket&apos;s handle of two planets counts for both</source>
        <translation>une anse (Bucket) de deux planètes compte pour les deux</translation>
    </message>
    <message>
        <source>every aspect counts, so a share above 100% is more than one a chart</source>
        <translation>chaque aspect compte, une part au-dessus de 100% signifie donc plus d’un par thème</translation>
    </message>
    <message>
        <source>Bodies by house</source>
        <translation>Astres par maison</translation>
    </message>
    <message>
        <source>the Sun, the Moon and the planets each count once, so the shares add up to 1000%</source>
        <translation>le Soleil, la Lune et les planètes comptent chacun une fois, la somme des parts fait donc 1000%</translation>
    </message>
    <message>
        <source>Readings: %1</source>
        <translation>Thèmes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>Lignes ignorées&#xa0;: %1</translation>
    </message>
    <message>
        <source>count</source>
        <comment>the stats column</comment>
        <translation>effectif</translation>
    </message>
    <message>
        <source>share</source>
        <comment>the stats column</comment>
        <translation>part</translation>
    </message>
    <message>
        <source>Leading planets</source>
        <translation>Planètes motrices</translation>
    </message>
    <message>
        <source>Planetary patterns of %1 births</source>
        <translation>Configurations planétaires de %1 naissances</translation>
    </message>
    <message>
        <source>Made by starloom-cli stats</source>
        <translation>Créé par starloom-cli stats</translation>
    </message>
    <message>
        <source>Share of the readings in each category; counts in brackets</source>
        <translation>Part des thèmes dans chaque catégorie&#xa0;; effectifs entre parenthèses</translation>
    </message>
</context>
</TS>
