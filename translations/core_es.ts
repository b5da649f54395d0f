<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Astrology</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Ari</source>
        <comment>sign abbreviation</comment>
        <translation>Ari</translation>
    </message>
    <message>
        <source>Tau</source>
        <comment>sign abbreviation</comment>
        <translation>Tau</translation>
    </message>
    <message>
        <source>Gem</source>
        <comment>sign abbreviation</comment>
        <translation>Gém</translation>
    </message>
    <message>
        <source>Can</source>
        <comment>sign abbreviation</comment>
        <translation>Cán</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign abbreviation</comment>
        <translation>Leo</translation>
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
        <translation>Acu</translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>sign abbreviation</comment>
        <translation>Pis</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
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
        <translation>Venus</translation>
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
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
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
        <translation>Nodo Norte</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>Nodo Sur</translation>
    </message>
    <message>
        <source>conjunction</source>
        <translation>conjunción</translation>
    </message>
    <message>
        <source>opposition</source>
        <translation>oposición</translation>
    </message>
    <message>
        <source>trine</source>
        <translation>trígono</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadratura</translation>
    </message>
    <message>
        <source>sextile</source>
        <translation>sextil</translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation>Signos enteros</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Iguales</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porfirio</translation>
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
        <translation>Regiomontano</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campano</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Topocentric</source>
        <translation>Topocéntrico</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Racimo</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Cuenco</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Locomotora</translation>
    </message>
    <message>
        <source>Seesaw</source>
        <translation>Balancín</translation>
    </message>
    <message>
        <source>Splay</source>
        <translation>Abanico</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Dispersión</translation>
    </message>
</context>
<context>
    <name>ChartNotes</name>
    <message>
        <source>%1 houses are undefined at %2, inside the polar circle, where part of the ecliptic never rises or sets; Porphyry houses are shown instead.</source>
        <translation>Las casas %1 no están definidas a %2, dentro del círculo polar, donde parte de la eclíptica nunca sale ni se pone; en su lugar se muestran casas Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, inside the polar circle, where their cusps would not follow each other round the ecliptic; Porphyry houses are shown instead.</source>
        <translation>Las casas %1 no están definidas a %2 a esta hora, dentro del círculo polar, donde sus cúspides no se sucederían en orden alrededor de la eclíptica; en su lugar se muestran casas Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, while the midheaven is below the horizon; Porphyry houses are shown instead.</source>
        <translation>Las casas %1 no están definidas a %2 a esta hora, porque el Medio Cielo está bajo el horizonte; en su lugar se muestran casas Porfirio.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the North Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Las casas %1 no están definidas en el Polo Norte, donde ningún punto de la eclíptica sale por el este; en su lugar se muestran casas Porfirio para un punto a 11 m del polo.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the South Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Las casas %1 no están definidas en el Polo Sur, donde ningún punto de la eclíptica sale por el este; en su lugar se muestran casas Porfirio para un punto a 11 m del polo.</translation>
    </message>
    <message>
        <source>The built-in formulas cover %1 to %2; this chart&apos;s positions come from the precise table, and retrograde planets are marked by their motion.</source>
        <translation>Las fórmulas integradas abarcan de %1 a %2; las posiciones de esta carta proceden de la tabla precisa, y los planetas retrógrados se marcan según su movimiento.</translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Introduzca solo números</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Introduzca una latitud válida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Introduzca una longitud válida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>En un polo (latitud 90 grados) ningún punto del zodíaco asciende por el este, de modo que la carta no tiene Ascendente. Introduzca una latitud inferior a 90 grados.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Introduzca los grados de la latitud</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Introduzca los minutos de la latitud</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Introduzca los grados de la longitud</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Introduzca los minutos de la longitud</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Introduzca su ciudad de nacimiento</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Introduzca su región (estado o provincia)</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Introduzca su país</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Seleccione la dirección de la latitud (norte o sur)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Seleccione la dirección de la longitud (este u oeste)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduzca una fecha válida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Introduzca una fecha válida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Revise el archivo.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.</source>
        <translation>%1 lidera, el primer planeta que surge del arco vacío: con %2 se pone en marcha toda la carta.</translation>
    </message>
    <message>
        <source>%1 stands alone as the handle: the chart&apos;s energy flows out through %2.</source>
        <translation>%1 forma el asa, a distancia de los demás: la energía de la carta fluye hacia fuera mediante %2.</translation>
    </message>
    <message>
        <source>%1 and %2 stand together as the handle: the chart&apos;s energy flows out through %3, and through %4.</source>
        <translation>%1 y %2 forman en pareja el asa: la energía de la carta fluye hacia fuera mediante %3, y mediante %4.</translation>
    </message>
    <message>
        <source>All ten planets lie within a trine: life gathers round a few concerns, followed with great focus.</source>
        <translation>Los diez planetas caben en un trígono: la vida gira en torno a unas pocas inquietudes, que se persiguen con gran concentración.</translation>
    </message>
    <message>
        <source>The planets fill one half of the wheel and leave the other empty: a sense of purpose that reaches out towards what seems to be missing.</source>
        <translation>Los planetas llenan una mitad de la rueda y dejan la otra vacía: un sentido de propósito que se extiende hacia lo que parece faltar.</translation>
    </message>
    <message>
        <source>One planet, or a close pair, stands apart from a half wheel of the others and carries their energy out into the world.</source>
        <translation>Un planeta, o una pareja cercana, se aparta de los demás, reunidos en media rueda, y lleva su energía al mundo.</translation>
    </message>
    <message>
        <source>The planets spread over two thirds of the wheel and leave an empty trine: a steady, self-driven push that keeps going.</source>
        <translation>Los planetas se extienden por dos tercios de la rueda y dejan un trígono vacío: un impulso constante y propio que no se detiene.</translation>
    </message>
    <message>
        <source>Two groups of planets face each other across two empty stretches: a life spent weighing one side against the other.</source>
        <translation>Dos grupos de planetas se enfrentan a través de dos tramos vacíos: una vida dedicada a sopesar un lado frente al otro.</translation>
    </message>
    <message>
        <source>The planets gather at three or four separate points: strong, individual interests that go their own way.</source>
        <translation>Los planetas se agrupan en tres o cuatro puntos separados: intereses fuertes e individuales que siguen su propio camino.</translation>
    </message>
    <message>
        <source>The planets are spread all round the wheel: wide interests and a gift for many things at once.</source>
        <translation>Los planetas se reparten por toda la rueda: intereses amplios y un don para muchas cosas a la vez.</translation>
    </message>
    <message>
        <source>the wish to be oneself and to be seen</source>
        <translation>el deseo de ser uno mismo y de ser visto</translation>
    </message>
    <message>
        <source>feelings, moods and the need to feel at home</source>
        <translation>los sentimientos, los estados de ánimo y la necesidad de sentirse en casa</translation>
    </message>
    <message>
        <source>thinking, talking and learning</source>
        <translation>el pensamiento, la palabra y el aprendizaje</translation>
    </message>
    <message>
        <source>love, friendship and a sense of beauty</source>
        <translation>el amor, la amistad y el sentido de la belleza</translation>
    </message>
    <message>
        <source>drive, courage and the urge to act</source>
        <translation>el impulso, el valor y las ganas de actuar</translation>
    </message>
    <message>
        <source>hope, growth and the search for meaning</source>
        <translation>la esperanza, el crecimiento y la búsqueda de sentido</translation>
    </message>
    <message>
        <source>duty, patience and lasting structure</source>
        <translation>el deber, la paciencia y las estructuras duraderas</translation>
    </message>
    <message>
        <source>independence, change and new ideas</source>
        <translation>la independencia, el cambio y las ideas nuevas</translation>
    </message>
    <message>
        <source>imagination, ideals and compassion</source>
        <translation>la imaginación, los ideales y la compasión</translation>
    </message>
    <message>
        <source>intensity, power and renewal</source>
        <translation>la intensidad, el poder y la renovación</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>No single planet leads this shape: its energy is shared out.</source>
        <translation>Ningún planeta lidera por sí solo esta figura: su energía se reparte.</translation>
    </message>
    <message>
        <source>The planets occupy almost all signs, and there are no adjacent vacant signs.</source>
        <translation>Los planetas ocupan casi todos los signos y no hay dos signos vacíos contiguos.</translation>
    </message>
    <message>
        <source>You will be interested in many things in your life. You will have no limitations or restrictions in your thinking. You will alwys be wanting to find out more about everything. You will have interests in a wide variety of topics. You are adaptable and flexible in thoughts and actions.</source>
        <translation>Se interesará por muchas cosas a lo largo de su vida. Su pensamiento no conocerá límites ni restricciones. Siempre querrá saber más sobre todo. Tendrá intereses en una gran variedad de temas. Es una persona adaptable y flexible en sus pensamientos y en sus actos.</translation>
    </message>
    <message>
        <source>This scatters your energies. You will have difficulty in focusing on things.</source>
        <translation>Esto dispersa sus energías. Le costará centrarse en las cosas.</translation>
    </message>
    <message>
        <source>The planets occupy the confines of a trine (120 degrees) or an even smaller space.</source>
        <translation>Los planetas ocupan el espacio de un trígono (120 grados) o uno aún menor.</translation>
    </message>
    <message>
        <source>You will have a lot of personal strength. You will be focussed and not influenced by anyone. You will be confident and have good leadership qualities. You will prosper on a limited scope. You will be an expert in your field.</source>
        <translation>Tendrá una gran fuerza personal. Sabrá mantener el rumbo sin dejarse influir por nadie. Tendrá seguridad y buenas dotes de liderazgo. Prosperará en un ámbito limitado. Será una autoridad en su campo.</translation>
    </message>
    <message>
        <source>You are on the go when you are active, else nothing will make you move. Your thinking will be limited. You will have many restictions. In areas other than your field you will feel lost and rejected.</source>
        <translation>Cuando se pone en marcha no para; de lo contrario, nada le hará moverse. Su pensamiento será limitado. Tendrá muchas restricciones. Fuera de su campo tendrá una sensación de desorientación y rechazo.</translation>
    </message>
    <message>
        <source>The planets occupy one half of the chart (180 degrees).</source>
        <translation>Los planetas ocupan una mitad de la carta (180 grados).</translation>
    </message>
    <message>
        <source>This is a highly motivating pattern. You will be highly determined in life. You have good people skills and can guide people for a cause. You will keep to yourself. You are very resourceful. You will be organized and on the lookout for knowledge of the unknown. You are aware of your skills and weakneses. You will have a lot of enrgy.</source>
        <translation>Es una figura muy motivadora. Tendrá una gran determinación en la vida. Tiene buen trato con la gente y sabe guiarla hacia una causa. Tenderá a guardarse las cosas para sí. Tiene muchos recursos. Será una persona organizada y siempre en busca de conocer lo desconocido. Conoce sus capacidades y sus debilidades. Tendrá mucha energía.</translation>
    </message>
    <message>
        <source>You will feel that you are missing out on something in life. You may not be compromising and have no interest in what other people think.</source>
        <translation>Sentirá que se está perdiendo algo en la vida. Puede que le cueste transigir y que no le interese lo que piensan los demás.</translation>
    </message>
    <message>
        <source>All planets except one (or two together) occupy no more than one half of the chart. The one or two planets together oppose the other planets.</source>
        <translation>Todos los planetas salvo uno (o dos juntos) ocupan como mucho una mitad de la carta. Ese planeta, o los dos juntos, se oponen a los demás planetas.</translation>
    </message>
    <message>
        <source>You will direct all your energies for the fulfillment of a single purpose. You will leave no stone unturned to see that your goal is achieved. You will have superuhuman power and unthinkable determination.</source>
        <translation>Dirigirá todas sus energías a cumplir un único propósito. No dejará piedra sin mover para alcanzar su meta. Tendrá una fuerza sobrehumana y una determinación inimaginable.</translation>
    </message>
    <message>
        <source>The planet that is aloof can create problems for you and demands attention. It balances the rest of the chart.</source>
        <translation>El planeta apartado puede causarle problemas y exige atención. Equilibra el resto de la carta.</translation>
    </message>
    <message>
        <source>The planets fall into two opposing groups. The vacant zodiacal areas measure at least 90 degrees or one segment 90 degrees and the other 60 degrees, never less.</source>
        <translation>Los planetas se dividen en dos grupos opuestos. Las zonas vacías del zodíaco miden al menos 90 grados cada una, o una 90 grados y la otra 60 grados, nunca menos.</translation>
    </message>
    <message>
        <source>You will be able to see both the sides of a coin and wil have to decide if you want to enjoy life or suffer. You will have a dual personality. You will need to strike a balance to be able to lead a happy life.</source>
        <translation>Sabrá ver las dos caras de la moneda y tendrá que decidir si quiere disfrutar de la vida o sufrir. Tendrá una doble personalidad. Necesitará encontrar un equilibrio para llevar una vida feliz.</translation>
    </message>
    <message>
        <source>Your life will always have an up-down motion. You may be unable to make decisions.</source>
        <translation>Su vida tendrá siempre altibajos. Puede que le cueste tomar decisiones.</translation>
    </message>
    <message>
        <source>The planets fall more or less evenly within two thirds of the chart, leaving an empty trine (120 degrees).</source>
        <translation>Los planetas se reparten de forma más o menos regular en dos tercios de la carta y dejan vacío un trígono (120 grados).</translation>
    </message>
    <message>
        <source>You are determined and physically fit to achieve your goals. You are a very practical person. The first and the last planet play an important part in shaping your personality. You will have a strong driving force. Your energy is very intense.</source>
        <translation>Tiene la determinación y la forma física necesarias para alcanzar sus metas. Es una persona muy práctica. El primer y el último planeta desempeñan un papel importante en la formación de su personalidad. Tendrá un fuerte impulso interior. Su energía es muy intensa.</translation>
    </message>
    <message>
        <source>You will not like discipline of any kind. You will find it very easy to go from being highly energetic to becoming utterly depressed. This is caused by the empty portion of your chart.</source>
        <translation>No le gustará ningún tipo de disciplina. Le resultará muy fácil pasar de una energía desbordante al más profundo abatimiento. Esto se debe a la parte vacía de su carta.</translation>
    </message>
    <message>
        <source>The planets are not arranged into any one of the other six patterns but are distributed somewhat irregularly around the chart, usually based upon three points of emphasis, an arrangement that may result in a grand trine.</source>
        <translation>Los planetas no forman ninguna de las otras seis figuras, sino que se reparten de forma algo irregular por la carta, normalmente en torno a tres puntos de énfasis, una disposición que puede dar lugar a un gran trígono.</translation>
    </message>
    <message>
        <source>You will be well prepared to fight the worst battles. You will have a backup that you can turn to in times of need.</source>
        <translation>Contará con todo lo necesario para librar las peores batallas. Tendrá un respaldo al que acudir en momentos de necesidad.</translation>
    </message>
    <message>
        <source>You can be ruthless. You will resist conventional ideas.</source>
        <translation>Puede mostrarse implacable. Se resistirá a las ideas convencionales.</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Positive Attributes</source>
        <translation>Rasgos positivos</translation>
    </message>
    <message>
        <source>Negative Attributes</source>
        <translation>Rasgos negativos</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>La tabla integrada de posiciones precisas está dañada (%1). Vuelva a instalar QM Starloom.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>No se pudo abrir el archivo %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>No se pudo escribir el archivo %1.
%2</translation>
    </message>
</context>
<context>
    <name>ZoneNames</name>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>hora de verano de Alaska-Hawái</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>hora estándar de Alaska-Hawái</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>hora de guerra de Alaska-Hawái</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>hora estándar del Atlántico</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>hora de guerra del Atlántico</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>hora de verano de Australia central</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>hora estándar de Australia central</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>hora de verano de Australia oriental</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>hora estándar de Australia oriental</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>hora de verano de Australia occidental</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>hora estándar de Australia occidental</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>hora de las Azores</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>hora de Bagdad</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>hora estándar de Bering</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>zona 2 de Brasil</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>hora doble de verano británica</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>hora de verano británica</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>hora de guerra británica</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>hora de verano central</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>hora de verano central europea</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>hora central europea</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>hora estándar central</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>hora de guerra central</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>hora de la costa china</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>hora de verano oriental</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>hora de verano de Europa oriental</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>hora de Europa oriental</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>hora estándar oriental</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>hora de guerra oriental</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>hora del meridiano de Greenwich</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>hora estándar de Guam</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>hora de verano de Hawái</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>hora estándar de Hawái</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>hora de guerra de Hawái</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>hora de la India</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>línea internacional de cambio de fecha (este)</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>línea internacional de cambio de fecha (oeste)</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>hora de Irán</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>hora estándar de Japón</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>hora de Java</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>hora de verano de Europa central</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>hora de Europa central</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>hora de las Molucas</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>hora de verano de las Montañas Rocosas</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>hora estándar de las Montañas Rocosas</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>hora de guerra de las Montañas Rocosas</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>hora de verano estándar de Nueva Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>hora estándar de Nueva Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>hora de verano de Nueva Zelanda</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>hora de Nueva Zelanda</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>hora estándar de Terranova</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>hora de Nome</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>hora del norte de Sumatra</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>hora de verano del Pacífico</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>hora estándar del Pacífico</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>hora de guerra del Pacífico</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>hora de verano de Australia Meridional</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>hora estándar de Australia Meridional</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>hora del sur de Sumatra</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>tiempo universal</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>zona 10 de la URSS</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>zona 3 de la URSS</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>zona 4 de la URSS</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>zona 5 de la URSS</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>zona 6 de la URSS</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>hora de África occidental</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>hora de verano del Yukón</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>hora estándar del Yukón</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>hora de guerra del Yukón</translation>
    </message>
    <message>
        <source>Addis Ababa Mean Time</source>
        <translation>hora media de Adís Abeba</translation>
    </message>
    <message>
        <source>Afghanistan Time</source>
        <translation>hora de Afganistán</translation>
    </message>
    <message>
        <source>Amsterdam Time</source>
        <translation>hora de Ámsterdam</translation>
    </message>
    <message>
        <source>Asuncion Mean Time</source>
        <translation>hora media de Asunción</translation>
    </message>
    <message>
        <source>Athens Mean Time</source>
        <translation>hora media de Atenas</translation>
    </message>
    <message>
        <source>Baghdad Mean Time</source>
        <translation>hora media de Bagdad</translation>
    </message>
    <message>
        <source>Bangkok Mean Time</source>
        <translation>hora media de Bangkok</translation>
    </message>
    <message>
        <source>Batavia Mean Time</source>
        <translation>hora media de Batavia</translation>
    </message>
    <message>
        <source>Bathurst Mean Time</source>
        <translation>hora media de Bathurst</translation>
    </message>
    <message>
        <source>Belize Half Hour Daylight Time</source>
        <translation>hora de verano de media hora de Belice</translation>
    </message>
    <message>
        <source>Bermuda Mean Time</source>
        <translation>hora media de las Bermudas</translation>
    </message>
    <message>
        <source>Bermuda Summer Time</source>
        <translation>hora de verano de las Bermudas</translation>
    </message>
    <message>
        <source>Bogota Mean Time</source>
        <translation>hora media de Bogotá</translation>
    </message>
    <message>
        <source>Bolivia Summer Time</source>
        <translation>hora de verano de Bolivia</translation>
    </message>
    <message>
        <source>Bucharest Mean Time</source>
        <translation>hora media de Bucarest</translation>
    </message>
    <message>
        <source>Caracas Mean Time</source>
        <translation>hora media de Caracas</translation>
    </message>
    <message>
        <source>Central European Midsummer Time</source>
        <translation>hora de pleno verano central europea</translation>
    </message>
    <message>
        <source>Chatham Daylight Time</source>
        <translation>hora de verano de Chatham</translation>
    </message>
    <message>
        <source>Chatham Standard Time</source>
        <translation>hora estándar de Chatham</translation>
    </message>
    <message>
        <source>Chisinau Mean Time</source>
        <translation>hora media de Chisináu</translation>
    </message>
    <message>
        <source>Colon Mean Time</source>
        <translation>hora media de Colón</translation>
    </message>
    <message>
        <source>Cordoba Mean Time</source>
        <translation>hora media de Córdoba</translation>
    </message>
    <message>
        <source>Dublin Mean Time</source>
        <translation>hora media de Dublín</translation>
    </message>
    <message>
        <source>East Africa Time</source>
        <translation>hora de África oriental</translation>
    </message>
    <message>
        <source>East Africa Time (+2:30)</source>
        <translation>hora de África oriental (+2:30)</translation>
    </message>
    <message>
        <source>East Africa Time (+2:45)</source>
        <translation>hora de África oriental (+2:45)</translation>
    </message>
    <message>
        <source>Fort-de-France Mean Time</source>
        <translation>hora media de Fort-de-France</translation>
    </message>
    <message>
        <source>Freetown Mean Time</source>
        <translation>hora media de Freetown</translation>
    </message>
    <message>
        <source>Funchal Mean Time</source>
        <translation>hora media de Funchal</translation>
    </message>
    <message>
        <source>Guyana Time</source>
        <translation>hora de Guyana</translation>
    </message>
    <message>
        <source>Havana Mean Time</source>
        <translation>hora media de La Habana</translation>
    </message>
    <message>
        <source>Helsinki Mean Time</source>
        <translation>hora media de Helsinki</translation>
    </message>
    <message>
        <source>Horta Mean Time</source>
        <translation>hora media de Horta</translation>
    </message>
    <message>
        <source>Howrah Mean Time</source>
        <translation>hora media de Howrah</translation>
    </message>
    <message>
        <source>Irish Summer Time</source>
        <translation>hora de verano de Irlanda</translation>
    </message>
    <message>
        <source>Irkutsk Mean Time</source>
        <translation>hora media de Irkutsk</translation>
    </message>
    <message>
        <source>Istanbul Mean Time</source>
        <translation>hora media de Estambul</translation>
    </message>
    <message>
        <source>Jamestown Mean Time</source>
        <translation>hora media de Jamestown</translation>
    </message>
    <message>
        <source>Jerusalem Mean Time</source>
        <translation>hora media de Jerusalén</translation>
    </message>
    <message>
        <source>Kaunas Mean Time</source>
        <translation>hora media de Kaunas</translation>
    </message>
    <message>
        <source>Kingston Mean Time</source>
        <translation>hora media de Kingston</translation>
    </message>
    <message>
        <source>Kingstown Mean Time</source>
        <translation>hora media de Kingstown</translation>
    </message>
    <message>
        <source>Kyiv Mean Time</source>
        <translation>hora media de Kiev</translation>
    </message>
    <message>
        <source>La Paz Mean Time</source>
        <translation>hora media de La Paz</translation>
    </message>
    <message>
        <source>Latvian Summer Time</source>
        <translation>hora de verano de Letonia</translation>
    </message>
    <message>
        <source>Line Islands Time</source>
        <translation>hora de las islas de la Línea</translation>
    </message>
    <message>
        <source>Local Mean Time</source>
        <translation>hora media local</translation>
    </message>
    <message>
        <source>Madras Mean Time</source>
        <translation>hora media de Madrás</translation>
    </message>
    <message>
        <source>Makassar Mean Time</source>
        <translation>hora media de Makassar</translation>
    </message>
    <message>
        <source>Malaya Time</source>
        <translation>hora de Malaya</translation>
    </message>
    <message>
        <source>Male Mean Time</source>
        <translation>hora media de Malé</translation>
    </message>
    <message>
        <source>Managua Mean Time</source>
        <translation>hora media de Managua</translation>
    </message>
    <message>
        <source>Marquesas Time</source>
        <translation>hora de las Marquesas</translation>
    </message>
    <message>
        <source>Minsk Mean Time</source>
        <translation>hora media de Minsk</translation>
    </message>
    <message>
        <source>Monrovia Mean Time</source>
        <translation>hora media de Monrovia</translation>
    </message>
    <message>
        <source>Monrovia Time</source>
        <translation>hora de Monrovia</translation>
    </message>
    <message>
        <source>Moratuwa Mean Time</source>
        <translation>hora media de Moratuwa</translation>
    </message>
    <message>
        <source>Moscow Double Summer Time</source>
        <translation>hora doble de verano de Moscú</translation>
    </message>
    <message>
        <source>Moscow Mean Time</source>
        <translation>hora media de Moscú</translation>
    </message>
    <message>
        <source>Moscow Summer Time</source>
        <translation>hora de verano de Moscú</translation>
    </message>
    <message>
        <source>Moscow Time</source>
        <translation>hora de Moscú</translation>
    </message>
    <message>
        <source>Nepal Time</source>
        <translation>hora de Nepal</translation>
    </message>
    <message>
        <source>Netherlands Summer Time</source>
        <translation>hora de verano de los Países Bajos</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time</source>
        <translation>hora de verano de Terranova</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time (until 1935)</source>
        <translation>hora de verano de Terranova (hasta 1935)</translation>
    </message>
    <message>
        <source>Newfoundland Double Daylight Time</source>
        <translation>hora doble de verano de Terranova</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time (until 1935)</source>
        <translation>hora estándar de Terranova (hasta 1935)</translation>
    </message>
    <message>
        <source>Nigeria and Gold Coast Time</source>
        <translation>hora de Nigeria y Costa de Oro</translation>
    </message>
    <message>
        <source>North Borneo Summer Time</source>
        <translation>hora de verano de Borneo del Norte</translation>
    </message>
    <message>
        <source>Paramaribo Mean Time</source>
        <translation>hora media de Paramaribo</translation>
    </message>
    <message>
        <source>Paris Mean Time</source>
        <translation>hora media de París</translation>
    </message>
    <message>
        <source>Perm Mean Time</source>
        <translation>hora media de Perm</translation>
    </message>
    <message>
        <source>Pontianak Mean Time</source>
        <translation>hora media de Pontianak</translation>
    </message>
    <message>
        <source>Port-au-Prince Mean Time</source>
        <translation>hora media de Puerto Príncipe</translation>
    </message>
    <message>
        <source>Quito Mean Time</source>
        <translation>hora media de Quito</translation>
    </message>
    <message>
        <source>Rangoon Mean Time</source>
        <translation>hora media de Rangún</translation>
    </message>
    <message>
        <source>Riga Mean Time</source>
        <translation>hora media de Riga</translation>
    </message>
    <message>
        <source>Samoa Standard Time (until 1950)</source>
        <translation>hora estándar de Samoa (hasta 1950)</translation>
    </message>
    <message>
        <source>San Jose Mean Time</source>
        <translation>hora media de San José</translation>
    </message>
    <message>
        <source>Santiago Mean Time</source>
        <translation>hora media de Santiago</translation>
    </message>
    <message>
        <source>Santo Domingo Mean Time</source>
        <translation>hora media de Santo Domingo</translation>
    </message>
    <message>
        <source>Sierra Leone Summer Time</source>
        <translation>hora de verano de Sierra Leona</translation>
    </message>
    <message>
        <source>Simferopol Mean Time</source>
        <translation>hora media de Simferópol</translation>
    </message>
    <message>
        <source>Singapore Mean Time</source>
        <translation>hora media de Singapur</translation>
    </message>
    <message>
        <source>South Africa Time (until 1903)</source>
        <translation>hora de Sudáfrica (hasta 1903)</translation>
    </message>
    <message>
        <source>Tallinn Mean Time</source>
        <translation>hora media de Tallin</translation>
    </message>
    <message>
        <source>Tbilisi Mean Time</source>
        <translation>hora media de Tiflis</translation>
    </message>
    <message>
        <source>Tehran Mean Time</source>
        <translation>hora media de Teherán</translation>
    </message>
    <message>
        <source>Tonga Time</source>
        <translation>hora de Tonga</translation>
    </message>
    <message>
        <source>Tonga Time (until 1941)</source>
        <translation>hora de Tonga (hasta 1941)</translation>
    </message>
    <message>
        <source>Venezuela Time</source>
        <translation>hora de Venezuela</translation>
    </message>
    <message>
        <source>Warsaw Mean Time</source>
        <translation>hora media de Varsovia</translation>
    </message>
    <message>
        <source>Western Central Australia Time</source>
        <translation>hora de Australia centroccidental</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1 con horario de verano</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>introducido a mano</translation>
    </message>
    <message>
        <source>from the atlas (%1)</source>
        <translation>según el atlas (%1)</translation>
    </message>
    <message>
        <source>from the reading file %1</source>
        <translation>según el archivo de lectura %1</translation>
    </message>
    <message>
        <source>Universal time %1 · %2 · %3</source>
        <translation>Tiempo universal %1 · %2 · %3</translation>
    </message>
    <message>
        <source>from the longitude</source>
        <translation>según la longitud</translation>
    </message>
</context>
</TS>
