<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Launch Calculator          	Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Output      	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find      	Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Units      	Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences      	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents      	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates or Donate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CAboutDlg</name>
    <message>
        <source>Vantrel Unit Converter is provided &quot;as is&quot;, without warranty of any kind. Its developers are not liable for any damage that comes of its use. Check results that matter (engineering, medicine, navigation, trade) against another source before relying on them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vantrel Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the Vantrel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Unit Converter Version 5.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information and complete terms of use visit :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the icon to invert currently selected units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1.

The converter goes on with the default settings and what it could read, and cannot save changes while this lasts.</source>
        <extracomment>%1 is what is wrong with the settings file, in English as the command line says it: settings file &quot;PATH&quot; cannot be read: REASON</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file gives these custom units a coefficient that defines no unit (0, below 0, not a number, or beyond the range of numbers the converter holds): %1.

They are left out, and stay in the file until it is edited.</source>
        <extracomment>%1 names the units as the file has them: &quot;NAME&quot; in &quot;CATEGORY&quot; (coefficient &quot;TEXT&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Unit Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Units </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel home page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CCoordinates</name>
    <message>
        <source>Coordinate Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Ellipsoid </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal Lat / Long  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Degrees     Minutes     Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomCategories</name>
    <message>
        <source>The category name must be between 2 and 25 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This category name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This category name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, &quot;?val=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may only remove previously added custom categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category [%1] was not added: the settings file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category [%1] was not removed: the settings file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category [%1] was successfully added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category [%1] was successfully removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Remove Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Categories </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Categories </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CCustomUnits</name>
    <message>
        <source>The unit name must be between 2 and 25 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This unit name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This unit name cannot be saved in the settings file and read back. A name may not contain &quot;=&quot;, a tab or a line break, nor start with &quot;[&quot; or &quot;;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A custom unit whose name differs from [%1] only in letter case already exists. The settings file cannot tell the two apart: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With this coefficient the new unit is beyond the range of numbers the converter holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may only remove previously added custom units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit name [%1] was not added to [%2]: the settings file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit name [%1] was not removed from [%2]: the settings file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coefficient cannot be read: %1.</source>
        <extracomment>%1 is the evaluator&apos;s reason, in English as the command line gives it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coefficient must be greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output = %1 × (1.0 / Input) <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <extracomment>%1 is the coefficient, %2 the source unit, %3 the new unit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output = %1 × Input <byte value="xd"/>
Input is in %2<byte value="xd"/>
Output is in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit name [%1] was successfully added to [%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit name [%1] was removed from [%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Remove Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Category </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Unit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Name [Output]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Name [Input]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CGeneral</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Options  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember last used category and units on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show abbreviations when available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use custom font (requires program restart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CHelpDialog</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Manual (pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under Edit Menu, click on Find, or use shortcut key Ctrl + F to quickly open the Find dialog box. Type in the desired unit or category into the edit box to narrow the list of possible matches that are displayed in the list box below. Double click any unit in the list box or push the Go button to dismiss the find box and jump to that category and unit in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under menu Edit, Preferences, you can:<byte value="xd"/>
<byte value="xd"/>
Display more/less categories under Visible Categories<byte value="xd"/>
Remember last used categories and units under General<byte value="xd"/>
Change the precision and format of the conversion output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customizations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Custom units and preferences to be stored, a small file named %1 is written to the %2 folder. You may transfer this file to other computers to transfer your customizations.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CMySheet</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CPicture</name>
    <message>
        <source>CPicture Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FindResource() Failed	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not allocate enough memory	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPicture interface is not supported	</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CResultFormat</name>
    <message>
        <source>Result Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the format of the result  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoFormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set decimal precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CSearchUnits</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type All or Part of a Unit or Category Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible Matches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude and longitude (decimal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude and longitude (degree, minute, second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM (northing, easting, zone, hemisphere) </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CVisible</name>
    <message>
        <source>Visible Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display All Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CatalogueChangeDialog</name>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... (%1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::PropertySheet</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
