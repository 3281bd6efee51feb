-- Texts of the user interface, one record per text number. Run after schema.sql. UTF-8.

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

