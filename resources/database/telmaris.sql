-- Data of the parts database Telmaris.mdb: texts of the user interface, the parts
-- with ordering numbers and prices, and the parts each hoist model uses.
-- Run after schema.sql. UTF-8.

-- ---------------------------------------------------------------------------
-- tblSprak: texts of the user interface, one record per text number.
-- Columns: English (English European and US Metric), US Imperial (US wording,
-- lengths in feet), French, Spanish, Portuguese, Italian, German.
-- An ampersand in a menu caption marks its access key.
-- ---------------------------------------------------------------------------

-- Menus of the main window (one access key each)
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (1, '&File', '&File', '&Fichier', '&Archivo', '&Ficheiro', '&File', '&Datei');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (2, '&New File', '&New File', '&Nouveau fichier', '&Nuevo archivo', '&Novo ficheiro', '&Nuovo file', '&Neue Datei');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (3, '&Open File...', '&Open File...', '&Ouvrir un fichier...', '&Abrir archivo...', '&Abrir ficheiro...', '&Apri file...', 'Datei ö&ffnen...');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (4, '&Save File', '&Save File', '&Enregistrer le fichier', '&Guardar archivo', '&Guardar ficheiro', '&Salva file', 'Datei &speichern');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (5, 'Sa&ve File As...', 'Sa&ve File As...', 'Enregistrer &sous...', 'Guardar archivo &como...', 'Guardar &como...', 'Salva file &con nome...', 'Datei speichern &unter...');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (6, '&Print', '&Print', '&Imprimer', '&Imprimir', '&Imprimir', 'S&tampa', '&Drucken');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (7, 'E&xit', 'E&xit', '&Quitter', '&Salir', '&Sair', '&Esci', '&Beenden');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (8, '&Options', '&Options', '&Options', '&Opciones', '&Opções', '&Opzioni', '&Optionen');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (9, '&New prices from price file...', '&New prices from price file...', '&Nouveaux prix depuis un fichier de prix...', '&Nuevos precios desde archivo de precios...', '&Novos preços a partir de ficheiro de preços...', '&Nuovi prezzi da file listino...', '&Neue Preise aus Preisdatei...');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (10, '&Change prices directly in data file', '&Change prices directly in data file', '&Modifier les prix directement dans la base', '&Modificar precios directamente en la base de datos', '&Alterar preços diretamente na base de dados', '&Modifica prezzi direttamente nel database', 'Preise direkt in der Datenbank &bearbeiten');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (39, 'Using &Help', 'Using &Help', '&Utilisation de l''aide', '&Uso de la Ayuda', '&Utilizar a Ajuda', '&Uso della Guida', '&Hilfe verwenden');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (40, 'How to &use the Velmora Telmaris program...', 'How to &use the Velmora Telmaris program...', '&Comment utiliser le programme Velmora Telmaris...', '&Cómo usar el programa Velmora Telmaris...', '&Como utilizar o programa Velmora Telmaris...', '&Come usare il programma Velmora Telmaris...', '&Bedienung des Programms Velmora Telmaris...');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (41, '&About Velmora Telmaris program...', '&About Velmora Telmaris program...', 'À &propos du programme Velmora Telmaris...', '&Acerca del programa Velmora Telmaris...', '&Acerca do programa Velmora Telmaris...', '&Informazioni sul programma Velmora Telmaris...', '&Info über das Programm Velmora Telmaris...');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (114, 'New prices from E&xcel file...', 'New prices from E&xcel file...', 'Nouveaux prix depuis un fichier E&xcel...', 'Nuevos precios desde archivo E&xcel...', 'Novos preços a partir de ficheiro E&xcel...', 'Nuovi prezzi da file E&xcel...', 'Neue Preise aus E&xcel-Datei...');

-- Title of the main window; the program appends its version
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (65, 'VELMORA TELMARIS', 'VELMORA TELMARIS', 'VELMORA TELMARIS', 'VELMORA TELMARIS', 'VELMORA TELMARIS', 'VELMORA TELMARIS', 'VELMORA TELMARIS');

-- Lube-free execution (beside the model list) and type of chain
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (78, 'Type of chain:', 'Type of chain:', 'Type de chaîne :', 'Tipo de cadena:', 'Tipo de corrente:', 'Tipo di catena:', 'Kettenausführung:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (79, 'Standard (oil polished)', 'Standard (oil polished)', 'Standard (polie et huilée)', 'Estándar (pulida y aceitada)', 'Standard (polida e oleada)', 'Standard (lucidata a olio)', 'Standard (ölpoliert)');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (80, 'Zinc plated (corrosion protection)', 'Zinc plated (corrosion protection)', 'Zinguée (protection anticorrosion)', 'Cincada (protección anticorrosión)', 'Zincada (proteção anticorrosiva)', 'Zincata (contro la corrosione)', 'Verzinkt (Korrosionsschutz)');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (121, 'Information about:', 'Information about:', 'Informations sur :', 'Información sobre:', 'Informação sobre:', 'Informazioni su:', 'Informationen zu:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (126, 'Lube-free', 'Lube-free', 'Sans lubrification', 'Sin lubricación', 'Sem lubrificação', 'Senza lubrificazione', 'Ölfrei');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (127, 'Yes', 'Yes', 'Oui', 'Sí', 'Sim', 'Sì', 'Ja');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (128, 'No', 'No', 'Non', 'No', 'Não', 'No', 'Nein');

-- Lift height, control length and discount
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (12, 'Max. lifting height [m] ..........', 'Max. lift height [ft] .............', 'Hauteur de levée max. [m] .....', 'Altura de elevación máx. [m] ..', 'Altura de elevação máx. [m] ...', 'Altezza sollevamento max. [m] .', 'Max. Hubhöhe [m] ................');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (14, 'Length of control device [m]', 'Length of control device [ft]', 'Longueur du dispositif de commande [m]', 'Longitud del dispositivo de mando [m]', 'Comprimento do dispositivo de comando [m]', 'Lunghezza del dispositivo di comando [m]', 'Länge der Steuerung [m]');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (31, 'Choose:', 'Select:', 'Choisir :', 'Elegir:', 'Escolher:', 'Scegliere:', 'Auswahl:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (43, 'Discount [%]', 'Discount [%]', 'Remise [%]', 'Descuento [%]', 'Desconto [%]', 'Sconto [%]', 'Rabatt [%]');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (55, 'Lengths in whole metres only', 'Whole meters only: choose a length above', 'Longueurs en mètres entiers uniquement', 'Solo longitudes en metros enteros', 'Apenas comprimentos em metros inteiros', 'Solo lunghezze in metri interi', 'Nur Längen in ganzen Metern');

-- Trolley, hoist controls and trolley controls
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (16, 'Trolley:', 'Trolley:', 'Chariot :', 'Carro:', 'Trole:', 'Carrello:', 'Fahrwerk:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (17, 'None', 'None', 'Aucun', 'Ninguno', 'Nenhum', 'Nessuno', 'Ohne');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (20, 'Trolley controls:', 'Trolley controls:', 'Commande du chariot :', 'Mando del carro:', 'Comando do trole:', 'Comando carrello:', 'Steuerung Fahrwerk:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (21, 'Pull chain', 'Pull chain', 'Chaîne de manœuvre', 'Cadena de mando', 'Corrente de comando', 'Catena di comando', 'Steuerkette');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (22, '2-Button', '2-Button', '2 boutons', '2 pulsadores', '2 botões', '2 pulsanti', '2 Tasten');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (23, 'Suspension yoke:', 'Suspension yoke:', 'Étrier de suspension :', 'Horquilla de suspensión:', 'Forquilha de suspensão:', 'Staffa di sospensione:', 'Aufhängebügel:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (26, 'Hoist controls:', 'Hoist controls:', 'Commande du palan :', 'Mando del polipasto:', 'Comando da talha:', 'Comando paranco:', 'Steuerung Kettenzug:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (29, 'Twist rod', 'Twist rod', 'Tige rotative', 'Varilla giratoria', 'Haste rotativa', 'Asta rotante', 'Drehstange');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (30, 'Articulation', 'Articulation', 'Articulation', 'Articulación', 'Articulação', 'Snodo', 'Gelenk');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (32, '4-Button', '4-Button', '4 boutons', '4 pulsadores', '4 botões', '4 pulsanti', '4 Tasten');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (42, 'Hook-mounted', 'Hook-mounted', 'Fixée au crochet', 'Montada en el gancho', 'Montada no gancho', 'Montata sul gancio', 'Am Haken montiert');

-- Trolley options; the program appends a blank and the beam-width range (e.g. "50-160 mm")
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (122, 'Manual, narrow beam', 'Manual, narrow flange', 'Manuel, poutre étroite', 'Manual, viga estrecha', 'Manual, viga estreita', 'Manuale, trave stretta', 'Handfahrwerk, schmal');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (123, 'Manual, wide beam', 'Manual, wide flange', 'Manuel, poutre large', 'Manual, viga ancha', 'Manual, viga larga', 'Manuale, trave larga', 'Handfahrwerk, breit');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (124, 'Motor driven, narrow beam', 'Motorized, narrow flange', 'Motorisé, poutre étroite', 'Motorizado, viga estrecha', 'Motorizado, viga estreita', 'Motorizzato, trave stretta', 'Motorfahrwerk, schmal');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (125, 'Motor driven, wide beam', 'Motorized, wide flange', 'Motorisé, poutre large', 'Motorizado, viga ancha', 'Motorizado, viga larga', 'Motorizzato, trave larga', 'Motorfahrwerk, breit');

-- Accessories
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (33, 'Overload protection device', 'Overload protection device', 'Limiteur de charge', 'Limitador de sobrecarga', 'Limitador de sobrecarga', 'Limitatore di carico', 'Überlastsicherung');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (34, 'Included as standard.', 'Included as standard.', 'Inclus de série.', 'Incluido de serie.', 'Incluído de série.', 'Compreso di serie.', 'Serienmäßig enthalten.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (35, 'Chain collector', 'Chain container', 'Bac à chaîne', 'Recogedor de cadena', 'Recolhedor de corrente', 'Raccoglicatena', 'Kettenspeicher');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (36, 'Chain stop', 'Chain stop', 'Butée de chaîne', 'Tope de cadena', 'Batente de corrente', 'Fermo catena', 'Kettenanschlag');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (37, 'Safety hook', 'Safety hook', 'Crochet de sécurité', 'Gancho de seguridad', 'Gancho de segurança', 'Gancio di sicurezza', 'Sicherheitshaken');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (38, 'Accessories assembled', 'Accessories assembled', 'Accessoires montés', 'Accesorios montados', 'Acessórios montados', 'Accessori montati', 'Zubehör montiert');

-- Messages of the configurator
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (13, 'Please enter the lifting height.', 'Please enter the lift height.', 'Veuillez indiquer la hauteur de levée.', 'Introduzca la altura de elevación.', 'Introduza a altura de elevação.', 'Inserire l''altezza di sollevamento.', 'Bitte die Hubhöhe eingeben.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (15, 'Please enter the length of the control device.', 'Please enter the length of the control device.', 'Veuillez indiquer la longueur du dispositif de commande.', 'Introduzca la longitud del dispositivo de mando.', 'Introduza o comprimento do dispositivo de comando.', 'Inserire la lunghezza del dispositivo di comando.', 'Bitte die Länge der Steuerung eingeben.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (27, 'Push-button controls are only available up to a control length of 10 m.', 'Push-button controls are only available up to a control length of 32.8 ft.', 'Les commandes à boutons ne sont disponibles que jusqu''à une longueur de commande de 10 m.', 'Las botoneras solo están disponibles hasta una longitud de mando de 10 m.', 'As botoneiras só estão disponíveis até um comprimento de comando de 10 m.', 'Le pulsantiere sono disponibili solo fino a una lunghezza di comando di 10 m.', 'Tastensteuerungen sind nur bis 10 m Steuerlänge lieferbar.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (28, 'The lifting height exceeds the maximum of this model. Max. lifting height [m]', 'The lift height exceeds the maximum of this model. Max. lift height [ft]', 'La hauteur de levée dépasse le maximum de ce modèle. Hauteur de levée max. [m]', 'La altura de elevación supera el máximo de este modelo. Altura de elevación máx. [m]', 'A altura de elevação excede o máximo deste modelo. Altura de elevação máx. [m]', 'L''altezza di sollevamento supera il massimo di questo modello. Altezza di sollevamento max. [m]', 'Die Hubhöhe überschreitet den Höchstwert dieses Modells. Max. Hubhöhe [m]');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (53, 'The hook-mounted 2-button control is only available for lifting heights up to 3 m.', 'The hook-mounted 2-button control is only available for lift heights up to 9.8 ft.', 'La commande à 2 boutons fixée au crochet n''est disponible que pour des hauteurs de levée jusqu''à 3 m.', 'La botonera de 2 pulsadores montada en el gancho solo está disponible para alturas de elevación de hasta 3 m.', 'A botoneira de 2 botões montada no gancho só está disponível para alturas de elevação até 3 m.', 'La pulsantiera a 2 pulsanti montata sul gancio è disponibile solo per altezze di sollevamento fino a 3 m.', 'Die am Haken montierte 2-Tasten-Steuerung ist nur bis 3 m Hubhöhe lieferbar.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (54, 'The twist rod is only available for control lengths up to 4 m.', 'The twist rod is only available for control lengths up to 13.1 ft.', 'La tige rotative n''est disponible que pour des longueurs de commande jusqu''à 4 m.', 'La varilla giratoria solo está disponible para longitudes de mando de hasta 4 m.', 'A haste rotativa só está disponível para comprimentos de comando até 4 m.', 'L''asta rotante è disponibile solo per lunghezze di comando fino a 4 m.', 'Die Drehstange ist nur bis 4 m Steuerlänge lieferbar.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (112, 'The load chain is longer than 25 m. A chain collector cannot be fitted.', 'The load chain is longer than 82 ft. A chain container cannot be fitted.', 'La chaîne de charge dépasse 25 m. Un bac à chaîne ne peut pas être monté.', 'La cadena de carga supera los 25 m. No se puede montar un recogedor de cadena.', 'A corrente de carga excede 25 m. Não é possível montar um recolhedor de corrente.', 'La catena di carico supera i 25 m. Non è possibile montare un raccoglicatena.', 'Die Lastkette ist länger als 25 m. Ein Kettenspeicher ist nicht möglich.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (113, 'For this model the load chain is longer than 18 m. A chain collector cannot be fitted.', 'For this model the load chain is longer than 59 ft. A chain container cannot be fitted.', 'Pour ce modèle, la chaîne de charge dépasse 18 m. Un bac à chaîne ne peut pas être monté.', 'En este modelo la cadena de carga supera los 18 m. No se puede montar un recogedor de cadena.', 'Neste modelo a corrente de carga excede 18 m. Não é possível montar um recolhedor de corrente.', 'Per questo modello la catena di carico supera i 18 m. Non è possibile montare un raccoglicatena.', 'Bei diesem Modell ist die Lastkette länger als 18 m. Ein Kettenspeicher ist nicht möglich.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (129, 'Model being phased out', 'Model being phased out', 'Modèle en fin de série', 'Modelo en fase de retirada', 'Modelo em fim de série', 'Modello in esaurimento', 'Auslaufmodell');

-- Ordering list, printed page and Excel export
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (56, 'Printing error.', 'Printing error.', 'Erreur d''impression.', 'Error de impresión.', 'Erro de impressão.', 'Errore di stampa.', 'Druckfehler.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (57, 'Please check that a printer is installed, switched on and ready.', 'Please check that a printer is installed, turned on and ready.', 'Vérifiez qu''une imprimante est installée, allumée et prête.', 'Compruebe que hay una impresora instalada, encendida y preparada.', 'Verifique se existe uma impressora instalada, ligada e pronta.', 'Verificare che sia installata una stampante accesa e pronta.', 'Bitte prüfen, ob ein Drucker installiert, eingeschaltet und bereit ist.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (58, 'Then try again.', 'Then try again.', 'Puis réessayez.', 'Después vuelva a intentarlo.', 'Depois tente novamente.', 'Quindi riprovare.', 'Dann erneut versuchen.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (61, 'Ordering list', 'Ordering list', 'Liste de commande', 'Lista de pedido', 'Lista de encomenda', 'Lista d''ordine', 'Bestellliste');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (62, 'Price', 'Price', 'Prix', 'Precio', 'Preço', 'Prezzo', 'Preis');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (63, 'Discount', 'Discount', 'Remise', 'Descuento', 'Desconto', 'Sconto', 'Rabatt');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (64, 'Net price', 'Net price', 'Prix net', 'Precio neto', 'Preço líquido', 'Prezzo netto', 'Nettopreis');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (66, 'Qty', 'Qty', 'Qté', 'Cant.', 'Qtd.', 'Q.tà', 'Menge');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (67, 'Ordering No.', 'Ordering No.', 'Référence', 'Referencia', 'Referência', 'Codice', 'Bestell-Nr.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (68, 'Description', 'Description', 'Désignation', 'Descripción', 'Descrição', 'Descrizione', 'Bezeichnung');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (120, 'ATEX marking:', 'ATEX marking:', 'Marquage ATEX :', 'Marcado ATEX:', 'Marcação ATEX:', 'Marcatura ATEX:', 'ATEX-Kennzeichnung:');

-- Technical data of the printed page and the sheet window
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (69, 'Technical data', 'Technical data', 'Caractéristiques techniques', 'Datos técnicos', 'Dados técnicos', 'Dati tecnici', 'Technische Daten');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (70, 'Capacity', 'Capacity', 'Capacité', 'Capacidad de carga', 'Capacidade de carga', 'Portata', 'Tragfähigkeit');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (71, 'Lifting speed', 'Lifting speed', 'Vitesse de levage', 'Velocidad de elevación', 'Velocidade de elevação', 'Velocità di sollevamento', 'Hubgeschwindigkeit');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (72, 'Hoist weight', 'Hoist weight', 'Poids du palan', 'Peso del polipasto', 'Peso da talha', 'Peso del paranco', 'Gewicht Kettenzug');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (73, 'Load chain weight', 'Load chain weight', 'Poids de la chaîne', 'Peso de la cadena', 'Peso da corrente', 'Peso della catena', 'Gewicht Lastkette');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (74, 'Noise level', 'Noise level', 'Niveau sonore', 'Nivel sonoro', 'Nível sonoro', 'Livello sonoro', 'Schallpegel');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (75, 'Air consumption', 'Air consumption', 'Consommation d''air', 'Consumo de aire', 'Consumo de ar', 'Consumo d''aria', 'Luftverbrauch');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (76, 'Air supply hose (ID)', 'Air supply hose (ID)', 'Tuyau d''air (Ø int.)', 'Manguera de aire (Ø int.)', 'Mangueira de ar (Ø int.)', 'Tubo aria (Ø int.)', 'Luftschlauch (Innen-Ø)');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (77, 'Air inlet connection', 'Air inlet connection', 'Raccord d''entrée d''air', 'Conexión de entrada de aire', 'Ligação de entrada de ar', 'Attacco ingresso aria', 'Luftanschluss');

-- Price list window and price maintenance
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (44, 'All prices are read anew from a price file.', 'All prices are read anew from a price file.', 'Tous les prix sont relus à partir d''un fichier de prix.', 'Todos los precios se leen de nuevo desde un archivo de precios.', 'Todos os preços são lidos novamente a partir de um ficheiro de preços.', 'Tutti i prezzi vengono riletti da un file listino.', 'Alle Preise werden neu aus einer Preisdatei eingelesen.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (45, 'Parts not listed in the file get the price 0.', 'Parts not listed in the file get the price 0.', 'Les articles absents du fichier reçoivent le prix 0.', 'Las piezas que no figuren en el archivo reciben el precio 0.', 'As peças que não constem do ficheiro recebem o preço 0.', 'Gli articoli non presenti nel file ricevono il prezzo 0.', 'Teile, die in der Datei fehlen, erhalten den Preis 0.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (46, 'Each line of the price file holds an ordering number and a price,', 'Each line of the price file holds an ordering number and a price,', 'Chaque ligne du fichier de prix contient une référence et un prix,', 'Cada línea del archivo de precios contiene una referencia y un precio,', 'Cada linha do ficheiro de preços contém uma referência e um preço,', 'Ogni riga del file listino contiene un codice e un prezzo,', 'Jede Zeile der Preisdatei enthält eine Bestellnummer und einen Preis,');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (47, 'separated by a comma, for example:', 'separated by a comma, for example:', 'séparés par une virgule, par exemple :', 'separados por una coma, por ejemplo:', 'separados por uma vírgula, por exemplo:', 'separati da una virgola, ad esempio:', 'durch ein Komma getrennt, zum Beispiel:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (49, 'New prices', 'New prices', 'Nouveaux prix', 'Nuevos precios', 'Novos preços', 'Nuovi prezzi', 'Neue Preise');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (50, 'The new prices could not be read in. Please check the file and try again.', 'The new prices could not be read in. Please check the file and try again.', 'Les nouveaux prix n''ont pas pu être importés. Vérifiez le fichier et réessayez.', 'No se han podido importar los nuevos precios. Compruebe el archivo e inténtelo de nuevo.', 'Não foi possível importar os novos preços. Verifique o ficheiro e tente novamente.', 'Impossibile importare i nuovi prezzi. Verificare il file e riprovare.', 'Die neuen Preise konnten nicht eingelesen werden. Bitte die Datei prüfen und erneut versuchen.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (81, 'Sort by:', 'Sort by:', 'Trier par :', 'Ordenar por:', 'Ordenar por:', 'Ordina per:', 'Sortieren nach:');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (109, 'To main menu', 'To main menu', 'Retour au menu principal', 'Volver al menú principal', 'Voltar ao menu principal', 'Torna al menu principale', 'Zum Hauptmenü');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (111, 'Ordering list', 'Ordering list', 'Liste de commande', 'Lista de pedido', 'Lista de encomenda', 'Lista d''ordine', 'Bestellliste');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (115, 'All prices are read anew from an Excel workbook.', 'All prices are read anew from an Excel workbook.', 'Tous les prix sont relus à partir d''un classeur Excel.', 'Todos los precios se leen de nuevo desde un libro de Excel.', 'Todos os preços são lidos novamente a partir de um livro do Excel.', 'Tutti i prezzi vengono riletti da una cartella di lavoro Excel.', 'Alle Preise werden neu aus einer Excel-Arbeitsmappe eingelesen.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (116, 'The first worksheet must hold the ordering numbers in column B and the prices in column C.', 'The first worksheet must hold the ordering numbers in column B and the prices in column C.', 'La première feuille doit contenir les références en colonne B et les prix en colonne C.', 'La primera hoja debe contener las referencias en la columna B y los precios en la columna C.', 'A primeira folha deve conter as referências na coluna B e os preços na coluna C.', 'Il primo foglio deve contenere i codici nella colonna B e i prezzi nella colonna C.', 'Das erste Tabellenblatt muss in Spalte B die Bestellnummern und in Spalte C die Preise enthalten.');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (117, 'Open price file', 'Open price file', 'Ouvrir le fichier de prix', 'Abrir archivo de precios', 'Abrir ficheiro de preços', 'Apri file listino', 'Preisdatei öffnen');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (118, 'Open Excel price file', 'Open Excel price file', 'Ouvrir le fichier de prix Excel', 'Abrir archivo de precios de Excel', 'Abrir ficheiro de preços do Excel', 'Apri file listino Excel', 'Excel-Preisdatei öffnen');
INSERT INTO tblSprak (lngNr, strEngelska, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska) VALUES
  (119, 'Ordering list to Excel', 'Ordering list to Excel', 'Liste de commande vers Excel', 'Lista de pedido a Excel', 'Lista de encomenda para Excel', 'Lista d''ordine in Excel', 'Bestellliste nach Excel');

-- ---------------------------------------------------------------------------
-- tblDetaljPr: the parts, one record per part record number (0 to 130).
-- Descriptions per variant (English, US Metric, US Imperial, French, Spanish,
-- Portuguese, Italian, German), at most 40 characters so that they fit the
-- description column of the ordering list; ordering number; price per piece,
-- or per metre for parts sold by length.
-- ---------------------------------------------------------------------------

-- Empty position: a part row that a model does not use points here
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (0, '-', '-', '-', '-', '-', '-', '-', '-', '0000 0000 00', 0.00);

-- Hoists: 1 to 10 are the hoists of the model columns PXH200 to PXH1000OP;
-- the others are the hoists that the program assigns to the model columns
-- 11 to 38 (US models, SR models, P2/P4 models, lube-free models, PXH 980)
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (1, 'PXH 200 EX Air hoist 200 kg, 1 fall', 'PXH 200 EX Air hoist 200 kg, 1 fall', 'PXH 200 EX Air hoist 440 lb, 1 fall', 'PXH 200 EX Palan pneumatique 200 kg', 'PXH 200 EX Polipasto neumático 200 kg', 'PXH 200 EX Talha pneumática 200 kg', 'PXH 200 EX Paranco pneumatico 200 kg', 'PXH 200 EX Druckluft-Kettenzug 200 kg', '8420 0200 00', 2295.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (2, 'PXH 250 EX Air hoist 250 kg, 1 fall', 'PXH 250 EX Air hoist 250 kg, 1 fall', 'PXH 250 EX Air hoist 550 lb, 1 fall', 'PXH 250 EX Palan pneumatique 250 kg', 'PXH 250 EX Polipasto neumático 250 kg', 'PXH 250 EX Talha pneumática 250 kg', 'PXH 250 EX Paranco pneumatico 250 kg', 'PXH 250 EX Druckluft-Kettenzug 250 kg', '8420 0250 00', 2410.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (3, 'PXH 500 EX Air hoist 500 kg, 1 fall', 'PXH 500 EX Air hoist 500 kg, 1 fall', 'PXH 500 EX Air hoist 1100 lb, 1 fall', 'PXH 500 EX Palan pneumatique 500 kg', 'PXH 500 EX Polipasto neumático 500 kg', 'PXH 500 EX Talha pneumática 500 kg', 'PXH 500 EX Paranco pneumatico 500 kg', 'PXH 500 EX Druckluft-Kettenzug 500 kg', '8420 0500 00', 2655.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (4, 'PXH 1000 U EX Air hoist 1000 kg, 2 falls', 'PXH 1000 U EX Air hoist 1000 kg, 2 falls', 'PXH 1000 U EX Air hoist 2200 lb, 2 falls', 'PXH 1000 U EX Palan pneumatique 1000 kg', 'PXH 1000 U EX Polipasto neum. 1000 kg', 'PXH 1000 U EX Talha pneumática 1000 kg', 'PXH 1000 U EX Paranco pneumatico 1000 kg', 'PXH 1000 U EX Kettenzug 1000 kg', '8420 1000 20', 3245.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (5, 'PXH 2500 EX Air hoist 2500 kg, 1 fall', 'PXH 2500 EX Air hoist 2500 kg, 1 fall', 'PXH 2500 EX Air hoist 5500 lb, 1 fall', 'PXH 2500 EX Palan pneumatique 2500 kg', 'PXH 2500 EX Polipasto neumático 2500 kg', 'PXH 2500 EX Talha pneumática 2500 kg', 'PXH 2500 EX Paranco pneumatico 2500 kg', 'PXH 2500 EX Druckluft-Kettenzug 2500 kg', '8420 2500 00', 6240.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (6, 'PXH 5000 EX Air hoist 5000 kg, 2 falls', 'PXH 5000 EX Air hoist 5000 kg, 2 falls', 'PXH 5000 EX Air hoist 11000 lb, 2 falls', 'PXH 5000 EX Palan pneumatique 5000 kg', 'PXH 5000 EX Polipasto neumático 5000 kg', 'PXH 5000 EX Talha pneumática 5000 kg', 'PXH 5000 EX Paranco pneumatico 5000 kg', 'PXH 5000 EX Druckluft-Kettenzug 5000 kg', '8420 5000 00', 9850.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (7, 'PXH 250-SR Air hoist 250 kg, 1 fall', 'PXH 250-SR Air hoist 250 kg, 1 fall', 'PXH 250-SR Air hoist 550 lb, 1 fall', 'PXH 250-SR Palan pneumatique 250 kg', 'PXH 250-SR Polipasto neumático 250 kg', 'PXH 250-SR Talha pneumática 250 kg', 'PXH 250-SR Paranco pneumatico 250 kg', 'PXH 250-SR Druckluft-Kettenzug 250 kg', '8420 0250 30', 3175.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (8, 'PXH 500-SR Air hoist 500 kg, 2 falls', 'PXH 500-SR Air hoist 500 kg, 2 falls', 'PXH 500-SR Air hoist 1100 lb, 2 falls', 'PXH 500-SR Palan pneumatique 500 kg', 'PXH 500-SR Polipasto neumático 500 kg', 'PXH 500-SR Talha pneumática 500 kg', 'PXH 500-SR Paranco pneumatico 500 kg', 'PXH 500-SR Druckluft-Kettenzug 500 kg', '8420 0500 30', 3690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (9, 'PXH 1250-SR Air hoist 1250 kg, 1 fall', 'PXH 1250-SR Air hoist 1250 kg, 1 fall', 'PXH 1250-SR Air hoist 2750 lb, 1 fall', 'PXH 1250-SR Palan pneumatique 1250 kg', 'PXH 1250-SR Polipasto neumático 1250 kg', 'PXH 1250-SR Talha pneumática 1250 kg', 'PXH 1250-SR Paranco pneumatico 1250 kg', 'PXH 1250-SR Druckluft-Kettenzug 1250 kg', '8420 1250 30', 7420.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (10, 'PXH 1000 EX Air hoist 1000 kg, 2 falls', 'PXH 1000 EX Air hoist 1000 kg, 2 falls', 'PXH 1000 EX Air hoist 2200 lb, 2 falls', 'PXH 1000 EX Palan pneumatique 1000 kg', 'PXH 1000 EX Polipasto neumático 1000 kg', 'PXH 1000 EX Talha pneumática 1000 kg', 'PXH 1000 EX Paranco pneumatico 1000 kg', 'PXH 1000 EX Druckluft-Kettenzug 1000 kg', '8420 1000 00', 3380.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (77, 'PXH 250 US Air hoist 250 kg, 1 fall', 'PXH 250 US Air hoist 250 kg, 1 fall', 'PXH 250 US Air hoist 550 lb, 1 fall', 'PXH 250 US Palan pneumatique 250 kg', 'PXH 250 US Polipasto neumático 250 kg', 'PXH 250 US Talha pneumática 250 kg', 'PXH 250 US Paranco pneumatico 250 kg', 'PXH 250 US Druckluft-Kettenzug 250 kg', '8420 0250 40', 2480.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (78, 'PXH 500 US Air hoist 500 kg, 1 fall', 'PXH 500 US Air hoist 500 kg, 1 fall', 'PXH 500 US Air hoist 1100 lb, 1 fall', 'PXH 500 US Palan pneumatique 500 kg', 'PXH 500 US Polipasto neumático 500 kg', 'PXH 500 US Talha pneumática 500 kg', 'PXH 500 US Paranco pneumatico 500 kg', 'PXH 500 US Druckluft-Kettenzug 500 kg', '8420 0500 40', 2720.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (79, 'PXH 1000 US Air hoist 1000 kg, 2 falls', 'PXH 1000 US Air hoist 1000 kg, 2 falls', 'PXH 1000 US Air hoist 2200 lb, 2 falls', 'PXH 1000 US Palan pneumatique 1000 kg', 'PXH 1000 US Polipasto neumático 1000 kg', 'PXH 1000 US Talha pneumática 1000 kg', 'PXH 1000 US Paranco pneumatico 1000 kg', 'PXH 1000 US Druckluft-Kettenzug 1000 kg', '8420 1000 40', 3450.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (80, 'PXH 3000 US Air hoist 2722 kg, 1 fall', 'PXH 3000 US Air hoist 2722 kg, 1 fall', 'PXH 3000 US Air hoist 6000 lb, 1 fall', 'PXH 3000 US Palan pneumatique 2722 kg', 'PXH 3000 US Polipasto neumático 2722 kg', 'PXH 3000 US Talha pneumática 2722 kg', 'PXH 3000 US Paranco pneumatico 2722 kg', 'PXH 3000 US Druckluft-Kettenzug 2722 kg', '8420 3000 40', 6890.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (81, 'PXH 6000 EX Air hoist 5000 kg, 2 falls', 'PXH 6000 EX Air hoist 5000 kg, 2 falls', 'PXH 6000 EX Air hoist 11000 lb, 2 falls', 'PXH 6000 EX Palan pneumatique 5000 kg', 'PXH 6000 EX Polipasto neumático 5000 kg', 'PXH 6000 EX Talha pneumática 5000 kg', 'PXH 6000 EX Paranco pneumatico 5000 kg', 'PXH 6000 EX Druckluft-Kettenzug 5000 kg', '8420 6000 00', 10650.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (82, 'PXH 250-SR US Air hoist 250 kg, 1 fall', 'PXH 250-SR US Air hoist 250 kg, 1 fall', 'PXH 250-SR US Air hoist 550 lb, 1 fall', 'PXH 250-SR US Palan pneumatique 250 kg', 'PXH 250-SR US Polipasto neumático 250 kg', 'PXH 250-SR US Talha pneumática 250 kg', 'PXH 250-SR US Paranco pneumatico 250 kg', 'PXH 250-SR US Druckluft-Kettenzug 250 kg', '8420 0250 34', 3270.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (83, 'PXH 500-SR US Air hoist 500 kg, 2 falls', 'PXH 500-SR US Air hoist 500 kg, 2 falls', 'PXH 500-SR US Air hoist 1100 lb, 2 falls', 'PXH 500-SR US Palan pneumatique 500 kg', 'PXH 500-SR US Polipasto neumático 500 kg', 'PXH 500-SR US Talha pneumática 500 kg', 'PXH 500-SR US Paranco pneumatico 500 kg', 'PXH 500-SR US Druckluft-Kettenzug 500 kg', '8420 0500 34', 3800.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (84, 'PXH 1250-SR US Air hoist 1250 kg, 1 fall', 'PXH 1250-SR US Air hoist 1250 kg, 1 fall', 'PXH 1250-SR US Air hoist 2750 lb, 1 fall', 'PXH 1250-SR US Palan pneumatique 1250 kg', 'PXH 1250-SR US Polipasto neum. 1250 kg', 'PXH 1250-SR US Talha pneumática 1250 kg', 'PXH 1250-SR US Paranco pneum. 1250 kg', 'PXH 1250-SR US Kettenzug 1250 kg', '8420 1250 34', 7640.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (85, 'PXH 250 P2 Air hoist 250 kg, 1 fall', 'PXH 250 P2 Air hoist 250 kg, 1 fall', 'PXH 250 P2 Air hoist 550 lb, 1 fall', 'PXH 250 P2 Palan pneumatique 250 kg', 'PXH 250 P2 Polipasto neumático 250 kg', 'PXH 250 P2 Talha pneumática 250 kg', 'PXH 250 P2 Paranco pneumatico 250 kg', 'PXH 250 P2 Druckluft-Kettenzug 250 kg', '8420 0250 52', 2720.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (86, 'PXH 250 P4 Air hoist 250 kg, 1 fall', 'PXH 250 P4 Air hoist 250 kg, 1 fall', 'PXH 250 P4 Air hoist 550 lb, 1 fall', 'PXH 250 P4 Palan pneumatique 250 kg', 'PXH 250 P4 Polipasto neumático 250 kg', 'PXH 250 P4 Talha pneumática 250 kg', 'PXH 250 P4 Paranco pneumatico 250 kg', 'PXH 250 P4 Druckluft-Kettenzug 250 kg', '8420 0250 54', 2930.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (87, 'PXH 500 P2 Air hoist 500 kg, 1 fall', 'PXH 500 P2 Air hoist 500 kg, 1 fall', 'PXH 500 P2 Air hoist 1100 lb, 1 fall', 'PXH 500 P2 Palan pneumatique 500 kg', 'PXH 500 P2 Polipasto neumático 500 kg', 'PXH 500 P2 Talha pneumática 500 kg', 'PXH 500 P2 Paranco pneumatico 500 kg', 'PXH 500 P2 Druckluft-Kettenzug 500 kg', '8420 0500 52', 2965.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (88, 'PXH 500 P4 Air hoist 500 kg, 1 fall', 'PXH 500 P4 Air hoist 500 kg, 1 fall', 'PXH 500 P4 Air hoist 1100 lb, 1 fall', 'PXH 500 P4 Palan pneumatique 500 kg', 'PXH 500 P4 Polipasto neumático 500 kg', 'PXH 500 P4 Talha pneumática 500 kg', 'PXH 500 P4 Paranco pneumatico 500 kg', 'PXH 500 P4 Druckluft-Kettenzug 500 kg', '8420 0500 54', 3175.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (89, 'PXH 1000 P2 Air hoist 1000 kg, 2 falls', 'PXH 1000 P2 Air hoist 1000 kg, 2 falls', 'PXH 1000 P2 Air hoist 2200 lb, 2 falls', 'PXH 1000 P2 Palan pneumatique 1000 kg', 'PXH 1000 P2 Polipasto neumático 1000 kg', 'PXH 1000 P2 Talha pneumática 1000 kg', 'PXH 1000 P2 Paranco pneumatico 1000 kg', 'PXH 1000 P2 Druckluft-Kettenzug 1000 kg', '8420 1000 52', 3690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (90, 'PXH 3000 EX Air hoist 2722 kg, 1 fall', 'PXH 3000 EX Air hoist 2722 kg, 1 fall', 'PXH 3000 EX Air hoist 6000 lb, 1 fall', 'PXH 3000 EX Palan pneumatique 2722 kg', 'PXH 3000 EX Polipasto neumático 2722 kg', 'PXH 3000 EX Talha pneumática 2722 kg', 'PXH 3000 EX Paranco pneumatico 2722 kg', 'PXH 3000 EX Druckluft-Kettenzug 2722 kg', '8420 3000 00', 6790.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (91, 'PXH 1000 P4 Air hoist 1000 kg, 2 falls', 'PXH 1000 P4 Air hoist 1000 kg, 2 falls', 'PXH 1000 P4 Air hoist 2200 lb, 2 falls', 'PXH 1000 P4 Palan pneumatique 1000 kg', 'PXH 1000 P4 Polipasto neumático 1000 kg', 'PXH 1000 P4 Talha pneumática 1000 kg', 'PXH 1000 P4 Paranco pneumatico 1000 kg', 'PXH 1000 P4 Druckluft-Kettenzug 1000 kg', '8420 1000 54', 3900.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (102, 'PXH 250L EX Lube-free hoist 250 kg', 'PXH 250L EX Lube-free hoist 250 kg', 'PXH 250L EX Lube-free hoist 550 lb', 'PXH 250L EX Palan sans lubrification', 'PXH 250L EX Polipasto sin lubricación', 'PXH 250L EX Talha sem lubrificação', 'PXH 250L EX Paranco senza lubrificazione', 'PXH 250L EX Kettenzug ölfrei, 250 kg', '8420 0250 10', 2700.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (103, 'PXH 500L EX Lube-free hoist 500 kg', 'PXH 500L EX Lube-free hoist 500 kg', 'PXH 500L EX Lube-free hoist 1100 lb', 'PXH 500L EX Palan sans lubrification', 'PXH 500L EX Polipasto sin lubricación', 'PXH 500L EX Talha sem lubrificação', 'PXH 500L EX Paranco senza lubrificazione', 'PXH 500L EX Kettenzug ölfrei, 500 kg', '8420 0500 10', 2975.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (104, 'PXH 1000L EX Lube-free hoist 1000 kg', 'PXH 1000L EX Lube-free hoist 1000 kg', 'PXH 1000L EX Lube-free hoist 2200 lb', 'PXH 1000L EX Palan sans lubrification', 'PXH 1000L EX Polipasto sin lubricación', 'PXH 1000L EX Talha sem lubrificação', 'PXH 1000L EX Paranco senza lubrif.', 'PXH 1000L EX Kettenzug ölfrei, 1000 kg', '8420 1000 10', 3785.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (105, 'PXH 1000L U EX Lube-free hoist 1000 kg', 'PXH 1000L U EX Lube-free hoist 1000 kg', 'PXH 1000L U EX Lube-free hoist 2200 lb', 'PXH 1000L U EX Palan sans lubrification', 'PXH 1000L U EX Polipasto sin lubricación', 'PXH 1000L U EX Talha sem lubrificação', 'PXH 1000L U EX Paranco senza lubrif.', 'PXH 1000L U EX Kettenzug ölfrei, 1000 kg', '8420 1000 21', 3635.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (106, 'PXH 2500L EX Lube-free hoist 2500 kg', 'PXH 2500L EX Lube-free hoist 2500 kg', 'PXH 2500L EX Lube-free hoist 5500 lb', 'PXH 2500L EX Palan sans lubrification', 'PXH 2500L EX Polipasto sin lubricación', 'PXH 2500L EX Talha sem lubrificação', 'PXH 2500L EX Paranco senza lubrif.', 'PXH 2500L EX Kettenzug ölfrei, 2500 kg', '8420 2500 10', 6990.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (107, 'PXH 5000L EX Lube-free hoist 5000 kg', 'PXH 5000L EX Lube-free hoist 5000 kg', 'PXH 5000L EX Lube-free hoist 11000 lb', 'PXH 5000L EX Palan sans lubrification', 'PXH 5000L EX Polipasto sin lubricación', 'PXH 5000L EX Talha sem lubrificação', 'PXH 5000L EX Paranco senza lubrif.', 'PXH 5000L EX Kettenzug ölfrei, 5000 kg', '8420 5000 10', 11030.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (108, 'PXH 3000L EX Lube-free hoist 2722 kg', 'PXH 3000L EX Lube-free hoist 2722 kg', 'PXH 3000L EX Lube-free hoist 6000 lb', 'PXH 3000L EX Palan sans lubrification', 'PXH 3000L EX Polipasto sin lubricación', 'PXH 3000L EX Talha sem lubrificação', 'PXH 3000L EX Paranco senza lubrif.', 'PXH 3000L EX Kettenzug ölfrei, 2722 kg', '8420 3000 10', 7605.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (109, 'PXH 6000L EX Lube-free hoist 5000 kg', 'PXH 6000L EX Lube-free hoist 5000 kg', 'PXH 6000L EX Lube-free hoist 11000 lb', 'PXH 6000L EX Palan sans lubrification', 'PXH 6000L EX Polipasto sin lubricación', 'PXH 6000L EX Talha sem lubrificação', 'PXH 6000L EX Paranco senza lubrif.', 'PXH 6000L EX Kettenzug ölfrei, 5000 kg', '8420 6000 10', 11930.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (120, 'PXH 980 EX Air hoist 980 kg, 2 falls', 'PXH 980 EX Air hoist 980 kg, 2 falls', 'PXH 980 EX Air hoist 2160 lb, 2 falls', 'PXH 980 EX Palan pneumatique 980 kg', 'PXH 980 EX Polipasto neumático 980 kg', 'PXH 980 EX Talha pneumática 980 kg', 'PXH 980 EX Paranco pneumatico 980 kg', 'PXH 980 EX Druckluft-Kettenzug 980 kg', '8420 0980 00', 3120.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (121, 'PXH 980L EX Lube-free hoist 980 kg', 'PXH 980L EX Lube-free hoist 980 kg', 'PXH 980L EX Lube-free hoist 2160 lb', 'PXH 980L EX Palan sans lubrification', 'PXH 980L EX Polipasto sin lubricación', 'PXH 980L EX Talha sem lubrificação', 'PXH 980L EX Paranco senza lubrificazione', 'PXH 980L EX Kettenzug ölfrei, 980 kg', '8420 0980 10', 3495.00);

-- Load chains, controls and accessories (126 is the stainless-steel load chain)
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (11, 'Load chain, zinc plated, per metre', 'Load chain, zinc plated, per meter', 'Load chain, zinc plated, per m (3.28 ft)', 'Chaîne de charge zinguée, au mètre', 'Cadena de carga cincada, por metro', 'Corrente de carga zincada, por metro', 'Catena di carico zincata, al metro', 'Lastkette verzinkt, je Meter', '7302 4410 01', 38.60);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (12, 'Load chain, oil polished, per metre', 'Load chain, oil polished, per meter', 'Load chain oil polished, per m (3.28 ft)', 'Chaîne de charge huilée, au mètre', 'Cadena de carga aceitada, por metro', 'Corrente de carga oleada, por metro', 'Catena di carico oliata, al metro', 'Lastkette ölpoliert, je Meter', '7302 4410 02', 34.20);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (13, 'Pull chain, per metre', 'Pull chain, per meter', 'Pull chain, per m (3.28 ft)', 'Chaîne de manœuvre, au mètre', 'Cadena de mando, por metro', 'Corrente de comando, por metro', 'Catena di comando, al metro', 'Steuerkette, je Meter', '7302 4420 01', 18.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (14, '2-button pendant control', '2-button pendant control', '2-button pendant control', 'Commande pendante à 2 boutons', 'Botonera de 2 pulsadores', 'Botoneira de 2 botões', 'Pulsantiera a 2 pulsanti', 'Hängetaster mit 2 Tasten', '7302 4430 02', 385.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (15, 'Control hose for 2-button, per metre', 'Control hose for 2-button, per meter', 'Control hose 2-button, per m (3.28 ft)', 'Flexible de commande, au mètre', 'Manguera de mando, por metro', 'Mangueira de comando, por metro', 'Tubo di comando, al metro', 'Steuerschlauch, je Meter', '7302 4430 12', 12.40);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (16, 'Overload protection device', 'Overload protection device', 'Overload protection device', 'Limiteur de charge', 'Limitador de sobrecarga', 'Limitador de sobrecarga', 'Limitatore di carico', 'Überlastsicherung', '7302 4440 01', 265.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (17, 'Chain collector for up to 4 m chain', 'Chain container for up to 4 m chain', 'Chain container for up to 13 ft chain', 'Bac à chaîne pour 4 m de chaîne max.', 'Recogedor para cadena de hasta 4 m', 'Recolhedor para corrente até 4 m', 'Raccoglicatena per catena fino a 4 m', 'Kettenspeicher für max. 4 m Kette', '7302 4450 01', 95.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (18, 'Chain stop', 'Chain stop', 'Chain stop', 'Butée de chaîne', 'Tope de cadena', 'Batente de corrente', 'Fermo catena', 'Kettenanschlag', '7302 4460 01', 28.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (19, 'Safety hook', 'Safety hook', 'Safety hook', 'Crochet de sécurité', 'Gancho de seguridad', 'Gancho de segurança', 'Gancio di sicurezza', 'Sicherheitshaken', '7302 4470 01', 74.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (126, 'Load chain, stainless steel, per metre', 'Load chain, stainless steel, per meter', 'Load chain, stainless, per m (3.28 ft)', 'Chaîne de charge inox, au mètre', 'Cadena de carga inoxidable, por metro', 'Corrente de carga inox, por metro', 'Catena di carico inox, al metro', 'Lastkette Edelstahl, je Meter', '7302 4410 09', 96.00);

-- ---------------------------------------------------------------------------
-- tblDetaljer: which part fills each part row for each model column.
-- One record per part row, inserted in row order (the program reads them in
-- insertion order, so the n-th record is part row n). Each cell is a part
-- record number of tblDetaljPr; 0 means the model has no such part.
-- Row 1 is the hoist itself; 7 pull chain (per metre); 9/10 2-button trolley
-- control and its hose; 11 oil-polished load chain; 13/14 2-button hoist control
-- and its hose; 16/17 4-button control and its hose; 18 to 20 twist rod parts;
-- 21 hook-mounted 2-button control; 22 to 27 chain collectors by chain length;
-- 28 overload protection; 29 safety hook; 30 chain stop; 39 assembly of the
-- accessories; 40 standard load chain; 41 to 44 trolleys.
-- ---------------------------------------------------------------------------

INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 77, 78, 79, 80, 81, 82, 83, 84);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (7, 0, 13, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (11, 0, 12, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (13, 0, 14, 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (14, 0, 15, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (26, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (28, 0, 16, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (29, 0, 19, 19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (30, 0, 18, 18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (33, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (34, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (35, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (36, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (37, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (38, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (39, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (40, 0, 11, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (41, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (42, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (43, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES (44, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
