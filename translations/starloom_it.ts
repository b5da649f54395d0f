<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lin&amp;gua</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>QM Starloom now speaks the language you chose, and will from its next start too. Chart windows already open keep their language until they are opened again.</source>
        <translation>QM Starloom ora usa la lingua scelta, anche ai prossimi avvii. Le finestre del tema già aperte mantengono la loro lingua finché non vengono riaperte.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>Non è stato possibile avviare un browser web per questa pagina. Per visitarla, copiarne l’indirizzo in un browser:

%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Natal charts and the pattern of the planets in them.</source>
        <translation>Temi natali e la configurazione dei loro pianeti.</translation>
    </message>
    <message>
        <source>A reading file (.act) to open.</source>
        <translation>Un file di lettura (.act) da aprire.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[file]</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>QM Starloom could not make its lock against a second copy (%1). It starts anyway, but another copy started now would not be noticed.</source>
        <translation>QM Starloom non è riuscito a creare il proprio blocco contro una seconda copia (%1). Si avvia comunque, ma un’altra copia avviata ora non verrebbe rilevata.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Cercare un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation>Digita una città per cercarla nell&apos;atlante</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>Ora di nascita:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>Ore/Min/Sec</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuso orario:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>Gradi/Min</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitudine:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Regione:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>Fai clic qui per trovare Latitudine &amp;&amp; Longitudine</translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation>&amp;Ottieni la mia lettura Starloom</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Apri una lettura &amp;salvata</translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation>Scopri con QM Starloom che cosa significa la distribuzione dei pianeti nel tuo tema natale.</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation>Parla del tuo tema con altri lettori nel nostro forum di discussione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>Calcola il mio &amp;tema natale</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
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
        <source>Please Enter City</source>
        <translation>Inserisci la città</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Inserisci la regione</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Inserisci il Paese</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mese di nascita</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Giorno di nascita</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto di nascita</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitudine, gradi</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitudine, minuti</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitudine, gradi</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitudine, minuti</translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>Inserisci solo lettere</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>Inserisci solo numeri</translation>
    </message>
</context>
<context>
    <name>starloom::PlaceFinder</name>
    <message>
        <source>For %1 on this date the atlas gives %2; your choice is kept.</source>
        <translation>Per %1 in questa data l’atlante indica %2; la scelta fatta resta.</translation>
    </message>
    <message>
        <source>%1 with Daylight Saving Time ticked: daylight time counted twice?</source>
        <translation>%1 con «Ora legale» spuntata: ora legale contata due volte?</translation>
    </message>
    <message>
        <source>Not from the atlas: coordinates and zone are yours to set</source>
        <translation>Non dall’atlante: coordinate e fuso sono da impostare a mano</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Seleziona il file di origine</translation>
    </message>
    <message>
        <source>QM Astrology Chart Type</source>
        <translation>Tema QM Astrology</translation>
    </message>
    <message>
        <source>Warning: for %1 on this date the atlas gives %2.</source>
        <translation>Attenzione: per %1 in questa data l’atlante indica %2.</translation>
    </message>
    <message>
        <source>Positions: precise, JPL-based</source>
        <translation>Posizioni: precise, basate sul JPL</translation>
    </message>
    <message>
        <source>Positions: standard formulas</source>
        <translation>Posizioni: formule standard</translation>
    </message>
    <message>
        <source>%1 (date outside %2–%3)</source>
        <translation>%1 (data fuori da %2–%3)</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Case: %1</translation>
    </message>
    <message>
        <source>Houses: %1 (%2 undefined here)</source>
        <translation>Case: %1 (%2 non definito qui)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>Selezionare il file di testo di destinazione</translation>
    </message>
    <message>
        <source>Export Chart As Text</source>
        <translation>Esporta il tema come testo</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 esportato</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribuito con licenza GNU General Public License, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation>QM Starloom mostra lo schema in cui sono disposti i pianeti nel tema natale di una persona. Questo modo in cui i pianeti si raggruppano rappresenta determinate qualità positive e negative che si riflettono nella personalità di un individuo.</translation>
    </message>
</context>
</TS>
