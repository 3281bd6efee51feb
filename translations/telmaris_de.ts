<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>Die Datei ist größer als %1 KB, eine Konfiguration hat etwa ein halbes Kilobyte. Sie ist keine Konfiguration.</translation>
    </message>
    <message>
        <source>"%1" must be %2.</source>
        <translation>"%1" muss %2 sein.</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a text of digits with at most one "." or ","</source>
        <translation>ein Text aus Ziffern mit höchstens einem "." oder ","</translation>
    </message>
    <message>
        <source>one of "%1" or null</source>
        <translation>eines von "%1" oder null</translation>
    </message>
    <message>
        <source>an object is not closed</source>
        <translation>ein Objekt ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a colon is missing after a name</source>
        <translation>nach einem Namen fehlt ein Doppelpunkt</translation>
    </message>
    <message>
        <source>a list is not closed</source>
        <translation>eine Liste ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a comma is missing between two values</source>
        <translation>zwischen zwei Werten fehlt ein Komma</translation>
    </message>
    <message>
        <source>a value is not valid</source>
        <translation>ein Wert ist ungültig</translation>
    </message>
    <message>
        <source>the file ends in a number</source>
        <translation>die Datei endet mitten in einer Zahl</translation>
    </message>
    <message>
        <source>a number is not valid</source>
        <translation>eine Zahl ist ungültig</translation>
    </message>
    <message>
        <source>a text has an invalid escape sequence</source>
        <translation>ein Text enthält eine ungültige Escape-Sequenz</translation>
    </message>
    <message>
        <source>a text is not valid UTF-8</source>
        <translation>ein Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>ein Text ist nicht geschlossen</translation>
    </message>
    <message>
        <source>an object is missing after a comma</source>
        <translation>nach einem Komma fehlt ein Objekt</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>die Werte sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the document is too large</source>
        <translation>das Dokument ist zu groß</translation>
    </message>
    <message>
        <source>more follows the end of the document</source>
        <translation>nach dem Ende des Dokuments folgt noch mehr</translation>
    </message>
    <message>
        <source>its contents cannot be read</source>
        <translation>ihr Inhalt kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file is no configuration: %1 (at character %2).</source>
        <translation>Die Datei ist keine Konfiguration: %1 (bei Zeichen %2).</translation>
    </message>
    <message>
        <source>The file is no configuration.</source>
        <translation>Die Datei ist keine Konfiguration.</translation>
    </message>
    <message>
        <source>one of the eight variants, such as "English European"</source>
        <translation>eine der acht Varianten, etwa "English European"</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a whole number from 0 to 99</source>
        <translation>eine ganze Zahl von 0 bis 99</translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation>Der Rabatt beträgt 0 bis 99 %.</translation>
    </message>
    <message>
        <source>: not offered for the %1 with the answers of the steps before.</source>
        <translation>: für den %1 mit den Antworten der vorigen Schritte nicht angeboten.</translation>
    </message>
    <message>
        <source>The trolley is not chosen.</source>
        <translation>Das Fahrwerk ist nicht gewählt.</translation>
    </message>
    <message>
        <source>The hoist control is not chosen.</source>
        <translation>Die Steuerung des Kettenzugs ist nicht gewählt.</translation>
    </message>
    <message>
        <source>The trolley control is not chosen.</source>
        <translation>Die Steuerung des Fahrwerks ist nicht gewählt.</translation>
    </message>
    <message>
        <source>The configuration does not reach the output buttons.</source>
        <translation>Die Konfiguration erreicht die Ausgabeschaltflächen nicht.</translation>
    </message>
    <message>
        <source>the walk has not reached the step of this answer</source>
        <translation>die Konfiguration hat den Schritt dieser Antwort noch nicht erreicht</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The folder %1 is read-only: the database cannot be changed there, as a change needs a journal file beside it (%2).</source>
        <translation>Der Ordner %1 ist schreibgeschützt: Die Datenbank kann dort nicht geändert werden, da eine Änderung eine Journaldatei neben ihr braucht (%2).</translation>
    </message>
    <message>
        <source>The database file is read-only: it cannot be changed (%1).</source>
        <translation>Die Datenbankdatei ist schreibgeschützt: Sie kann nicht geändert werden (%1).</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Dies ist ein Ordner, keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket), so it holds no database.</source>
        <translation>Dies ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket) und enthält daher keine Datenbank.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no database.</source>
        <translation>Die Datei ist leer: Sie enthält keine Datenbank.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation>Bestellliste</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation>Die Arbeitsmappe %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation>In %1 kann kein Ordner für die Arbeitsmappe angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>Die Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation>Dies ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Die Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file could not be written completely; the disk may be full. A previous file of this name is unchanged.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden; vielleicht ist der Datenträger voll. Eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.</source>
        <translation>Die Preisliste kann nicht aus der Teiledatenbank gelesen werden.</translation>
    </message>
    <message>
        <source>Ordering number or description</source>
        <translation>Bestellnummer oder Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Kein Tabellenkalkulationsprogramm konnte die Bestellliste öffnen.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>OK speichert die Arbeitsmappe, wo Sie wählen; Abbrechen verwirft sie.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Bestellliste speichern</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>Die Bestellliste konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation>Telmaris-Konfigurationen (*.telmaris)</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>Die Konfiguration %1 wurde seit dem Öffnen oder Speichern geändert.

Sollen die Änderungen gespeichert werden?</translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation>Die Konfiguration %1 existiert nicht mehr. Sie wurde aus den zuletzt verwendeten Konfigurationen entfernt.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation>&amp;Zuletzt verwendete Konfigurationen</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation>Preisver&amp;lauf</translation>
    </message>
    <message>
        <source>Undo &amp;last price import</source>
        <translation>Letzten Preisimport &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Bestellliste auf dem Bildschirm anzeigen</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Bestellliste drucken</translation>
    </message>
    <message>
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Ein Klick auf ein Modell in der Liste oder die Eingabetaste bestätigt das Modell und führt weiter.</translation>
    </message>
    <message>
        <source>A click ticks or clears the box and moves on; Enter or Tab moves on without changing it.</source>
        <translation>Ein Klick setzt oder löscht das Häkchen und führt weiter; Eingabetaste oder Tab führt weiter, ohne es zu ändern.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click in the box confirms the value and moves on.</source>
        <translation>Eingabetaste, Tab oder ein Doppelklick in das Feld bestätigt den Wert und führt weiter.</translation>
    </message>
    <message>
        <source>A click or Enter takes this length and moves on.</source>
        <translation>Ein Klick oder die Eingabetaste übernimmt diese Länge und führt weiter.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click confirms the choice and moves on.</source>
        <translation>Eingabetaste, Tab oder ein Doppelklick bestätigt die Auswahl und führt weiter.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Die Konfiguration kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.</source>
        <translation>Die Konfiguration konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The parts database cannot be read.</source>
        <translation>Die Teiledatenbank kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The price history cannot be read.</source>
        <translation>Der Preisverlauf kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The configuration has not been saved.

Do you want to save it?</source>
        <translation>Die Konfiguration wurde nicht gespeichert.

Soll sie gespeichert werden?</translation>
    </message>
    <message>
        <source>The ordering page could not be written.</source>
        <translation>Die Bestellseite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The document %1 cannot be read.</source>
        <translation>Das Dokument %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The document %1 is missing.</source>
        <translation>Das Dokument %1 fehlt.</translation>
    </message>
    <message>
        <source>The document %1 cannot be opened: this computer has no program for documents of its kind (a word processor).</source>
        <translation>Das Dokument %1 kann nicht geöffnet werden: Dieser Computer hat kein Programm für Dokumente dieser Art (eine Textverarbeitung).</translation>
    </message>
    <message>
        <source>The rest of the page is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Der Rest der Seite ist vollständig; sind die Dateien wieder an ihrem Platz, erscheinen die Bilder wieder.</translation>
    </message>
    <message>
        <source>New &amp;Quote</source>
        <translation>Neues &amp;Angebot</translation>
    </message>
    <message>
        <source>Quote Re&amp;gister...</source>
        <translation>Angebots&amp;register...</translation>
    </message>
    <message>
        <source>The configuration in the main window is not finished yet: answer its steps until the print buttons show, then add it to the quote.</source>
        <translation>Die Konfiguration im Hauptfenster ist noch nicht fertig: Beantworten Sie ihre Schritte, bis die Druckschaltflächen erscheinen, und fügen Sie sie dann dem Angebot hinzu.</translation>
    </message>
    <message>
        <source>This configuration cannot be taken into a quote.</source>
        <translation>Diese Konfiguration kann nicht in ein Angebot übernommen werden.</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Das Angebot kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation>Hilfeseite nicht gefunden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; befindet sich nicht im Programmverzeichnis.&lt;/p&gt;&lt;p&gt;Die Hilfeseiten gehören in den Ordner &lt;b&gt;%2&lt;/b&gt; neben dem Programm. Eine erneute Installation des Programms stellt sie wieder her.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation>Telmaris-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The contents</source>
        <translation>Das Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation>Die zuvor angezeigte Seite</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation>Die Seite vor dem letzten Zurück</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Hilfe verwenden</translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation>So funktioniert dieses Fenster</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Auf der Seite suchen: </translation>
    </message>
    <message>
        <source>word or words</source>
        <translation>Wort oder Wörter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>The place before</source>
        <translation>Die vorherige Fundstelle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>Die nächste Fundstelle</translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation>Auf dieser Seite nicht gefunden</translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation>1 Fundstelle auf dieser Seite</translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation>%1 Fundstellen auf dieser Seite</translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation>Telmaris-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>The page lacks the pictures of these files, which are missing or cannot be read:
%1</source>
        <translation>Der Seite fehlen die Bilder dieser Dateien, die fehlen oder nicht gelesen werden können:
%1</translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation>Auf diesem Computer schreibt Datei ▸ Als PDF exportieren... die Bestellseite in eine PDF-Datei.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>"%1" is not a price; the price of %2 stays as it was.</source>
        <translation>„%1“ ist kein Preis; der Preis von %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>Der Preis von %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>"%1" is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>„%1“ liegt nicht zwischen 0 und %2; der Preis von %3 bleibt unverändert.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Ein anderes Programm hat den Preis von %1 von %2 auf %3 geändert, seit die Liste ihn zeigte: Es wurde nichts gespeichert. Die Liste zeigt jetzt die gespeicherten Preise.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Ein anderes Programm hat das Teil %1 aus der Teiledatenbank entfernt: Es wurde nichts gespeichert. Die Liste zeigt jetzt die gespeicherten Preise.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation>%1

OK liest die Preise ein; Abbrechen ändert nichts.

</translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation>Preisdatei (*.DAT)</translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation>Preisdatei (*.TXT)</translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation>Preisdatei (*.XLS *.XLSX)</translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation>Es gibt keinen Preisimport, der rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation>OK stellt die vorherigen Preise wieder her; Abbrechen ändert nichts.

</translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation>Es wurden noch keine Preise eingelesen oder geändert.
</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Import von %1</translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation>Geändert in %1</translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation>Rücknahme von Import %1 (%2)</translation>
    </message>
    <message>
        <source>price changed</source>
        <translation>Preis geändert</translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation>Preise geändert</translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation>Neuer Preis:    %1
Unverändert:    %2
Auf 0 gesetzt:  %3
Bereits 0:      %4
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation>
Preise, die sich ändern (Bestellnummer, alter Preis, neuer Preis):
</translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation>Import %1 (%2, %3): %4 Preise kehren zu ihrem Preis vor diesem Import zurück.
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation>
Preise, die sich ändern (Bestellnummer, jetzt, nach dem Rückgängigmachen):
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Seit dem Import in der Preisliste geändert; diese Preise bleiben erhalten (vor dem Import, jetzt):
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>Die Teiledatenbank hat die Preise abgelehnt.</translation>
    </message>
    <message>
        <source>%1: the price "%2" is not between 0 and %3.</source>
        <translation>%1: Der Preis „%2“ liegt nicht zwischen 0 und %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price's decimals follow a period, not a comma (45.5, not 45,5).</source>
        <translation>Datensatz %1 (Zeile %2): Die Zeile hat %3 Felder, die keine vollständigen Datensätze aus Bestellnummer und Preis ergeben. Die Dezimalstellen eines Preises folgen einem Punkt, nicht einem Komma (45.5, nicht 45,5).</translation>
    </message>
    <message>
        <source>Line %1: the file holds more than %2 records, and a price list names a few thousand parts. It is no price file.</source>
        <translation>Zeile %1: Die Datei enthält mehr als %2 Datensätze, eine Preisliste nennt einige tausend Teile. Sie ist keine Preisdatei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price file is a few hundred kilobytes. It is no price file.</source>
        <translation>Die Datei ist größer als %1 MB, eine Preisdatei hat einige hundert Kilobyte. Sie ist keine Preisdatei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It is no price workbook.</source>
        <translation>Die Datei ist größer als %1 MB, eine Preis-Arbeitsmappe hat einige hundert Kilobyte. Sie ist keine Preis-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The workbook's part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>Der Teil %1 der Arbeitsmappe entpackt sich zu mehr als %2 MB, die Teile einer Preis-Arbeitsmappe sind weit kleiner. Sie ist keine Preis-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The workbook's part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
        <translation>Der Teil %1 der Arbeitsmappe führt mehr als %2 Beziehungen auf, eine Preis-Arbeitsmappe hat wenige. Sie ist keine Preis-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The first worksheet has the cell %1 below row %2, and a price list ends long before. It is no price workbook.</source>
        <translation>Das erste Arbeitsblatt hat die Zelle %1 unterhalb von Zeile %2, eine Preisliste endet lange vorher. Sie ist keine Preis-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The workbook holds more than %1 shared texts, and a price workbook holds a few thousand. It is no price workbook.</source>
        <translation>Die Arbeitsmappe enthält mehr als %1 gemeinsame Texte, eine Preis-Arbeitsmappe enthält einige tausend. Sie ist keine Preis-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>There is no price history to set aside; nothing has been changed.
</source>
        <translation>Es gibt keinen Preisverlauf, der beiseitegelegt werden kann; es wurde nichts geändert.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>Der Preisverlauf %1 heißt jetzt %2; der nächste Import oder die nächste Preisänderung beginnt einen neuen, leeren Verlauf.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program's price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. "telmaris %3" renames it aside, after which the prices start a new, empty history.</source>
        <translation>Die Tabelle %1 ist nicht der Preisverlauf des Programms: %2. Die Preise werden weder aus ihr gelesen noch mit ihr geändert, und es wurde nichts geändert. „telmaris %3“ benennt sie um und legt sie beiseite; danach beginnen die Preise einen neuen, leeren Verlauf.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>die Teile von Ereignis %1 sind nicht so, wie das Programm sie aufzeichnet</translation>
    </message>
    <message>
        <source>it is a view, not a table</source>
        <translation>sie ist eine Sicht, keine Tabelle</translation>
    </message>
    <message>
        <source>a trigger of its own acts on it</source>
        <translation>ein eigener Trigger wirkt auf sie</translation>
    </message>
    <message>
        <source>it is a virtual table</source>
        <translation>sie ist eine virtuelle Tabelle</translation>
    </message>
    <message>
        <source>its columns are not %1</source>
        <translation>ihre Spalten sind nicht %1</translation>
    </message>
    <message>
        <source>its event numbers are not whole numbers from 1 to %1</source>
        <translation>ihre Ereignisnummern sind keine ganzen Zahlen von 1 bis %1</translation>
    </message>
    <message>
        <source>its events are not as the program records them</source>
        <translation>ihre Ereignisse sind nicht so, wie das Programm sie aufzeichnet</translation>
    </message>
    <message>
        <source>The database has no table tblDetaljPr (the parts and their prices): it is not a parts database of the program.</source>
        <translation>Die Datenbank hat keine Tabelle tblDetaljPr (die Teile und ihre Preise): Sie ist keine Teiledatenbank des Programms.</translation>
    </message>
    <message>
        <source>The table tblDetaljPr (the parts and their prices) has no column %1.</source>
        <translation>Die Tabelle tblDetaljPr (die Teile und ihre Preise) hat keine Spalte %1.</translation>
    </message>
    <message>
        <source>The view %1 cannot be renamed: its definition is not readable.</source>
        <translation>Die Sicht %1 kann nicht umbenannt werden: Ihre Definition ist nicht lesbar.</translation>
    </message>
    <message>
        <source>import %1 (%2) is now the last import not undone</source>
        <translation>Import %1 (%2) ist jetzt der letzte nicht rückgängig gemachte Import</translation>
    </message>
    <message>
        <source>a change of the prices was recorded after it was shown</source>
        <translation>eine Preisänderung wurde aufgezeichnet, nachdem sie angezeigt wurde</translation>
    </message>
    <message>
        <source>prices it would change were changed meanwhile</source>
        <translation>Preise, die sie ändern würde, wurden inzwischen geändert</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has been undone; choose the undo again to see what it would take back now.</source>
        <translation>Der Preisverlauf hat sich geändert, nachdem das Rückgängigmachen von Import %1 (%2) angezeigt wurde: %3. Es wurde nichts rückgängig gemacht; wählen Sie das Rückgängigmachen erneut, um zu sehen, was es jetzt zurücknehmen würde.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>Der Preisverlauf hat sich geändert, nachdem das Rückgängigmachen von Import %1 (%2) angezeigt wurde: Es ist kein Import mehr rückgängig zu machen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Line %1: the closing quote is missing.</source>
        <translation>Zeile %1: Das schließende Anführungszeichen fehlt.</translation>
    </message>
    <message>
        <source>Line %1: a comma must follow the closing quote.</source>
        <translation>Zeile %1: Auf das schließende Anführungszeichen muss ein Komma folgen.</translation>
    </message>
    <message>
        <source>Line %1: the field "%2" has a stray quote.</source>
        <translation>Zeile %1: Das Feld „%2“ enthält ein einzelnes Anführungszeichen.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number "%3" has no price.</source>
        <translation>Datensatz %1 (Zeile %2): Die Bestellnummer „%3“ hat keinen Preis.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price "%3" is not a number.</source>
        <translation>Datensatz %1 (Zeile %2): Der Preis „%3“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Record %1 (line %2)</source>
        <translation>Datensatz %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1: the price of %2 is missing or not a number.</source>
        <translation>%1: Der Preis von %2 fehlt oder ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is not enough memory to finish this.</source>
        <translation>Der Arbeitsspeicher reicht nicht aus, um dies abzuschließen.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Quote no.</source>
        <translation>Angebots-Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Your reference</source>
        <translation>Ihr Zeichen</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Unser Zeichen</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Rabatte</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Nettosumme</translation>
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
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
</context>
<context>
    <name>QuoteWindow</name>
    <message>
        <source>US metric</source>
        <translation>US metrisch</translation>
    </message>
    <message>
        <source>US imperial</source>
        <translation>US zöllig</translation>
    </message>
    <message>
        <source>European</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Telmaris quotes (*.telmaris)</source>
        <translation>Telmaris-Angebote (*.telmaris)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Quote...</source>
        <translation>&amp;Angebot öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>Ansprec&amp;hpartner:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>Ans&amp;chrift:</translation>
    </message>
    <message>
        <source>C&amp;ustomer's reference:</source>
        <translation>&amp;Zeichen des Kunden:</translation>
    </message>
    <message>
        <source>&amp;Our reference:</source>
        <translation>&amp;Unser Zeichen:</translation>
    </message>
    <message>
        <source>&amp;Valid for:</source>
        <translation>&amp;Gültig für:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Angebotsnummer:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Bemerkung:</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Positionen:</translation>
    </message>
    <message>
        <source>&amp;Quantity:</source>
        <translation>&amp;Menge:</translation>
    </message>
    <message>
        <source>Position not&amp;e:</source>
        <translation>Bemer&amp;kung zur Position:</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Unit net</source>
        <translation>Netto je Stück</translation>
    </message>
    <message>
        <source>Line net</source>
        <translation>Netto gesamt</translation>
    </message>
    <message>
        <source>The customer's company</source>
        <translation>Die Firma des Kunden</translation>
    </message>
    <message>
        <source>Payment, delivery</source>
        <translation>Zahlung, Lieferung</translation>
    </message>
    <message>
        <source>&amp;Add current configuration</source>
        <translation>&amp;Aktuelle Konfiguration hinzufügen</translation>
    </message>
    <message>
        <source>The configuration of the main window's steps, once it is finished, as a new position</source>
        <translation>Die Konfiguration aus den Schritten des Hauptfensters, sobald sie fertig ist, als neue Position</translation>
    </message>
    <message>
        <source>Open in t&amp;he steps</source>
        <translation>&amp;In den Schritten öffnen</translation>
    </message>
    <message>
        <source>The selected position's configuration into the main window's steps, to change it</source>
        <translation>Die Konfiguration der ausgewählten Position in die Schritte des Hauptfensters, um sie zu ändern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Nach unten</translation>
    </message>
    <message>
        <source>Open Quote...</source>
        <translation>Angebot öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>noch nicht ausgestellt: erhält beim ersten Drucken, Exportieren oder Speichern eine Nummer</translation>
    </message>
    <message>
        <source>%1 of %2, as issued (read-only)</source>
        <translation>%1 vom %2, wie ausgestellt (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1 of %2, at today's prices: issued again when it is next printed, exported or saved</source>
        <translation>%1 vom %2, zu heutigen Preisen: wird beim nächsten Drucken, Exportieren oder Speichern neu ausgestellt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 vom %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>The languages of the %1 price list</source>
        <translation>Die Sprachen der Preisliste %1</translation>
    </message>
    <message>
        <source>, lift %1 ft</source>
        <translation>, Hubhöhe %1 ft</translation>
    </message>
    <message>
        <source>, lift %1 m</source>
        <translation>, Hubhöhe %1 m</translation>
    </message>
    <message>
        <source>Net total: %1</source>
        <translation>Nettosumme: %1</translation>
    </message>
    <message>
        <source>No position yet: configure a hoist in the main window, then Add current configuration.</source>
        <translation>Noch keine Position: Konfigurieren Sie einen Kettenzug im Hauptfenster, dann Aktuelle Konfiguration hinzufügen.</translation>
    </message>
    <message>
        <source>&amp;Replace position %1 with the current configuration</source>
        <translation>Posi&amp;tion %1 durch die aktuelle Konfiguration ersetzen</translation>
    </message>
    <message>
        <source>&amp;Replace position with the current configuration</source>
        <translation>Posi&amp;tion durch die aktuelle Konfiguration ersetzen</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Neues Angebot</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>This quote is made from the %1 price list, and the configuration in the main window from the %2 one. A quote holds the positions of one price list only: make a new quote for this configuration.</source>
        <translation>Dieses Angebot beruht auf der Preisliste %1, die Konfiguration im Hauptfenster auf der Preisliste %2. Ein Angebot enthält nur Positionen einer Preisliste: Erstellen Sie für diese Konfiguration ein neues Angebot.</translation>
    </message>
    <message>
        <source>A quote holds at most %1 positions.</source>
        <translation>Ein Angebot enthält höchstens %1 Positionen.</translation>
    </message>
    <message>
        <source>The quote has not been saved.

Do you want to save it?</source>
        <translation>Das Angebot wurde nicht gespeichert.

Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>The quote %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>Das Angebot %1 wurde seit dem Öffnen oder Speichern geändert.

Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Open quote</source>
        <translation>Angebot öffnen</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Das Angebot kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The quote has no position to save yet.</source>
        <translation>Das Angebot hat noch keine Position, die gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Angebot speichern</translation>
    </message>
    <message>
        <source>The quote could not be saved.</source>
        <translation>Das Angebot konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The quote has no position yet. Configure a hoist in the main window, then choose Add current configuration.</source>
        <translation>Das Angebot hat noch keine Position. Konfigurieren Sie einen Kettenzug im Hauptfenster und wählen Sie dann Aktuelle Konfiguration hinzufügen.</translation>
    </message>
    <message>
        <source>The quote cannot be printed.</source>
        <translation>Das Angebot kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The quote's number could not be written into its file.</source>
        <translation>Die Nummer des Angebots konnte nicht in seine Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>The quote could not be recorded in the register of quotes, so it has not been numbered or printed.</source>
        <translation>Das Angebot konnte nicht im Angebotsregister festgehalten werden; es wurde daher weder nummeriert noch gedruckt.</translation>
    </message>
    <message>
        <source>The quote could not be written.</source>
        <translation>Das Angebot konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The rest of the quote is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Der Rest des Angebots ist vollständig; sobald die Dateien wieder an ihrem Platz sind, stehen auch die Bilder wieder darauf.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>"%1" must be %2.</source>
        <translation>„%1“ muss %2 sein.</translation>
    </message>
    <message>
        <source>a list of at least one position</source>
        <translation>eine Liste mit mindestens einer Position</translation>
    </message>
    <message>
        <source>a list of at most %1 positions</source>
        <translation>eine Liste mit höchstens %1 Positionen</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>ein Text mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>a variant of the same market as the first position's (%1): one quote holds hoists of one price list</source>
        <translation>eine Variante desselben Marktes wie die der ersten Position (%1): ein Angebot enthält Kettenzüge einer einzigen Preisliste</translation>
    </message>
    <message>
        <source>one of %1 for this quote's hoists</source>
        <translation>eine von %1 für die Kettenzüge dieses Angebots</translation>
    </message>
    <message>
        <source>"%1" is no key of a quote file.</source>
        <translation>„%1“ ist kein Schlüssel einer Angebotsdatei.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a list of at most %1 texts</source>
        <translation>eine Liste mit höchstens %1 Texten</translation>
    </message>
    <message>
        <source>a date such as "2026-12-09"</source>
        <translation>ein Datum wie „2026-12-09“</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>eine Liste mit 1 bis %1 Positionen</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>Die Datei ist größer als %1 KB, mehr als ein Angebot mit %2 Positionen braucht. Sie ist weder eine Konfiguration noch ein Angebot.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>Das Angebot hat %1 Positionen, ausgestellt wurden aber %2 Listen.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>Das Angebot %1 im Register kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>Das Angebot %1 im Register kann nicht gelesen werden: seine Listen passen nicht zu seinen Positionen.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>discounts</source>
        <translation>Rabatte</translation>
    </message>
    <message>
        <source>net total</source>
        <translation>Nettosumme</translation>
    </message>
    <message>
        <source>Quote %1: no amount differs from today's prices.
</source>
        <translation>Angebot %1: kein Betrag weicht von den heutigen Preisen ab.
</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices, amounts changed:
</source>
        <translation>Angebot %1 zu heutigen Preisen, geänderte Beträge:
</translation>
    </message>
    <message>
        <source>Position %1, %2 %3</source>
        <translation>Position %1, %2 %3</translation>
    </message>
    <message>
        <source>The register holds no quote yet.
</source>
        <translation>Das Register enthält noch kein Angebot.
</translation>
    </message>
    <message>
        <source>No quote of the register matches %1.
</source>
        <translation>Kein Angebot im Register passt zu %1.
</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Quote Register</source>
        <translation>Angebotsregister</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Customer, reference or quote number</source>
        <translation>Kunde, Zeichen oder Angebotsnummer</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Customer's reference</source>
        <translation>Zeichen des Kunden</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Unser Zeichen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Nettosumme</translation>
    </message>
    <message>
        <source>&amp;Open as issued</source>
        <translation>&amp;Wie ausgestellt öffnen</translation>
    </message>
    <message>
        <source>&amp;Reprice at today's prices</source>
        <translation>Zu heutigen Preisen neu &amp;kalkulieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The register of quotes cannot be read.</source>
        <translation>Das Angebotsregister kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 (revision %2)</source>
        <translation>%1 (Revision %2)</translation>
    </message>
    <message>
        <source>The quote %1 cannot be read from the register.</source>
        <translation>Das Angebot %1 kann nicht aus dem Register gelesen werden.</translation>
    </message>
    <message>
        <source>The register no longer holds the quote %1.</source>
        <translation>Das Register enthält das Angebot %1 nicht mehr.</translation>
    </message>
    <message>
        <source>The quote %1 cannot be priced at today's prices.</source>
        <translation>Das Angebot %1 kann nicht zu heutigen Preisen kalkuliert werden.</translation>
    </message>
    <message>
        <source>OK opens the quote at today's prices in the quote window; it keeps its number and is issued as a new revision when it is next printed, exported or saved. Cancel leaves it as it is.</source>
        <translation>OK öffnet das Angebot zu heutigen Preisen im Angebotsfenster; es behält seine Nummer und wird beim nächsten Drucken, Exportieren oder Speichern als neue Revision ausgestellt. Abbrechen lässt es, wie es ist.</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices</source>
        <translation>Angebot %1 zu heutigen Preisen</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program's author and describe what you did.</source>
        <translation>Das Programm ist auf eine Situation gestoßen, die es nicht behandeln kann, und wird jetzt beendet.
Bitte wenden Sie sich an den Autor des Programms und beschreiben Sie, was Sie getan haben.</translation>
    </message>
</context>
<context>
    <name>Workbooks</name>
    <message>
        <source>it is cut short.</source>
        <translation>sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>it is not a compound file.</source>
        <translation>sie ist keine Verbunddatei.</translation>
    </message>
    <message>
        <source>its compound file header is damaged.</source>
        <translation>ihr Verbunddatei-Kopf ist beschädigt.</translation>
    </message>
    <message>
        <source>its sector allocation table is damaged.</source>
        <translation>ihre Sektorzuordnungstabelle ist beschädigt.</translation>
    </message>
    <message>
        <source>the list of its allocation table's sectors is damaged.</source>
        <translation>die Liste der Sektoren ihrer Zuordnungstabelle ist beschädigt.</translation>
    </message>
    <message>
        <source>its sector allocation table</source>
        <translation>Sektorzuordnungstabelle</translation>
    </message>
    <message>
        <source>its mini allocation table</source>
        <translation>Mini-Zuordnungstabelle</translation>
    </message>
    <message>
        <source>it is cut short or its sectors are damaged.</source>
        <translation>sie ist abgeschnitten oder ihre Sektoren sind beschädigt.</translation>
    </message>
    <message>
        <source>%1 names a sector it does not have.</source>
        <translation>die Struktur „%1“ nennt einen Sektor, den es nicht gibt.</translation>
    </message>
    <message>
        <source>the sectors of %1 go round in a loop.</source>
        <translation>die Sektoren der Struktur „%1“ bilden eine Schleife.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>die Struktur „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 is longer than the file.</source>
        <translation>die Struktur „%1“ ist länger als die Datei.</translation>
    </message>
    <message>
        <source>%1 ends before its length.</source>
        <translation>die Struktur „%1“ endet vor ihrer angegebenen Länge.</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>its directory is damaged.</source>
        <translation>ihr Verzeichnis ist beschädigt.</translation>
    </message>
    <message>
        <source>its stream %1</source>
        <translation>Datenstrom %1</translation>
    </message>
    <message>
        <source>its mini stream</source>
        <translation>Mini-Datenstrom</translation>
    </message>
    <message>
        <source>%1 lies past the end of the mini stream.</source>
        <translation>die Struktur „%1“ liegt hinter dem Ende des Mini-Datenstroms.</translation>
    </message>
    <message>
        <source>it is damaged or not a workbook.</source>
        <translation>sie ist beschädigt oder keine Arbeitsmappe.</translation>
    </message>
    <message>
        <source>its part %1 is missing.</source>
        <translation>ihr Teil %1 fehlt.</translation>
    </message>
    <message>
        <source>its part %1 is damaged.</source>
        <translation>ihr Teil %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>its part %1 cannot be unpacked.</source>
        <translation>ihr Teil %1 kann nicht entpackt werden.</translation>
    </message>
    <message>
        <source>its part %1 is damaged (%2).</source>
        <translation>ihr Teil %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>row number</source>
        <translation>Zeilennummer</translation>
    </message>
    <message>
        <source>cell reference %1</source>
        <translation>Zellbezug %1</translation>
    </message>
    <message>
        <source>cell position</source>
        <translation>Zellposition</translation>
    </message>
    <message>
        <source>shared string %1</source>
        <translation>gemeinsamer Text %1</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>Zahl %1</translation>
    </message>
    <message>
        <source>it holds no worksheet.</source>
        <translation>sie enthält kein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>%1 holds a formula without a value.</source>
        <translation>%1 enthält eine Formel ohne Wert.</translation>
    </message>
    <message>
        <source>%1 holds the error value %2.</source>
        <translation>%1 enthält den Fehlerwert %2.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be read: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>sie kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>it is not an Excel workbook.</source>
        <translation>sie ist keine Excel-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 are damaged.</source>
        <translation>die Struktur „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>its list of sheets is damaged.</source>
        <translation>ihre Liste der Blätter ist beschädigt.</translation>
    </message>
    <message>
        <source>its workbook stream ends in the middle of a record.</source>
        <translation>ihr Arbeitsmappen-Datenstrom endet mitten in einem Datensatz.</translation>
    </message>
    <message>
        <source>its record at byte %1 of the workbook stream is damaged.</source>
        <translation>ihr Datensatz bei Byte %1 des Arbeitsmappen-Datenstroms ist beschädigt.</translation>
    </message>
    <message>
        <source>its workbook stream does not begin with the workbook's globals.</source>
        <translation>ihr Arbeitsmappen-Datenstrom beginnt nicht mit den globalen Daten der Arbeitsmappe.</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without the password and import it again.</source>
        <translation>sie ist mit einem Kennwort geschützt. Speichern Sie sie ohne Kennwort und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>its shared strings</source>
        <translation>gemeinsame Texte</translation>
    </message>
    <message>
        <source>the texts of its cells</source>
        <translation>Texte der Zellen</translation>
    </message>
    <message>
        <source>its cell %1 names a shared string it does not hold.</source>
        <translation>ihre Zelle %1 nennt einen gemeinsamen Text, den sie nicht enthält.</translation>
    </message>
    <message>
        <source>it holds no workbook stream.</source>
        <translation>sie enthält keinen Arbeitsmappen-Datenstrom.</translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The folder cannot be entered.</source>
        <translation>Der Ordner kann nicht betreten werden.</translation>
    </message>
    <message>
        <source>The program directory cannot be opened.</source>
        <translation>Das Programmverzeichnis kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Die Konfiguration kann nicht geöffnet werden.</translation>
    </message>
</context>
</TS>