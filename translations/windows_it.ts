<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ChartDescription</name>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Nettuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutone</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Medio Cielo</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
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
</context>
</TS>
