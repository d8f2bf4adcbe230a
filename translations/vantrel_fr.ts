<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CategoryName</name>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Amount of Substance</source>
        <translation>Quantité de matière</translation>
    </message>
    <message>
        <source>Angle</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Angle (Solid)</source>
        <translation>Angle solide</translation>
    </message>
    <message>
        <source>Angular Velocity</source>
        <translation>Vitesse angulaire</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacité électrique</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Charge électrique</translation>
    </message>
    <message>
        <source>Concentration (Liquid)</source>
        <translation>Concentration (liquide)</translation>
    </message>
    <message>
        <source>Concentration (Molar)</source>
        <translation>Concentration molaire</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>Conductance électrique</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant électrique</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Quantité de données</translation>
    </message>
    <message>
        <source>Data Transfer</source>
        <translation>Débit de données</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Enthalpy (Mass)</source>
        <translation>Enthalpie massique</translation>
    </message>
    <message>
        <source>Enthalpy (Molar)</source>
        <translation>Enthalpie molaire</translation>
    </message>
    <message>
        <source>Enthalpy (Volume)</source>
        <translation>Enthalpie volumique</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Force</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Force</translation>
    </message>
    <message>
        <source>Fuel Consumption</source>
        <translation>Consommation de carburant</translation>
    </message>
    <message>
        <source>Heat Flux</source>
        <translation>Densité de flux thermique</translation>
    </message>
    <message>
        <source>Heat Generation (Vol.)</source>
        <translation>Production de chaleur (vol.)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Éclairement</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>Magnetic Flux</source>
        <translation>Flux magnétique</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Bases de numération</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Radiation</source>
        <translation>Débit de dose absorbée</translation>
    </message>
    <message>
        <source>Radiation Exposure</source>
        <translation>Exposition aux rayonnements</translation>
    </message>
    <message>
        <source>SI Prefix</source>
        <translation>Préfixe SI</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tension superficielle</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Thermal Conductance (building)</source>
        <translation>Transmission thermique</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Viscosity (Dynamic)</source>
        <translation>Viscosité dynamique</translation>
    </message>
    <message>
        <source>Viscosity (Kinematic)</source>
        <translation>Viscosité cinématique</translation>
    </message>
    <message>
        <source>Volume</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Volume (Dry)</source>
        <translation>Volume (matières sèches)</translation>
    </message>
</context>
<context>
    <name>DisplayNames</name>
    <message>
        <source>en</source>
        <extracomment>The language whose alphabetical order sorts the window&apos;s lists of categories and units, as a locale name: de, fr</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Launch Calculator          	Ctrl+L</source>
        <translation>Lancer la calculatrice          	Ctrl+L</translation>
    </message>
    <message>
        <source>Coordinate Converter</source>
        <translation>Convertisseur de coordonnées</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Copy Output      	Ctrl+C</source>
        <translation>Copier le résultat      	Ctrl+C</translation>
    </message>
    <message>
        <source>Find      	Ctrl+F</source>
        <translation>Rechercher      	Ctrl+F</translation>
    </message>
    <message>
        <source>Invert Units      	Ctrl+I</source>
        <translation>Inverser les unités      	Ctrl+I</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Preferences      	Ctrl+P</source>
        <translation>Préférences      	Ctrl+P</translation>
    </message>
    <message>
        <source>Contents      	F1</source>
        <translation>Sommaire      	F1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Check for updates or Donate...</source>
        <translation>Mises à jour et dons...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>UnitName</name>
    <message numerus="yes">
        <source>centimeter/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>centimètre/seconde²</numerusform>
            <numerusform>centimètres/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>pied/seconde²</numerusform>
            <numerusform>pieds/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free fall</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>pesanteur normale</numerusform>
            <numerusform>pesanteurs normales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>galileo</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>gal</numerusform>
            <numerusform>gals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>pouce/seconde²</numerusform>
            <numerusform>pouces/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/hour·second</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>kilomètre/heure·seconde</numerusform>
            <numerusform>kilomètres/heure·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>mètre/seconde²</numerusform>
            <numerusform>mètres/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour·minute</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>mille/heure·minute</numerusform>
            <numerusform>milles/heure·minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour·second</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>mille/heure·seconde</numerusform>
            <numerusform>milles/heure·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>yard/seconde²</numerusform>
            <numerusform>yards/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>kilomole</numerusform>
            <numerusform>kilomoles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micromole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>micromole</numerusform>
            <numerusform>micromoles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>millimole</numerusform>
            <numerusform>millimoles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>mole</numerusform>
            <numerusform>moles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>circle</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>cercle</numerusform>
            <numerusform>cercles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>degré</numerusform>
            <numerusform>degrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gon</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>gon</numerusform>
            <numerusform>gons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grade</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>grade</numerusform>
            <numerusform>grades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mil</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>millième (OTAN)</numerusform>
            <numerusform>millièmes (OTAN)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>minute d’arc</numerusform>
            <numerusform>minutes d’arc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>octant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>octant</numerusform>
            <numerusform>octants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>rhumb</numerusform>
            <numerusform>rhumbs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quadrant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>quadrant</numerusform>
            <numerusform>quadrants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>radian</numerusform>
            <numerusform>radians</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>révolution</numerusform>
            <numerusform>révolutions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right angle</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>angle droit</numerusform>
            <numerusform>angles droits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>seconde d’arc</numerusform>
            <numerusform>secondes d’arc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sign</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>signe</numerusform>
            <numerusform>signes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sextant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>sextant</numerusform>
            <numerusform>sextants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>turn</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>tour</numerusform>
            <numerusform>tours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hemisphere</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>hémisphère</numerusform>
            <numerusform>hémisphères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square degree</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>degré carré</numerusform>
            <numerusform>degrés carrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square minute</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>minute carrée</numerusform>
            <numerusform>minutes carrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square second</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>seconde carrée</numerusform>
            <numerusform>secondes carrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>steradian</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>stéradian</numerusform>
            <numerusform>stéradians</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sphere</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>sphère</numerusform>
            <numerusform>sphères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spherical right angle</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>angle droit sphérique</numerusform>
            <numerusform>angles droits sphériques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>degré/jour</numerusform>
            <numerusform>degrés/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>degré/heure</numerusform>
            <numerusform>degrés/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>degré/minute</numerusform>
            <numerusform>degrés/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>degré/seconde</numerusform>
            <numerusform>degrés/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>radian/jour</numerusform>
            <numerusform>radians/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>radian/heure</numerusform>
            <numerusform>radians/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>radian/minute</numerusform>
            <numerusform>radians/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>radian/seconde</numerusform>
            <numerusform>radians/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>tour/jour</numerusform>
            <numerusform>tours/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>tour/heure</numerusform>
            <numerusform>tours/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>tour/minute</numerusform>
            <numerusform>tours/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>tour/seconde</numerusform>
            <numerusform>tours/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre</source>
        <comment>Area</comment>
        <translation>
            <numerusform>acre</numerusform>
            <numerusform>acres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barn</source>
        <comment>Area</comment>
        <translation>
            <numerusform>barn</numerusform>
            <numerusform>barns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>centimètre²</numerusform>
            <numerusform>centimètres²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>darcy</source>
        <comment>Area</comment>
        <translation>
            <numerusform>darcy</numerusform>
            <numerusform>darcys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>pied²</numerusform>
            <numerusform>pieds²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectare</source>
        <comment>Area</comment>
        <translation>
            <numerusform>hectare</numerusform>
            <numerusform>hectares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>pouce²</numerusform>
            <numerusform>pouces²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>kilomètre²</numerusform>
            <numerusform>kilomètres²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>mètre²</numerusform>
            <numerusform>mètres²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>mille²</numerusform>
            <numerusform>milles²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>millimètre²</numerusform>
            <numerusform>millimètres²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rood</source>
        <comment>Area</comment>
        <translation>
            <numerusform>rood</numerusform>
            <numerusform>roods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>section</source>
        <comment>Area</comment>
        <translation>
            <numerusform>section</numerusform>
            <numerusform>sections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square rod</source>
        <comment>Area</comment>
        <translation>
            <numerusform>rod carré</numerusform>
            <numerusform>rods carrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square perch</source>
        <comment>Area</comment>
        <translation>
            <numerusform>perche carrée</numerusform>
            <numerusform>perches carrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sulung</source>
        <comment>Area</comment>
        <translation>
            <numerusform>sulung</numerusform>
            <numerusform>sulungs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>township (US)</source>
        <comment>Area</comment>
        <translation>
            <numerusform>township (US)</numerusform>
            <numerusform>townships (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>yard²</numerusform>
            <numerusform>yards²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>abfarad</numerusform>
            <numerusform>abfarads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of capacitance</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>uem de capacité</numerusform>
            <numerusform>uem de capacité</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of capacitance</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>ues de capacité</numerusform>
            <numerusform>ues de capacité</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>farad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>farad</numerusform>
            <numerusform>farads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>microfarad</numerusform>
            <numerusform>microfarads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picofarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>picofarad</numerusform>
            <numerusform>picofarads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>statfarad</numerusform>
            <numerusform>statfarads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abcoulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>abcoulomb</numerusform>
            <numerusform>abcoulombs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere hour</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>ampère-heure</numerusform>
            <numerusform>ampères-heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere minute</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>ampère-minute</numerusform>
            <numerusform>ampères-minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere second</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>ampère-seconde</numerusform>
            <numerusform>ampères-secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>coulomb</numerusform>
            <numerusform>coulombs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>faraday</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>faraday</numerusform>
            <numerusform>faradays</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>franklin</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>franklin</numerusform>
            <numerusform>franklins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statcoulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>statcoulomb</numerusform>
            <numerusform>statcoulombs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain/gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>grain/gallon (imp.)</numerusform>
            <numerusform>grains/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain/gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>grain/gallon (US)</numerusform>
            <numerusform>grains/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>gramme/litre</numerusform>
            <numerusform>grammes/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>kilogramme/litre</numerusform>
            <numerusform>kilogrammes/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>milligramme/litre</numerusform>
            <numerusform>milligrammes/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>part/million</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>partie par million</numerusform>
            <numerusform>parties par million</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot³</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>livre/pied³</numerusform>
            <numerusform>livres/pied³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>livre/gallon (imp.)</numerusform>
            <numerusform>livres/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>livre/gallon (US)</numerusform>
            <numerusform>livres/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/million gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>livre/million de gallons (imp.)</numerusform>
            <numerusform>livres/million de gallons (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/million gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>livre/million de gallons (US)</numerusform>
            <numerusform>livres/million de gallons (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>kilomole/centimètre³</numerusform>
            <numerusform>kilomoles/centimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>kilomole/mètre³</numerusform>
            <numerusform>kilomoles/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>kilomole/millimètre³</numerusform>
            <numerusform>kilomoles/millimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>kilomole/litre</numerusform>
            <numerusform>kilomoles/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>millimole/centimètre³</numerusform>
            <numerusform>millimoles/centimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>millimole/mètre³</numerusform>
            <numerusform>millimoles/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>millimole/millimètre³</numerusform>
            <numerusform>millimoles/millimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>millimole/litre</numerusform>
            <numerusform>millimoles/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>mole/centimètre³</numerusform>
            <numerusform>moles/centimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>mole/litre</numerusform>
            <numerusform>moles/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>mole/mètre³</numerusform>
            <numerusform>moles/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>mole/millimètre³</numerusform>
            <numerusform>moles/millimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>abmho</numerusform>
            <numerusform>abmhos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gemmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>gemmho</numerusform>
            <numerusform>gemmhos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilosiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>kilosiemens</numerusform>
            <numerusform>kilosiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megasiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>mégasiemens</numerusform>
            <numerusform>mégasiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>mho</numerusform>
            <numerusform>mhos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micromho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>micromho</numerusform>
            <numerusform>micromhos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microsiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>microsiemens</numerusform>
            <numerusform>microsiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millisiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>millisiemens</numerusform>
            <numerusform>millisiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>siemens</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>siemens</numerusform>
            <numerusform>siemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>statmho</numerusform>
            <numerusform>statmhos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>abampère</numerusform>
            <numerusform>abampères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>ampère</numerusform>
            <numerusform>ampères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of current</source>
        <comment>Current</comment>
        <translation>
            <numerusform>uem de courant</numerusform>
            <numerusform>uem de courant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of current</source>
        <comment>Current</comment>
        <translation>
            <numerusform>ues de courant</numerusform>
            <numerusform>ues de courant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gilbert</source>
        <comment>Current</comment>
        <translation>
            <numerusform>gilbert</numerusform>
            <numerusform>gilberts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>microampère</numerusform>
            <numerusform>microampères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>milliampère</numerusform>
            <numerusform>milliampères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>statampère</numerusform>
            <numerusform>statampères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>bit</numerusform>
            <numerusform>bits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>block</source>
        <comment>Data</comment>
        <translation>
            <numerusform>bloc</numerusform>
            <numerusform>blocs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>byte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>octet</numerusform>
            <numerusform>octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blu-ray (1 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Blu-ray (1 couche)</numerusform>
            <numerusform>Blu-ray (1 couche)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blu-ray (2 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Blu-ray (2 couches)</numerusform>
            <numerusform>Blu-ray (2 couches)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD (74 minute)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>CD (74 minutes)</numerusform>
            <numerusform>CD (74 minutes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD (80 minute)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>CD (80 minutes)</numerusform>
            <numerusform>CD (80 minutes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>character</source>
        <comment>Data</comment>
        <translation>
            <numerusform>caractère</numerusform>
            <numerusform>caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (1 layer, 1 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (1 couche, 1 face)</numerusform>
            <numerusform>DVD (1 couche, 1 face)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (2 layer, 1 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (2 couches, 1 face)</numerusform>
            <numerusform>DVD (2 couches, 1 face)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (1 layer, 2 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (1 couche, 2 faces)</numerusform>
            <numerusform>DVD (1 couche, 2 faces)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (2 layer, 2 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (2 couches, 2 faces)</numerusform>
            <numerusform>DVD (2 couches, 2 faces)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>HD-DVD (1 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>HD-DVD (1 couche)</numerusform>
            <numerusform>HD-DVD (1 couche)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>HD-DVD (2 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>HD-DVD (2 couches)</numerusform>
            <numerusform>HD-DVD (2 couches)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>kilobit</numerusform>
            <numerusform>kilobits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>kilooctet</numerusform>
            <numerusform>kilooctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>mégabit</numerusform>
            <numerusform>mégabits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>mégaoctet</numerusform>
            <numerusform>mégaoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>gigabit</numerusform>
            <numerusform>gigabits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>gigaoctet</numerusform>
            <numerusform>gigaoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>térabit</numerusform>
            <numerusform>térabits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>téraoctet</numerusform>
            <numerusform>téraoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>pétabit</numerusform>
            <numerusform>pétabits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>pétaoctet</numerusform>
            <numerusform>pétaoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>exabit</numerusform>
            <numerusform>exabits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>exaoctet</numerusform>
            <numerusform>exaoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nibble</source>
        <comment>Data</comment>
        <translation>
            <numerusform>quartet</numerusform>
            <numerusform>quartets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zettabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>zettaoctet</numerusform>
            <numerusform>zettaoctets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>mot</numerusform>
            <numerusform>mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MAPM-word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>mot MAPM</numerusform>
            <numerusform>mots MAPM</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quadruple-word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>quadruple mot</numerusform>
            <numerusform>quadruples mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>bit/seconde</numerusform>
            <numerusform>bits/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>byte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>octet/seconde</numerusform>
            <numerusform>octets/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>kilobit/seconde (SI)</numerusform>
            <numerusform>kilobits/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>kilooctet/seconde (SI)</numerusform>
            <numerusform>kilooctets/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>mégabit/seconde (SI)</numerusform>
            <numerusform>mégabits/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>mégaoctet/seconde (SI)</numerusform>
            <numerusform>mégaoctets/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit/second (SI) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigabit/seconde (SI) </numerusform>
            <numerusform>gigabits/seconde (SI) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second (SI) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigaoctet/seconde (SI) </numerusform>
            <numerusform>gigaoctets/seconde (SI) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>térabit/seconde (SI)</numerusform>
            <numerusform>térabits/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>téraoctet/seconde (SI)</numerusform>
            <numerusform>téraoctets/seconde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>térabit/seconde</numerusform>
            <numerusform>térabits/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>téraoctet/seconde</numerusform>
            <numerusform>téraoctets/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ethernet</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ethernet</numerusform>
            <numerusform>Ethernet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ethernet (fast)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ethernet (Fast)</numerusform>
            <numerusform>Ethernet (Fast)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ethernet (gigabit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ethernet (gigabit)</numerusform>
            <numerusform>Ethernet (gigabit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISDN (single channel) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISDN (un canal) </numerusform>
            <numerusform>ISDN (un canal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISDN (dual channel) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISDN (deux canaux) </numerusform>
            <numerusform>ISDN (deux canaux) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Fast) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Fast) </numerusform>
            <numerusform>SCSI (Fast) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (LVD Ultral6O) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (LVD Ultral6O) </numerusform>
            <numerusform>SCSI (LVD Ultral6O) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 0) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PlO 0) </numerusform>
            <numerusform>IDE (mode PlO 0) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 1) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PlO 1) </numerusform>
            <numerusform>IDE (mode PlO 1) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PlO 2)</numerusform>
            <numerusform>IDE (mode PlO 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 3) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PlO 3) </numerusform>
            <numerusform>IDE (mode PlO 3) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 4) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PlO 4) </numerusform>
            <numerusform>IDE (mode PlO 4) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>firewire (IEEE-i394) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>FireWire (IEEE i394) </numerusform>
            <numerusform>FireWire (IEEE i394) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TO (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TO (charge utile) </numerusform>
            <numerusform>TO (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TO (B8ZS payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TO (charge utile B8ZS) </numerusform>
            <numerusform>TO (charge utile B8ZS) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ti (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Ti (signal) </numerusform>
            <numerusform>Ti (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ti (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ti (charge utile) </numerusform>
            <numerusform>Ti (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiZ (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TiZ (charge utile) </numerusform>
            <numerusform>TiZ (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiC (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>TiC (signal) </numerusform>
            <numerusform>TiC (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiC (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TiC (charge utile) </numerusform>
            <numerusform>TiC (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T2 (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>T2 (signal) </numerusform>
            <numerusform>T2 (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>T3 (signal)</numerusform>
            <numerusform>T3 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3 (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T3 (charge utile) </numerusform>
            <numerusform>T3 (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3Z (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T3Z (charge utile)</numerusform>
            <numerusform>T3Z (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T4 (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>T4 (signal) </numerusform>
            <numerusform>T4 (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>HO </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>HO </numerusform>
            <numerusform>HO </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hil </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Hil </numerusform>
            <numerusform>Hil </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>H12 </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>H12 </numerusform>
            <numerusform>H12 </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3 (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS3 (signal) </numerusform>
            <numerusform>STS3 (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3 (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS3 (charge utile) </numerusform>
            <numerusform>STS3 (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3c (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS3c (signal) </numerusform>
            <numerusform>STS3c (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3c (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS3c (charge utile) </numerusform>
            <numerusform>STS3c (charge utile) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS48 (signal) </source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS48 (signal) </numerusform>
            <numerusform>STS48 (signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>AGP</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>AGP</numerusform>
            <numerusform>AGP</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>AGP 2X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>AGP 2X</numerusform>
            <numerusform>AGP 2X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>AGP 4X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>AGP 4X</numerusform>
            <numerusform>AGP 4X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>AGP 8X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>AGP 8X</numerusform>
            <numerusform>AGP 8X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ATM</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>ATM</numerusform>
            <numerusform>ATM</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 12X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 12X</numerusform>
            <numerusform>CD-ROM 12X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 16X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 16X</numerusform>
            <numerusform>CD-ROM 16X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 1X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 1X</numerusform>
            <numerusform>CD-ROM 1X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 24X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 24X</numerusform>
            <numerusform>CD-ROM 24X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 2X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 2X</numerusform>
            <numerusform>CD-ROM 2X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 32X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 32X</numerusform>
            <numerusform>CD-ROM 32X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 3X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 3X</numerusform>
            <numerusform>CD-ROM 3X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 40X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 40X</numerusform>
            <numerusform>CD-ROM 40X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 48X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 48X</numerusform>
            <numerusform>CD-ROM 48X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 4X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 4X</numerusform>
            <numerusform>CD-ROM 4X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 52X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 52X</numerusform>
            <numerusform>CD-ROM 52X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 6X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 6X</numerusform>
            <numerusform>CD-ROM 6X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD-ROM 8X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>CD-ROM 8X</numerusform>
            <numerusform>CD-ROM 8X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>character/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>caractère/seconde</numerusform>
            <numerusform>caractères/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 1X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 1X</numerusform>
            <numerusform>DVD-ROM 1X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 2X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 2X</numerusform>
            <numerusform>DVD-ROM 2X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 3X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 3X</numerusform>
            <numerusform>DVD-ROM 3X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 4X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 4X</numerusform>
            <numerusform>DVD-ROM 4X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 6X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 6X</numerusform>
            <numerusform>DVD-ROM 6X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD-ROM 8X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>DVD-ROM 8X</numerusform>
            <numerusform>DVD-ROM 8X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 1 (charge utile)</numerusform>
            <numerusform>E.P.T.A. 1 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 1 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>E.P.T.A. 1 (signal)</numerusform>
            <numerusform>E.P.T.A. 1 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 2 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 2 (charge utile)</numerusform>
            <numerusform>E.P.T.A. 2 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 2 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>E.P.T.A. 2 (signal)</numerusform>
            <numerusform>E.P.T.A. 2 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 3 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 3 (charge utile)</numerusform>
            <numerusform>E.P.T.A. 3 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 3 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>E.P.T.A. 3 (signal)</numerusform>
            <numerusform>E.P.T.A. 3 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ethernet (10 gigabit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ethernet (10 gigabits)</numerusform>
            <numerusform>Ethernet (10 gigabits)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fiber channel</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Fibre Channel</numerusform>
            <numerusform>Fibre Channel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>firewire (IEEE-1394)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>FireWire (IEEE 1394)</numerusform>
            <numerusform>FireWire (IEEE 1394)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigabit/seconde</numerusform>
            <numerusform>gigabits/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit/second (SI def.)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigabit/seconde (déf. SI)</numerusform>
            <numerusform>gigabits/seconde (déf. SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigaoctet/seconde</numerusform>
            <numerusform>gigaoctets/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second (SI def.)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>gigaoctet/seconde (déf. SI)</numerusform>
            <numerusform>gigaoctets/seconde (déf. SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>H0</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>H0</numerusform>
            <numerusform>H0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>H11</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>H11</numerusform>
            <numerusform>H11</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>H12</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>H12</numerusform>
            <numerusform>H12</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (DMA mode 0)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode DMA 0)</numerusform>
            <numerusform>IDE (mode DMA 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (DMA mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode DMA 1)</numerusform>
            <numerusform>IDE (mode DMA 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (DMA mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode DMA 2)</numerusform>
            <numerusform>IDE (mode DMA 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 0)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PIO 0)</numerusform>
            <numerusform>IDE (mode PIO 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PIO 1)</numerusform>
            <numerusform>IDE (mode PIO 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PIO 2)</numerusform>
            <numerusform>IDE (mode PIO 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 3)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PIO 3)</numerusform>
            <numerusform>IDE (mode PIO 3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 4)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode PIO 4)</numerusform>
            <numerusform>IDE (mode PIO 4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 0)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 0)</numerusform>
            <numerusform>IDE (mode UDMA 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 1)</numerusform>
            <numerusform>IDE (mode UDMA 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 2)</numerusform>
            <numerusform>IDE (mode UDMA 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 3)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 3)</numerusform>
            <numerusform>IDE (mode UDMA 3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 4)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 4)</numerusform>
            <numerusform>IDE (mode UDMA 4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 5)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 5)</numerusform>
            <numerusform>IDE (mode UDMA 5)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 6)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (mode UDMA 6)</numerusform>
            <numerusform>IDE (mode UDMA 6)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA-100)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IDE (UDMA-100)</numerusform>
            <numerusform>IDE (UDMA-100)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA-133)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IDE (UDMA-133)</numerusform>
            <numerusform>IDE (UDMA-133)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA-33)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IDE (UDMA-33)</numerusform>
            <numerusform>IDE (UDMA-33)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA-66)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IDE (UDMA-66)</numerusform>
            <numerusform>IDE (UDMA-66)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IrDA</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IrDA</numerusform>
            <numerusform>IrDA</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IrDA-2</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>IrDA-2</numerusform>
            <numerusform>IrDA-2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISA (16-bit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISA (16 bits)</numerusform>
            <numerusform>ISA (16 bits)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISA (8-bit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISA (8 bits)</numerusform>
            <numerusform>ISA (8 bits)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>kilobit/seconde</numerusform>
            <numerusform>kilobits/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>kilooctet/seconde</numerusform>
            <numerusform>kilooctets/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>mégabit/seconde</numerusform>
            <numerusform>mégabits/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>mégaoctet/seconde</numerusform>
            <numerusform>mégaoctets/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (110)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (110)</numerusform>
            <numerusform>modems (110)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (1200)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (1200)</numerusform>
            <numerusform>modems (1200)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (14.4k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (14.4k)</numerusform>
            <numerusform>modems (14.4k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (2400)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (2400)</numerusform>
            <numerusform>modems (2400)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (28.8k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (28.8k)</numerusform>
            <numerusform>modems (28.8k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (300)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (300)</numerusform>
            <numerusform>modems (300)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (33.6k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (33.6k)</numerusform>
            <numerusform>modems (33.6k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (56k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (56k)</numerusform>
            <numerusform>modems (56k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (9600)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>modem (9600)</numerusform>
            <numerusform>modems (9600)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC1</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC1</numerusform>
            <numerusform>OC1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC12</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC12</numerusform>
            <numerusform>OC12</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC192</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC192</numerusform>
            <numerusform>OC192</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC24</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC24</numerusform>
            <numerusform>OC24</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC3</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC3</numerusform>
            <numerusform>OC3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC48</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC48</numerusform>
            <numerusform>OC48</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>OC768</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>OC768</numerusform>
            <numerusform>OC768</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>PCI</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>PCI</numerusform>
            <numerusform>PCI</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>PCI (64-bit 66MHz)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>PCI (64 bits, 66 MHz)</numerusform>
            <numerusform>PCI (64 bits, 66 MHz)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>PCI (64-bit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>PCI (64 bits)</numerusform>
            <numerusform>PCI (64 bits)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>PCI-X</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>PCI-X</numerusform>
            <numerusform>PCI-X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Async)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>SCSI (asynchrone)</numerusform>
            <numerusform>SCSI (asynchrone)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Fast Ultra Wide)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Fast Ultra Wide)</numerusform>
            <numerusform>SCSI (Fast Ultra Wide)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Fast Ultra)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Fast Ultra)</numerusform>
            <numerusform>SCSI (Fast Ultra)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Fast Wide)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Fast Wide)</numerusform>
            <numerusform>SCSI (Fast Wide)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (LVD Ultra160)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (LVD Ultra160)</numerusform>
            <numerusform>SCSI (LVD Ultra160)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (LVD Ultra320)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (LVD Ultra320)</numerusform>
            <numerusform>SCSI (LVD Ultra320)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (LVD Ultra80)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (LVD Ultra80)</numerusform>
            <numerusform>SCSI (LVD Ultra80)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Sync)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>SCSI (synchrone)</numerusform>
            <numerusform>SCSI (synchrone)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Ultra-2)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Ultra-2)</numerusform>
            <numerusform>SCSI (Ultra-2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCSI (Ultra-3)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>SCSI (Ultra-3)</numerusform>
            <numerusform>SCSI (Ultra-3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-1 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STM-1 (signal)</numerusform>
            <numerusform>STM-1 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-16 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STM-16 (signal)</numerusform>
            <numerusform>STM-16 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-4 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STM-4 (signal)</numerusform>
            <numerusform>STM-4 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-64 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STM-64 (signal)</numerusform>
            <numerusform>STM-64 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS1 (charge utile)</numerusform>
            <numerusform>STS1 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS1 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS1 (signal)</numerusform>
            <numerusform>STS1 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS12 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS12 (signal)</numerusform>
            <numerusform>STS12 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS192 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS192 (signal)</numerusform>
            <numerusform>STS192 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS24 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>STS24 (signal)</numerusform>
            <numerusform>STS24 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T0 (B8ZS payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T0 (charge utile B8ZS)</numerusform>
            <numerusform>T0 (charge utile B8ZS)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T0 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T0 (charge utile)</numerusform>
            <numerusform>T0 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1 (charge utile)</numerusform>
            <numerusform>T1 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>T1 (signal)</numerusform>
            <numerusform>T1 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1C (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1C (charge utile)</numerusform>
            <numerusform>T1C (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1C (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>T1C (signal)</numerusform>
            <numerusform>T1C (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1Z (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1Z (charge utile)</numerusform>
            <numerusform>T1Z (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>token ring</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Token Ring</numerusform>
            <numerusform>Token Ring</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>USB</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>USB</numerusform>
            <numerusform>USB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>USB 2.0</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>USB 2.0</numerusform>
            <numerusform>USB 2.0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 1 (charge utile)</numerusform>
            <numerusform>Virtual Tributary 1 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 1 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Virtual Tributary 1 (signal)</numerusform>
            <numerusform>Virtual Tributary 1 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 2 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 2 (charge utile)</numerusform>
            <numerusform>Virtual Tributary 2 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 2 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Virtual Tributary 2 (signal)</numerusform>
            <numerusform>Virtual Tributary 2 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 6 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 6 (charge utile)</numerusform>
            <numerusform>Virtual Tributary 6 (charge utile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 6 (signal)</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Virtual Tributary 6 (signal)</numerusform>
            <numerusform>Virtual Tributary 6 (signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>VLB</source>
        <comment>Data Transfer</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>VLB</numerusform>
            <numerusform>VLB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain/gallon (US)</source>
        <comment>Density</comment>
        <translation>
            <numerusform>grain/gallon (US)</numerusform>
            <numerusform>grains/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/centimeter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>gramme/centimètre³</numerusform>
            <numerusform>grammes/centimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/liter</source>
        <comment>Density</comment>
        <translation>
            <numerusform>gramme/litre</numerusform>
            <numerusform>grammes/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>gramme/mètre³</numerusform>
            <numerusform>grammes/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>kilogramme/mètre³</numerusform>
            <numerusform>kilogrammes/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/liter</source>
        <comment>Density</comment>
        <translation>
            <numerusform>kilogramme/litre</numerusform>
            <numerusform>kilogrammes/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>milligramme/mètre³</numerusform>
            <numerusform>milligrammes/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/gallon</source>
        <comment>Density</comment>
        <translation>
            <numerusform>once/gallon</numerusform>
            <numerusform>onces/gallon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>livre/pied³</numerusform>
            <numerusform>livres/pied³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (UK)</source>
        <comment>Density</comment>
        <translation>
            <numerusform>livre/gallon (imp.)</numerusform>
            <numerusform>livres/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (US)</source>
        <comment>Density</comment>
        <translation>
            <numerusform>livre/gallon (US)</numerusform>
            <numerusform>livres/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/inch³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>livre/pouce³</numerusform>
            <numerusform>livres/pouce³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/yard³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>livre/yard³</numerusform>
            <numerusform>livres/yard³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>slug/foot³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>slug/pied³</numerusform>
            <numerusform>slugs/pied³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton/yard³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>tonne courte/yard³</numerusform>
            <numerusform>tonnes courtes/yard³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>agate line</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>ligne agate</numerusform>
            <numerusform>lignes agate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>angstrom</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>ångström</numerusform>
            <numerusform>ångströms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>arm length</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>longueur de bras</numerusform>
            <numerusform>longueurs de bras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>astronomical unit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>unité astronomique</numerusform>
            <numerusform>unités astronomiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atomic unit of length</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>unité atomique de longueur</numerusform>
            <numerusform>unités atomiques de longueur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bamboo</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>bambou</numerusform>
            <numerusform>bambous</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barleycorn</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>grain d’orge</numerusform>
            <numerusform>grains d’orge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bohr radius</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>rayon de Bohr</numerusform>
            <numerusform>rayons de Bohr</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bu (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>bu (Japon)</numerusform>
            <numerusform>bu (Japon)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (int.)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>encablure (int.)</numerusform>
            <numerusform>encablures (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (UK)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>encablure (imp.)</numerusform>
            <numerusform>encablures (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (US)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>encablure (US)</numerusform>
            <numerusform>encablures (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calibre</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>calibre</numerusform>
            <numerusform>calibres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>centimètre</numerusform>
            <numerusform>centimètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chain (Gunter, Survey)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>chaîne (Gunter, arpentage)</numerusform>
            <numerusform>chaînes (Gunter, arpentage)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chain (Ramsden, Engineer)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>chaîne (Ramsden, ingénieur)</numerusform>
            <numerusform>chaînes (Ramsden, ingénieur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cho (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>chō (Japon)</numerusform>
            <numerusform>chō (Japon)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cicero</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>cicéro</numerusform>
            <numerusform>cicéros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cubit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>coudée</numerusform>
            <numerusform>coudées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>décimètre</numerusform>
            <numerusform>décimètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekameter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>décamètre</numerusform>
            <numerusform>décamètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ell (UK)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>aune (anglaise)</numerusform>
            <numerusform>aunes (anglaises)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>em (pica)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>cadratin (pica)</numerusform>
            <numerusform>cadratins (pica)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>faden (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>faden (allemand)</numerusform>
            <numerusform>faden (allemand)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fathom</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>brasse</numerusform>
            <numerusform>brasses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fermi</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>fermi</numerusform>
            <numerusform>fermis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>finger</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>doigt</numerusform>
            <numerusform>doigts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>finger (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>doigt (drap)</numerusform>
            <numerusform>doigts (drap)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Benoit)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (Benoît)</numerusform>
            <numerusform>pieds (Benoît)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Clarke, Cape)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (Clarke, Le Cap)</numerusform>
            <numerusform>pieds (Clarke, Le Cap)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied</numerusform>
            <numerusform>pieds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Indian)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (indien)</numerusform>
            <numerusform>pieds (indien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Sear)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (Sear)</numerusform>
            <numerusform>pieds (Sear)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (US Survey)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (arpentage US)</numerusform>
            <numerusform>pieds (arpentage US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>furlong</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>furlong</numerusform>
            <numerusform>furlongs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fuß (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>fuß (allemand)</numerusform>
            <numerusform>fuß (allemand)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>geographical mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mille géographique</numerusform>
            <numerusform>milles géographiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hand</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>main</numerusform>
            <numerusform>mains</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>hectomètre</numerusform>
            <numerusform>hectomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pouce</numerusform>
            <numerusform>pouces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jo (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>jō (Japon)</numerusform>
            <numerusform>jō (Japon)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ken (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>ken (Japon)</numerusform>
            <numerusform>ken (Japon)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>kilomètre</numerusform>
            <numerusform>kilomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>klafter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>klafter</numerusform>
            <numerusform>klafters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>league</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>lieue</numerusform>
            <numerusform>lieues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>league (nautical)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>lieue marine</numerusform>
            <numerusform>lieues marines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light day</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>jour-lumière</numerusform>
            <numerusform>jours-lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light hour</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>heure-lumière</numerusform>
            <numerusform>heures-lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light minute</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>minute-lumière</numerusform>
            <numerusform>minutes-lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light second</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>seconde-lumière</numerusform>
            <numerusform>secondes-lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light year</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>année-lumière</numerusform>
            <numerusform>années-lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>line</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>ligne</numerusform>
            <numerusform>lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>link (Gunter, Surveyor)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>chaînon (Gunter, arpenteur)</numerusform>
            <numerusform>chaînons (Gunter, arpenteur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>link (Ramsden, Engineer)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>chaînon (Ramsden, ingénieur)</numerusform>
            <numerusform>chaînons (Ramsden, ingénieur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>marathon</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>marathon</numerusform>
            <numerusform>marathons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megalithic yard</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>yard mégalithique</numerusform>
            <numerusform>yards mégalithiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megameter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mégamètre</numerusform>
            <numerusform>mégamètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaparsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mégaparsec</numerusform>
            <numerusform>mégaparsecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meile (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>meile (allemande)</numerusform>
            <numerusform>meilen (allemande)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mètre</numerusform>
            <numerusform>mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mickey</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mickey</numerusform>
            <numerusform>mickeys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microinch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>micropouce</numerusform>
            <numerusform>micropouces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micrometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>micromètre</numerusform>
            <numerusform>micromètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micron</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>micron</numerusform>
            <numerusform>microns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mil</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mil</numerusform>
            <numerusform>mils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mille</numerusform>
            <numerusform>milles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile (metric)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mille métrique</numerusform>
            <numerusform>milles métriques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>millimètre</numerusform>
            <numerusform>millimètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimicron</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>millimicron</numerusform>
            <numerusform>millimicrons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliparsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>milliparsec</numerusform>
            <numerusform>milliparsecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mkono (Africa)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mkono (Afrique)</numerusform>
            <numerusform>mkono (Afrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mo (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mō (Japon)</numerusform>
            <numerusform>mō (Japon)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mondo point</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mondopoint</numerusform>
            <numerusform>mondopoints</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nail (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>nail (drap)</numerusform>
            <numerusform>nails (drap)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>nanomètre</numerusform>
            <numerusform>nanomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>mille marin</numerusform>
            <numerusform>milles marins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>parsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>parsec</numerusform>
            <numerusform>parsecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pace</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pas</numerusform>
            <numerusform>pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>palm</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>palme</numerusform>
            <numerusform>palmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>perch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>perche</numerusform>
            <numerusform>perches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (ATA)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pica (ATA)</numerusform>
            <numerusform>picas (ATA)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (PostScript)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pica (PostScript)</numerusform>
            <numerusform>picas (PostScript)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (Tex)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pica (TeX)</numerusform>
            <numerusform>picas (TeX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>picomètre</numerusform>
            <numerusform>picomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pied (Canada)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>pied (Canada)</numerusform>
            <numerusform>pieds (Canada)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (ATA)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>point (ATA)</numerusform>
            <numerusform>points (ATA)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (Didot, Europe)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>point (Didot, Europe)</numerusform>
            <numerusform>points (Didot, Europe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (metric)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>point (métrique)</numerusform>
            <numerusform>points (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (PostScript)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>point (PostScript)</numerusform>
            <numerusform>points (PostScript)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (Tex)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>point (TeX)</numerusform>
            <numerusform>points (TeX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Planck</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>longueur de Planck</numerusform>
            <numerusform>longueurs de Planck</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pole</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>perche (pole)</numerusform>
            <numerusform>perches (pole)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>siegbahn</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>siegbahn</numerusform>
            <numerusform>siegbahns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>once (longueur)</numerusform>
            <numerusform>onces (longueur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>span</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>empan</numerusform>
            <numerusform>empans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>span (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>empan (drap)</numerusform>
            <numerusform>empans (drap)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spat</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>spat</numerusform>
            <numerusform>spats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>twip</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>twip</numerusform>
            <numerusform>twips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>x unit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>unité X</numerusform>
            <numerusform>unités X</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>yard</numerusform>
            <numerusform>yards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British thermal unit (IT)</numerusform>
            <numerusform>British thermal units (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British thermal unit (th)</numerusform>
            <numerusform>British thermal units (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British thermal unit (moyenne)</numerusform>
            <numerusform>British thermal units (moyenne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (39 °F)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British thermal unit (39 °F)</numerusform>
            <numerusform>British thermal units (39 °F)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (59 °F)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British thermal unit (59 °F)</numerusform>
            <numerusform>British thermal units (59 °F)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>calorie (IT)</numerusform>
            <numerusform>calories (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>calorie (th)</numerusform>
            <numerusform>calories (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>calorie (moyenne)</numerusform>
            <numerusform>calories (moyenne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (15 °C)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>calorie (15 °C)</numerusform>
            <numerusform>calories (15 °C)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (20 °C)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>calorie (20 °C)</numerusform>
            <numerusform>calories (20 °C)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>electronvolt</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>électronvolt</numerusform>
            <numerusform>électronvolts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>erg</numerusform>
            <numerusform>ergs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot poundal</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>pied-poundal</numerusform>
            <numerusform>pieds-poundals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>pied-livre-force</numerusform>
            <numerusform>pieds-livres-force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>joule</numerusform>
            <numerusform>joules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>kilocalorie (IT)</numerusform>
            <numerusform>kilocalories (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>kilocalorie (th)</numerusform>
            <numerusform>kilocalories (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>kilocalorie (moyenne)</numerusform>
            <numerusform>kilocalories (moyenne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>kilojoule</numerusform>
            <numerusform>kilojoules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt hour</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>kilowattheure</numerusform>
            <numerusform>kilowattheures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>mégajoule</numerusform>
            <numerusform>mégajoules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quad</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>quad</numerusform>
            <numerusform>quads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>therm (EC)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>therm (CE)</numerusform>
            <numerusform>therms (CE)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>therm (US)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>therm (US)</numerusform>
            <numerusform>therms (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton of TNT</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>tonne de TNT</numerusform>
            <numerusform>tonnes de TNT</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt hour</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>wattheure</numerusform>
            <numerusform>wattheures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt second</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>wattseconde</numerusform>
            <numerusform>wattsecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/pound</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>British thermal units/livre</numerusform>
            <numerusform>British thermal units/livre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/gram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>calorie/gramme</numerusform>
            <numerusform>calories/gramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>joule/kilogramme</numerusform>
            <numerusform>joules/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>kilocalorie/kilogramme</numerusform>
            <numerusform>kilocalories/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>kilojoule/kilogramme</numerusform>
            <numerusform>kilojoules/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/pound mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>British thermal units/livre-mole</numerusform>
            <numerusform>British thermal units/livre-mole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>calorie/mole</numerusform>
            <numerusform>calories/mole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>joule/mole</numerusform>
            <numerusform>joules/mole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilomole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>joule/kilomole</numerusform>
            <numerusform>joules/kilomole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/kilomole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>kilocalorie/kilomole</numerusform>
            <numerusform>kilocalories/kilomole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>kilocalorie/mole</numerusform>
            <numerusform>kilocalories/mole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>kilojoule/mole</numerusform>
            <numerusform>kilojoules/mole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/foot³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>British thermal units/pied³</numerusform>
            <numerusform>British thermal units/pied³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/gallon</source>
        <comment>Enthalpy (Volume)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>British thermal units/gallon</numerusform>
            <numerusform>British thermal units/gallon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>kilocalorie/mètre³</numerusform>
            <numerusform>kilocalories/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>kilojoule/mètre³</numerusform>
            <numerusform>kilojoules/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>mégajoule/mètre³</numerusform>
            <numerusform>mégajoules/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>centimètre³/heure</numerusform>
            <numerusform>centimètres³/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>centimètre³/minute</numerusform>
            <numerusform>centimètres³/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>centimètre³/seconde</numerusform>
            <numerusform>centimètres³/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>pied³/heure</numerusform>
            <numerusform>pieds³/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>pied³/minute</numerusform>
            <numerusform>pieds³/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>pied³/seconde</numerusform>
            <numerusform>pieds³/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/day(UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/jour (imp.)</numerusform>
            <numerusform>gallons/jour (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/hour (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/heure (imp.)</numerusform>
            <numerusform>gallons/heure (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/minute (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/minute (imp.)</numerusform>
            <numerusform>gallons/minute (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/second (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/seconde (imp.)</numerusform>
            <numerusform>gallons/seconde (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/jour</numerusform>
            <numerusform>gallons/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/heure</numerusform>
            <numerusform>gallons/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/minute</numerusform>
            <numerusform>gallons/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>gallon/seconde</numerusform>
            <numerusform>gallons/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>litre/jour</numerusform>
            <numerusform>litres/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>litre/heure</numerusform>
            <numerusform>litres/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>litre/minute</numerusform>
            <numerusform>litres/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>litre/seconde</numerusform>
            <numerusform>litres/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaliter/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>mégalitre/jour</numerusform>
            <numerusform>mégalitres/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>mètre³/jour</numerusform>
            <numerusform>mètres³/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>mètre³/heure</numerusform>
            <numerusform>mètres³/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>mètre³/minute</numerusform>
            <numerusform>mètres³/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>mètre³/seconde</numerusform>
            <numerusform>mètres³/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>million gallon/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>million de gallons/jour</numerusform>
            <numerusform>millions de gallons/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>millilitre/heure</numerusform>
            <numerusform>millilitres/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>millilitre/minute</numerusform>
            <numerusform>millilitres/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>millilitre/seconde</numerusform>
            <numerusform>millilitres/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/hour (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/heure (imp.)</numerusform>
            <numerusform>onces/heure (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/minute (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/minute (imp.)</numerusform>
            <numerusform>onces/minute (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/second (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/seconde (imp.)</numerusform>
            <numerusform>onces/seconde (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/heure</numerusform>
            <numerusform>onces/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/minute</numerusform>
            <numerusform>onces/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>once/seconde</numerusform>
            <numerusform>onces/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>yard³/heure</numerusform>
            <numerusform>yards³/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>yard³/minute</numerusform>
            <numerusform>yards³/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>yard³/seconde</numerusform>
            <numerusform>yards³/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne</source>
        <comment>Force</comment>
        <translation>
            <numerusform>dyne</numerusform>
            <numerusform>dynes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>gramme-force</numerusform>
            <numerusform>grammes-force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/centimeter</source>
        <comment>Force</comment>
        <translation>
            <numerusform>joule/centimètre</numerusform>
            <numerusform>joules/centimètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/meter</source>
        <comment>Force</comment>
        <translation>
            <numerusform>joule/mètre</numerusform>
            <numerusform>joules/mètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>kilogramme-force</numerusform>
            <numerusform>kilogrammes-force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilonewton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>kilonewton</numerusform>
            <numerusform>kilonewtons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kip</source>
        <comment>Force</comment>
        <translation>
            <numerusform>kip</numerusform>
            <numerusform>kips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millinewton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>millinewton</numerusform>
            <numerusform>millinewtons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>newton</numerusform>
            <numerusform>newtons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>once-force</numerusform>
            <numerusform>onces-force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>livre-force</numerusform>
            <numerusform>livres-force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal</source>
        <comment>Force</comment>
        <translation>
            <numerusform>poundal</numerusform>
            <numerusform>poundals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton-force (2000 lbf)</source>
        <comment>Force</comment>
        <translation>
            <numerusform>tonne-force (2000 lbf)</numerusform>
            <numerusform>tonnes-force (2000 lbf)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>gallon (imp.)/100 milles</numerusform>
            <numerusform>gallons (imp.)/100 milles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (US)/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>gallon (US)/100 milles</numerusform>
            <numerusform>gallons (US)/100 milles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>gallon (imp.)/100 kilomètres</numerusform>
            <numerusform>gallons (imp.)/100 kilomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (US)/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>gallon (US)/100 kilomètres</numerusform>
            <numerusform>gallons (US)/100 kilomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>kilomètre/gallon (imp.)</numerusform>
            <numerusform>kilomètres/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>kilomètre/gallon (US)</numerusform>
            <numerusform>kilomètres/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>kilomètre/litre</numerusform>
            <numerusform>kilomètres/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>litre/100 kilomètres</numerusform>
            <numerusform>litres/100 kilomètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>litre/100 milles</numerusform>
            <numerusform>litres/100 milles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mètre/gallon (US)</numerusform>
            <numerusform>mètres/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mètre/gallon (imp.)</numerusform>
            <numerusform>mètres/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mètre/litre</numerusform>
            <numerusform>mètres/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/gallon(US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille/gallon(US)</numerusform>
            <numerusform>milles/gallon(US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/gallon(UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille/gallon(imp.)</numerusform>
            <numerusform>milles/gallon(imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille/litre</numerusform>
            <numerusform>milles/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille marin/gallon (imp.)</numerusform>
            <numerusform>milles marins/gallon (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille marin/gallon (US)</numerusform>
            <numerusform>milles marins/gallon (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>mille marin/litre</numerusform>
            <numerusform>milles marins/litre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/seconde·pied² (int.)</numerusform>
            <numerusform>Btu/seconde·pied² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/minute·pied² (int.)</numerusform>
            <numerusform>Btu/minute·pied² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/heure·pied² (int.)</numerusform>
            <numerusform>Btu/heure·pied² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·inch² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/seconde·pouce² (th.)</numerusform>
            <numerusform>Btu/seconde·pouce² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/seconde·pied² (th.)</numerusform>
            <numerusform>Btu/seconde·pied² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/minute·pied² (th.)</numerusform>
            <numerusform>Btu/minute·pied² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/heure·pied² (th.)</numerusform>
            <numerusform>Btu/heure·pied² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chu/hour·foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>chu/heure·pied²</numerusform>
            <numerusform>chus/heure·pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>watt/mètre²</numerusform>
            <numerusform>watts/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt/meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>kilowatt/mètre²</numerusform>
            <numerusform>kilowatts/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/centimeter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>watt/centimètre²</numerusform>
            <numerusform>watts/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second·meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>joule/seconde·mètre²</numerusform>
            <numerusform>joules/seconde·mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour·meter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>kilocalorie/heure·mètre² (int.)</numerusform>
            <numerusform>kilocalories/heure·mètre² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>kilocalorie/heure·pied² (int.)</numerusform>
            <numerusform>kilocalories/heure·pied² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/seconde·centimètre² (int.)</numerusform>
            <numerusform>calories/seconde·centimètre² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/minute·centimètre² (int.)</numerusform>
            <numerusform>calories/minute·centimètre² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/heure·centimètre² (int.)</numerusform>
            <numerusform>calories/heure·centimètre² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/seconde·centimètre² (th.)</numerusform>
            <numerusform>calories/seconde·centimètre² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/minute·centimètre² (th.)</numerusform>
            <numerusform>calories/minute·centimètre² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>calorie/heure·centimètre² (th.)</numerusform>
            <numerusform>calories/heure·centimètre² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/hour·centimeter</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>dyne/heure·centimètre</numerusform>
            <numerusform>dynes/heure·centimètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/hour·meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>erg/heure·mètre²</numerusform>
            <numerusform>ergs/heure·mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound/minute·foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>pied-livre/minute·pied²</numerusform>
            <numerusform>pieds-livres/minute·pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower/foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>horsepower/pied²</numerusform>
            <numerusform>horsepowers/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower/foot² (metric)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>horsepower/pied² (métrique)</numerusform>
            <numerusform>horsepowers/pied² (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/heure·pied³ (int.)</numerusform>
            <numerusform>Btu/heure·pied³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/minute·pied³ (int.)</numerusform>
            <numerusform>Btu/minute·pied³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/seconde·pied³ (int.)</numerusform>
            <numerusform>Btu/seconde·pied³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/heure·pied³ (th.)</numerusform>
            <numerusform>Btu/heure·pied³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/minute·pied³ (th.)</numerusform>
            <numerusform>Btu/minute·pied³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/seconde·pied³ (th.)</numerusform>
            <numerusform>Btu/seconde·pied³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second·meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>joule/seconde·mètre³</numerusform>
            <numerusform>joules/seconde·mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt/meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>kilowatt/mètre³</numerusform>
            <numerusform>kilowatts/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>watt/mètre³</numerusform>
            <numerusform>watts/mètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/centimeter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>watt/centimètre³</numerusform>
            <numerusform>watts/centimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/milliimeter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>watt/milliimètre³</numerusform>
            <numerusform>watts/milliimètre³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter·candle</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>centimètre·bougie</numerusform>
            <numerusform>centimètres·bougie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flame</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>flame</numerusform>
            <numerusform>flames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/centimeter²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>lumen/centimètre²</numerusform>
            <numerusform>lumens/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/foot²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>lumen/pied²</numerusform>
            <numerusform>lumens/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/meter²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>lumen/mètre²</numerusform>
            <numerusform>lumens/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lux</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>lux</numerusform>
            <numerusform>lux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter candle</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>bougie-mètre</numerusform>
            <numerusform>bougies-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nox</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>nox</numerusform>
            <numerusform>nox</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>phot</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>phot</numerusform>
            <numerusform>phots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abhenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>abhenry</numerusform>
            <numerusform>abhenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>attohenry</numerusform>
            <numerusform>attohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>centihenry</numerusform>
            <numerusform>centihenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>décihenry</numerusform>
            <numerusform>décihenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>décahenry</numerusform>
            <numerusform>décahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of inductance</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>uem d’inductance</numerusform>
            <numerusform>uem d’inductance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of inductance</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>ues d’inductance</numerusform>
            <numerusform>ues d’inductance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>exahenry</numerusform>
            <numerusform>exahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>femtohenry</numerusform>
            <numerusform>femtohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>gigahenry</numerusform>
            <numerusform>gigahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>hectohenry</numerusform>
            <numerusform>hectohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>henry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>henry</numerusform>
            <numerusform>henrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>kilohenry</numerusform>
            <numerusform>kilohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>mégahenry</numerusform>
            <numerusform>mégahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microhenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>microhenry</numerusform>
            <numerusform>microhenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>millihenry</numerusform>
            <numerusform>millihenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>nanohenry</numerusform>
            <numerusform>nanohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>pétahenry</numerusform>
            <numerusform>pétahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>picohenry</numerusform>
            <numerusform>picohenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stathenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>stathenry</numerusform>
            <numerusform>stathenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>térahenry</numerusform>
            <numerusform>térahenrys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>weber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>weber</numerusform>
            <numerusform>webers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliweber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>milliweber</numerusform>
            <numerusform>milliwebers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microweber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>microweber</numerusform>
            <numerusform>microwebers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>volt·second</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>volt·seconde</numerusform>
            <numerusform>volts·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unit pole</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>pôle unité</numerusform>
            <numerusform>pôles unités</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaline</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>mégaline</numerusform>
            <numerusform>mégalines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kiloline</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>kiloline</numerusform>
            <numerusform>kilolines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>line</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>line</numerusform>
            <numerusform>lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>maxwell</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>maxwell</numerusform>
            <numerusform>maxwells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tesla·meter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>tesla·mètre²</numerusform>
            <numerusform>teslas·mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tesla·centimeter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>tesla·centimètre²</numerusform>
            <numerusform>teslas·centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gauss·meter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>gauss·mètre²</numerusform>
            <numerusform>gauss·mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gauss·centimeter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>gauss·centimètre²</numerusform>
            <numerusform>gauss·centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>magnetic flux quantum</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>quantum de flux magnétique</numerusform>
            <numerusform>quanta de flux magnétique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>carat</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>carat</numerusform>
            <numerusform>carats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>grain</numerusform>
            <numerusform>grains</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>gramme</numerusform>
            <numerusform>grammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>kilogramme</numerusform>
            <numerusform>kilogrammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microgram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>microgramme</numerusform>
            <numerusform>microgrammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>milligramme</numerusform>
            <numerusform>milligrammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>once</numerusform>
            <numerusform>onces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce(troy)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>once troy</numerusform>
            <numerusform>onces troy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pennyweight</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>pennyweight</numerusform>
            <numerusform>pennyweights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>livre</numerusform>
            <numerusform>livres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound(troy)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>livre troy</numerusform>
            <numerusform>livres troy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stone</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>stone</numerusform>
            <numerusform>stones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>tonne courte</numerusform>
            <numerusform>tonnes courtes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton(long)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>tonne longue</numerusform>
            <numerusform>tonnes longues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton(metric)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>tonne</numerusform>
            <numerusform>tonnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-02 (binary)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>base-02 (binaire)</numerusform>
            <numerusform>base-02 (binaire)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-03</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-03</numerusform>
            <numerusform>base-03</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-04</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-04</numerusform>
            <numerusform>base-04</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-05</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-05</numerusform>
            <numerusform>base-05</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-06</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-06</numerusform>
            <numerusform>base-06</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-07</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-07</numerusform>
            <numerusform>base-07</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-08 (octal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>base-08 (octale)</numerusform>
            <numerusform>base-08 (octale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-09</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-09</numerusform>
            <numerusform>base-09</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-10 (decimal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>base-10 (décimale)</numerusform>
            <numerusform>base-10 (décimale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-11</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-11</numerusform>
            <numerusform>base-11</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-12</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-12</numerusform>
            <numerusform>base-12</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-13</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-13</numerusform>
            <numerusform>base-13</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-14</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-14</numerusform>
            <numerusform>base-14</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-15</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-15</numerusform>
            <numerusform>base-15</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-16 (hexadecimal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>base-16 (hexadécimale)</numerusform>
            <numerusform>base-16 (hexadécimale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-17</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-17</numerusform>
            <numerusform>base-17</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-18</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-18</numerusform>
            <numerusform>base-18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-19</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-19</numerusform>
            <numerusform>base-19</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-20</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-20</numerusform>
            <numerusform>base-20</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-21</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-21</numerusform>
            <numerusform>base-21</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-22</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-22</numerusform>
            <numerusform>base-22</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-23</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-23</numerusform>
            <numerusform>base-23</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-24</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-24</numerusform>
            <numerusform>base-24</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-25</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-25</numerusform>
            <numerusform>base-25</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-26</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-26</numerusform>
            <numerusform>base-26</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-27</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-27</numerusform>
            <numerusform>base-27</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-28</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-28</numerusform>
            <numerusform>base-28</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-29</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-29</numerusform>
            <numerusform>base-29</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-30</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-30</numerusform>
            <numerusform>base-30</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-31</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-31</numerusform>
            <numerusform>base-31</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-32</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-32</numerusform>
            <numerusform>base-32</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-33</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-33</numerusform>
            <numerusform>base-33</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-34</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-34</numerusform>
            <numerusform>base-34</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-35</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-35</numerusform>
            <numerusform>base-35</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-36</source>
        <comment>Numbers</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>base-36</numerusform>
            <numerusform>base-36</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>attojoule/seconde</numerusform>
            <numerusform>attojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>attowatt</numerusform>
            <numerusform>attowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/heure (int.)</numerusform>
            <numerusform>Btu/heure (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/heure (th.)</numerusform>
            <numerusform>Btu/heure (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Btu/minute (int.)</numerusform>
            <numerusform>Btu/minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Btu/minute (th.)</numerusform>
            <numerusform>Btu/minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/seconde (int.)</numerusform>
            <numerusform>Btu/seconde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/seconde (th.)</numerusform>
            <numerusform>Btu/seconde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/heure (int.)</numerusform>
            <numerusform>calories/heure (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/heure (th.)</numerusform>
            <numerusform>calories/heure (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/minute (int.)</numerusform>
            <numerusform>calories/minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/minute (th.)</numerusform>
            <numerusform>calories/minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/seconde (int.)</numerusform>
            <numerusform>calories/seconde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>calorie/seconde (th.)</numerusform>
            <numerusform>calories/seconde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>centijoule/seconde</numerusform>
            <numerusform>centijoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centiwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>centiwatt</numerusform>
            <numerusform>centiwatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>décijoule/seconde</numerusform>
            <numerusform>décijoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deciwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>déciwatt</numerusform>
            <numerusform>déciwatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>décajoule/seconde</numerusform>
            <numerusform>décajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>décawatt</numerusform>
            <numerusform>décawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>erg/seconde</numerusform>
            <numerusform>ergs/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>exajoule/seconde</numerusform>
            <numerusform>exajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>exawatt</numerusform>
            <numerusform>exawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>femtojoule/seconde</numerusform>
            <numerusform>femtojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>femtowatt</numerusform>
            <numerusform>femtowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>gigajoule/seconde</numerusform>
            <numerusform>gigajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>gigawatt</numerusform>
            <numerusform>gigawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>hectojoule/seconde</numerusform>
            <numerusform>hectojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>hectowatt</numerusform>
            <numerusform>hectowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower</numerusform>
            <numerusform>horsepowers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (boiler)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower (chaudière)</numerusform>
            <numerusform>horsepowers (chaudière)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (electric)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower (électrique)</numerusform>
            <numerusform>horsepowers (électrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (metric)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower (métrique)</numerusform>
            <numerusform>horsepowers (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (UK)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower (imp.)</numerusform>
            <numerusform>horsepowers (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (water)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>horsepower (eau)</numerusform>
            <numerusform>horsepowers (eau)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>joule/heure</numerusform>
            <numerusform>joules/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>joule/minute</numerusform>
            <numerusform>joules/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>joule/seconde</numerusform>
            <numerusform>joules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/heure (int.)</numerusform>
            <numerusform>kilocalories/heure (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/heure (th.)</numerusform>
            <numerusform>kilocalories/heure (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/minute (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/minute (int.)</numerusform>
            <numerusform>kilocalories/minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/minute (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/minute (th.)</numerusform>
            <numerusform>kilocalories/minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/seconde (int.)</numerusform>
            <numerusform>kilocalories/seconde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilocalorie/seconde (th.)</numerusform>
            <numerusform>kilocalories/seconde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilojoule/heure</numerusform>
            <numerusform>kilojoules/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilojoule/minute</numerusform>
            <numerusform>kilojoules/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilojoule/seconde</numerusform>
            <numerusform>kilojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>kilowatt</numerusform>
            <numerusform>kilowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MBH</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>MBH</numerusform>
            <numerusform>MBH</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MBtu/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>MBtu/heure</numerusform>
            <numerusform>MBtu/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>mégajoule/seconde</numerusform>
            <numerusform>mégajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>mégawatt</numerusform>
            <numerusform>mégawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microjoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>microjoule/seconde</numerusform>
            <numerusform>microjoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>microwatt</numerusform>
            <numerusform>microwatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>millijoule/seconde</numerusform>
            <numerusform>millijoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>milliwatt</numerusform>
            <numerusform>milliwatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>nanojoule/seconde</numerusform>
            <numerusform>nanojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>nanowatt</numerusform>
            <numerusform>nanowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>pétajoule/seconde</numerusform>
            <numerusform>pétajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>pétawatt</numerusform>
            <numerusform>pétawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pferdestärke</source>
        <comment>Power</comment>
        <translation>
            <numerusform>cheval-vapeur</numerusform>
            <numerusform>chevaux-vapeur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>picojoule/seconde</numerusform>
            <numerusform>picojoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>picowatt</numerusform>
            <numerusform>picowatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>pied-livre-force/heure</numerusform>
            <numerusform>pieds-livres-force/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>pied-livre-force/minute</numerusform>
            <numerusform>pieds-livres-force/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>pied-livre-force/seconde</numerusform>
            <numerusform>pieds-livres-force/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>térajoule/seconde</numerusform>
            <numerusform>térajoules/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>térawatt</numerusform>
            <numerusform>térawatts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton (refrigeration)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>tonne de réfrigération</numerusform>
            <numerusform>tonnes de réfrigération</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>watt</numerusform>
            <numerusform>watts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atmosphere</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>atmosphère</numerusform>
            <numerusform>atmosphères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>bar</numerusform>
            <numerusform>bars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter of mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>centimètre de mercure</numerusform>
            <numerusform>centimètres de mercure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/centimeter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>dyne/centimètre²</numerusform>
            <numerusform>dynes/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectopascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>hectopascal</numerusform>
            <numerusform>hectopascals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch of Mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>pouce de mercure</numerusform>
            <numerusform>pouces de mercure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/centimeter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>kilogramme/centimètre²</numerusform>
            <numerusform>kilogrammes/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>kilogramme/mètre²</numerusform>
            <numerusform>kilogrammes/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilopascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>kilopascal</numerusform>
            <numerusform>kilopascals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megapascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>mégapascal</numerusform>
            <numerusform>mégapascals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microbar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>microbar</numerusform>
            <numerusform>microbars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millibar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>millibar</numerusform>
            <numerusform>millibars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter of mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>millimètre de mercure</numerusform>
            <numerusform>millimètres de mercure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/meter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>newton/mètre²</numerusform>
            <numerusform>newtons/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/mm²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>newton/mm²</numerusform>
            <numerusform>newtons/mm²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>pascal</numerusform>
            <numerusform>pascals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/foot²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>livre-force/pied²</numerusform>
            <numerusform>livres-force/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/inch²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>livre-force/pouce²</numerusform>
            <numerusform>livres-force/pouce²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>psi</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>psi</numerusform>
            <numerusform>psi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton-force/foot²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>tonne-force/pied²</numerusform>
            <numerusform>tonnes-force/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton-force/inch²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>tonne-force/pouce²</numerusform>
            <numerusform>tonnes-force/pouce²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>torr</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>torr</numerusform>
            <numerusform>torrs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>attogray/seconde</numerusform>
            <numerusform>attograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centigray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>centigray/seconde</numerusform>
            <numerusform>centigrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decigray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>décigray/seconde</numerusform>
            <numerusform>décigrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>décagray/seconde</numerusform>
            <numerusform>décagrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>exagray/seconde</numerusform>
            <numerusform>exagrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>femtogray/seconde</numerusform>
            <numerusform>femtograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>gigagray/seconde</numerusform>
            <numerusform>gigagrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>gray/seconde</numerusform>
            <numerusform>grays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>hectogray/seconde</numerusform>
            <numerusform>hectograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilogram/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>joule/kilogramme/seconde</numerusform>
            <numerusform>joules/kilogramme/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>kilogray/seconde</numerusform>
            <numerusform>kilograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>mégagray/seconde</numerusform>
            <numerusform>mégagrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microgray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>microgray/seconde</numerusform>
            <numerusform>micrograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>milligray/seconde</numerusform>
            <numerusform>milligrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>nanogray/seconde</numerusform>
            <numerusform>nanograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>pétagray/seconde</numerusform>
            <numerusform>pétagrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>picogray/seconde</numerusform>
            <numerusform>picograys/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rad/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>rad/seconde</numerusform>
            <numerusform>rads/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teragray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>téragray/seconde</numerusform>
            <numerusform>téragrays/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>coulomb/kilogramme</numerusform>
            <numerusform>coulombs/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microcoulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>microcoulomb/kilogramme</numerusform>
            <numerusform>microcoulombs/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millicoulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>millicoulomb/kilogramme</numerusform>
            <numerusform>millicoulombs/kilogramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millicurie of intensity hour</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>millicurie-heure d’intensité</numerusform>
            <numerusform>millicuries-heures d’intensité</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millirem</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>millirem</numerusform>
            <numerusform>millirems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>parker</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>parker</numerusform>
            <numerusform>parkers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rem</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>rem</numerusform>
            <numerusform>rems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rep</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>rep</numerusform>
            <numerusform>reps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roentgen</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>röntgen</numerusform>
            <numerusform>röntgens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sievert</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>sievert</numerusform>
            <numerusform>sieverts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tissue roentgen</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>röntgen tissulaire</numerusform>
            <numerusform>röntgens tissulaires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peta</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>péta</numerusform>
            <numerusform>péta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tera</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>téra</numerusform>
            <numerusform>téra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>giga</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>giga</numerusform>
            <numerusform>giga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mega</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>méga</numerusform>
            <numerusform>méga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilo</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>kilo</numerusform>
            <numerusform>kilo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hecto</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>hecto</numerusform>
            <numerusform>hecto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deca</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>déca</numerusform>
            <numerusform>déca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unity</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>unité</numerusform>
            <numerusform>unité</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deci</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>déci</numerusform>
            <numerusform>déci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centi</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>centi</numerusform>
            <numerusform>centi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milli</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>milli</numerusform>
            <numerusform>milli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micro</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>micro</numerusform>
            <numerusform>micro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nano</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>nano</numerusform>
            <numerusform>nano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pico</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>pico</numerusform>
            <numerusform>pico</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femto</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>femto</numerusform>
            <numerusform>femto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yotta</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>yotta</numerusform>
            <numerusform>yotta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zetta</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>zetta</numerusform>
            <numerusform>zetta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exa</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>exa</numerusform>
            <numerusform>exa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/centimeter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>dyne/centimètre</numerusform>
            <numerusform>dynes/centimètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/centimeter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>erg/centimètre²</numerusform>
            <numerusform>ergs/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/millimeter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>erg/millimètre²</numerusform>
            <numerusform>ergs/millimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force/centimeter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>gramme-force/centimètre</numerusform>
            <numerusform>grammes-force/centimètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/second²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>gramme/seconde²</numerusform>
            <numerusform>grammes/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/meter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>joule/mètre²</numerusform>
            <numerusform>joules/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/second²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>kilogramme/seconde²</numerusform>
            <numerusform>kilogrammes/seconde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/foot</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>livre-force/pied</numerusform>
            <numerusform>livres-force/pied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/inch</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>livre-force/pouce</numerusform>
            <numerusform>livres-force/pouce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal/inch</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>poundal/pouce</numerusform>
            <numerusform>poundals/pouce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/meter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>newton/mètre</numerusform>
            <numerusform>newtons/mètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Celsius</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>degré Celsius</numerusform>
            <numerusform>degrés Celsius</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Fahrenheit</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>degré Fahrenheit</numerusform>
            <numerusform>degrés Fahrenheit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kelvin</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>kelvin</numerusform>
            <numerusform>kelvins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Rankine</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>degré Rankine</numerusform>
            <numerusform>degrés Rankine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Reaumur</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>degré Réaumur</numerusform>
            <numerusform>degrés Réaumur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>R-value (imperial)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>valeur R (impériale)</numerusform>
            <numerusform>valeurs R (impériale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>R-value (metric)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>valeur R (métrique)</numerusform>
            <numerusform>valeurs R (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>U-value (imperial)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>valeur U (impériale)</numerusform>
            <numerusform>valeurs U (impériale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>U-value (metric)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>valeur U (métrique)</numerusform>
            <numerusform>valeurs U (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atomic unit of time</source>
        <comment>Time</comment>
        <translation>
            <numerusform>unité atomique de temps</numerusform>
            <numerusform>unités atomiques de temps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>attoseconde</numerusform>
            <numerusform>attosecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Callippic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>cycle de Callippe</numerusform>
            <numerusform>cycles de Callippe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>century</source>
        <comment>Time</comment>
        <translation>
            <numerusform>siècle</numerusform>
            <numerusform>siècles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>century (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>siècle (julien)</numerusform>
            <numerusform>siècles (julien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day</source>
        <comment>Time</comment>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>jour (sidéral)</numerusform>
            <numerusform>jours (sidéral)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decade</source>
        <comment>Time</comment>
        <translation>
            <numerusform>décennie</numerusform>
            <numerusform>décennies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>enneadecaeteris</source>
        <comment>Time</comment>
        <translation>
            <numerusform>ennéadécaétéride</numerusform>
            <numerusform>ennéadécaétérides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>femtoseconde</numerusform>
            <numerusform>femtosecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fortnight</source>
        <comment>Time</comment>
        <translation>
            <numerusform>quinzaine</numerusform>
            <numerusform>quinzaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>helek</source>
        <comment>Time</comment>
        <translation>
            <numerusform>helek</numerusform>
            <numerusform>halakim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hipparchic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>cycle d’Hipparque</numerusform>
            <numerusform>cycles d’Hipparque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hour</source>
        <comment>Time</comment>
        <translation>
            <numerusform>heure</numerusform>
            <numerusform>heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hour (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>heure (sidérale)</numerusform>
            <numerusform>heures (sidérale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jiffy</source>
        <comment>Time</comment>
        <translation>
            <numerusform>jiffy</numerusform>
            <numerusform>jiffys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jiffy (alternate)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>jiffy (variante)</numerusform>
            <numerusform>jiffys (variante)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lustre</source>
        <comment>Time</comment>
        <translation>
            <numerusform>lustre</numerusform>
            <numerusform>lustres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lustrum</source>
        <comment>Time</comment>
        <translation>
            <numerusform>lustrum</numerusform>
            <numerusform>lustres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Metonic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>cycle de Méton</numerusform>
            <numerusform>cycles de Méton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microsecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>microseconde</numerusform>
            <numerusform>microsecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium</source>
        <comment>Time</comment>
        <translation>
            <numerusform>millénaire</numerusform>
            <numerusform>millénaires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium (Gregorian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>millénaire (grégorien)</numerusform>
            <numerusform>millénaires (grégorien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>millénaire (julien)</numerusform>
            <numerusform>millénaires (julien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millisecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>milliseconde</numerusform>
            <numerusform>millisecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute</source>
        <comment>Time</comment>
        <translation>
            <numerusform>minute</numerusform>
            <numerusform>minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>minute (sidérale)</numerusform>
            <numerusform>minutes (sidérale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month (30 days)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>mois (30 jours)</numerusform>
            <numerusform>mois (30 jours)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month (hollow)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>mois creux</numerusform>
            <numerusform>mois creux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moment</source>
        <comment>Time</comment>
        <translation>
            <numerusform>moment</numerusform>
            <numerusform>moments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>nanoseconde</numerusform>
            <numerusform>nanosecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>octaeteris</source>
        <comment>Time</comment>
        <translation>
            <numerusform>octaétéride</numerusform>
            <numerusform>octaétérides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>picoseconde</numerusform>
            <numerusform>picosecondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Planck time</source>
        <comment>Time</comment>
        <translation>
            <numerusform>temps de Planck</numerusform>
            <numerusform>temps de Planck</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second</source>
        <comment>Time</comment>
        <translation>
            <numerusform>seconde</numerusform>
            <numerusform>secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>seconde (sidérale)</numerusform>
            <numerusform>secondes (sidérale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>shake</source>
        <comment>Time</comment>
        <translation>
            <numerusform>shake</numerusform>
            <numerusform>shakes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sigma</source>
        <comment>Time</comment>
        <translation>
            <numerusform>sigma</numerusform>
            <numerusform>sigmas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sothic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>cycle sothiaque</numerusform>
            <numerusform>cycles sothiaques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>svedberg</source>
        <comment>Time</comment>
        <translation>
            <numerusform>svedberg</numerusform>
            <numerusform>svedbergs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week</source>
        <comment>Time</comment>
        <translation>
            <numerusform>semaine</numerusform>
            <numerusform>semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année</numerusform>
            <numerusform>années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (365 days)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année (365 jours)</numerusform>
            <numerusform>années (365 jours)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (Gregorian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année (grégorienne)</numerusform>
            <numerusform>années (grégorienne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année (julienne)</numerusform>
            <numerusform>années (julienne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (leap)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année bissextile</numerusform>
            <numerusform>années bissextiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année (sidérale)</numerusform>
            <numerusform>années (sidérale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (tropical)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>année (tropique)</numerusform>
            <numerusform>années (tropique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne centimeter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>dyne-centimètre</numerusform>
            <numerusform>dynes-centimètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force centimeter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>gramme-force-centimètre</numerusform>
            <numerusform>grammes-force-centimètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>kilogramme-force-mètre</numerusform>
            <numerusform>kilogrammes-force-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilonewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>kilonewton-mètre</numerusform>
            <numerusform>kilonewtons-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilopond meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>kilopond-mètre</numerusform>
            <numerusform>kiloponds-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meganewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>méganewton-mètre</numerusform>
            <numerusform>méganewtons-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micronewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>micronewton-mètre</numerusform>
            <numerusform>micronewtons-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millinewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>millinewton-mètre</numerusform>
            <numerusform>millinewtons-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>newton-mètre</numerusform>
            <numerusform>newtons-mètres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force foot</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>once-force-pied</numerusform>
            <numerusform>onces-force-pieds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force inch</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>once-force-pouce</numerusform>
            <numerusform>onces-force-pouces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force foot</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>livre-force-pied</numerusform>
            <numerusform>livres-force-pieds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force inch</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>livre-force-pouce</numerusform>
            <numerusform>livres-force-pouces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>c</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>vitesse de la lumière</numerusform>
            <numerusform>vitesses de la lumière</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>centimètre/heure</numerusform>
            <numerusform>centimètres/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>centimètre/minute</numerusform>
            <numerusform>centimètres/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>centimètre/seconde</numerusform>
            <numerusform>centimètres/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>pied/heure</numerusform>
            <numerusform>pieds/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>pied/minute</numerusform>
            <numerusform>pieds/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>pied/seconde</numerusform>
            <numerusform>pieds/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>kilomètre/heure</numerusform>
            <numerusform>kilomètres/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>kilomètre/minute</numerusform>
            <numerusform>kilomètres/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>kilomètre/seconde</numerusform>
            <numerusform>kilomètres/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>knot</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>nœud</numerusform>
            <numerusform>nœuds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mach</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mach</numerusform>
            <numerusform>machs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mètre/heure</numerusform>
            <numerusform>mètres/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mètre/minute</numerusform>
            <numerusform>mètres/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mètre/seconde</numerusform>
            <numerusform>mètres/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mille/heure</numerusform>
            <numerusform>milles/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mille/minute</numerusform>
            <numerusform>milles/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>mille/seconde</numerusform>
            <numerusform>milles/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>centipoise</numerusform>
            <numerusform>centipoises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>décipoise</numerusform>
            <numerusform>décipoises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne second/centimeter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>dyne-seconde/centimètre²</numerusform>
            <numerusform>dynes-secondes/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force·second/centimeter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>gramme-force seconde/centimètre²</numerusform>
            <numerusform>grammes-force seconde/centimètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/centimeter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>gramme/centimètre·seconde</numerusform>
            <numerusform>grammes/centimètre·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hyl/meter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>hyl/mètre·seconde</numerusform>
            <numerusform>hyls/mètre·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force·second/meter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>kilogramme-force seconde/mètre²</numerusform>
            <numerusform>kilogrammes-force seconde/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter·hour</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>kilogramme/mètre·heure</numerusform>
            <numerusform>kilogrammes/mètre·heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>kilogramme/mètre·seconde</numerusform>
            <numerusform>kilogrammes/mètre·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millipascal·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>millipascal·seconde</numerusform>
            <numerusform>millipascals·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>millipoise</numerusform>
            <numerusform>millipoises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton·second/meter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>newton·seconde/mètre²</numerusform>
            <numerusform>newtons·seconde/mètre²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pascal·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>pascal·seconde</numerusform>
            <numerusform>pascals·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>poise</numerusform>
            <numerusform>poises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poiseuille</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>poiseuille</numerusform>
            <numerusform>poiseuilles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force·second/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>livre-force·seconde/pied²</numerusform>
            <numerusform>livres-force·seconde/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force·second/inch²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>livre-force·seconde/pouce²</numerusform>
            <numerusform>livres-force·seconde/pouce²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot·hour</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>livre/pied·heure</numerusform>
            <numerusform>livres/pied·heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>livre/pied·seconde</numerusform>
            <numerusform>livres/pied·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal·hour/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>poundal·heure/pied²</numerusform>
            <numerusform>poundals·heure/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal·second/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>poundal·seconde/pied²</numerusform>
            <numerusform>poundals·seconde/pied²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>reyn</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>reyn</numerusform>
            <numerusform>reyns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>slug/foot·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>slug/pied·seconde</numerusform>
            <numerusform>slugs/pied·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centistokes</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>centistokes</numerusform>
            <numerusform>centistokes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>centimètre²/jour</numerusform>
            <numerusform>centimètres²/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>centimètre²/heure</numerusform>
            <numerusform>centimètres²/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>centimètre²/minute</numerusform>
            <numerusform>centimètres²/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>centimètre²/seconde</numerusform>
            <numerusform>centimètres²/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pied²/jour</numerusform>
            <numerusform>pieds²/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pied²/heure</numerusform>
            <numerusform>pieds²/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pied²/minute</numerusform>
            <numerusform>pieds²/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pied²/seconde</numerusform>
            <numerusform>pieds²/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pouce²/jour</numerusform>
            <numerusform>pouces²/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pouce²/heure</numerusform>
            <numerusform>pouces²/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pouce²/minute</numerusform>
            <numerusform>pouces²/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>pouce²/seconde</numerusform>
            <numerusform>pouces²/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lentor</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>lentor</numerusform>
            <numerusform>lentors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>litre/centimètre·jour</numerusform>
            <numerusform>litres/centimètre·jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>litre/centimètre·heure</numerusform>
            <numerusform>litres/centimètre·heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>litre/centimètre·minute</numerusform>
            <numerusform>litres/centimètre·minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>litre/centimètre·seconde</numerusform>
            <numerusform>litres/centimètre·seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>mètre²/jour</numerusform>
            <numerusform>mètres²/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>mètre²/heure</numerusform>
            <numerusform>mètres²/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>mètre²/minute</numerusform>
            <numerusform>mètres²/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>mètre²/seconde</numerusform>
            <numerusform>mètres²/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>millimètre²/jour</numerusform>
            <numerusform>millimètres²/jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>millimètre²/heure</numerusform>
            <numerusform>millimètres²/heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>millimètre²/minute</numerusform>
            <numerusform>millimètres²/minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>millimètre²/seconde</numerusform>
            <numerusform>millimètres²/seconde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poise·centimeter³/gram</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>poise·centimètre³/gramme</numerusform>
            <numerusform>poises·centimètre³/gramme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stokes</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>stokes</numerusform>
            <numerusform>stokes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre-foot</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>acre-pied</numerusform>
            <numerusform>acres-pieds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre-foot (US survey)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>acre-pied (arpentage US)</numerusform>
            <numerusform>acres-pieds (arpentage US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (US liq.)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>baril (US, liquide)</numerusform>
            <numerusform>barils (US, liquide)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (oil)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>baril (pétrole)</numerusform>
            <numerusform>barils (pétrole)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (English)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>baril (anglais)</numerusform>
            <numerusform>barils (anglais)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>centimètre³</numerusform>
            <numerusform>centimètres³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cup</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>tasse</numerusform>
            <numerusform>tasses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (metric)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (métrique)</numerusform>
            <numerusform>gouttes (métrique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (U.S.) (alt)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (É.-U.) (var.)</numerusform>
            <numerusform>gouttes (É.-U.) (var.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (Imperial) (alt)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (impériale) (var.)</numerusform>
            <numerusform>gouttes (impériale) (var.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (U.S.)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (É.-U.)</numerusform>
            <numerusform>gouttes (É.-U.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (medical)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (médicale)</numerusform>
            <numerusform>gouttes (médicale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (Imperial)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>goutte (impériale)</numerusform>
            <numerusform>gouttes (impériale)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>pied³</numerusform>
            <numerusform>pieds³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>gallon</numerusform>
            <numerusform>gallons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>gallon (imp.)</numerusform>
            <numerusform>gallons (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>pouce³</numerusform>
            <numerusform>pouces³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>litre</numerusform>
            <numerusform>litres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>mètre³</numerusform>
            <numerusform>mètres³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>millilitre</numerusform>
            <numerusform>millilitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>once liquide</numerusform>
            <numerusform>onces liquides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce (UK)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>once liquide (imp.)</numerusform>
            <numerusform>onces liquides (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pint</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>pinte</numerusform>
            <numerusform>pintes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quart</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>quart</numerusform>
            <numerusform>quarts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stere</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>stère</numerusform>
            <numerusform>stères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tablespoon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>cuillère à soupe</numerusform>
            <numerusform>cuillères à soupe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teaspoon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>cuillère à café</numerusform>
            <numerusform>cuillères à café</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>yard³</numerusform>
            <numerusform>yards³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (US)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>baril (US, sec)</numerusform>
            <numerusform>barils (US, sec)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bushel</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>boisseau</numerusform>
            <numerusform>boisseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>litre</numerusform>
            <numerusform>litres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peck</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>peck</numerusform>
            <numerusform>pecks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pint</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>pinte</numerusform>
            <numerusform>pintes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quart</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>quart</numerusform>
            <numerusform>quarts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gill (UK)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>gill (imp.)</numerusform>
            <numerusform>gills (imp.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gill (US)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>gill (US)</numerusform>
            <numerusform>gills (US)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitSymbol</name>
    <message>
        <source>cm/s²</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm/s²</translation>
    </message>
    <message>
        <source>ft/s²</source>
        <comment>Acceleration</comment>
        <translation>pi/s²</translation>
    </message>
    <message>
        <source>g</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g</translation>
    </message>
    <message>
        <source>Gal</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Gal</translation>
    </message>
    <message>
        <source>in/s²</source>
        <comment>Acceleration</comment>
        <translation>po/s²</translation>
    </message>
    <message>
        <source>km/h·s</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/h·s</translation>
    </message>
    <message>
        <source>m/s²</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>mi/h·min</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/h·min</translation>
    </message>
    <message>
        <source>mi/h·s</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/h·s</translation>
    </message>
    <message>
        <source>yd/s²</source>
        <comment>Acceleration</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd/s²</translation>
    </message>
    <message>
        <source>kmol</source>
        <comment>Amount of Substance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kmol</translation>
    </message>
    <message>
        <source>µmol</source>
        <comment>Amount of Substance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µmol</translation>
    </message>
    <message>
        <source>mmol</source>
        <comment>Amount of Substance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmol</translation>
    </message>
    <message>
        <source>mol</source>
        <comment>Amount of Substance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mol</translation>
    </message>
    <message>
        <source>°</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°</translation>
    </message>
    <message>
        <source>gr</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gr</translation>
    </message>
    <message>
        <source>µ</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µ</translation>
    </message>
    <message>
        <source>&apos;</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>&apos;</translation>
    </message>
    <message>
        <source>rad</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>r</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>r</translation>
    </message>
    <message>
        <source>&quot;</source>
        <comment>Angle</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>&quot;</translation>
    </message>
    <message>
        <source>°/d</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°/d</translation>
    </message>
    <message>
        <source>°/h</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°/h</translation>
    </message>
    <message>
        <source>°/min</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°/min</translation>
    </message>
    <message>
        <source>°/s</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°/s</translation>
    </message>
    <message>
        <source>rad/d</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rad/d</translation>
    </message>
    <message>
        <source>rad/h</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rad/h</translation>
    </message>
    <message>
        <source>rad/min</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rad/min</translation>
    </message>
    <message>
        <source>rad/s</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>r/d</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>r/d</translation>
    </message>
    <message>
        <source>r/h</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>r/h</translation>
    </message>
    <message>
        <source>r/min</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>r/min</translation>
    </message>
    <message>
        <source>r/s</source>
        <comment>Angular Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>r/s</translation>
    </message>
    <message>
        <source>ac</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ac</translation>
    </message>
    <message>
        <source>b</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>b</translation>
    </message>
    <message>
        <source>cm²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm²</translation>
    </message>
    <message>
        <source>ft²</source>
        <comment>Area</comment>
        <translation>pi²</translation>
    </message>
    <message>
        <source>ha</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ha</translation>
    </message>
    <message>
        <source>in²</source>
        <comment>Area</comment>
        <translation>po²</translation>
    </message>
    <message>
        <source>km²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km²</translation>
    </message>
    <message>
        <source>m²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²</translation>
    </message>
    <message>
        <source>mi²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi²</translation>
    </message>
    <message>
        <source>mm²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm²</translation>
    </message>
    <message>
        <source>ro</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ro</translation>
    </message>
    <message>
        <source>twp</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>twp</translation>
    </message>
    <message>
        <source>yd²</source>
        <comment>Area</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd²</translation>
    </message>
    <message>
        <source>abF</source>
        <comment>Capacitance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>abF</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Capacitance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>F</translation>
    </message>
    <message>
        <source>µF</source>
        <comment>Capacitance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µF</translation>
    </message>
    <message>
        <source>pF</source>
        <comment>Capacitance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pF</translation>
    </message>
    <message>
        <source>stF</source>
        <comment>Capacitance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>stF</translation>
    </message>
    <message>
        <source>abC</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>abC</translation>
    </message>
    <message>
        <source>A·h</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>A·h</translation>
    </message>
    <message>
        <source>A·min</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>A·min</translation>
    </message>
    <message>
        <source>A·s</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>A·s</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>C</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>F</translation>
    </message>
    <message>
        <source>Fr</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Fr</translation>
    </message>
    <message>
        <source>statC</source>
        <comment>Charge</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>statC</translation>
    </message>
    <message>
        <source>gr/gal (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>gr/gal (imp.)</translation>
    </message>
    <message>
        <source>gr/gal (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gr/gal (US)</translation>
    </message>
    <message>
        <source>g/L</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/L</translation>
    </message>
    <message>
        <source>kg/L</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/L</translation>
    </message>
    <message>
        <source>mg/L</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mg/L</translation>
    </message>
    <message>
        <source>ppm</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ppm</translation>
    </message>
    <message>
        <source>lb/ft³</source>
        <comment>Concentration (Liquid)</comment>
        <translation>lb/pi³</translation>
    </message>
    <message>
        <source>lb/gal (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>lb/gal (imp.)</translation>
    </message>
    <message>
        <source>lb/gal (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/gal (US)</translation>
    </message>
    <message>
        <source>lb/10^6 gal (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>lb/10^6 gal (imp.)</translation>
    </message>
    <message>
        <source>lb/10^6 gal (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/10^6 gal (US)</translation>
    </message>
    <message>
        <source>kmol/cm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kmol/cm³</translation>
    </message>
    <message>
        <source>kmol/m³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kmol/m³</translation>
    </message>
    <message>
        <source>kmol/mm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kmol/mm³</translation>
    </message>
    <message>
        <source>kmol/L</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kmol/L</translation>
    </message>
    <message>
        <source>mmol/cm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmol/cm³</translation>
    </message>
    <message>
        <source>mmol/m³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmol/m³</translation>
    </message>
    <message>
        <source>mmol/mm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmol/mm³</translation>
    </message>
    <message>
        <source>mmol/L</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>mol/cm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mol/cm³</translation>
    </message>
    <message>
        <source>mol/L</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>mol/m³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mol/m³</translation>
    </message>
    <message>
        <source>mol/mm³</source>
        <comment>Concentration (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mol/mm³</translation>
    </message>
    <message>
        <source>kS</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kS</translation>
    </message>
    <message>
        <source>MS</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MS</translation>
    </message>
    <message>
        <source>µS</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µS</translation>
    </message>
    <message>
        <source>mS</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mS</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Conductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>S</translation>
    </message>
    <message>
        <source>abA</source>
        <comment>Current</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>abA</translation>
    </message>
    <message>
        <source>A</source>
        <comment>Current</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>A</translation>
    </message>
    <message>
        <source>µA</source>
        <comment>Current</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µA</translation>
    </message>
    <message>
        <source>mA</source>
        <comment>Current</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mA</translation>
    </message>
    <message>
        <source>stA</source>
        <comment>Current</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>stA</translation>
    </message>
    <message>
        <source>b</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>b</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Data</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>kb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kb</translation>
    </message>
    <message>
        <source>kB</source>
        <comment>Data</comment>
        <translation>ko</translation>
    </message>
    <message>
        <source>Mb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Mb</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>Data</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Gb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Gb</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>Data</comment>
        <translation>Go</translation>
    </message>
    <message>
        <source>Tb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tb</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>Data</comment>
        <translation>To</translation>
    </message>
    <message>
        <source>Pb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pb</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>Data</comment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Eb</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Eb</translation>
    </message>
    <message>
        <source>EB</source>
        <comment>Data</comment>
        <translation>Eo</translation>
    </message>
    <message>
        <source>ZB</source>
        <comment>Data</comment>
        <translation>Zo</translation>
    </message>
    <message>
        <source>gr/gal (US)</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gr/gal (US)</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>g/L</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/L</translation>
    </message>
    <message>
        <source>g/m³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/m³</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>kg/L</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/L</translation>
    </message>
    <message>
        <source>mg/m³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mg/m³</translation>
    </message>
    <message>
        <source>oz/gal</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz/gal</translation>
    </message>
    <message>
        <source>lb/ft³</source>
        <comment>Density</comment>
        <translation>lb/pi³</translation>
    </message>
    <message>
        <source>lb/gal (UK)</source>
        <comment>Density</comment>
        <translation>lb/gal (imp.)</translation>
    </message>
    <message>
        <source>lb/gal (US)</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/gal (US)</translation>
    </message>
    <message>
        <source>lb/in³</source>
        <comment>Density</comment>
        <translation>lb/po³</translation>
    </message>
    <message>
        <source>lb/yd³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/yd³</translation>
    </message>
    <message>
        <source>slug/ft³</source>
        <comment>Density</comment>
        <translation>slug/pi³</translation>
    </message>
    <message>
        <source>t/yd³</source>
        <comment>Density</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>t/yd³</translation>
    </message>
    <message>
        <source>Å</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Å</translation>
    </message>
    <message>
        <source>AU</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>AU</translation>
    </message>
    <message>
        <source>au</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>au</translation>
    </message>
    <message>
        <source>b</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>b</translation>
    </message>
    <message>
        <source>cal</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal</translation>
    </message>
    <message>
        <source>cm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm</translation>
    </message>
    <message>
        <source>ch</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ch</translation>
    </message>
    <message>
        <source>dm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dm</translation>
    </message>
    <message>
        <source>dam</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dam</translation>
    </message>
    <message>
        <source>fm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fm</translation>
    </message>
    <message>
        <source>ft (Benoit)</source>
        <comment>Distance</comment>
        <translation>pi (Benoît)</translation>
    </message>
    <message>
        <source>ft (Clarke, Cape)</source>
        <comment>Distance</comment>
        <translation>pi (Clarke, Le Cap)</translation>
    </message>
    <message>
        <source>ft</source>
        <comment>Distance</comment>
        <translation>pi</translation>
    </message>
    <message>
        <source>ft (Indian)</source>
        <comment>Distance</comment>
        <translation>pi (indien)</translation>
    </message>
    <message>
        <source>ft (Sear)</source>
        <comment>Distance</comment>
        <translation>pi (Sear)</translation>
    </message>
    <message>
        <source>ft (US Survey)</source>
        <comment>Distance</comment>
        <translation>pi (arpentage US)</translation>
    </message>
    <message>
        <source>fur</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fur</translation>
    </message>
    <message>
        <source>hm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hm</translation>
    </message>
    <message>
        <source>in</source>
        <comment>Distance</comment>
        <translation>po</translation>
    </message>
    <message>
        <source>km</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km</translation>
    </message>
    <message>
        <source>lea</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lea</translation>
    </message>
    <message>
        <source>lea (nautical)</source>
        <comment>Distance</comment>
        <translation>lea (marin)</translation>
    </message>
    <message>
        <source>ly</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ly</translation>
    </message>
    <message>
        <source>li</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>li</translation>
    </message>
    <message>
        <source>Mm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Mm</translation>
    </message>
    <message>
        <source>Mpc</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Mpc</translation>
    </message>
    <message>
        <source>m</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m</translation>
    </message>
    <message>
        <source>µin</source>
        <comment>Distance</comment>
        <translation>µpo</translation>
    </message>
    <message>
        <source>µm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µm</translation>
    </message>
    <message>
        <source>µ</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µ</translation>
    </message>
    <message>
        <source>mi</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi</translation>
    </message>
    <message>
        <source>mi (metric)</source>
        <comment>Distance</comment>
        <translation>mi (métrique)</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>mµ</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mµ</translation>
    </message>
    <message>
        <source>mpc</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mpc</translation>
    </message>
    <message>
        <source>nm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nm</translation>
    </message>
    <message>
        <source>NM, nmi</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>NM, nmi</translation>
    </message>
    <message>
        <source>pc</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pc</translation>
    </message>
    <message>
        <source>pm</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pm</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>S</translation>
    </message>
    <message>
        <source>twp</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>twp</translation>
    </message>
    <message>
        <source>xu</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>xu</translation>
    </message>
    <message>
        <source>yd</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd</translation>
    </message>
    <message>
        <source>Btu (IT)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu (IT)</translation>
    </message>
    <message>
        <source>Btu (th)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu (th)</translation>
    </message>
    <message>
        <source>Btu (mean)</source>
        <comment>Energy</comment>
        <translation>Btu (moyen)</translation>
    </message>
    <message>
        <source>Btu (39 °F)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu (39 °F)</translation>
    </message>
    <message>
        <source>Btu (59 °FF)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu (59 °FF)</translation>
    </message>
    <message>
        <source>cal (IT)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal (IT)</translation>
    </message>
    <message>
        <source>cal (th)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal (th)</translation>
    </message>
    <message>
        <source>cal (15 °C)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal (15 °C)</translation>
    </message>
    <message>
        <source>cal (20 °C)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal (20 °C)</translation>
    </message>
    <message>
        <source>eV</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>eV</translation>
    </message>
    <message>
        <source>erg</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>erg</translation>
    </message>
    <message>
        <source>ft·lbf</source>
        <comment>Energy</comment>
        <translation>pi·lbf</translation>
    </message>
    <message>
        <source>J</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J</translation>
    </message>
    <message>
        <source>kcal (IT)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal (IT)</translation>
    </message>
    <message>
        <source>kcal (th)</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal (th)</translation>
    </message>
    <message>
        <source>kcal (mean)</source>
        <comment>Energy</comment>
        <translation>kcal (moyen)</translation>
    </message>
    <message>
        <source>kJ</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ</translation>
    </message>
    <message>
        <source>kW·h</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kW·h</translation>
    </message>
    <message>
        <source>MJ</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MJ</translation>
    </message>
    <message>
        <source>tTNT</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>tTNT</translation>
    </message>
    <message>
        <source>W·h</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W·h</translation>
    </message>
    <message>
        <source>W·s</source>
        <comment>Energy</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W·s</translation>
    </message>
    <message>
        <source>Btu/lb</source>
        <comment>Enthalpy (Mass)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/lb</translation>
    </message>
    <message>
        <source>cal/g</source>
        <comment>Enthalpy (Mass)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/g</translation>
    </message>
    <message>
        <source>J/kg</source>
        <comment>Enthalpy (Mass)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/kg</translation>
    </message>
    <message>
        <source>kcal/kg</source>
        <comment>Enthalpy (Mass)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/kg</translation>
    </message>
    <message>
        <source>kJ/kg</source>
        <comment>Enthalpy (Mass)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/kg</translation>
    </message>
    <message>
        <source>Btu/lbmol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/lbmol</translation>
    </message>
    <message>
        <source>cal/mol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/mol</translation>
    </message>
    <message>
        <source>J/mol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/mol</translation>
    </message>
    <message>
        <source>J/kmol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/kmol</translation>
    </message>
    <message>
        <source>kcal/kmol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/kmol</translation>
    </message>
    <message>
        <source>kcal/mol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/mol</translation>
    </message>
    <message>
        <source>kJ/mol</source>
        <comment>Enthalpy (Molar)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/mol</translation>
    </message>
    <message>
        <source>Btu/ft³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>Btu/pi³</translation>
    </message>
    <message>
        <source>Btu/gal</source>
        <comment>Enthalpy (Volume)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/gal</translation>
    </message>
    <message>
        <source>kcal/m³</source>
        <comment>Enthalpy (Volume)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/m³</translation>
    </message>
    <message>
        <source>kJ/m³</source>
        <comment>Enthalpy (Volume)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/m³</translation>
    </message>
    <message>
        <source>MJ/m³</source>
        <comment>Enthalpy (Volume)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MJ/m³</translation>
    </message>
    <message>
        <source>cm³/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm³/h</translation>
    </message>
    <message>
        <source>cm³/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm³/min</translation>
    </message>
    <message>
        <source>cm³/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm³/s</translation>
    </message>
    <message>
        <source>ft³/h</source>
        <comment>Flow</comment>
        <translation>pi³/h</translation>
    </message>
    <message>
        <source>ft³/min</source>
        <comment>Flow</comment>
        <translation>pi³/min</translation>
    </message>
    <message>
        <source>ft³/s</source>
        <comment>Flow</comment>
        <translation>pi³/s</translation>
    </message>
    <message>
        <source>gal/d (UK)</source>
        <comment>Flow</comment>
        <translation>gal/d (imp.)</translation>
    </message>
    <message>
        <source>gal/h (UK)</source>
        <comment>Flow</comment>
        <translation>gal/h (imp.)</translation>
    </message>
    <message>
        <source>gal/min (UK)</source>
        <comment>Flow</comment>
        <translation>gal/min (imp.)</translation>
    </message>
    <message>
        <source>gal/s (UK)</source>
        <comment>Flow</comment>
        <translation>gal/s (imp.)</translation>
    </message>
    <message>
        <source>gal/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal/d</translation>
    </message>
    <message>
        <source>gal/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal/h</translation>
    </message>
    <message>
        <source>gal/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal/min</translation>
    </message>
    <message>
        <source>gal/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal/s</translation>
    </message>
    <message>
        <source>L/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/d</translation>
    </message>
    <message>
        <source>L/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/h</translation>
    </message>
    <message>
        <source>L/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/min</translation>
    </message>
    <message>
        <source>L/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/s</translation>
    </message>
    <message>
        <source>ML/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ML/d</translation>
    </message>
    <message>
        <source>m³/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m³/d</translation>
    </message>
    <message>
        <source>m³/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m³/h</translation>
    </message>
    <message>
        <source>m³/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m³/min</translation>
    </message>
    <message>
        <source>m³/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>10^6 g/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>10^6 g/d</translation>
    </message>
    <message>
        <source>mL/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mL/h</translation>
    </message>
    <message>
        <source>mL/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mL/min</translation>
    </message>
    <message>
        <source>mL/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mL/s</translation>
    </message>
    <message>
        <source>oz/h (UK)</source>
        <comment>Flow</comment>
        <translation>oz/h (imp.)</translation>
    </message>
    <message>
        <source>oz/min (UK)</source>
        <comment>Flow</comment>
        <translation>oz/min (imp.)</translation>
    </message>
    <message>
        <source>oz/s (UK)</source>
        <comment>Flow</comment>
        <translation>oz/s (imp.)</translation>
    </message>
    <message>
        <source>oz/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz/h</translation>
    </message>
    <message>
        <source>oz/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz/min</translation>
    </message>
    <message>
        <source>oz/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz/s</translation>
    </message>
    <message>
        <source>yd³/h</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd³/h</translation>
    </message>
    <message>
        <source>yd³/d</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd³/d</translation>
    </message>
    <message>
        <source>yd³/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd³/s</translation>
    </message>
    <message>
        <source>dyn</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn</translation>
    </message>
    <message>
        <source>gf</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gf</translation>
    </message>
    <message>
        <source>J/cm</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/cm</translation>
    </message>
    <message>
        <source>J/m</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/m</translation>
    </message>
    <message>
        <source>kgf</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kgf</translation>
    </message>
    <message>
        <source>kN</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kN</translation>
    </message>
    <message>
        <source>kip</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kip</translation>
    </message>
    <message>
        <source>mN </source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mN </translation>
    </message>
    <message>
        <source>N</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N</translation>
    </message>
    <message>
        <source>ozf</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ozf</translation>
    </message>
    <message>
        <source>lbf</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf</translation>
    </message>
    <message>
        <source>pdl</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pdl</translation>
    </message>
    <message>
        <source>tf (2000 lbf)</source>
        <comment>Force</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>tf (2000 lbf)</translation>
    </message>
    <message>
        <source>gal (UK)/100-mi</source>
        <comment>Fuel Consumption</comment>
        <translation>gal (imp.)/100-mi</translation>
    </message>
    <message>
        <source>gal (US)/100-mi</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal (US)/100-mi</translation>
    </message>
    <message>
        <source>gal (UK)/100-km</source>
        <comment>Fuel Consumption</comment>
        <translation>gal (imp.)/100-km</translation>
    </message>
    <message>
        <source>gal (US)/100-km</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal (US)/100-km</translation>
    </message>
    <message>
        <source>km/gal (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>km/gal (imp.)</translation>
    </message>
    <message>
        <source>km/gal (US)</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/gal (US)</translation>
    </message>
    <message>
        <source>km/L</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/L</translation>
    </message>
    <message>
        <source>L/100-km</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/100-km</translation>
    </message>
    <message>
        <source>L/100-mi</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/100-mi</translation>
    </message>
    <message>
        <source>m/gal (US)</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/gal (US)</translation>
    </message>
    <message>
        <source>m/gal (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>m/gal (imp.)</translation>
    </message>
    <message>
        <source>m/L</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/L</translation>
    </message>
    <message>
        <source>mi/gal (US)</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/gal (US)</translation>
    </message>
    <message>
        <source>mi/gal (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>mi/gal (imp.)</translation>
    </message>
    <message>
        <source>mi/L</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/L</translation>
    </message>
    <message>
        <source>nmi/gal (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>nmi/gal (imp.)</translation>
    </message>
    <message>
        <source>nmi/gal (US)</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nmi/gal (US)</translation>
    </message>
    <message>
        <source>nmi/L</source>
        <comment>Fuel Consumption</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nmi/L</translation>
    </message>
    <message>
        <source>Btu/s·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/s·pi² (int.)</translation>
    </message>
    <message>
        <source>Btu/min·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/min·pi² (int.)</translation>
    </message>
    <message>
        <source>Btu/h·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/h·pi² (int.)</translation>
    </message>
    <message>
        <source>Btu/s·in² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/s·po² (th.)</translation>
    </message>
    <message>
        <source>Btu/s·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/s·pi² (th.)</translation>
    </message>
    <message>
        <source>Btu/min·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/min·pi² (th.)</translation>
    </message>
    <message>
        <source>Btu/h·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>Btu/h·pi² (th.)</translation>
    </message>
    <message>
        <source>Chu/h·ft²</source>
        <comment>Heat Flux</comment>
        <translation>Chu/h·pi²</translation>
    </message>
    <message>
        <source>W/m²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/m²</translation>
    </message>
    <message>
        <source>kW/m²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kW/m²</translation>
    </message>
    <message>
        <source>W/cm²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/cm²</translation>
    </message>
    <message>
        <source>J/s·m²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/s·m²</translation>
    </message>
    <message>
        <source>kcal/h·m² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/h·m² (int.)</translation>
    </message>
    <message>
        <source>kcal/h·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>kcal/h·pi² (int.)</translation>
    </message>
    <message>
        <source>cal/s·cm² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/s·cm² (int.)</translation>
    </message>
    <message>
        <source>cal/min·cm² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/min·cm² (int.)</translation>
    </message>
    <message>
        <source>cal/h·cm² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/h·cm² (int.)</translation>
    </message>
    <message>
        <source>cal/s·cm² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/s·cm² (th.)</translation>
    </message>
    <message>
        <source>cal/min·cm² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/min·cm² (th.)</translation>
    </message>
    <message>
        <source>cal/h·cm² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/h·cm² (th.)</translation>
    </message>
    <message>
        <source>dyn/h·cm</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn/h·cm</translation>
    </message>
    <message>
        <source>erg/h·mm²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>erg/h·mm²</translation>
    </message>
    <message>
        <source>ft·lb/min·ft²</source>
        <comment>Heat Flux</comment>
        <translation>pi·lb/min·pi²</translation>
    </message>
    <message>
        <source>hp/ft²</source>
        <comment>Heat Flux</comment>
        <translation>hp/pi²</translation>
    </message>
    <message>
        <source>hp/ft² (metric)</source>
        <comment>Heat Flux</comment>
        <translation>hp/pi² (métrique)</translation>
    </message>
    <message>
        <source>Btu/h·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/h·pi³ (int.)</translation>
    </message>
    <message>
        <source>Btu/min·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/min·pi³ (int.)</translation>
    </message>
    <message>
        <source>Btu/s·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/s·pi³ (int.)</translation>
    </message>
    <message>
        <source>Btu/h·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/h·pi³ (th.)</translation>
    </message>
    <message>
        <source>Btu/min·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/min·pi³ (th.)</translation>
    </message>
    <message>
        <source>Btu/s·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>Btu/s·pi³ (th.)</translation>
    </message>
    <message>
        <source>J/s·m³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/s·m³</translation>
    </message>
    <message>
        <source>kW/m³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kW/m³</translation>
    </message>
    <message>
        <source>W/m³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/m³</translation>
    </message>
    <message>
        <source>W/cm³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/cm³</translation>
    </message>
    <message>
        <source>W/mm³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/mm³</translation>
    </message>
    <message>
        <source>cm·c</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm·c</translation>
    </message>
    <message>
        <source>lm/cm²</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lm/cm²</translation>
    </message>
    <message>
        <source>lm/ft²</source>
        <comment>Illumination</comment>
        <translation>lm/pi²</translation>
    </message>
    <message>
        <source>lm/m²</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lm/m²</translation>
    </message>
    <message>
        <source>lx</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lx</translation>
    </message>
    <message>
        <source>m·c</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m·c</translation>
    </message>
    <message>
        <source>ph</source>
        <comment>Illumination</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ph</translation>
    </message>
    <message>
        <source>abH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>abH</translation>
    </message>
    <message>
        <source>aH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>aH</translation>
    </message>
    <message>
        <source>cH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cH</translation>
    </message>
    <message>
        <source>dH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dH</translation>
    </message>
    <message>
        <source>daH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>daH</translation>
    </message>
    <message>
        <source>EH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>EH</translation>
    </message>
    <message>
        <source>fH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fH</translation>
    </message>
    <message>
        <source>GH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>GH</translation>
    </message>
    <message>
        <source>hH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hH</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>H</translation>
    </message>
    <message>
        <source>kH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kH</translation>
    </message>
    <message>
        <source>MH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MH</translation>
    </message>
    <message>
        <source>µH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µH</translation>
    </message>
    <message>
        <source>mH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mH</translation>
    </message>
    <message>
        <source>nH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nH</translation>
    </message>
    <message>
        <source>PH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>PH</translation>
    </message>
    <message>
        <source>pH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pH</translation>
    </message>
    <message>
        <source>stH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>stH</translation>
    </message>
    <message>
        <source>TH</source>
        <comment>Inductance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>TH</translation>
    </message>
    <message>
        <source>Wb</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Wb</translation>
    </message>
    <message>
        <source>mWb</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mWb</translation>
    </message>
    <message>
        <source>µWb</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µWb</translation>
    </message>
    <message>
        <source>V·s</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>V·s</translation>
    </message>
    <message>
        <source>Mx</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Mx</translation>
    </message>
    <message>
        <source>T·m²</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>T·m²</translation>
    </message>
    <message>
        <source>T·cm²</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>T·cm²</translation>
    </message>
    <message>
        <source>G·m²</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>G·m²</translation>
    </message>
    <message>
        <source>G·cm²</source>
        <comment>Magnetic Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>G·cm²</translation>
    </message>
    <message>
        <source>kt</source>
        <comment>Mass</comment>
        <translation>ct</translation>
    </message>
    <message>
        <source>gr</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gr</translation>
    </message>
    <message>
        <source>g</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>µg</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µg</translation>
    </message>
    <message>
        <source>mg</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mg</translation>
    </message>
    <message>
        <source>oz</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz</translation>
    </message>
    <message>
        <source>oz (tr)</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>oz (tr)</translation>
    </message>
    <message>
        <source>dwt</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dwt</translation>
    </message>
    <message>
        <source>lb</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb</translation>
    </message>
    <message>
        <source>lb (tr)</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb (tr)</translation>
    </message>
    <message>
        <source>st</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>st</translation>
    </message>
    <message>
        <source>t</source>
        <comment>Mass</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>t</translation>
    </message>
    <message>
        <source>aJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>aJ/s</translation>
    </message>
    <message>
        <source>aW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>aW</translation>
    </message>
    <message>
        <source>Btu/h (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h (int.)</translation>
    </message>
    <message>
        <source>Btu/h (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h (th.)</translation>
    </message>
    <message>
        <source>Btu/min (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min (int.)</translation>
    </message>
    <message>
        <source>Btu/min (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min (th.)</translation>
    </message>
    <message>
        <source>Btu/s (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s (int.)</translation>
    </message>
    <message>
        <source>Btu/s (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s (th.)</translation>
    </message>
    <message>
        <source>cal/h (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/h (int.)</translation>
    </message>
    <message>
        <source>cal/h (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/h (th.)</translation>
    </message>
    <message>
        <source>cal/min (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/min (int.)</translation>
    </message>
    <message>
        <source>cal/min (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/min (th.)</translation>
    </message>
    <message>
        <source>cal/s (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/s (int.)</translation>
    </message>
    <message>
        <source>cal/s (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cal/s (th.)</translation>
    </message>
    <message>
        <source>cJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cJ/s</translation>
    </message>
    <message>
        <source>cW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cW</translation>
    </message>
    <message>
        <source>dJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dJ/s</translation>
    </message>
    <message>
        <source>dW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dW</translation>
    </message>
    <message>
        <source>daJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>daJ/s</translation>
    </message>
    <message>
        <source>daW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>daW</translation>
    </message>
    <message>
        <source>erg/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>erg/s</translation>
    </message>
    <message>
        <source>EJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>EJ/s</translation>
    </message>
    <message>
        <source>EW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>EW</translation>
    </message>
    <message>
        <source>fJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fJ/s</translation>
    </message>
    <message>
        <source>fW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fW</translation>
    </message>
    <message>
        <source>GJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>GJ/s</translation>
    </message>
    <message>
        <source>GW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>GW</translation>
    </message>
    <message>
        <source>hJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hJ/s</translation>
    </message>
    <message>
        <source>hW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hW</translation>
    </message>
    <message>
        <source>hp</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hp</translation>
    </message>
    <message>
        <source>hp (bolier)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hp (bolier)</translation>
    </message>
    <message>
        <source>hp (electric)</source>
        <comment>Power</comment>
        <translation>hp (électrique)</translation>
    </message>
    <message>
        <source>hp (metric)</source>
        <comment>Power</comment>
        <translation>hp (métrique)</translation>
    </message>
    <message>
        <source>hp (UK)</source>
        <comment>Power</comment>
        <translation>hp (imp.)</translation>
    </message>
    <message>
        <source>hp (water)</source>
        <comment>Power</comment>
        <translation>hp (eau)</translation>
    </message>
    <message>
        <source>J/h</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/h</translation>
    </message>
    <message>
        <source>J/min</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/min</translation>
    </message>
    <message>
        <source>J/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/s</translation>
    </message>
    <message>
        <source>kcal/h (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/h (int.)</translation>
    </message>
    <message>
        <source>kcal/h (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/h (th.)</translation>
    </message>
    <message>
        <source>kcal/min (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/min (int.)</translation>
    </message>
    <message>
        <source>kcal/min (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/min (th.)</translation>
    </message>
    <message>
        <source>kcal/s (int.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/s (int.)</translation>
    </message>
    <message>
        <source>kcal/s (th.)</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/s (th.)</translation>
    </message>
    <message>
        <source>kJ/h</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/h</translation>
    </message>
    <message>
        <source>kJ/min</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/min</translation>
    </message>
    <message>
        <source>kJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kJ/s</translation>
    </message>
    <message>
        <source>kW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kW</translation>
    </message>
    <message>
        <source>MBtu/h</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MBtu/h</translation>
    </message>
    <message>
        <source>MJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MJ/s</translation>
    </message>
    <message>
        <source>MW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MW</translation>
    </message>
    <message>
        <source>µJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µJ/s</translation>
    </message>
    <message>
        <source>µW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µW</translation>
    </message>
    <message>
        <source>mJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mJ/s</translation>
    </message>
    <message>
        <source>mW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mW</translation>
    </message>
    <message>
        <source>nJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nJ/s</translation>
    </message>
    <message>
        <source>nW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nW</translation>
    </message>
    <message>
        <source>PJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>PJ/s</translation>
    </message>
    <message>
        <source>PW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>PW</translation>
    </message>
    <message>
        <source>ps</source>
        <comment>Power</comment>
        <translation>ch</translation>
    </message>
    <message>
        <source>pJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pJ/s</translation>
    </message>
    <message>
        <source>pW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pW</translation>
    </message>
    <message>
        <source>ft·lbf/h</source>
        <comment>Power</comment>
        <translation>pi·lbf/h</translation>
    </message>
    <message>
        <source>ft·lbf/min</source>
        <comment>Power</comment>
        <translation>pi·lbf/min</translation>
    </message>
    <message>
        <source>ft·lbf/s</source>
        <comment>Power</comment>
        <translation>pi·lbf/s</translation>
    </message>
    <message>
        <source>TJ/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>TJ/s</translation>
    </message>
    <message>
        <source>TW</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>TW</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W</translation>
    </message>
    <message>
        <source>atm</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>atm</translation>
    </message>
    <message>
        <source>cmHg</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cmHg</translation>
    </message>
    <message>
        <source>dyn/cm²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn/cm²</translation>
    </message>
    <message>
        <source>hPa</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hPa</translation>
    </message>
    <message>
        <source>inHg</source>
        <comment>Pressure</comment>
        <translation>po Hg</translation>
    </message>
    <message>
        <source>kg/cm²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/cm²</translation>
    </message>
    <message>
        <source>kg/m²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/m²</translation>
    </message>
    <message>
        <source>kPa</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kPa</translation>
    </message>
    <message>
        <source>MPa</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MPa</translation>
    </message>
    <message>
        <source>µbar</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µbar</translation>
    </message>
    <message>
        <source>mbar</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mbar</translation>
    </message>
    <message>
        <source>mmHg</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mmHg</translation>
    </message>
    <message>
        <source>N/m²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N/m²</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Pa</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pa</translation>
    </message>
    <message>
        <source>lbf/ft²</source>
        <comment>Pressure</comment>
        <translation>lbf/pi²</translation>
    </message>
    <message>
        <source>lbf/in²</source>
        <comment>Pressure</comment>
        <translation>lbf/po²</translation>
    </message>
    <message>
        <source>psi</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>psi</translation>
    </message>
    <message>
        <source>tf/ft²</source>
        <comment>Pressure</comment>
        <translation>tf/pi²</translation>
    </message>
    <message>
        <source>tf/in²</source>
        <comment>Pressure</comment>
        <translation>tf/po²</translation>
    </message>
    <message>
        <source>torr</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>torr</translation>
    </message>
    <message>
        <source>aGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>aGy/s</translation>
    </message>
    <message>
        <source>cGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cGy/s</translation>
    </message>
    <message>
        <source>dGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dGy/s</translation>
    </message>
    <message>
        <source>daGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>daGy/s</translation>
    </message>
    <message>
        <source>EGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>EGy/s</translation>
    </message>
    <message>
        <source>fGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fGy/s</translation>
    </message>
    <message>
        <source>GGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>GGy/s</translation>
    </message>
    <message>
        <source>Gy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Gy/s</translation>
    </message>
    <message>
        <source>hGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hGy/s</translation>
    </message>
    <message>
        <source>J/kg/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/kg/s</translation>
    </message>
    <message>
        <source>kGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kGy/s</translation>
    </message>
    <message>
        <source>MGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MGy/s</translation>
    </message>
    <message>
        <source>µGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µGy/s</translation>
    </message>
    <message>
        <source>mGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mGy/s</translation>
    </message>
    <message>
        <source>nGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>nGy/s</translation>
    </message>
    <message>
        <source>PGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>PGy/s</translation>
    </message>
    <message>
        <source>pGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pGy/s</translation>
    </message>
    <message>
        <source>rd/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>rd/s</translation>
    </message>
    <message>
        <source>TGy/s</source>
        <comment>Radiation</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>TGy/s</translation>
    </message>
    <message>
        <source>C/kg</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>C/kg</translation>
    </message>
    <message>
        <source>µC/kg</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µC/kg</translation>
    </message>
    <message>
        <source>mC/kg</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mC/kg</translation>
    </message>
    <message>
        <source>mrem</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mrem</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>R</translation>
    </message>
    <message>
        <source>Sv</source>
        <comment>Radiation Exposure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Sv</translation>
    </message>
    <message>
        <source>P</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>T</translation>
    </message>
    <message>
        <source>G</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>M</translation>
    </message>
    <message>
        <source>k</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>k</translation>
    </message>
    <message>
        <source>h</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>h</translation>
    </message>
    <message>
        <source>da</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>da</translation>
    </message>
    <message>
        <source>d</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>d</translation>
    </message>
    <message>
        <source>c</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>c</translation>
    </message>
    <message>
        <source>m</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m</translation>
    </message>
    <message>
        <source>µ</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µ</translation>
    </message>
    <message>
        <source>n</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>n</translation>
    </message>
    <message>
        <source>p</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>p</translation>
    </message>
    <message>
        <source>f</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>f</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Z</translation>
    </message>
    <message>
        <source>E</source>
        <comment>SI Prefix</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>E</translation>
    </message>
    <message>
        <source>dyn/cm</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn/cm</translation>
    </message>
    <message>
        <source>erg/cm²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>erg/cm²</translation>
    </message>
    <message>
        <source>erg/mm²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>erg/mm²</translation>
    </message>
    <message>
        <source>gf/cm²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gf/cm²</translation>
    </message>
    <message>
        <source>g/s²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/s²</translation>
    </message>
    <message>
        <source>J/m²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>J/m²</translation>
    </message>
    <message>
        <source>kg/s²</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/s²</translation>
    </message>
    <message>
        <source>lbf/ft</source>
        <comment>Surface Tension</comment>
        <translation>lbf/pi</translation>
    </message>
    <message>
        <source>lbf/in</source>
        <comment>Surface Tension</comment>
        <translation>lbf/po</translation>
    </message>
    <message>
        <source>pdl/in</source>
        <comment>Surface Tension</comment>
        <translation>pdl/po</translation>
    </message>
    <message>
        <source>N/m</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N/m</translation>
    </message>
    <message>
        <source>°C</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°F</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>K</translation>
    </message>
    <message>
        <source>°R</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°R</translation>
    </message>
    <message>
        <source>°r</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>°r</translation>
    </message>
    <message>
        <source>h·ft²·°F/Btu</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>h·pi²·°F/Btu</translation>
    </message>
    <message>
        <source>m²·K/W</source>
        <comment>Thermal Conductance (building)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²·K/W</translation>
    </message>
    <message>
        <source>Btu/(h·ft²·°F)</source>
        <comment>Thermal Conductance (building)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/(h·ft²·°F)</translation>
    </message>
    <message>
        <source>W/(m²·K)</source>
        <comment>Thermal Conductance (building)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>W/(m²·K)</translation>
    </message>
    <message>
        <source>au</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>au</translation>
    </message>
    <message>
        <source>as</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>as</translation>
    </message>
    <message>
        <source>d</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>d</translation>
    </message>
    <message>
        <source>d (sidereal)</source>
        <comment>Time</comment>
        <translation>d (sidéral)</translation>
    </message>
    <message>
        <source>fs</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>fs</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>h</translation>
    </message>
    <message>
        <source>h (sidereal)</source>
        <comment>Time</comment>
        <translation>h (sidéral)</translation>
    </message>
    <message>
        <source>µs</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µs</translation>
    </message>
    <message>
        <source>ms</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ms</translation>
    </message>
    <message>
        <source>min</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>min</translation>
    </message>
    <message>
        <source>min (sidereal)</source>
        <comment>Time</comment>
        <translation>min (sidéral)</translation>
    </message>
    <message>
        <source>ns</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ns</translation>
    </message>
    <message>
        <source>ps</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ps</translation>
    </message>
    <message>
        <source>s</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>s</translation>
    </message>
    <message>
        <source>s (sidereal)</source>
        <comment>Time</comment>
        <translation>s (sidéral)</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Time</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>S</translation>
    </message>
    <message>
        <source>wk</source>
        <comment>Time</comment>
        <translation>sem.</translation>
    </message>
    <message>
        <source>dyn·cm</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn·cm</translation>
    </message>
    <message>
        <source>gf·cm</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gf·cm</translation>
    </message>
    <message>
        <source>kgf·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kgf·m</translation>
    </message>
    <message>
        <source>kN·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kN·m</translation>
    </message>
    <message>
        <source>kp·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kp·m</translation>
    </message>
    <message>
        <source>MN·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>MN·m</translation>
    </message>
    <message>
        <source>µN·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>µN·m</translation>
    </message>
    <message>
        <source>mN·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mN·m</translation>
    </message>
    <message>
        <source>N·m</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N·m</translation>
    </message>
    <message>
        <source>ozf·ft</source>
        <comment>Torque</comment>
        <translation>ozf·pi</translation>
    </message>
    <message>
        <source>ozf·in</source>
        <comment>Torque</comment>
        <translation>ozf·po</translation>
    </message>
    <message>
        <source>lbf·ft</source>
        <comment>Torque</comment>
        <translation>lbf·pi</translation>
    </message>
    <message>
        <source>lbf·in</source>
        <comment>Torque</comment>
        <translation>lbf·po</translation>
    </message>
    <message>
        <source>cm/h</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm/h</translation>
    </message>
    <message>
        <source>cm/min</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm/min</translation>
    </message>
    <message>
        <source>cm/s</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>ft/h</source>
        <comment>Velocity</comment>
        <translation>pi/h</translation>
    </message>
    <message>
        <source>ft/min</source>
        <comment>Velocity</comment>
        <translation>pi/min</translation>
    </message>
    <message>
        <source>ft/s</source>
        <comment>Velocity</comment>
        <translation>pi/s</translation>
    </message>
    <message>
        <source>km/h</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/h</translation>
    </message>
    <message>
        <source>km/min</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/min</translation>
    </message>
    <message>
        <source>km/s</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>km/s</translation>
    </message>
    <message>
        <source>kn</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kn</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>M</translation>
    </message>
    <message>
        <source>m/h</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/h</translation>
    </message>
    <message>
        <source>m/min</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/min</translation>
    </message>
    <message>
        <source>m/s</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m/s</translation>
    </message>
    <message>
        <source>mi/h</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/h</translation>
    </message>
    <message>
        <source>mi/min</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/min</translation>
    </message>
    <message>
        <source>mi/s</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mi/s</translation>
    </message>
    <message>
        <source>cP</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cP</translation>
    </message>
    <message>
        <source>dP</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dP</translation>
    </message>
    <message>
        <source>dyn·s/cm²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>dyn·s/cm²</translation>
    </message>
    <message>
        <source>gf·s/cm²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gf·s/cm²</translation>
    </message>
    <message>
        <source>g/cm·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>g/cm·s</translation>
    </message>
    <message>
        <source>hyl/m·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hyl/m·s</translation>
    </message>
    <message>
        <source>kgf·s/m²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kgf·s/m²</translation>
    </message>
    <message>
        <source>kg/m·h</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/m·h</translation>
    </message>
    <message>
        <source>kg/m·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>kg/m·s</translation>
    </message>
    <message>
        <source>mPa·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mPa·s</translation>
    </message>
    <message>
        <source>mP</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mP</translation>
    </message>
    <message>
        <source>N·s/m²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>N·s/m²</translation>
    </message>
    <message>
        <source>Pa·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pa·s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>P</translation>
    </message>
    <message>
        <source>lbf·s/ft²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>lbf·s/pi²</translation>
    </message>
    <message>
        <source>lbf·s/in²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>lbf·s/po²</translation>
    </message>
    <message>
        <source>lb/ft·h</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>lb/pi·h</translation>
    </message>
    <message>
        <source>lb/ft·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>lb/pi·s</translation>
    </message>
    <message>
        <source>pdl·h/ft²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>pdl·h/pi²</translation>
    </message>
    <message>
        <source>pdl·s/ft²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>pdl·s/pi²</translation>
    </message>
    <message>
        <source>slug/ft·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>slug/pi·s</translation>
    </message>
    <message>
        <source>cSt</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cSt</translation>
    </message>
    <message>
        <source>cm²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm²/d</translation>
    </message>
    <message>
        <source>cm²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm²/h</translation>
    </message>
    <message>
        <source>cm²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm²/min</translation>
    </message>
    <message>
        <source>cm²/sec</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm²/sec</translation>
    </message>
    <message>
        <source>ft²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>pi²/d</translation>
    </message>
    <message>
        <source>ft²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>pi²/h</translation>
    </message>
    <message>
        <source>ft²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>pi²/min</translation>
    </message>
    <message>
        <source>ft²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>pi²/s</translation>
    </message>
    <message>
        <source>in²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>po²/d</translation>
    </message>
    <message>
        <source>in²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>po²/h</translation>
    </message>
    <message>
        <source>in²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>po²/min</translation>
    </message>
    <message>
        <source>in²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>po²/s</translation>
    </message>
    <message>
        <source>L/cm·d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/cm·d</translation>
    </message>
    <message>
        <source>L/cm·h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/cm·h</translation>
    </message>
    <message>
        <source>L/cm·min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/cm·min</translation>
    </message>
    <message>
        <source>L/cm·sec</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L/cm·sec</translation>
    </message>
    <message>
        <source>m²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²/d</translation>
    </message>
    <message>
        <source>m²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²/h</translation>
    </message>
    <message>
        <source>m²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²/min</translation>
    </message>
    <message>
        <source>m²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m²/s</translation>
    </message>
    <message>
        <source>mm²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm²/d</translation>
    </message>
    <message>
        <source>mm²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm²/h</translation>
    </message>
    <message>
        <source>mm²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm²/min</translation>
    </message>
    <message>
        <source>mm²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>P·cm³/g</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>P·cm³/g</translation>
    </message>
    <message>
        <source>St</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>St</translation>
    </message>
    <message>
        <source>AF</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>AF</translation>
    </message>
    <message>
        <source>bbl (US liq.)</source>
        <comment>Volume</comment>
        <translation>bbl (US, liquide)</translation>
    </message>
    <message>
        <source>bbl (oil)</source>
        <comment>Volume</comment>
        <translation>bbl (pétrole)</translation>
    </message>
    <message>
        <source>bbl (English)</source>
        <comment>Volume</comment>
        <translation>bbl (anglais)</translation>
    </message>
    <message>
        <source>cm³</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>cm³</translation>
    </message>
    <message>
        <source>gtt</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gtt</translation>
    </message>
    <message>
        <source>ft³</source>
        <comment>Volume</comment>
        <translation>pi³</translation>
    </message>
    <message>
        <source>gal</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gal</translation>
    </message>
    <message>
        <source>gal (UK)</source>
        <comment>Volume</comment>
        <translation>gal (imp.)</translation>
    </message>
    <message>
        <source>in³</source>
        <comment>Volume</comment>
        <translation>po³</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L</translation>
    </message>
    <message>
        <source>m³</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>m³</translation>
    </message>
    <message>
        <source>mL</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>mL</translation>
    </message>
    <message>
        <source>fl oz</source>
        <comment>Volume</comment>
        <translation>oz liq.</translation>
    </message>
    <message>
        <source>fl oz (UK)</source>
        <comment>Volume</comment>
        <translation>oz liq. (imp.)</translation>
    </message>
    <message>
        <source>pt</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pt</translation>
    </message>
    <message>
        <source>qt</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>qt</translation>
    </message>
    <message>
        <source>st</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>st</translation>
    </message>
    <message>
        <source>yd³</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>yd³</translation>
    </message>
    <message>
        <source>bbl (US)</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>bbl (US)</translation>
    </message>
    <message>
        <source>bu</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>bu</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>L</translation>
    </message>
    <message>
        <source>pk</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pk</translation>
    </message>
    <message>
        <source>pt</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pt</translation>
    </message>
    <message>
        <source>qt</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>qt</translation>
    </message>
    <message>
        <source>gi (UK)</source>
        <comment>Volume (Dry)</comment>
        <translation>gi (imp.)</translation>
    </message>
    <message>
        <source>gi (US)</source>
        <comment>Volume (Dry)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>gi (US)</translation>
    </message>
    <message>
        <source>cal (mean)</source>
        <comment>Energy</comment>
        <translation>cal (moyen)</translation>
    </message>
</context>
<context>
    <name>vantrel::CAboutDlg</name>
    <message>
        <source>Vantrel Unit Converter is provided &quot;as is&quot;, without warranty of any kind. Its developers are not liable for any damage that comes of its use. Check results that matter (engineering, medicine, navigation, trade) against another source before relying on them.</source>
        <translation>Le Convertisseur d’unités Vantrel est fourni «&#xa0;tel quel&#xa0;», sans garantie d’aucune sorte. Ses développeurs ne sont responsables d’aucun dommage résultant de son utilisation. Vérifiez les résultats importants (ingénierie, médecine, navigation, commerce) auprès d’une autre source avant de vous y fier.</translation>
    </message>
    <message>
        <source>About Vantrel Converter</source>
        <translation>À propos du Convertisseur Vantrel</translation>
    </message>
    <message>
        <source>By the Vantrel developers</source>
        <translation>Par les développeurs de Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Unit Converter Version 5.4</source>
        <translation>Convertisseur d’unités Vantrel 5.4</translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation>Copyright © 2026</translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation>Page d’accueil de Vantrel</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>For more information and complete terms of use visit :</source>
        <translation>Informations et conditions complètes&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::CConverterDlg</name>
    <message>
        <source>Enter your value in the Input Box :<byte value="xd"/>
<byte value="xd"/>
as Decimal, e.g. 1.75<byte value="xd"/>
as Exponent, e.g. 1.2e-5<byte value="xd"/>
as Partial Fraction, e.g. 7/8  or<byte value="xd"/>
as Mixed Fraction, e.g. 2+3/4  (for 2¾).</source>
        <translation>Saisissez votre valeur dans la zone d’entrée&#xa0;:<byte value="xd"/>
<byte value="xd"/>
en décimal, p. ex. 1.75<byte value="xd"/>
avec exposant, p. ex. 1.2e-5<byte value="xd"/>
en fraction, p. ex. 7/8  ou<byte value="xd"/>
en fraction mixte, p. ex. 2+3/4  (pour 2¾).</translation>
    </message>
    <message>
        <source>Click on the icon to invert currently selected units</source>
        <translation>Cliquez sur l’icône pour inverser les unités sélectionnées</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The settings file gives these custom units a coefficient that defines no unit (0, below 0, not a number, or beyond the range of numbers the converter holds): %1.

They are left out, and stay in the file until it is edited.</source>
        <extracomment>%1 names the units as the file has them: &quot;NAME&quot; in &quot;CATEGORY&quot; (coefficient &quot;TEXT&quot;)</extracomment>
        <translation>Le fichier de paramètres donne à ces unités personnalisées un coefficient qui ne définit aucune unité (0, inférieur à 0, pas un nombre, ou hors de la plage des nombres du convertisseur)&#xa0;: %1.

Elles sont ignorées et restent dans le fichier jusqu’à ce qu’il soit modifié.</translation>
    </message>
    <message>
        <source>Vantrel Unit Converter</source>
        <translation>Convertisseur d’unités Vantrel</translation>
    </message>
    <message>
        <source>Invert Units</source>
        <translation>Inverser les unités</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation>Choisir la catégorie </translation>
    </message>
    <message>
        <source>Select Units </source>
        <translation>Choisir les unités </translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>DE</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>VERS</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation>Page d’accueil de Vantrel</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <extracomment>%1 is the command-line option as written, &quot;--category&quot;</extracomment>
        <translation>L’option %1 demande une valeur.</translation>
    </message>
    <message>
        <source>The option %1 is given more than once.</source>
        <extracomment>%1 is the command-line option as written, &quot;--category&quot;</extracomment>
        <translation>L’option %1 est donnée plus d’une fois.</translation>
    </message>
    <message>
        <source>Unknown unit &quot;%1&quot; in &quot;%2&quot;.</source>
        <extracomment>%1 is the unit as given on the command line, %2 the category&apos;s name</extracomment>
        <translation>Unité inconnue «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for several units of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the abbreviation as given on the command line, %2 the category&apos;s name, %3 the units&apos; names</extracomment>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs unités de «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;.</source>
        <extracomment>%1 is the category as given on the command line</extracomment>
        <translation>Catégorie inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is hidden: Edit, Preferences, Visible Categories shows it again.</source>
        <extracomment>%1 is the category&apos;s name; the rest names the menu and the page where categories are shown again, as the window calls them</extracomment>
        <translation>La catégorie «&#xa0;%1&#xa0;» est masquée&#xa0;: Édition, Préférences, Catégories visibles la fait réapparaître.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>a name in quotation marks, as the language writes them</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The %1.

A settings file at the top of a drive is used only when that folder and the file are yours and nobody else may change them.</source>
        <extracomment>%1 names the settings file passed over and why, in English as the command line says it: settings file &quot;PATH&quot; is not trusted: REASON; &quot;PATH&quot; is used instead</extracomment>
        <translation>Le fichier de paramètres n’est pas digne de confiance (%1).

Un fichier de paramètres à la racine d’un disque n’est utilisé que si ce dossier et le fichier vous appartiennent et que personne d’autre ne peut les modifier.</translation>
    </message>
    <message>
        <source>Unknown command-line arguments: %1 (vantrel --help lists the window&apos;s options).</source>
        <extracomment>%1 is what neither the window nor Qt takes of the command line, as written</extracomment>
        <translation>Arguments de ligne de commande inconnus&#xa0;: %1 (vantrel --help énumère les options de la fenêtre).</translation>
    </message>
    <message>
        <source>The converter goes on, and saves no change that would take the file past 16 MB.</source>
        <translation>Le convertisseur continue et n’enregistre aucune modification qui porterait le fichier au-delà de 16&#xa0;Mo.</translation>
    </message>
    <message>
        <source>The converter goes on with the default settings and what it could read, and cannot save changes while this lasts.</source>
        <translation>Le convertisseur continue avec les paramètres par défaut et ce qu’il a pu lire, et ne peut pas enregistrer de modifications tant que cela dure.</translation>
    </message>
    <message>
        <source>The %1.

%2</source>
        <extracomment>%1 is what is wrong with the settings file, in English as the command line says it: settings file &quot;PATH&quot; cannot be read: REASON; %2 what the converter does about it</extracomment>
        <translation>Le fichier de paramètres est inutilisable (%1).

%2</translation>
    </message>
</context>
<context>
    <name>vantrel::CCoordinates</name>
    <message>
        <source>Coordinate Conversion</source>
        <translation>Conversion de coordonnées</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude&#xa0;: degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Latitude&#xa0;: secondes</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude&#xa0;: degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Longitude&#xa0;: secondes</translation>
    </message>
    <message>
        <source>Northern</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Southern</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Select Ellipsoid </source>
        <translation>Choisir l’ellipsoïde </translation>
    </message>
    <message>
        <source>Decimal Lat / Long  </source>
        <translation>Lat. / long. décimales  </translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation>Latitude </translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>  Degrees     Minutes     Seconds</source>
        <translation>  Degrés      Minutes     Secondes</translation>
    </message>
    <message>
        <source>UTM </source>
        <translation>UTM </translation>
    </message>
    <message>
        <source>Northing </source>
        <translation>Nord </translation>
    </message>
    <message>
        <source>Easting</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Zone Number</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hémisphère</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomCategories</name>
    <message>
        <source>The category name must be between 2 and 25 characters long.</source>
        <translation>Le nom de la catégorie doit compter de 2 à 25 caractères.</translation>
    </message>
    <message>
        <source>This category name already exists.</source>
        <translation>Ce nom de catégorie existe déjà.</translation>
    </message>
    <message>
        <source>This category name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, &quot;?val=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation>Ce nom de catégorie ne peut pas être enregistré dans le fichier de paramètres puis relu. Un nom ne peut contenir ni «&#xa0;=&#xa0;», ni «&#xa0;?val=&#xa0;», ni tabulation, ni saut de ligne, ni commencer par «&#xa0;[&#xa0;» ou «&#xa0;;&#xa0;».</translation>
    </message>
    <message>
        <source>A category whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation>Une catégorie dont le nom ne diffère de [%1] que par la casse existe déjà. Le fichier de paramètres ne peut pas les distinguer&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <source>You may only remove previously added custom categories.</source>
        <translation>Vous ne pouvez supprimer que des catégories que vous avez ajoutées.</translation>
    </message>
    <message>
        <source>Category [%1] was not added: the settings file could not be written.</source>
        <translation>La catégorie [%1] n’a pas été ajoutée&#xa0;: le fichier de paramètres n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Category [%1] was not removed: the settings file could not be written.</source>
        <translation>La catégorie [%1] n’a pas été supprimée&#xa0;: le fichier de paramètres n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Category [%1] was successfully added.</source>
        <translation>La catégorie [%1] a bien été ajoutée.</translation>
    </message>
    <message>
        <source>Category [%1] was successfully removed.</source>
        <translation>La catégorie [%1] a bien été supprimée.</translation>
    </message>
    <message>
        <source>Add / Remove Categories</source>
        <translation>Ajouter / supprimer des catégories</translation>
    </message>
    <message>
        <source>Add Categories </source>
        <translation>Ajouter une catégorie </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove Categories </source>
        <translation>Supprimer une catégorie </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomUnits</name>
    <message>
        <source>The unit name must be between 2 and 25 characters long.</source>
        <translation>Le nom de l’unité doit compter de 2 à 25 caractères.</translation>
    </message>
    <message>
        <source>This unit name already exists.</source>
        <translation>Ce nom d’unité existe déjà.</translation>
    </message>
    <message>
        <source>This unit name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation>Ce nom d’unité ne peut pas être enregistré dans le fichier de paramètres puis relu. Un nom ne peut contenir ni «&#xa0;=&#xa0;», ni tabulation, ni saut de ligne, ni commencer par «&#xa0;[&#xa0;» ou «&#xa0;;&#xa0;».</translation>
    </message>
    <message>
        <source>A custom unit whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation>Une unité personnalisée dont le nom ne diffère de [%1] que par la casse existe déjà. Le fichier de paramètres ne peut pas les distinguer&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <source>With this coefficient the new unit is beyond the range of numbers the converter holds.</source>
        <translation>Avec ce coefficient, la nouvelle unité sort de la plage des nombres du convertisseur.</translation>
    </message>
    <message>
        <source>You may only remove previously added custom units.</source>
        <translation>Vous ne pouvez supprimer que des unités que vous avez ajoutées.</translation>
    </message>
    <message>
        <source>Unit name [%1] was not added to [%2]: the settings file could not be written.</source>
        <translation>L’unité [%1] n’a pas été ajoutée à [%2]&#xa0;: le fichier de paramètres n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Unit name [%1] was not removed from [%2]: the settings file could not be written.</source>
        <translation>L’unité [%1] n’a pas été supprimée de [%2]&#xa0;: le fichier de paramètres n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The coefficient cannot be read: %1.</source>
        <extracomment>%1 is the evaluator&apos;s reason, in English as the command line gives it</extracomment>
        <translation>Le coefficient est illisible (%1).</translation>
    </message>
    <message>
        <source>The coefficient must be greater than 0.</source>
        <translation>Le coefficient doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Output = %1 × (1.0 / Input) <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <extracomment>%1 is the coefficient, %2 the source unit, %3 the new unit</extracomment>
        <translation>Sortie = %1 × (1.0 / Entrée) <byte value="xd"/>
Entrée en %2<byte value="xd"/>
Sortie en %3</translation>
    </message>
    <message>
        <source>Output = %1 × Input <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <translation>Sortie = %1 × Entrée <byte value="xd"/>
Entrée en %2<byte value="xd"/>
Sortie en %3</translation>
    </message>
    <message>
        <source>Unit name [%1] was successfully added to [%2]</source>
        <translation>L’unité [%1] a bien été ajoutée à [%2]</translation>
    </message>
    <message>
        <source>Unit name [%1] was removed from [%2]</source>
        <translation>L’unité [%1] a été supprimée de [%2]</translation>
    </message>
    <message>
        <source>Add / Remove Units</source>
        <translation>Ajouter / supprimer des unités</translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation>Choisir la catégorie </translation>
    </message>
    <message>
        <source>Add Unit </source>
        <translation>Ajouter une unité </translation>
    </message>
    <message>
        <source>Target Name [Output]</source>
        <translation>Nom cible [sortie]</translation>
    </message>
    <message>
        <source>Source Name [Input]</source>
        <translation>Nom source [entrée]</translation>
    </message>
    <message>
        <source>Coefficient </source>
        <translation>Coefficient </translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Preview </source>
        <translation>Aperçu </translation>
    </message>
</context>
<context>
    <name>vantrel::CGeneral</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>General Options  </source>
        <translation>Options générales  </translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Remember last used category and units on startup</source>
        <translation>Retenir la dernière catégorie et ses unités</translation>
    </message>
    <message>
        <source>Show abbreviations when available</source>
        <translation>Afficher les abréviations</translation>
    </message>
    <message>
        <source>Use custom font (requires program restart)</source>
        <translation>Autre police (après redémarrage)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>vantrel::CHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Online Manual (pdf)</source>
        <translation>Manuel (pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>Select the category of your units, and the units to convert to and from.Then enter your value in the Input Box :<byte value="xd"/>
<byte value="xd"/>
as Decimal, e.g. 1.75<byte value="xd"/>
as Exponent, e.g. 1.2e-5<byte value="xd"/>
as Partial Fraction, e.g. 7/8 <byte value="xd"/>
as Mixed Fraction, e.g. 2+3/4  (for 2¾)<byte value="xd"/>
as Mixed Expression, e.g. sin(-50.01+10^(sin(-0.1/21.11)-(cos(12)^0.1)^3.11))<byte value="xd"/>
<byte value="xd"/>
The converted units are displayed instantly in the Output Box.<byte value="xd"/>
The input and output units can be inverted using the invert option from the Edit menu, or by clicking the invert icon located between INPUT and OUTPUT list boxes. Ctrl + I is a shortcut for quickly inverting units</source>
        <translation>Choisissez la catégorie de vos unités, puis l’unité de départ et l’unité d’arrivée. Saisissez ensuite votre valeur dans la zone d’entrée&#xa0;:<byte value="xd"/>
<byte value="xd"/>
en décimal, p. ex. 1.75<byte value="xd"/>
avec exposant, p. ex. 1.2e-5<byte value="xd"/>
en fraction, p. ex. 7/8 <byte value="xd"/>
en fraction mixte, p. ex. 2+3/4  (pour 2¾)<byte value="xd"/>
en expression, p. ex. sin(-50.01+10^(sin(-0.1/21.11)-(cos(12)^0.1)^3.11))<byte value="xd"/>
<byte value="xd"/>
Le résultat s’affiche aussitôt dans la zone de résultat.<byte value="xd"/>
Les unités d’entrée et de sortie s’inversent avec «&#xa0;Inverser les unités&#xa0;» du menu Édition, ou d’un clic sur l’icône d’inversion située entre les listes DE et VERS. Ctrl + I inverse rapidement les unités.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Under Edit Menu, click on Find, or use shortcut key Ctrl + F to quickly open the Find dialog box. Type in the desired unit or category into the edit box to narrow the list of possible matches that are displayed in the list box below. Double click any unit in the list box or push the Go button to dismiss the find box and jump to that category and unit in the main window.</source>
        <translation>Dans le menu Édition, cliquez sur Rechercher, ou utilisez le raccourci Ctrl + F pour ouvrir rapidement la boîte de recherche. Tapez l’unité ou la catégorie voulue dans la zone de saisie pour restreindre la liste des correspondances affichée en dessous. Double-cliquez sur une unité de la liste ou appuyez sur le bouton Aller pour fermer la boîte de recherche et passer à cette catégorie et à cette unité dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Under menu Edit, Preferences, you can:<byte value="xd"/>
<byte value="xd"/>
Display more/less categories under Visible Categories<byte value="xd"/>
Remember last used categories and units under General<byte value="xd"/>
Change the precision and format of the conversion output</source>
        <translation>Dans le menu Édition, Préférences, vous pouvez&#xa0;:<byte value="xd"/>
<byte value="xd"/>
afficher plus ou moins de catégories sous Catégories visibles<byte value="xd"/>
retrouver la dernière catégorie et ses unités sous Général<byte value="xd"/>
changer la précision et le format du résultat</translation>
    </message>
    <message>
        <source>Customizations</source>
        <translation>Personnalisation</translation>
    </message>
    <message>
        <source>For Custom units and preferences to be stored, a small file named %1 is written to the %2 folder. You may transfer this file to other computers to transfer your customizations.</source>
        <translation>Pour conserver les unités personnalisées et les préférences, un petit fichier nommé %1 est écrit dans le dossier %2. Vous pouvez copier ce fichier sur d’autres ordinateurs pour y retrouver vos personnalisations.</translation>
    </message>
</context>
<context>
    <name>vantrel::CMySheet</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>vantrel::CPicture</name>
    <message>
        <source>CPicture Error</source>
        <translation>Erreur CPicture</translation>
    </message>
    <message>
        <source>FindResource() Failed	</source>
        <translation>Échec de FindResource()	</translation>
    </message>
    <message>
        <source>Can not allocate enough memory	</source>
        <translation>Mémoire insuffisante	</translation>
    </message>
    <message>
        <source>IPicture interface is not supported	</source>
        <translation>L’interface IPicture n’est pas prise en charge	</translation>
    </message>
</context>
<context>
    <name>vantrel::CResultFormat</name>
    <message>
        <source>Result Format</source>
        <translation>Format du résultat</translation>
    </message>
    <message>
        <source>Select the format of the result  </source>
        <translation>Choisir le format du résultat  </translation>
    </message>
    <message>
        <source>AutoFormat</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Set decimal precision</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Preview  </source>
        <translation>Aperçu  </translation>
    </message>
</context>
<context>
    <name>vantrel::CSearchUnits</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Type All or Part of a Unit or Category Name:</source>
        <translation>Unité ou catégorie, même en partie&#xa0;:</translation>
    </message>
    <message>
        <source>Possible Matches:</source>
        <translation>Résultats&#xa0;:</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordonnée</translation>
    </message>
    <message>
        <source>latitude and longitude (decimal)</source>
        <translation>latitude et longitude (décimales)</translation>
    </message>
    <message>
        <source>latitude and longitude (degree, minute, second)</source>
        <translation>latitude et longitude (degré, minute, seconde)</translation>
    </message>
    <message>
        <source>UTM (northing, easting, zone, hemisphere) </source>
        <translation>UTM (nord, est, zone, hémisphère) </translation>
    </message>
</context>
<context>
    <name>vantrel::CVisible</name>
    <message>
        <source>Visible Categories</source>
        <translation>Catégories visibles</translation>
    </message>
    <message>
        <source>Visible categories</source>
        <translation>Catégories visibles</translation>
    </message>
    <message>
        <source>Display All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>vantrel::CatalogueChangeDialog</name>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>... (%1 characters)</source>
        <translation>... (%1 caractères)</translation>
    </message>
</context>
<context>
    <name>vantrel::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
</context>
<context>
    <name>vantrel::PropertySheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
