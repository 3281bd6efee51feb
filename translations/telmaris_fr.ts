<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>Le fichier dépasse %1 Ko, alors qu'une configuration fait environ un demi-kilo-octet. Ce n'est pas une configuration.</translation>
    </message>
    <message>
        <source>"%1" must be %2.</source>
        <translation>"%1" doit être %2.</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a text of digits with at most one "." or ","</source>
        <translation>un texte de chiffres avec au plus un "." ou ","</translation>
    </message>
    <message>
        <source>one of "%1" or null</source>
        <translation>l'un de "%1" ou null</translation>
    </message>
    <message>
        <source>an object is not closed</source>
        <translation>un objet n'est pas fermé</translation>
    </message>
    <message>
        <source>a colon is missing after a name</source>
        <translation>il manque un deux-points après un nom</translation>
    </message>
    <message>
        <source>a list is not closed</source>
        <translation>une liste n'est pas fermée</translation>
    </message>
    <message>
        <source>a comma is missing between two values</source>
        <translation>il manque une virgule entre deux valeurs</translation>
    </message>
    <message>
        <source>a value is not valid</source>
        <translation>une valeur n'est pas valide</translation>
    </message>
    <message>
        <source>the file ends in a number</source>
        <translation>le fichier se termine au milieu d'un nombre</translation>
    </message>
    <message>
        <source>a number is not valid</source>
        <translation>un nombre n'est pas valide</translation>
    </message>
    <message>
        <source>a text has an invalid escape sequence</source>
        <translation>un texte contient une séquence d'échappement non valide</translation>
    </message>
    <message>
        <source>a text is not valid UTF-8</source>
        <translation>un texte n'est pas de l'UTF-8 valide</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>un texte n'est pas fermé</translation>
    </message>
    <message>
        <source>an object is missing after a comma</source>
        <translation>il manque un objet après une virgule</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>les valeurs sont imbriquées trop profondément</translation>
    </message>
    <message>
        <source>the document is too large</source>
        <translation>le document est trop grand</translation>
    </message>
    <message>
        <source>more follows the end of the document</source>
        <translation>d'autres données suivent la fin du document</translation>
    </message>
    <message>
        <source>its contents cannot be read</source>
        <translation>son contenu ne peut pas être lu</translation>
    </message>
    <message>
        <source>The file is no configuration: %1 (at character %2).</source>
        <translation>Le fichier n'est pas une configuration : %1 (au caractère %2).</translation>
    </message>
    <message>
        <source>The file is no configuration.</source>
        <translation>Le fichier n'est pas une configuration.</translation>
    </message>
    <message>
        <source>one of the eight variants, such as "English European"</source>
        <translation>l'une des huit variantes, par exemple "English European"</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>a whole number from 0 to 99</source>
        <translation>un nombre entier de 0 à 99</translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation>La remise est comprise entre 0 et 99 %.</translation>
    </message>
    <message>
        <source>: not offered for the %1 with the answers of the steps before.</source>
        <translation> : non proposé pour le %1 avec les réponses des étapes précédentes.</translation>
    </message>
    <message>
        <source>The trolley is not chosen.</source>
        <translation>Le chariot n'est pas choisi.</translation>
    </message>
    <message>
        <source>The hoist control is not chosen.</source>
        <translation>La commande du palan n'est pas choisie.</translation>
    </message>
    <message>
        <source>The trolley control is not chosen.</source>
        <translation>La commande du chariot n'est pas choisie.</translation>
    </message>
    <message>
        <source>The configuration does not reach the output buttons.</source>
        <translation>La configuration n'arrive pas jusqu'aux boutons de sortie.</translation>
    </message>
    <message>
        <source>the walk has not reached the step of this answer</source>
        <translation>la saisie n'a pas encore atteint l'étape de cette réponse</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The folder %1 is read-only: the database cannot be changed there, as a change needs a journal file beside it (%2).</source>
        <translation>Le dossier %1 est en lecture seule : la base de données ne peut pas y être modifiée, car une modification a besoin d'un fichier journal à côté d'elle (%2).</translation>
    </message>
    <message>
        <source>The database file is read-only: it cannot be changed (%1).</source>
        <translation>Le fichier de la base de données est en lecture seule : il ne peut pas être modifié (%1).</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Ceci est un dossier, pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket), so it holds no database.</source>
        <translation>Ceci n'est pas un fichier ordinaire (un périphérique, un tube ou une socket) : il ne contient aucune base de données.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no database.</source>
        <translation>Le fichier est vide : il ne contient aucune base de données.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation>Liste de commande</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation>Le classeur %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation>Le classeur %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation>Aucun dossier ne peut être créé pour le classeur dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>Le fichier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Ceci est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation>Ceci n'est pas un fichier ordinaire (un périphérique, un tube ou une socket).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Le fichier ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>The file could not be written completely; the disk may be full. A previous file of this name is unchanged.</source>
        <translation>Le fichier n'a pas pu être écrit entièrement ; le disque est peut-être plein. Un fichier antérieur de ce nom est inchangé.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.</source>
        <translation>Impossible de lire la liste de prix dans la base de données des pièces.</translation>
    </message>
    <message>
        <source>Ordering number or description</source>
        <translation>Numéro de commande ou description</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Aucun tableur n'a pu ouvrir la liste de commande.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>OK enregistre le classeur à l'endroit de votre choix ; Annuler l'abandonne.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Enregistrer la liste de commande</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>La liste de commande n'a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation>Configurations Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>La configuration %1 a été modifiée depuis son ouverture ou son dernier enregistrement.

Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation>La configuration %1 n'existe plus. Elle a été retirée des configurations récentes.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation>Configurations &amp;récentes</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation>&amp;Historique des prix</translation>
    </message>
    <message>
        <source>Undo &amp;last price import</source>
        <translation>&amp;Annuler la dernière importation de prix</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Afficher la liste de commande à l'écran</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Imprimer la liste de commande</translation>
    </message>
    <message>
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Un clic sur un modèle de la liste, ou Entrée, confirme le modèle et passe à la suite.</translation>
    </message>
    <message>
        <source>A click ticks or clears the box and moves on; Enter or Tab moves on without changing it.</source>
        <translation>Un clic coche ou décoche la case et passe à la suite ; Entrée ou Tab passe à la suite sans la changer.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click in the box confirms the value and moves on.</source>
        <translation>Entrée, Tab ou un double-clic dans la case confirme la valeur et passe à la suite.</translation>
    </message>
    <message>
        <source>A click or Enter takes this length and moves on.</source>
        <translation>Un clic ou Entrée retient cette longueur et passe à la suite.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click confirms the choice and moves on.</source>
        <translation>Entrée, Tab ou un double-clic confirme le choix et passe à la suite.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Impossible d'ouvrir la configuration.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.</source>
        <translation>La configuration n'a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The parts database cannot be read.</source>
        <translation>Impossible de lire la base de données des pièces.</translation>
    </message>
    <message>
        <source>The price history cannot be read.</source>
        <translation>Impossible de lire l'historique des prix.</translation>
    </message>
    <message>
        <source>The configuration has not been saved.

Do you want to save it?</source>
        <translation>La configuration n'a pas été enregistrée.

Voulez-vous l'enregistrer ?</translation>
    </message>
    <message>
        <source>The ordering page could not be written.</source>
        <translation>La page de commande n'a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The document %1 cannot be read.</source>
        <translation>Le document %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The document %1 is missing.</source>
        <translation>Le document %1 est introuvable.</translation>
    </message>
    <message>
        <source>The document %1 cannot be opened: this computer has no program for documents of its kind (a word processor).</source>
        <translation>Le document %1 ne peut pas être ouvert : cet ordinateur n'a aucun programme pour les documents de ce type (un traitement de texte).</translation>
    </message>
    <message>
        <source>The rest of the page is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Le reste de la page est complet ; une fois les fichiers remis en place, les images y figurent de nouveau.</translation>
    </message>
    <message>
        <source>New &amp;Quote</source>
        <translation>Nouveau de&amp;vis</translation>
    </message>
    <message>
        <source>Quote Re&amp;gister...</source>
        <translation>Re&amp;gistre des devis...</translation>
    </message>
    <message>
        <source>The configuration in the main window is not finished yet: answer its steps until the print buttons show, then add it to the quote.</source>
        <translation>La configuration de la fenêtre principale n'est pas encore terminée : répondez à ses étapes jusqu'à ce que les boutons d'impression apparaissent, puis ajoutez-la au devis.</translation>
    </message>
    <message>
        <source>This configuration cannot be taken into a quote.</source>
        <translation>Cette configuration ne peut pas être reprise dans un devis.</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Impossible d'ouvrir le devis.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation>Page d'aide introuvable</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d'aide &lt;b&gt;%1&lt;/b&gt; ne se trouve pas dans le répertoire de programme.&lt;/p&gt;&lt;p&gt;Les pages d'aide se trouvent dans le dossier &lt;b&gt;%2&lt;/b&gt;, à côté du programme. Réinstaller le programme les remet en place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation>Aide de Telmaris</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>The contents</source>
        <translation>Le sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation>La page affichée précédemment</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation>La page d'où vous êtes revenu</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utilisation de l'aide</translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation>Fonctionnement de cette fenêtre</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Rechercher dans la page : </translation>
    </message>
    <message>
        <source>word or words</source>
        <translation>un ou plusieurs mots</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The place before</source>
        <translation>L'occurrence précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>L'occurrence suivante</translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation>Introuvable dans cette page</translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation>1 occurrence dans cette page</translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation>%1 occurrences dans cette page</translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation>Aide de Telmaris - %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>The page lacks the pictures of these files, which are missing or cannot be read:
%1</source>
        <translation>Il manque à la page les images de ces fichiers, absents ou illisibles :
%1</translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation>Sur cet ordinateur, Fichier ▸ Exporter en PDF... écrit la page de commande dans un fichier PDF.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>"%1" is not a price; the price of %2 stays as it was.</source>
        <translation>« %1 » n'est pas un prix ; le prix de %2 reste inchangé.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>Le prix de %1 n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>"%1" is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>« %1 » n'est pas compris entre 0 et %2 ; le prix de %3 reste inchangé.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un autre programme a changé le prix de %1 de %2 en %3 depuis que la liste l'a affiché : rien n'a été enregistré. La liste affiche maintenant les prix enregistrés.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un autre programme a retiré la pièce %1 de la base de données des pièces : rien n'a été enregistré. La liste affiche maintenant les prix enregistrés.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation>%1

OK importe les prix ; Annuler ne modifie rien.

</translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation>Fichier de prix (*.DAT)</translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation>Fichier de prix (*.TXT)</translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation>Fichier de prix (*.XLS *.XLSX)</translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation>Il n'y a aucune importation de prix à annuler.</translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation>OK rétablit les prix précédents ; Annuler ne modifie rien.

</translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation>Aucun prix n'a encore été importé ni modifié.
</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Importation de %1</translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation>Modifié dans %1</translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation>Annulation de l'importation %1 (%2)</translation>
    </message>
    <message>
        <source>price changed</source>
        <translation>prix modifié</translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation>prix modifiés</translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation>Nouveau prix :  %1
Inchangés :     %2
Mis à 0 :       %3
Déjà à 0 :      %4
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation>
Prix qui changent (référence, ancien prix, nouveau prix) :
</translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation>Importation %1 (%2, %3) : %4 prix reprennent leur valeur d'avant cette importation.
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation>
Prix qui changent (référence, actuel, après l'annulation) :
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Modifiés dans la liste de prix depuis l'importation, ces prix sont conservés (avant l'importation, actuel) :
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>La base de données des pièces a refusé les prix.</translation>
    </message>
    <message>
        <source>%1: the price "%2" is not between 0 and %3.</source>
        <translation>%1 : le prix « %2 » n'est pas compris entre 0 et %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price's decimals follow a period, not a comma (45.5, not 45,5).</source>
        <translation>Enregistrement %1 (ligne %2) : la ligne a %3 champs, qui ne forment pas des enregistrements complets d'une référence et d'un prix. Les décimales d'un prix suivent un point, pas une virgule (45.5, pas 45,5).</translation>
    </message>
    <message>
        <source>Line %1: the file holds more than %2 records, and a price list names a few thousand parts. It is no price file.</source>
        <translation>Ligne %1 : le fichier contient plus de %2 enregistrements, alors qu'une liste de prix nomme quelques milliers de pièces. Ce n'est pas un fichier de prix.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price file is a few hundred kilobytes. It is no price file.</source>
        <translation>Le fichier dépasse %1 Mo, alors qu'un fichier de prix fait quelques centaines de kilo-octets. Ce n'est pas un fichier de prix.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It is no price workbook.</source>
        <translation>Le fichier dépasse %1 Mo, alors qu'un classeur de prix fait quelques centaines de kilo-octets. Ce n'est pas un classeur de prix.</translation>
    </message>
    <message>
        <source>The workbook's part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>La partie %1 du classeur se décompresse en plus de %2 Mo, alors que les parties d'un classeur de prix sont bien plus petites. Ce n'est pas un classeur de prix.</translation>
    </message>
    <message>
        <source>The workbook's part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
        <translation>La partie %1 du classeur énumère plus de %2 relations, alors qu'un classeur de prix en a quelques-unes. Ce n'est pas un classeur de prix.</translation>
    </message>
    <message>
        <source>The first worksheet has the cell %1 below row %2, and a price list ends long before. It is no price workbook.</source>
        <translation>La première feuille de calcul a la cellule %1 sous la ligne %2, alors qu'une liste de prix s'arrête bien avant. Ce n'est pas un classeur de prix.</translation>
    </message>
    <message>
        <source>The workbook holds more than %1 shared texts, and a price workbook holds a few thousand. It is no price workbook.</source>
        <translation>Le classeur contient plus de %1 textes partagés, alors qu'un classeur de prix en contient quelques milliers. Ce n'est pas un classeur de prix.</translation>
    </message>
    <message>
        <source>There is no price history to set aside; nothing has been changed.
</source>
        <translation>Il n'y a aucun historique des prix à mettre de côté ; rien n'a été modifié.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>L'historique des prix %1 s'appelle maintenant %2 ; la prochaine importation ou modification de prix commence un nouvel historique vide.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program's price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. "telmaris %3" renames it aside, after which the prices start a new, empty history.</source>
        <translation>La table %1 n'est pas l'historique des prix du programme : %2. Les prix ne sont ni lus dans cette table ni modifiés avec elle, et rien n'a été modifié. « telmaris %3 » la renomme pour la mettre de côté ; les prix commencent alors un nouvel historique vide.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>les pièces de l'événement %1 ne sont pas telles que le programme les enregistre</translation>
    </message>
    <message>
        <source>it is a view, not a table</source>
        <translation>c'est une vue, pas une table</translation>
    </message>
    <message>
        <source>a trigger of its own acts on it</source>
        <translation>un déclencheur qui lui est propre agit sur elle</translation>
    </message>
    <message>
        <source>it is a virtual table</source>
        <translation>c'est une table virtuelle</translation>
    </message>
    <message>
        <source>its columns are not %1</source>
        <translation>ses colonnes ne sont pas %1</translation>
    </message>
    <message>
        <source>its event numbers are not whole numbers from 1 to %1</source>
        <translation>ses numéros d'événement ne sont pas des nombres entiers de 1 à %1</translation>
    </message>
    <message>
        <source>its events are not as the program records them</source>
        <translation>ses événements ne sont pas tels que le programme les enregistre</translation>
    </message>
    <message>
        <source>The database has no table tblDetaljPr (the parts and their prices): it is not a parts database of the program.</source>
        <translation>La base de données n'a pas de table tblDetaljPr (les pièces et leurs prix) : ce n'est pas une base de données des pièces du programme.</translation>
    </message>
    <message>
        <source>The table tblDetaljPr (the parts and their prices) has no column %1.</source>
        <translation>La table tblDetaljPr (les pièces et leurs prix) n'a pas de colonne %1.</translation>
    </message>
    <message>
        <source>The view %1 cannot be renamed: its definition is not readable.</source>
        <translation>La vue %1 ne peut pas être renommée : sa définition n'est pas lisible.</translation>
    </message>
    <message>
        <source>import %1 (%2) is now the last import not undone</source>
        <translation>l'importation %1 (%2) est maintenant la dernière importation non annulée</translation>
    </message>
    <message>
        <source>a change of the prices was recorded after it was shown</source>
        <translation>une modification des prix a été enregistrée après son affichage</translation>
    </message>
    <message>
        <source>prices it would change were changed meanwhile</source>
        <translation>des prix qu'elle changerait ont été modifiés entre-temps</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has been undone; choose the undo again to see what it would take back now.</source>
        <translation>L'historique des prix a changé après l'affichage de l'annulation de l'importation %1 (%2) : %3. Rien n'a été annulé ; choisissez à nouveau l'annulation pour voir ce qu'elle reprendrait maintenant.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>L'historique des prix a changé après l'affichage de l'annulation de l'importation %1 (%2) : il ne reste aucune importation à annuler. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Line %1: the closing quote is missing.</source>
        <translation>Ligne %1 : le guillemet fermant manque.</translation>
    </message>
    <message>
        <source>Line %1: a comma must follow the closing quote.</source>
        <translation>Ligne %1 : une virgule doit suivre le guillemet fermant.</translation>
    </message>
    <message>
        <source>Line %1: the field "%2" has a stray quote.</source>
        <translation>Ligne %1 : le champ « %2 » contient un guillemet isolé.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number "%3" has no price.</source>
        <translation>Enregistrement %1 (ligne %2) : la référence « %3 » n'a pas de prix.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price "%3" is not a number.</source>
        <translation>Enregistrement %1 (ligne %2) : le prix « %3 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>Record %1 (line %2)</source>
        <translation>Enregistrement %1 (ligne %2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: the price of %2 is missing or not a number.</source>
        <translation>%1 : le prix de %2 manque ou n'est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is not enough memory to finish this.</source>
        <translation>La mémoire ne suffit pas pour terminer cette opération.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <translation>Offre</translation>
    </message>
    <message>
        <source>Quote no.</source>
        <translation>Offre n°</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Interlocuteur</translation>
    </message>
    <message>
        <source>Your reference</source>
        <translation>Votre référence</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Notre référence</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valable jusqu'au</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Remises</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total net</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
</context>
<context>
    <name>QuoteWindow</name>
    <message>
        <source>US metric</source>
        <translation>US métrique</translation>
    </message>
    <message>
        <source>US imperial</source>
        <translation>US impériale</translation>
    </message>
    <message>
        <source>European</source>
        <translation>européenne</translation>
    </message>
    <message>
        <source>Telmaris quotes (*.telmaris)</source>
        <translation>Devis Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Quote...</source>
        <translation>&amp;Ouvrir un devis...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>Socié&amp;té :</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>&amp;Contact :</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>Adr&amp;esse :</translation>
    </message>
    <message>
        <source>C&amp;ustomer's reference:</source>
        <translation>Référence du cl&amp;ient :</translation>
    </message>
    <message>
        <source>&amp;Our reference:</source>
        <translation>&amp;Notre référence :</translation>
    </message>
    <message>
        <source>&amp;Valid for:</source>
        <translation>&amp;Valable :</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Numéro du devis :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Remarque :</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Positions :</translation>
    </message>
    <message>
        <source>&amp;Quantity:</source>
        <translation>&amp;Quantité :</translation>
    </message>
    <message>
        <source>Position not&amp;e:</source>
        <translation>Remarq&amp;ue de la position :</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Unit net</source>
        <translation>Net unitaire</translation>
    </message>
    <message>
        <source>Line net</source>
        <translation>Net total</translation>
    </message>
    <message>
        <source>The customer's company</source>
        <translation>La société du client</translation>
    </message>
    <message>
        <source>Payment, delivery</source>
        <translation>Paiement, livraison</translation>
    </message>
    <message>
        <source>&amp;Add current configuration</source>
        <translation>&amp;Ajouter la configuration actuelle</translation>
    </message>
    <message>
        <source>The configuration of the main window's steps, once it is finished, as a new position</source>
        <translation>La configuration des étapes de la fenêtre principale, une fois terminée, comme nouvelle position</translation>
    </message>
    <message>
        <source>Open in t&amp;he steps</source>
        <translation>&amp;Ouvrir dans les étapes</translation>
    </message>
    <message>
        <source>The selected position's configuration into the main window's steps, to change it</source>
        <translation>La configuration de la position sélectionnée dans les étapes de la fenêtre principale, pour la modifier</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Open Quote...</source>
        <translation>Ouvrir un devis...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>not issued yet: it is numbered when it is first printed, exported or saved</source>
        <translation>pas encore émis : il reçoit un numéro lors de sa première impression, exportation ou de son premier enregistrement</translation>
    </message>
    <message>
        <source>%1 of %2, as issued (read-only)</source>
        <translation>%1 du %2, tel qu'émis (lecture seule)</translation>
    </message>
    <message>
        <source>%1 of %2, at today's prices: issued again when it is next printed, exported or saved</source>
        <translation>%1 du %2, aux prix du jour : émis de nouveau lors de sa prochaine impression, exportation ou de son prochain enregistrement</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 du %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>jusqu'au %1</translation>
    </message>
    <message>
        <source>The languages of the %1 price list</source>
        <translation>Les langues de la liste de prix %1</translation>
    </message>
    <message>
        <source>, lift %1 ft</source>
        <translation>, levée %1 ft</translation>
    </message>
    <message>
        <source>, lift %1 m</source>
        <translation>, levée %1 m</translation>
    </message>
    <message>
        <source>Net total: %1</source>
        <translation>Total net : %1</translation>
    </message>
    <message>
        <source>No position yet: configure a hoist in the main window, then Add current configuration.</source>
        <translation>Aucune position pour l'instant : configurez un palan dans la fenêtre principale, puis Ajouter la configuration actuelle.</translation>
    </message>
    <message>
        <source>&amp;Replace position %1 with the current configuration</source>
        <translation>Remplacer &amp;la position %1 par la configuration actuelle</translation>
    </message>
    <message>
        <source>&amp;Replace position with the current configuration</source>
        <translation>Remplacer &amp;la position par la configuration actuelle</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Nouveau devis</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Devis %1</translation>
    </message>
    <message>
        <source>This quote is made from the %1 price list, and the configuration in the main window from the %2 one. A quote holds the positions of one price list only: make a new quote for this configuration.</source>
        <translation>Ce devis est établi sur la liste de prix %1, et la configuration de la fenêtre principale sur la liste de prix %2. Un devis ne contient que les positions d'une seule liste de prix : faites un nouveau devis pour cette configuration.</translation>
    </message>
    <message>
        <source>A quote holds at most %1 positions.</source>
        <translation>Un devis contient au plus %1 positions.</translation>
    </message>
    <message>
        <source>The quote has not been saved.

Do you want to save it?</source>
        <translation>Le devis n'a pas été enregistré.

Voulez-vous l'enregistrer ?</translation>
    </message>
    <message>
        <source>The quote %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>Le devis %1 a été modifié depuis son ouverture ou son enregistrement.

Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Open quote</source>
        <translation>Ouvrir un devis</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Impossible d'ouvrir le devis.</translation>
    </message>
    <message>
        <source>The quote has no position to save yet.</source>
        <translation>Le devis n'a encore aucune position à enregistrer.</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Enregistrer le devis</translation>
    </message>
    <message>
        <source>The quote could not be saved.</source>
        <translation>Le devis n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The quote has no position yet. Configure a hoist in the main window, then choose Add current configuration.</source>
        <translation>Le devis n'a encore aucune position. Configurez un palan dans la fenêtre principale, puis choisissez Ajouter la configuration actuelle.</translation>
    </message>
    <message>
        <source>The quote cannot be printed.</source>
        <translation>Impossible d'imprimer le devis.</translation>
    </message>
    <message>
        <source>The quote's number could not be written into its file.</source>
        <translation>Le numéro du devis n'a pas pu être écrit dans son fichier.</translation>
    </message>
    <message>
        <source>The quote could not be recorded in the register of quotes, so it has not been numbered or printed.</source>
        <translation>Le devis n'a pas pu être consigné dans le registre des devis : il n'a donc été ni numéroté ni imprimé.</translation>
    </message>
    <message>
        <source>The quote could not be written.</source>
        <translation>Le devis n'a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The rest of the quote is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Le reste du devis est complet ; une fois les fichiers remis à leur place, les images y figurent de nouveau.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Devis</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>"%1" must be %2.</source>
        <translation>« %1 » doit être %2.</translation>
    </message>
    <message>
        <source>a list of at least one position</source>
        <translation>une liste d'au moins une position</translation>
    </message>
    <message>
        <source>a list of at most %1 positions</source>
        <translation>une liste d'au plus %1 positions</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un texte d'au plus %1 caractères</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>a variant of the same market as the first position's (%1): one quote holds hoists of one price list</source>
        <translation>une variante du même marché que celle de la première position (%1) : une offre ne contient que des palans d'une même liste de prix</translation>
    </message>
    <message>
        <source>one of %1 for this quote's hoists</source>
        <translation>l'une de %1 pour les palans de cette offre</translation>
    </message>
    <message>
        <source>"%1" is no key of a quote file.</source>
        <translation>« %1 » n'est pas une clé d'un fichier d'offre.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>a list of at most %1 texts</source>
        <translation>une liste d'au plus %1 textes</translation>
    </message>
    <message>
        <source>a date such as "2026-12-09"</source>
        <translation>une date comme « 2026-12-09 »</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>une liste de 1 à %1 positions</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>Le fichier dépasse %1 Ko, plus qu'il n'en faut pour une offre de %2 positions. Ce n'est ni une configuration ni une offre.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>L'offre a %1 positions, mais %2 listes ont été émises.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>L'offre %1 du registre est illisible : %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>L'offre %1 du registre est illisible : ses listes ne correspondent pas à ses positions.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>discounts</source>
        <translation>remises</translation>
    </message>
    <message>
        <source>net total</source>
        <translation>total net</translation>
    </message>
    <message>
        <source>Quote %1: no amount differs from today's prices.
</source>
        <translation>Offre %1 : aucun montant ne diffère des prix du jour.
</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices, amounts changed:
</source>
        <translation>Offre %1 aux prix du jour, montants modifiés :
</translation>
    </message>
    <message>
        <source>Position %1, %2 %3</source>
        <translation>Position %1, %2 %3</translation>
    </message>
    <message>
        <source>The register holds no quote yet.
</source>
        <translation>Le registre ne contient encore aucune offre.
</translation>
    </message>
    <message>
        <source>No quote of the register matches %1.
</source>
        <translation>Aucune offre du registre ne correspond à %1.
</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Quote Register</source>
        <translation>Registre des devis</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Customer, reference or quote number</source>
        <translation>Client, référence ou numéro de devis</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Customer's reference</source>
        <translation>Référence du client</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Notre référence</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total net</translation>
    </message>
    <message>
        <source>&amp;Open as issued</source>
        <translation>&amp;Ouvrir tel qu'émis</translation>
    </message>
    <message>
        <source>&amp;Reprice at today's prices</source>
        <translation>&amp;Chiffrer aux prix du jour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The register of quotes cannot be read.</source>
        <translation>Impossible de lire le registre des devis.</translation>
    </message>
    <message>
        <source>%1 (revision %2)</source>
        <translation>%1 (révision %2)</translation>
    </message>
    <message>
        <source>The quote %1 cannot be read from the register.</source>
        <translation>Impossible de lire le devis %1 dans le registre.</translation>
    </message>
    <message>
        <source>The register no longer holds the quote %1.</source>
        <translation>Le registre ne contient plus le devis %1.</translation>
    </message>
    <message>
        <source>The quote %1 cannot be priced at today's prices.</source>
        <translation>Impossible de chiffrer le devis %1 aux prix du jour.</translation>
    </message>
    <message>
        <source>OK opens the quote at today's prices in the quote window; it keeps its number and is issued as a new revision when it is next printed, exported or saved. Cancel leaves it as it is.</source>
        <translation>OK ouvre le devis aux prix du jour dans la fenêtre du devis ; il garde son numéro et est émis comme nouvelle révision lors de sa prochaine impression, exportation ou de son prochain enregistrement. Annuler le laisse tel quel.</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices</source>
        <translation>Devis %1 aux prix du jour</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program's author and describe what you did.</source>
        <translation>Le programme a rencontré une situation qu'il ne peut pas gérer et va se fermer.
Veuillez contacter l'auteur du programme et décrire ce que vous avez fait.</translation>
    </message>
</context>
<context>
    <name>Workbooks</name>
    <message>
        <source>it is cut short.</source>
        <translation>il est tronqué.</translation>
    </message>
    <message>
        <source>it is not a compound file.</source>
        <translation>ce n'est pas un fichier composé.</translation>
    </message>
    <message>
        <source>its compound file header is damaged.</source>
        <translation>son en-tête de fichier composé est endommagé.</translation>
    </message>
    <message>
        <source>its sector allocation table is damaged.</source>
        <translation>sa table d'allocation des secteurs est endommagée.</translation>
    </message>
    <message>
        <source>the list of its allocation table's sectors is damaged.</source>
        <translation>la liste des secteurs de sa table d'allocation est endommagée.</translation>
    </message>
    <message>
        <source>its sector allocation table</source>
        <translation>table d'allocation des secteurs</translation>
    </message>
    <message>
        <source>its mini allocation table</source>
        <translation>mini-table d'allocation</translation>
    </message>
    <message>
        <source>it is cut short or its sectors are damaged.</source>
        <translation>il est tronqué ou ses secteurs sont endommagés.</translation>
    </message>
    <message>
        <source>%1 names a sector it does not have.</source>
        <translation>la structure « %1 » désigne un secteur qui n'existe pas.</translation>
    </message>
    <message>
        <source>the sectors of %1 go round in a loop.</source>
        <translation>les secteurs de la structure « %1 » forment une boucle.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>la structure « %1 » est endommagée.</translation>
    </message>
    <message>
        <source>%1 is longer than the file.</source>
        <translation>la structure « %1 » est plus longue que le fichier.</translation>
    </message>
    <message>
        <source>%1 ends before its length.</source>
        <translation>la structure « %1 » s'arrête avant sa longueur annoncée.</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>répertoire</translation>
    </message>
    <message>
        <source>its directory is damaged.</source>
        <translation>son répertoire est endommagé.</translation>
    </message>
    <message>
        <source>its stream %1</source>
        <translation>flux %1</translation>
    </message>
    <message>
        <source>its mini stream</source>
        <translation>mini-flux</translation>
    </message>
    <message>
        <source>%1 lies past the end of the mini stream.</source>
        <translation>la structure « %1 » se trouve au-delà de la fin du mini-flux.</translation>
    </message>
    <message>
        <source>it is damaged or not a workbook.</source>
        <translation>il est endommagé ou ce n'est pas un classeur.</translation>
    </message>
    <message>
        <source>its part %1 is missing.</source>
        <translation>sa partie %1 manque.</translation>
    </message>
    <message>
        <source>its part %1 is damaged.</source>
        <translation>sa partie %1 est endommagée.</translation>
    </message>
    <message>
        <source>its part %1 cannot be unpacked.</source>
        <translation>sa partie %1 ne peut pas être décompressée.</translation>
    </message>
    <message>
        <source>its part %1 is damaged (%2).</source>
        <translation>sa partie %1 est endommagée (%2).</translation>
    </message>
    <message>
        <source>row number</source>
        <translation>numéro de ligne</translation>
    </message>
    <message>
        <source>cell reference %1</source>
        <translation>référence de cellule %1</translation>
    </message>
    <message>
        <source>cell position</source>
        <translation>position de cellule</translation>
    </message>
    <message>
        <source>shared string %1</source>
        <translation>texte partagé %1</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>nombre %1</translation>
    </message>
    <message>
        <source>it holds no worksheet.</source>
        <translation>il ne contient aucune feuille de calcul.</translation>
    </message>
    <message>
        <source>%1 holds a formula without a value.</source>
        <translation>%1 contient une formule sans valeur.</translation>
    </message>
    <message>
        <source>%1 holds the error value %2.</source>
        <translation>%1 contient la valeur d'erreur %2.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be read: %2</source>
        <translation>Le classeur %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>il ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>it is not an Excel workbook.</source>
        <translation>ce n'est pas un classeur Excel.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1 are damaged.</source>
        <translation>la structure « %1 » est endommagée.</translation>
    </message>
    <message>
        <source>its list of sheets is damaged.</source>
        <translation>sa liste des feuilles est endommagée.</translation>
    </message>
    <message>
        <source>its workbook stream ends in the middle of a record.</source>
        <translation>son flux de classeur se termine au milieu d'un enregistrement.</translation>
    </message>
    <message>
        <source>its record at byte %1 of the workbook stream is damaged.</source>
        <translation>son enregistrement à l'octet %1 du flux de classeur est endommagé.</translation>
    </message>
    <message>
        <source>its workbook stream does not begin with the workbook's globals.</source>
        <translation>son flux de classeur ne commence pas par les données globales du classeur.</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without the password and import it again.</source>
        <translation>il est protégé par un mot de passe. Enregistrez-le sans mot de passe et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>its shared strings</source>
        <translation>textes partagés</translation>
    </message>
    <message>
        <source>the texts of its cells</source>
        <translation>textes des cellules</translation>
    </message>
    <message>
        <source>its cell %1 names a shared string it does not hold.</source>
        <translation>sa cellule %1 désigne un texte partagé qu'il ne contient pas.</translation>
    </message>
    <message>
        <source>it holds no workbook stream.</source>
        <translation>il ne contient aucun flux de classeur.</translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The folder cannot be entered.</source>
        <translation>Impossible d'accéder au dossier.</translation>
    </message>
    <message>
        <source>The program directory cannot be opened.</source>
        <translation>Impossible d'ouvrir le répertoire du programme.</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Impossible d'ouvrir la configuration.</translation>
    </message>
</context>
</TS>