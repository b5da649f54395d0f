<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Astrology</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>Ari</source>
        <comment>sign abbreviation</comment>
        <translation>Ári</translation>
    </message>
    <message>
        <source>Tau</source>
        <comment>sign abbreviation</comment>
        <translation>Tou</translation>
    </message>
    <message>
        <source>Gem</source>
        <comment>sign abbreviation</comment>
        <translation>Gêm</translation>
    </message>
    <message>
        <source>Can</source>
        <comment>sign abbreviation</comment>
        <translation>Cân</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign abbreviation</comment>
        <translation>Leã</translation>
    </message>
    <message>
        <source>Vir</source>
        <comment>sign abbreviation</comment>
        <translation>Vir</translation>
    </message>
    <message>
        <source>Lib</source>
        <comment>sign abbreviation</comment>
        <translation>Lib</translation>
    </message>
    <message>
        <source>Sco</source>
        <comment>sign abbreviation</comment>
        <translation>Esc</translation>
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
        <translation>Aqu</translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>sign abbreviation</comment>
        <translation>Pei</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
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
        <translation>Meio do Céu</translation>
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
        <source>conjunction</source>
        <translation>conjunção</translation>
    </message>
    <message>
        <source>opposition</source>
        <translation>oposição</translation>
    </message>
    <message>
        <source>trine</source>
        <translation>trígono</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadratura</translation>
    </message>
    <message>
        <source>sextile</source>
        <translation>sextil</translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation>Signos inteiros</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Iguais</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porfírio</translation>
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
        <translation>Topocêntrico</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Feixe</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Tigela</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Balde</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Locomotiva</translation>
    </message>
    <message>
        <source>Seesaw</source>
        <translation>Gangorra</translation>
    </message>
    <message>
        <source>Splay</source>
        <translation>Leque</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Dispersão</translation>
    </message>
</context>
<context>
    <name>ChartNotes</name>
    <message>
        <source>%1 houses are undefined at %2, inside the polar circle, where part of the ecliptic never rises or sets; Porphyry houses are shown instead.</source>
        <translation>As casas %1 não são definidas a %2, dentro do círculo polar, onde parte da eclíptica nunca nasce nem se põe; em seu lugar são mostradas casas Porfírio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, inside the polar circle, where their cusps would not follow each other round the ecliptic; Porphyry houses are shown instead.</source>
        <translation>As casas %1 não são definidas a %2 neste horário, dentro do círculo polar, onde suas cúspides não se sucederiam em ordem ao redor da eclíptica; em seu lugar são mostradas casas Porfírio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, while the midheaven is below the horizon; Porphyry houses are shown instead.</source>
        <translation>As casas %1 não são definidas a %2 neste horário, pois o Meio do Céu está abaixo do horizonte; em seu lugar são mostradas casas Porfírio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the North Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>As casas %1 não são definidas no Polo Norte, onde nenhum ponto da eclíptica nasce no leste; em seu lugar são mostradas casas Porfírio para um ponto a 11 m do polo.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the South Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>As casas %1 não são definidas no Polo Sul, onde nenhum ponto da eclíptica nasce no leste; em seu lugar são mostradas casas Porfírio para um ponto a 11 m do polo.</translation>
    </message>
    <message>
        <source>The built-in formulas cover %1 to %2; this chart&apos;s positions come from the precise table, and retrograde planets are marked by their motion.</source>
        <translation>As fórmulas embutidas cobrem de %1 a %2; as posições deste mapa vêm da tabela precisa, e os planetas retrógrados são marcados pelo seu movimento.</translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Digite apenas números</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Informe uma latitude válida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Informe uma longitude válida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>Em um polo (latitude de 90 graus) nenhum ponto do zodíaco nasce no leste, por isso o mapa não tem Ascendente. Informe uma latitude menor que 90 graus.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Informe o seu nome</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Informe os graus da latitude</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Informe os minutos da latitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Informe os graus da longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Informe os minutos da longitude</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Informe a sua cidade de nascimento</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Informe o seu estado</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Informe o seu país</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Selecione a direção da latitude (norte ou sul)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Selecione a direção da longitude (leste ou oeste)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Informe uma data válida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Informe uma data válida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Verifique o arquivo.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.</source>
        <translation>%1 lidera, o primeiro planeta a surgir do arco vazio: com %2, o mapa inteiro se põe em movimento.</translation>
    </message>
    <message>
        <source>%1 stands alone as the handle: the chart&apos;s energy flows out through %2.</source>
        <translation>%1 forma a alça, à parte dos demais: a energia do mapa flui para fora mediante %2.</translation>
    </message>
    <message>
        <source>%1 and %2 stand together as the handle: the chart&apos;s energy flows out through %3, and through %4.</source>
        <translation>%1 e %2 formam, lado a lado, a alça: a energia do mapa flui para fora mediante %3, e mediante %4.</translation>
    </message>
    <message>
        <source>All ten planets lie within a trine: life gathers round a few concerns, followed with great focus.</source>
        <translation>Os dez planetas cabem num trígono: a vida gira em torno de poucas questões, perseguidas com grande foco.</translation>
    </message>
    <message>
        <source>The planets fill one half of the wheel and leave the other empty: a sense of purpose that reaches out towards what seems to be missing.</source>
        <translation>Os planetas preenchem metade da roda e deixam a outra vazia: um senso de propósito que se estende em direção ao que parece faltar.</translation>
    </message>
    <message>
        <source>One planet, or a close pair, stands apart from a half wheel of the others and carries their energy out into the world.</source>
        <translation>Um planeta, ou um par próximo, fica à parte dos demais, reunidos em meia roda, e leva a energia deles para o mundo.</translation>
    </message>
    <message>
        <source>The planets spread over two thirds of the wheel and leave an empty trine: a steady, self-driven push that keeps going.</source>
        <translation>Os planetas se espalham por dois terços da roda e deixam um trígono vazio: um impulso constante e próprio, que não para.</translation>
    </message>
    <message>
        <source>Two groups of planets face each other across two empty stretches: a life spent weighing one side against the other.</source>
        <translation>Dois grupos de planetas se defrontam através de dois trechos vazios: uma vida passada pesando um lado contra o outro.</translation>
    </message>
    <message>
        <source>The planets gather at three or four separate points: strong, individual interests that go their own way.</source>
        <translation>Os planetas se agrupam em três ou quatro pontos separados: interesses fortes e individuais que seguem seu próprio caminho.</translation>
    </message>
    <message>
        <source>The planets are spread all round the wheel: wide interests and a gift for many things at once.</source>
        <translation>Os planetas se espalham por toda a roda: interesses amplos e um dom para muitas coisas ao mesmo tempo.</translation>
    </message>
    <message>
        <source>the wish to be oneself and to be seen</source>
        <translation>o desejo de ser quem se é e de ser visto</translation>
    </message>
    <message>
        <source>feelings, moods and the need to feel at home</source>
        <translation>os sentimentos, os humores e a necessidade de se sentir em casa</translation>
    </message>
    <message>
        <source>thinking, talking and learning</source>
        <translation>o pensamento, a fala e o aprendizado</translation>
    </message>
    <message>
        <source>love, friendship and a sense of beauty</source>
        <translation>o amor, a amizade e o senso de beleza</translation>
    </message>
    <message>
        <source>drive, courage and the urge to act</source>
        <translation>a garra, a coragem e a vontade de agir</translation>
    </message>
    <message>
        <source>hope, growth and the search for meaning</source>
        <translation>a esperança, o crescimento e a busca de sentido</translation>
    </message>
    <message>
        <source>duty, patience and lasting structure</source>
        <translation>o dever, a paciência e as estruturas duradouras</translation>
    </message>
    <message>
        <source>independence, change and new ideas</source>
        <translation>a independência, a mudança e as ideias novas</translation>
    </message>
    <message>
        <source>imagination, ideals and compassion</source>
        <translation>a imaginação, os ideais e a compaixão</translation>
    </message>
    <message>
        <source>intensity, power and renewal</source>
        <translation>a intensidade, o poder e a renovação</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>No single planet leads this shape: its energy is shared out.</source>
        <translation>Nenhum planeta lidera sozinho esta figura: sua energia se distribui.</translation>
    </message>
    <message>
        <source>The planets occupy almost all signs, and there are no adjacent vacant signs.</source>
        <translation>Os planetas ocupam quase todos os signos, e não há dois signos vazios vizinhos.</translation>
    </message>
    <message>
        <source>You will be interested in many things in your life. You will have no limitations or restrictions in your thinking. You will alwys be wanting to find out more about everything. You will have interests in a wide variety of topics. You are adaptable and flexible in thoughts and actions.</source>
        <translation>Você vai se interessar por muitas coisas na vida. Seu pensamento não terá limites nem restrições. Você sempre vai querer saber mais sobre tudo. Terá interesse por uma grande variedade de assuntos. Você é adaptável e flexível em pensamentos e ações.</translation>
    </message>
    <message>
        <source>This scatters your energies. You will have difficulty in focusing on things.</source>
        <translation>Isso dispersa suas energias. Você terá dificuldade em se concentrar nas coisas.</translation>
    </message>
    <message>
        <source>The planets occupy the confines of a trine (120 degrees) or an even smaller space.</source>
        <translation>Os planetas ocupam os limites de um trígono (120 graus) ou um espaço ainda menor.</translation>
    </message>
    <message>
        <source>You will have a lot of personal strength. You will be focussed and not influenced by anyone. You will be confident and have good leadership qualities. You will prosper on a limited scope. You will be an expert in your field.</source>
        <translation>Você terá muita força pessoal. Saberá manter o foco sem se deixar influenciar por ninguém. Terá autoconfiança e boas qualidades de liderança. Prosperará num campo de ação limitado. Será uma autoridade na sua área.</translation>
    </message>
    <message>
        <source>You are on the go when you are active, else nothing will make you move. Your thinking will be limited. You will have many restictions. In areas other than your field you will feel lost and rejected.</source>
        <translation>Quando está em ação, você não para; fora isso, nada consegue tirar você do lugar. Seu pensamento será limitado. Você terá muitas restrições. Fora da sua área, terá uma sensação de desorientação e rejeição.</translation>
    </message>
    <message>
        <source>The planets occupy one half of the chart (180 degrees).</source>
        <translation>Os planetas ocupam metade do mapa (180 graus).</translation>
    </message>
    <message>
        <source>This is a highly motivating pattern. You will be highly determined in life. You have good people skills and can guide people for a cause. You will keep to yourself. You are very resourceful. You will be organized and on the lookout for knowledge of the unknown. You are aware of your skills and weakneses. You will have a lot of enrgy.</source>
        <translation>Esta é uma figura muito motivadora. Você terá muita determinação na vida. Sabe lidar com pessoas e pode guiá-las por uma causa. Tende a guardar as coisas para si. Tem muitos recursos. Terá senso de organização e estará sempre em busca de conhecer o desconhecido. Conhece suas habilidades e fraquezas. Terá muita energia.</translation>
    </message>
    <message>
        <source>You will feel that you are missing out on something in life. You may not be compromising and have no interest in what other people think.</source>
        <translation>Você sentirá que está perdendo algo na vida. Talvez tenha dificuldade em ceder e não se interesse pelo que os outros pensam.</translation>
    </message>
    <message>
        <source>All planets except one (or two together) occupy no more than one half of the chart. The one or two planets together oppose the other planets.</source>
        <translation>Todos os planetas, exceto um (ou dois juntos), ocupam no máximo metade do mapa. Esse planeta, ou os dois juntos, fazem oposição aos demais planetas.</translation>
    </message>
    <message>
        <source>You will direct all your energies for the fulfillment of a single purpose. You will leave no stone unturned to see that your goal is achieved. You will have superuhuman power and unthinkable determination.</source>
        <translation>Você dirigirá todas as suas energias para cumprir um único propósito. Não medirá esforços para alcançar seu objetivo. Terá uma força sobre-humana e uma determinação inimaginável.</translation>
    </message>
    <message>
        <source>The planet that is aloof can create problems for you and demands attention. It balances the rest of the chart.</source>
        <translation>O planeta isolado pode lhe criar problemas e exige atenção. Ele equilibra o restante do mapa.</translation>
    </message>
    <message>
        <source>The planets fall into two opposing groups. The vacant zodiacal areas measure at least 90 degrees or one segment 90 degrees and the other 60 degrees, never less.</source>
        <translation>Os planetas se dividem em dois grupos opostos. As áreas vazias do zodíaco medem pelo menos 90 graus cada uma, ou uma 90 graus e a outra 60 graus, nunca menos.</translation>
    </message>
    <message>
        <source>You will be able to see both the sides of a coin and wil have to decide if you want to enjoy life or suffer. You will have a dual personality. You will need to strike a balance to be able to lead a happy life.</source>
        <translation>Você saberá ver os dois lados da moeda e terá de decidir se quer aproveitar a vida ou sofrer. Terá uma personalidade dupla. Precisará encontrar um equilíbrio para levar uma vida feliz.</translation>
    </message>
    <message>
        <source>Your life will always have an up-down motion. You may be unable to make decisions.</source>
        <translation>Sua vida terá sempre altos e baixos. Talvez você tenha dificuldade em tomar decisões.</translation>
    </message>
    <message>
        <source>The planets fall more or less evenly within two thirds of the chart, leaving an empty trine (120 degrees).</source>
        <translation>Os planetas se distribuem de forma mais ou menos regular por dois terços do mapa, deixando um trígono vazio (120 graus).</translation>
    </message>
    <message>
        <source>You are determined and physically fit to achieve your goals. You are a very practical person. The first and the last planet play an important part in shaping your personality. You will have a strong driving force. Your energy is very intense.</source>
        <translation>Você tem determinação e preparo físico para alcançar seus objetivos. É uma pessoa muito prática. O primeiro e o último planeta têm papel importante na formação da sua personalidade. Terá um forte impulso interior. Sua energia é muito intensa.</translation>
    </message>
    <message>
        <source>You will not like discipline of any kind. You will find it very easy to go from being highly energetic to becoming utterly depressed. This is caused by the empty portion of your chart.</source>
        <translation>Você não gostará de nenhum tipo de disciplina. Passará com muita facilidade de uma energia transbordante a um profundo abatimento. Isso se deve à parte vazia do seu mapa.</translation>
    </message>
    <message>
        <source>The planets are not arranged into any one of the other six patterns but are distributed somewhat irregularly around the chart, usually based upon three points of emphasis, an arrangement that may result in a grand trine.</source>
        <translation>Os planetas não formam nenhuma das outras seis figuras, mas se distribuem de forma um tanto irregular pelo mapa, geralmente em torno de três pontos de ênfase, uma disposição que pode resultar num grande trígono.</translation>
    </message>
    <message>
        <source>You will be well prepared to fight the worst battles. You will have a backup that you can turn to in times of need.</source>
        <translation>Você terá tudo o que é preciso para enfrentar as piores batalhas. Terá um apoio com que contar nos momentos de necessidade.</translation>
    </message>
    <message>
        <source>You can be ruthless. You will resist conventional ideas.</source>
        <translation>Você pode ser implacável. Resistirá às ideias convencionais.</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Positive Attributes</source>
        <translation>Traços positivos</translation>
    </message>
    <message>
        <source>Negative Attributes</source>
        <translation>Traços negativos</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>A tabela interna de posições precisas está danificada (%1). Instale o QM Starloom novamente.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Não foi possível abrir o arquivo %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Não foi possível gravar o arquivo %1.
%2</translation>
    </message>
</context>
<context>
    <name>ZoneNames</name>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>Horário de Verão do Alasca-Havaí</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>Horário Padrão do Alasca-Havaí</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>Horário de Guerra do Alasca-Havaí</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>Horário Padrão do Atlântico</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>Horário de Guerra do Atlântico</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>Horário de Verão da Austrália Central</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>Horário Padrão da Austrália Central</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>Horário de Verão da Austrália Oriental</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>Horário Padrão da Austrália Oriental</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>Horário de Verão da Austrália Ocidental</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>Horário Padrão da Austrália Ocidental</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>Horário dos Açores</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>Horário de Bagdá</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>Horário Padrão de Bering</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>Fuso 2 do Brasil</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>Horário Duplo de Verão Britânico</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>Horário de Verão Britânico</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>Horário de Guerra Britânico</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>Horário de Verão Central</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>Horário de Verão da Europa Central</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>Horário da Europa Central</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>Horário Padrão Central</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>Horário de Guerra Central</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>Horário da Costa Chinesa</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>Horário de Verão do Leste</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>Horário de Verão da Europa Oriental</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>Horário da Europa Oriental</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>Horário Padrão do Leste</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>Horário de Guerra do Leste</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>Horário do Meridiano de Greenwich</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>Horário Padrão de Guam</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>Horário de Verão do Havaí</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>Horário Padrão do Havaí</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>Horário de Guerra do Havaí</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>Horário da Índia</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>Linha Internacional de Data (Leste)</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>Linha Internacional de Data (Oeste)</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>Horário do Irã</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>Horário Padrão do Japão</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>Horário de Java</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>Horário de Verão da Europa Central</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>Horário Padrão da Europa Central</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>Horário das Molucas</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>Horário de Verão das Montanhas</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>Horário Padrão das Montanhas</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>Horário de Guerra das Montanhas</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>Horário de Verão Padrão da Nova Zelândia</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>Horário Padrão da Nova Zelândia</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>Horário de Verão da Nova Zelândia</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>Horário da Nova Zelândia</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>Horário Padrão da Terra Nova</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>Horário de Nome</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>Horário do Norte de Sumatra</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>Horário de Verão do Pacífico</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>Horário Padrão do Pacífico</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>Horário de Guerra do Pacífico</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>Horário de Verão da Austrália Meridional</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>Horário Padrão da Austrália Meridional</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>Horário do Sul de Sumatra</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Tempo Universal</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>Zona 10 da URSS</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>Zona 3 da URSS</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>Zona 4 da URSS</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>Zona 5 da URSS</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>Zona 6 da URSS</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>Horário da África Ocidental</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>Horário de Verão do Yukon</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>Horário Padrão do Yukon</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>Horário de Guerra do Yukon</translation>
    </message>
    <message>
        <source>Addis Ababa Mean Time</source>
        <translation>Horário Médio de Adis Abeba</translation>
    </message>
    <message>
        <source>Afghanistan Time</source>
        <translation>Horário do Afeganistão</translation>
    </message>
    <message>
        <source>Amsterdam Time</source>
        <translation>Horário de Amsterdã</translation>
    </message>
    <message>
        <source>Asuncion Mean Time</source>
        <translation>Horário Médio de Assunção</translation>
    </message>
    <message>
        <source>Athens Mean Time</source>
        <translation>Horário Médio de Atenas</translation>
    </message>
    <message>
        <source>Baghdad Mean Time</source>
        <translation>Horário Médio de Bagdá</translation>
    </message>
    <message>
        <source>Bangkok Mean Time</source>
        <translation>Horário Médio de Bangkok</translation>
    </message>
    <message>
        <source>Batavia Mean Time</source>
        <translation>Horário Médio da Batávia</translation>
    </message>
    <message>
        <source>Bathurst Mean Time</source>
        <translation>Horário Médio de Bathurst</translation>
    </message>
    <message>
        <source>Belize Half Hour Daylight Time</source>
        <translation>Horário de Verão de Meia Hora de Belize</translation>
    </message>
    <message>
        <source>Bermuda Mean Time</source>
        <translation>Horário Médio das Bermudas</translation>
    </message>
    <message>
        <source>Bermuda Summer Time</source>
        <translation>Horário de Verão das Bermudas</translation>
    </message>
    <message>
        <source>Bogota Mean Time</source>
        <translation>Horário Médio de Bogotá</translation>
    </message>
    <message>
        <source>Bolivia Summer Time</source>
        <translation>Horário de Verão da Bolívia</translation>
    </message>
    <message>
        <source>Bucharest Mean Time</source>
        <translation>Horário Médio de Bucareste</translation>
    </message>
    <message>
        <source>Caracas Mean Time</source>
        <translation>Horário Médio de Caracas</translation>
    </message>
    <message>
        <source>Central European Midsummer Time</source>
        <translation>Horário de Alto Verão da Europa Central</translation>
    </message>
    <message>
        <source>Chatham Daylight Time</source>
        <translation>Horário de Verão de Chatham</translation>
    </message>
    <message>
        <source>Chatham Standard Time</source>
        <translation>Horário Padrão de Chatham</translation>
    </message>
    <message>
        <source>Chisinau Mean Time</source>
        <translation>Horário Médio de Chisinau</translation>
    </message>
    <message>
        <source>Colon Mean Time</source>
        <translation>Horário Médio de Colón</translation>
    </message>
    <message>
        <source>Cordoba Mean Time</source>
        <translation>Horário Médio de Córdoba</translation>
    </message>
    <message>
        <source>Dublin Mean Time</source>
        <translation>Horário Médio de Dublin</translation>
    </message>
    <message>
        <source>East Africa Time</source>
        <translation>Horário da África Oriental</translation>
    </message>
    <message>
        <source>East Africa Time (+2:30)</source>
        <translation>Horário da África Oriental (+2:30)</translation>
    </message>
    <message>
        <source>East Africa Time (+2:45)</source>
        <translation>Horário da África Oriental (+2:45)</translation>
    </message>
    <message>
        <source>Fort-de-France Mean Time</source>
        <translation>Horário Médio de Fort-de-France</translation>
    </message>
    <message>
        <source>Freetown Mean Time</source>
        <translation>Horário Médio de Freetown</translation>
    </message>
    <message>
        <source>Funchal Mean Time</source>
        <translation>Horário Médio do Funchal</translation>
    </message>
    <message>
        <source>Guyana Time</source>
        <translation>Horário da Guiana</translation>
    </message>
    <message>
        <source>Havana Mean Time</source>
        <translation>Horário Médio de Havana</translation>
    </message>
    <message>
        <source>Helsinki Mean Time</source>
        <translation>Horário Médio de Helsinque</translation>
    </message>
    <message>
        <source>Horta Mean Time</source>
        <translation>Horário Médio da Horta</translation>
    </message>
    <message>
        <source>Howrah Mean Time</source>
        <translation>Horário Médio de Howrah</translation>
    </message>
    <message>
        <source>Irish Summer Time</source>
        <translation>Horário de Verão da Irlanda</translation>
    </message>
    <message>
        <source>Irkutsk Mean Time</source>
        <translation>Horário Médio de Irkutsk</translation>
    </message>
    <message>
        <source>Istanbul Mean Time</source>
        <translation>Horário Médio de Istambul</translation>
    </message>
    <message>
        <source>Jamestown Mean Time</source>
        <translation>Horário Médio de Jamestown</translation>
    </message>
    <message>
        <source>Jerusalem Mean Time</source>
        <translation>Horário Médio de Jerusalém</translation>
    </message>
    <message>
        <source>Kaunas Mean Time</source>
        <translation>Horário Médio de Kaunas</translation>
    </message>
    <message>
        <source>Kingston Mean Time</source>
        <translation>Horário Médio de Kingston</translation>
    </message>
    <message>
        <source>Kingstown Mean Time</source>
        <translation>Horário Médio de Kingstown</translation>
    </message>
    <message>
        <source>Kyiv Mean Time</source>
        <translation>Horário Médio de Kiev</translation>
    </message>
    <message>
        <source>La Paz Mean Time</source>
        <translation>Horário Médio de La Paz</translation>
    </message>
    <message>
        <source>Latvian Summer Time</source>
        <translation>Horário de Verão da Letônia</translation>
    </message>
    <message>
        <source>Line Islands Time</source>
        <translation>Horário das Ilhas Line</translation>
    </message>
    <message>
        <source>Local Mean Time</source>
        <translation>Horário Médio Local</translation>
    </message>
    <message>
        <source>Madras Mean Time</source>
        <translation>Horário Médio de Madras</translation>
    </message>
    <message>
        <source>Makassar Mean Time</source>
        <translation>Horário Médio de Makassar</translation>
    </message>
    <message>
        <source>Malaya Time</source>
        <translation>Horário da Malaia</translation>
    </message>
    <message>
        <source>Male Mean Time</source>
        <translation>Horário Médio de Malé</translation>
    </message>
    <message>
        <source>Managua Mean Time</source>
        <translation>Horário Médio de Manágua</translation>
    </message>
    <message>
        <source>Marquesas Time</source>
        <translation>Horário das Marquesas</translation>
    </message>
    <message>
        <source>Minsk Mean Time</source>
        <translation>Horário Médio de Minsk</translation>
    </message>
    <message>
        <source>Monrovia Mean Time</source>
        <translation>Horário Médio de Monróvia</translation>
    </message>
    <message>
        <source>Monrovia Time</source>
        <translation>Horário de Monróvia</translation>
    </message>
    <message>
        <source>Moratuwa Mean Time</source>
        <translation>Horário Médio de Moratuwa</translation>
    </message>
    <message>
        <source>Moscow Double Summer Time</source>
        <translation>Horário de Verão Duplo de Moscou</translation>
    </message>
    <message>
        <source>Moscow Mean Time</source>
        <translation>Horário Médio de Moscou</translation>
    </message>
    <message>
        <source>Moscow Summer Time</source>
        <translation>Horário de Verão de Moscou</translation>
    </message>
    <message>
        <source>Moscow Time</source>
        <translation>Horário de Moscou</translation>
    </message>
    <message>
        <source>Nepal Time</source>
        <translation>Horário do Nepal</translation>
    </message>
    <message>
        <source>Netherlands Summer Time</source>
        <translation>Horário de Verão dos Países Baixos</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time</source>
        <translation>Horário de Verão da Terra Nova</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time (until 1935)</source>
        <translation>Horário de Verão da Terra Nova (até 1935)</translation>
    </message>
    <message>
        <source>Newfoundland Double Daylight Time</source>
        <translation>Horário de Verão Duplo da Terra Nova</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time (until 1935)</source>
        <translation>Horário Padrão da Terra Nova (até 1935)</translation>
    </message>
    <message>
        <source>Nigeria and Gold Coast Time</source>
        <translation>Horário da Nigéria e Costa do Ouro</translation>
    </message>
    <message>
        <source>North Borneo Summer Time</source>
        <translation>Horário de Verão de Bornéu do Norte</translation>
    </message>
    <message>
        <source>Paramaribo Mean Time</source>
        <translation>Horário Médio de Paramaribo</translation>
    </message>
    <message>
        <source>Paris Mean Time</source>
        <translation>Horário Médio de Paris</translation>
    </message>
    <message>
        <source>Perm Mean Time</source>
        <translation>Horário Médio de Perm</translation>
    </message>
    <message>
        <source>Pontianak Mean Time</source>
        <translation>Horário Médio de Pontianak</translation>
    </message>
    <message>
        <source>Port-au-Prince Mean Time</source>
        <translation>Horário Médio de Porto Príncipe</translation>
    </message>
    <message>
        <source>Quito Mean Time</source>
        <translation>Horário Médio de Quito</translation>
    </message>
    <message>
        <source>Rangoon Mean Time</source>
        <translation>Horário Médio de Rangum</translation>
    </message>
    <message>
        <source>Riga Mean Time</source>
        <translation>Horário Médio de Riga</translation>
    </message>
    <message>
        <source>Samoa Standard Time (until 1950)</source>
        <translation>Horário Padrão de Samoa (até 1950)</translation>
    </message>
    <message>
        <source>San Jose Mean Time</source>
        <translation>Horário Médio de San José</translation>
    </message>
    <message>
        <source>Santiago Mean Time</source>
        <translation>Horário Médio de Santiago</translation>
    </message>
    <message>
        <source>Santo Domingo Mean Time</source>
        <translation>Horário Médio de Santo Domingo</translation>
    </message>
    <message>
        <source>Sierra Leone Summer Time</source>
        <translation>Horário de Verão de Serra Leoa</translation>
    </message>
    <message>
        <source>Simferopol Mean Time</source>
        <translation>Horário Médio de Simferopol</translation>
    </message>
    <message>
        <source>Singapore Mean Time</source>
        <translation>Horário Médio de Singapura</translation>
    </message>
    <message>
        <source>South Africa Time (until 1903)</source>
        <translation>Horário da África do Sul (até 1903)</translation>
    </message>
    <message>
        <source>Tallinn Mean Time</source>
        <translation>Horário Médio de Tallinn</translation>
    </message>
    <message>
        <source>Tbilisi Mean Time</source>
        <translation>Horário Médio de Tbilisi</translation>
    </message>
    <message>
        <source>Tehran Mean Time</source>
        <translation>Horário Médio de Teerã</translation>
    </message>
    <message>
        <source>Tonga Time</source>
        <translation>Horário de Tonga</translation>
    </message>
    <message>
        <source>Tonga Time (until 1941)</source>
        <translation>Horário de Tonga (até 1941)</translation>
    </message>
    <message>
        <source>Venezuela Time</source>
        <translation>Horário da Venezuela</translation>
    </message>
    <message>
        <source>Warsaw Mean Time</source>
        <translation>Horário Médio de Varsóvia</translation>
    </message>
    <message>
        <source>Western Central Australia Time</source>
        <translation>Horário da Austrália Centro-Ocidental</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1 com horário de verão</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>informado à mão</translation>
    </message>
    <message>
        <source>from the atlas (%1)</source>
        <translation>segundo o atlas (%1)</translation>
    </message>
    <message>
        <source>from the reading file %1</source>
        <translation>segundo o arquivo de leitura %1</translation>
    </message>
    <message>
        <source>Universal time %1 · %2 · %3</source>
        <translation>Tempo universal %1 · %2 · %3</translation>
    </message>
    <message>
        <source>from the longitude</source>
        <translation>pela longitude</translation>
    </message>
</context>
</TS>
