<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Uso: starloom-cli &lt;comando&gt; [opções]

Mapas do QM Starloom pela linha de comando, calculados pelo próprio código do programa.

Comandos:
  reading   um mapa a partir dos dados de nascimento, como texto ou JSON
  open      um mapa a partir de um arquivo de mapa (.act)
  save      gravar o arquivo de mapa de um nascimento
  export    gravar a exportação em texto de um mapa
  image     salvar a janela de resultado de um mapa como imagem JPEG
  pdf       gravar o mapa impresso como documento PDF
  batch     os mapas de cada linha de um arquivo CSV, como JSON Lines
  stats     com que frequência cada padrão e cada planeta líder ocorre em um arquivo CSV
  zones     os fusos horários e suas posições na lista
  houses    os sistemas de casas que --houses aceita
  transits  os trânsitos exatos a um mapa em um intervalo de datas, um por linha
  progressions
            as progressões secundárias de um mapa até uma data
  directions
            as direções por arco solar de um mapa até uma data
  synastry  dois mapas comparados: suas posições e aspectos cruzados

Opções:
  --help      mostrar esta ajuda, ou a ajuda de um comando após o nome dele
  --version   mostrar a versão
  --lang CODE o idioma dos textos: en, de, fr, es, pt_BR ou it (por padrão
              o que a localidade do ambiente indica); o JSON, os arquivos de mapa,
              os lotes e o CSV são iguais em todos os idiomas

Status de saída: 0 concluído; 1 um lote rodou, mas algumas linhas foram recusadas; 2 recusado
(argumentos incorretos, dados de nascimento que o formulário recusa, um arquivo que não pode ser
lido ou gravado), com uma mensagem de uma linha na saída de erro padrão.
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
        <translation>Dados de nascimento:
  --date YYYY-MM-DD   data de nascimento, anos 1800 a 2199
  --time HH:MM        hora local do nascimento, 0:00 a 23:59
  --zone N            posição do fuso na lista, 0 a 163 (veja &apos;starloom-cli zones&apos;)
  --dst               a hora é horário de verão
  --lat D:M(N|S)      latitude em graus e minutos, p. ex. 51:30N
  --lon D:M(E|W)      longitude em graus e minutos, p. ex. 0:07W ou 0:7W
  --name TEXT         nome; &quot;Anonymous&quot; quando não informado
  --city TEXT         cidade; &quot;Unknown&quot; quando não informada
  --state TEXT        estado; &quot;Unknown&quot; quando não informado
  --country TEXT      país; &quot;Unknown&quot; quando não informado
                      (estes quatro aceitam letras de qualquer escrita, espaços,
                      hifens, apóstrofos e pontos, como os campos do formulário)
  --place NAME        um lugar do atlas offline (&quot;Madrid&quot; ou &quot;Madrid, Madrid,
                      Spain&quot;; a correspondência mais populosa): preenche cidade, estado, país,
                      --lat e --lon e, a menos que --zone seja informado, o fuso e o
                      horário de verão que o banco de dados de fusos horários dá para a data
                      e a hora (uma hora que os relógios pularam é adiantada pela
                      mudança, uma repetida é tomada na primeira vez; uma nota na
                      saída de erro padrão avisa)
--date e --time são obrigatórios, e --zone, --lat e --lon a menos que --place
os forneça. Os dados são verificados
como o formulário de nascimento os verifica, com as mensagens dele: um nome ou lugar vazio,
30 de fevereiro ou uma latitude além de 90 graus é recusado.
</translation>
    </message>
    <message>
        <source>  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets&apos; motion
</source>
        <translation>  --positions METHOD  standard (o padrão): as fórmulas internas, retrogradações
                      pelas tabelas de estações; precise: a tabela ajustada
                      a uma efeméride do JPL, a um centésimo de segundo de arco,
                      retrogradações pelo movimento dos planetas
</translation>
    </message>
    <message>
        <source>  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant&apos;s), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see &apos;starloom-cli houses&apos;)
</source>
        <translation>  --houses SYSTEM     como o céu é dividido em casas: whole-sign (o
                      padrão: signos inteiros a partir do signo do Ascendente), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric ou morinus (veja &apos;starloom-cli houses&apos;)
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
        <translation>Uso: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] &lt;dados de nascimento&gt;

Mostra um mapa: os dados pessoais, o tempo universal com o fuso e a
diferença usados (e se o atlas ou as opções os forneceram), as posições
planetárias com a casa de cada astro, o Meio do Céu e os nodos lunares, as doze
casas (cada uma com sua cúspide, os astros e suas marcas de retrogradação), os aspectos,
a interpretação e uma linha sobre o padrão por graus. Nascimentos antes de 1901 ou
depois de 2050 são calculados com a tabela precisa, diga o que disser --positions, e uma
nota avisa; um sistema de casas indefinido no lugar e na hora (Placidus,
Koch ou Topocêntrico dentro dos círculos polares) dá casas Porfírio, com uma nota. Com --json, um objeto
JSON em vez disso:
  name            o nome como o arquivo de mapa o guarda
  universal_time  o instante para o qual os planetas foram calculados, p. ex. 1990-05-01T12:00Z
  positions       o método: &quot;standard&quot; ou &quot;precise&quot;
  positions_note  só quando o método não é o pedido (um nascimento fora de
                  1901..2050 é calculado com a tabela precisa)
  zone            o fuso usado: index (posição na lista), name, offset_minutes (a leste
                  de Greenwich, horário de verão incluído) e dst (a marcação)
  place           com --place: name, state, country, latitude, longitude e
                  time_zone do lugar do atlas
  time_note       só quando os relógios pularam ou repetiram a hora informada
  bodies          Sun, Moon, Mercury .. Pluto e Asc, cada um com name, position
                  (&quot;15 Tau 30&quot;), sign, longitude (graus), retrograde e house
                  (1 a 12; o Ascendente está na casa 1)
  ascendant_sign  o signo do Ascendente, nome completo (&quot;Taurus&quot;)
  moon_sign       o signo da Lua, nome completo
  house_cells     as casas 1 a 12 como as células da roda as mostram: CR LF antes
                  de cada astro, marcas de retrogradação incluídas
  patterns        os padrões planetários na ordem do relatório
  pattern_by_degrees
                  a figura que as longitudes exatas dos dez planetas formam: name,
                  leading (os planetas líderes, vazio quando não há) e empty_arc
                  (from e to, em graus: a maior lacuna entre planetas)
  houses          system (o nome dele na linha de comando), cusps (12 longitudes em graus,
                  casa 1 primeiro) e, só quando o sistema pedido não está definido
                  ali, note (por quê, e que casas Porfírio são dadas)
  angles          asc e mc: as longitudes do Ascendente e do Meio do Céu (graus)
  nodes           north e south: os nodos da Lua (graus); kind &quot;mean&quot;
  aspects         cada aspecto como a (o primeiro ponto), b, aspect (&quot;conjunction&quot;,
                  &quot;opposition&quot;, &quot;trine&quot;, &quot;square&quot; ou &quot;sextile&quot;), orb (graus
                  a partir do exato) e applying; os pontos são os dez astros, Asc e
                  MC, com os orbes padrão de 8, 8, 7, 7 e 5 graus (2 a mais
                  para o Sol e a Lua). Um aspecto é aplicativo quando o movimento
                  dos dois pontos no instante do nascimento os aproxima do
                  ângulo exato: o movimento diário do Sol, da Lua e dos
                  planetas nesse instante (as fórmulas padrão derivadas,
                  ou as velocidades próprias da tabela precisa), o do Ascendente e
                  do Meio do Céu no quarto de hora seguinte. Onde o
                  movimento relativo é menor que 0,1 grau por dia, a indicação é quase
                  um empate: julgada pelas posições um dia depois, ela pode
                  sair ao contrário.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program&apos;s Open Previously Saved
Reading makes it. The name must end in &quot;act&quot; (lower case). The file&apos;s details
are checked as the birth-data form checks them. With --json, one JSON object.
</source>
        <translation>Uso: starloom-cli open FILE.act [--json]

Mostra o mapa de um arquivo de mapa, como a abertura de um mapa salvo do programa
o cria. O nome deve terminar em &quot;act&quot; (minúsculas). Os dados do arquivo
são verificados como o formulário de nascimento os verifica. Com --json, um objeto JSON.
</translation>
    </message>
    <message>
        <source>Usage: starloom-cli save FILE.act &lt;birth details&gt;

Writes the reading file of the birth, byte for byte as the program&apos;s Save As
does. The file is written whole or not at all; an existing file is replaced.

</source>
        <translation>Uso: starloom-cli save FILE.act &lt;dados de nascimento&gt;

Grava o arquivo de mapa do nascimento, byte a byte como o Salvar como do programa
faz. O arquivo é gravado inteiro ou não é gravado; um arquivo existente é substituído.

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;birth details&gt; | --from FILE.act)

Writes the text export of the reading, byte for byte as the program&apos;s Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

</source>
        <translation>Uso: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (&lt;dados de nascimento&gt; | --from FILE.act)

Grava a exportação em texto do mapa, byte a byte como a exportação em texto do
programa faz. O arquivo é gravado inteiro ou não é gravado; um arquivo existente
é substituído.

  --from FILE.act     tomar os dados de nascimento de um arquivo de mapa

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
        <translation>Uso: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (&lt;dados de nascimento&gt; | --from FILE.act)

Salva a janela de resultado do mapa como imagem JPEG, como o Salvar como JPEG do
programa faz: o nome é cortado no primeiro ponto da parte do arquivo e recebe &quot;.jpg&quot;;
quando esse arquivo existe, é tomado o primeiro nome livre name_001.jpg .. name_999.jpg, de modo
que nenhum arquivo é substituído. A janela é desenhada sem tela.

  --from FILE.act     tomar os dados de nascimento de um arquivo de mapa

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
        <translation>Uso: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (&lt;dados de nascimento&gt; | --from FILE.act)

Grava o mapa como o programa o imprime e como a exportação em PDF dele o grava:
os dados pessoais com o fuso horário, o tempo universal e as direções
da latitude e da longitude, a roda, as posições planetárias, os signos do Ascendente e
da Lua e toda a interpretação, em quantas páginas forem necessárias. O
arquivo é gravado inteiro ou não é gravado; um arquivo existente é substituído. Nenhuma tela é
necessária.

  --from FILE.act     tomar os dados de nascimento de um arquivo de mapa

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

Lê um arquivo CSV (RFC 4180: campos entre aspas podem conter vírgulas, aspas e quebras
de linha) cuja primeira linha é o cabeçalho
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
seguido opcionalmente de uma última coluna &quot;place&quot;, e grava um objeto JSON por
linha, na ordem da entrada (JSON Lines): o objeto do mapa
como &apos;reading --json&apos; o dá, ou {&quot;line&quot;: N, &quot;error&quot;: &quot;...&quot;} para uma linha
malformada ou que o formulário de nascimento recusa (N é a linha da
entrada em que a linha começa). dst é 0 ou 1, lat_dir N ou S, lon_dir E ou W.
Linhas vazias são ignoradas. IN.csv pode ser &quot;-&quot; para a entrada padrão.
Uma célula place preenchida funciona como --place: as coordenadas, a cidade, o estado
e o país do lugar do atlas, e o fuso e dst do banco de dados de fusos horários, preenchem as
células que a linha deixa vazias; uma célula place vazia significa os campos próprios da linha.

  --format F    jsonl (o padrão): as linhas JSON acima; csv: uma tabela para
                planilhas (RFC 4180, finais de linha CR LF), um cabeçalho e depois um
                registro por linha: line (da entrada), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                para cada um de sun .. pluto seu _longitude, _sign, _retrograde e
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (por signos, unidos por &quot;; &quot;), pattern_by_degrees, leading
                (seus planetas líderes, unidos por &quot;; &quot;) e error (o motivo de uma linha
                recusada, com todas as colunas de valores vazias); valores como no JSON
  --threads N   threads de trabalho, 1 a 64 (padrão: o número de processadores)
  --out FILE    gravar em FILE, inteiro ou nada, em vez da saída padrão
                (não a entrada; um dispositivo ou pipe recebe a gravação diretamente)
  --quiet       sem linha de progresso; sem esta opção, quando a saída de erro padrão é um
                terminal e as linhas não vão para esse terminal, uma linha
                nele mostra as linhas feitas, as linhas por segundo e, para um arquivo,
                o tempo restante

Um campo de mais de 64 KiB, um registro de mais de 1 MiB ou um de mais de 1024 campos dá
um objeto de erro para essa linha, assim como um nome com um caractere de controle (que um
arquivo de mapa não consegue guardar); a regra de só letras de --name não vale para as
linhas, cujos nomes podem ser códigos como &quot;Person 12&quot;. Status de saída 1 quando alguma linha deu um objeto de erro, 2
quando a entrada não tem cabeçalho ou um arquivo não pode ser lido ou gravado: uma primeira linha
que não é o cabeçalho (ou que passa de uma linha) é recusada antes de qualquer outra
leitura, uma saída que não pode ser criada, antes de qualquer linha ser processada, e a
primeira gravação que falha encerra o lote.
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

Lê um arquivo CSV com o cabeçalho e as linhas de &apos;starloom-cli batch&apos;, calcula o
mapa de cada linha e mostra, em tabelas, a contagem e a parte dos mapas
para cada padrão planetário por signos, cada padrão por graus, cada planeta
líder, cada tipo de aspecto e os astros em cada casa. As linhas são lidas e
recusadas exatamente como o lote as lê; linhas recusadas são ignoradas e contadas,
e os motivos das dez primeiras vão para a saída de erro padrão. IN.csv pode ser &quot;-&quot; para
a entrada padrão.

  --threads N         threads de trabalho, 1 a 64 (padrão: o número de processadores)
  --quiet             sem linha de progresso; sem esta opção, quando a saída de erro
                      padrão é um terminal, uma linha nele mostra as linhas feitas, as linhas
                      por segundo e, para um arquivo, o tempo restante
  --positions METHOD  como as posições dos planetas são calculadas: standard (as
                      fórmulas próprias do programa; o padrão) ou precise
  --houses SYSTEM     o sistema de casas pelo qual os astros são contados (whole-sign, o
                      padrão; veja &apos;starloom-cli houses&apos;)
  --plot FILE.svg     desenhar também as tabelas como gráfico de barras em um arquivo SVG,
                      gravado inteiro ou não gravado

Status de saída 1 quando alguma linha foi ignorada, 2 quando a entrada não tem cabeçalho ou um
arquivo não pode ser lido ou gravado.
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

Lista os sistemas de casas que --houses aceita, com os nomes como o programa
os mostra. Onde as casas Placidus, Koch ou Topocêntricas não existem (dentro dos círculos
polares em alguns tempos siderais) ou em um polo, um mapa dá casas Porfírio e
avisa.
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

Lista pelo nome os 164 fusos horários do formulário de nascimento, como ele os mostra,
cada um após sua posição na lista: o número que --zone e a coluna zone do lote
aceitam. &quot;Local Mean Time&quot; toma sua diferença da longitude do nascimento: 4 minutos
por grau, o leste à frente de Greenwich.
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
        <translation>Uso: starloom-cli transits (&lt;dados de nascimento&gt; | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Mostra cada evento de trânsito do início de --start ao fim de --end, um
por linha em ordem de tempo, gravado assim que é encontrado: cada aspecto exato (conjunção,
oposição, trígono, quadratura, sextil) de um Sol, uma Lua, um Mercúrio ..
Plutão ou um Nodo Norte verdadeiro em trânsito a um ponto natal (os dez astros, Asc e MC), cada
estação de Mercúrio .. Plutão (ficando retrógrado ou direto) e cada ingresso de
um astro em trânsito em um signo ou em uma casa natal (pelas cúspides do mapa).
Os momentos são tempo universal ao minuto, encontrados como raízes exatas das
posições precisas; uma passagem retrógrada dá seus próprios eventos. O mapa natal é
calculado por --positions e --houses; os astros em trânsito sempre pela
tabela precisa, por isso as datas devem estar dentro do período dela.

  --start DATE   YYYY-MM-DD (a partir da meia-noite dele) ou YYYY-MM-DDTHH:MM, tempo universal
  --end DATE     YYYY-MM-DD (até a meia-noite que o encerra) ou YYYY-MM-DDTHH:MM
  --json         JSON Lines, um objeto por evento: time (&quot;2024-04-01T22:15Z&quot;),
                 kind (&quot;aspect&quot;, &quot;station&quot; ou &quot;ingress&quot;), body, e para um aspecto
                 aspect e natal (o nome do ponto natal como nos bodies do
                 mapa, ou &quot;MC&quot;), para uma estação direction (&quot;retrograde&quot; ou
                 &quot;direct&quot;), para um ingresso sign (o nome completo) ou house (1 a 12)
  --from FILE.act  tomar os dados de nascimento de um arquivo de mapa

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli progressions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli progressions (&lt;dados de nascimento&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</translation>
    </message>
    <message>
        <source>Usage: starloom-cli directions (&lt;birth details&gt; | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

</source>
        <translation>Uso: starloom-cli directions (&lt;dados de nascimento&gt; | --from FILE.act) --date DATE
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
Mostra o mapa natal e o segundo mapa lado a lado (cada ponto com a
casa natal em que cai) e os aspectos entre eles, o ponto natal primeiro, com
um orbe de 1 grau para cada tipo, aplicativos ou separativos conforme o segundo mapa
se move. Com --json, um objeto: kind, date, first (o mapa natal) e second
(o mapa progredido ou direcionado), cada um com name, universal_time, positions
(o método), bodies (name, position, sign, longitude, retrograde e house, como
no mapa; a casa do segundo mapa é a casa natal em que cai) e
angles (asc, mc); arc (graus, como acima); aspects (a: o ponto natal, b: o
ponto do segundo mapa, aspect, orb, applying).

  --date DATE          a data para a qual o mapa é feito: YYYY-MM-DD (a
                       meia-noite dela) ou YYYY-MM-DDTHH:MM, tempo universal
  --birth-date DATE    a data de nascimento, YYYY-MM-DD: o que --date é entre os
                       dados de nascimento abaixo
  --from FILE.act      tomar os dados de nascimento de um arquivo de mapa

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
        <translation>Progressões secundárias: o mapa do dia N dias após o nascimento para N anos de
vida (anos trópicos), os astros pela tabela precisa. O MC progredido avança
pelo arco solar em ascensão reta: o ângulo sideral natal (RAMC) cresce pelo
arco que o Sol percorreu em ascensão reta desde o nascimento, e o MC e o Asc
decorrem dele com a latitude natal e a obliquidade. O MC é o ponto do meridiano
e o meridiano gira com a ascensão reta, de modo que isso mantém o
MC progredido sobre o meridiano progredido e o Asc coerente com ele, o que
o arco do Sol em longitude somado ao MC não faria. arc é esse arco.
</translation>
    </message>
    <message>
        <source>Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun&apos;s longitude (one day after birth
for each year of life, by the precise table) less the Sun&apos;s at birth. arc is
that arc, in degrees.
</source>
        <translation>Direções por arco solar: cada ponto natal (os dez astros, Asc e MC) avançado
pelo arco solar, a longitude do Sol progredido (um dia após o nascimento
para cada ano de vida, pela tabela precisa) menos a do Sol no nascimento. arc é
esse arco, em graus.
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

Compara dois mapas: as posições de ambos (cada ponto de B com a casa
de A em que cai) e cada aspecto entre um ponto de A e um ponto de B (os
dez astros, Asc e MC), com os orbes natais de 8, 8, 7, 7 e 5 graus (2 a mais
para o Sol e a Lua), aplicativos ou separativos conforme os dois mapas se moviam no
nascimento. Com --json, um objeto: kind (&quot;synastry&quot;), first (A) e second (B),
cada um com name, universal_time, positions, bodies (como no mapa; a casa de B
é a casa de A em que cai) e angles (asc, mc), e aspects (a: o ponto de A, b: o
ponto de B, aspect, orb, applying).

</translation>
    </message>
</context>
<context>
    <name>CliMessages</name>
    <message>
        <source>write error</source>
        <translation>erro de gravação</translation>
    </message>
    <message>
        <source>%1: is the input file; choose another output file</source>
        <translation>%1: é o arquivo de entrada; escolha outro arquivo de saída</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>saída padrão</translation>
    </message>
    <message>
        <source>must be degrees:minutes (one to three digits each) followed by %1 or %2</source>
        <translation>deve ser graus:minutos (de um a três dígitos cada) seguido de %1 ou %2</translation>
    </message>
    <message>
        <source>must be YYYY-MM-DD</source>
        <translation>deve ter a forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must be a whole number from %1 to %2</source>
        <translation>o ano deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>the month must be a whole number from %1 to %2</source>
        <translation>o mês deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>the day must be a whole number from %1 to %2</source>
        <translation>o dia deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>must be HH:MM</source>
        <translation>deve ter a forma HH:MM</translation>
    </message>
    <message>
        <source>the hour must be a whole number from %1 to %2</source>
        <translation>a hora deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>the minute must be a whole number from %1 to %2</source>
        <translation>o minuto deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>the zone must be a whole number from %1 to %2 (see the zones command)</source>
        <translation>o fuso deve ser um número inteiro de %1 a %2 (veja o comando zones)</translation>
    </message>
    <message>
        <source>%1: no place called &quot;%2&quot; in the atlas</source>
        <translation>%1: nenhum lugar chamado &quot;%2&quot; no atlas</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is ambiguous; say which: %3</source>
        <translation>%1: &quot;%2&quot; é ambíguo; diga qual: %3</translation>
    </message>
    <message>
        <source>--place: %1 Give --zone.</source>
        <translation>--place: %1 Informe --zone.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--positions must be standard or precise</source>
        <translation>--positions deve ser standard ou precise</translation>
    </message>
    <message>
        <source>--houses must be %1</source>
        <translation>--houses deve ser %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from cannot be combined with birth details</source>
        <translation>--from não pode ser combinado com dados de nascimento</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>the image&apos;s file name is empty</source>
        <translation>o nome do arquivo da imagem está vazio</translation>
    </message>
    <message>
        <source>%1: names a folder, not an image file</source>
        <translation>%1: indica uma pasta, não um arquivo de imagem</translation>
    </message>
    <message>
        <source>image: this build of the tool draws no images</source>
        <translation>image: esta compilação da ferramenta não desenha imagens</translation>
    </message>
    <message>
        <source>pdf: this build of the tool draws no documents</source>
        <translation>pdf: esta compilação da ferramenta não desenha documentos</translation>
    </message>
    <message>
        <source>--threads must be a whole number from 1 to %1</source>
        <translation>--threads deve ser um número inteiro de 1 a %1</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--format must be jsonl or csv</source>
        <translation>--format deve ser jsonl ou csv</translation>
    </message>
    <message>
        <source>--plot needs a file name</source>
        <translation>--plot precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--plot: this build of the tool draws no charts</source>
        <translation>--plot: esta compilação da ferramenta não desenha gráficos</translation>
    </message>
    <message>
        <source>--end lies before --start</source>
        <translation>--end é anterior a --start</translation>
    </message>
    <message>
        <source>transits are computed from the precise table: --start and --end must lie within %1</source>
        <translation>os trânsitos são calculados pela tabela precisa: --start e --end devem estar no período %1</translation>
    </message>
    <message>
        <source>--date: the progressed moment must lie within the precise table, %1</source>
        <translation>--date: o momento progredido deve estar dentro da tabela precisa, %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 informado duas vezes</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1: Please enter only letters</source>
        <translation>%1: Digite apenas letras</translation>
    </message>
    <message>
        <source>missing command (see &apos;starloom-cli --help&apos;)</source>
        <translation>falta o comando (veja &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see &apos;starloom-cli --help&apos;)</source>
        <translation>comando desconhecido &apos;%1&apos; (veja &apos;starloom-cli --help&apos;)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>saída padrão: %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; for --lang (shipped: %2)</source>
        <translation>idioma desconhecido &apos;%1&apos; para --lang (incluídos: %2)</translation>
    </message>
    <message>
        <source>the reading could not be shown</source>
        <translation>o mapa não pôde ser exibido</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 linhas</translation>
    </message>
    <message>
        <source>%1, %2 rows a second</source>
        <translation>%1, %2 linhas por segundo</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, faltam %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>a primeira linha deve ser o cabeçalho %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>&apos;%1&apos; não é uma data YYYY-MM-DD ou YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the calendar</source>
        <translation>&apos;%1&apos; não é um dia do calendário</translation>
    </message>
    <message>
        <source>line %1: %2 (row skipped)</source>
        <translation>linha %1: %2 (linha ignorada)</translation>
    </message>
    <message>
        <source>the built-in table of precise positions is damaged (%1); install the program again</source>
        <translation>a tabela interna de posições precisas está danificada (%1); instale o programa novamente</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 deve ser um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>place: %1 Give the zone.</source>
        <translation>place: %1 Informe o fuso.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>esperados %1 campos, encontrados %2</translation>
    </message>
    <message>
        <source>name must not hold control characters</source>
        <translation>name não deve conter caracteres de controle</translation>
    </message>
    <message>
        <source>%1 must be one to three digits</source>
        <translation>%1 deve ter de um a três dígitos</translation>
    </message>
    <message>
        <source>lat_dir must be N, S or empty</source>
        <translation>lat_dir deve ser N, S ou vazio</translation>
    </message>
    <message>
        <source>lon_dir must be E, W or empty</source>
        <translation>lon_dir deve ser E, W ou vazio</translation>
    </message>
    <message>
        <source>more than 1024 fields in the record</source>
        <translation>mais de 1024 campos no registro</translation>
    </message>
    <message>
        <source>the record is longer than 1 MiB</source>
        <translation>o registro tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>a field is longer than 64 KiB</source>
        <translation>um campo tem mais de 64 KiB</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texto após aspas de fechamento</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>aspas dentro de um campo que não começa com elas</translation>
    </message>
    <message>
        <source>a quoted field is not closed at the end of the input</source>
        <translation>um campo entre aspas não está fechado no fim da entrada</translation>
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
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Data de nascimento: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>Hora de nascimento: %1 h %2 min</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute %3</source>
        <translation>Latitude: %1 graus %2 minutos %3</translation>
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
        <translation>Longitude: %1 graus %2 minutos %3</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Cidade: %1</translation>
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
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posições planetárias</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>casa %1</translation>
    </message>
    <message>
        <source>true</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>verdadeiro</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>the lunar nodes&apos; kind</comment>
        <translation>médio</translation>
    </message>
    <message>
        <source>Midheaven and Lunar Nodes</source>
        <translation>Meio do Céu e nodos lunares</translation>
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
        <translation>Nodo Sul</translation>
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
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>no leading planet</source>
        <translation>nenhum planeta líder</translation>
    </message>
    <message>
        <source>led by %1</source>
        <translation>liderado por %1</translation>
    </message>
    <message>
        <source>led by %1 and %2</source>
        <translation>liderado por %1 e %2</translation>
    </message>
    <message>
        <source>Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to %5)</source>
        <translation>Padrão de distribuição por graus: %1, %2 (maior arco vazio %3 graus, de %4 a %5)</translation>
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
        <translation>Progredido</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Direcionado</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Trânsito</translation>
    </message>
    <message>
        <source>Aspects (natal point, then progressed point; orb 1 degree)</source>
        <translation>Aspectos (ponto natal, depois ponto progredido; orbe 1 grau)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then directed point; orb 1 degree)</source>
        <translation>Aspectos (ponto natal, depois ponto direcionado; orbe 1 grau)</translation>
    </message>
    <message>
        <source>Aspects (natal point, then transiting point; orb 1 degree)</source>
        <translation>Aspectos (ponto natal, depois ponto em trânsito; orbe 1 grau)</translation>
    </message>
    <message>
        <source>Aspects (%1&apos;s point, then %2&apos;s point; orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)</source>
        <translation>Aspectos (ponto de %1, depois ponto de %2; orbes de 8, 8, 7, 7 e 5 graus, 2 a mais para o Sol e a Lua)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>fica retrógrado</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>fica direto</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entra em %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entra na casa %1</translation>
    </message>
    <message>
        <source>Secondary progressions of %1 to %2 UT
Born %3 UT; progressed moment %4 UT, one day for each year of life
Midheaven moved by the solar arc in right ascension: %5 degrees</source>
        <translation>Progressões secundárias de %1 para %2 UT
Nascimento %3 UT; momento progredido %4 UT, um dia para cada ano de vida
Meio do Céu movido pelo arco solar em ascensão reta: %5 graus</translation>
    </message>
    <message>
        <source>Solar arc directions of %1 to %2 UT
Born %3 UT; solar arc %4 degrees, the progressed Sun&apos;s at %5 UT</source>
        <translation>Direções por arco solar de %1 para %2 UT
Nascimento %3 UT; arco solar %4 graus, o do Sol progredido em %5 UT</translation>
    </message>
    <message>
        <source>Transits to %1 at %2 UT</source>
        <translation>Trânsitos de %1 em %2 UT</translation>
    </message>
    <message>
        <source>Synastry of %1 and %2
%1: born %3 UT; %2: born %4 UT</source>
        <translation>Sinastria de %1 e %2
%1: nascimento %3 UT; %2: nascimento %4 UT</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>in %1&apos;s house</source>
        <translation>na casa de %1</translation>
    </message>
    <message>
        <source>in natal house</source>
        <translation>na casa natal</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no leading planet</comment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Patterns by signs</source>
        <translation>Padrões por signos</translation>
    </message>
    <message>
        <source>a chart may show several, so the shares add up to more than 100%</source>
        <translation>um mapa pode mostrar vários, então as partes somam mais de 100%</translation>
    </message>
    <message>
        <source>Patterns by degrees</source>
        <translation>Padrões por graus</translation>
    </message>
    <message>
        <source>one per chart</source>
        <translation>um por mapa</translation>
    </message>
    <message>
        <source>a Bucket&apos;s handle of two planets counts for both</source>
        <translation>uma alça (Bucket) de dois planetas conta para ambos</translation>
    </message>
    <message>
        <source>every aspect counts, so a share above 100% is more than one a chart</source>
        <translation>cada aspecto conta, então uma parte acima de 100% é mais de um por mapa</translation>
    </message>
    <message>
        <source>Bodies by house</source>
        <translation>Astros por casa</translation>
    </message>
    <message>
        <source>the Sun, the Moon and the planets each count once, so the shares add up to 1000%</source>
        <translation>o Sol, a Lua e os planetas contam uma vez cada, então as partes somam 1000%</translation>
    </message>
    <message>
        <source>Readings: %1</source>
        <translation>Mapas: %1</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>Linhas ignoradas: %1</translation>
    </message>
    <message>
        <source>count</source>
        <comment>the stats column</comment>
        <translation>contagem</translation>
    </message>
    <message>
        <source>share</source>
        <comment>the stats column</comment>
        <translation>parte</translation>
    </message>
    <message>
        <source>Leading planets</source>
        <translation>Planetas líderes</translation>
    </message>
    <message>
        <source>Planetary patterns of %1 births</source>
        <translation>Padrões planetários de %1 nascimentos</translation>
    </message>
    <message>
        <source>Made by starloom-cli stats</source>
        <translation>Criado com starloom-cli stats</translation>
    </message>
    <message>
        <source>Share of the readings in each category; counts in brackets</source>
        <translation>Parte dos mapas em cada categoria; contagens entre parênteses</translation>
    </message>
</context>
</TS>
