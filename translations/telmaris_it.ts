<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>Il file supera %1 KB, mentre una configurazione occupa circa mezzo kilobyte. Non è una configurazione.</translation>
    </message>
    <message>
        <source>"%1" must be %2.</source>
        <translation>"%1" deve essere %2.</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un testo</translation>
    </message>
    <message>
        <source>a text of digits with at most one "." or ","</source>
        <translation>un testo di cifre con al massimo un "." o ","</translation>
    </message>
    <message>
        <source>one of "%1" or null</source>
        <translation>uno tra "%1" o null</translation>
    </message>
    <message>
        <source>an object is not closed</source>
        <translation>un oggetto non è chiuso</translation>
    </message>
    <message>
        <source>a colon is missing after a name</source>
        <translation>mancano i due punti dopo un nome</translation>
    </message>
    <message>
        <source>a list is not closed</source>
        <translation>un elenco non è chiuso</translation>
    </message>
    <message>
        <source>a comma is missing between two values</source>
        <translation>manca una virgola tra due valori</translation>
    </message>
    <message>
        <source>a value is not valid</source>
        <translation>un valore non è valido</translation>
    </message>
    <message>
        <source>the file ends in a number</source>
        <translation>il file termina a metà di un numero</translation>
    </message>
    <message>
        <source>a number is not valid</source>
        <translation>un numero non è valido</translation>
    </message>
    <message>
        <source>a text has an invalid escape sequence</source>
        <translation>un testo contiene una sequenza di escape non valida</translation>
    </message>
    <message>
        <source>a text is not valid UTF-8</source>
        <translation>un testo non è UTF-8 valido</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>un testo non è chiuso</translation>
    </message>
    <message>
        <source>an object is missing after a comma</source>
        <translation>manca un oggetto dopo una virgola</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>i valori sono annidati troppo in profondità</translation>
    </message>
    <message>
        <source>the document is too large</source>
        <translation>il documento è troppo grande</translation>
    </message>
    <message>
        <source>more follows the end of the document</source>
        <translation>altri dati seguono la fine del documento</translation>
    </message>
    <message>
        <source>its contents cannot be read</source>
        <translation>il suo contenuto non può essere letto</translation>
    </message>
    <message>
        <source>The file is no configuration: %1 (at character %2).</source>
        <translation>Il file non è una configurazione: %1 (al carattere %2).</translation>
    </message>
    <message>
        <source>The file is no configuration.</source>
        <translation>Il file non è una configurazione.</translation>
    </message>
    <message>
        <source>one of the eight variants, such as "English European"</source>
        <translation>una delle otto varianti, ad esempio "English European"</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un oggetto</translation>
    </message>
    <message>
        <source>a whole number from 0 to 99</source>
        <translation>un numero intero da 0 a 99</translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation>Lo sconto deve essere compreso tra 0 e 99 %.</translation>
    </message>
    <message>
        <source>: not offered for the %1 with the answers of the steps before.</source>
        <translation>: non offerto per il %1 con le risposte dei passi precedenti.</translation>
    </message>
    <message>
        <source>The trolley is not chosen.</source>
        <translation>Il carrello non è scelto.</translation>
    </message>
    <message>
        <source>The hoist control is not chosen.</source>
        <translation>Il comando del paranco non è scelto.</translation>
    </message>
    <message>
        <source>The trolley control is not chosen.</source>
        <translation>Il comando del carrello non è scelto.</translation>
    </message>
    <message>
        <source>The configuration does not reach the output buttons.</source>
        <translation>La configurazione non arriva ai pulsanti di uscita.</translation>
    </message>
    <message>
        <source>the walk has not reached the step of this answer</source>
        <translation>la configurazione non ha ancora raggiunto il passo di questa risposta</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The folder %1 is read-only: the database cannot be changed there, as a change needs a journal file beside it (%2).</source>
        <translation>La cartella %1 è di sola lettura: il database non può esservi modificato, perché una modifica richiede un file di giornale accanto ad esso (%2).</translation>
    </message>
    <message>
        <source>The database file is read-only: it cannot be changed (%1).</source>
        <translation>Il file del database è di sola lettura: non può essere modificato (%1).</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Questa è una cartella, non un file di database.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket), so it holds no database.</source>
        <translation>Questo non è un file normale (un dispositivo, una pipe o un socket), quindi non contiene alcun database.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no database.</source>
        <translation>Il file è vuoto: non contiene alcun database.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation>Lista d'ordine</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation>Impossibile creare la cartella di lavoro %1.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation>Impossibile scrivere la cartella di lavoro %1: %2</translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation>Impossibile creare in %1 una directory per la cartella di lavoro: %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Questa è una cartella, non un file.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation>Questo non è un file normale (un dispositivo, una pipe o un socket).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>The file could not be written completely; the disk may be full. A previous file of this name is unchanged.</source>
        <translation>Non è stato possibile scrivere il file per intero; il disco potrebbe essere pieno. Un file precedente con questo nome è rimasto invariato.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.</source>
        <translation>Impossibile leggere il listino prezzi dal database dei componenti.</translation>
    </message>
    <message>
        <source>Ordering number or description</source>
        <translation>Numero d'ordine o descrizione</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Nessun programma di fogli di calcolo ha potuto aprire la lista d'ordine.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>OK salva la cartella di lavoro dove si sceglie; Annulla la scarta.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Salva la lista d'ordine</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Cartelle di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>Impossibile salvare la lista d'ordine.</translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation>Configurazioni Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Apri configurazione</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>La configurazione %1 è stata modificata dopo l'apertura o l'ultimo salvataggio.

Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation>La configurazione %1 non esiste più. È stata rimossa dalle configurazioni recenti.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation>Configurazioni &amp;recenti</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Ante&amp;prima di stampa...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Esporta in P&amp;DF...</translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation>&amp;Cronologia prezzi</translation>
    </message>
    <message>
        <source>Undo &amp;last price import</source>
        <translation>&amp;Annulla l'ultima importazione di prezzi</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Mostra la lista d'ordine sullo schermo</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Stampa la lista d'ordine</translation>
    </message>
    <message>
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Un clic su un modello dell'elenco, o Invio, conferma il modello e passa al passo successivo.</translation>
    </message>
    <message>
        <source>A click ticks or clears the box and moves on; Enter or Tab moves on without changing it.</source>
        <translation>Un clic seleziona o deseleziona la casella e passa al passo successivo; Invio o Tab passa al passo successivo senza cambiarla.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click in the box confirms the value and moves on.</source>
        <translation>Invio, Tab o un doppio clic nella casella conferma il valore e passa al passo successivo.</translation>
    </message>
    <message>
        <source>A click or Enter takes this length and moves on.</source>
        <translation>Un clic o Invio accetta questa lunghezza e passa al passo successivo.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click confirms the choice and moves on.</source>
        <translation>Invio, Tab o un doppio clic conferma la scelta e passa al passo successivo.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Impossibile aprire la configurazione.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.</source>
        <translation>Impossibile salvare la configurazione.</translation>
    </message>
    <message>
        <source>The parts database cannot be read.</source>
        <translation>Impossibile leggere il database dei componenti.</translation>
    </message>
    <message>
        <source>The price history cannot be read.</source>
        <translation>Impossibile leggere la cronologia dei prezzi.</translation>
    </message>
    <message>
        <source>The configuration has not been saved.

Do you want to save it?</source>
        <translation>La configurazione non è stata salvata.

Salvarla?</translation>
    </message>
    <message>
        <source>The ordering page could not be written.</source>
        <translation>Impossibile scrivere la pagina d'ordine.</translation>
    </message>
    <message>
        <source>The document %1 cannot be read.</source>
        <translation>Impossibile leggere il documento %1.</translation>
    </message>
    <message>
        <source>The document %1 is missing.</source>
        <translation>Il documento %1 non è presente.</translation>
    </message>
    <message>
        <source>The document %1 cannot be opened: this computer has no program for documents of its kind (a word processor).</source>
        <translation>Impossibile aprire il documento %1: questo computer non ha alcun programma per documenti di questo tipo (un elaboratore di testi).</translation>
    </message>
    <message>
        <source>The rest of the page is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Il resto della pagina è completo; con i file di nuovo al loro posto, le immagini ricompaiono.</translation>
    </message>
    <message>
        <source>New &amp;Quote</source>
        <translation>Nuovo pre&amp;ventivo</translation>
    </message>
    <message>
        <source>Quote Re&amp;gister...</source>
        <translation>Re&amp;gistro dei preventivi...</translation>
    </message>
    <message>
        <source>The configuration in the main window is not finished yet: answer its steps until the print buttons show, then add it to the quote.</source>
        <translation>La configurazione della finestra principale non è ancora completata: risponda ai suoi passi finché compaiono i pulsanti di stampa, poi la aggiunga al preventivo.</translation>
    </message>
    <message>
        <source>This configuration cannot be taken into a quote.</source>
        <translation>Questa configurazione non può essere inserita in un preventivo.</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Impossibile aprire il preventivo.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation>Pagina della guida non trovata</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La pagina della guida &lt;b&gt;%1&lt;/b&gt; non si trova nella directory di programma.&lt;/p&gt;&lt;p&gt;Le pagine della guida vanno nella cartella &lt;b&gt;%2&lt;/b&gt;, accanto al programma. Reinstallando il programma vengono ripristinate.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation>Guida di Telmaris</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>The contents</source>
        <translation>Il sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation>La pagina visualizzata in precedenza</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation>La pagina da cui si è tornati indietro</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso della Guida</translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation>Come funziona questa finestra</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Trova nella pagina: </translation>
    </message>
    <message>
        <source>word or words</source>
        <translation>una o più parole</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>The place before</source>
        <translation>L'occorrenza precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>L'occorrenza successiva</translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation>Non trovato in questa pagina</translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation>1 occorrenza in questa pagina</translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation>%1 occorrenze in questa pagina</translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation>Guida di Telmaris - %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>warning: </source>
        <translation>avviso: </translation>
    </message>
    <message>
        <source>The page lacks the pictures of these files, which are missing or cannot be read:
%1</source>
        <translation>Alla pagina mancano le immagini di questi file, assenti o illeggibili:
%1</translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation>Su questo computer, File ▸ Esporta in PDF... scrive la pagina d'ordine in un file PDF.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>"%1" is not a price; the price of %2 stays as it was.</source>
        <translation>«%1» non è un prezzo; il prezzo di %2 resta invariato.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>Impossibile salvare il prezzo di %1.</translation>
    </message>
    <message>
        <source>"%1" is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>«%1» non è compreso tra 0 e %2; il prezzo di %3 resta invariato.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un altro programma ha cambiato il prezzo di %1 da %2 a %3 da quando l'elenco lo ha mostrato: non è stato salvato nulla. L'elenco ora mostra i prezzi salvati.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un altro programma ha tolto il componente %1 dal database dei componenti: non è stato salvato nulla. L'elenco ora mostra i prezzi salvati.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation>%1

OK importa i prezzi; Annulla non modifica nulla.

</translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation>File listino (*.DAT)</translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation>File listino (*.TXT)</translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation>File listino (*.XLS *.XLSX)</translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation>Non c'è nessuna importazione di prezzi da annullare.</translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation>OK ripristina i prezzi precedenti; Annulla non modifica nulla.

</translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation>Nessun prezzo è stato ancora importato o modificato.
</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Importazione di %1</translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation>Modificato in %1</translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation>Annullamento dell'importazione %1 (%2)</translation>
    </message>
    <message>
        <source>price changed</source>
        <translation>prezzo modificato</translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation>prezzi modificati</translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation>Nuovo prezzo:  %1
Invariati:     %2
Portati a 0:   %3
Già a 0:       %4
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation>
Prezzi che cambiano (codice, prezzo precedente, nuovo prezzo):
</translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation>Importazione %1 (%2, %3): %4 prezzi tornano al prezzo che avevano prima di essa.
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation>
Prezzi che cambiano (codice, attuale, dopo l'annullamento):
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Modificati nel listino prezzi dopo l'importazione, questi mantengono il loro prezzo (prima dell'importazione, attuale):
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>Il database dei componenti ha rifiutato i prezzi.</translation>
    </message>
    <message>
        <source>%1: the price "%2" is not between 0 and %3.</source>
        <translation>%1: il prezzo «%2» non è compreso tra 0 e %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price's decimals follow a period, not a comma (45.5, not 45,5).</source>
        <translation>Record %1 (riga %2): la riga ha %3 campi, che non formano record completi di un codice e un prezzo. I decimali di un prezzo seguono un punto, non una virgola (45.5, non 45,5).</translation>
    </message>
    <message>
        <source>Line %1: the file holds more than %2 records, and a price list names a few thousand parts. It is no price file.</source>
        <translation>Riga %1: il file contiene più di %2 record, mentre un listino prezzi elenca qualche migliaio di parti. Non è un file di prezzi.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price file is a few hundred kilobytes. It is no price file.</source>
        <translation>Il file supera %1 MB, mentre un file di prezzi occupa qualche centinaio di kilobyte. Non è un file di prezzi.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It is no price workbook.</source>
        <translation>Il file supera %1 MB, mentre una cartella di lavoro dei prezzi occupa qualche centinaio di kilobyte. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>The workbook's part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>La parte %1 della cartella di lavoro si decomprime in più di %2 MB, mentre le parti di una cartella di lavoro dei prezzi sono molto più piccole. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>The workbook's part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
        <translation>La parte %1 della cartella di lavoro elenca più di %2 relazioni, mentre una cartella di lavoro dei prezzi ne ha poche. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>The first worksheet has the cell %1 below row %2, and a price list ends long before. It is no price workbook.</source>
        <translation>Il primo foglio di lavoro ha la cella %1 sotto la riga %2, mentre un listino prezzi finisce molto prima. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>The workbook holds more than %1 shared texts, and a price workbook holds a few thousand. It is no price workbook.</source>
        <translation>La cartella di lavoro contiene più di %1 testi condivisi, mentre una cartella di lavoro dei prezzi ne contiene qualche migliaio. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>There is no price history to set aside; nothing has been changed.
</source>
        <translation>Non c'è alcuno storico dei prezzi da mettere da parte; non è stato cambiato nulla.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>Lo storico dei prezzi %1 ora si chiama %2; la prossima importazione o modifica di prezzo inizia uno storico nuovo e vuoto.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program's price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. "telmaris %3" renames it aside, after which the prices start a new, empty history.</source>
        <translation>La tabella %1 non è lo storico dei prezzi del programma: %2. I prezzi non vengono né letti da essa né cambiati con essa, e non è stato cambiato nulla. «telmaris %3» la rinomina per metterla da parte; dopo i prezzi iniziano uno storico nuovo e vuoto.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>i componenti dell'evento %1 non sono come il programma li registra</translation>
    </message>
    <message>
        <source>it is a view, not a table</source>
        <translation>è una vista, non una tabella</translation>
    </message>
    <message>
        <source>a trigger of its own acts on it</source>
        <translation>un trigger proprio agisce su di essa</translation>
    </message>
    <message>
        <source>it is a virtual table</source>
        <translation>è una tabella virtuale</translation>
    </message>
    <message>
        <source>its columns are not %1</source>
        <translation>le sue colonne non sono %1</translation>
    </message>
    <message>
        <source>its event numbers are not whole numbers from 1 to %1</source>
        <translation>i suoi numeri di evento non sono numeri interi da 1 a %1</translation>
    </message>
    <message>
        <source>its events are not as the program records them</source>
        <translation>i suoi eventi non sono come il programma li registra</translation>
    </message>
    <message>
        <source>The database has no table tblDetaljPr (the parts and their prices): it is not a parts database of the program.</source>
        <translation>Il database non ha la tabella tblDetaljPr (i componenti e i loro prezzi): non è un database dei componenti del programma.</translation>
    </message>
    <message>
        <source>The table tblDetaljPr (the parts and their prices) has no column %1.</source>
        <translation>La tabella tblDetaljPr (i componenti e i loro prezzi) non ha la colonna %1.</translation>
    </message>
    <message>
        <source>The view %1 cannot be renamed: its definition is not readable.</source>
        <translation>La vista %1 non può essere rinominata: la sua definizione non è leggibile.</translation>
    </message>
    <message>
        <source>import %1 (%2) is now the last import not undone</source>
        <translation>l'importazione %1 (%2) è ora l'ultima importazione non annullata</translation>
    </message>
    <message>
        <source>a change of the prices was recorded after it was shown</source>
        <translation>una modifica dei prezzi è stata registrata dopo che è stata mostrata</translation>
    </message>
    <message>
        <source>prices it would change were changed meanwhile</source>
        <translation>prezzi che cambierebbe sono stati cambiati nel frattempo</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has been undone; choose the undo again to see what it would take back now.</source>
        <translation>Lo storico dei prezzi è cambiato dopo che è stato mostrato l'annullamento dell'importazione %1 (%2): %3. Non è stato annullato nulla; scegliete di nuovo l'annullamento per vedere che cosa annullerebbe ora.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>Lo storico dei prezzi è cambiato dopo che è stato mostrato l'annullamento dell'importazione %1 (%2): non resta alcuna importazione da annullare. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Line %1: the closing quote is missing.</source>
        <translation>Riga %1: manca la virgoletta di chiusura.</translation>
    </message>
    <message>
        <source>Line %1: a comma must follow the closing quote.</source>
        <translation>Riga %1: la virgoletta di chiusura deve essere seguita da una virgola.</translation>
    </message>
    <message>
        <source>Line %1: the field "%2" has a stray quote.</source>
        <translation>Riga %1: il campo «%2» contiene una virgoletta isolata.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number "%3" has no price.</source>
        <translation>Record %1 (riga %2): il codice «%3» non ha un prezzo.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price "%3" is not a number.</source>
        <translation>Record %1 (riga %2): il prezzo «%3» non è un numero.</translation>
    </message>
    <message>
        <source>Record %1 (line %2)</source>
        <translation>Record %1 (riga %2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1: the price of %2 is missing or not a number.</source>
        <translation>%1: il prezzo di %2 manca o non è un numero.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is not enough memory to finish this.</source>
        <translation>Memoria insufficiente per completare l'operazione.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <translation>Offerta</translation>
    </message>
    <message>
        <source>Quote no.</source>
        <translation>Offerta n.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Referente</translation>
    </message>
    <message>
        <source>Your reference</source>
        <translation>Vostro riferimento</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Nostro riferimento</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valida fino al</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Sconti</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Totale netto</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
</context>
<context>
    <name>QuoteWindow</name>
    <message>
        <source>US metric</source>
        <translation>US metrico</translation>
    </message>
    <message>
        <source>US imperial</source>
        <translation>US imperiale</translation>
    </message>
    <message>
        <source>European</source>
        <translation>europeo</translation>
    </message>
    <message>
        <source>Telmaris quotes (*.telmaris)</source>
        <translation>Preventivi Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Quote...</source>
        <translation>&amp;Apri preventivo...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con &amp;nome...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Ante&amp;prima di stampa...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Esporta in P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Società:</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>&amp;Contatto:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>C&amp;ustomer's reference:</source>
        <translation>Riferimen&amp;to del cliente:</translation>
    </message>
    <message>
        <source>&amp;Our reference:</source>
        <translation>Nostro riferi&amp;mento:</translation>
    </message>
    <message>
        <source>&amp;Valid for:</source>
        <translation>&amp;Valido per:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Numero del preventivo:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Posizioni:</translation>
    </message>
    <message>
        <source>&amp;Quantity:</source>
        <translation>&amp;Quantità:</translation>
    </message>
    <message>
        <source>Position not&amp;e:</source>
        <translation>Nota &amp;della posizione:</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Unit net</source>
        <translation>Netto unitario</translation>
    </message>
    <message>
        <source>Line net</source>
        <translation>Netto riga</translation>
    </message>
    <message>
        <source>The customer's company</source>
        <translation>La società del cliente</translation>
    </message>
    <message>
        <source>Payment, delivery</source>
        <translation>Pagamento, consegna</translation>
    </message>
    <message>
        <source>&amp;Add current configuration</source>
        <translation>&amp;Aggiungi la configurazione attuale</translation>
    </message>
    <message>
        <source>The configuration of the main window's steps, once it is finished, as a new position</source>
        <translation>La configurazione dei passi della finestra principale, una volta completata, come nuova posizione</translation>
    </message>
    <message>
        <source>Open in t&amp;he steps</source>
        <translation>Apri n&amp;ei passi</translation>
    </message>
    <message>
        <source>The selected position's configuration into the main window's steps, to change it</source>
        <translation>La configurazione della posizione selezionata nei passi della finestra principale, per modificarla</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Sposta s&amp;u</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Open Quote...</source>
        <translation>Apri preventivo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Esporta in PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>non ancora emesso: riceve un numero alla prima stampa, esportazione o salvataggio</translation>
    </message>
    <message>
        <source>%1 of %2, as issued (read-only)</source>
        <translation>%1 del %2, come emesso (sola lettura)</translation>
    </message>
    <message>
        <source>%1 of %2, at today's prices: issued again when it is next printed, exported or saved</source>
        <translation>%1 del %2, ai prezzi di oggi: viene emesso di nuovo alla prossima stampa, esportazione o salvataggio</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>fino al %1</translation>
    </message>
    <message>
        <source>The languages of the %1 price list</source>
        <translation>Le lingue del listino %1</translation>
    </message>
    <message>
        <source>, lift %1 ft</source>
        <translation>, corsa %1 ft</translation>
    </message>
    <message>
        <source>, lift %1 m</source>
        <translation>, corsa %1 m</translation>
    </message>
    <message>
        <source>Net total: %1</source>
        <translation>Totale netto: %1</translation>
    </message>
    <message>
        <source>No position yet: configure a hoist in the main window, then Add current configuration.</source>
        <translation>Ancora nessuna posizione: configuri un paranco nella finestra principale, poi Aggiungi la configurazione attuale.</translation>
    </message>
    <message>
        <source>&amp;Replace position %1 with the current configuration</source>
        <translation>S&amp;ostituisci la posizione %1 con la configurazione attuale</translation>
    </message>
    <message>
        <source>&amp;Replace position with the current configuration</source>
        <translation>S&amp;ostituisci la posizione con la configurazione attuale</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Nuovo preventivo</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Preventivo %1</translation>
    </message>
    <message>
        <source>This quote is made from the %1 price list, and the configuration in the main window from the %2 one. A quote holds the positions of one price list only: make a new quote for this configuration.</source>
        <translation>Questo preventivo si basa sul listino %1, e la configurazione della finestra principale sul listino %2. Un preventivo contiene solo posizioni di un unico listino: faccia un nuovo preventivo per questa configurazione.</translation>
    </message>
    <message>
        <source>A quote holds at most %1 positions.</source>
        <translation>Un preventivo contiene al massimo %1 posizioni.</translation>
    </message>
    <message>
        <source>The quote has not been saved.

Do you want to save it?</source>
        <translation>Il preventivo non è stato salvato.

Vuole salvarlo?</translation>
    </message>
    <message>
        <source>The quote %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>Il preventivo %1 è cambiato da quando è stato aperto o salvato.

Vuole salvare le modifiche?</translation>
    </message>
    <message>
        <source>Open quote</source>
        <translation>Apri preventivo</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Impossibile aprire il preventivo.</translation>
    </message>
    <message>
        <source>The quote has no position to save yet.</source>
        <translation>Il preventivo non ha ancora nessuna posizione da salvare.</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Salva preventivo</translation>
    </message>
    <message>
        <source>The quote could not be saved.</source>
        <translation>Non è stato possibile salvare il preventivo.</translation>
    </message>
    <message>
        <source>The quote has no position yet. Configure a hoist in the main window, then choose Add current configuration.</source>
        <translation>Il preventivo non ha ancora nessuna posizione. Configuri un paranco nella finestra principale, poi scelga Aggiungi la configurazione attuale.</translation>
    </message>
    <message>
        <source>The quote cannot be printed.</source>
        <translation>Impossibile stampare il preventivo.</translation>
    </message>
    <message>
        <source>The quote's number could not be written into its file.</source>
        <translation>Non è stato possibile scrivere il numero del preventivo nel suo file.</translation>
    </message>
    <message>
        <source>The quote could not be recorded in the register of quotes, so it has not been numbered or printed.</source>
        <translation>Non è stato possibile registrare il preventivo nel registro dei preventivi, quindi non è stato né numerato né stampato.</translation>
    </message>
    <message>
        <source>The quote could not be written.</source>
        <translation>Non è stato possibile scrivere il preventivo.</translation>
    </message>
    <message>
        <source>The rest of the quote is complete; with the files back in their place the pictures are on it again.</source>
        <translation>Il resto del preventivo è completo; con i file di nuovo al loro posto, le immagini tornano a comparire.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Preventivo</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>"%1" must be %2.</source>
        <translation>«%1» deve essere %2.</translation>
    </message>
    <message>
        <source>a list of at least one position</source>
        <translation>un elenco di almeno una posizione</translation>
    </message>
    <message>
        <source>a list of at most %1 positions</source>
        <translation>un elenco di al massimo %1 posizioni</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un testo di al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un numero intero da 1 a %1</translation>
    </message>
    <message>
        <source>a variant of the same market as the first position's (%1): one quote holds hoists of one price list</source>
        <translation>una variante dello stesso mercato della prima posizione (%1): un'offerta contiene paranchi di un solo listino</translation>
    </message>
    <message>
        <source>one of %1 for this quote's hoists</source>
        <translation>uno tra %1 per i paranchi di questa offerta</translation>
    </message>
    <message>
        <source>"%1" is no key of a quote file.</source>
        <translation>«%1» non è una chiave di un file di offerta.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>a list of at most %1 texts</source>
        <translation>un elenco di al massimo %1 testi</translation>
    </message>
    <message>
        <source>a date such as "2026-12-09"</source>
        <translation>una data come «2026-12-09»</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>un elenco da 1 a %1 posizioni</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>Il file supera %1 KB, più di quanto occupi un'offerta di %2 posizioni. Non è né una configurazione né un'offerta.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>L'offerta ha %1 posizioni, ma sono state emesse %2 liste.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>L'offerta %1 del registro non è leggibile: %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>L'offerta %1 del registro non è leggibile: le liste non corrispondono alle posizioni.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>discounts</source>
        <translation>sconti</translation>
    </message>
    <message>
        <source>net total</source>
        <translation>totale netto</translation>
    </message>
    <message>
        <source>Quote %1: no amount differs from today's prices.
</source>
        <translation>Offerta %1: nessun importo differisce dai prezzi attuali.
</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices, amounts changed:
</source>
        <translation>Offerta %1 ai prezzi attuali, importi cambiati:
</translation>
    </message>
    <message>
        <source>Position %1, %2 %3</source>
        <translation>Posizione %1, %2 %3</translation>
    </message>
    <message>
        <source>The register holds no quote yet.
</source>
        <translation>Il registro non contiene ancora alcuna offerta.
</translation>
    </message>
    <message>
        <source>No quote of the register matches %1.
</source>
        <translation>Nessuna offerta del registro corrisponde a %1.
</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Quote Register</source>
        <translation>Registro dei preventivi</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Customer, reference or quote number</source>
        <translation>Cliente, riferimento o numero del preventivo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Customer's reference</source>
        <translation>Riferimento del cliente</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Nostro riferimento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Totale netto</translation>
    </message>
    <message>
        <source>&amp;Open as issued</source>
        <translation>&amp;Apri come emesso</translation>
    </message>
    <message>
        <source>&amp;Reprice at today's prices</source>
        <translation>&amp;Ricalcola ai prezzi di oggi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The register of quotes cannot be read.</source>
        <translation>Impossibile leggere il registro dei preventivi.</translation>
    </message>
    <message>
        <source>%1 (revision %2)</source>
        <translation>%1 (revisione %2)</translation>
    </message>
    <message>
        <source>The quote %1 cannot be read from the register.</source>
        <translation>Impossibile leggere il preventivo %1 dal registro.</translation>
    </message>
    <message>
        <source>The register no longer holds the quote %1.</source>
        <translation>Il registro non contiene più il preventivo %1.</translation>
    </message>
    <message>
        <source>The quote %1 cannot be priced at today's prices.</source>
        <translation>Impossibile calcolare il preventivo %1 ai prezzi di oggi.</translation>
    </message>
    <message>
        <source>OK opens the quote at today's prices in the quote window; it keeps its number and is issued as a new revision when it is next printed, exported or saved. Cancel leaves it as it is.</source>
        <translation>OK apre il preventivo ai prezzi di oggi nella finestra del preventivo; mantiene il suo numero e viene emesso come nuova revisione alla prossima stampa, esportazione o salvataggio. Annulla lo lascia com'è.</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices</source>
        <translation>Preventivo %1 ai prezzi di oggi</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program's author and describe what you did.</source>
        <translation>Il programma si è trovato in una situazione che non è in grado di gestire e verrà chiuso.
Contattare l'autore del programma e descrivere le operazioni eseguite.</translation>
    </message>
</context>
<context>
    <name>Workbooks</name>
    <message>
        <source>it is cut short.</source>
        <translation>è troncata.</translation>
    </message>
    <message>
        <source>it is not a compound file.</source>
        <translation>non è un file composto.</translation>
    </message>
    <message>
        <source>its compound file header is damaged.</source>
        <translation>la sua intestazione di file composto è danneggiata.</translation>
    </message>
    <message>
        <source>its sector allocation table is damaged.</source>
        <translation>la sua tabella di allocazione dei settori è danneggiata.</translation>
    </message>
    <message>
        <source>the list of its allocation table's sectors is damaged.</source>
        <translation>l'elenco dei settori della sua tabella di allocazione è danneggiato.</translation>
    </message>
    <message>
        <source>its sector allocation table</source>
        <translation>tabella di allocazione dei settori</translation>
    </message>
    <message>
        <source>its mini allocation table</source>
        <translation>mini tabella di allocazione</translation>
    </message>
    <message>
        <source>it is cut short or its sectors are damaged.</source>
        <translation>è troncata o i suoi settori sono danneggiati.</translation>
    </message>
    <message>
        <source>%1 names a sector it does not have.</source>
        <translation>la struttura «%1» indica un settore inesistente.</translation>
    </message>
    <message>
        <source>the sectors of %1 go round in a loop.</source>
        <translation>i settori della struttura «%1» formano un ciclo.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>la struttura «%1» è danneggiata.</translation>
    </message>
    <message>
        <source>%1 is longer than the file.</source>
        <translation>la struttura «%1» è più lunga del file.</translation>
    </message>
    <message>
        <source>%1 ends before its length.</source>
        <translation>la struttura «%1» finisce prima della lunghezza dichiarata.</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>directory</translation>
    </message>
    <message>
        <source>its directory is damaged.</source>
        <translation>la sua directory è danneggiata.</translation>
    </message>
    <message>
        <source>its stream %1</source>
        <translation>flusso %1</translation>
    </message>
    <message>
        <source>its mini stream</source>
        <translation>mini flusso</translation>
    </message>
    <message>
        <source>%1 lies past the end of the mini stream.</source>
        <translation>la struttura «%1» si trova oltre la fine del mini flusso.</translation>
    </message>
    <message>
        <source>it is damaged or not a workbook.</source>
        <translation>è danneggiata o non è una cartella di lavoro.</translation>
    </message>
    <message>
        <source>its part %1 is missing.</source>
        <translation>manca la sua parte %1.</translation>
    </message>
    <message>
        <source>its part %1 is damaged.</source>
        <translation>la sua parte %1 è danneggiata.</translation>
    </message>
    <message>
        <source>its part %1 cannot be unpacked.</source>
        <translation>la sua parte %1 non può essere decompressa.</translation>
    </message>
    <message>
        <source>its part %1 is damaged (%2).</source>
        <translation>la sua parte %1 è danneggiata (%2).</translation>
    </message>
    <message>
        <source>row number</source>
        <translation>numero di riga</translation>
    </message>
    <message>
        <source>cell reference %1</source>
        <translation>riferimento di cella %1</translation>
    </message>
    <message>
        <source>cell position</source>
        <translation>posizione di cella</translation>
    </message>
    <message>
        <source>shared string %1</source>
        <translation>testo condiviso %1</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>numero %1</translation>
    </message>
    <message>
        <source>it holds no worksheet.</source>
        <translation>non contiene alcun foglio di lavoro.</translation>
    </message>
    <message>
        <source>%1 holds a formula without a value.</source>
        <translation>%1 contiene una formula senza valore.</translation>
    </message>
    <message>
        <source>%1 holds the error value %2.</source>
        <translation>%1 contiene il valore di errore %2.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be read: %2</source>
        <translation>La cartella di lavoro %1 non può essere letta: %2</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>non può essere aperta.</translation>
    </message>
    <message>
        <source>it is not an Excel workbook.</source>
        <translation>non è una cartella di lavoro di Excel.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>%1 are damaged.</source>
        <translation>la struttura «%1» è danneggiata.</translation>
    </message>
    <message>
        <source>its list of sheets is damaged.</source>
        <translation>il suo elenco dei fogli è danneggiato.</translation>
    </message>
    <message>
        <source>its workbook stream ends in the middle of a record.</source>
        <translation>il suo flusso della cartella di lavoro termina a metà di un record.</translation>
    </message>
    <message>
        <source>its record at byte %1 of the workbook stream is damaged.</source>
        <translation>il suo record al byte %1 del flusso della cartella di lavoro è danneggiato.</translation>
    </message>
    <message>
        <source>its workbook stream does not begin with the workbook's globals.</source>
        <translation>il suo flusso della cartella di lavoro non inizia con i dati globali della cartella.</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without the password and import it again.</source>
        <translation>è protetta da una password. Salvarla senza password e importarla di nuovo.</translation>
    </message>
    <message>
        <source>its shared strings</source>
        <translation>testi condivisi</translation>
    </message>
    <message>
        <source>the texts of its cells</source>
        <translation>testi delle celle</translation>
    </message>
    <message>
        <source>its cell %1 names a shared string it does not hold.</source>
        <translation>la sua cella %1 indica un testo condiviso che non contiene.</translation>
    </message>
    <message>
        <source>it holds no workbook stream.</source>
        <translation>non contiene alcun flusso della cartella di lavoro.</translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The folder cannot be entered.</source>
        <translation>Impossibile accedere alla cartella.</translation>
    </message>
    <message>
        <source>The program directory cannot be opened.</source>
        <translation>Impossibile aprire la cartella del programma.</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Impossibile aprire la configurazione.</translation>
    </message>
</context>
</TS>