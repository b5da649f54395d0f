<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Astrology</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Ari</source>
        <comment>sign abbreviation</comment>
        <translation>Bél</translation>
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
        <translation>Can</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign abbreviation</comment>
        <translation>Lio</translation>
    </message>
    <message>
        <source>Vir</source>
        <comment>sign abbreviation</comment>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Lib</source>
        <comment>sign abbreviation</comment>
        <translation>Bal</translation>
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
        <translation>Ver</translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>sign abbreviation</comment>
        <translation>Poi</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
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
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Milieu du Ciel</translation>
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
        <source>conjunction</source>
        <translation>conjonction</translation>
    </message>
    <message>
        <source>opposition</source>
        <translation>opposition</translation>
    </message>
    <message>
        <source>trine</source>
        <translation>trigone</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>sextile</source>
        <translation>sextile</translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation>Signes entiers</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Égales</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porphyre</translation>
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
        <translation>Topocentrique</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Faisceau</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Bol</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Seau</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Locomotive</translation>
    </message>
    <message>
        <source>Seesaw</source>
        <translation>Balançoire</translation>
    </message>
    <message>
        <source>Splay</source>
        <translation>Éventail</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Dispersion</translation>
    </message>
</context>
<context>
    <name>ChartNotes</name>
    <message>
        <source>%1 houses are undefined at %2, inside the polar circle, where part of the ecliptic never rises or sets; Porphyry houses are shown instead.</source>
        <translation>Les maisons %1 ne sont pas définies à %2, à l&apos;intérieur du cercle polaire, où une partie de l&apos;écliptique ne se lève ni ne se couche jamais&#xa0;; les maisons Porphyre sont affichées à la place.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, inside the polar circle, where their cusps would not follow each other round the ecliptic; Porphyry houses are shown instead.</source>
        <translation>Les maisons %1 ne sont pas définies à %2 à cette heure, à l&apos;intérieur du cercle polaire, où leurs cuspides ne se suivraient pas dans l&apos;ordre autour de l&apos;écliptique&#xa0;; les maisons Porphyre sont affichées à la place.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at %2 at this time, while the midheaven is below the horizon; Porphyry houses are shown instead.</source>
        <translation>Les maisons %1 ne sont pas définies à %2 à cette heure, car le Milieu du Ciel est sous l&apos;horizon&#xa0;; les maisons Porphyre sont affichées à la place.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the North Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Les maisons %1 ne sont pas définies au pôle Nord, où aucun point de l&apos;écliptique ne se lève à l&apos;est&#xa0;; les maisons Porphyre d&apos;un point situé à 11 m du pôle sont affichées à la place.</translation>
    </message>
    <message>
        <source>%1 houses are undefined at the South Pole, where no point of the ecliptic rises in the east; Porphyry houses for a point 11 m from the pole are shown instead.</source>
        <translation>Les maisons %1 ne sont pas définies au pôle Sud, où aucun point de l&apos;écliptique ne se lève à l&apos;est&#xa0;; les maisons Porphyre d&apos;un point situé à 11 m du pôle sont affichées à la place.</translation>
    </message>
    <message>
        <source>The built-in formulas cover %1 to %2; this chart&apos;s positions come from the precise table, and retrograde planets are marked by their motion.</source>
        <translation>Les formules intégrées couvrent les années %1 à %2&#xa0;; les positions de ce thème proviennent de la table précise, et les planètes rétrogrades sont signalées d&apos;après leur mouvement.</translation>
    </message>
</context>
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Veuillez saisir uniquement des chiffres</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Veuillez saisir une latitude valide</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Veuillez saisir une longitude valide</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>À un pôle (latitude 90 degrés), aucun point du zodiaque ne se lève à l’est, donc un thème n’y a pas d’Ascendant. Veuillez saisir une latitude inférieure à 90 degrés.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Veuillez saisir les degrés de latitude</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Veuillez saisir les minutes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Veuillez saisir les degrés de longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Veuillez saisir les minutes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Veuillez saisir votre ville de naissance</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Veuillez saisir votre région ou État</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Veuillez saisir votre pays</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Veuillez choisir l’orientation de la latitude (Nord ou Sud)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Veuillez choisir l’orientation de la longitude (Est ou Ouest)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir une date valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir une date valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Veuillez vérifier le fichier.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.</source>
        <translation>%1 mène, première planète à surgir de l&apos;arc vide&#xa0;: c&apos;est par %2 que tout le thème se met en mouvement.</translation>
    </message>
    <message>
        <source>%1 stands alone as the handle: the chart&apos;s energy flows out through %2.</source>
        <translation>%1 forme l&apos;anse, à l&apos;écart des autres&#xa0;: l&apos;énergie du thème s&apos;écoule vers l&apos;extérieur à travers %2.</translation>
    </message>
    <message>
        <source>%1 and %2 stand together as the handle: the chart&apos;s energy flows out through %3, and through %4.</source>
        <translation>%1 et %2 forment ensemble l&apos;anse&#xa0;: l&apos;énergie du thème s&apos;écoule vers l&apos;extérieur à travers %3, et à travers %4.</translation>
    </message>
    <message>
        <source>All ten planets lie within a trine: life gathers round a few concerns, followed with great focus.</source>
        <translation>Les dix planètes tiennent dans un trigone&#xa0;: la vie se rassemble autour de quelques préoccupations, poursuivies avec une grande concentration.</translation>
    </message>
    <message>
        <source>The planets fill one half of the wheel and leave the other empty: a sense of purpose that reaches out towards what seems to be missing.</source>
        <translation>Les planètes occupent une moitié de la roue et laissent l&apos;autre vide&#xa0;: le sens d&apos;une mission, tourné vers ce qui semble manquer.</translation>
    </message>
    <message>
        <source>One planet, or a close pair, stands apart from a half wheel of the others and carries their energy out into the world.</source>
        <translation>Une planète, ou un couple serré, se tient à l&apos;écart des autres, réunies sur une moitié de la roue, et porte leur énergie vers le monde.</translation>
    </message>
    <message>
        <source>The planets spread over two thirds of the wheel and leave an empty trine: a steady, self-driven push that keeps going.</source>
        <translation>Les planètes s&apos;étendent sur les deux tiers de la roue et laissent un trigone vide&#xa0;: une poussée régulière et autonome, qui ne faiblit pas.</translation>
    </message>
    <message>
        <source>Two groups of planets face each other across two empty stretches: a life spent weighing one side against the other.</source>
        <translation>Deux groupes de planètes se font face de part et d&apos;autre de deux espaces vides&#xa0;: une vie passée à peser un côté contre l&apos;autre.</translation>
    </message>
    <message>
        <source>The planets gather at three or four separate points: strong, individual interests that go their own way.</source>
        <translation>Les planètes se regroupent en trois ou quatre points distincts&#xa0;: des intérêts forts et personnels, qui suivent chacun leur propre voie.</translation>
    </message>
    <message>
        <source>The planets are spread all round the wheel: wide interests and a gift for many things at once.</source>
        <translation>Les planètes sont réparties tout autour de la roue&#xa0;: des intérêts variés et un don pour mille choses à la fois.</translation>
    </message>
    <message>
        <source>the wish to be oneself and to be seen</source>
        <translation>le désir d&apos;être soi-même et d&apos;être vu</translation>
    </message>
    <message>
        <source>feelings, moods and the need to feel at home</source>
        <translation>les sentiments, les humeurs et le besoin de se sentir chez soi</translation>
    </message>
    <message>
        <source>thinking, talking and learning</source>
        <translation>la pensée, la parole et l&apos;apprentissage</translation>
    </message>
    <message>
        <source>love, friendship and a sense of beauty</source>
        <translation>l&apos;amour, l&apos;amitié et le sens de la beauté</translation>
    </message>
    <message>
        <source>drive, courage and the urge to act</source>
        <translation>l&apos;élan, le courage et le besoin d&apos;agir</translation>
    </message>
    <message>
        <source>hope, growth and the search for meaning</source>
        <translation>l&apos;espoir, la croissance et la quête de sens</translation>
    </message>
    <message>
        <source>duty, patience and lasting structure</source>
        <translation>le devoir, la patience et les structures durables</translation>
    </message>
    <message>
        <source>independence, change and new ideas</source>
        <translation>l&apos;indépendance, le changement et les idées nouvelles</translation>
    </message>
    <message>
        <source>imagination, ideals and compassion</source>
        <translation>l&apos;imagination, les idéaux et la compassion</translation>
    </message>
    <message>
        <source>intensity, power and renewal</source>
        <translation>l&apos;intensité, le pouvoir et le renouveau</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>No single planet leads this shape: its energy is shared out.</source>
        <translation>Aucune planète ne mène seule cette figure&#xa0;: son énergie se répartit.</translation>
    </message>
    <message>
        <source>The planets occupy almost all signs, and there are no adjacent vacant signs.</source>
        <translation>Les planètes occupent presque tous les signes, et il n&apos;y a jamais deux signes vides côte à côte.</translation>
    </message>
    <message>
        <source>You will be interested in many things in your life. You will have no limitations or restrictions in your thinking. You will alwys be wanting to find out more about everything. You will have interests in a wide variety of topics. You are adaptable and flexible in thoughts and actions.</source>
        <translation>Vous vous intéresserez à beaucoup de choses dans votre vie. Votre pensée ne connaîtra ni limites ni restrictions. Vous voudrez toujours en savoir plus sur tout. Vos centres d&apos;intérêt couvriront une grande variété de sujets. Vous êtes adaptable et souple dans vos pensées comme dans vos actes.</translation>
    </message>
    <message>
        <source>This scatters your energies. You will have difficulty in focusing on things.</source>
        <translation>Cela disperse vos énergies. Vous aurez du mal à vous concentrer.</translation>
    </message>
    <message>
        <source>The planets occupy the confines of a trine (120 degrees) or an even smaller space.</source>
        <translation>Les planètes tiennent dans les limites d&apos;un trigone (120 degrés) ou dans un espace encore plus restreint.</translation>
    </message>
    <message>
        <source>You will have a lot of personal strength. You will be focussed and not influenced by anyone. You will be confident and have good leadership qualities. You will prosper on a limited scope. You will be an expert in your field.</source>
        <translation>Vous aurez une grande force personnelle. Vous saurez garder le cap sans vous laisser influencer par personne. Vous aurez confiance en vous et de réelles qualités de chef. Vous prospérerez dans un champ d&apos;action limité. Vous excellerez dans votre domaine.</translation>
    </message>
    <message>
        <source>You are on the go when you are active, else nothing will make you move. Your thinking will be limited. You will have many restictions. In areas other than your field you will feel lost and rejected.</source>
        <translation>Quand vous êtes en action, vous ne vous arrêtez plus&#xa0;; sinon, rien ne peut vous faire bouger. Votre pensée sera limitée. Vous connaîtrez de nombreuses restrictions. En dehors de votre domaine, un sentiment d&apos;égarement et de rejet vous gagnera.</translation>
    </message>
    <message>
        <source>The planets occupy one half of the chart (180 degrees).</source>
        <translation>Les planètes occupent une moitié du thème (180 degrés).</translation>
    </message>
    <message>
        <source>This is a highly motivating pattern. You will be highly determined in life. You have good people skills and can guide people for a cause. You will keep to yourself. You are very resourceful. You will be organized and on the lookout for knowledge of the unknown. You are aware of your skills and weakneses. You will have a lot of enrgy.</source>
        <translation>C&apos;est une figure très stimulante. Vous ferez preuve d&apos;une grande détermination dans la vie. Vous savez vous y prendre avec les gens et pouvez les guider au service d&apos;une cause. Vous resterez plutôt sur votre réserve. Vous avez beaucoup de ressources. Vous aurez le sens de l&apos;organisation et serez toujours en quête de connaissances sur l&apos;inconnu. Vous connaissez vos talents et vos faiblesses. Vous aurez beaucoup d&apos;énergie.</translation>
    </message>
    <message>
        <source>You will feel that you are missing out on something in life. You may not be compromising and have no interest in what other people think.</source>
        <translation>Vous aurez le sentiment de passer à côté de quelque chose dans la vie. Vous aurez peut-être du mal à faire des compromis et ne vous soucierez guère de ce que pensent les autres.</translation>
    </message>
    <message>
        <source>All planets except one (or two together) occupy no more than one half of the chart. The one or two planets together oppose the other planets.</source>
        <translation>Toutes les planètes sauf une (ou deux ensemble) occupent au plus une moitié du thème. La planète isolée, ou les deux, s&apos;opposent aux autres planètes.</translation>
    </message>
    <message>
        <source>You will direct all your energies for the fulfillment of a single purpose. You will leave no stone unturned to see that your goal is achieved. You will have superuhuman power and unthinkable determination.</source>
        <translation>Vous consacrerez toutes vos énergies à un seul but. Vous remuerez ciel et terre pour l&apos;atteindre. Vous aurez une force surhumaine et une détermination inimaginable.</translation>
    </message>
    <message>
        <source>The planet that is aloof can create problems for you and demands attention. It balances the rest of the chart.</source>
        <translation>La planète à l&apos;écart peut vous créer des problèmes et réclame de l&apos;attention. Elle fait contrepoids au reste du thème.</translation>
    </message>
    <message>
        <source>The planets fall into two opposing groups. The vacant zodiacal areas measure at least 90 degrees or one segment 90 degrees and the other 60 degrees, never less.</source>
        <translation>Les planètes se répartissent en deux groupes opposés. Les zones vides du zodiaque mesurent au moins 90 degrés chacune, ou l&apos;une 90 degrés et l&apos;autre 60 degrés, jamais moins.</translation>
    </message>
    <message>
        <source>You will be able to see both the sides of a coin and wil have to decide if you want to enjoy life or suffer. You will have a dual personality. You will need to strike a balance to be able to lead a happy life.</source>
        <translation>Vous saurez voir les deux faces d&apos;une médaille et devrez choisir entre profiter de la vie ou en souffrir. Vous aurez une double personnalité. Il vous faudra trouver un équilibre pour mener une vie heureuse.</translation>
    </message>
    <message>
        <source>Your life will always have an up-down motion. You may be unable to make decisions.</source>
        <translation>Votre vie connaîtra sans cesse des hauts et des bas. Vous aurez peut-être du mal à prendre des décisions.</translation>
    </message>
    <message>
        <source>The planets fall more or less evenly within two thirds of the chart, leaving an empty trine (120 degrees).</source>
        <translation>Les planètes se répartissent de façon plus ou moins régulière sur les deux tiers du thème, laissant un trigone vide (120 degrés).</translation>
    </message>
    <message>
        <source>You are determined and physically fit to achieve your goals. You are a very practical person. The first and the last planet play an important part in shaping your personality. You will have a strong driving force. Your energy is very intense.</source>
        <translation>Vous avez la détermination et la forme physique pour atteindre vos objectifs. Vous êtes une personne très pragmatique. La première et la dernière planète jouent un rôle important dans la formation de votre personnalité. Un puissant moteur intérieur vous anime. Votre énergie est très intense.</translation>
    </message>
    <message>
        <source>You will not like discipline of any kind. You will find it very easy to go from being highly energetic to becoming utterly depressed. This is caused by the empty portion of your chart.</source>
        <translation>Vous n&apos;aimerez aucune forme de discipline. Vous passerez très facilement d&apos;une énergie débordante à un profond abattement. Cela tient à la partie vide de votre thème.</translation>
    </message>
    <message>
        <source>The planets are not arranged into any one of the other six patterns but are distributed somewhat irregularly around the chart, usually based upon three points of emphasis, an arrangement that may result in a grand trine.</source>
        <translation>Les planètes ne forment aucune des six autres figures mais se répartissent de façon assez irrégulière dans le thème, généralement autour de trois points forts, une disposition qui peut donner un grand trigone.</translation>
    </message>
    <message>
        <source>You will be well prepared to fight the worst battles. You will have a backup that you can turn to in times of need.</source>
        <translation>Vous aurez tout ce qu&apos;il faut pour livrer les pires batailles. Vous disposerez d&apos;un appui sur lequel compter en cas de besoin.</translation>
    </message>
    <message>
        <source>You can be ruthless. You will resist conventional ideas.</source>
        <translation>Vous pouvez être impitoyable. Vous résisterez aux idées conventionnelles.</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Positive Attributes</source>
        <translation>Traits positifs</translation>
    </message>
    <message>
        <source>Negative Attributes</source>
        <translation>Traits négatifs</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>La table intégrée des positions précises est endommagée (%1). Veuillez réinstaller QM Starloom.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Impossible d’ouvrir le fichier %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Impossible d’écrire le fichier %1.
%2</translation>
    </message>
</context>
<context>
    <name>ZoneNames</name>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>heure d’été de l’Alaska-Hawaï</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>heure normale de l’Alaska-Hawaï</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>heure de guerre de l’Alaska-Hawaï</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>heure normale de l’Atlantique</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>heure de guerre de l’Atlantique</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>heure d’été du centre de l’Australie</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>heure normale du centre de l’Australie</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>heure d’été de l’Est de l’Australie</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>heure normale de l’Est de l’Australie</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>heure d’été de l’Ouest de l’Australie</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>heure normale de l’Ouest de l’Australie</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>heure des Açores</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>heure de Bagdad</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>heure normale de Béring</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>zone 2 du Brésil</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>heure double d’été britannique</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>heure d’été britannique</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>heure de guerre britannique</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>heure d’été du Centre</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>heure d’été d’Europe centrale</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>heure normale d’Europe centrale</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>heure normale du Centre</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>heure de guerre du Centre</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>heure de la côte chinoise</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>heure d’été de l’Est</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>heure d’été d’Europe de l’Est</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>heure normale d’Europe de l’Est</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>heure normale de l’Est</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>heure de guerre de l’Est</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>heure moyenne de Greenwich</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>heure normale de Guam</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>heure d’été d’Hawaï</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>heure normale d’Hawaï</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>heure de guerre d’Hawaï</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>heure de l’Inde</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>ligne de changement de date (est)</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>ligne de changement de date (ouest)</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>heure de l’Iran</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>heure normale du Japon</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>heure de Java</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>heure d’été d’Europe centrale</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>heure d’Europe centrale</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>heure des Moluques</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>heure d’été des Rocheuses</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>heure normale des Rocheuses</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>heure de guerre des Rocheuses</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>heure d’été normale de Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>heure normale de Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>heure d’été de Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>heure de Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>heure normale de Terre-Neuve</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>heure de Nome</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>heure du Nord de Sumatra</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>heure d’été du Pacifique</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>heure normale du Pacifique</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>heure de guerre du Pacifique</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>heure d’été d’Australie-Méridionale</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>heure normale d’Australie-Méridionale</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>heure du Sud de Sumatra</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>temps universel</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>zone 10 de l’URSS</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>zone 3 de l’URSS</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>zone 4 de l’URSS</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>zone 5 de l’URSS</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>zone 6 de l’URSS</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>heure d’Afrique de l’Ouest</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>heure d’été du Yukon</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>heure normale du Yukon</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>heure de guerre du Yukon</translation>
    </message>
    <message>
        <source>Addis Ababa Mean Time</source>
        <translation>heure moyenne d’Addis-Abeba</translation>
    </message>
    <message>
        <source>Afghanistan Time</source>
        <translation>heure de l’Afghanistan</translation>
    </message>
    <message>
        <source>Amsterdam Time</source>
        <translation>heure d’Amsterdam</translation>
    </message>
    <message>
        <source>Asuncion Mean Time</source>
        <translation>heure moyenne d’Asunción</translation>
    </message>
    <message>
        <source>Athens Mean Time</source>
        <translation>heure moyenne d’Athènes</translation>
    </message>
    <message>
        <source>Baghdad Mean Time</source>
        <translation>heure moyenne de Bagdad</translation>
    </message>
    <message>
        <source>Bangkok Mean Time</source>
        <translation>heure moyenne de Bangkok</translation>
    </message>
    <message>
        <source>Batavia Mean Time</source>
        <translation>heure moyenne de Batavia</translation>
    </message>
    <message>
        <source>Bathurst Mean Time</source>
        <translation>heure moyenne de Bathurst</translation>
    </message>
    <message>
        <source>Belize Half Hour Daylight Time</source>
        <translation>heure d’été d’une demi-heure du Belize</translation>
    </message>
    <message>
        <source>Bermuda Mean Time</source>
        <translation>heure moyenne des Bermudes</translation>
    </message>
    <message>
        <source>Bermuda Summer Time</source>
        <translation>heure d’été des Bermudes</translation>
    </message>
    <message>
        <source>Bogota Mean Time</source>
        <translation>heure moyenne de Bogota</translation>
    </message>
    <message>
        <source>Bolivia Summer Time</source>
        <translation>heure d’été de Bolivie</translation>
    </message>
    <message>
        <source>Bucharest Mean Time</source>
        <translation>heure moyenne de Bucarest</translation>
    </message>
    <message>
        <source>Caracas Mean Time</source>
        <translation>heure moyenne de Caracas</translation>
    </message>
    <message>
        <source>Central European Midsummer Time</source>
        <translation>heure de plein été d’Europe centrale</translation>
    </message>
    <message>
        <source>Chatham Daylight Time</source>
        <translation>heure d’été des îles Chatham</translation>
    </message>
    <message>
        <source>Chatham Standard Time</source>
        <translation>heure normale des îles Chatham</translation>
    </message>
    <message>
        <source>Chisinau Mean Time</source>
        <translation>heure moyenne de Chișinău</translation>
    </message>
    <message>
        <source>Colon Mean Time</source>
        <translation>heure moyenne de Colón</translation>
    </message>
    <message>
        <source>Cordoba Mean Time</source>
        <translation>heure moyenne de Córdoba</translation>
    </message>
    <message>
        <source>Dublin Mean Time</source>
        <translation>heure moyenne de Dublin</translation>
    </message>
    <message>
        <source>East Africa Time</source>
        <translation>heure d’Afrique de l’Est</translation>
    </message>
    <message>
        <source>East Africa Time (+2:30)</source>
        <translation>heure d’Afrique de l’Est (+2:30)</translation>
    </message>
    <message>
        <source>East Africa Time (+2:45)</source>
        <translation>heure d’Afrique de l’Est (+2:45)</translation>
    </message>
    <message>
        <source>Fort-de-France Mean Time</source>
        <translation>heure moyenne de Fort-de-France</translation>
    </message>
    <message>
        <source>Freetown Mean Time</source>
        <translation>heure moyenne de Freetown</translation>
    </message>
    <message>
        <source>Funchal Mean Time</source>
        <translation>heure moyenne de Funchal</translation>
    </message>
    <message>
        <source>Guyana Time</source>
        <translation>heure du Guyana</translation>
    </message>
    <message>
        <source>Havana Mean Time</source>
        <translation>heure moyenne de La Havane</translation>
    </message>
    <message>
        <source>Helsinki Mean Time</source>
        <translation>heure moyenne d’Helsinki</translation>
    </message>
    <message>
        <source>Horta Mean Time</source>
        <translation>heure moyenne d’Horta</translation>
    </message>
    <message>
        <source>Howrah Mean Time</source>
        <translation>heure moyenne de Howrah</translation>
    </message>
    <message>
        <source>Irish Summer Time</source>
        <translation>heure d’été irlandaise</translation>
    </message>
    <message>
        <source>Irkutsk Mean Time</source>
        <translation>heure moyenne d’Irkoutsk</translation>
    </message>
    <message>
        <source>Istanbul Mean Time</source>
        <translation>heure moyenne d’Istanbul</translation>
    </message>
    <message>
        <source>Jamestown Mean Time</source>
        <translation>heure moyenne de Jamestown</translation>
    </message>
    <message>
        <source>Jerusalem Mean Time</source>
        <translation>heure moyenne de Jérusalem</translation>
    </message>
    <message>
        <source>Kaunas Mean Time</source>
        <translation>heure moyenne de Kaunas</translation>
    </message>
    <message>
        <source>Kingston Mean Time</source>
        <translation>heure moyenne de Kingston</translation>
    </message>
    <message>
        <source>Kingstown Mean Time</source>
        <translation>heure moyenne de Kingstown</translation>
    </message>
    <message>
        <source>Kyiv Mean Time</source>
        <translation>heure moyenne de Kyiv</translation>
    </message>
    <message>
        <source>La Paz Mean Time</source>
        <translation>heure moyenne de La Paz</translation>
    </message>
    <message>
        <source>Latvian Summer Time</source>
        <translation>heure d’été de Lettonie</translation>
    </message>
    <message>
        <source>Line Islands Time</source>
        <translation>heure des îles de la Ligne</translation>
    </message>
    <message>
        <source>Local Mean Time</source>
        <translation>heure moyenne locale</translation>
    </message>
    <message>
        <source>Madras Mean Time</source>
        <translation>heure moyenne de Madras</translation>
    </message>
    <message>
        <source>Makassar Mean Time</source>
        <translation>heure moyenne de Makassar</translation>
    </message>
    <message>
        <source>Malaya Time</source>
        <translation>heure de Malaisie britannique</translation>
    </message>
    <message>
        <source>Male Mean Time</source>
        <translation>heure moyenne de Malé</translation>
    </message>
    <message>
        <source>Managua Mean Time</source>
        <translation>heure moyenne de Managua</translation>
    </message>
    <message>
        <source>Marquesas Time</source>
        <translation>heure des îles Marquises</translation>
    </message>
    <message>
        <source>Minsk Mean Time</source>
        <translation>heure moyenne de Minsk</translation>
    </message>
    <message>
        <source>Monrovia Mean Time</source>
        <translation>heure moyenne de Monrovia</translation>
    </message>
    <message>
        <source>Monrovia Time</source>
        <translation>heure de Monrovia</translation>
    </message>
    <message>
        <source>Moratuwa Mean Time</source>
        <translation>heure moyenne de Moratuwa</translation>
    </message>
    <message>
        <source>Moscow Double Summer Time</source>
        <translation>heure double d’été de Moscou</translation>
    </message>
    <message>
        <source>Moscow Mean Time</source>
        <translation>heure moyenne de Moscou</translation>
    </message>
    <message>
        <source>Moscow Summer Time</source>
        <translation>heure d’été de Moscou</translation>
    </message>
    <message>
        <source>Moscow Time</source>
        <translation>heure de Moscou</translation>
    </message>
    <message>
        <source>Nepal Time</source>
        <translation>heure du Népal</translation>
    </message>
    <message>
        <source>Netherlands Summer Time</source>
        <translation>heure d’été des Pays-Bas</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time</source>
        <translation>heure d’été de Terre-Neuve</translation>
    </message>
    <message>
        <source>Newfoundland Daylight Time (until 1935)</source>
        <translation>heure d’été de Terre-Neuve (jusqu’en 1935)</translation>
    </message>
    <message>
        <source>Newfoundland Double Daylight Time</source>
        <translation>heure double d’été de Terre-Neuve</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time (until 1935)</source>
        <translation>heure normale de Terre-Neuve (jusqu’en 1935)</translation>
    </message>
    <message>
        <source>Nigeria and Gold Coast Time</source>
        <translation>heure du Nigeria et de la Côte-de-l’Or</translation>
    </message>
    <message>
        <source>North Borneo Summer Time</source>
        <translation>heure d’été du Nord-Bornéo</translation>
    </message>
    <message>
        <source>Paramaribo Mean Time</source>
        <translation>heure moyenne de Paramaribo</translation>
    </message>
    <message>
        <source>Paris Mean Time</source>
        <translation>heure moyenne de Paris</translation>
    </message>
    <message>
        <source>Perm Mean Time</source>
        <translation>heure moyenne de Perm</translation>
    </message>
    <message>
        <source>Pontianak Mean Time</source>
        <translation>heure moyenne de Pontianak</translation>
    </message>
    <message>
        <source>Port-au-Prince Mean Time</source>
        <translation>heure moyenne de Port-au-Prince</translation>
    </message>
    <message>
        <source>Quito Mean Time</source>
        <translation>heure moyenne de Quito</translation>
    </message>
    <message>
        <source>Rangoon Mean Time</source>
        <translation>heure moyenne de Rangoun</translation>
    </message>
    <message>
        <source>Riga Mean Time</source>
        <translation>heure moyenne de Riga</translation>
    </message>
    <message>
        <source>Samoa Standard Time (until 1950)</source>
        <translation>heure normale des Samoa (jusqu’en 1950)</translation>
    </message>
    <message>
        <source>San Jose Mean Time</source>
        <translation>heure moyenne de San José</translation>
    </message>
    <message>
        <source>Santiago Mean Time</source>
        <translation>heure moyenne de Santiago</translation>
    </message>
    <message>
        <source>Santo Domingo Mean Time</source>
        <translation>heure moyenne de Saint-Domingue</translation>
    </message>
    <message>
        <source>Sierra Leone Summer Time</source>
        <translation>heure d’été de Sierra Leone</translation>
    </message>
    <message>
        <source>Simferopol Mean Time</source>
        <translation>heure moyenne de Simferopol</translation>
    </message>
    <message>
        <source>Singapore Mean Time</source>
        <translation>heure moyenne de Singapour</translation>
    </message>
    <message>
        <source>South Africa Time (until 1903)</source>
        <translation>heure d’Afrique du Sud (jusqu’en 1903)</translation>
    </message>
    <message>
        <source>Tallinn Mean Time</source>
        <translation>heure moyenne de Tallinn</translation>
    </message>
    <message>
        <source>Tbilisi Mean Time</source>
        <translation>heure moyenne de Tbilissi</translation>
    </message>
    <message>
        <source>Tehran Mean Time</source>
        <translation>heure moyenne de Téhéran</translation>
    </message>
    <message>
        <source>Tonga Time</source>
        <translation>heure des Tonga</translation>
    </message>
    <message>
        <source>Tonga Time (until 1941)</source>
        <translation>heure des Tonga (jusqu’en 1941)</translation>
    </message>
    <message>
        <source>Venezuela Time</source>
        <translation>heure du Venezuela</translation>
    </message>
    <message>
        <source>Warsaw Mean Time</source>
        <translation>heure moyenne de Varsovie</translation>
    </message>
    <message>
        <source>Western Central Australia Time</source>
        <translation>heure du centre-ouest de l’Australie</translation>
    </message>
</context>
<context>
    <name>ZoneText</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1 avec heure d’été</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>saisi à la main</translation>
    </message>
    <message>
        <source>from the atlas (%1)</source>
        <translation>d’après l’atlas (%1)</translation>
    </message>
    <message>
        <source>from the reading file %1</source>
        <translation>d’après le fichier de lecture %1</translation>
    </message>
    <message>
        <source>Universal time %1 · %2 · %3</source>
        <translation>Temps universel %1 · %2 · %3</translation>
    </message>
    <message>
        <source>from the longitude</source>
        <translation>selon la longitude</translation>
    </message>
</context>
</TS>
