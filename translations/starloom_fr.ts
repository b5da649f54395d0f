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
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>QM Starloom now speaks the language you chose, and will from its next start too. Chart windows already open keep their language until they are opened again.</source>
        <translation>QM Starloom utilise désormais la langue choisie, y compris aux prochains démarrages. Les fenêtres de thème déjà ouvertes gardent leur langue jusqu’à ce qu’elles soient rouvertes.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>Aucun navigateur web n’a pu être lancé pour cette page. Pour la consulter, copiez son adresse dans un navigateur :

%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Natal charts and the pattern of the planets in them.</source>
        <translation>Thèmes natals et la configuration de leurs planètes.</translation>
    </message>
    <message>
        <source>A reading file (.act) to open.</source>
        <translation>Un fichier de lecture (.act) à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
    <message>
        <source>QM Starloom could not make its lock against a second copy (%1). It starts anyway, but another copy started now would not be noticed.</source>
        <translation>QM Starloom n’a pas pu poser son verrou contre une seconde copie (%1). Il démarre quand même, mais une autre copie lancée maintenant ne serait pas détectée.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour ?</translation>
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
    <name>starloom::PlaceFinder</name>
    <message>
        <source>For %1 on this date the atlas gives %2; your choice is kept.</source>
        <translation>Pour %1 à cette date, l’atlas indique %2 ; votre choix est conservé.</translation>
    </message>
    <message>
        <source>%1 with Daylight Saving Time ticked: daylight time counted twice?</source>
        <translation>Fuseau %1 avec « Heure d’été » cochée : l’heure d’été comptée deux fois ?</translation>
    </message>
    <message>
        <source>Not from the atlas: coordinates and zone are yours to set</source>
        <translation>Hors de l’atlas : à vous de saisir les coordonnées et le fuseau</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Choisissez le fichier source</translation>
    </message>
    <message>
        <source>QM Astrology Chart Type</source>
        <translation>Thème QM Astrology</translation>
    </message>
    <message>
        <source>Warning: for %1 on this date the atlas gives %2.</source>
        <translation>Attention : pour %1 à cette date, l’atlas indique %2.</translation>
    </message>
    <message>
        <source>Positions: precise, JPL-based</source>
        <translation>Positions : précises, d’après le JPL</translation>
    </message>
    <message>
        <source>Positions: standard formulas</source>
        <translation>Positions : formules standard</translation>
    </message>
    <message>
        <source>%1 (date outside %2–%3)</source>
        <translation>%1 (date hors de %2–%3)</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Maisons : %1</translation>
    </message>
    <message>
        <source>Houses: %1 (%2 undefined here)</source>
        <translation>Maisons : %1 (%2 non défini ici)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>Choisir le fichier texte de destination</translation>
    </message>
    <message>
        <source>Export Chart As Text</source>
        <translation>Exporter le thème en texte</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
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
