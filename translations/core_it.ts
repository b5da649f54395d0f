<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Astrology</name>
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
        <source>Ari</source>
        <comment>sign abbreviation</comment>
        <translation>Ari</translation>
    </message>
    <message>
        <source>Tau</source>
        <comment>sign abbreviation</comment>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Gem</source>
        <comment>sign abbreviation</comment>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Can</source>
        <comment>sign abbreviation</comment>
        <translation>Can</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign abbreviation</comment>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Vir</source>
        <comment>sign abbreviation</comment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Lib</source>
        <comment>sign abbreviation</comment>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Sco</source>
        <comment>sign abbreviation</comment>
        <translation>Sco</translation>
    </message>
    <message>
        <source>Sag</source>
        <comment>sign abbreviation</comment>
        <translation>Sag</translation>
    </message>
    <message>
        <source>Cap</source>
        <comment>sign abbreviation</comment>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Aqu</source>
        <comment>sign abbreviation</comment>
        <translation>Acq</translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>sign abbreviation</comment>
        <translation>Pes</translation>
    </message>
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
        <source>Asc</source>
        <translation>Asc</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
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
        <source>North Node</source>
        <translation>Nodo Nord</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Nodo Sud</translation>
    </message>
    <message>
        <source>conjunction</source>
        <translation>congiunzione</translation>
    </message>
    <message>
        <source>opposition</source>
        <translation>opposizione</translation>
    </message>
    <message>
        <source>trine</source>
        <translation>trigono</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadratura</translation>
    </message>
    <message>
        <source>sextile</source>
        <translation>sestile</translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation>Segni interi</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Uguali</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porfirio</translation>
    </message>
    <message>
        <source>Placidus</source>
        <translation>Placido</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontano</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campano</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabizio</translation>
    </message>
    <message>
        <source>Topocentric</source>
        <translation>Topocentrico</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morino</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Fascio</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Ciotola</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Secchio</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Locomotiva</translation>
    </message>
    <message>
        <source>Seesaw</source>
        <translation>Altalena</translation>
    </message>
    <message>
        <source>Splay</source>
        <translation>Ventaglio</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Dispersione</translation>
    </message>
</context>
<context>
    <name>ChartNotes</name>
    <message>
        <source>%1 houses are undefined at %2, inside the polar circle, where part of the ecliptic never rises or sets; Porphyry houses are shown instead.</source>
        <translation>Le case %1 non sono definite a %2, all&apos;interno del circolo polare, dove parte dell&apos;eclittica non sorge né tramonta mai; al loro posto sono mostrate le case Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, inside the polar circle, where their cusps would not follow each other round the ecliptic; Porphyry houses are shown instead.</source>
        <translation>Le case %1 non sono definite a %2 in quest&apos;ora, all&apos;interno del circolo polare, dove le loro cuspidi non si succederebbero in ordine lungo l&apos;eclittica; al loro posto sono mostrate le case Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, while the midheaven is below the horizon; Porphyry houses are shown instead.</source>
        <translation>Le case %1 non sono definite a %2 in quest&apos;ora, perché il Medio Cielo è sotto l&apos;orizzonte; al loro posto sono mostrate le case Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the North Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Le case %1 non sono definite al Polo Nord, dove nessun punto dell&apos;eclittica sorge a est; al loro posto sono mostrate le case Porfirio per un punto a 11 m dal polo.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the South Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Le case %1 non sono definite al Polo Sud, dove nessun punto dell&apos;eclittica sorge a est; al loro posto sono mostrate le case Porfirio per un punto a 11 m dal polo.</translation>
    </message>
    <message>
        <source>The built-in formulas cover %1 to %2; this chart&apos;s positions come from the precise table, and retrograde planets are marked by their motion.</source>
        <translation>Le formule integrate coprono dal %1 al %2; le posizioni di questo tema provengono dalla tabella precisa e i pianeti retrogradi sono indicati in base al loro moto.</translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Inserisci solo numeri</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Inserisci una latitudine valida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Inserisci una longitudine valida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>Ai poli (latitudine 90 gradi) nessun punto dello zodiaco sorge a est, quindi il tema non ha Ascendente. Inserisci una latitudine inferiore a 90 gradi.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Inserisci i gradi della latitudine</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Inserisci i minuti della latitudine</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Inserisci i gradi della longitudine</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Inserisci i minuti della longitudine</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Inserisci la città di nascita</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Inserisci la regione o lo stato</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Inserisci il Paese</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Scegli la direzione della latitudine (Nord o Sud)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Scegli la direzione della longitudine (Est o Ovest)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci una data valida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci una data valida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Controlla il file.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.</source>
        <translation>%1 guida, primo pianeta a sorgere dall&apos;arco vuoto: con %2 tutto il tema si mette in movimento.</translation>
    </message>
    <message>
        <source>%1 stands alone as the handle: the chart&apos;s energy flows out through %2.</source>
        <translation>%1 forma il manico, in disparte dagli altri: l&apos;energia del tema scorre verso l&apos;esterno attraverso %2.</translation>
    </message>
    <message>
        <source>%1 and %2 stand together as the handle: the chart&apos;s energy flows out through %3, and through %4.</source>
        <translation>%1 e %2 formano insieme il manico: l&apos;energia del tema scorre verso l&apos;esterno attraverso %3, e attraverso %4.</translation>
    </message>
    <message>
        <source>All ten planets lie within a trine: life gathers round a few concerns, followed with great focus.</source>
        <translation>Tutti e dieci i pianeti stanno entro un trigono: la vita si raccoglie intorno a pochi interessi, seguiti con grande concentrazione.</translation>
    </message>
    <message>
        <source>The planets fill one half of the wheel and leave the other empty: a sense of purpose that reaches out towards what seems to be missing.</source>
        <translation>I pianeti occupano una metà della ruota e lasciano vuota l&apos;altra: un senso di scopo che si protende verso ciò che sembra mancare.</translation>
    </message>
    <message>
        <source>One planet, or a close pair, stands apart from a half wheel of the others and carries their energy out into the world.</source>
        <translation>Un pianeta, o una coppia stretta, sta in disparte dagli altri, raccolti in mezza ruota, e porta la loro energia nel mondo.</translation>
    </message>
    <message>
        <source>The planets spread over two thirds of the wheel and leave an empty trine: a steady, self-driven push that keeps going.</source>
        <translation>I pianeti si distribuiscono su due terzi della ruota e lasciano vuoto un trigono: una spinta costante e autonoma che non si ferma.</translation>
    </message>
    <message>
        <source>Two groups of planets face each other across two empty stretches: a life spent weighing one side against the other.</source>
        <translation>Due gruppi di pianeti si fronteggiano attraverso due tratti vuoti: una vita passata a soppesare un lato contro l&apos;altro.</translation>
    </message>
    <message>
        <source>The planets gather at three or four separate points: strong, individual interests that go their own way.</source>
        <translation>I pianeti si raccolgono in tre o quattro punti separati: interessi forti e personali che seguono la propria strada.</translation>
    </message>
    <message>
        <source>The planets are spread all round the wheel: wide interests and a gift for many things at once.</source>
        <translation>I pianeti sono sparsi tutt&apos;intorno alla ruota: interessi ampi e un talento per molte cose insieme.</translation>
    </message>
    <message>
        <source>the wish to be oneself and to be seen</source>
        <translation>il desiderio di essere se stessi e di essere visti</translation>
    </message>
    <message>
        <source>feelings, moods and the need to feel at home</source>
        <translation>i sentimenti, gli stati d&apos;animo e il bisogno di sentirsi a casa</translation>
    </message>
    <message>
        <source>thinking, talking and learning</source>
        <translation>il pensiero, la parola e l&apos;apprendimento</translation>
    </message>
    <message>
        <source>love, friendship and a sense of beauty</source>
        <translation>l&apos;amore, l&apos;amicizia e il senso della bellezza</translation>
    </message>
    <message>
        <source>drive, courage and the urge to act</source>
        <translation>lo slancio, il coraggio e la spinta ad agire</translation>
    </message>
    <message>
        <source>hope, growth and the search for meaning</source>
        <translation>la speranza, la crescita e la ricerca di significato</translation>
    </message>
    <message>
        <source>duty, patience and lasting structure</source>
        <translation>il dovere, la pazienza e le strutture durature</translation>
    </message>
    <message>
        <source>independence, change and new ideas</source>
        <translation>l&apos;indipendenza, il cambiamento e le idee nuove</translation>
    </message>
    <message>
        <source>imagination, ideals and compassion</source>
        <translation>l&apos;immaginazione, gli ideali e la compassione</translation>
    </message>
    <message>
        <source>intensity, power and renewal</source>
        <translation>l&apos;intensità, il potere e il rinnovamento</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>No single planet leads this shape: its energy is shared out.</source>
        <translation>Nessun pianeta guida da solo questa figura: la sua energia si distribuisce.</translation>
    </message>
    <message>
        <source>The planets occupy almost all signs, and there are no adjacent vacant signs.</source>
        <translation>I pianeti occupano quasi tutti i segni e non ci sono due segni vuoti adiacenti.</translation>
    </message>
    <message>
        <source>You will be interested in many things in your life. You will have no limitations or restrictions in your thinking. You will alwys be wanting to find out more about everything. You will have interests in a wide variety of topics. You are adaptable and flexible in thoughts and actions.</source>
        <translation>Nella vita ti interesserai a molte cose. Il tuo pensiero non avrà limiti né restrizioni. Vorrai sempre saperne di più su tutto. Avrai interessi in un&apos;ampia varietà di argomenti. Sei adattabile e flessibile nei pensieri e nelle azioni.</translation>
    </message>
    <message>
        <source>This scatters your energies. You will have difficulty in focusing on things.</source>
        <translation>Questo disperde le tue energie. Avrai difficoltà a concentrarti sulle cose.</translation>
    </message>
    <message>
        <source>The planets occupy the confines of a trine (120 degrees) or an even smaller space.</source>
        <translation>I pianeti occupano lo spazio di un trigono (120 gradi) o uno spazio ancora più ristretto.</translation>
    </message>
    <message>
        <source>You will have a lot of personal strength. You will be focussed and not influenced by anyone. You will be confident and have good leadership qualities. You will prosper on a limited scope. You will be an expert in your field.</source>
        <translation>Avrai una grande forza personale. Saprai mantenere la rotta senza farti influenzare da nessuno. Avrai fiducia in te e buone doti di leadership. Prospererai in un ambito limitato. Sarai un&apos;autorità nel tuo campo.</translation>
    </message>
    <message>
        <source>You are on the go when you are active, else nothing will make you move. Your thinking will be limited. You will have many restictions. In areas other than your field you will feel lost and rejected.</source>
        <translation>Quando entri in azione non ti fermi più; altrimenti niente riesce a smuoverti. Il tuo pensiero sarà limitato. Avrai molte restrizioni. Al di fuori del tuo campo proverai un senso di smarrimento e di rifiuto.</translation>
    </message>
    <message>
        <source>The planets occupy one half of the chart (180 degrees).</source>
        <translation>I pianeti occupano una metà del tema (180 gradi).</translation>
    </message>
    <message>
        <source>This is a highly motivating pattern. You will be highly determined in life. You have good people skills and can guide people for a cause. You will keep to yourself. You are very resourceful. You will be organized and on the lookout for knowledge of the unknown. You are aware of your skills and weakneses. You will have a lot of enrgy.</source>
        <translation>È una figura molto motivante. Avrai una grande determinazione nella vita. Sai trattare con le persone e guidarle verso una causa. Tenderai a tenere le cose per te. Hai molte risorse. Avrai senso dell&apos;organizzazione e sarai sempre alla ricerca di conoscere l&apos;ignoto. Conosci le tue capacità e le tue debolezze. Avrai molta energia.</translation>
    </message>
    <message>
        <source>You will feel that you are missing out on something in life. You may not be compromising and have no interest in what other people think.</source>
        <translation>Avrai la sensazione di perderti qualcosa nella vita. Forse farai fatica a scendere a compromessi e non ti interesserà ciò che pensano gli altri.</translation>
    </message>
    <message>
        <source>All planets except one (or two together) occupy no more than one half of the chart. The one or two planets together oppose the other planets.</source>
        <translation>Tutti i pianeti tranne uno (o due insieme) occupano al massimo una metà del tema. Quel pianeta, o i due insieme, si oppongono agli altri pianeti.</translation>
    </message>
    <message>
        <source>You will direct all your energies for the fulfillment of a single purpose. You will leave no stone unturned to see that your goal is achieved. You will have superuhuman power and unthinkable determination.</source>
        <translation>Rivolgerai tutte le tue energie al compimento di un unico scopo. Non lascerai nulla di intentato per raggiungere il tuo obiettivo. Avrai una forza sovrumana e una determinazione inimmaginabile.</translation>
    </message>
    <message>
        <source>The planet that is aloof can create problems for you and demands attention. It balances the rest of the chart.</source>
        <translation>Il pianeta isolato può crearti problemi e richiede attenzione. Fa da contrappeso al resto del tema.</translation>
    </message>
    <message>
        <source>The planets fall into two opposing groups. The vacant zodiacal areas measure at least 90 degrees or one segment 90 degrees and the other 60 degrees, never less.</source>
        <translation>I pianeti si dividono in due gruppi contrapposti. Le zone vuote dello zodiaco misurano almeno 90 gradi ciascuna, oppure una 90 gradi e l&apos;altra 60 gradi, mai meno.</translation>
    </message>
    <message>
        <source>You will be able to see both the sides of a coin and wil have to decide if you want to enjoy life or suffer. You will have a dual personality. You will need to strike a balance to be able to lead a happy life.</source>
        <translation>Saprai vedere entrambe le facce della medaglia e dovrai decidere se goderti la vita o soffrire. Avrai una doppia personalità. Dovrai trovare un equilibrio per riuscire a vivere una vita felice.</translation>
    </message>
    <message>
        <source>Your life will always have an up-down motion. You may be unable to make decisions.</source>
        <translation>La tua vita avrà sempre alti e bassi. Potresti avere difficoltà a prendere decisioni.</translation>
    </message>
    <message>
        <source>The planets fall more or less evenly within two thirds of the chart, leaving an empty trine (120 degrees).</source>
        <translation>I pianeti si distribuiscono in modo più o meno regolare su due terzi del tema, lasciando vuoto un trigono (120 gradi).</translation>
    </message>
    <message>
        <source>You are determined and physically fit to achieve your goals. You are a very practical person. The first and the last planet play an important part in shaping your personality. You will have a strong driving force. Your energy is very intense.</source>
        <translation>Hai la determinazione e la forma fisica per raggiungere i tuoi obiettivi. Sei una persona molto pratica. Il primo e l&apos;ultimo pianeta hanno un ruolo importante nel plasmare la tua personalità. Avrai una forte spinta interiore. La tua energia è molto intensa.</translation>
    </message>
    <message>
        <source>You will not like discipline of any kind. You will find it very easy to go from being highly energetic to becoming utterly depressed. This is caused by the empty portion of your chart.</source>
        <translation>Non ti piacerà alcun tipo di disciplina. Ti sarà molto facile passare da un&apos;energia travolgente al più profondo abbattimento. Questo dipende dalla parte vuota del tuo tema.</translation>
    </message>
    <message>
        <source>The planets are not arranged into any one of the other six patterns but are distributed somewhat irregularly around the chart, usually based upon three points of emphasis, an arrangement that may result in a grand trine.</source>
        <translation>I pianeti non formano nessuna delle altre sei figure, ma si distribuiscono in modo piuttosto irregolare nel tema, di solito intorno a tre punti di enfasi, una disposizione che può dare luogo a un grande trigono.</translation>
    </message>
    <message>
        <source>You will be well prepared to fight the worst battles. You will have a backup that you can turn to in times of need.</source>
        <translation>Avrai tutto ciò che serve per combattere le battaglie più dure. Avrai un sostegno a cui rivolgerti nei momenti di bisogno.</translation>
    </message>
    <message>
        <source>You can be ruthless. You will resist conventional ideas.</source>
        <translation>Sai essere implacabile. Resisterai alle idee convenzionali.</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Positive Attributes</source>
        <translation>Tratti positivi</translation>
    </message>
    <message>
        <source>Negative Attributes</source>
        <translation>Tratti negativi</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>La tabella interna delle posizioni precise è danneggiata (%1). Reinstalla QM Starloom.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Impossibile aprire il file %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Impossibile scrivere il file %1.
%2</translation>
    </message>
</context>
<context>
    <name>ZoneNames</name>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>Ora legale dell’Alaska-Hawaii</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>Ora standard dell’Alaska-Hawaii</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>Ora di guerra dell’Alaska-Hawaii</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>Ora standard dell’Atlantico</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>Ora di guerra dell’Atlantico</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>Ora legale dell’Australia centrale</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>Ora standard dell’Australia centrale</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>Ora legale dell’Australia orientale</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>Ora standard dell’Australia orientale</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>Ora legale dell’Australia occidentale</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>Ora standard dell’Australia occidentale</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>Ora delle Azzorre</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>Ora di Baghdad</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>Ora standard di Bering</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>Brasile zona 2</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>Ora legale doppia britannica</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>Ora legale britannica</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>Ora di guerra britannica</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>Ora legale centrale USA</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>Ora legale dell’Europa centrale</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>Ora dell’Europa centrale</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>Ora standard centrale USA</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>Ora di guerra centrale USA</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>Ora della costa cinese</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>Ora legale orientale USA</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>Ora legale dell’Europa orientale</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>Ora dell’Europa orientale</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>Ora standard orientale USA</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>Ora di guerra orientale USA</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>Ora del meridiano di Greenwich</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>Ora standard di Guam</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>Ora legale delle Hawaii</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>Ora standard delle Hawaii</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>Ora di guerra delle Hawaii</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>Ora dell’India</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>Linea del cambio di data (est)</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>Linea del cambio di data (ovest)</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>Ora dell’Iran</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>Ora standard del Giappone</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>Ora di Giava</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>Ora legale dell’Europa centrale</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>Ora standard dell’Europa centrale</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>Ora delle Molucche</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>Ora legale Montagne Rocciose USA</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>Ora standard Montagne Rocciose USA</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>Ora di guerra Montagne Rocciose USA</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>Ora legale standard della Nuova Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>Ora standard della Nuova Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>Ora legale della Nuova Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>Ora della Nuova Zelanda</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>Ora standard di Terranova</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>Ora di Nome</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>Ora di Sumatra settentrionale</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>Ora legale del Pacifico USA</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>Ora standard del Pacifico USA</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>Ora di guerra del Pacifico USA</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>Ora legale dell’Australia Meridionale</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>Ora standard dell’Australia Meridionale</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>Ora di Sumatra meridionale</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Tempo universale</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>URSS zona 10</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>URSS zona 3</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>URSS zona 4</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>URSS zona 5</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>URSS zona 6</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>Ora dell’Africa occidentale</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>Ora legale dello Yukon</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>Ora standard dello Yukon</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>Ora di guerra dello Yukon</translation>
    </message>
    <message>
        <source>Addis Ababa Mean Time</source>
        <translation>Ora media di Addis Abeba</translation>
    </message>
    <message>
        <source>Afghanistan Time</source>
        <translation>Ora dell’Afghanistan</translation>
    </message>
    <message>
        <source>Amsterdam Time</source>
        <translation>Ora di Amsterdam</translation>
    </message>
    <message>
        <source>Asuncion Mean Time</source>
        <translation>Ora media di Asunción</translation>
    </message>
    <message>
        <source>Athens Mean Time</source>
        <translation>Ora media di Atene</translation>
    </message>
    <message>
        <source>Baghdad Mean Time</source>
        <translation>Ora media di Baghdad</translation>
    </message>
    <message>
        <source>Bangkok Mean Time</source>
        <translation>Ora media di Bangkok</translation>
    </message>
    <message>
        <source>Batavia Mean Time</source>
        <translation>Ora media di Batavia</translation>
    </message>
    <message>
        <source>Bathurst Mean Time</source>
        <translation>Ora media di Bathurst</translation>
    </message>
    <message>
        <source>Belize Half Hour Daylight Time</source>
        <translation>Ora legale di mezz’ora del Belize</translation>
    </message>
    <message>
        <source>Bermuda Mean Time</source>
        <translation>Ora media delle Bermuda</translation>
    </message>
    <message>
        <source>Bermuda Summer Time</source>
        <translation>Ora legale delle Bermuda</translation>
    </message>
    <message>
        <source>Bogota Mean Time</source>
        <translation>Ora media di Bogotà</translation>
    </message>
    <message>
        <source>Bolivia Summer Time</source>
        <translation>Ora legale della Bolivia</translation>
    </message>
    <message>
        <source>Bucharest Mean Time</source>
        <translation>Ora media di Bucarest</translation>
    </message>
    <message>
        <source>Caracas Mean Time</source>
        <translation>Ora media di Caracas</translation>
    </message>
    <message>
        <source>Central European Midsummer Time</source>
        <translation>Ora di piena estate dell’Europa centrale</translation>
    </message>
    <message>
        <source>Chatham Daylight Time</source>
        <translation>Ora legale delle Chatham</translation>
    </message>
    <message>
        <source>Chatham Standard Time</source>
        <translation>Ora standard delle Chatham</translation>
    </message>
    <message>
        <source>Chisinau Mean Time</source>
        <translation>Ora media di Chișinău</translation>
    </message>
    <message>
        <source>Colon Mean Time</source>
        <translation>Ora media di Colón</translation>
    </message>
    <message>
        <source>Cordoba Mean Time</source>
        <translation>Ora media di Córdoba</translation>
    </message>
    <message>
        <source>Dublin Mean Time</source>
        <translation>Ora media di Dublino</translation>
    </message>
    <message>
        <source>East Africa Time</source>
        <translation>Ora dell’Africa orientale</translation>
    </message>
    <message>
        <source>East Africa Time (+2:30)</source>
        <translation>Ora dell’Africa orientale (+2:30)</translation>
    </message>
    <message>
        <source>East Africa Time (+2:45)</source>
        <translation>Ora dell’Africa orientale (+2:45)</translation>
    </message>
    <message>
        <source>Fort-de-France Mean Time</source>
        <translation>Ora media di Fort-de-France</translation>
    </message>
    <message>
        <source>Freetown Mean Time</source>
        <translation>Ora media di Freetown</translation>
    </message>
    <message>
        <source>Funchal Mean Time</source>
        <translation>Ora media di Funchal</translation>
    </message>
    <message>
        <source>Guyana Time</source>
        <translation>Ora della Guyana</translation>
    </message>
    <message>
        <source>Havana Mean Time</source>
        <translation>Ora media dell’Avana</translation>
    </message>
    <message>
        <source>Helsinki Mean Time</source>
        <translation>Ora media di Helsinki</translation>
    </message>
    <message>
        <source>Horta Mean Time</source>
        <translation>Ora media di Horta</translation>
    </message>
    <message>
        <source>Howrah Mean Time</source>
        <translation>Ora media di Howrah</translation>
    </message>
    <message>
        <source>Irish Summer Time</source>
        <translation>Ora legale irlandese</translation>
    </message>
    <message>
        <source>Irkutsk Mean Time</source>
        <translation>Ora media di Irkutsk</translation>
    </message>
    <message>
        <source>Istanbul Mean Time</source>
        <translation>Ora media di Istanbul</translation>
    </message>
    <message>
        <source>Jamestown Mean Time</source>
        <translation>Ora media di Jamestown</translation>
    </message>
    <message>
        <source>Jerusalem Mean Time</source>
        <translation>Ora media di Gerusalemme</translation>
    </message>
    <message>
        <source>Kaunas Mean Time</source>
        <translation>Ora media di Kaunas</translation>
    </message>
    <message>
        <source>Kingston Mean Time</source>
        <translation>Ora media di Kingston</translation>
    </message>
    <message>
        <source>Kingstown Mean Time</source>
        <translation>Ora media di Kingstown</translation>
    </message>
    <message>
        <source>Kyiv Mean Time</source>
        <translation>Ora media di Kiev</translation>
    </message>
    <message>
        <source>La Paz Mean Time</source>
        <translation>Ora media di La Paz</translation>
    </message>
    <message>
        <source>Latvian Summer Time</source>
        <translation>Ora legale lettone</translation>
    </message>
    <message>
        <source>Line Islands Time</source>
        <translation>Ora delle isole della Linea</translation>
    </message>
    <message>
        <source>Local Mean Time</source>
        <translation>Ora media locale</translation>
    </message>
    <message>
        <source>Madras Mean Time</source>
        <translation>Ora media di Madras</translation>
    </message>
    <message>
        <source>Makassar Mean Time</source>
        <translation>Ora media di Makassar</translation>
    </message>
    <message>
        <source>Malaya Time</source>
        <translation>Ora della Malesia britannica</translation>
    </message>
    <message>
        <source>Male Mean Time</source>
        <translation>Ora media di Malé</translation>
    </message>
    <message>
        <source>Managua Mean Time</source>
        <translation>Ora media di Managua</translation>
    </message>
    <message>
        <source>Marquesas Time</source>
        <translation>Ora delle Marchesi</translation>
    </message>
    <message>
        <source>Minsk Mean Time</source>
        <translation>Ora media di Minsk</translation>
    </message>
    <message>
        <source>Monrovia Mean Time</source>
        <translation>Ora media di Monrovia</translation>
    </message>
    <message>
        <source>Monrovia Time</source>
        <translation>Ora di Monrovia</translation>
    </message>
    <message>
        <source>Moratuwa Mean Time</source>
        <translation>Ora media di Moratuwa</translation>
    </message>
    <message>
        <source>Moscow Double Summer Time</source>
        <translation>Ora legale doppia di Mosca</translation>
    </message>
    <message>
        <source>Moscow Mean Time</source>
        <translation>Ora media di Mosca</translation>
    </message>
    <message>
        <source>Moscow Summer Time</source>
        <translation>Ora legale di Mosca</translation>
    </message>
    <message>
        <source>Moscow Time</source>
        <translation>Ora di Mosca</translation>
    </message>
    <message>
        <source>Nepal Time</source>
        <translation>Ora del Nepal</translation>
    </message>
    <message>
        <source>Netherlands Summer Time</source>
        <translation>Ora legale dei Paesi Bassi</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time</source>
        <translation>Ora legale di Terranova</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time (until 1935)</source>
        <translation>Ora legale di Terranova (fino al 1935)</translation>
    </message>
    <message>
        <source>Newfoundland Double Daylight Time</source>
        <translation>Ora legale doppia di Terranova</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time (until 1935)</source>
        <translation>Ora standard di Terranova (fino al 1935)</translation>
    </message>
    <message>
        <source>Nigeria and Gold Coast Time</source>
        <translation>Ora della Nigeria e della Costa d’Oro</translation>
    </message>
    <message>
        <source>North Borneo Summer Time</source>
        <translation>Ora legale del Borneo settentrionale</translation>
    </message>
    <message>
        <source>Paramaribo Mean Time</source>
        <translation>Ora media di Paramaribo</translation>
    </message>
    <message>
        <source>Paris Mean Time</source>
        <translation>Ora media di Parigi</translation>
    </message>
    <message>
        <source>Perm Mean Time</source>
        <translation>Ora media di Perm’</translation>
    </message>
    <message>
        <source>Pontianak Mean Time</source>
        <translation>Ora media di Pontianak</translation>
    </message>
    <message>
        <source>Port-au-Prince Mean Time</source>
        <translation>Ora media di Port-au-Prince</translation>
    </message>
    <message>
        <source>Quito Mean Time</source>
        <translation>Ora media di Quito</translation>
    </message>
    <message>
        <source>Rangoon Mean Time</source>
        <translation>Ora media di Rangoon</translation>
    </message>
    <message>
        <source>Riga Mean Time</source>
        <translation>Ora media di Riga</translation>
    </message>
    <message>
        <source>Samoa Standard Time (until 1950)</source>
        <translation>Ora standard di Samoa (fino al 1950)</translation>
    </message>
    <message>
        <source>San Jose Mean Time</source>
        <translation>Ora media di San José</translation>
    </message>
    <message>
        <source>Santiago Mean Time</source>
        <translation>Ora media di Santiago</translation>
    </message>
    <message>
        <source>Santo Domingo Mean Time</source>
        <translation>Ora media di Santo Domingo</translation>
    </message>
    <message>
        <source>Sierra Leone Summer Time</source>
        <translation>Ora legale della Sierra Leone</translation>
    </message>
    <message>
        <source>Simferopol Mean Time</source>
        <translation>Ora media di Sinferopoli</translation>
    </message>
    <message>
        <source>Singapore Mean Time</source>
        <translation>Ora media di Singapore</translation>
    </message>
    <message>
        <source>South Africa Time (until 1903)</source>
        <translation>Ora del Sudafrica (fino al 1903)</translation>
    </message>
    <message>
        <source>Tallinn Mean Time</source>
        <translation>Ora media di Tallinn</translation>
    </message>
    <message>
        <source>Tbilisi Mean Time</source>
        <translation>Ora media di Tbilisi</translation>
    </message>
    <message>
        <source>Tehran Mean Time</source>
        <translation>Ora media di Teheran</translation>
    </message>
    <message>
        <source>Tonga Time</source>
        <translation>Ora di Tonga</translation>
    </message>
    <message>
        <source>Tonga Time (until 1941)</source>
        <translation>Ora di Tonga (fino al 1941)</translation>
    </message>
    <message>
        <source>Venezuela Time</source>
        <translation>Ora del Venezuela</translation>
    </message>
    <message>
        <source>Warsaw Mean Time</source>
        <translation>Ora media di Varsavia</translation>
    </message>
    <message>
        <source>Western Central Australia Time</source>
        <translation>Ora dell’Australia centroccidentale</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1 con ora legale</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>inserito a mano</translation>
    </message>
    <message>
        <source>from the atlas (%1)</source>
        <translation>dall’atlante (%1)</translation>
    </message>
    <message>
        <source>from the reading file %1</source>
        <translation>dal file di lettura %1</translation>
    </message>
    <message>
        <source>Universal time %1 · %2 · %3</source>
        <translation>Tempo universale %1 · %2 · %3</translation>
    </message>
    <message>
        <source>from the longitude</source>
        <translation>dalla longitudine</translation>
    </message>
</context>
</TS>
