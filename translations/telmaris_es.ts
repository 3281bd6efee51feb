<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>El archivo ocupa más de %1 KB, y una configuración ocupa cerca de medio kilobyte. No es una configuración.</translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation>El descuento debe estar entre 0 y 99 %.</translation>
    </message>
    <message>
        <source>: not offered for the %1 with the answers of the steps before.</source>
        <translation>: no se ofrece para el %1 con las respuestas de los pasos anteriores.</translation>
    </message>
    <message>
        <source>The trolley is not chosen.</source>
        <translation>No se ha elegido el carro.</translation>
    </message>
    <message>
        <source>The hoist control is not chosen.</source>
        <translation>No se ha elegido el mando del polipasto.</translation>
    </message>
    <message>
        <source>The trolley control is not chosen.</source>
        <translation>No se ha elegido el mando del carro.</translation>
    </message>
    <message>
        <source>The configuration does not reach the output buttons.</source>
        <translation>La configuración no llega a los botones de salida.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The folder %1 is read-only: the database cannot be changed there, as a change needs a journal file beside it (%2).</source>
        <translation>La carpeta %1 es de solo lectura: la base de datos no se puede modificar allí, ya que un cambio necesita un archivo de registro junto a ella (%2).</translation>
    </message>
    <message>
        <source>The database file is read-only: it cannot be changed (%1).</source>
        <translation>El archivo de la base de datos es de solo lectura: no se puede modificar (%1).</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Esto es una carpeta, no un archivo de base de datos.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket), so it holds no database.</source>
        <translation>Esto no es un archivo normal (un dispositivo, una tubería o un socket), así que no contiene ninguna base de datos.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no database.</source>
        <translation>El archivo está vacío: no contiene ninguna base de datos.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation>Lista de pedido</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation>No se puede crear el libro %1.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation>No se puede escribir el libro %1: %2</translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation>No se puede crear en %1 una carpeta para el libro: %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Esto es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation>Esto no es un archivo normal (un dispositivo, una tubería o un socket).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be written completely; the disk may be full. A previous file of this name is unchanged.</source>
        <translation>No se pudo escribir el archivo completo; puede que el disco esté lleno. Un archivo anterior con este nombre no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.</source>
        <translation>No se puede leer la lista de precios de la base de datos de piezas.</translation>
    </message>
    <message>
        <source>Ordering number or description</source>
        <translation>Número de pedido o descripción</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Ningún programa de hojas de cálculo ha podido abrir la lista de pedido.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>Aceptar guarda el libro donde usted elija; Cancelar lo descarta.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Guardar la lista de pedido</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>No se ha podido guardar la lista de pedido.</translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation>Configuraciones de Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>La configuración %1 ha cambiado desde que se abrió o se guardó.

¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation>La configuración %1 ya no existe. Se ha quitado de las configuraciones recientes.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation>Configuraciones &amp;recientes</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exportar a P&amp;DF...</translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation>Histo&amp;rial de precios</translation>
    </message>
    <message>
        <source>Undo &amp;last price import</source>
        <translation>Des&amp;hacer la última importación de precios</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Mostrar la lista de pedido en pantalla</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Imprimir la lista de pedido</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>No se puede abrir la configuración.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.</source>
        <translation>No se ha podido guardar la configuración.</translation>
    </message>
    <message>
        <source>The parts database cannot be read.</source>
        <translation>No se puede leer la base de datos de piezas.</translation>
    </message>
    <message>
        <source>The price history cannot be read.</source>
        <translation>No se puede leer el historial de precios.</translation>
    </message>
    <message>
        <source>The configuration has not been saved.

Do you want to save it?</source>
        <translation>La configuración no se ha guardado.

¿Desea guardarla?</translation>
    </message>
    <message>
        <source>The ordering page could not be written.</source>
        <translation>No se ha podido escribir la página de pedido.</translation>
    </message>
    <message>
        <source>The document %1 cannot be read.</source>
        <translation>No se puede leer el documento %1.</translation>
    </message>
    <message>
        <source>The document %1 is missing.</source>
        <translation>Falta el documento %1.</translation>
    </message>
    <message>
        <source>The document %1 cannot be opened: this computer has no program for documents of its kind (a word processor).</source>
        <translation>No se puede abrir el documento %1: este ordenador no tiene ningún programa para documentos de ese tipo (un procesador de textos).</translation>
    </message>
    <message>
        <source>The rest of the page is complete; with the files back in their place the pictures are on it again.</source>
        <translation>El resto de la página está completo; con los archivos de nuevo en su sitio, las imágenes vuelven a aparecer.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation>No se encuentra la página de ayuda</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La página de ayuda &lt;b&gt;%1&lt;/b&gt; no está en el directorio de programa.&lt;/p&gt;&lt;p&gt;Las páginas de ayuda deben estar en la carpeta &lt;b&gt;%2&lt;/b&gt;, junto al programa. Volver a instalar el programa las restablece.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation>Ayuda de Telmaris</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>The contents</source>
        <translation>El índice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation>La página mostrada anteriormente</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation>La página desde la que ha vuelto</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso de la Ayuda</translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation>Cómo funciona esta ventana</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Buscar en la página: </translation>
    </message>
    <message>
        <source>word or words</source>
        <translation>una o varias palabras</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>The place before</source>
        <translation>La aparición anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>La aparición siguiente</translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation>No se encuentra en esta página</translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation>1 aparición en esta página</translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation>%1 apariciones en esta página</translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation>Ayuda de Telmaris - %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>The page lacks the pictures of these files, which are missing or cannot be read:
%1</source>
        <translation>A la página le faltan las imágenes de estos archivos, ausentes o ilegibles:
%1</translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation>En este equipo, Archivo ▸ Exportar a PDF... escribe la página de pedido en un archivo PDF.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>&quot;%1&quot; is not a price; the price of %2 stays as it was.</source>
        <translation>«%1» no es un precio; el precio de %2 no cambia.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>No se ha podido guardar el precio de %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>«%1» no está entre 0 y %2; el precio de %3 no cambia.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Otro programa ha cambiado el precio de %1 de %2 a %3 desde que la lista lo mostró: no se ha guardado nada. La lista muestra ahora los precios guardados.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Otro programa ha quitado la pieza %1 de la base de datos de piezas: no se ha guardado nada. La lista muestra ahora los precios guardados.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation>%1

Aceptar importa los precios; Cancelar no cambia nada.

</translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation>Archivo de precios (*.DAT)</translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation>Archivo de precios (*.TXT)</translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation>Archivo de precios (*.XLS *.XLSX)</translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation>No hay ninguna importación de precios que deshacer.</translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation>Aceptar restablece los precios anteriores; Cancelar no cambia nada.

</translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation>Todavía no se ha importado ni modificado ningún precio.
</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Importación de %1</translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation>Modificado en %1</translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation>Anulación de la importación %1 (%2)</translation>
    </message>
    <message>
        <source>price changed</source>
        <translation>precio modificado</translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation>precios modificados</translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation>Precio nuevo:  %1
Sin cambios:   %2
Puestos a 0:   %3
Ya en 0:       %4
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation>
Precios que cambian (referencia, precio anterior, precio nuevo):
</translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation>Importación %1 (%2, %3): %4 precios vuelven al precio que tenían antes de ella.
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation>
Precios que cambian (referencia, actual, después de deshacer):
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Modificados en la lista de precios después de la importación, estos conservan su precio (antes de la importación, actual):
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>La base de datos de piezas ha rechazado los precios.</translation>
    </message>
    <message>
        <source>%1: the price &quot;%2&quot; is not between 0 and %3.</source>
        <translation>%1: el precio «%2» no está entre 0 y %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price&apos;s decimals follow a period, not a comma (45.5, not 45,5).</source>
        <translation>Registro %1 (línea %2): la línea tiene %3 campos, que no forman registros completos de una referencia y un precio. Los decimales de un precio van tras un punto, no tras una coma (45.5, no 45,5).</translation>
    </message>
    <message>
        <source>Line %1: the file holds more than %2 records, and a price list names a few thousand parts. It is no price file.</source>
        <translation>Línea %1: el archivo contiene más de %2 registros, y una lista de precios nombra unos pocos miles de piezas. No es un archivo de precios.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price file is a few hundred kilobytes. It is no price file.</source>
        <translation>El archivo ocupa más de %1 MB, y un archivo de precios ocupa unos cientos de kilobytes. No es un archivo de precios.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It is no price workbook.</source>
        <translation>El archivo ocupa más de %1 MB, y un libro de precios ocupa unos cientos de kilobytes. No es un libro de precios.</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>La parte %1 del libro se descomprime en más de %2 MB, y las partes de un libro de precios son mucho menores. No es un libro de precios.</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
        <translation>La parte %1 del libro enumera más de %2 relaciones, y un libro de precios tiene unas pocas. No es un libro de precios.</translation>
    </message>
    <message>
        <source>The first worksheet has the cell %1 below row %2, and a price list ends long before. It is no price workbook.</source>
        <translation>La primera hoja tiene la celda %1 por debajo de la fila %2, y una lista de precios termina mucho antes. No es un libro de precios.</translation>
    </message>
    <message>
        <source>The workbook holds more than %1 shared texts, and a price workbook holds a few thousand. It is no price workbook.</source>
        <translation>El libro contiene más de %1 textos compartidos, y un libro de precios contiene unos pocos miles. No es un libro de precios.</translation>
    </message>
    <message>
        <source>There is no price history to set aside; nothing has been changed.
</source>
        <translation>No hay ningún historial de precios que apartar; no se ha cambiado nada.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>El historial de precios %1 se llama ahora %2; la próxima importación o cambio de precio empieza un historial nuevo y vacío.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program&apos;s price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. &quot;telmaris %3&quot; renames it aside, after which the prices start a new, empty history.</source>
        <translation>La tabla %1 no es el historial de precios del programa: %2. Los precios no se leen de ella ni se cambian con ella, y no se ha cambiado nada. «telmaris %3» le cambia el nombre para apartarla; después los precios empiezan un historial nuevo y vacío.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>las piezas del evento %1 no son como el programa las registra</translation>
    </message>
    <message>
        <source>it is a view, not a table</source>
        <translation>es una vista, no una tabla</translation>
    </message>
    <message>
        <source>a trigger of its own acts on it</source>
        <translation>un disparador propio actúa sobre ella</translation>
    </message>
    <message>
        <source>it is a virtual table</source>
        <translation>es una tabla virtual</translation>
    </message>
    <message>
        <source>its columns are not %1</source>
        <translation>sus columnas no son %1</translation>
    </message>
    <message>
        <source>its event numbers are not whole numbers from 1 to %1</source>
        <translation>sus números de evento no son números enteros de 1 a %1</translation>
    </message>
    <message>
        <source>its events are not as the program records them</source>
        <translation>sus eventos no son como el programa los registra</translation>
    </message>
    <message>
        <source>The database has no table tblDetaljPr (the parts and their prices): it is not a parts database of the program.</source>
        <translation>La base de datos no tiene la tabla tblDetaljPr (las piezas y sus precios): no es una base de datos de piezas del programa.</translation>
    </message>
    <message>
        <source>The table tblDetaljPr (the parts and their prices) has no column %1.</source>
        <translation>La tabla tblDetaljPr (las piezas y sus precios) no tiene la columna %1.</translation>
    </message>
    <message>
        <source>The view %1 cannot be renamed: its definition is not readable.</source>
        <translation>No se puede cambiar el nombre de la vista %1: su definición no se puede leer.</translation>
    </message>
    <message>
        <source>import %1 (%2) is now the last import not undone</source>
        <translation>la importación %1 (%2) es ahora la última importación no deshecha</translation>
    </message>
    <message>
        <source>a change of the prices was recorded after it was shown</source>
        <translation>se registró un cambio de los precios después de mostrarla</translation>
    </message>
    <message>
        <source>prices it would change were changed meanwhile</source>
        <translation>precios que cambiaría se han cambiado entretanto</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has been undone; choose the undo again to see what it would take back now.</source>
        <translation>El historial de precios cambió después de mostrarse la anulación de la importación %1 (%2): %3. No se ha deshecho nada; elija de nuevo deshacer para ver lo que desharía ahora.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>El historial de precios cambió después de mostrarse la anulación de la importación %1 (%2): no queda ninguna importación que deshacer. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is not enough memory to finish this.</source>
        <translation>No hay memoria suficiente para terminar esta operación.</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program&apos;s author and describe what you did.</source>
        <translation>El programa se ha encontrado con una situación que no puede resolver y se cerrará ahora.
Póngase en contacto con el autor del programa y describa lo que estaba haciendo.</translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The folder cannot be entered.</source>
        <translation>No se puede acceder a la carpeta.</translation>
    </message>
    <message>
        <source>The program directory cannot be opened.</source>
        <translation>No se puede abrir el directorio del programa.</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>No se puede abrir la configuración.</translation>
    </message>
</context>
</TS>
