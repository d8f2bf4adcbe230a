<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CategoryName</name>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Amount of Substance</source>
        <translation>Stoffmenge</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Angle (Solid)</source>
        <translation>Raumwinkel</translation>
    </message>
    <message>
        <source>Angular Velocity</source>
        <translation>Winkelgeschwindigkeit</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Elektrische Kapazität</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Elektrische Ladung</translation>
    </message>
    <message>
        <source>Concentration (Liquid)</source>
        <translation>Konzentration (Flüssigkeit)</translation>
    </message>
    <message>
        <source>Concentration (Molar)</source>
        <translation>Stoffmengenkonzentration</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>Elektrischer Leitwert</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Elektrische Stromstärke</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datenmenge</translation>
    </message>
    <message>
        <source>Data Transfer</source>
        <translation>Datenübertragungsrate</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Enthalpy (Mass)</source>
        <translation>Spezifische Enthalpie</translation>
    </message>
    <message>
        <source>Enthalpy (Molar)</source>
        <translation>Molare Enthalpie</translation>
    </message>
    <message>
        <source>Enthalpy (Volume)</source>
        <translation>Volumenbezogene Enthalpie</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Fuel Consumption</source>
        <translation>Kraftstoffverbrauch</translation>
    </message>
    <message>
        <source>Heat Flux</source>
        <translation>Wärmestromdichte</translation>
    </message>
    <message>
        <source>Heat Generation (Vol.)</source>
        <translation>Wärmeerzeugung (Vol.)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message>
        <source>Magnetic Flux</source>
        <translation>Magnetischer Fluss</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlensysteme</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Radiation</source>
        <translation>Energiedosisleistung</translation>
    </message>
    <message>
        <source>Radiation Exposure</source>
        <translation>Strahlenexposition</translation>
    </message>
    <message>
        <source>SI Prefix</source>
        <translation>SI-Vorsatz</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Oberflächenspannung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Thermal Conductance (building)</source>
        <translation>Wärmedurchgang (Bauwesen)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Viscosity (Dynamic)</source>
        <translation>Viskosität (dynamisch)</translation>
    </message>
    <message>
        <source>Viscosity (Kinematic)</source>
        <translation>Viskosität (kinematisch)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume (Dry)</source>
        <translation>Volumen (trocken)</translation>
    </message>
</context>
<context>
    <name>DisplayNames</name>
    <message>
        <source>en</source>
        <extracomment>The language whose alphabetical order sorts the window&apos;s lists of categories and units, as a locale name: de, fr</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Launch Calculator          	Ctrl+L</source>
        <translation>Rechner starten          	Strg+L</translation>
    </message>
    <message>
        <source>Coordinate Converter</source>
        <translation>Koordinatenumrechner</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copy Output      	Ctrl+C</source>
        <translation>Ergebnis kopieren      	Strg+C</translation>
    </message>
    <message>
        <source>Find      	Ctrl+F</source>
        <translation>Suchen      	Strg+F</translation>
    </message>
    <message>
        <source>Invert Units      	Ctrl+I</source>
        <translation>Einheiten tauschen      	Strg+I</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Preferences      	Ctrl+P</source>
        <translation>Einstellungen      	Strg+P</translation>
    </message>
    <message>
        <source>Contents      	F1</source>
        <translation>Inhalt      	F1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Check for updates or Donate...</source>
        <translation>Nach Aktualisierungen suchen oder spenden...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>UnitName</name>
    <message numerus="yes">
        <source>centimeter/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Zentimeter/Sekunde²</numerusform>
            <numerusform>Zentimeter/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Fuß/Sekunde²</numerusform>
            <numerusform>Fuß/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>free fall</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Normfallbeschleunigung</numerusform>
            <numerusform>Normfallbeschleunigung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>galileo</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Gal</numerusform>
            <numerusform>Gal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Zoll/Sekunde²</numerusform>
            <numerusform>Zoll/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/hour·second</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Kilometer/Stunde·Sekunde</numerusform>
            <numerusform>Kilometer/Stunde·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Meter/Sekunde²</numerusform>
            <numerusform>Meter/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour·minute</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Meile/Stunde·Minute</numerusform>
            <numerusform>Meilen/Stunde·Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour·second</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Meile/Stunde·Sekunde</numerusform>
            <numerusform>Meilen/Stunde·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard/second²</source>
        <comment>Acceleration</comment>
        <translation>
            <numerusform>Yard/Sekunde²</numerusform>
            <numerusform>Yards/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>Kilomol</numerusform>
            <numerusform>Kilomol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micromole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>Mikromol</numerusform>
            <numerusform>Mikromol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>Millimol</numerusform>
            <numerusform>Millimol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole</source>
        <comment>Amount of Substance</comment>
        <translation>
            <numerusform>Mol</numerusform>
            <numerusform>Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>circle</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Vollkreis</numerusform>
            <numerusform>Vollkreise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Grad</numerusform>
            <numerusform>Grad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gon</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Gon</numerusform>
            <numerusform>Gon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grade</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Neugrad</numerusform>
            <numerusform>Neugrad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mil</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Strich (NATO)</numerusform>
            <numerusform>Strich (NATO)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Winkelminute</numerusform>
            <numerusform>Winkelminuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>octant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Oktant</numerusform>
            <numerusform>Oktanten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Kompassstrich</numerusform>
            <numerusform>Kompassstriche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quadrant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Quadrant</numerusform>
            <numerusform>Quadranten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Radiant</numerusform>
            <numerusform>Radiant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Umdrehung</numerusform>
            <numerusform>Umdrehungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right angle</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Rechter Winkel</numerusform>
            <numerusform>Rechte Winkel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Winkelsekunde</numerusform>
            <numerusform>Winkelsekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sign</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Tierkreiszeichen</numerusform>
            <numerusform>Tierkreiszeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sextant</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Sextant</numerusform>
            <numerusform>Sextanten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>turn</source>
        <comment>Angle</comment>
        <translation>
            <numerusform>Vollwinkel</numerusform>
            <numerusform>Vollwinkel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hemisphere</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Halbkugel</numerusform>
            <numerusform>Halbkugeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square degree</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Quadratgrad</numerusform>
            <numerusform>Quadratgrad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square minute</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Quadratminute</numerusform>
            <numerusform>Quadratminuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square second</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Quadratsekunde</numerusform>
            <numerusform>Quadratsekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>steradian</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Steradiant</numerusform>
            <numerusform>Steradiant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sphere</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Kugel</numerusform>
            <numerusform>Kugeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spherical right angle</source>
        <comment>Angle (Solid)</comment>
        <translation>
            <numerusform>Rechter Kugelwinkel</numerusform>
            <numerusform>Rechte Kugelwinkel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Grad/Tag</numerusform>
            <numerusform>Grad/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Grad/Stunde</numerusform>
            <numerusform>Grad/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Grad/Minute</numerusform>
            <numerusform>Grad/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Grad/Sekunde</numerusform>
            <numerusform>Grad/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Radiant/Tag</numerusform>
            <numerusform>Radiant/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Radiant/Stunde</numerusform>
            <numerusform>Radiant/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Radiant/Minute</numerusform>
            <numerusform>Radiant/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>radian/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Radiant/Sekunde</numerusform>
            <numerusform>Radiant/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/day</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Umdrehung/Tag</numerusform>
            <numerusform>Umdrehungen/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/hour</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Umdrehung/Stunde</numerusform>
            <numerusform>Umdrehungen/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/minute</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Umdrehung/Minute</numerusform>
            <numerusform>Umdrehungen/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>revolution/second</source>
        <comment>Angular Velocity</comment>
        <translation>
            <numerusform>Umdrehung/Sekunde</numerusform>
            <numerusform>Umdrehungen/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Acre</numerusform>
            <numerusform>Acres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barn</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Barn</numerusform>
            <numerusform>Barn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Zentimeter²</numerusform>
            <numerusform>Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>darcy</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Darcy</numerusform>
            <numerusform>Darcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Fuß²</numerusform>
            <numerusform>Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectare</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Hektar</numerusform>
            <numerusform>Hektar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Zoll²</numerusform>
            <numerusform>Zoll²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Kilometer²</numerusform>
            <numerusform>Kilometer²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Meter²</numerusform>
            <numerusform>Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Meile²</numerusform>
            <numerusform>Meilen²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Millimeter²</numerusform>
            <numerusform>Millimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rood</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Rood</numerusform>
            <numerusform>Roods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>section</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Section</numerusform>
            <numerusform>Sections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square rod</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Quadrat-Rod</numerusform>
            <numerusform>Quadrat-Rods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>square perch</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Quadrat-Perch</numerusform>
            <numerusform>Quadrat-Perches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sulung</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Sulung</numerusform>
            <numerusform>Sulungs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>township (US)</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Township (US)</numerusform>
            <numerusform>Townships (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard²</source>
        <comment>Area</comment>
        <translation>
            <numerusform>Yard²</numerusform>
            <numerusform>Yards²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>Abfarad</numerusform>
            <numerusform>Abfarad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of capacitance</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>EME der Kapazität</numerusform>
            <numerusform>EME der Kapazität</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of capacitance</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>ESE der Kapazität</numerusform>
            <numerusform>ESE der Kapazität</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>farad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>Farad</numerusform>
            <numerusform>Farad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>Mikrofarad</numerusform>
            <numerusform>Mikrofarad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picofarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>Pikofarad</numerusform>
            <numerusform>Pikofarad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statfarad</source>
        <comment>Capacitance</comment>
        <translation>
            <numerusform>Statfarad</numerusform>
            <numerusform>Statfarad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abcoulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Abcoulomb</numerusform>
            <numerusform>Abcoulomb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere hour</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Amperestunde</numerusform>
            <numerusform>Amperestunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere minute</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Ampereminute</numerusform>
            <numerusform>Ampereminuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere second</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Amperesekunde</numerusform>
            <numerusform>Amperesekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Coulomb</numerusform>
            <numerusform>Coulomb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>faraday</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Faraday</numerusform>
            <numerusform>Faraday</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>franklin</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Franklin</numerusform>
            <numerusform>Franklin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statcoulomb</source>
        <comment>Charge</comment>
        <translation>
            <numerusform>Statcoulomb</numerusform>
            <numerusform>Statcoulomb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain/gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Grain/Gallone (brit.)</numerusform>
            <numerusform>Grains/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain/gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Grain/Gallone (US)</numerusform>
            <numerusform>Grains/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Gramm/Liter</numerusform>
            <numerusform>Gramm/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Kilogramm/Liter</numerusform>
            <numerusform>Kilogramm/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram/liter</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Milligramm/Liter</numerusform>
            <numerusform>Milligramm/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>part/million</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Teil/Million</numerusform>
            <numerusform>Teile/Million</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot³</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Pfund/Fuß³</numerusform>
            <numerusform>Pfund/Fuß³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Pfund/Gallone (brit.)</numerusform>
            <numerusform>Pfund/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Pfund/Gallone (US)</numerusform>
            <numerusform>Pfund/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/million gallon (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Pfund/Million Gallonen (brit.)</numerusform>
            <numerusform>Pfund/Million Gallonen (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/million gallon (US)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>
            <numerusform>Pfund/Million Gallonen (US)</numerusform>
            <numerusform>Pfund/Million Gallonen (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Kilomol/Zentimeter³</numerusform>
            <numerusform>Kilomol/Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Kilomol/Meter³</numerusform>
            <numerusform>Kilomol/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Kilomol/Millimeter³</numerusform>
            <numerusform>Kilomol/Millimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilomole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Kilomol/Liter</numerusform>
            <numerusform>Kilomol/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Millimol/Zentimeter³</numerusform>
            <numerusform>Millimol/Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Millimol/Meter³</numerusform>
            <numerusform>Millimol/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Millimol/Millimeter³</numerusform>
            <numerusform>Millimol/Millimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Millimol/Liter</numerusform>
            <numerusform>Millimol/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/centimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Mol/Zentimeter³</numerusform>
            <numerusform>Mol/Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/liter</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Mol/Liter</numerusform>
            <numerusform>Mol/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/meter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Mol/Meter³</numerusform>
            <numerusform>Mol/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mole/millimeter³</source>
        <comment>Concentration (Molar)</comment>
        <translation>
            <numerusform>Mol/Millimeter³</numerusform>
            <numerusform>Mol/Millimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Abmho</numerusform>
            <numerusform>Abmho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gemmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Gemmho</numerusform>
            <numerusform>Gemmho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilosiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Kilosiemens</numerusform>
            <numerusform>Kilosiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megasiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Megasiemens</numerusform>
            <numerusform>Megasiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Mho</numerusform>
            <numerusform>Mho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micromho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Mikromho</numerusform>
            <numerusform>Mikromho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microsiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Mikrosiemens</numerusform>
            <numerusform>Mikrosiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millisiemen</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Millisiemens</numerusform>
            <numerusform>Millisiemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>siemens</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Siemens</numerusform>
            <numerusform>Siemens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statmho</source>
        <comment>Conductance</comment>
        <translation>
            <numerusform>Statmho</numerusform>
            <numerusform>Statmho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Abampere</numerusform>
            <numerusform>Abampere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Ampere</numerusform>
            <numerusform>Ampere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of current</source>
        <comment>Current</comment>
        <translation>
            <numerusform>EME der Stromstärke</numerusform>
            <numerusform>EME der Stromstärke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of current</source>
        <comment>Current</comment>
        <translation>
            <numerusform>ESE der Stromstärke</numerusform>
            <numerusform>ESE der Stromstärke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gilbert</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Gilbert</numerusform>
            <numerusform>Gilbert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Mikroampere</numerusform>
            <numerusform>Mikroampere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Milliampere</numerusform>
            <numerusform>Milliampere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>statampere</source>
        <comment>Current</comment>
        <translation>
            <numerusform>Statampere</numerusform>
            <numerusform>Statampere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Bit</numerusform>
            <numerusform>Bit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>block</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Block</numerusform>
            <numerusform>Blöcke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>byte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Byte</numerusform>
            <numerusform>Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blu-ray (1 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Blu-ray (1 Schicht)</numerusform>
            <numerusform>Blu-ray (1 Schicht)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blu-ray (2 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Blu-ray (2 Schichten)</numerusform>
            <numerusform>Blu-ray (2 Schichten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD (74 minute)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>CD (74 Minuten)</numerusform>
            <numerusform>CD (74 Minuten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>CD (80 minute)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>CD (80 Minuten)</numerusform>
            <numerusform>CD (80 Minuten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>character</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Zeichen</numerusform>
            <numerusform>Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (1 layer, 1 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (1 Schicht, 1 Seite)</numerusform>
            <numerusform>DVD (1 Schicht, 1 Seite)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (2 layer, 1 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (2 Schichten, 1 Seite)</numerusform>
            <numerusform>DVD (2 Schichten, 1 Seite)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (1 layer, 2 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (1 Schicht, 2 Seiten)</numerusform>
            <numerusform>DVD (1 Schicht, 2 Seiten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>DVD (2 layer, 2 side)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>DVD (2 Schichten, 2 Seiten)</numerusform>
            <numerusform>DVD (2 Schichten, 2 Seiten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>HD-DVD (1 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>HD-DVD (1 Schicht)</numerusform>
            <numerusform>HD-DVD (1 Schicht)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>HD-DVD (2 layer)</source>
        <comment>Data</comment>
        <translation>
            <numerusform>HD-DVD (2 Schichten)</numerusform>
            <numerusform>HD-DVD (2 Schichten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Kilobit</numerusform>
            <numerusform>Kilobit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Kilobyte</numerusform>
            <numerusform>Kilobyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Megabit</numerusform>
            <numerusform>Megabit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Megabyte</numerusform>
            <numerusform>Megabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Gigabit</numerusform>
            <numerusform>Gigabit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Gigabyte</numerusform>
            <numerusform>Gigabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Terabit</numerusform>
            <numerusform>Terabit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Terabyte</numerusform>
            <numerusform>Terabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Petabit</numerusform>
            <numerusform>Petabit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Petabyte</numerusform>
            <numerusform>Petabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exabit</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Exabit</numerusform>
            <numerusform>Exabit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Exabyte</numerusform>
            <numerusform>Exabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nibble</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Nibble</numerusform>
            <numerusform>Nibbles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zettabyte</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Zettabyte</numerusform>
            <numerusform>Zettabyte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Wort</numerusform>
            <numerusform>Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MAPM-word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>MAPM-Wort</numerusform>
            <numerusform>MAPM-Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quadruple-word</source>
        <comment>Data</comment>
        <translation>
            <numerusform>Vierfachwort</numerusform>
            <numerusform>Vierfachwörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Bit/Sekunde</numerusform>
            <numerusform>Bit/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>byte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Byte/Sekunde</numerusform>
            <numerusform>Byte/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Kilobit/Sekunde (SI)</numerusform>
            <numerusform>Kilobit/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Kilobyte/Sekunde (SI)</numerusform>
            <numerusform>Kilobyte/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Megabit/Sekunde (SI)</numerusform>
            <numerusform>Megabit/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Megabyte/Sekunde (SI)</numerusform>
            <numerusform>Megabyte/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit/second (SI) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Gigabit/Sekunde (SI) </numerusform>
            <numerusform>Gigabit/Sekunde (SI) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second (SI) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Gigabyte/Sekunde (SI) </numerusform>
            <numerusform>Gigabyte/Sekunde (SI) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Terabit/Sekunde (SI)</numerusform>
            <numerusform>Terabit/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte/second (SI)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Terabyte/Sekunde (SI)</numerusform>
            <numerusform>Terabyte/Sekunde (SI)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Terabit/Sekunde</numerusform>
            <numerusform>Terabit/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Terabyte/Sekunde</numerusform>
            <numerusform>Terabyte/Sekunde</numerusform>
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
            <numerusform>Ethernet (Gigabit)</numerusform>
            <numerusform>Ethernet (Gigabit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISDN (single channel) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISDN (ein Kanal) </numerusform>
            <numerusform>ISDN (ein Kanal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISDN (dual channel) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISDN (zwei Kanäle) </numerusform>
            <numerusform>ISDN (zwei Kanäle) </numerusform>
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
            <numerusform>IDE (PlO-Modus 0) </numerusform>
            <numerusform>IDE (PlO-Modus 0) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 1) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PlO-Modus 1) </numerusform>
            <numerusform>IDE (PlO-Modus 1) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PlO-Modus 2)</numerusform>
            <numerusform>IDE (PlO-Modus 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 3) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PlO-Modus 3) </numerusform>
            <numerusform>IDE (PlO-Modus 3) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PlO mode 4) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PlO-Modus 4) </numerusform>
            <numerusform>IDE (PlO-Modus 4) </numerusform>
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
            <numerusform>TO (Nutzdaten) </numerusform>
            <numerusform>TO (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TO (B8ZS payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TO (B8ZS-Nutzdaten) </numerusform>
            <numerusform>TO (B8ZS-Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ti (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ti (Signal) </numerusform>
            <numerusform>Ti (Signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ti (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ti (Nutzdaten) </numerusform>
            <numerusform>Ti (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiZ (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TiZ (Nutzdaten) </numerusform>
            <numerusform>TiZ (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiC (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TiC (Signal) </numerusform>
            <numerusform>TiC (Signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>TiC (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>TiC (Nutzdaten) </numerusform>
            <numerusform>TiC (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T2 (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T2 (Signal) </numerusform>
            <numerusform>T2 (Signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T3 (Signal)</numerusform>
            <numerusform>T3 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3 (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T3 (Nutzdaten) </numerusform>
            <numerusform>T3 (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T3Z (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T3Z (Nutzdaten)</numerusform>
            <numerusform>T3Z (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T4 (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T4 (Signal) </numerusform>
            <numerusform>T4 (Signal) </numerusform>
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
        <translation>
            <numerusform>STS3 (Signal) </numerusform>
            <numerusform>STS3 (Signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3 (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS3 (Nutzdaten) </numerusform>
            <numerusform>STS3 (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3c (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS3c (Signal) </numerusform>
            <numerusform>STS3c (Signal) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS3c (payload) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS3c (Nutzdaten) </numerusform>
            <numerusform>STS3c (Nutzdaten) </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS48 (signal) </source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS48 (Signal) </numerusform>
            <numerusform>STS48 (Signal) </numerusform>
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
            <numerusform>Zeichen/Sekunde</numerusform>
            <numerusform>Zeichen/Sekunde</numerusform>
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
            <numerusform>E.P.T.A. 1 (Nutzdaten)</numerusform>
            <numerusform>E.P.T.A. 1 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 1 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 1 (Signal)</numerusform>
            <numerusform>E.P.T.A. 1 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 2 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 2 (Nutzdaten)</numerusform>
            <numerusform>E.P.T.A. 2 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 2 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 2 (Signal)</numerusform>
            <numerusform>E.P.T.A. 2 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 3 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 3 (Nutzdaten)</numerusform>
            <numerusform>E.P.T.A. 3 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>E.P.T.A. 3 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>E.P.T.A. 3 (Signal)</numerusform>
            <numerusform>E.P.T.A. 3 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ethernet (10 gigabit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Ethernet (10 Gigabit)</numerusform>
            <numerusform>Ethernet (10 Gigabit)</numerusform>
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
            <numerusform>Gigabit/Sekunde</numerusform>
            <numerusform>Gigabit/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabit/second (SI def.)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Gigabit/Sekunde (SI-Def.)</numerusform>
            <numerusform>Gigabit/Sekunde (SI-Def.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Gigabyte/Sekunde</numerusform>
            <numerusform>Gigabyte/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigabyte/second (SI def.)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Gigabyte/Sekunde (SI-Def.)</numerusform>
            <numerusform>Gigabyte/Sekunde (SI-Def.)</numerusform>
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
            <numerusform>IDE (DMA-Modus 0)</numerusform>
            <numerusform>IDE (DMA-Modus 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (DMA mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (DMA-Modus 1)</numerusform>
            <numerusform>IDE (DMA-Modus 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (DMA mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (DMA-Modus 2)</numerusform>
            <numerusform>IDE (DMA-Modus 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 0)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PIO-Modus 0)</numerusform>
            <numerusform>IDE (PIO-Modus 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PIO-Modus 1)</numerusform>
            <numerusform>IDE (PIO-Modus 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PIO-Modus 2)</numerusform>
            <numerusform>IDE (PIO-Modus 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 3)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PIO-Modus 3)</numerusform>
            <numerusform>IDE (PIO-Modus 3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (PIO mode 4)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (PIO-Modus 4)</numerusform>
            <numerusform>IDE (PIO-Modus 4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 0)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 0)</numerusform>
            <numerusform>IDE (UDMA-Modus 0)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 1)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 1)</numerusform>
            <numerusform>IDE (UDMA-Modus 1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 2)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 2)</numerusform>
            <numerusform>IDE (UDMA-Modus 2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 3)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 3)</numerusform>
            <numerusform>IDE (UDMA-Modus 3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 4)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 4)</numerusform>
            <numerusform>IDE (UDMA-Modus 4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 5)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 5)</numerusform>
            <numerusform>IDE (UDMA-Modus 5)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDE (UDMA mode 6)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>IDE (UDMA-Modus 6)</numerusform>
            <numerusform>IDE (UDMA-Modus 6)</numerusform>
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
            <numerusform>ISA (16 Bit)</numerusform>
            <numerusform>ISA (16 Bit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ISA (8-bit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>ISA (8 Bit)</numerusform>
            <numerusform>ISA (8 Bit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Kilobit/Sekunde</numerusform>
            <numerusform>Kilobit/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilobyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Kilobyte/Sekunde</numerusform>
            <numerusform>Kilobyte/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabit/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Megabit/Sekunde</numerusform>
            <numerusform>Megabit/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megabyte/second</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Megabyte/Sekunde</numerusform>
            <numerusform>Megabyte/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (110)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (110)</numerusform>
            <numerusform>Modems (110)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (1200)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (1200)</numerusform>
            <numerusform>Modems (1200)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (14.4k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (14.4k)</numerusform>
            <numerusform>Modems (14.4k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (2400)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (2400)</numerusform>
            <numerusform>Modems (2400)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (28.8k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (28.8k)</numerusform>
            <numerusform>Modems (28.8k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (300)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (300)</numerusform>
            <numerusform>Modems (300)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (33.6k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (33.6k)</numerusform>
            <numerusform>Modems (33.6k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (56k)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (56k)</numerusform>
            <numerusform>Modems (56k)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>modem (9600)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Modem (9600)</numerusform>
            <numerusform>Modems (9600)</numerusform>
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
            <numerusform>PCI (64 Bit, 66 MHz)</numerusform>
            <numerusform>PCI (64 Bit, 66 MHz)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>PCI (64-bit)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>PCI (64 Bit)</numerusform>
            <numerusform>PCI (64 Bit)</numerusform>
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
            <numerusform>SCSI (asynchron)</numerusform>
            <numerusform>SCSI (asynchron)</numerusform>
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
            <numerusform>SCSI (synchron)</numerusform>
            <numerusform>SCSI (synchron)</numerusform>
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
        <translation>
            <numerusform>STM-1 (Signal)</numerusform>
            <numerusform>STM-1 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-16 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STM-16 (Signal)</numerusform>
            <numerusform>STM-16 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-4 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STM-4 (Signal)</numerusform>
            <numerusform>STM-4 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STM-64 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STM-64 (Signal)</numerusform>
            <numerusform>STM-64 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS1 (Nutzdaten)</numerusform>
            <numerusform>STS1 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS1 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS1 (Signal)</numerusform>
            <numerusform>STS1 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS12 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS12 (Signal)</numerusform>
            <numerusform>STS12 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS192 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS192 (Signal)</numerusform>
            <numerusform>STS192 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>STS24 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>STS24 (Signal)</numerusform>
            <numerusform>STS24 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T0 (B8ZS payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T0 (B8ZS-Nutzdaten)</numerusform>
            <numerusform>T0 (B8ZS-Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T0 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T0 (Nutzdaten)</numerusform>
            <numerusform>T0 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1 (Nutzdaten)</numerusform>
            <numerusform>T1 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1 (Signal)</numerusform>
            <numerusform>T1 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1C (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1C (Nutzdaten)</numerusform>
            <numerusform>T1C (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1C (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1C (Signal)</numerusform>
            <numerusform>T1C (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>T1Z (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>T1Z (Nutzdaten)</numerusform>
            <numerusform>T1Z (Nutzdaten)</numerusform>
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
            <numerusform>Virtual Tributary 1 (Nutzdaten)</numerusform>
            <numerusform>Virtual Tributary 1 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 1 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 1 (Signal)</numerusform>
            <numerusform>Virtual Tributary 1 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 2 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 2 (Nutzdaten)</numerusform>
            <numerusform>Virtual Tributary 2 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 2 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 2 (Signal)</numerusform>
            <numerusform>Virtual Tributary 2 (Signal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 6 (payload)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 6 (Nutzdaten)</numerusform>
            <numerusform>Virtual Tributary 6 (Nutzdaten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Virtual Tributary 6 (signal)</source>
        <comment>Data Transfer</comment>
        <translation>
            <numerusform>Virtual Tributary 6 (Signal)</numerusform>
            <numerusform>Virtual Tributary 6 (Signal)</numerusform>
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
            <numerusform>Grain/Gallone (US)</numerusform>
            <numerusform>Grains/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/centimeter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Gramm/Zentimeter³</numerusform>
            <numerusform>Gramm/Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/liter</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Gramm/Liter</numerusform>
            <numerusform>Gramm/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Gramm/Meter³</numerusform>
            <numerusform>Gramm/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Kilogramm/Meter³</numerusform>
            <numerusform>Kilogramm/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/liter</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Kilogramm/Liter</numerusform>
            <numerusform>Kilogramm/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram/meter³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Milligramm/Meter³</numerusform>
            <numerusform>Milligramm/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/gallon</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Unze/Gallone</numerusform>
            <numerusform>Unzen/Gallone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Pfund/Fuß³</numerusform>
            <numerusform>Pfund/Fuß³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (UK)</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Pfund/Gallone (brit.)</numerusform>
            <numerusform>Pfund/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/gallon (US)</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Pfund/Gallone (US)</numerusform>
            <numerusform>Pfund/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/inch³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Pfund/Zoll³</numerusform>
            <numerusform>Pfund/Zoll³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/yard³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Pfund/Yard³</numerusform>
            <numerusform>Pfund/Yard³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>slug/foot³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Slug/Fuß³</numerusform>
            <numerusform>Slug/Fuß³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton/yard³</source>
        <comment>Density</comment>
        <translation>
            <numerusform>Short ton (US)/Yard³</numerusform>
            <numerusform>Short tons (US)/Yard³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>agate line</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Agate-Zeile</numerusform>
            <numerusform>Agate-Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>angstrom</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Ångström</numerusform>
            <numerusform>Ångström</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>arm length</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Armlänge</numerusform>
            <numerusform>Armlängen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>astronomical unit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Astronomische Einheit</numerusform>
            <numerusform>Astronomische Einheiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atomic unit of length</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Atomare Längeneinheit</numerusform>
            <numerusform>Atomare Längeneinheiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bamboo</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Bambus</numerusform>
            <numerusform>Bambus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barleycorn</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Gerstenkorn</numerusform>
            <numerusform>Gerstenkörner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bohr radius</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Bohrscher Radius</numerusform>
            <numerusform>Bohrsche Radien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bu (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Bu (Japan)</numerusform>
            <numerusform>Bu (Japan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (int.)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kabellänge (int.)</numerusform>
            <numerusform>Kabellängen (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (UK)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kabellänge (brit.)</numerusform>
            <numerusform>Kabellängen (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cable (US)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kabellänge (US)</numerusform>
            <numerusform>Kabellängen (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calibre</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kaliber</numerusform>
            <numerusform>Kaliber</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Zentimeter</numerusform>
            <numerusform>Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chain (Gunter, Survey)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kette (Gunter, Vermessung)</numerusform>
            <numerusform>Ketten (Gunter, Vermessung)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chain (Ramsden, Engineer)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kette (Ramsden, Ingenieur)</numerusform>
            <numerusform>Ketten (Ramsden, Ingenieur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cho (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Chō (Japan)</numerusform>
            <numerusform>Chō (Japan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cicero</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Cicero</numerusform>
            <numerusform>Cicero</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cubit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Elle (Cubit)</numerusform>
            <numerusform>Ellen (Cubit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Dezimeter</numerusform>
            <numerusform>Dezimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekameter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Dekameter</numerusform>
            <numerusform>Dekameter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ell (UK)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Elle (engl.)</numerusform>
            <numerusform>Ellen (engl.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>em (pica)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Geviert (Pica)</numerusform>
            <numerusform>Gevierte (Pica)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>faden (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Faden (deutsch)</numerusform>
            <numerusform>Faden (deutsch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fathom</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Faden (engl.)</numerusform>
            <numerusform>Faden (engl.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fermi</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fermi</numerusform>
            <numerusform>Fermi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>finger</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Finger</numerusform>
            <numerusform>Finger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>finger (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Finger (Tuch)</numerusform>
            <numerusform>Finger (Tuch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Benoit)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (Benoît)</numerusform>
            <numerusform>Fuß (Benoît)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Clarke, Cape)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (Clarke, Kap)</numerusform>
            <numerusform>Fuß (Clarke, Kap)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß</numerusform>
            <numerusform>Fuß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Indian)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (indisch)</numerusform>
            <numerusform>Fuß (indisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (Sear)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (Sear)</numerusform>
            <numerusform>Fuß (Sear)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot (US Survey)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (US-Vermessung)</numerusform>
            <numerusform>Fuß (US-Vermessung)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>furlong</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Furlong</numerusform>
            <numerusform>Furlongs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fuß (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Fuß (deutsch)</numerusform>
            <numerusform>Fuß (deutsch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>geographical mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Geographische Meile</numerusform>
            <numerusform>Geographische Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hand</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Hand</numerusform>
            <numerusform>Hände</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Hektometer</numerusform>
            <numerusform>Hektometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Zoll</numerusform>
            <numerusform>Zoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jo (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Jō (Japan)</numerusform>
            <numerusform>Jō (Japan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ken (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Ken (Japan)</numerusform>
            <numerusform>Ken (Japan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Kilometer</numerusform>
            <numerusform>Kilometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>klafter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Klafter</numerusform>
            <numerusform>Klafter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>league</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>League</numerusform>
            <numerusform>Leagues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>league (nautical)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>League (nautisch)</numerusform>
            <numerusform>Leagues (nautisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light day</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Lichttag</numerusform>
            <numerusform>Lichttage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light hour</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Lichtstunde</numerusform>
            <numerusform>Lichtstunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light minute</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Lichtminute</numerusform>
            <numerusform>Lichtminuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light second</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Lichtsekunde</numerusform>
            <numerusform>Lichtsekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>light year</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Lichtjahr</numerusform>
            <numerusform>Lichtjahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>line</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Linie</numerusform>
            <numerusform>Linien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>link (Gunter, Surveyor)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Glied (Gunter, Landmesser)</numerusform>
            <numerusform>Glieder (Gunter, Landmesser)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>link (Ramsden, Engineer)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Glied (Ramsden, Ingenieur)</numerusform>
            <numerusform>Glieder (Ramsden, Ingenieur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>marathon</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Marathon</numerusform>
            <numerusform>Marathons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megalithic yard</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Megalithisches Yard</numerusform>
            <numerusform>Megalithische Yards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megameter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Megameter</numerusform>
            <numerusform>Megameter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaparsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Megaparsec</numerusform>
            <numerusform>Megaparsec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meile (German)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Meile (deutsch)</numerusform>
            <numerusform>Meilen (deutsch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Meter</numerusform>
            <numerusform>Meter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mickey</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mickey</numerusform>
            <numerusform>Mickeys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microinch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mikrozoll</numerusform>
            <numerusform>Mikrozoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micrometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mikrometer</numerusform>
            <numerusform>Mikrometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micron</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mikron</numerusform>
            <numerusform>Mikron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mil</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mil</numerusform>
            <numerusform>Mils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Meile</numerusform>
            <numerusform>Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile (metric)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Metrische Meile</numerusform>
            <numerusform>Metrische Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Millimeter</numerusform>
            <numerusform>Millimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimicron</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Millimikron</numerusform>
            <numerusform>Millimikron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliparsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Milliparsec</numerusform>
            <numerusform>Milliparsec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mkono (Africa)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mkono (Afrika)</numerusform>
            <numerusform>Mkono (Afrika)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mo (Japan)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mō (Japan)</numerusform>
            <numerusform>Mō (Japan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mondo point</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Mondopoint</numerusform>
            <numerusform>Mondopoint</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nail (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Nagel (Tuch)</numerusform>
            <numerusform>Nägel (Tuch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Nanometer</numerusform>
            <numerusform>Nanometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Seemeile</numerusform>
            <numerusform>Seemeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>parsec</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Parsec</numerusform>
            <numerusform>Parsec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pace</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Schritt</numerusform>
            <numerusform>Schritte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>palm</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Handbreit</numerusform>
            <numerusform>Handbreiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>perch</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Perch</numerusform>
            <numerusform>Perches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (ATA)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pica (ATA)</numerusform>
            <numerusform>Picas (ATA)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (PostScript)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pica (PostScript)</numerusform>
            <numerusform>Picas (PostScript)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pica (Tex)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pica (TeX)</numerusform>
            <numerusform>Picas (TeX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picometer</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pikometer</numerusform>
            <numerusform>Pikometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pied (Canada)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pied (Kanada)</numerusform>
            <numerusform>Pied (Kanada)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (ATA)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Punkt (ATA)</numerusform>
            <numerusform>Punkte (ATA)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (Didot, Europe)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Punkt (Didot, Europa)</numerusform>
            <numerusform>Punkte (Didot, Europa)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (metric)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Punkt (metrisch)</numerusform>
            <numerusform>Punkte (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (PostScript)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Punkt (PostScript)</numerusform>
            <numerusform>Punkte (PostScript)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>point (Tex)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Punkt (TeX)</numerusform>
            <numerusform>Punkte (TeX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Planck</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Planck-Länge</numerusform>
            <numerusform>Planck-Längen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pole</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Pole</numerusform>
            <numerusform>Poles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>siegbahn</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Siegbahn</numerusform>
            <numerusform>Siegbahn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Ounce (Länge)</numerusform>
            <numerusform>Ounces (Länge)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>span</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Spanne</numerusform>
            <numerusform>Spannen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>span (cloth)</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Spanne (Tuch)</numerusform>
            <numerusform>Spannen (Tuch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spat</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Spat</numerusform>
            <numerusform>Spats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>twip</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Twip</numerusform>
            <numerusform>Twips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>x unit</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>X-Einheit</numerusform>
            <numerusform>X-Einheiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard</source>
        <comment>Distance</comment>
        <translation>
            <numerusform>Yard</numerusform>
            <numerusform>Yards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British Thermal Unit (IT)</numerusform>
            <numerusform>British Thermal Units (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British Thermal Unit (th)</numerusform>
            <numerusform>British Thermal Units (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British Thermal Unit (mittlere)</numerusform>
            <numerusform>British Thermal Units (mittlere)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (39 °F)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British Thermal Unit (39 °F)</numerusform>
            <numerusform>British Thermal Units (39 °F)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal unit (59 °F)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>British Thermal Unit (59 °F)</numerusform>
            <numerusform>British Thermal Units (59 °F)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kalorie (IT)</numerusform>
            <numerusform>Kalorien (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kalorie (th)</numerusform>
            <numerusform>Kalorien (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kalorie (mittlere)</numerusform>
            <numerusform>Kalorien (mittlere)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (15 °C)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kalorie (15 °C)</numerusform>
            <numerusform>Kalorien (15 °C)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie (20 °C)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kalorie (20 °C)</numerusform>
            <numerusform>Kalorien (20 °C)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>electronvolt</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Elektronvolt</numerusform>
            <numerusform>Elektronvolt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Erg</numerusform>
            <numerusform>Erg</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot poundal</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Fuß-Poundal</numerusform>
            <numerusform>Fuß-Poundal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Fuß-Pfund-Kraft</numerusform>
            <numerusform>Fuß-Pfund-Kraft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Joule</numerusform>
            <numerusform>Joule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (IT)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kilokalorie (IT)</numerusform>
            <numerusform>Kilokalorien (IT)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (th)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kilokalorie (th)</numerusform>
            <numerusform>Kilokalorien (th)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie (mean)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kilokalorie (mittlere)</numerusform>
            <numerusform>Kilokalorien (mittlere)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kilojoule</numerusform>
            <numerusform>Kilojoule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt hour</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Kilowattstunde</numerusform>
            <numerusform>Kilowattstunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Megajoule</numerusform>
            <numerusform>Megajoule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quad</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Quad</numerusform>
            <numerusform>Quad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>therm (EC)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Therm (EG)</numerusform>
            <numerusform>Therm (EG)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>therm (US)</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Therm (US)</numerusform>
            <numerusform>Therm (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton of TNT</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Tonne TNT</numerusform>
            <numerusform>Tonnen TNT</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt hour</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Wattstunde</numerusform>
            <numerusform>Wattstunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt second</source>
        <comment>Energy</comment>
        <translation>
            <numerusform>Wattsekunde</numerusform>
            <numerusform>Wattsekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/pound</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>British Thermal Units/Pfund</numerusform>
            <numerusform>British Thermal Units/Pfund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/gram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>Kalorie/Gramm</numerusform>
            <numerusform>Kalorien/Gramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>Joule/Kilogramm</numerusform>
            <numerusform>Joule/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>Kilokalorie/Kilogramm</numerusform>
            <numerusform>Kilokalorien/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/kilogram</source>
        <comment>Enthalpy (Mass)</comment>
        <translation>
            <numerusform>Kilojoule/Kilogramm</numerusform>
            <numerusform>Kilojoule/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/pound mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>British Thermal Units/Pfund-Mol</numerusform>
            <numerusform>British Thermal Units/Pfund-Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Kalorie/Mol</numerusform>
            <numerusform>Kalorien/Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Joule/Mol</numerusform>
            <numerusform>Joule/Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilomole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Joule/Kilomol</numerusform>
            <numerusform>Joule/Kilomol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/kilomole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Kilokalorie/Kilomol</numerusform>
            <numerusform>Kilokalorien/Kilomol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Kilokalorie/Mol</numerusform>
            <numerusform>Kilokalorien/Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/mole</source>
        <comment>Enthalpy (Molar)</comment>
        <translation>
            <numerusform>Kilojoule/Mol</numerusform>
            <numerusform>Kilojoule/Mol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/foot³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>British Thermal Units/Fuß³</numerusform>
            <numerusform>British Thermal Units/Fuß³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>British thermal units/gallon</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>British Thermal Units/Gallone</numerusform>
            <numerusform>British Thermal Units/Gallone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>Kilokalorie/Meter³</numerusform>
            <numerusform>Kilokalorien/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>Kilojoule/Meter³</numerusform>
            <numerusform>Kilojoule/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule/meter³</source>
        <comment>Enthalpy (Volume)</comment>
        <translation>
            <numerusform>Megajoule/Meter³</numerusform>
            <numerusform>Megajoule/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Zentimeter³/Stunde</numerusform>
            <numerusform>Zentimeter³/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Zentimeter³/Minute</numerusform>
            <numerusform>Zentimeter³/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Zentimeter³/Sekunde</numerusform>
            <numerusform>Zentimeter³/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Fuß³/Stunde</numerusform>
            <numerusform>Fuß³/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Fuß³/Minute</numerusform>
            <numerusform>Fuß³/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Fuß³/Sekunde</numerusform>
            <numerusform>Fuß³/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/day(UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Tag (brit.)</numerusform>
            <numerusform>Gallonen/Tag (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/hour (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Stunde (brit.)</numerusform>
            <numerusform>Gallonen/Stunde (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/minute (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Minute (brit.)</numerusform>
            <numerusform>Gallonen/Minute (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/second (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Sekunde (brit.)</numerusform>
            <numerusform>Gallonen/Sekunde (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Tag</numerusform>
            <numerusform>Gallonen/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Stunde</numerusform>
            <numerusform>Gallonen/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Minute</numerusform>
            <numerusform>Gallonen/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Gallone/Sekunde</numerusform>
            <numerusform>Gallonen/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Liter/Tag</numerusform>
            <numerusform>Liter/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Liter/Stunde</numerusform>
            <numerusform>Liter/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Liter/Minute</numerusform>
            <numerusform>Liter/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Liter/Sekunde</numerusform>
            <numerusform>Liter/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaliter/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Megaliter/Tag</numerusform>
            <numerusform>Megaliter/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Meter³/Tag</numerusform>
            <numerusform>Meter³/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Meter³/Stunde</numerusform>
            <numerusform>Meter³/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Meter³/Minute</numerusform>
            <numerusform>Meter³/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Meter³/Sekunde</numerusform>
            <numerusform>Meter³/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>million gallon/day</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Million Gallonen/Tag</numerusform>
            <numerusform>Millionen Gallonen/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Milliliter/Stunde</numerusform>
            <numerusform>Milliliter/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Milliliter/Minute</numerusform>
            <numerusform>Milliliter/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Milliliter/Sekunde</numerusform>
            <numerusform>Milliliter/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/hour (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Stunde (brit.)</numerusform>
            <numerusform>Unzen/Stunde (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/minute (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Minute (brit.)</numerusform>
            <numerusform>Unzen/Minute (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/second (UK)</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Sekunde (brit.)</numerusform>
            <numerusform>Unzen/Sekunde (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Stunde</numerusform>
            <numerusform>Unzen/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Minute</numerusform>
            <numerusform>Unzen/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Unze/Sekunde</numerusform>
            <numerusform>Unzen/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/hour</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Yard³/Stunde</numerusform>
            <numerusform>Yards³/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/minute</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Yard³/Minute</numerusform>
            <numerusform>Yards³/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³/second</source>
        <comment>Flow</comment>
        <translation>
            <numerusform>Yard³/Sekunde</numerusform>
            <numerusform>Yards³/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Dyn</numerusform>
            <numerusform>Dyn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Pond</numerusform>
            <numerusform>Pond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/centimeter</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Joule/Zentimeter</numerusform>
            <numerusform>Joule/Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/meter</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Joule/Meter</numerusform>
            <numerusform>Joule/Meter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Kilopond</numerusform>
            <numerusform>Kilopond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilonewton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Kilonewton</numerusform>
            <numerusform>Kilonewton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kip</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Kip</numerusform>
            <numerusform>Kip</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millinewton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Millinewton</numerusform>
            <numerusform>Millinewton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Newton</numerusform>
            <numerusform>Newton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Unze-Kraft</numerusform>
            <numerusform>Unzen-Kraft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Pfund-Kraft</numerusform>
            <numerusform>Pfund-Kraft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Poundal</numerusform>
            <numerusform>Poundal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton-force (2000 lbf)</source>
        <comment>Force</comment>
        <translation>
            <numerusform>Tonne-Kraft (2000 lbf)</numerusform>
            <numerusform>Tonnen-Kraft (2000 lbf)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Gallone (brit.)/100 Meilen</numerusform>
            <numerusform>Gallonen (brit.)/100 Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (US)/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Gallone (US)/100 Meilen</numerusform>
            <numerusform>Gallonen (US)/100 Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Gallone (brit.)/100 Kilometer</numerusform>
            <numerusform>Gallonen (brit.)/100 Kilometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (US)/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Gallone (US)/100 Kilometer</numerusform>
            <numerusform>Gallonen (US)/100 Kilometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Kilometer/Gallone (brit.)</numerusform>
            <numerusform>Kilometer/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Kilometer/Gallone (US)</numerusform>
            <numerusform>Kilometer/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Kilometer/Liter</numerusform>
            <numerusform>Kilometer/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/100-kilometer</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Liter/100 Kilometer</numerusform>
            <numerusform>Liter/100 Kilometer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/100-mile</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Liter/100 Meilen</numerusform>
            <numerusform>Liter/100 Meilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meter/Gallone (US)</numerusform>
            <numerusform>Meter/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meter/Gallone (brit.)</numerusform>
            <numerusform>Meter/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meter/Liter</numerusform>
            <numerusform>Meter/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/gallon(US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meile/Gallone(US)</numerusform>
            <numerusform>Meilen/Gallone(US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/gallon(UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meile/Gallone(brit.)</numerusform>
            <numerusform>Meilen/Gallone(brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Meile/Liter</numerusform>
            <numerusform>Meilen/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/gallon (UK)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Seemeile/Gallone (brit.)</numerusform>
            <numerusform>Seemeilen/Gallone (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/gallon (US)</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Seemeile/Gallone (US)</numerusform>
            <numerusform>Seemeilen/Gallone (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nautical mile/liter</source>
        <comment>Fuel Consumption</comment>
        <translation>
            <numerusform>Seemeile/Liter</numerusform>
            <numerusform>Seemeilen/Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Sekunde·Fuß² (int.)</numerusform>
            <numerusform>Btu/Sekunde·Fuß² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Minute·Fuß² (int.)</numerusform>
            <numerusform>Btu/Minute·Fuß² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Stunde·Fuß² (int.)</numerusform>
            <numerusform>Btu/Stunde·Fuß² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·inch² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Sekunde·Zoll² (th.)</numerusform>
            <numerusform>Btu/Sekunde·Zoll² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Sekunde·Fuß² (th.)</numerusform>
            <numerusform>Btu/Sekunde·Fuß² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Minute·Fuß² (th.)</numerusform>
            <numerusform>Btu/Minute·Fuß² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Btu/Stunde·Fuß² (th.)</numerusform>
            <numerusform>Btu/Stunde·Fuß² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chu/hour·foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Chu/Stunde·Fuß²</numerusform>
            <numerusform>Chu/Stunde·Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Watt/Meter²</numerusform>
            <numerusform>Watt/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt/meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kilowatt/Meter²</numerusform>
            <numerusform>Kilowatt/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/centimeter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Watt/Zentimeter²</numerusform>
            <numerusform>Watt/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second·meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Joule/Sekunde·Meter²</numerusform>
            <numerusform>Joule/Sekunde·Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour·meter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kilokalorie/Stunde·Meter² (int.)</numerusform>
            <numerusform>Kilokalorien/Stunde·Meter² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour·foot² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kilokalorie/Stunde·Fuß² (int.)</numerusform>
            <numerusform>Kilokalorien/Stunde·Fuß² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Sekunde·Zentimeter² (int.)</numerusform>
            <numerusform>Kalorien/Sekunde·Zentimeter² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Minute·Zentimeter² (int.)</numerusform>
            <numerusform>Kalorien/Minute·Zentimeter² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour·centimeter² (int.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Stunde·Zentimeter² (int.)</numerusform>
            <numerusform>Kalorien/Stunde·Zentimeter² (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Sekunde·Zentimeter² (th.)</numerusform>
            <numerusform>Kalorien/Sekunde·Zentimeter² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Minute·Zentimeter² (th.)</numerusform>
            <numerusform>Kalorien/Minute·Zentimeter² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour·centimeter² (th.)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Kalorie/Stunde·Zentimeter² (th.)</numerusform>
            <numerusform>Kalorien/Stunde·Zentimeter² (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/hour·centimeter</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Dyn/Stunde·Zentimeter</numerusform>
            <numerusform>Dyn/Stunde·Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/hour·meter²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Erg/Stunde·Meter²</numerusform>
            <numerusform>Erg/Stunde·Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound/minute·foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Fuß-Pfund/Minute·Fuß²</numerusform>
            <numerusform>Fuß-Pfund/Minute·Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower/foot²</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Horsepower/Fuß²</numerusform>
            <numerusform>Horsepower/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower/foot² (metric)</source>
        <comment>Heat Flux</comment>
        <translation>
            <numerusform>Horsepower/Fuß² (metrisch)</numerusform>
            <numerusform>Horsepower/Fuß² (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Stunde·Fuß³ (int.)</numerusform>
            <numerusform>Btu/Stunde·Fuß³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Minute·Fuß³ (int.)</numerusform>
            <numerusform>Btu/Minute·Fuß³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Sekunde·Fuß³ (int.)</numerusform>
            <numerusform>Btu/Sekunde·Fuß³ (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Stunde·Fuß³ (th.)</numerusform>
            <numerusform>Btu/Stunde·Fuß³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Minute·Fuß³ (th.)</numerusform>
            <numerusform>Btu/Minute·Fuß³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second·foot³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Btu/Sekunde·Fuß³ (th.)</numerusform>
            <numerusform>Btu/Sekunde·Fuß³ (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second·meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Joule/Sekunde·Meter³</numerusform>
            <numerusform>Joule/Sekunde·Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt/meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Kilowatt/Meter³</numerusform>
            <numerusform>Kilowatt/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/meter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Watt/Meter³</numerusform>
            <numerusform>Watt/Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/centimeter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Watt/Zentimeter³</numerusform>
            <numerusform>Watt/Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt/milliimeter³</source>
        <comment>Heat Generation (Vol.)</comment>
        <translation>
            <numerusform>Watt/Milliimeter³</numerusform>
            <numerusform>Watt/Milliimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter·candle</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Zentimeter·Kerze</numerusform>
            <numerusform>Zentimeter·Kerze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flame</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Flame</numerusform>
            <numerusform>Flame</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/centimeter²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Lumen/Zentimeter²</numerusform>
            <numerusform>Lumen/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/foot²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Lumen/Fuß²</numerusform>
            <numerusform>Lumen/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lumen/meter²</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Lumen/Meter²</numerusform>
            <numerusform>Lumen/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lux</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Lux</numerusform>
            <numerusform>Lux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter candle</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Meterkerze</numerusform>
            <numerusform>Meterkerzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nox</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Nox</numerusform>
            <numerusform>Nox</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>phot</source>
        <comment>Illumination</comment>
        <translation>
            <numerusform>Phot</numerusform>
            <numerusform>Phot</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>abhenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Abhenry</numerusform>
            <numerusform>Abhenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Attohenry</numerusform>
            <numerusform>Attohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Zentihenry</numerusform>
            <numerusform>Zentihenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Dezihenry</numerusform>
            <numerusform>Dezihenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Dekahenry</numerusform>
            <numerusform>Dekahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>EMU of inductance</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>EME der Induktivität</numerusform>
            <numerusform>EME der Induktivität</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ESU of inductance</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>ESE der Induktivität</numerusform>
            <numerusform>ESE der Induktivität</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Exahenry</numerusform>
            <numerusform>Exahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Femtohenry</numerusform>
            <numerusform>Femtohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Gigahenry</numerusform>
            <numerusform>Gigahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Hektohenry</numerusform>
            <numerusform>Hektohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>henry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Henry</numerusform>
            <numerusform>Henry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Kilohenry</numerusform>
            <numerusform>Kilohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Megahenry</numerusform>
            <numerusform>Megahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microhenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Mikrohenry</numerusform>
            <numerusform>Mikrohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millihenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Millihenry</numerusform>
            <numerusform>Millihenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Nanohenry</numerusform>
            <numerusform>Nanohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Petahenry</numerusform>
            <numerusform>Petahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picohenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Pikohenry</numerusform>
            <numerusform>Pikohenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stathenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Stathenry</numerusform>
            <numerusform>Stathenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terahenry</source>
        <comment>Inductance</comment>
        <translation>
            <numerusform>Terahenry</numerusform>
            <numerusform>Terahenry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>weber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Weber</numerusform>
            <numerusform>Weber</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliweber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Milliweber</numerusform>
            <numerusform>Milliweber</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microweber</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Mikroweber</numerusform>
            <numerusform>Mikroweber</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>volt·second</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Volt·Sekunde</numerusform>
            <numerusform>Volt·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unit pole</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Einheitspol</numerusform>
            <numerusform>Einheitspole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megaline</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Megaline</numerusform>
            <numerusform>Megalines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kiloline</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Kiloline</numerusform>
            <numerusform>Kilolines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>line</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Line</numerusform>
            <numerusform>Lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>maxwell</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Maxwell</numerusform>
            <numerusform>Maxwell</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tesla·meter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Tesla·Meter²</numerusform>
            <numerusform>Tesla·Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tesla·centimeter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Tesla·Zentimeter²</numerusform>
            <numerusform>Tesla·Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gauss·meter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Gauß·Meter²</numerusform>
            <numerusform>Gauß·Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gauss·centimeter²</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Gauß·Zentimeter²</numerusform>
            <numerusform>Gauß·Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>magnetic flux quantum</source>
        <comment>Magnetic Flux</comment>
        <translation>
            <numerusform>Magnetisches Flussquant</numerusform>
            <numerusform>Magnetische Flussquanten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>carat</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Karat</numerusform>
            <numerusform>Karat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>grain</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Grain</numerusform>
            <numerusform>Grains</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Gramm</numerusform>
            <numerusform>Gramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Kilogramm</numerusform>
            <numerusform>Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microgram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Mikrogramm</numerusform>
            <numerusform>Mikrogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligram</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Milligramm</numerusform>
            <numerusform>Milligramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Unze</numerusform>
            <numerusform>Unzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce(troy)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Feinunze</numerusform>
            <numerusform>Feinunzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pennyweight</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Pennyweight</numerusform>
            <numerusform>Pennyweights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Pfund</numerusform>
            <numerusform>Pfund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound(troy)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Troy-Pfund</numerusform>
            <numerusform>Troy-Pfund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stone</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Stone</numerusform>
            <numerusform>Stones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Short ton (US)</numerusform>
            <numerusform>Short tons (US)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton(long)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Long ton (brit.)</numerusform>
            <numerusform>Long tons (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton(metric)</source>
        <comment>Mass</comment>
        <translation>
            <numerusform>Tonne</numerusform>
            <numerusform>Tonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-02 (binary)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-02 (binär)</numerusform>
            <numerusform>Basis-02 (binär)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-03</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-03</numerusform>
            <numerusform>Basis-03</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-04</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-04</numerusform>
            <numerusform>Basis-04</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-05</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-05</numerusform>
            <numerusform>Basis-05</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-06</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-06</numerusform>
            <numerusform>Basis-06</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-07</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-07</numerusform>
            <numerusform>Basis-07</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-08 (octal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-08 (oktal)</numerusform>
            <numerusform>Basis-08 (oktal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-09</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-09</numerusform>
            <numerusform>Basis-09</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-10 (decimal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-10 (dezimal)</numerusform>
            <numerusform>Basis-10 (dezimal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-11</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-11</numerusform>
            <numerusform>Basis-11</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-12</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-12</numerusform>
            <numerusform>Basis-12</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-13</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-13</numerusform>
            <numerusform>Basis-13</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-14</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-14</numerusform>
            <numerusform>Basis-14</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-15</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-15</numerusform>
            <numerusform>Basis-15</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-16 (hexadecimal)</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-16 (hexadezimal)</numerusform>
            <numerusform>Basis-16 (hexadezimal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-17</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-17</numerusform>
            <numerusform>Basis-17</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-18</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-18</numerusform>
            <numerusform>Basis-18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-19</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-19</numerusform>
            <numerusform>Basis-19</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-20</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-20</numerusform>
            <numerusform>Basis-20</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-21</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-21</numerusform>
            <numerusform>Basis-21</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-22</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-22</numerusform>
            <numerusform>Basis-22</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-23</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-23</numerusform>
            <numerusform>Basis-23</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-24</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-24</numerusform>
            <numerusform>Basis-24</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-25</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-25</numerusform>
            <numerusform>Basis-25</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-26</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-26</numerusform>
            <numerusform>Basis-26</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-27</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-27</numerusform>
            <numerusform>Basis-27</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-28</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-28</numerusform>
            <numerusform>Basis-28</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-29</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-29</numerusform>
            <numerusform>Basis-29</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-30</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-30</numerusform>
            <numerusform>Basis-30</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-31</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-31</numerusform>
            <numerusform>Basis-31</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-32</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-32</numerusform>
            <numerusform>Basis-32</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-33</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-33</numerusform>
            <numerusform>Basis-33</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-34</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-34</numerusform>
            <numerusform>Basis-34</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-35</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-35</numerusform>
            <numerusform>Basis-35</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>base-36</source>
        <comment>Numbers</comment>
        <translation>
            <numerusform>Basis-36</numerusform>
            <numerusform>Basis-36</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Attojoule/Sekunde</numerusform>
            <numerusform>Attojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Attowatt</numerusform>
            <numerusform>Attowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Stunde (int.)</numerusform>
            <numerusform>Btu/Stunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Stunde (th.)</numerusform>
            <numerusform>Btu/Stunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Minute (int.)</numerusform>
            <numerusform>Btu/Minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/minute (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Minute (th.)</numerusform>
            <numerusform>Btu/Minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Sekunde (int.)</numerusform>
            <numerusform>Btu/Sekunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Btu/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Btu/Sekunde (th.)</numerusform>
            <numerusform>Btu/Sekunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Stunde (int.)</numerusform>
            <numerusform>Kalorien/Stunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Stunde (th.)</numerusform>
            <numerusform>Kalorien/Stunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Minute (int.)</numerusform>
            <numerusform>Kalorien/Minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/minute (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Minute (th.)</numerusform>
            <numerusform>Kalorien/Minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Sekunde (int.)</numerusform>
            <numerusform>Kalorien/Sekunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>calorie/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kalorie/Sekunde (th.)</numerusform>
            <numerusform>Kalorien/Sekunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Zentijoule/Sekunde</numerusform>
            <numerusform>Zentijoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centiwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Zentiwatt</numerusform>
            <numerusform>Zentiwatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Dezijoule/Sekunde</numerusform>
            <numerusform>Dezijoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deciwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Deziwatt</numerusform>
            <numerusform>Deziwatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Dekajoule/Sekunde</numerusform>
            <numerusform>Dekajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Dekawatt</numerusform>
            <numerusform>Dekawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Erg/Sekunde</numerusform>
            <numerusform>Erg/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Exajoule/Sekunde</numerusform>
            <numerusform>Exajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Exawatt</numerusform>
            <numerusform>Exawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Femtojoule/Sekunde</numerusform>
            <numerusform>Femtojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Femtowatt</numerusform>
            <numerusform>Femtowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Gigajoule/Sekunde</numerusform>
            <numerusform>Gigajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Gigawatt</numerusform>
            <numerusform>Gigawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Hektojoule/Sekunde</numerusform>
            <numerusform>Hektojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Hektowatt</numerusform>
            <numerusform>Hektowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Horsepower</numerusform>
            <numerusform>Horsepower</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (boiler)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kessel-Horsepower</numerusform>
            <numerusform>Kessel-Horsepower</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (electric)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Horsepower (elektrisch)</numerusform>
            <numerusform>Horsepower (elektrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (metric)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Horsepower (metrisch)</numerusform>
            <numerusform>Horsepower (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (UK)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Horsepower (brit.)</numerusform>
            <numerusform>Horsepower (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horsepower (water)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Horsepower (Wasser)</numerusform>
            <numerusform>Horsepower (Wasser)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Joule/Stunde</numerusform>
            <numerusform>Joule/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Joule/Minute</numerusform>
            <numerusform>Joule/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Joule/Sekunde</numerusform>
            <numerusform>Joule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Stunde (int.)</numerusform>
            <numerusform>Kilokalorien/Stunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/hour (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Stunde (th.)</numerusform>
            <numerusform>Kilokalorien/Stunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/minute (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Minute (int.)</numerusform>
            <numerusform>Kilokalorien/Minute (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/minute (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Minute (th.)</numerusform>
            <numerusform>Kilokalorien/Minute (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/second (int.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Sekunde (int.)</numerusform>
            <numerusform>Kilokalorien/Sekunde (int.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilocalorie/second (th.)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilokalorie/Sekunde (th.)</numerusform>
            <numerusform>Kilokalorien/Sekunde (th.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilojoule/Stunde</numerusform>
            <numerusform>Kilojoule/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilojoule/Minute</numerusform>
            <numerusform>Kilojoule/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilojoule/Sekunde</numerusform>
            <numerusform>Kilojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kilowatt</numerusform>
            <numerusform>Kilowatt</numerusform>
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
            <numerusform>MBtu/Stunde</numerusform>
            <numerusform>MBtu/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Megajoule/Sekunde</numerusform>
            <numerusform>Megajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Megawatt</numerusform>
            <numerusform>Megawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microjoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Mikrojoule/Sekunde</numerusform>
            <numerusform>Mikrojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Mikrowatt</numerusform>
            <numerusform>Mikrowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millijoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Millijoule/Sekunde</numerusform>
            <numerusform>Millijoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliwatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Milliwatt</numerusform>
            <numerusform>Milliwatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Nanojoule/Sekunde</numerusform>
            <numerusform>Nanojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Nanowatt</numerusform>
            <numerusform>Nanowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Petajoule/Sekunde</numerusform>
            <numerusform>Petajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Petawatt</numerusform>
            <numerusform>Petawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pferdestärke</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Pferdestärke</numerusform>
            <numerusform>Pferdestärken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picojoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Pikojoule/Sekunde</numerusform>
            <numerusform>Pikojoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picowatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Pikowatt</numerusform>
            <numerusform>Pikowatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/hour</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Fuß-Pfund-Kraft/Stunde</numerusform>
            <numerusform>Fuß-Pfund-Kraft/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/minute</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Fuß-Pfund-Kraft/Minute</numerusform>
            <numerusform>Fuß-Pfund-Kraft/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot pound-force/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Fuß-Pfund-Kraft/Sekunde</numerusform>
            <numerusform>Fuß-Pfund-Kraft/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terajoule/second</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Terajoule/Sekunde</numerusform>
            <numerusform>Terajoule/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>terawatt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Terawatt</numerusform>
            <numerusform>Terawatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton (refrigeration)</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Kältetonne</numerusform>
            <numerusform>Kältetonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watt</source>
        <comment>Power</comment>
        <translation>
            <numerusform>Watt</numerusform>
            <numerusform>Watt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atmosphere</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Atmosphäre</numerusform>
            <numerusform>Atmosphären</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Bar</numerusform>
            <numerusform>Bar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter of mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Zentimeter Quecksilbersäule</numerusform>
            <numerusform>Zentimeter Quecksilbersäule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/centimeter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Dyn/Zentimeter²</numerusform>
            <numerusform>Dyn/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectopascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Hektopascal</numerusform>
            <numerusform>Hektopascal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch of Mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Zoll Quecksilbersäule</numerusform>
            <numerusform>Zoll Quecksilbersäule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/centimeter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Kilogramm/Zentimeter²</numerusform>
            <numerusform>Kilogramm/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Kilogramm/Meter²</numerusform>
            <numerusform>Kilogramm/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilopascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Kilopascal</numerusform>
            <numerusform>Kilopascal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megapascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Megapascal</numerusform>
            <numerusform>Megapascal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microbar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Mikrobar</numerusform>
            <numerusform>Mikrobar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millibar</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Millibar</numerusform>
            <numerusform>Millibar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter of mercury</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Millimeter Quecksilbersäule</numerusform>
            <numerusform>Millimeter Quecksilbersäule</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/meter²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Newton/Meter²</numerusform>
            <numerusform>Newton/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/mm²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Newton/mm²</numerusform>
            <numerusform>Newton/mm²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pascal</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Pascal</numerusform>
            <numerusform>Pascal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/foot²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Pfund-Kraft/Fuß²</numerusform>
            <numerusform>Pfund-Kraft/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/inch²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Pfund-Kraft/Zoll²</numerusform>
            <numerusform>Pfund-Kraft/Zoll²</numerusform>
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
            <numerusform>Tonne-Kraft/Fuß²</numerusform>
            <numerusform>Tonnen-Kraft/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ton-force/inch²</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Tonne-Kraft/Zoll²</numerusform>
            <numerusform>Tonnen-Kraft/Zoll²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>torr</source>
        <comment>Pressure</comment>
        <translation>
            <numerusform>Torr</numerusform>
            <numerusform>Torr</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Attogray/Sekunde</numerusform>
            <numerusform>Attogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centigray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Zentigray/Sekunde</numerusform>
            <numerusform>Zentigray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decigray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Dezigray/Sekunde</numerusform>
            <numerusform>Dezigray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dekagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Dekagray/Sekunde</numerusform>
            <numerusform>Dekagray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Exagray/Sekunde</numerusform>
            <numerusform>Exagray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Femtogray/Sekunde</numerusform>
            <numerusform>Femtogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gigagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Gigagray/Sekunde</numerusform>
            <numerusform>Gigagray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Gray/Sekunde</numerusform>
            <numerusform>Gray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Hektogray/Sekunde</numerusform>
            <numerusform>Hektogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/kilogram/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Joule/Kilogramm/Sekunde</numerusform>
            <numerusform>Joule/Kilogramm/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Kilogray/Sekunde</numerusform>
            <numerusform>Kilogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>megagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Megagray/Sekunde</numerusform>
            <numerusform>Megagray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microgray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Mikrogray/Sekunde</numerusform>
            <numerusform>Mikrogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milligray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Milligray/Sekunde</numerusform>
            <numerusform>Milligray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Nanogray/Sekunde</numerusform>
            <numerusform>Nanogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>petagray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Petagray/Sekunde</numerusform>
            <numerusform>Petagray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picogray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Pikogray/Sekunde</numerusform>
            <numerusform>Pikogray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rad/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Rad/Sekunde</numerusform>
            <numerusform>Rad/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teragray/second</source>
        <comment>Radiation</comment>
        <translation>
            <numerusform>Teragray/Sekunde</numerusform>
            <numerusform>Teragray/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Coulomb/Kilogramm</numerusform>
            <numerusform>Coulomb/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microcoulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Mikrocoulomb/Kilogramm</numerusform>
            <numerusform>Mikrocoulomb/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millicoulomb/kilogram</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Millicoulomb/Kilogramm</numerusform>
            <numerusform>Millicoulomb/Kilogramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millicurie of intensity hour</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Millicurie-Stunde (Intensität)</numerusform>
            <numerusform>Millicurie-Stunden (Intensität)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millirem</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Millirem</numerusform>
            <numerusform>Millirem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>parker</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Parker</numerusform>
            <numerusform>Parker</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rem</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Rem</numerusform>
            <numerusform>Rem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rep</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Rep</numerusform>
            <numerusform>Rep</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roentgen</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Röntgen</numerusform>
            <numerusform>Röntgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sievert</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Sievert</numerusform>
            <numerusform>Sievert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tissue roentgen</source>
        <comment>Radiation Exposure</comment>
        <translation>
            <numerusform>Gewebe-Röntgen</numerusform>
            <numerusform>Gewebe-Röntgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peta</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Peta</numerusform>
            <numerusform>Peta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tera</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Tera</numerusform>
            <numerusform>Tera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>giga</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Giga</numerusform>
            <numerusform>Giga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mega</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Mega</numerusform>
            <numerusform>Mega</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilo</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Kilo</numerusform>
            <numerusform>Kilo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hecto</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Hekto</numerusform>
            <numerusform>Hekto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deca</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Deka</numerusform>
            <numerusform>Deka</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unity</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Eins</numerusform>
            <numerusform>Eins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deci</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Dezi</numerusform>
            <numerusform>Dezi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centi</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Zenti</numerusform>
            <numerusform>Zenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milli</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Milli</numerusform>
            <numerusform>Milli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micro</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Mikro</numerusform>
            <numerusform>Mikro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nano</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Nano</numerusform>
            <numerusform>Nano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pico</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Piko</numerusform>
            <numerusform>Piko</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femto</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Femto</numerusform>
            <numerusform>Femto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yotta</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Yotta</numerusform>
            <numerusform>Yotta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zetta</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Zetta</numerusform>
            <numerusform>Zetta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exa</source>
        <comment>SI Prefix</comment>
        <translation>
            <numerusform>Exa</numerusform>
            <numerusform>Exa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne/centimeter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Dyn/Zentimeter</numerusform>
            <numerusform>Dyn/Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/centimeter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Erg/Zentimeter²</numerusform>
            <numerusform>Erg/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>erg/millimeter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Erg/Millimeter²</numerusform>
            <numerusform>Erg/Millimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force/centimeter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Pond/Zentimeter</numerusform>
            <numerusform>Pond/Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/second²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Gramm/Sekunde²</numerusform>
            <numerusform>Gramm/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>joule/meter²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Joule/Meter²</numerusform>
            <numerusform>Joule/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/second²</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Kilogramm/Sekunde²</numerusform>
            <numerusform>Kilogramm/Sekunde²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/foot</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Pfund-Kraft/Fuß</numerusform>
            <numerusform>Pfund-Kraft/Fuß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force/inch</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Pfund-Kraft/Zoll</numerusform>
            <numerusform>Pfund-Kraft/Zoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal/inch</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Poundal/Zoll</numerusform>
            <numerusform>Poundal/Zoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton/meter</source>
        <comment>Surface Tension</comment>
        <translation>
            <numerusform>Newton/Meter</numerusform>
            <numerusform>Newton/Meter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Celsius</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>Grad Celsius</numerusform>
            <numerusform>Grad Celsius</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Fahrenheit</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>Grad Fahrenheit</numerusform>
            <numerusform>Grad Fahrenheit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kelvin</source>
        <comment>Temperature</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>
            <numerusform>Kelvin</numerusform>
            <numerusform>Kelvin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Rankine</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>Grad Rankine</numerusform>
            <numerusform>Grad Rankine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>degree Reaumur</source>
        <comment>Temperature</comment>
        <translation>
            <numerusform>Grad Réaumur</numerusform>
            <numerusform>Grad Réaumur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>R-value (imperial)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>R-Wert (imperial)</numerusform>
            <numerusform>R-Werte (imperial)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>R-value (metric)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>R-Wert (metrisch)</numerusform>
            <numerusform>R-Werte (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>U-value (imperial)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>U-Wert (imperial)</numerusform>
            <numerusform>U-Werte (imperial)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>U-value (metric)</source>
        <comment>Thermal Conductance (building)</comment>
        <translation>
            <numerusform>U-Wert (metrisch)</numerusform>
            <numerusform>U-Werte (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>atomic unit of time</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Atomare Zeiteinheit</numerusform>
            <numerusform>Atomare Zeiteinheiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>attosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Attosekunde</numerusform>
            <numerusform>Attosekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Callippic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Kallippischer Zyklus</numerusform>
            <numerusform>Kallippische Zyklen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>century</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrhundert</numerusform>
            <numerusform>Jahrhunderte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>century (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrhundert (julianisch)</numerusform>
            <numerusform>Jahrhunderte (julianisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Tag (siderisch)</numerusform>
            <numerusform>Tage (siderisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decade</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrzehnt</numerusform>
            <numerusform>Jahrzehnte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>enneadecaeteris</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Enneadekaeteris</numerusform>
            <numerusform>Enneadekaeteris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>femtosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Femtosekunde</numerusform>
            <numerusform>Femtosekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fortnight</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Vierzehn Tage</numerusform>
            <numerusform>Vierzehn Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>helek</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Chelek</numerusform>
            <numerusform>Chalakim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hipparchic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Hipparchischer Zyklus</numerusform>
            <numerusform>Hipparchische Zyklen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hour</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Stunde</numerusform>
            <numerusform>Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hour (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Stunde (siderisch)</numerusform>
            <numerusform>Stunden (siderisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jiffy</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jiffy</numerusform>
            <numerusform>Jiffys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jiffy (alternate)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jiffy (Variante)</numerusform>
            <numerusform>Jiffys (Variante)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lustre</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Lustre</numerusform>
            <numerusform>Lustre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lustrum</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Lustrum</numerusform>
            <numerusform>Lustren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Metonic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Meton-Zyklus</numerusform>
            <numerusform>Meton-Zyklen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>microsecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Mikrosekunde</numerusform>
            <numerusform>Mikrosekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrtausend</numerusform>
            <numerusform>Jahrtausende</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium (Gregorian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrtausend (gregorianisch)</numerusform>
            <numerusform>Jahrtausende (gregorianisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millennium (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahrtausend (julianisch)</numerusform>
            <numerusform>Jahrtausende (julianisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millisecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Millisekunde</numerusform>
            <numerusform>Millisekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Minute</numerusform>
            <numerusform>Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minute (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Minute (siderisch)</numerusform>
            <numerusform>Minuten (siderisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month (30 days)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Monat (30 Tage)</numerusform>
            <numerusform>Monate (30 Tage)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month (hollow)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Hohler Monat</numerusform>
            <numerusform>Hohle Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moment</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Moment</numerusform>
            <numerusform>Momente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nanosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Nanosekunde</numerusform>
            <numerusform>Nanosekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>octaeteris</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Oktaeteris</numerusform>
            <numerusform>Oktaeteris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>picosecond</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Pikosekunde</numerusform>
            <numerusform>Pikosekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Planck time</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Planck-Zeit</numerusform>
            <numerusform>Planck-Zeiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Sekunde</numerusform>
            <numerusform>Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>second (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Sekunde (siderisch)</numerusform>
            <numerusform>Sekunden (siderisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>shake</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Shake</numerusform>
            <numerusform>Shakes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sigma</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Sigma</numerusform>
            <numerusform>Sigma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sothic cycle</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Sothis-Zyklus</numerusform>
            <numerusform>Sothis-Zyklen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>svedberg</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Svedberg</numerusform>
            <numerusform>Svedberg</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Woche</numerusform>
            <numerusform>Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr</numerusform>
            <numerusform>Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (365 days)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr (365 Tage)</numerusform>
            <numerusform>Jahre (365 Tage)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (Gregorian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr (gregorianisch)</numerusform>
            <numerusform>Jahre (gregorianisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (Julian)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr (julianisch)</numerusform>
            <numerusform>Jahre (julianisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (leap)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Schaltjahr</numerusform>
            <numerusform>Schaltjahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (sidereal)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr (siderisch)</numerusform>
            <numerusform>Jahre (siderisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year (tropical)</source>
        <comment>Time</comment>
        <translation>
            <numerusform>Jahr (tropisch)</numerusform>
            <numerusform>Jahre (tropisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne centimeter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Dyn-Zentimeter</numerusform>
            <numerusform>Dyn-Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force centimeter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Pond-Zentimeter</numerusform>
            <numerusform>Pond-Zentimeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Kilogramm-Kraft-Meter</numerusform>
            <numerusform>Kilogramm-Kraft-Meter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilonewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Kilonewtonmeter</numerusform>
            <numerusform>Kilonewtonmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilopond meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Kilopondmeter</numerusform>
            <numerusform>Kilopondmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meganewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Meganewtonmeter</numerusform>
            <numerusform>Meganewtonmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>micronewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Mikronewtonmeter</numerusform>
            <numerusform>Mikronewtonmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millinewton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Millinewtonmeter</numerusform>
            <numerusform>Millinewtonmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton meter</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Newtonmeter</numerusform>
            <numerusform>Newtonmeter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force foot</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Unze-Kraft-Fuß</numerusform>
            <numerusform>Unzen-Kraft-Fuß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce-force inch</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Unze-Kraft-Zoll</numerusform>
            <numerusform>Unzen-Kraft-Zoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force foot</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Pfund-Kraft-Fuß</numerusform>
            <numerusform>Pfund-Kraft-Fuß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force inch</source>
        <comment>Torque</comment>
        <translation>
            <numerusform>Pfund-Kraft-Zoll</numerusform>
            <numerusform>Pfund-Kraft-Zoll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>c</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Lichtgeschwindigkeit</numerusform>
            <numerusform>Lichtgeschwindigkeiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Zentimeter/Stunde</numerusform>
            <numerusform>Zentimeter/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Zentimeter/Minute</numerusform>
            <numerusform>Zentimeter/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Zentimeter/Sekunde</numerusform>
            <numerusform>Zentimeter/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Fuß/Stunde</numerusform>
            <numerusform>Fuß/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Fuß/Minute</numerusform>
            <numerusform>Fuß/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Fuß/Sekunde</numerusform>
            <numerusform>Fuß/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Kilometer/Stunde</numerusform>
            <numerusform>Kilometer/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Kilometer/Minute</numerusform>
            <numerusform>Kilometer/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilometer/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Kilometer/Sekunde</numerusform>
            <numerusform>Kilometer/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>knot</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Knoten</numerusform>
            <numerusform>Knoten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mach</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Mach</numerusform>
            <numerusform>Mach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meter/Stunde</numerusform>
            <numerusform>Meter/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meter/Minute</numerusform>
            <numerusform>Meter/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meter/Sekunde</numerusform>
            <numerusform>Meter/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/hour</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meile/Stunde</numerusform>
            <numerusform>Meilen/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/minute</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meile/Minute</numerusform>
            <numerusform>Meilen/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mile/second</source>
        <comment>Velocity</comment>
        <translation>
            <numerusform>Meile/Sekunde</numerusform>
            <numerusform>Meilen/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Zentipoise</numerusform>
            <numerusform>Zentipoise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Dezipoise</numerusform>
            <numerusform>Dezipoise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dyne second/centimeter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Dyn-Sekunde/Zentimeter²</numerusform>
            <numerusform>Dyn-Sekunden/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram-force·second/centimeter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pond·Sekunde/Zentimeter²</numerusform>
            <numerusform>Pond·Sekunde/Zentimeter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gram/centimeter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Gramm/Zentimeter·Sekunde</numerusform>
            <numerusform>Gramm/Zentimeter·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hyl/meter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Hyl/Meter·Sekunde</numerusform>
            <numerusform>Hyl/Meter·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram-force·second/meter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Kilopond·Sekunde/Meter²</numerusform>
            <numerusform>Kilopond·Sekunde/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter·hour</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Kilogramm/Meter·Stunde</numerusform>
            <numerusform>Kilogramm/Meter·Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilogram/meter·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Kilogramm/Meter·Sekunde</numerusform>
            <numerusform>Kilogramm/Meter·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millipascal·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Millipascal·Sekunde</numerusform>
            <numerusform>Millipascal·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millipoise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Millipoise</numerusform>
            <numerusform>Millipoise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>newton·second/meter²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Newton·Sekunde/Meter²</numerusform>
            <numerusform>Newton·Sekunde/Meter²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pascal·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pascal·Sekunde</numerusform>
            <numerusform>Pascal·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poise</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Poise</numerusform>
            <numerusform>Poise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poiseuille</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Poiseuille</numerusform>
            <numerusform>Poiseuille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force·second/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pfund-Kraft·Sekunde/Fuß²</numerusform>
            <numerusform>Pfund-Kraft·Sekunde/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound-force·second/inch²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pfund-Kraft·Sekunde/Zoll²</numerusform>
            <numerusform>Pfund-Kraft·Sekunde/Zoll²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot·hour</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pfund/Fuß·Stunde</numerusform>
            <numerusform>Pfund/Fuß·Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pound/foot·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Pfund/Fuß·Sekunde</numerusform>
            <numerusform>Pfund/Fuß·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal·hour/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Poundal·Stunde/Fuß²</numerusform>
            <numerusform>Poundal·Stunde/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poundal·second/foot²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Poundal·Sekunde/Fuß²</numerusform>
            <numerusform>Poundal·Sekunde/Fuß²</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>reyn</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Reyn</numerusform>
            <numerusform>Reyn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>slug/foot·second</source>
        <comment>Viscosity (Dynamic)</comment>
        <translation>
            <numerusform>Slug/Fuß·Sekunde</numerusform>
            <numerusform>Slug/Fuß·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centistokes</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zentistokes</numerusform>
            <numerusform>Zentistokes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zentimeter²/Tag</numerusform>
            <numerusform>Zentimeter²/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zentimeter²/Stunde</numerusform>
            <numerusform>Zentimeter²/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zentimeter²/Minute</numerusform>
            <numerusform>Zentimeter²/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zentimeter²/Sekunde</numerusform>
            <numerusform>Zentimeter²/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Fuß²/Tag</numerusform>
            <numerusform>Fuß²/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Fuß²/Stunde</numerusform>
            <numerusform>Fuß²/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Fuß²/Minute</numerusform>
            <numerusform>Fuß²/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>foot²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Fuß²/Sekunde</numerusform>
            <numerusform>Fuß²/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zoll²/Tag</numerusform>
            <numerusform>Zoll²/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zoll²/Stunde</numerusform>
            <numerusform>Zoll²/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zoll²/Minute</numerusform>
            <numerusform>Zoll²/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Zoll²/Sekunde</numerusform>
            <numerusform>Zoll²/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lentor</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Lentor</numerusform>
            <numerusform>Lentor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Liter/Zentimeter·Tag</numerusform>
            <numerusform>Liter/Zentimeter·Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Liter/Zentimeter·Stunde</numerusform>
            <numerusform>Liter/Zentimeter·Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Liter/Zentimeter·Minute</numerusform>
            <numerusform>Liter/Zentimeter·Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter/centimeter·second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Liter/Zentimeter·Sekunde</numerusform>
            <numerusform>Liter/Zentimeter·Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Meter²/Tag</numerusform>
            <numerusform>Meter²/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Meter²/Stunde</numerusform>
            <numerusform>Meter²/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Meter²/Minute</numerusform>
            <numerusform>Meter²/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Meter²/Sekunde</numerusform>
            <numerusform>Meter²/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/day</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Millimeter²/Tag</numerusform>
            <numerusform>Millimeter²/Tag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/hour</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Millimeter²/Stunde</numerusform>
            <numerusform>Millimeter²/Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/minute</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Millimeter²/Minute</numerusform>
            <numerusform>Millimeter²/Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millimeter²/second</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Millimeter²/Sekunde</numerusform>
            <numerusform>Millimeter²/Sekunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poise·centimeter³/gram</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Poise·Zentimeter³/Gramm</numerusform>
            <numerusform>Poise·Zentimeter³/Gramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stokes</source>
        <comment>Viscosity (Kinematic)</comment>
        <translation>
            <numerusform>Stokes</numerusform>
            <numerusform>Stokes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre-foot</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Acre-Foot</numerusform>
            <numerusform>Acre-Feet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>acre-foot (US survey)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Acre-Foot (US-Vermessung)</numerusform>
            <numerusform>Acre-Feet (US-Vermessung)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (US liq.)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Barrel (US, flüssig)</numerusform>
            <numerusform>Barrels (US, flüssig)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (oil)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Barrel (Öl)</numerusform>
            <numerusform>Barrels (Öl)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (English)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Barrel (englisch)</numerusform>
            <numerusform>Barrels (englisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centimeter³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Zentimeter³</numerusform>
            <numerusform>Zentimeter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cup</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tasse</numerusform>
            <numerusform>Tassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (metric)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (metrisch)</numerusform>
            <numerusform>Tropfen (metrisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (U.S.) (alt)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (USA) (alt.)</numerusform>
            <numerusform>Tropfen (USA) (alt.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (Imperial) (alt)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (imperial) (alt.)</numerusform>
            <numerusform>Tropfen (imperial) (alt.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (U.S.)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (USA)</numerusform>
            <numerusform>Tropfen (USA)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (medical)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (medizinisch)</numerusform>
            <numerusform>Tropfen (medizinisch)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drop (Imperial)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Tropfen (imperial)</numerusform>
            <numerusform>Tropfen (imperial)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feet³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Kubikfuß</numerusform>
            <numerusform>Kubikfuß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Gallone</numerusform>
            <numerusform>Gallonen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gallon (UK)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Gallone (brit.)</numerusform>
            <numerusform>Gallonen (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inch³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Zoll³</numerusform>
            <numerusform>Zoll³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Liter</numerusform>
            <numerusform>Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>meter³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Meter³</numerusform>
            <numerusform>Meter³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milliliter</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Milliliter</numerusform>
            <numerusform>Milliliter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Flüssigunze</numerusform>
            <numerusform>Flüssigunzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ounce (UK)</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Flüssigunze (brit.)</numerusform>
            <numerusform>Flüssigunzen (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pint</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Pint</numerusform>
            <numerusform>Pints</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quart</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Quart</numerusform>
            <numerusform>Quarts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stere</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Ster</numerusform>
            <numerusform>Ster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tablespoon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Esslöffel</numerusform>
            <numerusform>Esslöffel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teaspoon</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Teelöffel</numerusform>
            <numerusform>Teelöffel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yard³</source>
        <comment>Volume</comment>
        <translation>
            <numerusform>Yard³</numerusform>
            <numerusform>Yards³</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barrel (US)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Barrel (US, trocken)</numerusform>
            <numerusform>Barrels (US, trocken)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bushel</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Bushel</numerusform>
            <numerusform>Bushels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>liter</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Liter</numerusform>
            <numerusform>Liter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peck</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Peck</numerusform>
            <numerusform>Pecks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pint</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Pint</numerusform>
            <numerusform>Pints</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quart</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Quart</numerusform>
            <numerusform>Quarts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gill (UK)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Gill (brit.)</numerusform>
            <numerusform>Gills (brit.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>gill (US)</source>
        <comment>Volume (Dry)</comment>
        <translation>
            <numerusform>Gill (US)</numerusform>
            <numerusform>Gills (US)</numerusform>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft/s²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>in/s²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>in²</translation>
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
        <translation>gr/gal (brit.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>lb/gal (UK)</source>
        <comment>Concentration (Liquid)</comment>
        <translation>lb/gal (brit.)</translation>
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
        <translation>lb/10^6 gal (brit.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>B</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>kB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>MB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>GB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>TB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>PB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>EB</translation>
    </message>
    <message>
        <source>ZB</source>
        <comment>Data</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ZB</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>lb/gal (UK)</source>
        <comment>Density</comment>
        <translation>lb/gal (brit.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/in³</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>slug/ft³</translation>
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
        <translation>ft (Benoît)</translation>
    </message>
    <message>
        <source>ft (Clarke, Cape)</source>
        <comment>Distance</comment>
        <translation>ft (Clarke, Kap)</translation>
    </message>
    <message>
        <source>ft</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft</translation>
    </message>
    <message>
        <source>ft (Indian)</source>
        <comment>Distance</comment>
        <translation>ft (indisch)</translation>
    </message>
    <message>
        <source>ft (Sear)</source>
        <comment>Distance</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft (Sear)</translation>
    </message>
    <message>
        <source>ft (US Survey)</source>
        <comment>Distance</comment>
        <translation>ft (US-Vermessung)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>in</translation>
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
        <translation>lea (nautisch)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>µin</translation>
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
        <translation>mi (metrisch)</translation>
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
        <translation>sm</translation>
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
        <translation>Btu (mittel)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft·lbf</translation>
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
        <translation>kcal (mittel)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/ft³</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft³/h</translation>
    </message>
    <message>
        <source>ft³/min</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft³/min</translation>
    </message>
    <message>
        <source>ft³/s</source>
        <comment>Flow</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft³/s</translation>
    </message>
    <message>
        <source>gal/d (UK)</source>
        <comment>Flow</comment>
        <translation>gal/d (brit.)</translation>
    </message>
    <message>
        <source>gal/h (UK)</source>
        <comment>Flow</comment>
        <translation>gal/h (brit.)</translation>
    </message>
    <message>
        <source>gal/min (UK)</source>
        <comment>Flow</comment>
        <translation>gal/min (brit.)</translation>
    </message>
    <message>
        <source>gal/s (UK)</source>
        <comment>Flow</comment>
        <translation>gal/s (brit.)</translation>
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
        <translation>oz/h (brit.)</translation>
    </message>
    <message>
        <source>oz/min (UK)</source>
        <comment>Flow</comment>
        <translation>oz/min (brit.)</translation>
    </message>
    <message>
        <source>oz/s (UK)</source>
        <comment>Flow</comment>
        <translation>oz/s (brit.)</translation>
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
        <translation>gal (brit.)/100-mi</translation>
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
        <translation>gal (brit.)/100-km</translation>
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
        <translation>km/gal (brit.)</translation>
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
        <translation>m/gal (brit.)</translation>
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
        <translation>mi/gal (brit.)</translation>
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
        <translation>nmi/gal (brit.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s·ft² (int.)</translation>
    </message>
    <message>
        <source>Btu/min·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min·ft² (int.)</translation>
    </message>
    <message>
        <source>Btu/h·ft² (int.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h·ft² (int.)</translation>
    </message>
    <message>
        <source>Btu/s·in² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s·in² (th.)</translation>
    </message>
    <message>
        <source>Btu/s·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s·ft² (th.)</translation>
    </message>
    <message>
        <source>Btu/min·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min·ft² (th.)</translation>
    </message>
    <message>
        <source>Btu/h·ft² (th.)</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h·ft² (th.)</translation>
    </message>
    <message>
        <source>Chu/h·ft²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Chu/h·ft²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>kcal/h·ft² (int.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft·lb/min·ft²</translation>
    </message>
    <message>
        <source>hp/ft²</source>
        <comment>Heat Flux</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>hp/ft²</translation>
    </message>
    <message>
        <source>hp/ft² (metric)</source>
        <comment>Heat Flux</comment>
        <translation>hp/ft² (metrisch)</translation>
    </message>
    <message>
        <source>Btu/h·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h·ft³ (int.)</translation>
    </message>
    <message>
        <source>Btu/min·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min·ft³ (int.)</translation>
    </message>
    <message>
        <source>Btu/s·ft³ (int.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s·ft³ (int.)</translation>
    </message>
    <message>
        <source>Btu/h·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/h·ft³ (th.)</translation>
    </message>
    <message>
        <source>Btu/min·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/min·ft³ (th.)</translation>
    </message>
    <message>
        <source>Btu/s·ft³ (th.)</source>
        <comment>Heat Generation (Vol.)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>Btu/s·ft³ (th.)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lm/ft²</translation>
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
        <translation>Kt</translation>
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
        <translation>hp (elektrisch)</translation>
    </message>
    <message>
        <source>hp (metric)</source>
        <comment>Power</comment>
        <translation>hp (metrisch)</translation>
    </message>
    <message>
        <source>hp (UK)</source>
        <comment>Power</comment>
        <translation>hp (brit.)</translation>
    </message>
    <message>
        <source>hp (water)</source>
        <comment>Power</comment>
        <translation>hp (Wasser)</translation>
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
        <translation>PS</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft·lbf/h</translation>
    </message>
    <message>
        <source>ft·lbf/min</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft·lbf/min</translation>
    </message>
    <message>
        <source>ft·lbf/s</source>
        <comment>Power</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft·lbf/s</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>inHg</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf/ft²</translation>
    </message>
    <message>
        <source>lbf/in²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf/in²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>tf/ft²</translation>
    </message>
    <message>
        <source>tf/in²</source>
        <comment>Pressure</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>tf/in²</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf/ft</translation>
    </message>
    <message>
        <source>lbf/in</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf/in</translation>
    </message>
    <message>
        <source>pdl/in</source>
        <comment>Surface Tension</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pdl/in</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>h·ft²·°F/Btu</translation>
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
        <translation>d (siderisch)</translation>
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
        <translation>h (siderisch)</translation>
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
        <translation>min (siderisch)</translation>
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
        <translation>s (siderisch)</translation>
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
        <translation>Wo.</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ozf·ft</translation>
    </message>
    <message>
        <source>ozf·in</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ozf·in</translation>
    </message>
    <message>
        <source>lbf·ft</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf·ft</translation>
    </message>
    <message>
        <source>lbf·in</source>
        <comment>Torque</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf·in</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft/h</translation>
    </message>
    <message>
        <source>ft/min</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft/min</translation>
    </message>
    <message>
        <source>ft/s</source>
        <comment>Velocity</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft/s</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf·s/ft²</translation>
    </message>
    <message>
        <source>lbf·s/in²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lbf·s/in²</translation>
    </message>
    <message>
        <source>lb/ft·h</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/ft·h</translation>
    </message>
    <message>
        <source>lb/ft·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>lb/ft·s</translation>
    </message>
    <message>
        <source>pdl·h/ft²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pdl·h/ft²</translation>
    </message>
    <message>
        <source>pdl·s/ft²</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>pdl·s/ft²</translation>
    </message>
    <message>
        <source>slug/ft·s</source>
        <comment>Viscosity (Dynamic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>slug/ft·s</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft²/d</translation>
    </message>
    <message>
        <source>ft²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft²/h</translation>
    </message>
    <message>
        <source>ft²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft²/min</translation>
    </message>
    <message>
        <source>ft²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>ft²/s</translation>
    </message>
    <message>
        <source>in²/d</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>in²/d</translation>
    </message>
    <message>
        <source>in²/h</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>in²/h</translation>
    </message>
    <message>
        <source>in²/min</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>in²/min</translation>
    </message>
    <message>
        <source>in²/s</source>
        <comment>Viscosity (Kinematic)</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>in²/s</translation>
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
        <translation>bbl (US, flüssig)</translation>
    </message>
    <message>
        <source>bbl (oil)</source>
        <comment>Volume</comment>
        <translation>bbl (Öl)</translation>
    </message>
    <message>
        <source>bbl (English)</source>
        <comment>Volume</comment>
        <translation>bbl (englisch)</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>ft³</translation>
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
        <translation>gal (brit.)</translation>
    </message>
    <message>
        <source>in³</source>
        <comment>Volume</comment>
        <translatorcomment>same as English</translatorcomment>
        <translation>in³</translation>
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
        <translatorcomment>same as English</translatorcomment>
        <translation>fl oz</translation>
    </message>
    <message>
        <source>fl oz (UK)</source>
        <comment>Volume</comment>
        <translation>fl oz (brit.)</translation>
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
        <translation>gi (brit.)</translation>
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
        <translation>cal (mittel)</translation>
    </message>
</context>
<context>
    <name>vantrel::CAboutDlg</name>
    <message>
        <source>Vantrel Unit Converter is provided &quot;as is&quot;, without warranty of any kind. Its developers are not liable for any damage that comes of its use. Check results that matter (engineering, medicine, navigation, trade) against another source before relying on them.</source>
        <translation>Der Vantrel-Einheitenumrechner wird ohne jede Gewährleistung bereitgestellt, so wie er ist. Seine Entwickler haften nicht für Schäden, die aus seiner Verwendung entstehen. Prüfen Sie wichtige Ergebnisse (Technik, Medizin, Navigation, Handel) anhand einer anderen Quelle, bevor Sie sich auf sie verlassen.</translation>
    </message>
    <message>
        <source>About Vantrel Converter</source>
        <translation>Über den Vantrel-Einheitenumrechner</translation>
    </message>
    <message>
        <source>By the Vantrel developers</source>
        <translation>Von den Vantrel-Entwicklern</translation>
    </message>
    <message>
        <source>Vantrel Unit Converter Version 5.4</source>
        <translation>Vantrel-Einheitenumrechner 5.4</translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation>Copyright © 2026</translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation>Vantrel-Startseite</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>For more information and complete terms of use visit :</source>
        <translation>Mehr Informationen und alle Bedingungen unter:</translation>
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
        <translation>Geben Sie Ihren Wert in das Eingabefeld ein:<byte value="xd"/>
<byte value="xd"/>
als Dezimalzahl, z. B. 1.75<byte value="xd"/>
mit Exponent, z. B. 1.2e-5<byte value="xd"/>
als Bruch, z. B. 7/8  oder<byte value="xd"/>
als gemischten Bruch, z. B. 2+3/4  (für 2¾).</translation>
    </message>
    <message>
        <source>Click on the icon to invert currently selected units</source>
        <translation>Klicken Sie auf das Symbol, um die gewählten Einheiten zu tauschen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The settings file gives these custom units a coefficient that defines no unit (0, below 0, not a number, or beyond the range of numbers the converter holds): %1.

They are left out, and stay in the file until it is edited.</source>
        <extracomment>%1 names the units as the file has them: &quot;NAME&quot; in &quot;CATEGORY&quot; (coefficient &quot;TEXT&quot;)</extracomment>
        <translation>Die Einstellungsdatei gibt diesen eigenen Einheiten einen Koeffizienten, der keine Einheit ergibt (0, unter 0, keine Zahl oder außerhalb des Zahlenbereichs des Umrechners): %1.

Sie werden ausgelassen und bleiben in der Datei, bis diese bearbeitet wird.</translation>
    </message>
    <message>
        <source>Vantrel Unit Converter</source>
        <translation>Vantrel-Einheitenumrechner</translation>
    </message>
    <message>
        <source>Invert Units</source>
        <translation>Einheiten tauschen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation>Kategorie wählen </translation>
    </message>
    <message>
        <source>Select Units </source>
        <translation>Einheiten wählen </translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>VON</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>NACH</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation>Vantrel-Startseite</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <extracomment>%1 is the command-line option as written, &quot;--category&quot;</extracomment>
        <translation>Die Option %1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>The option %1 is given more than once.</source>
        <extracomment>%1 is the command-line option as written, &quot;--category&quot;</extracomment>
        <translation>Die Option %1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>Unknown unit &quot;%1&quot; in &quot;%2&quot;.</source>
        <extracomment>%1 is the unit as given on the command line, %2 the category&apos;s name</extracomment>
        <translation>Unbekannte Einheit „%1“ in „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for several units of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the abbreviation as given on the command line, %2 the category&apos;s name, %3 the units&apos; names</extracomment>
        <translation>„%1“ steht für mehrere Einheiten von „%2“: %3.</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;.</source>
        <extracomment>%1 is the category as given on the command line</extracomment>
        <translation>Unbekannte Kategorie „%1“.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is hidden: Edit, Preferences, Visible Categories shows it again.</source>
        <extracomment>%1 is the category&apos;s name; the rest names the menu and the page where categories are shown again, as the window calls them</extracomment>
        <translation>Die Kategorie „%1“ ist ausgeblendet: Unter Bearbeiten, Einstellungen, Sichtbare Kategorien lässt sie sich wieder anzeigen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>a name in quotation marks, as the language writes them</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The %1.

A settings file at the top of a drive is used only when that folder and the file are yours and nobody else may change them.</source>
        <extracomment>%1 names the settings file passed over and why, in English as the command line says it: settings file &quot;PATH&quot; is not trusted: REASON; &quot;PATH&quot; is used instead</extracomment>
        <translation>Der Einstellungsdatei wird nicht vertraut (%1).

Eine Einstellungsdatei im obersten Ordner eines Laufwerks wird nur genutzt, wenn dieser Ordner und die Datei Ihnen gehören und niemand sonst sie ändern darf.</translation>
    </message>
    <message>
        <source>Unknown command-line arguments: %1 (vantrel --help lists the window&apos;s options).</source>
        <extracomment>%1 is what neither the window nor Qt takes of the command line, as written</extracomment>
        <translation>Unbekannte Befehlszeilenargumente: %1 (vantrel --help nennt die Optionen des Fensters).</translation>
    </message>
    <message>
        <source>The converter goes on, and saves no change that would take the file past 16 MB.</source>
        <translation>Der Umrechner arbeitet weiter und speichert keine Änderung, durch die die Datei größer als 16 MB würde.</translation>
    </message>
    <message>
        <source>The converter goes on with the default settings and what it could read, and cannot save changes while this lasts.</source>
        <translation>Der Umrechner arbeitet mit den Standardeinstellungen und dem, was er lesen konnte, weiter und kann Änderungen nicht speichern, solange das anhält.</translation>
    </message>
    <message>
        <source>The %1.

%2</source>
        <extracomment>%1 is what is wrong with the settings file, in English as the command line says it: settings file &quot;PATH&quot; cannot be read: REASON; %2 what the converter does about it</extracomment>
        <translation>Die Einstellungsdatei ist nicht nutzbar (%1).

%2</translation>
    </message>
</context>
<context>
    <name>vantrel::CCoordinates</name>
    <message>
        <source>Coordinate Conversion</source>
        <translation>Koordinatenumrechnung</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite: Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite: Minuten</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Breite: Sekunden</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge: Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge: Minuten</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Länge: Sekunden</translation>
    </message>
    <message>
        <source>Northern</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Southern</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Select Ellipsoid </source>
        <translation>Ellipsoid wählen </translation>
    </message>
    <message>
        <source>Decimal Lat / Long  </source>
        <translation>Breite / Länge dezimal  </translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation>Breite </translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>  Degrees     Minutes     Seconds</source>
        <translation>  Grad        Minuten     Sekunden</translation>
    </message>
    <message>
        <source>UTM </source>
        <translation>UTM </translation>
    </message>
    <message>
        <source>Northing </source>
        <translation>Nordwert </translation>
    </message>
    <message>
        <source>Easting</source>
        <translation>Ostwert</translation>
    </message>
    <message>
        <source>Zone Number</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Halbkugel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomCategories</name>
    <message>
        <source>The category name must be between 2 and 25 characters long.</source>
        <translation>Der Name der Kategorie muss 2 bis 25 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>This category name already exists.</source>
        <translation>Eine Kategorie dieses Namens gibt es bereits.</translation>
    </message>
    <message>
        <source>This category name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, &quot;?val=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation>Dieser Name einer Kategorie lässt sich nicht in der Einstellungsdatei speichern und wieder lesen. Ein Name darf weder „=“, „?val=“, einen Tabulator noch einen Zeilenumbruch enthalten und nicht mit „[“ oder „;“ beginnen.</translation>
    </message>
    <message>
        <source>A category whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation>Es gibt bereits eine Kategorie, deren Name sich von [%1] nur in Groß- und Kleinschreibung unterscheidet. Die Einstellungsdatei kann die beiden nicht auseinanderhalten: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>You may only remove previously added custom categories.</source>
        <translation>Sie können nur Kategorien entfernen, die Sie selbst hinzugefügt haben.</translation>
    </message>
    <message>
        <source>Category [%1] was not added: the settings file could not be written.</source>
        <translation>Die Kategorie [%1] wurde nicht hinzugefügt: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Category [%1] was not removed: the settings file could not be written.</source>
        <translation>Die Kategorie [%1] wurde nicht entfernt: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Category [%1] was successfully added.</source>
        <translation>Die Kategorie [%1] wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Category [%1] was successfully removed.</source>
        <translation>Die Kategorie [%1] wurde entfernt.</translation>
    </message>
    <message>
        <source>Add / Remove Categories</source>
        <translation>Kategorien hinzufügen / entfernen</translation>
    </message>
    <message>
        <source>Add Categories </source>
        <translation>Kategorie hinzufügen </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove Categories </source>
        <translation>Kategorie entfernen </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomUnits</name>
    <message>
        <source>The unit name must be between 2 and 25 characters long.</source>
        <translation>Der Name der Einheit muss 2 bis 25 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>This unit name already exists.</source>
        <translation>Eine Einheit dieses Namens gibt es bereits.</translation>
    </message>
    <message>
        <source>This unit name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation>Dieser Name einer Einheit lässt sich nicht in der Einstellungsdatei speichern und wieder lesen. Ein Name darf weder „=“, einen Tabulator noch einen Zeilenumbruch enthalten und nicht mit „[“ oder „;“ beginnen.</translation>
    </message>
    <message>
        <source>A custom unit whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation>Es gibt bereits eine eigene Einheit, deren Name sich von [%1] nur in Groß- und Kleinschreibung unterscheidet. Die Einstellungsdatei kann die beiden nicht auseinanderhalten: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>With this coefficient the new unit is beyond the range of numbers the converter holds.</source>
        <translation>Mit diesem Koeffizienten liegt die neue Einheit außerhalb des Zahlenbereichs des Umrechners.</translation>
    </message>
    <message>
        <source>You may only remove previously added custom units.</source>
        <translation>Sie können nur Einheiten entfernen, die Sie selbst hinzugefügt haben.</translation>
    </message>
    <message>
        <source>Unit name [%1] was not added to [%2]: the settings file could not be written.</source>
        <translation>Die Einheit [%1] wurde nicht zu [%2] hinzugefügt: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unit name [%1] was not removed from [%2]: the settings file could not be written.</source>
        <translation>Die Einheit [%1] wurde nicht aus [%2] entfernt: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The coefficient cannot be read: %1.</source>
        <extracomment>%1 is the evaluator&apos;s reason, in English as the command line gives it</extracomment>
        <translation>Der Koeffizient ist nicht lesbar (%1).</translation>
    </message>
    <message>
        <source>The coefficient must be greater than 0.</source>
        <translation>Der Koeffizient muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Output = %1 × (1.0 / Input) <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <extracomment>%1 is the coefficient, %2 the source unit, %3 the new unit</extracomment>
        <translation>Ausgabe = %1 × (1.0 / Eingabe) <byte value="xd"/>
Eingabe in %2<byte value="xd"/>
Ausgabe in %3</translation>
    </message>
    <message>
        <source>Output = %1 × Input <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <translation>Ausgabe = %1 × Eingabe <byte value="xd"/>
Eingabe in %2<byte value="xd"/>
Ausgabe in %3</translation>
    </message>
    <message>
        <source>Unit name [%1] was successfully added to [%2]</source>
        <translation>Die Einheit [%1] wurde zu [%2] hinzugefügt</translation>
    </message>
    <message>
        <source>Unit name [%1] was removed from [%2]</source>
        <translation>Die Einheit [%1] wurde aus [%2] entfernt</translation>
    </message>
    <message>
        <source>Add / Remove Units</source>
        <translation>Einheiten hinzufügen / entfernen</translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation>Kategorie wählen </translation>
    </message>
    <message>
        <source>Add Unit </source>
        <translation>Einheit hinzufügen </translation>
    </message>
    <message>
        <source>Target Name [Output]</source>
        <translation>Zielname [Ausgabe]</translation>
    </message>
    <message>
        <source>Source Name [Input]</source>
        <translation>Bezug [Eingabe]</translation>
    </message>
    <message>
        <source>Coefficient </source>
        <translation>Koeffizient </translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Preview </source>
        <translation>Vorschau </translation>
    </message>
</context>
<context>
    <name>vantrel::CGeneral</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>General Options  </source>
        <translation>Allgemeine Optionen  </translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Remember last used category and units on startup</source>
        <translation>Zuletzt gewählte Kategorie und Einheiten merken</translation>
    </message>
    <message>
        <source>Show abbreviations when available</source>
        <translation>Abkürzungen anzeigen</translation>
    </message>
    <message>
        <source>Use custom font (requires program restart)</source>
        <translation>Eigene Schrift (wirkt nach Neustart)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>vantrel::CHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Online Manual (pdf)</source>
        <translation>Handbuch (pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwendung</translation>
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
        <translation>Wählen Sie die Kategorie Ihrer Einheiten und die Einheiten, von denen und in die umgerechnet wird. Geben Sie dann Ihren Wert in das Eingabefeld ein:<byte value="xd"/>
<byte value="xd"/>
als Dezimalzahl, z. B. 1.75<byte value="xd"/>
mit Exponent, z. B. 1.2e-5<byte value="xd"/>
als Bruch, z. B. 7/8 <byte value="xd"/>
als gemischten Bruch, z. B. 2+3/4  (für 2¾)<byte value="xd"/>
als Ausdruck, z. B. sin(-50.01+10^(sin(-0.1/21.11)-(cos(12)^0.1)^3.11))<byte value="xd"/>
<byte value="xd"/>
Das Ergebnis erscheint sofort im Ergebnisfeld.<byte value="xd"/>
Eingabe- und Ausgabeeinheit lassen sich mit „Einheiten tauschen“ im Menü „Bearbeiten“ tauschen oder mit einem Klick auf das Tauschsymbol zwischen den Listen VON und NACH. Mit Strg + I tauschen Sie die Einheiten schnell.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Under Edit Menu, click on Find, or use shortcut key Ctrl + F to quickly open the Find dialog box. Type in the desired unit or category into the edit box to narrow the list of possible matches that are displayed in the list box below. Double click any unit in the list box or push the Go button to dismiss the find box and jump to that category and unit in the main window.</source>
        <translation>Klicken Sie im Menü „Bearbeiten“ auf „Suchen“ oder drücken Sie Strg + F, um das Suchfenster schnell zu öffnen. Geben Sie die gewünschte Einheit oder Kategorie in das Eingabefeld ein, um die Liste der möglichen Treffer darunter einzugrenzen. Doppelklicken Sie auf eine Einheit in der Liste oder klicken Sie auf „Los“, um das Suchfenster zu schließen und im Hauptfenster zu dieser Kategorie und Einheit zu springen.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Under menu Edit, Preferences, you can:<byte value="xd"/>
<byte value="xd"/>
Display more/less categories under Visible Categories<byte value="xd"/>
Remember last used categories and units under General<byte value="xd"/>
Change the precision and format of the conversion output</source>
        <translation>Unter „Bearbeiten“, „Einstellungen“ können Sie:<byte value="xd"/>
<byte value="xd"/>
unter „Sichtbare Kategorien“ mehr oder weniger Kategorien anzeigen<byte value="xd"/>
unter „Allgemein“ die zuletzt gewählte Kategorie und Einheiten merken<byte value="xd"/>
Genauigkeit und Format des Ergebnisses ändern</translation>
    </message>
    <message>
        <source>Customizations</source>
        <translation>Anpassungen</translation>
    </message>
    <message>
        <source>For Custom units and preferences to be stored, a small file named %1 is written to the %2 folder. You may transfer this file to other computers to transfer your customizations.</source>
        <translation>Damit eigene Einheiten und Einstellungen erhalten bleiben, wird eine kleine Datei namens %1 in den Ordner %2 geschrieben. Sie können diese Datei auf andere Computer kopieren, um Ihre Anpassungen mitzunehmen.</translation>
    </message>
</context>
<context>
    <name>vantrel::CMySheet</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>vantrel::CPicture</name>
    <message>
        <source>CPicture Error</source>
        <translation>CPicture-Fehler</translation>
    </message>
    <message>
        <source>FindResource() Failed	</source>
        <translation>FindResource() fehlgeschlagen	</translation>
    </message>
    <message>
        <source>Can not allocate enough memory	</source>
        <translation>Nicht genug Speicher verfügbar	</translation>
    </message>
    <message>
        <source>IPicture interface is not supported	</source>
        <translation>Die Schnittstelle IPicture wird nicht unterstützt	</translation>
    </message>
</context>
<context>
    <name>vantrel::CResultFormat</name>
    <message>
        <source>Result Format</source>
        <translation>Ergebnisformat</translation>
    </message>
    <message>
        <source>Select the format of the result  </source>
        <translation>Format des Ergebnisses wählen  </translation>
    </message>
    <message>
        <source>AutoFormat</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Exponentiell</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Festkomma</translation>
    </message>
    <message>
        <source>Set decimal precision</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Preview  </source>
        <translation>Vorschau  </translation>
    </message>
</context>
<context>
    <name>vantrel::CSearchUnits</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type All or Part of a Unit or Category Name:</source>
        <translation>Einheit oder Kategorie, auch teilweise:</translation>
    </message>
    <message>
        <source>Possible Matches:</source>
        <translation>Treffer:</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>latitude and longitude (decimal)</source>
        <translation>Breite und Länge (dezimal)</translation>
    </message>
    <message>
        <source>latitude and longitude (degree, minute, second)</source>
        <translation>Breite und Länge (Grad, Minute, Sekunde)</translation>
    </message>
    <message>
        <source>UTM (northing, easting, zone, hemisphere) </source>
        <translation>UTM (Nordwert, Ostwert, Zone, Halbkugel) </translation>
    </message>
</context>
<context>
    <name>vantrel::CVisible</name>
    <message>
        <source>Visible Categories</source>
        <translation>Sichtbare Kategorien</translation>
    </message>
    <message>
        <source>Visible categories</source>
        <translation>Sichtbare Kategorien</translation>
    </message>
    <message>
        <source>Display All Categories</source>
        <translation>Alle Kategorien zeigen</translation>
    </message>
</context>
<context>
    <name>vantrel::CatalogueChangeDialog</name>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>... (%1 characters)</source>
        <translation>... (%1 Zeichen)</translation>
    </message>
</context>
<context>
    <name>vantrel::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
