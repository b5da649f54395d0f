<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AspectGrid</name>
    <message>
        <source>%1 %2 %3, orb %4°%5&apos;, %6</source>
        <extracomment>An aspect: the two points, the aspect&apos;s name between them, its orb and its phase.</extracomment>
        <translation>%1 %2 %3, orbita %4°%5&apos;, %6</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applicativo</translation>
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
        <translation>%1, in moto retrogrado</translation>
    </message>
</context>
<context>
    <name>ImageSaving</name>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE</source>
        <translation> IMPOSSIBILE  CREARE  IL  FILE: </translation>
    </message>
    <message>
        <source>There are too many Copies of this file  </source>
        <translation>Ci sono troppe copie di questo file:  </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>Immagine JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>The image could not be saved as %1.

%2</source>
        <translation>Impossibile salvare l&apos;immagine come %1.

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>%1 instead of %2</source>
        <translation>%1 invece di %2</translation>
    </message>
    <message>
        <source>%1 (%2 already exists)</source>
        <translation>%1 (%2 esiste già)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation>Transito</translation>
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
        <translation>, in moto retrogrado</translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation>%1 %2 natale</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>inizia il moto retrogrado</translation>
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
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Natal chart of %1</source>
        <translation>Tema natale di %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Dati personali</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posizioni planetarie</translation>
    </message>
    <message>
        <source>Ascendant sign: %1</source>
        <translation>Segno ascendente: %1</translation>
    </message>
    <message>
        <source>Moon sign: %1</source>
        <translation>Segno lunare: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Schema di distribuzione per gradi</translation>
    </message>
    <message>
        <source>Leading Planets: %1</source>
        <translation>Pianeti guida: %1</translation>
    </message>
    <message>
        <source>Leading Planet: %1</source>
        <translation>Pianeta guida: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Empty Arc: %1</source>
        <translation>Arco vuoto: %1</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspetti</translation>
    </message>
    <message>
        <source>Aspects Between the Charts</source>
        <translation>Aspetti tra i temi</translation>
    </message>
    <message>
        <source>No aspects within the orbs.</source>
        <translation>Nessun aspetto entro le orbite.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>Impossibile iniziare il documento.</translation>
    </message>
    <message>
        <source>The document could not be completed.</source>
        <translation>Impossibile completare il documento.</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
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
        <source>Time zone: %1</source>
        <translation>Fuso orario: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Tempo universale: %1</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Case: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>The date of birth: the month&apos;s name, the day and the year.</extracomment>
        <translation>Data di nascita: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute local time</source>
        <translation>Ora di nascita: %1 h %2 min, ora locale</translation>
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
        <translation>Latitudine: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitudine: %1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation>Posizioni: %1</translation>
    </message>
    <message>
        <source>precise, JPL-based</source>
        <translation>precise, basate sul JPL</translation>
    </message>
    <message>
        <source>standard formulas</source>
        <translation>formule standard</translation>
    </message>
    <message>
        <source>%1 degrees, from %2 to %3</source>
        <extracomment>The empty arc of a chart: its size in degrees and the positions it runs between.</extracomment>
        <translation>%1 gradi, da %2 a %3</translation>
    </message>
</context>
<context>
    <name>starloom::AspectOrbsDialog</name>
    <message>
        <source>&amp;Conjunction (0°):</source>
        <translation>&amp;Congiunzione (0°):</translation>
    </message>
    <message>
        <source>&amp;Opposition (180°):</source>
        <translation>&amp;Opposizione (180°):</translation>
    </message>
    <message>
        <source>&amp;Trine (120°):</source>
        <translation>&amp;Trigono (120°):</translation>
    </message>
    <message>
        <source>S&amp;quare (90°):</source>
        <translation>&amp;Quadratura (90°):</translation>
    </message>
    <message>
        <source>Se&amp;xtile (60°):</source>
        <translation>S&amp;estile (60°):</translation>
    </message>
    <message>
        <source>Aspect Orbs</source>
        <translation>Orbite degli aspetti</translation>
    </message>
    <message>
        <source>How many degrees from exact an aspect still counts:</source>
        <translation>Fino a quanti gradi dall&apos;esattezza un aspetto conta ancora:</translation>
    </message>
    <message>
        <source>With the &amp;Sun or the Moon:</source>
        <translation>Con il &amp;Sole o la Luna:</translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation>Doppia ruota</translation>
    </message>
</context>
<context>
    <name>starloom::ChartWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Confronta con…</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Salva con nome</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>Salva come &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>&amp;Esporta tema come testo</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Esporta come P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>Posizioni &amp;precise</translation>
    </message>
    <message>
        <source>&amp;House System</source>
        <translation>Sistema di &amp;case</translation>
    </message>
    <message>
        <source>Aspect &amp;Lines</source>
        <translation>&amp;Linee degli aspetti</translation>
    </message>
    <message>
        <source>Aspect &amp;Orbs…</source>
        <translation>&amp;Orbite degli aspetti…</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensioni reali</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti del software</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>Visit the QM Starloom home page at %1</source>
        <translation>Visitate il sito di QM Starloom all&apos;indirizzo %1</translation>
    </message>
    <message>
        <source>For Analysis of this Natal chart log onto </source>
        <translation>Per l&apos;analisi di questo tema natale visitate </translation>
    </message>
    <message>
        <source>No printer is installed on this computer.
Do you want to save the reading as a PDF file instead?</source>
        <translation>Su questo computer non è installata alcuna stampante.
Salvare invece l&apos;interpretazione come file PDF?</translation>
    </message>
    <message>
        <source>The chart could not be sent to the printer.</source>
        <translation>Impossibile inviare il tema alla stampante.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <comment>button</comment>
        <translation>Salva come &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>button</comment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>button</comment>
        <translation>Es&amp;ci</translation>
    </message>
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation>Ruota del tema natale</translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation>Interpretazione per segni</translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation>Cartella dell&apos;ultima immagine salvata</translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation>Nome dell&apos;ultima immagine salvata</translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation>Schema di distribuzione per gradi</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>Griglia degli aspetti</translation>
    </message>
    <message>
        <source>&amp;Signs</source>
        <translation>&amp;Segni</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Gradi</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>As&amp;petti</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
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
        <source>Date of Birth: %1</source>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1</source>
        <translation>Ora di nascita: %1</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Latitudine: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitudine: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuso orario: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Tempo universale: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posizioni planetarie</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Dati personali</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Altri dati</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Segno solare</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Segno lunare</translation>
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
        <translation>Signore</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>Ayanamsha</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>Posizione del lagna</translation>
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
        <translation>%2 %1 %3</translation>
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
        <translation>Le configurazioni planetarie per segni</translation>
    </message>
    <message>
        <source>The chart&apos;s shape by degrees and its leading planet</source>
        <translation>La forma del tema per gradi e il suo pianeta guida</translation>
    </message>
    <message>
        <source>The aspects between the planets, the ascendant and the midheaven</source>
        <translation>Gli aspetti tra i pianeti, l&apos;ascendente e il medio cielo</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Schema di distribuzione per gradi</translation>
    </message>
    <message>
        <source>Leading Planets</source>
        <translation>Pianeti guida</translation>
    </message>
    <message>
        <source>Leading Planet</source>
        <translation>Pianeta guida</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Empty Arc</source>
        <translation>Arco vuoto</translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Second Chart</source>
        <translation>Secondo tema</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Transiti</translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation>&amp;Progressioni secondarie</translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation>&amp;Direzioni d&apos;arco solare</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>Passo &amp;avanti</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Passo &amp;indietro</translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation>Passo: &amp;%1</translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation>&amp;Orbite del secondo tema…</translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation>&amp;Unità del passo</translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation>&amp;Momento (UT):</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Passo indietro</translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation>Passo indietro (Alt+Sinistra)</translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation>Unità del passo</translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation>Il passo: Alt+1 ora, Alt+2 giorno, Alt+3 settimana, Alt+4 mese, Alt+5 anno</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Passo avanti</translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation>Passo avanti (Alt+Destra)</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitudine:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation>Luogo dei transiti: gradi, nord positivo</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitudine:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation>Luogo dei transiti: gradi, est positivo</translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation>O&amp;rbite…</translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation>Aspetti tra il secondo tema e il tema natale</translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation>Secondo tema</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbita</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation>Prossimi eventi di transito</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tempo universale</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation>Fai doppio clic su un evento per portare i transiti al suo momento</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspetti</translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation>&amp;Eventi di transito</translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation>Alt+Destra e Alt+Sinistra fanno un passo avanti e indietro; da Alt+1 ad Alt+5 il passo è di un&apos;ora, un giorno, una settimana, un mese o un anno. Punta un simbolo esterno per vederne il nome.</translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation>Transiti per %1</translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation>Progressioni secondarie per %1</translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation>Direzioni d&apos;arco solare per %1</translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation>Sinastria: %1 e %2</translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation>%1 UT (ora locale %2), a %3</translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation>Al %1 UT: momento progresso %2 UT, Medio Cielo avanzato di %3 in ascensione retta</translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation>Al %1 UT: arco solare %2%3</translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation>%1, nascita %2 UT</translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 di %1</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natale</translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation>Tema natale: %1. %2: %3</translation>
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
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation>%2 (%1) %3 %4, orbita %5, %6</translation>
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
