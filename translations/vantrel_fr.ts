<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>The %1.

The converter goes on with the default settings and what it could read, and cannot save changes while this lasts.</source>
        <extracomment>%1 is what is wrong with the settings file, in English as the command line says it: settings file &quot;PATH&quot; cannot be read: REASON</extracomment>
        <translation>Le fichier de paramètres est inutilisable (%1).

Le convertisseur continue avec les paramètres par défaut et ce qu’il a pu lire, et ne peut pas enregistrer de modifications tant que cela dure.</translation>
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
        <translation>Unité inconnue &quot;%1&quot; dans &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for several units of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the abbreviation as given on the command line, %2 the category&apos;s name, %3 the units&apos; names</extracomment>
        <translation>&quot;%1&quot; désigne plusieurs unités de &quot;%2&quot;&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;.</source>
        <extracomment>%1 is the category as given on the command line</extracomment>
        <translation>Catégorie inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is hidden: Edit, Preferences, Visible Categories shows it again.</source>
        <extracomment>%1 is the category&apos;s name; the rest names the menu and the page where categories are shown again, as the window calls them</extracomment>
        <translation>La catégorie &quot;%1&quot; est masquée&#xa0;: Édition, Préférences, Catégories visibles la fait réapparaître.</translation>
    </message>
    <message>
        <source>The %1.

A settings file at the top of a drive is used only when that folder and the file are yours and nobody else may change them.</source>
        <extracomment>%1 names the settings file passed over and why, in English as the command line says it: settings file &quot;PATH&quot; is not trusted: REASON; &quot;PATH&quot; is used instead</extracomment>
        <translation>Le fichier de paramètres n’est pas digne de confiance (%1).

Un fichier de paramètres à la racine d’un disque n’est utilisé que si ce dossier et le fichier vous appartiennent et que personne d’autre ne peut les modifier.</translation>
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
        <translation>Ordonnée </translation>
    </message>
    <message>
        <source>Easting</source>
        <translation>Abscisse</translation>
    </message>
    <message>
        <source>Zone Number</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hémisphère</translation>
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
        <translation>Inverse</translation>
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
        <translation>Toujours devant</translation>
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
        <translation>UTM (ordonnée, abscisse, zone, hémisphère) </translation>
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
