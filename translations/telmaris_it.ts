<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file %1 cannot be read:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.

File: %1
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.

It has been saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo last price import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parts database cannot be read.

File: %1
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ordering page could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word or words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>&quot;%1&quot; is not a price; the price of %2 stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.

Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>The parts database refused the prices.
File: %1
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program&apos;s author and describe what you did.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The program directory cannot be opened.

Directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
