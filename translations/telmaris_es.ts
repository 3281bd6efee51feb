<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>El archivo ocupa más de %1 KB, y una configuración ocupa cerca de medio kilobyte. No es una configuración.</translation>
    </message>
    <message>
        <source>"%1" must be %2.</source>
        <translation>"%1" debe ser %2.</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>a text of digits with at most one "." or ","</source>
        <translation>un texto de cifras con un "." o "," como máximo</translation>
    </message>
    <message>
        <source>one of "%1" or null</source>
        <translation>uno de "%1" o null</translation>
    </message>
    <message>
        <source>an object is not closed</source>
        <translation>un objeto no está cerrado</translation>
    </message>
    <message>
        <source>a colon is missing after a name</source>
        <translation>falta un signo de dos puntos después de un nombre</translation>
    </message>
    <message>
        <source>a list is not closed</source>
        <translation>una lista no está cerrada</translation>
    </message>
    <message>
        <source>a comma is missing between two values</source>
        <translation>falta una coma entre dos valores</translation>
    </message>
    <message>
        <source>a value is not valid</source>
        <translation>un valor no es válido</translation>
    </message>
    <message>
        <source>the file ends in a number</source>
        <translation>el archivo termina en medio de un número</translation>
    </message>
    <message>
        <source>a number is not valid</source>
        <translation>un número no es válido</translation>
    </message>
    <message>
        <source>a text has an invalid escape sequence</source>
        <translation>un texto contiene una secuencia de escape no válida</translation>
    </message>
    <message>
        <source>a text is not valid UTF-8</source>
        <translation>un texto no es UTF-8 válido</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>un texto no está cerrado</translation>
    </message>
    <message>
        <source>an object is missing after a comma</source>
        <translation>falta un objeto después de una coma</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>los valores están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>the document is too large</source>
        <translation>el documento es demasiado grande</translation>
    </message>
    <message>
        <source>more follows the end of the document</source>
        <translation>hay más datos después del final del documento</translation>
    </message>
    <message>
        <source>its contents cannot be read</source>
        <translation>su contenido no se puede leer</translation>
    </message>
    <message>
        <source>The file is no configuration: %1 (at character %2).</source>
        <translation>El archivo no es una configuración: %1 (en el carácter %2).</translation>
    </message>
    <message>
        <source>The file is no configuration.</source>
        <translation>El archivo no es una configuración.</translation>
    </message>
    <message>
        <source>one of the eight variants, such as "English European"</source>
        <translation>una de las ocho variantes, por ejemplo "English European"</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>a whole number from 0 to 99</source>
        <translation>un número entero de 0 a 99</translation>
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
    <message>
        <source>the walk has not reached the step of this answer</source>
        <translation>la configuración aún no ha llegado al paso de esta respuesta</translation>
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
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Un clic en un modelo de la lista, o Intro, confirma el modelo y pasa al paso siguiente.</translation>
    </message>
    <message>
        <source>A click ticks or clears the box and moves on; Enter or Tab moves on without changing it.</source>
        <translation>Un clic marca o desmarca la casilla y pasa al paso siguiente; Intro o Tab pasa al paso siguiente sin cambiarla.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click in the box confirms the value and moves on.</source>
        <translation>Intro, Tab o un doble clic en la casilla confirma el valor y pasa al paso siguiente.</translation>
    </message>
    <message>
        <source>A click or Enter takes this length and moves on.</source>
        <translation>Un clic o Intro toma esta longitud y pasa al paso siguiente.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click confirms the choice and moves on.</source>
        <translation>Intro, Tab o un doble clic confirma la elección y pasa al paso siguiente.</translation>
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
    <message>
        <source>New &amp;Quote</source>
        <translation>Nuevo &amp;presupuesto</translation>
    </message>
    <message>
        <source>Quote Re&amp;gister...</source>
        <translation>Regis&amp;tro de presupuestos...</translation>
    </message>
    <message>
        <source>The configuration in the main window is not finished yet: answer its steps until the print buttons show, then add it to the quote.</source>
        <translation>La configuración de la ventana principal aún no está terminada: responda a sus pasos hasta que aparezcan los botones de impresión y luego añádala al presupuesto.</translation>
    </message>
    <message>
        <source>This configuration cannot be taken into a quote.</source>
        <translation>Esta configuración no se puede incluir en un presupuesto.</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>No se puede abrir el presupuesto.</translation>
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
        <source>"%1" is not a price; the price of %2 stays as it was.</source>
        <translation>«%1» no es un precio; el precio de %2 no cambia.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>No se ha podido guardar el precio de %1.</translation>
    </message>
    <message>
        <source>"%1" is not between 0 and %2; the price of %3 stays as it was.</source>
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
        <source>%1: the price "%2" is not between 0 and %3.</source>
        <translation>%1: el precio «%2» no está entre 0 y %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price's decimals follow a period, not a comma (45.5, not 45,5).</source>
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
        <source>The workbook's part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>La parte %1 del libro se descomprime en más de %2 MB, y las partes de un libro de precios son mucho menores. No es un libro de precios.</translation>
    </message>
    <message>
        <source>The workbook's part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
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
        <source>The table %1 is not the program's price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. "telmaris %3" renames it aside, after which the prices start a new, empty history.</source>
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
    <message>
        <source>Line %1: the closing quote is missing.</source>
        <translation>Línea %1: falta la comilla de cierre.</translation>
    </message>
    <message>
        <source>Line %1: a comma must follow the closing quote.</source>
        <translation>Línea %1: tras la comilla de cierre debe ir una coma.</translation>
    </message>
    <message>
        <source>Line %1: the field "%2" has a stray quote.</source>
        <translation>Línea %1: el campo «%2» tiene una comilla suelta.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number "%3" has no price.</source>
        <translation>Registro %1 (línea %2): la referencia «%3» no tiene precio.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price "%3" is not a number.</source>
        <translation>Registro %1 (línea %2): el precio «%3» no es un número.</translation>
    </message>
    <message>
        <source>Record %1 (line %2)</source>
        <translation>Registro %1 (línea %2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: the price of %2 is missing or not a number.</source>
        <translation>%1: el precio de %2 falta o no es un número.</translation>
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
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <translation>Oferta</translation>
    </message>
    <message>
        <source>Quote no.</source>
        <translation>Oferta n.º</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Your reference</source>
        <translation>Su referencia</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Nuestra referencia</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válida hasta</translation>
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
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Precio unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Descuentos</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total neto</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posición %1</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
</context>
<context>
    <name>QuoteWindow</name>
    <message>
        <source>US metric</source>
        <translation>US métrica</translation>
    </message>
    <message>
        <source>US imperial</source>
        <translation>US imperial</translation>
    </message>
    <message>
        <source>European</source>
        <translation>europea</translation>
    </message>
    <message>
        <source>Telmaris quotes (*.telmaris)</source>
        <translation>Presupuestos de Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Quote...</source>
        <translation>&amp;Abrir presupuesto...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
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
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>C&amp;ontacto:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>C&amp;ustomer's reference:</source>
        <translation>&amp;Referencia del cliente:</translation>
    </message>
    <message>
        <source>&amp;Our reference:</source>
        <translation>Nuestra re&amp;ferencia:</translation>
    </message>
    <message>
        <source>&amp;Valid for:</source>
        <translation>&amp;Válido durante:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Número del presupuesto:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Posiciones:</translation>
    </message>
    <message>
        <source>&amp;Quantity:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <source>Position not&amp;e:</source>
        <translation>No&amp;ta de la posición:</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Unit net</source>
        <translation>Neto unitario</translation>
    </message>
    <message>
        <source>Line net</source>
        <translation>Neto línea</translation>
    </message>
    <message>
        <source>The customer's company</source>
        <translation>La empresa del cliente</translation>
    </message>
    <message>
        <source>Payment, delivery</source>
        <translation>Pago, entrega</translation>
    </message>
    <message>
        <source>&amp;Add current configuration</source>
        <translation>Añadir la confi&amp;guración actual</translation>
    </message>
    <message>
        <source>The configuration of the main window's steps, once it is finished, as a new position</source>
        <translation>La configuración de los pasos de la ventana principal, una vez terminada, como posición nueva</translation>
    </message>
    <message>
        <source>Open in t&amp;he steps</source>
        <translation>Abrir en &amp;los pasos</translation>
    </message>
    <message>
        <source>The selected position's configuration into the main window's steps, to change it</source>
        <translation>La configuración de la posición seleccionada a los pasos de la ventana principal, para cambiarla</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Open Quote...</source>
        <translation>Abrir presupuesto...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exportar a PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>aún no emitido: se numera la primera vez que se imprime, se exporta o se guarda</translation>
    </message>
    <message>
        <source>%1 of %2, as issued (read-only)</source>
        <translation>%1 del %2, tal como se emitió (solo lectura)</translation>
    </message>
    <message>
        <source>%1 of %2, at today's prices: issued again when it is next printed, exported or saved</source>
        <translation>%1 del %2, a precios de hoy: se emite de nuevo la próxima vez que se imprima, se exporte o se guarde</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>hasta el %1</translation>
    </message>
    <message>
        <source>The languages of the %1 price list</source>
        <translation>Los idiomas de la lista de precios %1</translation>
    </message>
    <message>
        <source>, lift %1 ft</source>
        <translation>, elevación %1 ft</translation>
    </message>
    <message>
        <source>, lift %1 m</source>
        <translation>, elevación %1 m</translation>
    </message>
    <message>
        <source>Net total: %1</source>
        <translation>Total neto: %1</translation>
    </message>
    <message>
        <source>No position yet: configure a hoist in the main window, then Add current configuration.</source>
        <translation>Aún no hay ninguna posición: configure un polipasto en la ventana principal y luego Añadir la configuración actual.</translation>
    </message>
    <message>
        <source>&amp;Replace position %1 with the current configuration</source>
        <translation>S&amp;ustituir la posición %1 por la configuración actual</translation>
    </message>
    <message>
        <source>&amp;Replace position with the current configuration</source>
        <translation>S&amp;ustituir la posición por la configuración actual</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Nuevo presupuesto</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Presupuesto %1</translation>
    </message>
    <message>
        <source>This quote is made from the %1 price list, and the configuration in the main window from the %2 one. A quote holds the positions of one price list only: make a new quote for this configuration.</source>
        <translation>Este presupuesto se basa en la lista de precios %1, y la configuración de la ventana principal en la lista de precios %2. Un presupuesto solo contiene posiciones de una lista de precios: haga un presupuesto nuevo para esta configuración.</translation>
    </message>
    <message>
        <source>A quote holds at most %1 positions.</source>
        <translation>Un presupuesto contiene como máximo %1 posiciones.</translation>
    </message>
    <message>
        <source>The quote has not been saved.

Do you want to save it?</source>
        <translation>El presupuesto no se ha guardado.

¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>The quote %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>El presupuesto %1 ha cambiado desde que se abrió o se guardó.

¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Open quote</source>
        <translation>Abrir presupuesto</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>No se puede abrir el presupuesto.</translation>
    </message>
    <message>
        <source>The quote has no position to save yet.</source>
        <translation>El presupuesto aún no tiene ninguna posición que guardar.</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Guardar presupuesto</translation>
    </message>
    <message>
        <source>The quote could not be saved.</source>
        <translation>No se ha podido guardar el presupuesto.</translation>
    </message>
    <message>
        <source>The quote has no position yet. Configure a hoist in the main window, then choose Add current configuration.</source>
        <translation>El presupuesto aún no tiene ninguna posición. Configure un polipasto en la ventana principal y luego elija Añadir la configuración actual.</translation>
    </message>
    <message>
        <source>The quote cannot be printed.</source>
        <translation>No se puede imprimir el presupuesto.</translation>
    </message>
    <message>
        <source>The quote's number could not be written into its file.</source>
        <translation>No se ha podido escribir el número del presupuesto en su archivo.</translation>
    </message>
    <message>
        <source>The quote could not be recorded in the register of quotes, so it has not been numbered or printed.</source>
        <translation>No se ha podido registrar el presupuesto en el registro de presupuestos, por lo que no se ha numerado ni impreso.</translation>
    </message>
    <message>
        <source>The quote could not be written.</source>
        <translation>No se ha podido escribir el presupuesto.</translation>
    </message>
    <message>
        <source>The rest of the quote is complete; with the files back in their place the pictures are on it again.</source>
        <translation>El resto del presupuesto está completo; con los archivos de nuevo en su sitio, las imágenes vuelven a aparecer en él.</translation>
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
        <source>Quote</source>
        <translation>Presupuesto</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>"%1" must be %2.</source>
        <translation>«%1» debe ser %2.</translation>
    </message>
    <message>
        <source>a list of at least one position</source>
        <translation>una lista de al menos una posición</translation>
    </message>
    <message>
        <source>a list of at most %1 positions</source>
        <translation>una lista de como máximo %1 posiciones</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un texto de como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>a variant of the same market as the first position's (%1): one quote holds hoists of one price list</source>
        <translation>una variante del mismo mercado que la de la primera posición (%1): una oferta contiene polipastos de una sola lista de precios</translation>
    </message>
    <message>
        <source>one of %1 for this quote's hoists</source>
        <translation>uno de %1 para los polipastos de esta oferta</translation>
    </message>
    <message>
        <source>"%1" is no key of a quote file.</source>
        <translation>«%1» no es una clave de un archivo de oferta.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a list of at most %1 texts</source>
        <translation>una lista de como máximo %1 textos</translation>
    </message>
    <message>
        <source>a date such as "2026-12-09"</source>
        <translation>una fecha como «2026-12-09»</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>una lista de 1 a %1 posiciones</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>El archivo ocupa más de %1 KB, más de lo que ocupa una oferta de %2 posiciones. No es una configuración ni una oferta.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posición %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>La oferta tiene %1 posiciones, pero se emitieron %2 listas.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>La oferta %1 del registro no se puede leer: %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>La oferta %1 del registro no se puede leer: sus listas no corresponden a sus posiciones.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>discounts</source>
        <translation>descuentos</translation>
    </message>
    <message>
        <source>net total</source>
        <translation>total neto</translation>
    </message>
    <message>
        <source>Quote %1: no amount differs from today's prices.
</source>
        <translation>Oferta %1: ningún importe difiere de los precios actuales.
</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices, amounts changed:
</source>
        <translation>Oferta %1 a los precios actuales, importes cambiados:
</translation>
    </message>
    <message>
        <source>Position %1, %2 %3</source>
        <translation>Posición %1, %2 %3</translation>
    </message>
    <message>
        <source>The register holds no quote yet.
</source>
        <translation>El registro aún no contiene ninguna oferta.
</translation>
    </message>
    <message>
        <source>No quote of the register matches %1.
</source>
        <translation>Ninguna oferta del registro coincide con %1.
</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Quote Register</source>
        <translation>Registro de presupuestos</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Customer, reference or quote number</source>
        <translation>Cliente, referencia o número de presupuesto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Customer's reference</source>
        <translation>Referencia del cliente</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>Nuestra referencia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total neto</translation>
    </message>
    <message>
        <source>&amp;Open as issued</source>
        <translation>&amp;Abrir tal como se emitió</translation>
    </message>
    <message>
        <source>&amp;Reprice at today's prices</source>
        <translation>&amp;Recalcular a precios de hoy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The register of quotes cannot be read.</source>
        <translation>No se puede leer el registro de presupuestos.</translation>
    </message>
    <message>
        <source>%1 (revision %2)</source>
        <translation>%1 (revisión %2)</translation>
    </message>
    <message>
        <source>The quote %1 cannot be read from the register.</source>
        <translation>No se puede leer el presupuesto %1 del registro.</translation>
    </message>
    <message>
        <source>The register no longer holds the quote %1.</source>
        <translation>El registro ya no contiene el presupuesto %1.</translation>
    </message>
    <message>
        <source>The quote %1 cannot be priced at today's prices.</source>
        <translation>No se puede calcular el presupuesto %1 a precios de hoy.</translation>
    </message>
    <message>
        <source>OK opens the quote at today's prices in the quote window; it keeps its number and is issued as a new revision when it is next printed, exported or saved. Cancel leaves it as it is.</source>
        <translation>Aceptar abre el presupuesto a precios de hoy en la ventana del presupuesto; conserva su número y se emite como nueva revisión la próxima vez que se imprima, se exporte o se guarde. Cancelar lo deja como está.</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices</source>
        <translation>Presupuesto %1 a precios de hoy</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program's author and describe what you did.</source>
        <translation>El programa se ha encontrado con una situación que no puede resolver y se cerrará ahora.
Póngase en contacto con el autor del programa y describa lo que estaba haciendo.</translation>
    </message>
</context>
<context>
    <name>Workbooks</name>
    <message>
        <source>it is cut short.</source>
        <translation>está truncado.</translation>
    </message>
    <message>
        <source>it is not a compound file.</source>
        <translation>no es un archivo compuesto.</translation>
    </message>
    <message>
        <source>its compound file header is damaged.</source>
        <translation>su cabecera de archivo compuesto está dañada.</translation>
    </message>
    <message>
        <source>its sector allocation table is damaged.</source>
        <translation>su tabla de asignación de sectores está dañada.</translation>
    </message>
    <message>
        <source>the list of its allocation table's sectors is damaged.</source>
        <translation>la lista de sectores de su tabla de asignación está dañada.</translation>
    </message>
    <message>
        <source>its sector allocation table</source>
        <translation>tabla de asignación de sectores</translation>
    </message>
    <message>
        <source>its mini allocation table</source>
        <translation>minitabla de asignación</translation>
    </message>
    <message>
        <source>it is cut short or its sectors are damaged.</source>
        <translation>está truncado o sus sectores están dañados.</translation>
    </message>
    <message>
        <source>%1 names a sector it does not have.</source>
        <translation>la estructura «%1» nombra un sector que no existe.</translation>
    </message>
    <message>
        <source>the sectors of %1 go round in a loop.</source>
        <translation>los sectores de la estructura «%1» forman un bucle.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>la estructura «%1» está dañada.</translation>
    </message>
    <message>
        <source>%1 is longer than the file.</source>
        <translation>la estructura «%1» es más larga que el archivo.</translation>
    </message>
    <message>
        <source>%1 ends before its length.</source>
        <translation>la estructura «%1» termina antes de su longitud declarada.</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>directorio</translation>
    </message>
    <message>
        <source>its directory is damaged.</source>
        <translation>su directorio está dañado.</translation>
    </message>
    <message>
        <source>its stream %1</source>
        <translation>flujo %1</translation>
    </message>
    <message>
        <source>its mini stream</source>
        <translation>miniflujo</translation>
    </message>
    <message>
        <source>%1 lies past the end of the mini stream.</source>
        <translation>la estructura «%1» está más allá del final del miniflujo.</translation>
    </message>
    <message>
        <source>it is damaged or not a workbook.</source>
        <translation>está dañado o no es un libro.</translation>
    </message>
    <message>
        <source>its part %1 is missing.</source>
        <translation>falta su parte %1.</translation>
    </message>
    <message>
        <source>its part %1 is damaged.</source>
        <translation>su parte %1 está dañada.</translation>
    </message>
    <message>
        <source>its part %1 cannot be unpacked.</source>
        <translation>su parte %1 no se puede descomprimir.</translation>
    </message>
    <message>
        <source>its part %1 is damaged (%2).</source>
        <translation>su parte %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>row number</source>
        <translation>número de fila</translation>
    </message>
    <message>
        <source>cell reference %1</source>
        <translation>referencia de celda %1</translation>
    </message>
    <message>
        <source>cell position</source>
        <translation>posición de celda</translation>
    </message>
    <message>
        <source>shared string %1</source>
        <translation>texto compartido %1</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>número %1</translation>
    </message>
    <message>
        <source>it holds no worksheet.</source>
        <translation>no contiene ninguna hoja.</translation>
    </message>
    <message>
        <source>%1 holds a formula without a value.</source>
        <translation>%1 contiene una fórmula sin valor.</translation>
    </message>
    <message>
        <source>%1 holds the error value %2.</source>
        <translation>%1 contiene el valor de error %2.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be read: %2</source>
        <translation>El libro %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>no se puede abrir.</translation>
    </message>
    <message>
        <source>it is not an Excel workbook.</source>
        <translation>no es un libro de Excel.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>%1 are damaged.</source>
        <translation>la estructura «%1» está dañada.</translation>
    </message>
    <message>
        <source>its list of sheets is damaged.</source>
        <translation>su lista de hojas está dañada.</translation>
    </message>
    <message>
        <source>its workbook stream ends in the middle of a record.</source>
        <translation>su flujo de libro termina en medio de un registro.</translation>
    </message>
    <message>
        <source>its record at byte %1 of the workbook stream is damaged.</source>
        <translation>su registro en el byte %1 del flujo de libro está dañado.</translation>
    </message>
    <message>
        <source>its workbook stream does not begin with the workbook's globals.</source>
        <translation>su flujo de libro no empieza con los datos globales del libro.</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without the password and import it again.</source>
        <translation>está protegido con una contraseña. Guárdelo sin contraseña e impórtelo de nuevo.</translation>
    </message>
    <message>
        <source>its shared strings</source>
        <translation>textos compartidos</translation>
    </message>
    <message>
        <source>the texts of its cells</source>
        <translation>textos de las celdas</translation>
    </message>
    <message>
        <source>its cell %1 names a shared string it does not hold.</source>
        <translation>su celda %1 nombra un texto compartido que no contiene.</translation>
    </message>
    <message>
        <source>it holds no workbook stream.</source>
        <translation>no contiene ningún flujo de libro.</translation>
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