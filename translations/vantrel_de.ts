<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>vantrel::CAboutDlg</name>
    <message>
        <source>Vantrel Unit Converter is provided &quot;as is&quot;, without warranty of any kind. Its developers are not liable for any damage that comes of its use. Check results that matter (engineering, medicine, navigation, trade) against another source before relying on them.</source>
        <translation>Der Vantrel Einheitenumrechner wird ohne jede Gewährleistung bereitgestellt, so wie er ist. Seine Entwickler haften nicht für Schäden, die aus seiner Verwendung entstehen. Prüfen Sie wichtige Ergebnisse (Technik, Medizin, Navigation, Handel) an einer anderen Quelle, bevor Sie sich auf sie verlassen.</translation>
    </message>
    <message>
        <source>About Vantrel Converter</source>
        <translation>Über Vantrel Einheitenumrechner</translation>
    </message>
    <message>
        <source>By the Vantrel developers</source>
        <translation>Von den Vantrel-Entwicklern</translation>
    </message>
    <message>
        <source>Vantrel Unit Converter Version 5.4</source>
        <translation>Vantrel Einheitenumrechner 5.4</translation>
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
        <source>The %1.

The converter goes on with the default settings and what it could read, and cannot save changes while this lasts.</source>
        <extracomment>%1 is what is wrong with the settings file, in English as the command line says it: settings file &quot;PATH&quot; cannot be read: REASON</extracomment>
        <translation>Die Einstellungsdatei ist nicht nutzbar (%1).

Der Umrechner arbeitet mit den Standardeinstellungen und dem, was er lesen konnte, weiter und kann Änderungen nicht speichern, solange das anhält.</translation>
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
        <translation>Vantrel Einheitenumrechner</translation>
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
        <translation>Unbekannte Einheit &quot;%1&quot; in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for several units of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the abbreviation as given on the command line, %2 the category&apos;s name, %3 the units&apos; names</extracomment>
        <translation>&quot;%1&quot; steht für mehrere Einheiten von &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;.</source>
        <extracomment>%1 is the category as given on the command line</extracomment>
        <translation>Unbekannte Kategorie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is hidden: Edit, Preferences, Visible Categories shows it again.</source>
        <extracomment>%1 is the category&apos;s name; the rest names the menu and the page where categories are shown again, as the window calls them</extracomment>
        <translation>Die Kategorie &quot;%1&quot; ist ausgeblendet: Unter Bearbeiten, Einstellungen, Sichtbare Kategorien lässt sie sich wieder anzeigen.</translation>
    </message>
    <message>
        <source>The %1.

A settings file at the top of a drive is used only when that folder and the file are yours and nobody else may change them.</source>
        <extracomment>%1 names the settings file passed over and why, in English as the command line says it: settings file &quot;PATH&quot; is not trusted: REASON; &quot;PATH&quot; is used instead</extracomment>
        <translation>Der Einstellungsdatei wird nicht vertraut (%1).

Eine Einstellungsdatei im obersten Ordner eines Laufwerks wird nur genutzt, wenn dieser Ordner und die Datei Ihnen gehören und niemand sonst sie ändern darf.</translation>
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
        <translation>Invers</translation>
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
        <translation>Fest</translation>
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
