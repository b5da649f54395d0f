<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</TS>
