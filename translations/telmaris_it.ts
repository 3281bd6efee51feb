<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>Il file supera %1 KB, mentre una configurazione occupa circa mezzo kilobyte. Non è una configurazione.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2.</source>
        <translation>&quot;%1&quot; deve essere %2.</translation>
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
        <source>a text of digits with at most one &quot;.&quot; or &quot;,&quot;</source>
        <translation>un testo di cifre con al massimo un &quot;.&quot; o &quot;,&quot;</translation>
    </message>
    <message>
        <source>one of &quot;%1&quot; or null</source>
        <translation>uno tra &quot;%1&quot; o null</translation>
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
        <source>one of the eight variants, such as &quot;English European&quot;</source>
        <translation>una delle otto varianti, ad esempio &quot;English European&quot;</translation>
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
        <translation>Lista d&apos;ordine</translation>
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
        <translation>Numero d&apos;ordine o descrizione</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Nessun programma di fogli di calcolo ha potuto aprire la lista d&apos;ordine.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>OK salva la cartella di lavoro dove si sceglie; Annulla la scarta.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Salva la lista d&apos;ordine</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Cartelle di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>Impossibile salvare la lista d&apos;ordine.</translation>
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
        <translation>La configurazione %1 è stata modificata dopo l&apos;apertura o l&apos;ultimo salvataggio.

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
        <translation>&amp;Annulla l&apos;ultima importazione di prezzi</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Mostra la lista d&apos;ordine sullo schermo</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Stampa la lista d&apos;ordine</translation>
    </message>
    <message>
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Un clic su un modello dell&apos;elenco, o Invio, conferma il modello e passa al passo successivo.</translation>
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
        <translation>Impossibile scrivere la pagina d&apos;ordine.</translation>
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
        <translation>L&apos;occorrenza precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>L&apos;occorrenza successiva</translation>
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
        <translation>Su questo computer, File ▸ Esporta in PDF... scrive la pagina d&apos;ordine in un file PDF.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>&quot;%1&quot; is not a price; the price of %2 stays as it was.</source>
        <translation>«%1» non è un prezzo; il prezzo di %2 resta invariato.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>Impossibile salvare il prezzo di %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>«%1» non è compreso tra 0 e %2; il prezzo di %3 resta invariato.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un altro programma ha cambiato il prezzo di %1 da %2 a %3 da quando l&apos;elenco lo ha mostrato: non è stato salvato nulla. L&apos;elenco ora mostra i prezzi salvati.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Un altro programma ha tolto il componente %1 dal database dei componenti: non è stato salvato nulla. L&apos;elenco ora mostra i prezzi salvati.</translation>
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
        <translation>Non c&apos;è nessuna importazione di prezzi da annullare.</translation>
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
        <translation>Annullamento dell&apos;importazione %1 (%2)</translation>
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
Prezzi che cambiano (codice, attuale, dopo l&apos;annullamento):
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Modificati nel listino prezzi dopo l&apos;importazione, questi mantengono il loro prezzo (prima dell&apos;importazione, attuale):
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>Il database dei componenti ha rifiutato i prezzi.</translation>
    </message>
    <message>
        <source>%1: the price &quot;%2&quot; is not between 0 and %3.</source>
        <translation>%1: il prezzo «%2» non è compreso tra 0 e %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price&apos;s decimals follow a period, not a comma (45.5, not 45,5).</source>
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
        <source>The workbook&apos;s part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>La parte %1 della cartella di lavoro si decomprime in più di %2 MB, mentre le parti di una cartella di lavoro dei prezzi sono molto più piccole. Non è una cartella di lavoro dei prezzi.</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
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
        <translation>Non c&apos;è alcuno storico dei prezzi da mettere da parte; non è stato cambiato nulla.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>Lo storico dei prezzi %1 ora si chiama %2; la prossima importazione o modifica di prezzo inizia uno storico nuovo e vuoto.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program&apos;s price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. &quot;telmaris %3&quot; renames it aside, after which the prices start a new, empty history.</source>
        <translation>La tabella %1 non è lo storico dei prezzi del programma: %2. I prezzi non vengono né letti da essa né cambiati con essa, e non è stato cambiato nulla. «telmaris %3» la rinomina per metterla da parte; dopo i prezzi iniziano uno storico nuovo e vuoto.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>i componenti dell&apos;evento %1 non sono come il programma li registra</translation>
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
        <translation>l&apos;importazione %1 (%2) è ora l&apos;ultima importazione non annullata</translation>
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
        <translation>Lo storico dei prezzi è cambiato dopo che è stato mostrato l&apos;annullamento dell&apos;importazione %1 (%2): %3. Non è stato annullato nulla; scegliete di nuovo l&apos;annullamento per vedere che cosa annullerebbe ora.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>Lo storico dei prezzi è cambiato dopo che è stato mostrato l&apos;annullamento dell&apos;importazione %1 (%2): non resta alcuna importazione da annullare. Non è stato cambiato nulla.</translation>
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
        <source>Line %1: the field &quot;%2&quot; has a stray quote.</source>
        <translation>Riga %1: il campo «%2» contiene una virgoletta isolata.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number &quot;%3&quot; has no price.</source>
        <translation>Record %1 (riga %2): il codice «%3» non ha un prezzo.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price &quot;%3&quot; is not a number.</source>
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
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
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
    <name>Quotes</name>
    <message>
        <source>&quot;%1&quot; must be %2.</source>
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
        <source>a variant of the same market as the first position&apos;s (%1): one quote holds hoists of one price list</source>
        <translation>una variante dello stesso mercato della prima posizione (%1): un&apos;offerta contiene paranchi di un solo listino</translation>
    </message>
    <message>
        <source>one of %1 for this quote&apos;s hoists</source>
        <translation>uno tra %1 per i paranchi di questa offerta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of a quote file.</source>
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
        <source>a date such as &quot;2026-12-09&quot;</source>
        <translation>una data come «2026-12-09»</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>un elenco da 1 a %1 posizioni</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>Il file supera %1 KB, più di quanto occupi un&apos;offerta di %2 posizioni. Non è né una configurazione né un&apos;offerta.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>L&apos;offerta ha %1 posizioni, ma sono state emesse %2 liste.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>L&apos;offerta %1 del registro non è leggibile: %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>L&apos;offerta %1 del registro non è leggibile: le liste non corrispondono alle posizioni.</translation>
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
        <source>Quote %1: no amount differs from today&apos;s prices.
</source>
        <translation>Offerta %1: nessun importo differisce dai prezzi attuali.
</translation>
    </message>
    <message>
        <source>Quote %1 at today&apos;s prices, amounts changed:
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
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program&apos;s author and describe what you did.</source>
        <translation>Il programma si è trovato in una situazione che non è in grado di gestire e verrà chiuso.
Contattare l&apos;autore del programma e descrivere le operazioni eseguite.</translation>
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
        <source>the list of its allocation table&apos;s sectors is damaged.</source>
        <translation>l&apos;elenco dei settori della sua tabella di allocazione è danneggiato.</translation>
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
        <source>its workbook stream does not begin with the workbook&apos;s globals.</source>
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
