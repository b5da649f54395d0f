<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AspectGrid</name>
    <message>
        <source>%1 %2 %3, orb %4°%5&apos;, %6</source>
        <extracomment>An aspect: the two points, the aspect&apos;s name between them, its orb and its phase.</extracomment>
        <translation>%1 %2 %3, orbe %4°%5&apos;, %6</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>appliquant</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>séparant</translation>
    </message>
</context>
<context>
    <name>ChartDescription</name>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1 %2° %3 %4′</source>
        <extracomment>A point of the chart: its name, degree, sign and minute, as in &quot;Sun 23° Cancer 49′&quot;.</extracomment>
        <translation>%1 %2° %3 %4′</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translation>%1, maison %2</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, rétrograde</translation>
    </message>
</context>
<context>
    <name>ImageSaving</name>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE</source>
        <translation> IMPOSSIBLE  DE  CRÉER  LE  FICHIER&#xa0;: </translation>
    </message>
    <message>
        <source>There are too many Copies of this file  </source>
        <translation>Il y a trop de copies de ce fichier&#xa0;:  </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>Image JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>The image could not be saved as %1.

%2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1.

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 instead of %2</source>
        <translation>%1 au lieu de %2</translation>
    </message>
    <message>
        <source>%1 (%2 already exists)</source>
        <translation>%1 (%2 existe déjà)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Prog.</translation>
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
        <translation>, rétrograde</translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation>%1 %2 natal</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>devient rétrograde</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>redevient direct</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entre en %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entre en maison %1</translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Natal chart of %1</source>
        <translation>Thème natal de %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Positions planétaires</translation>
    </message>
    <message>
        <source>Ascendant sign: %1</source>
        <translation>Signe ascendant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moon sign: %1</source>
        <translation>Signe lunaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Configuration par degrés</translation>
    </message>
    <message>
        <source>Leading Planets: %1</source>
        <translation>Planètes de tête&#xa0;: %1</translation>
    </message>
    <message>
        <source>Leading Planet: %1</source>
        <translation>Planète de tête&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Empty Arc: %1</source>
        <translation>Arc vide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>Aspects Between the Charts</source>
        <translation>Aspects entre les thèmes</translation>
    </message>
    <message>
        <source>No aspects within the orbs.</source>
        <translation>Aucun aspect dans les orbes.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>Le document n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The document could not be completed.</source>
        <translation>Le document n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ville&#xa0;: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Région&#xa0;: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Pays&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuseau horaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Temps universel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Maisons&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>The date of birth: the month&apos;s name, the day and the year.</extracomment>
        <translation>Date de naissance&#xa0;: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute local time</source>
        <translation>Heure de naissance&#xa0;: %1 h %2 min, heure locale</translation>
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
        <translation>Latitude&#xa0;: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitude&#xa0;: %1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Maison %1</translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation>Positions&#xa0;: %1</translation>
    </message>
    <message>
        <source>precise, JPL-based</source>
        <translation>précises, d&apos;après le JPL</translation>
    </message>
    <message>
        <source>standard formulas</source>
        <translation>formules standard</translation>
    </message>
    <message>
        <source>%1 degrees, from %2 to %3</source>
        <extracomment>The empty arc of a chart: its size in degrees and the positions it runs between.</extracomment>
        <translation>%1 degrés, de %2 à %3</translation>
    </message>
</context>
<context>
    <name>starloom::AspectOrbsDialog</name>
    <message>
        <source>&amp;Conjunction (0°):</source>
        <translation>&amp;Conjonction (0°)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Opposition (180°):</source>
        <translation>&amp;Opposition (180°)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Trine (120°):</source>
        <translation>&amp;Trigone (120°)&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;quare (90°):</source>
        <translation>Car&amp;ré (90°)&#xa0;:</translation>
    </message>
    <message>
        <source>Se&amp;xtile (60°):</source>
        <translation>Se&amp;xtile (60°)&#xa0;:</translation>
    </message>
    <message>
        <source>Aspect Orbs</source>
        <translation>Orbes des aspects</translation>
    </message>
    <message>
        <source>How many degrees from exact an aspect still counts:</source>
        <translation>Jusqu&apos;à combien de degrés de l&apos;exactitude un aspect compte encore&#xa0;:</translation>
    </message>
    <message>
        <source>With the &amp;Sun or the Moon:</source>
        <translation>Avec le &amp;Soleil ou la Lune&#xa0;:</translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation>Double roue</translation>
    </message>
</context>
<context>
    <name>starloom::ChartWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Comparer avec…</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>Enregistrer en &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>&amp;Exporter le thème en texte</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d’&amp;outils</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>Positions &amp;précises</translation>
    </message>
    <message>
        <source>&amp;House System</source>
        <translation>&amp;Système de maisons</translation>
    </message>
    <message>
        <source>Aspect &amp;Lines</source>
        <translation>&amp;Lignes d’aspect</translation>
    </message>
    <message>
        <source>Aspect &amp;Orbs…</source>
        <translation>Orbes des &amp;aspects…</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajuster à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Thème</translation>
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
        <source>Visit the QM Starloom home page at %1</source>
        <translation>Visitez le site de QM Starloom&#xa0;: %1</translation>
    </message>
    <message>
        <source>For Analysis of this Natal chart log onto </source>
        <translation>Pour l&apos;analyse de ce thème natal, rendez-vous sur </translation>
    </message>
    <message>
        <source>No printer is installed on this computer.
Do you want to save the reading as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée sur cet ordinateur.
Voulez-vous plutôt enregistrer l&apos;interprétation dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>The chart could not be sent to the printer.</source>
        <translation>Le thème n&apos;a pas pu être envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <comment>button</comment>
        <translation>Enregistrer en &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>button</comment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>button</comment>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation>Roue du thème natal</translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation>Interprétation par signe</translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation>Dossier de la dernière image enregistrée</translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation>Nom de la dernière image enregistrée</translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation>Configuration par degrés</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>Grille des aspects</translation>
    </message>
    <message>
        <source>&amp;Signs</source>
        <translation>&amp;Signes</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Degrés</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspects</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>Ville&#xa0;: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Région&#xa0;: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Pays&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation>Naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time of Birth: %1</source>
        <translation>Heure de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>Latitude&#xa0;: %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>Longitude&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuseau horaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Universal time: %1</source>
        <translation>Temps universel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Positions planétaires</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Autres détails</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signe solaire</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signe lunaire</translation>
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
        <translation>Maître</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>Ayanamsha</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>Position du lagna</translation>
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
        <translation>M%1</translation>
    </message>
    <message>
        <source>House %1</source>
        <translation>Maison %1</translation>
    </message>
    <message>
        <source>The planetary patterns by signs</source>
        <translation>Les configurations planétaires par signe</translation>
    </message>
    <message>
        <source>The chart&apos;s shape by degrees and its leading planet</source>
        <translation>La forme du thème par degrés et sa planète de tête</translation>
    </message>
    <message>
        <source>The aspects between the planets, the ascendant and the midheaven</source>
        <translation>Les aspects entre les planètes, l&apos;ascendant et le milieu du ciel</translation>
    </message>
    <message>
        <source>Pattern by Degrees</source>
        <translation>Configuration par degrés</translation>
    </message>
    <message>
        <source>Leading Planets</source>
        <translation>Planètes de tête</translation>
    </message>
    <message>
        <source>Leading Planet</source>
        <translation>Planète de tête</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Empty Arc</source>
        <translation>Arc vide</translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Second Chart</source>
        <translation>Second thème</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Transits</translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation>&amp;Progressions secondaires</translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation>Directions par &amp;arc solaire</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>A&amp;vancer d’un pas</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Reculer d’un pas</translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation>Pas&#xa0;: &amp;%1</translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation>&amp;Orbes du second thème…</translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation>&amp;Unité de pas</translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation>&amp;Moment (TU)&#xa0;:</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Reculer d’un pas</translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation>Reculer d’un pas (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation>Unité de pas</translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation>Le pas&#xa0;: Alt+1 heure, Alt+2 jour, Alt+3 semaine, Alt+4 mois, Alt+5 année</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Avancer d’un pas</translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation>Avancer d’un pas (Alt+Droite)</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation>Lieu des transits&#xa0;: degrés, nord positif</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitude&#xa0;:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation>Lieu des transits&#xa0;: degrés, est positif</translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation>O&amp;rbes…</translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation>Aspects entre le second thème et le thème natal</translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation>Second thème</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation>Prochains événements de transit</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Temps universel</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation>Double-cliquez sur un événement pour amener les transits à son moment</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspects</translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation>É&amp;vénements de transit</translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation>Alt+Droite et Alt+Gauche avancent et reculent d’un pas&#xa0;; Alt+1 à Alt+5 règlent le pas sur une heure, un jour, une semaine, un mois ou une année. Pointez un symbole extérieur pour voir son nom.</translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation>Transits pour %1</translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation>Progressions secondaires pour %1</translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation>Directions par arc solaire pour %1</translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation>Synastrie&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation>%1 TU (heure locale %2), à %3</translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation>Au %1 TU&#xa0;: moment progressé %2 TU, MC avancé de %3 en ascension droite</translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation>Au %1 TU&#xa0;: arc solaire %2%3</translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation>%1, né(e) le %2 TU</translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation>Thème natal&#xa0;: %1. %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>appliquant</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>séparant</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Ingrès</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation>%1 %2 %3 %4, orbe %5, %6</translation>
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
