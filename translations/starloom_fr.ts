<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>QM Starloom speaks the language you chose from its next start. Please close it and start it again.</source>
        <translation>QM Starloom utilisera la langue choisie dès son prochain démarrage. Veuillez le fermer puis le relancer.</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d’été</translation>
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
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation>Saisissez une ville pour la chercher dans l’atlas</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>Heure de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuseau horaire&#xa0;:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>DEG/MIN</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Région&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver latitude &amp;&amp; longitude</translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation>Obtenir mon &amp;interprétation Starloom</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Ouvrir une interprétation enregistrée</translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation>Découvrez avec QM Starloom ce que signifie la répartition des planètes dans votre thème natal.</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation>Parlez de votre thème avec d’autres lecteurs sur notre forum de discussion</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>Obtenir mon &amp;thème natal</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site Web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour du logiciel</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir la ville</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Veuillez saisir la région</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Veuillez saisir le pays</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minute de naissance</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutes</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutes</translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>Veuillez saisir uniquement des chiffres</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Choisissez le fichier source</translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribué sous licence GNU General Public License, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation>QM Starloom affiche la configuration selon laquelle les planètes sont disposées dans le thème natal d’une personne. Cette répartition des planètes représente certains traits positifs et négatifs qui se reflètent dans la personnalité d’un individu.</translation>
    </message>
</context>
</TS>
