<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>The file is larger than %1 KB, and a configuration is about half a kilobyte. It is no configuration.</source>
        <translation>O ficheiro tem mais de %1 KB, e uma configuração tem cerca de meio kilobyte. Não é uma configuração.</translation>
    </message>
    <message>
        <source>"%1" must be %2.</source>
        <translation>"%1" deve ser %2.</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>um texto</translation>
    </message>
    <message>
        <source>a text of digits with at most one "." or ","</source>
        <translation>um texto de algarismos com no máximo um "." ou ","</translation>
    </message>
    <message>
        <source>one of "%1" or null</source>
        <translation>um de "%1" ou null</translation>
    </message>
    <message>
        <source>an object is not closed</source>
        <translation>um objeto não está fechado</translation>
    </message>
    <message>
        <source>a colon is missing after a name</source>
        <translation>faltam os dois pontos depois de um nome</translation>
    </message>
    <message>
        <source>a list is not closed</source>
        <translation>uma lista não está fechada</translation>
    </message>
    <message>
        <source>a comma is missing between two values</source>
        <translation>falta uma vírgula entre dois valores</translation>
    </message>
    <message>
        <source>a value is not valid</source>
        <translation>um valor não é válido</translation>
    </message>
    <message>
        <source>the file ends in a number</source>
        <translation>o ficheiro termina a meio de um número</translation>
    </message>
    <message>
        <source>a number is not valid</source>
        <translation>um número não é válido</translation>
    </message>
    <message>
        <source>a text has an invalid escape sequence</source>
        <translation>um texto contém uma sequência de escape inválida</translation>
    </message>
    <message>
        <source>a text is not valid UTF-8</source>
        <translation>um texto não é UTF-8 válido</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>um texto não está fechado</translation>
    </message>
    <message>
        <source>an object is missing after a comma</source>
        <translation>falta um objeto depois de uma vírgula</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>os valores estão aninhados demasiado profundamente</translation>
    </message>
    <message>
        <source>the document is too large</source>
        <translation>o documento é demasiado grande</translation>
    </message>
    <message>
        <source>more follows the end of the document</source>
        <translation>há mais dados depois do fim do documento</translation>
    </message>
    <message>
        <source>its contents cannot be read</source>
        <translation>o seu conteúdo não pode ser lido</translation>
    </message>
    <message>
        <source>The file is no configuration: %1 (at character %2).</source>
        <translation>O ficheiro não é uma configuração: %1 (no carácter %2).</translation>
    </message>
    <message>
        <source>The file is no configuration.</source>
        <translation>O ficheiro não é uma configuração.</translation>
    </message>
    <message>
        <source>one of the eight variants, such as "English European"</source>
        <translation>uma das oito variantes, por exemplo "English European"</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>a whole number from 0 to 99</source>
        <translation>um número inteiro de 0 a 99</translation>
    </message>
</context>
<context>
    <name>Configurator</name>
    <message>
        <source>The discount is 0 to 99 %.</source>
        <translation>O desconto tem de estar entre 0 e 99 %.</translation>
    </message>
    <message>
        <source>: not offered for the %1 with the answers of the steps before.</source>
        <translation>: não é oferecido para a %1 com as respostas dos passos anteriores.</translation>
    </message>
    <message>
        <source>The trolley is not chosen.</source>
        <translation>O trole não foi escolhido.</translation>
    </message>
    <message>
        <source>The hoist control is not chosen.</source>
        <translation>O comando da talha não foi escolhido.</translation>
    </message>
    <message>
        <source>The trolley control is not chosen.</source>
        <translation>O comando do trole não foi escolhido.</translation>
    </message>
    <message>
        <source>The configuration does not reach the output buttons.</source>
        <translation>A configuração não chega aos botões de saída.</translation>
    </message>
    <message>
        <source>the walk has not reached the step of this answer</source>
        <translation>a configuração ainda não chegou ao passo desta resposta</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The folder %1 is read-only: the database cannot be changed there, as a change needs a journal file beside it (%2).</source>
        <translation>A pasta %1 é só de leitura: o banco de dados não pode ser alterado aí, pois uma alteração precisa de um arquivo de registro ao lado dele (%2).</translation>
    </message>
    <message>
        <source>The database file is read-only: it cannot be changed (%1).</source>
        <translation>O arquivo do banco de dados é só de leitura: não pode ser alterado (%1).</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Isto é uma pasta, não um arquivo de banco de dados.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket), so it holds no database.</source>
        <translation>Isto não é um arquivo comum (um dispositivo, um pipe ou um socket), por isso não contém nenhum banco de dados.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no database.</source>
        <translation>O arquivo está vazio: não contém nenhum banco de dados.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Ordering list</source>
        <translation>Lista de encomenda</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be created.</source>
        <translation>Não é possível criar o livro %1.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be written: %2</source>
        <translation>Não é possível escrever o livro %1: %2</translation>
    </message>
    <message>
        <source>No folder for the workbook can be made in %1: %2</source>
        <translation>Não é possível criar em %1 uma pasta para o livro: %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>Não é possível abrir o ficheiro: %1</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Isto é uma pasta, não um ficheiro.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, a pipe or a socket).</source>
        <translation>Isto não é um ficheiro normal (um dispositivo, um pipe ou um socket).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Não é possível ler o ficheiro: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Não é possível escrever o ficheiro: %1</translation>
    </message>
    <message>
        <source>The file could not be written completely; the disk may be full. A previous file of this name is unchanged.</source>
        <translation>Não foi possível escrever o ficheiro por completo; o disco pode estar cheio. Um ficheiro anterior com este nome ficou inalterado.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The price list cannot be read from the parts database.</source>
        <translation>Não é possível ler a lista de preços do banco de dados de peças.</translation>
    </message>
    <message>
        <source>Ordering number or description</source>
        <translation>Número de encomenda ou descrição</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>No spreadsheet program could open the ordering list.</source>
        <translation>Nenhum programa de folha de cálculo conseguiu abrir a lista de encomenda.</translation>
    </message>
    <message>
        <source>OK saves the workbook where you choose; Cancel discards it.</source>
        <translation>OK guarda o livro onde escolher; Cancelar descarta-o.</translation>
    </message>
    <message>
        <source>Save the ordering list</source>
        <translation>Guardar a lista de encomenda</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Livros do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The ordering list could not be saved.</source>
        <translation>Não foi possível guardar a lista de encomenda.</translation>
    </message>
</context>
<context>
    <name>HMeny</name>
    <message>
        <source>Telmaris configurations (*.telmaris)</source>
        <translation>Configurações do Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Abrir configuração</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Guardar configuração</translation>
    </message>
    <message>
        <source>The configuration %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>A configuração %1 foi alterada desde que foi aberta ou guardada.

Pretende guardar as alterações?</translation>
    </message>
    <message>
        <source>The configuration %1 no longer exists. It has been removed from the recent configurations.</source>
        <translation>A configuração %1 já não existe. Foi removida das configurações recentes.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>&amp;Recent configurations</source>
        <translation>Configurações &amp;recentes</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Pré-&amp;visualizar impressão...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exportar para P&amp;DF...</translation>
    </message>
    <message>
        <source>Price &amp;history</source>
        <translation>&amp;Histórico de preços</translation>
    </message>
    <message>
        <source>Undo &amp;last price import</source>
        <translation>Anu&amp;lar a última importação de preços</translation>
    </message>
    <message>
        <source>Show the ordering list on the screen</source>
        <translation>Mostrar a lista de encomenda no ecrã</translation>
    </message>
    <message>
        <source>Print the ordering list</source>
        <translation>Imprimir a lista de encomenda</translation>
    </message>
    <message>
        <source>A click on a model in the list, or Enter, confirms the model and moves on.</source>
        <translation>Um clique num modelo da lista, ou Enter, confirma o modelo e passa ao passo seguinte.</translation>
    </message>
    <message>
        <source>A click ticks or clears the box and moves on; Enter or Tab moves on without changing it.</source>
        <translation>Um clique marca ou desmarca a caixa e passa ao passo seguinte; Enter ou Tab passa ao passo seguinte sem a alterar.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click in the box confirms the value and moves on.</source>
        <translation>Enter, Tab ou um duplo clique na caixa confirma o valor e passa ao passo seguinte.</translation>
    </message>
    <message>
        <source>A click or Enter takes this length and moves on.</source>
        <translation>Um clique ou Enter aceita este comprimento e passa ao passo seguinte.</translation>
    </message>
    <message>
        <source>Enter, Tab or a double-click confirms the choice and moves on.</source>
        <translation>Enter, Tab ou um duplo clique confirma a escolha e passa ao passo seguinte.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar para PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Não é possível abrir a configuração.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.</source>
        <translation>Não foi possível salvar a configuração.</translation>
    </message>
    <message>
        <source>The parts database cannot be read.</source>
        <translation>Não é possível ler o banco de dados de peças.</translation>
    </message>
    <message>
        <source>The price history cannot be read.</source>
        <translation>Não é possível ler o histórico de preços.</translation>
    </message>
    <message>
        <source>The configuration has not been saved.

Do you want to save it?</source>
        <translation>A configuração não foi guardada.

Pretende guardá-la?</translation>
    </message>
    <message>
        <source>The ordering page could not be written.</source>
        <translation>Não foi possível escrever a página de encomenda.</translation>
    </message>
    <message>
        <source>The document %1 cannot be read.</source>
        <translation>Não é possível ler o documento %1.</translation>
    </message>
    <message>
        <source>The document %1 is missing.</source>
        <translation>Falta o documento %1.</translation>
    </message>
    <message>
        <source>The document %1 cannot be opened: this computer has no program for documents of its kind (a word processor).</source>
        <translation>Não é possível abrir o documento %1: este computador não tem nenhum programa para documentos desse tipo (um processador de texto).</translation>
    </message>
    <message>
        <source>The rest of the page is complete; with the files back in their place the pictures are on it again.</source>
        <translation>O resto da página está completo; com os ficheiros de novo no seu lugar, as imagens voltam a aparecer.</translation>
    </message>
    <message>
        <source>New &amp;Quote</source>
        <translation>Novo &amp;orçamento</translation>
    </message>
    <message>
        <source>Quote Re&amp;gister...</source>
        <translation>Regis&amp;to de orçamentos...</translation>
    </message>
    <message>
        <source>The configuration in the main window is not finished yet: answer its steps until the print buttons show, then add it to the quote.</source>
        <translation>A configuração da janela principal ainda não está terminada: responda aos seus passos até aparecerem os botões de impressão e depois acrescente-a ao orçamento.</translation>
    </message>
    <message>
        <source>This configuration cannot be taken into a quote.</source>
        <translation>Esta configuração não pode ser incluída num orçamento.</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Não é possível abrir o orçamento.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help page not found</source>
        <translation>Página de ajuda não encontrada</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program directory.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;b&gt;%2&lt;/b&gt; beside the program. Installing the program again brings them back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A página de ajuda &lt;b&gt;%1&lt;/b&gt; não está no diretório de programa.&lt;/p&gt;&lt;p&gt;As páginas de ajuda devem estar na pasta &lt;b&gt;%2&lt;/b&gt;, junto ao programa. Instalar de novo o programa repõe-nas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Telmaris Help</source>
        <translation>Ajuda do Telmaris</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>The contents</source>
        <translation>O índice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retroceder</translation>
    </message>
    <message>
        <source>The page shown before</source>
        <translation>A página mostrada anteriormente</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>The page you came back from</source>
        <translation>A página a partir da qual retrocedeu</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utilizar a Ajuda</translation>
    </message>
    <message>
        <source>How this window works</source>
        <translation>Como funciona esta janela</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Procurar na página: </translation>
    </message>
    <message>
        <source>word or words</source>
        <translation>uma ou mais palavras</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>The place before</source>
        <translation>A ocorrência anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>The next place</source>
        <translation>A ocorrência seguinte</translation>
    </message>
    <message>
        <source>Not found in this page</source>
        <translation>Não encontrado nesta página</translation>
    </message>
    <message>
        <source>1 place in this page</source>
        <translation>1 ocorrência nesta página</translation>
    </message>
    <message>
        <source>%1 places in this page</source>
        <translation>%1 ocorrências nesta página</translation>
    </message>
    <message>
        <source>Telmaris Help - %1</source>
        <translation>Ajuda do Telmaris - %1</translation>
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
        <translation>Faltam na página as imagens destes ficheiros, em falta ou ilegíveis:
%1</translation>
    </message>
</context>
<context>
    <name>PdfHint</name>
    <message>
        <source>On this computer, File ▸ Export as PDF... writes the ordering page to a PDF file.</source>
        <translation>Neste computador, Ficheiro ▸ Exportar para PDF... escreve a página de encomenda num ficheiro PDF.</translation>
    </message>
</context>
<context>
    <name>PriceGridModel</name>
    <message>
        <source>"%1" is not a price; the price of %2 stays as it was.</source>
        <translation>«%1» não é um preço; o preço de %2 mantém-se inalterado.</translation>
    </message>
    <message>
        <source>The price of %1 could not be stored.</source>
        <translation>Não foi possível gravar o preço de %1.</translation>
    </message>
    <message>
        <source>"%1" is not between 0 and %2; the price of %3 stays as it was.</source>
        <translation>«%1» não está entre 0 e %2; o preço de %3 mantém-se inalterado.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Another program has changed the price of %1 from %2 to %3 since the list showed it: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Outro programa alterou o preço de %1 de %2 para %3 desde que a lista o mostrou: nada foi guardado. A lista mostra agora os preços guardados.</translation>
    </message>
    <message>
        <source>Another program has removed the part %1 from the parts database: nothing has been stored. The list now shows the stored prices.</source>
        <translation>Outro programa removeu a peça %1 do banco de dados de peças: nada foi guardado. A lista mostra agora os preços guardados.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>%1

OK imports the prices; Cancel changes nothing.

</source>
        <translation>%1

OK importa os preços; Cancelar não altera nada.

</translation>
    </message>
    <message>
        <source>Price file (*.DAT)</source>
        <translation>Ficheiro de preços (*.DAT)</translation>
    </message>
    <message>
        <source>Price file (*.TXT)</source>
        <translation>Ficheiro de preços (*.TXT)</translation>
    </message>
    <message>
        <source>Price file (*.XLS *.XLSX)</source>
        <translation>Ficheiro de preços (*.XLS *.XLSX)</translation>
    </message>
    <message>
        <source>There is no price import to undo.</source>
        <translation>Não existe nenhuma importação de preços para anular.</translation>
    </message>
    <message>
        <source>OK puts the prices back; Cancel changes nothing.

</source>
        <translation>OK repõe os preços anteriores; Cancelar não altera nada.

</translation>
    </message>
    <message>
        <source>No price has been imported or changed yet.
</source>
        <translation>Ainda não foi importado nem alterado nenhum preço.
</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Importação de %1</translation>
    </message>
    <message>
        <source>Edited in the %1</source>
        <translation>Alterado em %1</translation>
    </message>
    <message>
        <source>Undo of import %1 (%2)</source>
        <translation>Anulação da importação %1 (%2)</translation>
    </message>
    <message>
        <source>price changed</source>
        <translation>preço alterado</translation>
    </message>
    <message>
        <source>prices changed</source>
        <translation>preços alterados</translation>
    </message>
    <message>
        <source>New price:  %1
Unchanged:  %2
Set to 0:   %3
Already 0:  %4
</source>
        <translation>Preço novo:   %1
Inalterados:  %2
Postos a 0:   %3
Já a 0:       %4
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, old price, new price):
</source>
        <translation>
Preços que mudam (referência, preço antigo, preço novo):
</translation>
    </message>
    <message>
        <source>Import %1 (%2, %3): %4 prices go back to their price before it.
</source>
        <translation>Importação %1 (%2, %3): %4 preços voltam ao preço que tinham antes dela.
</translation>
    </message>
    <message>
        <source>
Prices that change (ordering number, now, after the undo):
</source>
        <translation>
Preços que mudam (referência, atual, após a anulação):
</translation>
    </message>
    <message>
        <source>
Edited in the price list since the import, these keep their price (before the import, now):
</source>
        <translation>
Alterados na lista de preços desde a importação, estes mantêm o seu preço (antes da importação, atual):
</translation>
    </message>
    <message>
        <source>The parts database refused the prices.</source>
        <translation>O banco de dados de peças recusou os preços.</translation>
    </message>
    <message>
        <source>%1: the price "%2" is not between 0 and %3.</source>
        <translation>%1: o preço «%2» não está entre 0 e %3.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the line has %3 fields, which do not make whole records of an ordering number and a price. A price's decimals follow a period, not a comma (45.5, not 45,5).</source>
        <translation>Registo %1 (linha %2): a linha tem %3 campos, que não formam registos completos de uma referência e um preço. As casas decimais de um preço seguem um ponto, não uma vírgula (45.5, não 45,5).</translation>
    </message>
    <message>
        <source>Line %1: the file holds more than %2 records, and a price list names a few thousand parts. It is no price file.</source>
        <translation>Linha %1: o ficheiro contém mais de %2 registos, e uma lista de preços indica alguns milhares de peças. Não é um ficheiro de preços.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price file is a few hundred kilobytes. It is no price file.</source>
        <translation>O ficheiro tem mais de %1 MB, e um ficheiro de preços tem algumas centenas de kilobytes. Não é um ficheiro de preços.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It is no price workbook.</source>
        <translation>O ficheiro tem mais de %1 MB, e um livro de preços tem algumas centenas de kilobytes. Não é um livro de preços.</translation>
    </message>
    <message>
        <source>The workbook's part %1 unpacks to more than %2 MB, and the parts of a price workbook are far smaller. It is no price workbook.</source>
        <translation>A parte %1 do livro descomprime-se em mais de %2 MB, e as partes de um livro de preços são muito menores. Não é um livro de preços.</translation>
    </message>
    <message>
        <source>The workbook's part %1 lists more than %2 relationships, and a price workbook has a few. It is no price workbook.</source>
        <translation>A parte %1 do livro enumera mais de %2 relações, e um livro de preços tem poucas. Não é um livro de preços.</translation>
    </message>
    <message>
        <source>The first worksheet has the cell %1 below row %2, and a price list ends long before. It is no price workbook.</source>
        <translation>A primeira folha tem a célula %1 abaixo da linha %2, e uma lista de preços termina muito antes. Não é um livro de preços.</translation>
    </message>
    <message>
        <source>The workbook holds more than %1 shared texts, and a price workbook holds a few thousand. It is no price workbook.</source>
        <translation>O livro contém mais de %1 textos partilhados, e um livro de preços contém alguns milhares. Não é um livro de preços.</translation>
    </message>
    <message>
        <source>There is no price history to set aside; nothing has been changed.
</source>
        <translation>Não existe nenhum histórico de preços para pôr de lado; nada foi alterado.
</translation>
    </message>
    <message>
        <source>The price history %1 is now %2; the next import or price change starts a new, empty history.
</source>
        <translation>O histórico de preços %1 chama-se agora %2; a próxima importação ou alteração de preço começa um histórico novo e vazio.
</translation>
    </message>
    <message>
        <source>The table %1 is not the program's price history: %2. The prices are neither read from it nor changed with it, and nothing has been changed. "telmaris %3" renames it aside, after which the prices start a new, empty history.</source>
        <translation>A tabela %1 não é o histórico de preços do programa: %2. Os preços não são lidos dela nem alterados com ela, e nada foi alterado. «telmaris %3» muda-lhe o nome para a pôr de lado; depois os preços começam um histórico novo e vazio.</translation>
    </message>
    <message>
        <source>the parts of event %1 are not as the program records them</source>
        <translation>as peças do evento %1 não estão como o programa as regista</translation>
    </message>
    <message>
        <source>it is a view, not a table</source>
        <translation>é uma vista, não uma tabela</translation>
    </message>
    <message>
        <source>a trigger of its own acts on it</source>
        <translation>um gatilho próprio age sobre ela</translation>
    </message>
    <message>
        <source>it is a virtual table</source>
        <translation>é uma tabela virtual</translation>
    </message>
    <message>
        <source>its columns are not %1</source>
        <translation>as suas colunas não são %1</translation>
    </message>
    <message>
        <source>its event numbers are not whole numbers from 1 to %1</source>
        <translation>os seus números de evento não são números inteiros de 1 a %1</translation>
    </message>
    <message>
        <source>its events are not as the program records them</source>
        <translation>os seus eventos não estão como o programa os regista</translation>
    </message>
    <message>
        <source>The database has no table tblDetaljPr (the parts and their prices): it is not a parts database of the program.</source>
        <translation>O banco de dados não tem a tabela tblDetaljPr (as peças e os seus preços): não é um banco de dados de peças do programa.</translation>
    </message>
    <message>
        <source>The table tblDetaljPr (the parts and their prices) has no column %1.</source>
        <translation>A tabela tblDetaljPr (as peças e os seus preços) não tem a coluna %1.</translation>
    </message>
    <message>
        <source>The view %1 cannot be renamed: its definition is not readable.</source>
        <translation>Não é possível mudar o nome da vista %1: a sua definição não é legível.</translation>
    </message>
    <message>
        <source>import %1 (%2) is now the last import not undone</source>
        <translation>a importação %1 (%2) é agora a última importação não anulada</translation>
    </message>
    <message>
        <source>a change of the prices was recorded after it was shown</source>
        <translation>foi registada uma alteração dos preços depois de ser mostrada</translation>
    </message>
    <message>
        <source>prices it would change were changed meanwhile</source>
        <translation>preços que alteraria foram alterados entretanto</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has been undone; choose the undo again to see what it would take back now.</source>
        <translation>O histórico de preços mudou depois de ser mostrada a anulação da importação %1 (%2): %3. Nada foi anulado; escolha de novo anular para ver o que anularia agora.</translation>
    </message>
    <message>
        <source>The price history changed after the undo of import %1 (%2) was shown: no import is left to undo. Nothing has been changed.</source>
        <translation>O histórico de preços mudou depois de ser mostrada a anulação da importação %1 (%2): não resta nenhuma importação para anular. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>Line %1: the closing quote is missing.</source>
        <translation>Linha %1: falta a aspa de fecho.</translation>
    </message>
    <message>
        <source>Line %1: a comma must follow the closing quote.</source>
        <translation>Linha %1: a aspa de fecho deve ser seguida de uma vírgula.</translation>
    </message>
    <message>
        <source>Line %1: the field "%2" has a stray quote.</source>
        <translation>Linha %1: o campo «%2» tem uma aspa solta.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the ordering number "%3" has no price.</source>
        <translation>Registo %1 (linha %2): a referência «%3» não tem preço.</translation>
    </message>
    <message>
        <source>Record %1 (line %2): the price "%3" is not a number.</source>
        <translation>Registo %1 (linha %2): o preço «%3» não é um número.</translation>
    </message>
    <message>
        <source>Record %1 (line %2)</source>
        <translation>Registo %1 (linha %2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1: the price of %2 is missing or not a number.</source>
        <translation>%1: o preço de %2 falta ou não é um número.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is not enough memory to finish this.</source>
        <translation>Não há memória suficiente para concluir esta operação.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Quote</source>
        <translation>Proposta</translation>
    </message>
    <message>
        <source>Quote no.</source>
        <translation>Proposta n.º</translation>
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
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Your reference</source>
        <translation>A sua referência</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>A nossa referência</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válida até</translation>
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
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Preço unitário</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montante</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Descontos</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total líquido</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posição %1</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posições</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 dia</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dias</translation>
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
        <translation>europeia</translation>
    </message>
    <message>
        <source>Telmaris quotes (*.telmaris)</source>
        <translation>Orçamentos do Telmaris (*.telmaris)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Open Quote...</source>
        <translation>&amp;Abrir orçamento...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Pré-&amp;visualizar impressão...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exportar para P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>&amp;Contacto:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Morada:</translation>
    </message>
    <message>
        <source>C&amp;ustomer's reference:</source>
        <translation>Referência do c&amp;liente:</translation>
    </message>
    <message>
        <source>&amp;Our reference:</source>
        <translation>A n&amp;ossa referência:</translation>
    </message>
    <message>
        <source>&amp;Valid for:</source>
        <translation>&amp;Válido por:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dias</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Número do orçamento:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Posições:</translation>
    </message>
    <message>
        <source>&amp;Quantity:</source>
        <translation>&amp;Quantidade:</translation>
    </message>
    <message>
        <source>Position not&amp;e:</source>
        <translation>No&amp;ta da posição:</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantidade</translation>
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
        <translation>Líquido unitário</translation>
    </message>
    <message>
        <source>Line net</source>
        <translation>Líquido da linha</translation>
    </message>
    <message>
        <source>The customer's company</source>
        <translation>A empresa do cliente</translation>
    </message>
    <message>
        <source>Payment, delivery</source>
        <translation>Pagamento, entrega</translation>
    </message>
    <message>
        <source>&amp;Add current configuration</source>
        <translation>&amp;Acrescentar a configuração atual</translation>
    </message>
    <message>
        <source>The configuration of the main window's steps, once it is finished, as a new position</source>
        <translation>A configuração dos passos da janela principal, depois de terminada, como nova posição</translation>
    </message>
    <message>
        <source>Open in t&amp;he steps</source>
        <translation>A&amp;brir nos passos</translation>
    </message>
    <message>
        <source>The selected position's configuration into the main window's steps, to change it</source>
        <translation>A configuração da posição selecionada para os passos da janela principal, para a alterar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Open Quote...</source>
        <translation>Abrir orçamento...</translation>
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
        <translation>Pré-visualizar impressão...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exportar para PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>ainda não emitido: é numerado da primeira vez que for impresso, exportado ou guardado</translation>
    </message>
    <message>
        <source>%1 of %2, as issued (read-only)</source>
        <translation>%1 de %2, tal como emitido (só de leitura)</translation>
    </message>
    <message>
        <source>%1 of %2, at today's prices: issued again when it is next printed, exported or saved</source>
        <translation>%1 de %2, com os preços de hoje: é emitido de novo da próxima vez que for impresso, exportado ou guardado</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>até %1</translation>
    </message>
    <message>
        <source>The languages of the %1 price list</source>
        <translation>Os idiomas da tabela de preços %1</translation>
    </message>
    <message>
        <source>, lift %1 ft</source>
        <translation>, elevação %1 ft</translation>
    </message>
    <message>
        <source>, lift %1 m</source>
        <translation>, elevação %1 m</translation>
    </message>
    <message>
        <source>Net total: %1</source>
        <translation>Total líquido: %1</translation>
    </message>
    <message>
        <source>No position yet: configure a hoist in the main window, then Add current configuration.</source>
        <translation>Ainda não há nenhuma posição: configure um diferencial na janela principal e depois Acrescentar a configuração atual.</translation>
    </message>
    <message>
        <source>&amp;Replace position %1 with the current configuration</source>
        <translation>S&amp;ubstituir a posição %1 pela configuração atual</translation>
    </message>
    <message>
        <source>&amp;Replace position with the current configuration</source>
        <translation>S&amp;ubstituir a posição pela configuração atual</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Novo orçamento</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Orçamento %1</translation>
    </message>
    <message>
        <source>This quote is made from the %1 price list, and the configuration in the main window from the %2 one. A quote holds the positions of one price list only: make a new quote for this configuration.</source>
        <translation>Este orçamento baseia-se na tabela de preços %1, e a configuração da janela principal na tabela de preços %2. Um orçamento só contém posições de uma tabela de preços: faça um novo orçamento para esta configuração.</translation>
    </message>
    <message>
        <source>A quote holds at most %1 positions.</source>
        <translation>Um orçamento contém no máximo %1 posições.</translation>
    </message>
    <message>
        <source>The quote has not been saved.

Do you want to save it?</source>
        <translation>O orçamento não foi guardado.

Quer guardá-lo?</translation>
    </message>
    <message>
        <source>The quote %1 has changed since it was opened or saved.

Do you want to save the changes?</source>
        <translation>O orçamento %1 foi alterado desde que foi aberto ou guardado.

Quer guardar as alterações?</translation>
    </message>
    <message>
        <source>Open quote</source>
        <translation>Abrir orçamento</translation>
    </message>
    <message>
        <source>The quote cannot be opened.</source>
        <translation>Não é possível abrir o orçamento.</translation>
    </message>
    <message>
        <source>The quote has no position to save yet.</source>
        <translation>O orçamento ainda não tem nenhuma posição para guardar.</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Guardar orçamento</translation>
    </message>
    <message>
        <source>The quote could not be saved.</source>
        <translation>Não foi possível guardar o orçamento.</translation>
    </message>
    <message>
        <source>The quote has no position yet. Configure a hoist in the main window, then choose Add current configuration.</source>
        <translation>O orçamento ainda não tem nenhuma posição. Configure um diferencial na janela principal e depois escolha Acrescentar a configuração atual.</translation>
    </message>
    <message>
        <source>The quote cannot be printed.</source>
        <translation>Não é possível imprimir o orçamento.</translation>
    </message>
    <message>
        <source>The quote's number could not be written into its file.</source>
        <translation>Não foi possível escrever o número do orçamento no seu ficheiro.</translation>
    </message>
    <message>
        <source>The quote could not be recorded in the register of quotes, so it has not been numbered or printed.</source>
        <translation>Não foi possível registar o orçamento no registo de orçamentos, por isso não foi numerado nem impresso.</translation>
    </message>
    <message>
        <source>The quote could not be written.</source>
        <translation>Não foi possível escrever o orçamento.</translation>
    </message>
    <message>
        <source>The rest of the quote is complete; with the files back in their place the pictures are on it again.</source>
        <translation>O resto do orçamento está completo; com os ficheiros de novo no seu lugar, as imagens voltam a aparecer nele.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar para PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Orçamento</translation>
    </message>
</context>
<context>
    <name>Quotes</name>
    <message>
        <source>"%1" must be %2.</source>
        <translation>«%1» deve ser %2.</translation>
    </message>
    <message>
        <source>a list of at least one position</source>
        <translation>uma lista de pelo menos uma posição</translation>
    </message>
    <message>
        <source>a list of at most %1 positions</source>
        <translation>uma lista de no máximo %1 posições</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>um texto de no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>um número inteiro de 1 a %1</translation>
    </message>
    <message>
        <source>a variant of the same market as the first position's (%1): one quote holds hoists of one price list</source>
        <translation>uma variante do mesmo mercado que a da primeira posição (%1): uma proposta contém talhas de uma só tabela de preços</translation>
    </message>
    <message>
        <source>one of %1 for this quote's hoists</source>
        <translation>um de %1 para as talhas desta proposta</translation>
    </message>
    <message>
        <source>"%1" is no key of a quote file.</source>
        <translation>«%1» não é uma chave de um ficheiro de proposta.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>a list of at most %1 texts</source>
        <translation>uma lista de no máximo %1 textos</translation>
    </message>
    <message>
        <source>a date such as "2026-12-09"</source>
        <translation>uma data como «2026-12-09»</translation>
    </message>
    <message>
        <source>a list of 1 to %1 positions</source>
        <translation>uma lista de 1 a %1 posições</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB, more than a quote of %2 positions takes. It is no configuration or quote.</source>
        <translation>O ficheiro tem mais de %1 KB, mais do que ocupa uma proposta de %2 posições. Não é uma configuração nem uma proposta.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posição %1</translation>
    </message>
    <message>
        <source>The quote has %1 positions but %2 lists were issued.</source>
        <translation>A proposta tem %1 posições, mas foram emitidas %2 listas.</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: %2</source>
        <translation>A proposta %1 do registo não pode ser lida: %2</translation>
    </message>
    <message>
        <source>The quote %1 in the register cannot be read: its lists do not match its positions.</source>
        <translation>A proposta %1 do registo não pode ser lida: as listas não correspondem às posições.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>discounts</source>
        <translation>descontos</translation>
    </message>
    <message>
        <source>net total</source>
        <translation>total líquido</translation>
    </message>
    <message>
        <source>Quote %1: no amount differs from today's prices.
</source>
        <translation>Proposta %1: nenhum montante difere dos preços atuais.
</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices, amounts changed:
</source>
        <translation>Proposta %1 aos preços atuais, montantes alterados:
</translation>
    </message>
    <message>
        <source>Position %1, %2 %3</source>
        <translation>Posição %1, %2 %3</translation>
    </message>
    <message>
        <source>The register holds no quote yet.
</source>
        <translation>O registo ainda não contém nenhuma proposta.
</translation>
    </message>
    <message>
        <source>No quote of the register matches %1.
</source>
        <translation>Nenhuma proposta do registo corresponde a %1.
</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Quote Register</source>
        <translation>Registo de orçamentos</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>Customer, reference or quote number</source>
        <translation>Cliente, referência ou número do orçamento</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
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
        <translation>Referência do cliente</translation>
    </message>
    <message>
        <source>Our reference</source>
        <translation>A nossa referência</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total líquido</translation>
    </message>
    <message>
        <source>&amp;Open as issued</source>
        <translation>&amp;Abrir tal como emitido</translation>
    </message>
    <message>
        <source>&amp;Reprice at today's prices</source>
        <translation>&amp;Recalcular com os preços de hoje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The register of quotes cannot be read.</source>
        <translation>Não é possível ler o registo de orçamentos.</translation>
    </message>
    <message>
        <source>%1 (revision %2)</source>
        <translation>%1 (revisão %2)</translation>
    </message>
    <message>
        <source>The quote %1 cannot be read from the register.</source>
        <translation>Não é possível ler o orçamento %1 do registo.</translation>
    </message>
    <message>
        <source>The register no longer holds the quote %1.</source>
        <translation>O registo já não contém o orçamento %1.</translation>
    </message>
    <message>
        <source>The quote %1 cannot be priced at today's prices.</source>
        <translation>Não é possível calcular o orçamento %1 com os preços de hoje.</translation>
    </message>
    <message>
        <source>OK opens the quote at today's prices in the quote window; it keeps its number and is issued as a new revision when it is next printed, exported or saved. Cancel leaves it as it is.</source>
        <translation>OK abre o orçamento com os preços de hoje na janela do orçamento; mantém o seu número e é emitido como nova revisão da próxima vez que for impresso, exportado ou guardado. Cancelar deixa-o como está.</translation>
    </message>
    <message>
        <source>Quote %1 at today's prices</source>
        <translation>Orçamento %1 com os preços de hoje</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>The program has met a situation it cannot handle and will close now.
Please contact the program's author and describe what you did.</source>
        <translation>O programa encontrou uma situação que não consegue resolver e vai fechar agora.
Contacte o autor do programa e descreva o que fez.</translation>
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
        <translation>não é um ficheiro composto.</translation>
    </message>
    <message>
        <source>its compound file header is damaged.</source>
        <translation>o seu cabeçalho de ficheiro composto está danificado.</translation>
    </message>
    <message>
        <source>its sector allocation table is damaged.</source>
        <translation>a sua tabela de atribuição de setores está danificada.</translation>
    </message>
    <message>
        <source>the list of its allocation table's sectors is damaged.</source>
        <translation>a lista de setores da sua tabela de atribuição está danificada.</translation>
    </message>
    <message>
        <source>its sector allocation table</source>
        <translation>tabela de atribuição de setores</translation>
    </message>
    <message>
        <source>its mini allocation table</source>
        <translation>minitabela de atribuição</translation>
    </message>
    <message>
        <source>it is cut short or its sectors are damaged.</source>
        <translation>está truncado ou os seus setores estão danificados.</translation>
    </message>
    <message>
        <source>%1 names a sector it does not have.</source>
        <translation>a estrutura «%1» indica um setor que não existe.</translation>
    </message>
    <message>
        <source>the sectors of %1 go round in a loop.</source>
        <translation>os setores da estrutura «%1» formam um ciclo.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>a estrutura «%1» está danificada.</translation>
    </message>
    <message>
        <source>%1 is longer than the file.</source>
        <translation>a estrutura «%1» é mais longa do que o ficheiro.</translation>
    </message>
    <message>
        <source>%1 ends before its length.</source>
        <translation>a estrutura «%1» termina antes do seu comprimento declarado.</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>diretório</translation>
    </message>
    <message>
        <source>its directory is damaged.</source>
        <translation>o seu diretório está danificado.</translation>
    </message>
    <message>
        <source>its stream %1</source>
        <translation>fluxo %1</translation>
    </message>
    <message>
        <source>its mini stream</source>
        <translation>minifluxo</translation>
    </message>
    <message>
        <source>%1 lies past the end of the mini stream.</source>
        <translation>a estrutura «%1» fica para além do fim do minifluxo.</translation>
    </message>
    <message>
        <source>it is damaged or not a workbook.</source>
        <translation>está danificado ou não é um livro.</translation>
    </message>
    <message>
        <source>its part %1 is missing.</source>
        <translation>falta a sua parte %1.</translation>
    </message>
    <message>
        <source>its part %1 is damaged.</source>
        <translation>a sua parte %1 está danificada.</translation>
    </message>
    <message>
        <source>its part %1 cannot be unpacked.</source>
        <translation>a sua parte %1 não pode ser descomprimida.</translation>
    </message>
    <message>
        <source>its part %1 is damaged (%2).</source>
        <translation>a sua parte %1 está danificada (%2).</translation>
    </message>
    <message>
        <source>row number</source>
        <translation>número de linha</translation>
    </message>
    <message>
        <source>cell reference %1</source>
        <translation>referência de célula %1</translation>
    </message>
    <message>
        <source>cell position</source>
        <translation>posição de célula</translation>
    </message>
    <message>
        <source>shared string %1</source>
        <translation>texto partilhado %1</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>número %1</translation>
    </message>
    <message>
        <source>it holds no worksheet.</source>
        <translation>não contém nenhuma folha.</translation>
    </message>
    <message>
        <source>%1 holds a formula without a value.</source>
        <translation>%1 contém uma fórmula sem valor.</translation>
    </message>
    <message>
        <source>%1 holds the error value %2.</source>
        <translation>%1 contém o valor de erro %2.</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be read: %2</source>
        <translation>O livro %1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>não pode ser aberto.</translation>
    </message>
    <message>
        <source>it is not an Excel workbook.</source>
        <translation>não é um livro do Excel.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>%1 are damaged.</source>
        <translation>a estrutura «%1» está danificada.</translation>
    </message>
    <message>
        <source>its list of sheets is damaged.</source>
        <translation>a sua lista de folhas está danificada.</translation>
    </message>
    <message>
        <source>its workbook stream ends in the middle of a record.</source>
        <translation>o seu fluxo de livro termina a meio de um registo.</translation>
    </message>
    <message>
        <source>its record at byte %1 of the workbook stream is damaged.</source>
        <translation>o seu registo no byte %1 do fluxo de livro está danificado.</translation>
    </message>
    <message>
        <source>its workbook stream does not begin with the workbook's globals.</source>
        <translation>o seu fluxo de livro não começa com os dados globais do livro.</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without the password and import it again.</source>
        <translation>está protegido por uma palavra-passe. Guarde-o sem palavra-passe e importe-o novamente.</translation>
    </message>
    <message>
        <source>its shared strings</source>
        <translation>textos partilhados</translation>
    </message>
    <message>
        <source>the texts of its cells</source>
        <translation>textos das células</translation>
    </message>
    <message>
        <source>its cell %1 names a shared string it does not hold.</source>
        <translation>a sua célula %1 indica um texto partilhado que não contém.</translation>
    </message>
    <message>
        <source>it holds no workbook stream.</source>
        <translation>não contém nenhum fluxo de livro.</translation>
    </message>
</context>
<context>
    <name>frmVinjett</name>
    <message>
        <source>The folder cannot be entered.</source>
        <translation>Não é possível acessar a pasta.</translation>
    </message>
    <message>
        <source>The program directory cannot be opened.</source>
        <translation>Não é possível abrir o diretório do programa.</translation>
    </message>
    <message>
        <source>The configuration cannot be opened.</source>
        <translation>Não é possível abrir a configuração.</translation>
    </message>
</context>
</TS>