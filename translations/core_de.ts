<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Astrology</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Ari</source>
        <comment>sign abbreviation</comment>
        <translation>Wid</translation>
    </message>
    <message>
        <source>Tau</source>
        <comment>sign abbreviation</comment>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Gem</source>
        <comment>sign abbreviation</comment>
        <translation>Zwi</translation>
    </message>
    <message>
        <source>Can</source>
        <comment>sign abbreviation</comment>
        <translation>Kre</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign abbreviation</comment>
        <translation>Löw</translation>
    </message>
    <message>
        <source>Vir</source>
        <comment>sign abbreviation</comment>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Lib</source>
        <comment>sign abbreviation</comment>
        <translation>Waa</translation>
    </message>
    <message>
        <source>Sco</source>
        <comment>sign abbreviation</comment>
        <translation>Sko</translation>
    </message>
    <message>
        <source>Sag</source>
        <comment>sign abbreviation</comment>
        <translation>Sch</translation>
    </message>
    <message>
        <source>Cap</source>
        <comment>sign abbreviation</comment>
        <translation>Ste</translation>
    </message>
    <message>
        <source>Aqu</source>
        <comment>sign abbreviation</comment>
        <translation>Was</translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>sign abbreviation</comment>
        <translation>Fis</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Himmelsmitte</translation>
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
        <source>conjunction</source>
        <translation>Konjunktion</translation>
    </message>
    <message>
        <source>opposition</source>
        <translation>Opposition</translation>
    </message>
    <message>
        <source>trine</source>
        <translation>Trigon</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>sextile</source>
        <translation>Sextil</translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation>Ganzzeichen</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Äqual</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porphyrius</translation>
    </message>
    <message>
        <source>Placidus</source>
        <translation>Placidus</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontanus</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campanus</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Topocentric</source>
        <translation>Topozentrisch</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Bündel</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Schale</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <source>Seesaw</source>
        <translation>Wippe</translation>
    </message>
    <message>
        <source>Splay</source>
        <translation>Spreizung</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Streuung</translation>
    </message>
</context>
<context>
    <name>ChartNotes</name>
    <message>
        <source>%1 houses are undefined at %2, inside the polar circle, where part of the ecliptic never rises or sets; Porphyry houses are shown instead.</source>
        <translation>Die Häuser im System %1 sind bei %2 nicht definiert: Innerhalb des Polarkreises geht ein Teil der Ekliptik nie auf oder unter; stattdessen werden Häuser im System Porphyrius gezeigt.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, inside the polar circle, where their cusps would not follow each other round the ecliptic; Porphyry houses are shown instead.</source>
        <translation>Die Häuser im System %1 sind bei %2 zu dieser Zeit nicht definiert: Innerhalb des Polarkreises würden ihre Spitzen einander nicht der Reihe nach um die Ekliptik folgen; stattdessen werden Häuser im System Porphyrius gezeigt.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, while the midheaven is below the horizon; Porphyry houses are shown instead.</source>
        <translation>Die Häuser im System %1 sind bei %2 zu dieser Zeit nicht definiert, da die Himmelsmitte unter dem Horizont steht; stattdessen werden Häuser im System Porphyrius gezeigt.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the North Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Die Häuser im System %1 sind am Nordpol nicht definiert, wo kein Punkt der Ekliptik im Osten aufgeht; stattdessen werden Häuser im System Porphyrius für einen Punkt 11 m vom Pol entfernt gezeigt.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the South Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Die Häuser im System %1 sind am Südpol nicht definiert, wo kein Punkt der Ekliptik im Osten aufgeht; stattdessen werden Häuser im System Porphyrius für einen Punkt 11 m vom Pol entfernt gezeigt.</translation>
    </message>
    <message>
        <source>The built-in formulas cover %1 to %2; this chart&apos;s positions come from the precise table, and retrograde planets are marked by their motion.</source>
        <translation>Die eingebauten Formeln reichen von %1 bis %2; die Positionen dieses Horoskops stammen aus der genauen Tabelle, und rückläufige Planeten werden nach ihrer Bewegung markiert.</translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Bitte nur Ziffern eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Bitte geben Sie eine gültige Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Bitte geben Sie eine gültige Länge ein</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>An einem Pol (Breite 90 Grad) geht kein Punkt des Tierkreises im Osten auf, daher hat ein Horoskop dort keinen Aszendenten. Bitte geben Sie eine Breite unter 90 Grad ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Bitte geben Sie die Grad der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Bitte geben Sie die Minuten der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Bitte geben Sie die Grad der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Bitte geben Sie die Minuten der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Bitte geben Sie Ihren Geburtsort ein</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Bitte geben Sie Ihr Bundesland bzw. Ihre Region ein</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Bitte geben Sie Ihr Land ein</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Bitte wählen Sie die Richtung der Breite (Nord oder Süd)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Bitte wählen Sie die Richtung der Länge (Ost oder West)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie ein gültiges Datum ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie ein gültiges Datum ein!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte prüfen Sie die Datei.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.</source>
        <translation>%1 führt, als erster Planet aus dem leeren Bogen aufsteigend. Das setzt das ganze Horoskop in Bewegung: %2.</translation>
    </message>
    <message>
        <source>%1 stands alone as the handle: the chart&apos;s energy flows out through %2.</source>
        <translation>%1 steht allein als Henkel, und die Energie des Horoskops fließt hier hinaus: %2.</translation>
    </message>
    <message>
        <source>%1 and %2 stand together as the handle: the chart&apos;s energy flows out through %3, and through %4.</source>
        <translation>%1 und %2 stehen gemeinsam als Henkel, und die Energie des Horoskops fließt hier hinaus: %3 sowie %4.</translation>
    </message>
    <message>
        <source>All ten planets lie within a trine: life gathers round a few concerns, followed with great focus.</source>
        <translation>Alle zehn Planeten liegen innerhalb eines Trigons: Das Leben sammelt sich um wenige Anliegen, die mit großer Konzentration verfolgt werden.</translation>
    </message>
    <message>
        <source>The planets fill one half of the wheel and leave the other empty: a sense of purpose that reaches out towards what seems to be missing.</source>
        <translation>Die Planeten füllen eine Hälfte des Rades und lassen die andere leer: ein Sinn für eine Aufgabe, der nach dem greift, was zu fehlen scheint.</translation>
    </message>
    <message>
        <source>One planet, or a close pair, stands apart from a half wheel of the others and carries their energy out into the world.</source>
        <translation>Ein Planet oder ein enges Paar steht abseits der übrigen, die ein halbes Rad füllen, und trägt ihre Energie hinaus in die Welt.</translation>
    </message>
    <message>
        <source>The planets spread over two thirds of the wheel and leave an empty trine: a steady, self-driven push that keeps going.</source>
        <translation>Die Planeten verteilen sich über zwei Drittel des Rades und lassen ein leeres Trigon frei: ein stetiger, aus sich selbst getriebener Schwung, der nicht nachlässt.</translation>
    </message>
    <message>
        <source>Two groups of planets face each other across two empty stretches: a life spent weighing one side against the other.</source>
        <translation>Zwei Planetengruppen stehen einander über zwei leere Strecken gegenüber: ein Leben, das die eine Seite gegen die andere abwägt.</translation>
    </message>
    <message>
        <source>The planets gather at three or four separate points: strong, individual interests that go their own way.</source>
        <translation>Die Planeten sammeln sich an drei oder vier getrennten Punkten: starke, eigenständige Interessen, die ihre eigenen Wege gehen.</translation>
    </message>
    <message>
        <source>The planets are spread all round the wheel: wide interests and a gift for many things at once.</source>
        <translation>Die Planeten sind rund um das Rad verteilt: breite Interessen und eine Begabung für vieles zugleich.</translation>
    </message>
    <message>
        <source>the wish to be oneself and to be seen</source>
        <translation>der Wunsch, man selbst zu sein und gesehen zu werden</translation>
    </message>
    <message>
        <source>feelings, moods and the need to feel at home</source>
        <translation>Gefühle, Stimmungen und das Bedürfnis, sich zu Hause zu fühlen</translation>
    </message>
    <message>
        <source>thinking, talking and learning</source>
        <translation>Denken, Sprechen und Lernen</translation>
    </message>
    <message>
        <source>love, friendship and a sense of beauty</source>
        <translation>Liebe, Freundschaft und Sinn für Schönheit</translation>
    </message>
    <message>
        <source>drive, courage and the urge to act</source>
        <translation>Antrieb, Mut und der Drang zu handeln</translation>
    </message>
    <message>
        <source>hope, growth and the search for meaning</source>
        <translation>Hoffnung, Wachstum und die Suche nach Sinn</translation>
    </message>
    <message>
        <source>duty, patience and lasting structure</source>
        <translation>Pflicht, Geduld und dauerhafte Strukturen</translation>
    </message>
    <message>
        <source>independence, change and new ideas</source>
        <translation>Unabhängigkeit, Wandel und neue Ideen</translation>
    </message>
    <message>
        <source>imagination, ideals and compassion</source>
        <translation>Fantasie, Ideale und Mitgefühl</translation>
    </message>
    <message>
        <source>intensity, power and renewal</source>
        <translation>Intensität, Macht und Erneuerung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>No single planet leads this shape: its energy is shared out.</source>
        <translation>Kein einzelner Planet führt diese Figur an: Ihre Energie verteilt sich.</translation>
    </message>
    <message>
        <source>The planets occupy almost all signs, and there are no adjacent vacant signs.</source>
        <translation>Die Planeten besetzen fast alle Zeichen, und nirgends liegen zwei leere Zeichen nebeneinander.</translation>
    </message>
    <message>
        <source>You will be interested in many things in your life. You will have no limitations or restrictions in your thinking. You will alwys be wanting to find out more about everything. You will have interests in a wide variety of topics. You are adaptable and flexible in thoughts and actions.</source>
        <translation>Sie werden sich in Ihrem Leben für vieles interessieren. Ihr Denken kennt keine Grenzen oder Einschränkungen. Sie wollen stets mehr über alles erfahren. Ihre Interessen reichen über die unterschiedlichsten Themen. Sie sind anpassungsfähig und flexibel in Denken und Handeln.</translation>
    </message>
    <message>
        <source>This scatters your energies. You will have difficulty in focusing on things.</source>
        <translation>Das zerstreut Ihre Kräfte. Es wird Ihnen schwerfallen, sich auf etwas zu konzentrieren.</translation>
    </message>
    <message>
        <source>The planets occupy the confines of a trine (120 degrees) or an even smaller space.</source>
        <translation>Die Planeten liegen innerhalb eines Trigons (120 Grad) oder auf noch engerem Raum.</translation>
    </message>
    <message>
        <source>You will have a lot of personal strength. You will be focussed and not influenced by anyone. You will be confident and have good leadership qualities. You will prosper on a limited scope. You will be an expert in your field.</source>
        <translation>Sie besitzen große persönliche Stärke. Sie sind zielstrebig und lassen sich von niemandem beeinflussen. Sie sind selbstsicher und haben gute Führungsqualitäten. Auf einem begrenzten Gebiet werden Sie erfolgreich sein. In Ihrem Fach werden Sie sich bestens auskennen.</translation>
    </message>
    <message>
        <source>You are on the go when you are active, else nothing will make you move. Your thinking will be limited. You will have many restictions. In areas other than your field you will feel lost and rejected.</source>
        <translation>Wenn Sie aktiv sind, sind Sie ständig in Bewegung, sonst bringt Sie nichts von der Stelle. Ihr Denken wird begrenzt sein. Sie werden vielen Einschränkungen unterliegen. Außerhalb Ihres Fachgebiets werden Sie sich verloren und abgelehnt fühlen.</translation>
    </message>
    <message>
        <source>The planets occupy one half of the chart (180 degrees).</source>
        <translation>Die Planeten besetzen eine Hälfte des Horoskops (180 Grad).</translation>
    </message>
    <message>
        <source>This is a highly motivating pattern. You will be highly determined in life. You have good people skills and can guide people for a cause. You will keep to yourself. You are very resourceful. You will be organized and on the lookout for knowledge of the unknown. You are aware of your skills and weakneses. You will have a lot of enrgy.</source>
        <translation>Dies ist eine stark motivierende Figur. Sie gehen sehr entschlossen durchs Leben. Sie können gut mit Menschen umgehen und sie für eine Sache gewinnen und führen. Sie bleiben gern für sich. Sie sind sehr einfallsreich. Sie sind gut organisiert und immer auf der Suche nach Wissen über das Unbekannte. Sie kennen Ihre Fähigkeiten und Schwächen. Sie haben viel Energie.</translation>
    </message>
    <message>
        <source>You will feel that you are missing out on something in life. You may not be compromising and have no interest in what other people think.</source>
        <translation>Sie werden das Gefühl haben, im Leben etwas zu verpassen. Womöglich sind Sie wenig kompromissbereit und interessieren sich nicht dafür, was andere denken.</translation>
    </message>
    <message>
        <source>All planets except one (or two together) occupy no more than one half of the chart. The one or two planets together oppose the other planets.</source>
        <translation>Alle Planeten außer einem (oder zweien zusammen) besetzen höchstens eine Hälfte des Horoskops. Der eine Planet oder die beiden stehen den übrigen Planeten gegenüber.</translation>
    </message>
    <message>
        <source>You will direct all your energies for the fulfillment of a single purpose. You will leave no stone unturned to see that your goal is achieved. You will have superuhuman power and unthinkable determination.</source>
        <translation>Sie richten all Ihre Kräfte auf die Erfüllung eines einzigen Ziels. Sie lassen nichts unversucht, um Ihr Ziel zu erreichen. Sie verfügen über übermenschliche Kraft und unvorstellbare Entschlossenheit.</translation>
    </message>
    <message>
        <source>The planet that is aloof can create problems for you and demands attention. It balances the rest of the chart.</source>
        <translation>Der abseits stehende Planet kann Ihnen Probleme bereiten und verlangt Aufmerksamkeit. Er hält dem übrigen Horoskop das Gleichgewicht.</translation>
    </message>
    <message>
        <source>The planets fall into two opposing groups. The vacant zodiacal areas measure at least 90 degrees or one segment 90 degrees and the other 60 degrees, never less.</source>
        <translation>Die Planeten bilden zwei einander gegenüberliegende Gruppen. Die leeren Bereiche des Tierkreises messen jeweils mindestens 90 Grad, oder der eine 90 Grad und der andere 60 Grad, niemals weniger.</translation>
    </message>
    <message>
        <source>You will be able to see both the sides of a coin and wil have to decide if you want to enjoy life or suffer. You will have a dual personality. You will need to strike a balance to be able to lead a happy life.</source>
        <translation>Sie können beide Seiten einer Medaille sehen und müssen entscheiden, ob Sie das Leben genießen oder leiden wollen. Sie haben eine doppelte Persönlichkeit. Sie müssen ein Gleichgewicht finden, um ein glückliches Leben führen zu können.</translation>
    </message>
    <message>
        <source>Your life will always have an up-down motion. You may be unable to make decisions.</source>
        <translation>Ihr Leben wird stets ein Auf und Ab sein. Es kann Ihnen schwerfallen, Entscheidungen zu treffen.</translation>
    </message>
    <message>
        <source>The planets fall more or less evenly within two thirds of the chart, leaving an empty trine (120 degrees).</source>
        <translation>Die Planeten verteilen sich mehr oder weniger gleichmäßig über zwei Drittel des Horoskops und lassen ein leeres Trigon (120 Grad) frei.</translation>
    </message>
    <message>
        <source>You are determined and physically fit to achieve your goals. You are a very practical person. The first and the last planet play an important part in shaping your personality. You will have a strong driving force. Your energy is very intense.</source>
        <translation>Sie sind entschlossen und körperlich fit, um Ihre Ziele zu erreichen. Sie sind ein sehr praktischer Mensch. Der erste und der letzte Planet prägen Ihre Persönlichkeit wesentlich. Sie haben eine starke Antriebskraft. Ihre Energie ist sehr intensiv.</translation>
    </message>
    <message>
        <source>You will not like discipline of any kind. You will find it very easy to go from being highly energetic to becoming utterly depressed. This is caused by the empty portion of your chart.</source>
        <translation>Sie mögen keinerlei Disziplin. Sie können sehr leicht von großer Tatkraft in tiefe Niedergeschlagenheit fallen. Das liegt an dem leeren Teil Ihres Horoskops.</translation>
    </message>
    <message>
        <source>The planets are not arranged into any one of the other six patterns but are distributed somewhat irregularly around the chart, usually based upon three points of emphasis, an arrangement that may result in a grand trine.</source>
        <translation>Die Planeten fügen sich in keine der anderen sechs Figuren, sondern verteilen sich etwas unregelmäßig über das Horoskop, meist um drei Schwerpunkte herum – eine Anordnung, die ein großes Trigon ergeben kann.</translation>
    </message>
    <message>
        <source>You will be well prepared to fight the worst battles. You will have a backup that you can turn to in times of need.</source>
        <translation>Sie sind gut gerüstet, um die härtesten Kämpfe auszufechten. Sie haben einen Rückhalt, auf den Sie in Zeiten der Not zurückgreifen können.</translation>
    </message>
    <message>
        <source>You can be ruthless. You will resist conventional ideas.</source>
        <translation>Sie können rücksichtslos sein. Sie widersetzen sich herkömmlichen Vorstellungen.</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Positive Attributes</source>
        <translation>Positive Eigenschaften</translation>
    </message>
    <message>
        <source>Negative Attributes</source>
        <translation>Negative Eigenschaften</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>Die eingebaute Tabelle der genauen Positionen ist beschädigt (%1). Bitte installieren Sie QM Starloom erneut.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.
%2</translation>
    </message>
</context>
<context>
    <name>ZoneNames</name>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>Alaska-Hawaii-Sommerzeit</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>Alaska-Hawaii-Normalzeit</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>Alaska-Hawaii-Kriegszeit</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>Atlantik-Normalzeit</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>Atlantik-Kriegszeit</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>Zentralaustralische Sommerzeit</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>Zentralaustralische Normalzeit</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>Ostaustralische Sommerzeit</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>Ostaustralische Normalzeit</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>Westaustralische Sommerzeit</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>Westaustralische Normalzeit</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>Azoren-Zeit</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>Bagdader Zeit</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>Bering-Normalzeit</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>Brasilien Zone 2</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>Britische Doppelte Sommerzeit</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>Britische Sommerzeit</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>Britische Kriegszeit</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>Nordamerikanische Zentral-Sommerzeit</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>Mitteleuropäische Sommerzeit</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>Mitteleuropäische Zeit</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>Nordamerikanische Zentral-Normalzeit</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>Nordamerikanische Zentral-Kriegszeit</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>Chinesische Küstenzeit</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>Nordamerikanische Ostküsten-Sommerzeit</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>Osteuropäische Sommerzeit</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>Osteuropäische Zeit</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>Nordamerikanische Ostküsten-Normalzeit</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>Nordamerikanische Ostküsten-Kriegszeit</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>Mittlere Greenwich-Zeit</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>Guam-Normalzeit</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>Hawaii-Sommerzeit</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>Hawaii-Normalzeit</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>Hawaii-Kriegszeit</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>Indische Zeit</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>Internationale Datumsgrenze (Ost)</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>Internationale Datumsgrenze (West)</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>Iranische Zeit</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>Japanische Normalzeit</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>Java-Zeit</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>Mitteleuropäische Sommerzeit</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>Mitteleuropäische Normalzeit</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>Molukken-Zeit</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>Rocky-Mountain-Sommerzeit</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>Rocky-Mountain-Normalzeit</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>Rocky-Mountain-Kriegszeit</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>Neuseeländische Normal-Sommerzeit</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>Neuseeländische Normalzeit</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>Neuseeländische Sommerzeit</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>Neuseeländische Zeit</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>Neufundland-Normalzeit</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>Nome-Zeit</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>Nordsumatra-Zeit</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>Nordamerikanische Westküsten-Sommerzeit</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>Nordamerikanische Westküsten-Normalzeit</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>Nordamerikanische Westküsten-Kriegszeit</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>Südaustralische Sommerzeit</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>Südaustralische Normalzeit</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>Südsumatra-Zeit</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>UdSSR-Zone 10</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>UdSSR-Zone 3</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>UdSSR-Zone 4</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>UdSSR-Zone 5</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>UdSSR-Zone 6</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>Westafrikanische Zeit</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>Yukon-Sommerzeit</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>Yukon-Normalzeit</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>Yukon-Kriegszeit</translation>
    </message>
    <message>
        <source>Addis Ababa Mean Time</source>
        <translation>Mittlere Ortszeit Addis Abeba</translation>
    </message>
    <message>
        <source>Afghanistan Time</source>
        <translation>Afghanistan-Zeit</translation>
    </message>
    <message>
        <source>Amsterdam Time</source>
        <translation>Amsterdamer Zeit</translation>
    </message>
    <message>
        <source>Asuncion Mean Time</source>
        <translation>Mittlere Ortszeit Asunción</translation>
    </message>
    <message>
        <source>Athens Mean Time</source>
        <translation>Mittlere Ortszeit Athen</translation>
    </message>
    <message>
        <source>Baghdad Mean Time</source>
        <translation>Mittlere Ortszeit Bagdad</translation>
    </message>
    <message>
        <source>Bangkok Mean Time</source>
        <translation>Mittlere Ortszeit Bangkok</translation>
    </message>
    <message>
        <source>Batavia Mean Time</source>
        <translation>Mittlere Ortszeit Batavia</translation>
    </message>
    <message>
        <source>Bathurst Mean Time</source>
        <translation>Mittlere Ortszeit Bathurst</translation>
    </message>
    <message>
        <source>Belize Half Hour Daylight Time</source>
        <translation>Belize-Halbstunden-Sommerzeit</translation>
    </message>
    <message>
        <source>Bermuda Mean Time</source>
        <translation>Mittlere Ortszeit Bermuda</translation>
    </message>
    <message>
        <source>Bermuda Summer Time</source>
        <translation>Bermuda-Sommerzeit</translation>
    </message>
    <message>
        <source>Bogota Mean Time</source>
        <translation>Mittlere Ortszeit Bogotá</translation>
    </message>
    <message>
        <source>Bolivia Summer Time</source>
        <translation>Bolivianische Sommerzeit</translation>
    </message>
    <message>
        <source>Bucharest Mean Time</source>
        <translation>Mittlere Ortszeit Bukarest</translation>
    </message>
    <message>
        <source>Caracas Mean Time</source>
        <translation>Mittlere Ortszeit Caracas</translation>
    </message>
    <message>
        <source>Central European Midsummer Time</source>
        <translation>Mitteleuropäische Hochsommerzeit</translation>
    </message>
    <message>
        <source>Chatham Daylight Time</source>
        <translation>Chatham-Sommerzeit</translation>
    </message>
    <message>
        <source>Chatham Standard Time</source>
        <translation>Chatham-Normalzeit</translation>
    </message>
    <message>
        <source>Chisinau Mean Time</source>
        <translation>Mittlere Ortszeit Chișinău</translation>
    </message>
    <message>
        <source>Colon Mean Time</source>
        <translation>Mittlere Ortszeit Colón</translation>
    </message>
    <message>
        <source>Cordoba Mean Time</source>
        <translation>Mittlere Ortszeit Córdoba</translation>
    </message>
    <message>
        <source>Dublin Mean Time</source>
        <translation>Mittlere Ortszeit Dublin</translation>
    </message>
    <message>
        <source>East Africa Time</source>
        <translation>Ostafrikanische Zeit</translation>
    </message>
    <message>
        <source>East Africa Time (+2:30)</source>
        <translation>Ostafrikanische Zeit (+2:30)</translation>
    </message>
    <message>
        <source>East Africa Time (+2:45)</source>
        <translation>Ostafrikanische Zeit (+2:45)</translation>
    </message>
    <message>
        <source>Fort-de-France Mean Time</source>
        <translation>Mittlere Ortszeit Fort-de-France</translation>
    </message>
    <message>
        <source>Freetown Mean Time</source>
        <translation>Mittlere Ortszeit Freetown</translation>
    </message>
    <message>
        <source>Funchal Mean Time</source>
        <translation>Mittlere Ortszeit Funchal</translation>
    </message>
    <message>
        <source>Guyana Time</source>
        <translation>Guyana-Zeit</translation>
    </message>
    <message>
        <source>Havana Mean Time</source>
        <translation>Mittlere Ortszeit Havanna</translation>
    </message>
    <message>
        <source>Helsinki Mean Time</source>
        <translation>Mittlere Ortszeit Helsinki</translation>
    </message>
    <message>
        <source>Horta Mean Time</source>
        <translation>Mittlere Ortszeit Horta</translation>
    </message>
    <message>
        <source>Howrah Mean Time</source>
        <translation>Mittlere Ortszeit Howrah</translation>
    </message>
    <message>
        <source>Irish Summer Time</source>
        <translation>Irische Sommerzeit</translation>
    </message>
    <message>
        <source>Irkutsk Mean Time</source>
        <translation>Mittlere Ortszeit Irkutsk</translation>
    </message>
    <message>
        <source>Istanbul Mean Time</source>
        <translation>Mittlere Ortszeit Istanbul</translation>
    </message>
    <message>
        <source>Jamestown Mean Time</source>
        <translation>Mittlere Ortszeit Jamestown</translation>
    </message>
    <message>
        <source>Jerusalem Mean Time</source>
        <translation>Mittlere Ortszeit Jerusalem</translation>
    </message>
    <message>
        <source>Kaunas Mean Time</source>
        <translation>Mittlere Ortszeit Kaunas</translation>
    </message>
    <message>
        <source>Kingston Mean Time</source>
        <translation>Mittlere Ortszeit Kingston</translation>
    </message>
    <message>
        <source>Kingstown Mean Time</source>
        <translation>Mittlere Ortszeit Kingstown</translation>
    </message>
    <message>
        <source>Kyiv Mean Time</source>
        <translation>Mittlere Ortszeit Kiew</translation>
    </message>
    <message>
        <source>La Paz Mean Time</source>
        <translation>Mittlere Ortszeit La Paz</translation>
    </message>
    <message>
        <source>Latvian Summer Time</source>
        <translation>Lettische Sommerzeit</translation>
    </message>
    <message>
        <source>Line Islands Time</source>
        <translation>Linieninseln-Zeit</translation>
    </message>
    <message>
        <source>Local Mean Time</source>
        <translation>Mittlere Ortszeit</translation>
    </message>
    <message>
        <source>Madras Mean Time</source>
        <translation>Mittlere Ortszeit Madras</translation>
    </message>
    <message>
        <source>Makassar Mean Time</source>
        <translation>Mittlere Ortszeit Makassar</translation>
    </message>
    <message>
        <source>Malaya Time</source>
        <translation>Malaiische Zeit</translation>
    </message>
    <message>
        <source>Male Mean Time</source>
        <translation>Mittlere Ortszeit Malé</translation>
    </message>
    <message>
        <source>Managua Mean Time</source>
        <translation>Mittlere Ortszeit Managua</translation>
    </message>
    <message>
        <source>Marquesas Time</source>
        <translation>Marquesas-Zeit</translation>
    </message>
    <message>
        <source>Minsk Mean Time</source>
        <translation>Mittlere Ortszeit Minsk</translation>
    </message>
    <message>
        <source>Monrovia Mean Time</source>
        <translation>Mittlere Ortszeit Monrovia</translation>
    </message>
    <message>
        <source>Monrovia Time</source>
        <translation>Monrovia-Zeit</translation>
    </message>
    <message>
        <source>Moratuwa Mean Time</source>
        <translation>Mittlere Ortszeit Moratuwa</translation>
    </message>
    <message>
        <source>Moscow Double Summer Time</source>
        <translation>Moskauer Doppelte Sommerzeit</translation>
    </message>
    <message>
        <source>Moscow Mean Time</source>
        <translation>Mittlere Ortszeit Moskau</translation>
    </message>
    <message>
        <source>Moscow Summer Time</source>
        <translation>Moskauer Sommerzeit</translation>
    </message>
    <message>
        <source>Moscow Time</source>
        <translation>Moskauer Zeit</translation>
    </message>
    <message>
        <source>Nepal Time</source>
        <translation>Nepalesische Zeit</translation>
    </message>
    <message>
        <source>Netherlands Summer Time</source>
        <translation>Niederländische Sommerzeit</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time</source>
        <translation>Neufundland-Sommerzeit</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time (until 1935)</source>
        <translation>Neufundland-Sommerzeit (bis 1935)</translation>
    </message>
    <message>
        <source>Newfoundland Double Daylight Time</source>
        <translation>Neufundland-Doppelsommerzeit</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time (until 1935)</source>
        <translation>Neufundland-Normalzeit (bis 1935)</translation>
    </message>
    <message>
        <source>Nigeria and Gold Coast Time</source>
        <translation>Zeit von Nigeria und der Goldküste</translation>
    </message>
    <message>
        <source>North Borneo Summer Time</source>
        <translation>Nordborneo-Sommerzeit</translation>
    </message>
    <message>
        <source>Paramaribo Mean Time</source>
        <translation>Mittlere Ortszeit Paramaribo</translation>
    </message>
    <message>
        <source>Paris Mean Time</source>
        <translation>Mittlere Ortszeit Paris</translation>
    </message>
    <message>
        <source>Perm Mean Time</source>
        <translation>Mittlere Ortszeit Perm</translation>
    </message>
    <message>
        <source>Pontianak Mean Time</source>
        <translation>Mittlere Ortszeit Pontianak</translation>
    </message>
    <message>
        <source>Port-au-Prince Mean Time</source>
        <translation>Mittlere Ortszeit Port-au-Prince</translation>
    </message>
    <message>
        <source>Quito Mean Time</source>
        <translation>Mittlere Ortszeit Quito</translation>
    </message>
    <message>
        <source>Rangoon Mean Time</source>
        <translation>Mittlere Ortszeit Rangun</translation>
    </message>
    <message>
        <source>Riga Mean Time</source>
        <translation>Mittlere Ortszeit Riga</translation>
    </message>
    <message>
        <source>Samoa Standard Time (until 1950)</source>
        <translation>Samoa-Normalzeit (bis 1950)</translation>
    </message>
    <message>
        <source>San Jose Mean Time</source>
        <translation>Mittlere Ortszeit San José</translation>
    </message>
    <message>
        <source>Santiago Mean Time</source>
        <translation>Mittlere Ortszeit Santiago</translation>
    </message>
    <message>
        <source>Santo Domingo Mean Time</source>
        <translation>Mittlere Ortszeit Santo Domingo</translation>
    </message>
    <message>
        <source>Sierra Leone Summer Time</source>
        <translation>Sierra-Leone-Sommerzeit</translation>
    </message>
    <message>
        <source>Simferopol Mean Time</source>
        <translation>Mittlere Ortszeit Simferopol</translation>
    </message>
    <message>
        <source>Singapore Mean Time</source>
        <translation>Mittlere Ortszeit Singapur</translation>
    </message>
    <message>
        <source>South Africa Time (until 1903)</source>
        <translation>Südafrikanische Zeit (bis 1903)</translation>
    </message>
    <message>
        <source>Tallinn Mean Time</source>
        <translation>Mittlere Ortszeit Tallinn</translation>
    </message>
    <message>
        <source>Tbilisi Mean Time</source>
        <translation>Mittlere Ortszeit Tiflis</translation>
    </message>
    <message>
        <source>Tehran Mean Time</source>
        <translation>Mittlere Ortszeit Teheran</translation>
    </message>
    <message>
        <source>Tonga Time</source>
        <translation>Tonga-Zeit</translation>
    </message>
    <message>
        <source>Tonga Time (until 1941)</source>
        <translation>Tonga-Zeit (bis 1941)</translation>
    </message>
    <message>
        <source>Venezuela Time</source>
        <translation>Venezolanische Zeit</translation>
    </message>
    <message>
        <source>Warsaw Mean Time</source>
        <translation>Mittlere Ortszeit Warschau</translation>
    </message>
    <message>
        <source>Western Central Australia Time</source>
        <translation>Zentral-/Westaustralische Zeit</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1 mit Sommerzeit</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>von Hand eingegeben</translation>
    </message>
    <message>
        <source>from the atlas (%1)</source>
        <translation>aus dem Atlas (%1)</translation>
    </message>
    <message>
        <source>from the reading file %1</source>
        <translation>aus der Deutungsdatei %1</translation>
    </message>
    <message>
        <source>Universal time %1 · %2 · %3</source>
        <translation>Weltzeit %1 · %2 · %3</translation>
    </message>
    <message>
        <source>from the longitude</source>
        <translation>nach der geografischen Länge</translation>
    </message>
</context>
</TS>
