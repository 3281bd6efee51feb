-- The parts with ordering numbers and prices, and the parts each hoist model uses.
-- Run after schema.sql. UTF-8.

-- ---------------------------------------------------------------------------
-- tblDetaljPr: the parts, one record per part record number (0 to 130).
-- Descriptions per variant (English, US Metric, US Imperial, French, Spanish,
-- Portuguese, Italian, German), at most 40 characters so that they fit the
-- description column of the ordering list; ordering number; list price in EUR
-- per piece, or per metre for parts sold by length.
-- A description that is '?' marks a part the market of that column does not
-- sell; the price list window leaves it out there.
-- A hoist's description starts with the model name exactly as the model list
-- shows it. The program reads two things from hoist descriptions: 'SR' marks
-- gas group IIC, and 'PXH 1000 U EX' / 'PXH 1000L U EX' get the phase-out
-- note, so no other hoist may contain these strings in any language.
-- ---------------------------------------------------------------------------

-- Empty position: the cells of the part matrix that a model does not use point here
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (0, '-', '-', '-', '-', '-', '-', '-', '-', '0000 0000 00', 0.00);

-- Hoists of the model columns PXH200 to PXH1000OP (part row 1 of those columns)
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (1, 'PXH 200 EX air hoist 200 kg, 1 fall', '?', '?', 'PXH 200 EX palan pneumatique 200 kg', 'PXH 200 EX polipasto neumático 200 kg', 'PXH 200 EX talha pneumática 200 kg', 'PXH 200 EX paranco pneumatico 200 kg', 'PXH 200 EX Druckluft-Kettenzug 200 kg', '8420 0200 00', 2290.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (2, 'PXH 250 EX air hoist 250 kg, 1 fall', 'PXH 250 EX air hoist 250 kg, 1 fall', 'PXH 250 EX air hoist 550 lb, 1 fall', 'PXH 250 EX palan pneumatique 250 kg', 'PXH 250 EX polipasto neumático 250 kg', 'PXH 250 EX talha pneumática 250 kg', 'PXH 250 EX paranco pneumatico 250 kg', 'PXH 250 EX Druckluft-Kettenzug 250 kg', '8420 0250 00', 2475.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (3, 'PXH 500 EX air hoist 500 kg, 1 fall', 'PXH 500 EX air hoist 500 kg, 1 fall', 'PXH 500 EX air hoist 1100 lb, 1 fall', 'PXH 500 EX palan pneumatique 500 kg', 'PXH 500 EX polipasto neumático 500 kg', 'PXH 500 EX talha pneumática 500 kg', 'PXH 500 EX paranco pneumatico 500 kg', 'PXH 500 EX Druckluft-Kettenzug 500 kg', '8420 0500 00', 2760.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (4, 'PXH 1000 U EX air hoist 1000 kg, 2 falls', 'PXH 1000 U EX air hoist 1000 kg, 2 falls', 'PXH 1000 U EX air hoist 2200 lb, 2 falls', 'PXH 1000 U EX palan pneumatique 1000 kg', 'PXH 1000 U EX polipasto neum. 1000 kg', 'PXH 1000 U EX talha pneumática 1000 kg', 'PXH 1000 U EX paranco pneumatico 1000 kg', 'PXH 1000 U EX pneum. Kettenzug 1000 kg', '8420 1000 20', 3290.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (5, 'PXH 2500 EX air hoist 2500 kg, 1 fall', 'PXH 2500 EX air hoist 2500 kg, 1 fall', 'PXH 2500 EX air hoist 5500 lb, 1 fall', 'PXH 2500 EX palan pneumatique 2500 kg', 'PXH 2500 EX polipasto neumático 2500 kg', 'PXH 2500 EX talha pneumática 2500 kg', 'PXH 2500 EX paranco pneumatico 2500 kg', 'PXH 2500 EX Druckluft-Kettenzug 2500 kg', '8420 2500 00', 6480.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (6, 'PXH 5000 EX air hoist 5000 kg, 2 falls', 'PXH 5000 EX air hoist 5000 kg, 2 falls', 'PXH 5000 EX air hoist 11000 lb, 2 falls', 'PXH 5000 EX palan pneumatique 5000 kg', 'PXH 5000 EX polipasto neumático 5000 kg', 'PXH 5000 EX talha pneumática 5000 kg', 'PXH 5000 EX paranco pneumatico 5000 kg', 'PXH 5000 EX Druckluft-Kettenzug 5000 kg', '8420 5000 00', 10240.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (7, 'PXH 250-SR air hoist 250 kg, 1 fall', '?', '?', 'PXH 250-SR palan pneumatique 250 kg', 'PXH 250-SR polipasto neumático 250 kg', 'PXH 250-SR talha pneumática 250 kg', 'PXH 250-SR paranco pneumatico 250 kg', 'PXH 250-SR Druckluft-Kettenzug 250 kg', '8420 0250 30', 3240.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (8, 'PXH 500-SR air hoist 500 kg, 2 falls', '?', '?', 'PXH 500-SR palan pneumatique 500 kg', 'PXH 500-SR polipasto neumático 500 kg', 'PXH 500-SR talha pneumática 500 kg', 'PXH 500-SR paranco pneumatico 500 kg', 'PXH 500-SR Druckluft-Kettenzug 500 kg', '8420 0500 30', 3615.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (9, 'PXH 1250-SR air hoist 1250 kg, 1 fall', '?', '?', 'PXH 1250-SR palan pneumatique 1250 kg', 'PXH 1250-SR polipasto neumático 1250 kg', 'PXH 1250-SR talha pneumática 1250 kg', 'PXH 1250-SR paranco pneumatico 1250 kg', 'PXH 1250-SR Druckluft-Kettenzug 1250 kg', '8420 1250 30', 7690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (10, 'PXH 1000 EX air hoist 1000 kg, 2 falls', 'PXH 1000 EX air hoist 1000 kg, 2 falls', 'PXH 1000 EX air hoist 2200 lb, 2 falls', 'PXH 1000 EX palan pneumatique 1000 kg', 'PXH 1000 EX polipasto neumático 1000 kg', 'PXH 1000 EX talha pneumática 1000 kg', 'PXH 1000 EX paranco pneumatico 1000 kg', 'PXH 1000 EX Druckluft-Kettenzug 1000 kg', '8420 1000 00', 3520.00);

-- Load chains and pull chains, sold by the metre
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (11, 'Load chain 7 mm, oil polished, per m', 'Load chain 7 mm, oil polished, per m', 'Load chain 9/32 in, oil polished, per m', 'Chaîne de charge 7 mm huilée, au m', 'Cadena de carga 7 mm aceitada, por m', 'Corrente de carga 7 mm oleada, por m', 'Catena di carico 7 mm oliata, al m', 'Lastkette 7 mm ölpoliert, je m', '7302 4410 01', 31.60);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (12, 'Load chain 7 mm, zinc plated, per m', 'Load chain 7 mm, zinc plated, per m', 'Load chain 9/32 in, zinc plated, per m', 'Chaîne de charge 7 mm zinguée, au m', 'Cadena de carga 7 mm cincada, por m', 'Corrente de carga 7 mm zincada, por m', 'Catena di carico 7 mm zincata, al m', 'Lastkette 7 mm verzinkt, je m', '7302 4410 02', 36.90);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (126, 'Load chain 7 mm, stainless steel, per m', 'Load chain 7 mm, stainless steel, per m', 'Load chain 9/32 in, stainless, per m', 'Chaîne de charge 7 mm inox, au m', 'Cadena de carga 7 mm inox., por m', 'Corrente de carga 7 mm inox, por m', 'Catena di carico 7 mm inox, al m', 'Lastkette 7 mm Edelstahl, je m', '7302 4410 09', 118.40);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (13, 'Load chain 10 mm, oil polished, per m', 'Load chain 10 mm, oil polished, per m', 'Load chain 3/8 in, oil polished, per m', 'Chaîne de charge 10 mm huilée, au m', 'Cadena de carga 10 mm aceitada, por m', 'Corrente de carga 10 mm oleada, por m', 'Catena di carico 10 mm oliata, al m', 'Lastkette 10 mm ölpoliert, je m', '7302 4420 01', 64.80);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (14, 'Load chain 10 mm, zinc plated, per m', 'Load chain 10 mm, zinc plated, per m', 'Load chain 3/8 in, zinc plated, per m', 'Chaîne de charge 10 mm zinguée, au m', 'Cadena de carga 10 mm cincada, por m', 'Corrente de carga 10 mm zincada, por m', 'Catena di carico 10 mm zincata, al m', 'Lastkette 10 mm verzinkt, je m', '7302 4420 02', 73.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (15, 'Pull chain 5 mm, per m', 'Pull chain 5 mm, per m', 'Pull chain 3/16 in, per m', 'Chaîne de manœuvre 5 mm, au m', 'Cadena de mando 5 mm, por m', 'Corrente de comando 5 mm, por m', 'Catena di comando 5 mm, al m', 'Steuerkette 5 mm, je m', '7302 4430 05', 8.90);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (16, 'Pull chain 6 mm, per m', 'Pull chain 6 mm, per m', 'Pull chain 1/4 in, per m', 'Chaîne de manœuvre 6 mm, au m', 'Cadena de mando 6 mm, por m', 'Corrente de comando 6 mm, por m', 'Catena di comando 6 mm, al m', 'Steuerkette 6 mm, je m', '7302 4430 06', 11.40);

-- Pendant controls and control hoses
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (17, '2-button pendant, PXH 200-1000', '2-button pendant, PXH 250-1000', '2-button pendant, PXH 250-1000', 'Boîte à 2 boutons, PXH 200-1000', 'Botonera de 2 pulsadores, PXH 200-1000', 'Botoneira de 2 botões, PXH 200-1000', 'Pulsantiera a 2 pulsanti, PXH 200-1000', 'Steuerschalter 2 Tasten, PXH 200-1000', '7302 4510 21', 298.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (18, '2-button pendant, PXH 1250-5000', '2-button pendant, PXH 1250-6000', '2-button pendant, PXH 1250-6000', 'Boîte à 2 boutons, PXH 1250-5000', 'Botonera de 2 pulsadores, PXH 1250-5000', 'Botoneira de 2 botões, PXH 1250-5000', 'Pulsantiera a 2 pulsanti, PXH 1250-5000', 'Steuerschalter 2 Tasten, PXH 1250-5000', '7302 4510 22', 342.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (20, '4-button pendant, PXH 200-1000', '4-button pendant, PXH 250-1000', '4-button pendant, PXH 250-1000', 'Boîte à 4 boutons, PXH 200-1000', 'Botonera de 4 pulsadores, PXH 200-1000', 'Botoneira de 4 botões, PXH 200-1000', 'Pulsantiera a 4 pulsanti, PXH 200-1000', 'Steuerschalter 4 Tasten, PXH 200-1000', '7302 4510 41', 468.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (21, '4-button pendant, PXH 1250-5000', '4-button pendant, PXH 1250-6000', '4-button pendant, PXH 1250-6000', 'Boîte à 4 boutons, PXH 1250-5000', 'Botonera de 4 pulsadores, PXH 1250-5000', 'Botoneira de 4 botões, PXH 1250-5000', 'Pulsantiera a 4 pulsanti, PXH 1250-5000', 'Steuerschalter 4 Tasten, PXH 1250-5000', '7302 4510 42', 512.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (23, '2-button pendant for motor trolley', '2-button pendant for motorized trolley', '2-button pendant for motorized trolley', 'Boîte à 2 boutons pour chariot motorisé', 'Botonera 2 pulsadores, carro motorizado', 'Botoneira de 2 botões, trole motorizado', 'Pulsantiera a 2 pulsanti per carrello', 'Steuerschalter 2 Tasten, Motorfahrwerk', '7302 4510 61', 286.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (19, 'Control hose 2 x 6 mm, per m', 'Control hose 2 x 6 mm, per m', 'Control hose 2 x 1/4 in, per m', 'Tuyau de commande 2 x 6 mm, au m', 'Manguera de mando 2 x 6 mm, por m', 'Mangueira de comando 2 x 6 mm, por m', 'Tubo di comando 2 x 6 mm, al m', 'Steuerschlauch 2 x 6 mm, je m', '7302 4520 26', 12.80);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (22, 'Control hose 4 x 6 mm, per m', 'Control hose 4 x 6 mm, per m', 'Control hose 4 x 1/4 in, per m', 'Tuyau de commande 4 x 6 mm, au m', 'Manguera de mando 4 x 6 mm, por m', 'Mangueira de comando 4 x 6 mm, por m', 'Tubo di comando 4 x 6 mm, al m', 'Steuerschlauch 4 x 6 mm, je m', '7302 4520 46', 19.60);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (25, 'Control hose 2 x 8 mm, trolley, per m', 'Control hose 2 x 8 mm, trolley, per m', 'Control hose 2 x 5/16 in, trolley, per m', 'Tuyau de commande 2 x 8 mm, au m', 'Manguera de mando 2 x 8 mm, por m', 'Mangueira de comando 2 x 8 mm, por m', 'Tubo di comando 2 x 8 mm, al m', 'Steuerschlauch 2 x 8 mm, je m', '7302 4520 28', 15.20);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (24, 'Strain relief wire for pendant', 'Strain relief wire for pendant', 'Strain relief wire for pendant', 'Câble de soutien de boîte à boutons', 'Cable de soporte para botonera', 'Cabo de suporte da botoneira', 'Fune di sostegno pulsantiera', 'Zugentlastungsseil für Steuerschalter', '7302 4520 90', 18.50);

-- Twist rod and hook-mounted control
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (26, 'Twist rod, PXH 200-1000', 'Twist rod, PXH 250-1000', 'Twist rod, PXH 250-1000', 'Tige rotative, PXH 200-1000', 'Varilla giratoria, PXH 200-1000', 'Haste rotativa, PXH 200-1000', 'Asta rotante, PXH 200-1000', 'Drehstange, PXH 200-1000', '7302 4530 01', 248.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (27, 'Twist rod, PXH 1250-5000', 'Twist rod, PXH 1250-6000', 'Twist rod, PXH 1250-6000', 'Tige rotative, PXH 1250-5000', 'Varilla giratoria, PXH 1250-5000', 'Haste rotativa, PXH 1250-5000', 'Asta rotante, PXH 1250-5000', 'Drehstange, PXH 1250-5000', '7302 4530 02', 296.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (28, 'Twist rod extension, PXH 200-1000', 'Twist rod extension, PXH 250-1000', 'Twist rod extension, PXH 250-1000', 'Rallonge de tige rotative, PXH 200-1000', 'Prolongación de varilla, PXH 200-1000', 'Extensão da haste, PXH 200-1000', 'Prolunga asta rotante, PXH 200-1000', 'Verlängerung Drehstange, PXH 200-1000', '7302 4530 11', 92.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (29, 'Twist rod extension, PXH 1250-5000', 'Twist rod extension, PXH 1250-6000', 'Twist rod extension, PXH 1250-6000', 'Rallonge de tige rotative, PXH 1250-5000', 'Prolongación de varilla, PXH 1250-5000', 'Extensão da haste, PXH 1250-5000', 'Prolunga asta rotante, PXH 1250-5000', 'Verlängerung Drehstange, PXH 1250-5000', '7302 4530 12', 114.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (30, 'Twist rod articulation, PXH 200-1000', 'Twist rod articulation, PXH 250-1000', 'Twist rod articulation, PXH 250-1000', 'Articulation de tige, PXH 200-1000', 'Articulación de varilla, PXH 200-1000', 'Articulação da haste, PXH 200-1000', 'Snodo per asta, PXH 200-1000', 'Gelenk für Drehstange, PXH 200-1000', '7302 4530 21', 68.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (31, 'Twist rod articulation, PXH 1250-5000', 'Twist rod articulation, PXH 1250-6000', 'Twist rod articulation, PXH 1250-6000', 'Articulation de tige, PXH 1250-5000', 'Articulación de varilla, PXH 1250-5000', 'Articulação da haste, PXH 1250-5000', 'Snodo per asta, PXH 1250-5000', 'Gelenk für Drehstange, PXH 1250-5000', '7302 4530 22', 84.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (32, 'Hook-mounted 2-button, PXH 200-1000', 'Hook-mounted 2-button, PXH 250-1000', 'Hook-mounted 2-button, PXH 250-1000', '2 boutons au crochet, PXH 200-1000', '2 pulsadores en gancho, PXH 200-1000', '2 botões no gancho, PXH 200-1000', '2 pulsanti al gancio, PXH 200-1000', '2 Tasten am Haken, PXH 200-1000', '7302 4510 81', 336.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (33, 'Hook-mounted 2-button, PXH 1250-5000', 'Hook-mounted 2-button, PXH 1250-6000', 'Hook-mounted 2-button, PXH 1250-6000', '2 boutons au crochet, PXH 1250-5000', '2 pulsadores en gancho, PXH 1250-5000', '2 botões no gancho, PXH 1250-5000', '2 pulsanti al gancio, PXH 1250-5000', '2 Tasten am Haken, PXH 1250-5000', '7302 4510 82', 378.00);

-- Chain collectors, by chain size and the longest chain they hold
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (34, 'Chain collector 7 mm, up to 4 m', 'Chain container 7 mm, up to 4 m', 'Chain container 9/32 in, up to 13 ft', 'Bac à chaîne 7 mm, jusqu''à 4 m', 'Recogedor de cadena 7 mm, hasta 4 m', 'Recolhedor de corrente 7 mm, até 4 m', 'Raccoglicatena 7 mm, fino a 4 m', 'Kettenspeicher 7 mm, bis 4 m', '7302 4610 04', 94.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (35, 'Chain collector 7 mm, up to 7 m', 'Chain container 7 mm, up to 7 m', 'Chain container 9/32 in, up to 23 ft', 'Bac à chaîne 7 mm, jusqu''à 7 m', 'Recogedor de cadena 7 mm, hasta 7 m', 'Recolhedor de corrente 7 mm, até 7 m', 'Raccoglicatena 7 mm, fino a 7 m', 'Kettenspeicher 7 mm, bis 7 m', '7302 4610 07', 112.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (36, 'Chain collector 7 mm, up to 12 m', 'Chain container 7 mm, up to 12 m', 'Chain container 9/32 in, up to 39 ft', 'Bac à chaîne 7 mm, jusqu''à 12 m', 'Recogedor de cadena 7 mm, hasta 12 m', 'Recolhedor de corrente 7 mm, até 12 m', 'Raccoglicatena 7 mm, fino a 12 m', 'Kettenspeicher 7 mm, bis 12 m', '7302 4610 12', 139.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (37, 'Chain collector 7 mm, up to 18 m', 'Chain container 7 mm, up to 18 m', 'Chain container 9/32 in, up to 59 ft', 'Bac à chaîne 7 mm, jusqu''à 18 m', 'Recogedor de cadena 7 mm, hasta 18 m', 'Recolhedor de corrente 7 mm, até 18 m', 'Raccoglicatena 7 mm, fino a 18 m', 'Kettenspeicher 7 mm, bis 18 m', '7302 4610 18', 172.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (38, 'Chain collector 7 mm, up to 25 m', 'Chain container 7 mm, up to 25 m', 'Chain container 9/32 in, up to 82 ft', 'Bac à chaîne 7 mm, jusqu''à 25 m', 'Recogedor de cadena 7 mm, hasta 25 m', 'Recolhedor de corrente 7 mm, até 25 m', 'Raccoglicatena 7 mm, fino a 25 m', 'Kettenspeicher 7 mm, bis 25 m', '7302 4610 25', 214.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (39, 'Chain collector 10 mm, up to 7 m', 'Chain container 10 mm, up to 7 m', 'Chain container 3/8 in, up to 23 ft', 'Bac à chaîne 10 mm, jusqu''à 7 m', 'Recogedor de cadena 10 mm, hasta 7 m', 'Recolhedor de corrente 10 mm, até 7 m', 'Raccoglicatena 10 mm, fino a 7 m', 'Kettenspeicher 10 mm, bis 7 m', '7302 4620 07', 198.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (40, 'Chain collector 10 mm, up to 12 m', 'Chain container 10 mm, up to 12 m', 'Chain container 3/8 in, up to 39 ft', 'Bac à chaîne 10 mm, jusqu''à 12 m', 'Recogedor de cadena 10 mm, hasta 12 m', 'Recolhedor de corrente 10 mm, até 12 m', 'Raccoglicatena 10 mm, fino a 12 m', 'Kettenspeicher 10 mm, bis 12 m', '7302 4620 12', 254.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (41, 'Chain collector 10 mm, up to 18 m', 'Chain container 10 mm, up to 18 m', 'Chain container 3/8 in, up to 59 ft', 'Bac à chaîne 10 mm, jusqu''à 18 m', 'Recogedor de cadena 10 mm, hasta 18 m', 'Recolhedor de corrente 10 mm, até 18 m', 'Raccoglicatena 10 mm, fino a 18 m', 'Kettenspeicher 10 mm, bis 18 m', '7302 4620 18', 318.00);

-- Overload protection devices, safety hooks, chain stops, mounting of accessories
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (42, 'Overload protection device, PXH 200', '?', '?', 'Limiteur de charge, PXH 200', 'Limitador de sobrecarga, PXH 200', 'Limitador de sobrecarga, PXH 200', 'Limitatore di carico, PXH 200', 'Überlastsicherung, PXH 200', '7302 4710 02', 395.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (43, 'Overload protection device, PXH 250', 'Overload protection device, PXH 250', 'Overload protection device, PXH 250', 'Limiteur de charge, PXH 250', 'Limitador de sobrecarga, PXH 250', 'Limitador de sobrecarga, PXH 250', 'Limitatore di carico, PXH 250', 'Überlastsicherung, PXH 250', '7302 4710 03', 412.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (44, 'Overload protection device, PXH 500', 'Overload protection device, PXH 500', 'Overload protection device, PXH 500', 'Limiteur de charge, PXH 500', 'Limitador de sobrecarga, PXH 500', 'Limitador de sobrecarga, PXH 500', 'Limitatore di carico, PXH 500', 'Überlastsicherung, PXH 500', '7302 4710 05', 438.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (45, 'Overload protection device, PXH 1000 U', 'Overload protection device, PXH 1000 U', 'Overload protection device, PXH 1000 U', 'Limiteur de charge, PXH 1000 U', 'Limitador de sobrecarga, PXH 1000 U', 'Limitador de sobrecarga, PXH 1000 U', 'Limitatore di carico, PXH 1000 U', 'Überlastsicherung, PXH 1000 U', '7302 4710 10', 496.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (46, '?', 'Overload protection device, PXH 3000', 'Overload protection device, PXH 3000', '?', '?', '?', '?', '?', '7302 4710 30', 842.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (47, 'Safety hook, PXH 200/250', 'Safety hook, PXH 250', 'Safety hook, PXH 250', 'Crochet de sécurité, PXH 200/250', 'Gancho de seguridad, PXH 200/250', 'Gancho de segurança, PXH 200/250', 'Gancio di sicurezza, PXH 200/250', 'Sicherheitshaken, PXH 200/250', '7302 4720 03', 58.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (48, 'Safety hook, PXH 500', 'Safety hook, PXH 500', 'Safety hook, PXH 500', 'Crochet de sécurité, PXH 500', 'Gancho de seguridad, PXH 500', 'Gancho de segurança, PXH 500', 'Gancio di sicurezza, PXH 500', 'Sicherheitshaken, PXH 500', '7302 4720 05', 72.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (49, 'Safety hook, PXH 980/1000', 'Safety hook, PXH 980/1000', 'Safety hook, PXH 980/1000', 'Crochet de sécurité, PXH 980/1000', 'Gancho de seguridad, PXH 980/1000', 'Gancho de segurança, PXH 980/1000', 'Gancio di sicurezza, PXH 980/1000', 'Sicherheitshaken, PXH 980/1000', '7302 4720 10', 104.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (50, 'Chain stop 7 mm', 'Chain stop 7 mm', 'Chain stop 9/32 in', 'Butée de chaîne 7 mm', 'Tope de cadena 7 mm', 'Batente de corrente 7 mm', 'Fermo catena 7 mm', 'Kettenanschlag 7 mm', '7302 4730 07', 26.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (51, 'Chain stop 10 mm', 'Chain stop 10 mm', 'Chain stop 3/8 in', 'Butée de chaîne 10 mm', 'Tope de cadena 10 mm', 'Batente de corrente 10 mm', 'Fermo catena 10 mm', 'Kettenanschlag 10 mm', '7302 4730 10', 44.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (52, 'Mounting of accessories, PXH 200-1000', 'Accessory assembly, PXH 250-1000', 'Accessory assembly, PXH 250-1000', 'Montage des accessoires, PXH 200-1000', 'Montaje de accesorios, PXH 200-1000', 'Montagem dos acessórios, PXH 200-1000', 'Montaggio accessori, PXH 200-1000', 'Montage des Zubehörs, PXH 200-1000', '7302 4790 01', 85.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (53, 'Mounting of accessories, PXH 1250-5000', 'Accessory assembly, PXH 1250-6000', 'Accessory assembly, PXH 1250-6000', 'Montage des accessoires, PXH 1250-5000', 'Montaje de accesorios, PXH 1250-5000', 'Montagem dos acessórios, PXH 1250-5000', 'Montaggio accessori, PXH 1250-5000', 'Montage des Zubehörs, PXH 1250-5000', '7302 4790 02', 140.00);

-- Trolleys. The US PXH 2500 and PXH 3000 share one model column, so their
-- trolleys carry both designations
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (54, 'PXK 1000 manual trolley, narrow beam', 'PXK 1000 plain trolley, narrow', 'PXK 1000 plain trolley, narrow', 'PXK 1000 chariot manuel, étroit', 'PXK 1000 carro manual, estrecho', 'PXK 1000 trole manual, estreito', 'PXK 1000 carrello manuale, stretto', 'PXK 1000 Handfahrwerk, schmal', '7310 1000 01', 665.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (55, 'PXK 1000 manual trolley, wide beam', 'PXK 1000 plain trolley, wide', 'PXK 1000 plain trolley, wide', 'PXK 1000 chariot manuel, large', 'PXK 1000 carro manual, ancho', 'PXK 1000 trole manual, largo', 'PXK 1000 carrello manuale, largo', 'PXK 1000 Handfahrwerk, breit', '7310 1000 02', 725.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (56, 'PXK 1000M motor trolley, narrow beam', 'PXK 1000M motorized trolley, narrow', 'PXK 1000M motorized trolley, narrow', 'PXK 1000M chariot motorisé, étroit', 'PXK 1000M carro motorizado, estrecho', 'PXK 1000M trole motorizado, estreito', 'PXK 1000M carrello a motore, stretto', 'PXK 1000M Motorfahrwerk, schmal', '7310 1001 01', 2890.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (57, 'PXK 1000M motor trolley, wide beam', 'PXK 1000M motorized trolley, wide', 'PXK 1000M motorized trolley, wide', 'PXK 1000M chariot motorisé, large', 'PXK 1000M carro motorizado, ancho', 'PXK 1000M trole motorizado, largo', 'PXK 1000M carrello a motore, largo', 'PXK 1000M Motorfahrwerk, breit', '7310 1001 02', 3010.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (58, 'PXK 2500 manual trolley, narrow beam', 'PXK 2500 plain trolley, narrow', 'PXK 2500 plain trolley, narrow', 'PXK 2500 chariot manuel, étroit', 'PXK 2500 carro manual, estrecho', 'PXK 2500 trole manual, estreito', 'PXK 2500 carrello manuale, stretto', 'PXK 2500 Handfahrwerk, schmal', '7310 2500 01', 1145.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (59, 'PXK 2500 manual trolley, wide beam', 'PXK 2500 plain trolley, wide', 'PXK 2500 plain trolley, wide', 'PXK 2500 chariot manuel, large', 'PXK 2500 carro manual, ancho', 'PXK 2500 trole manual, largo', 'PXK 2500 carrello manuale, largo', 'PXK 2500 Handfahrwerk, breit', '7310 2500 02', 1225.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (60, 'PXK 2500M motor trolley, narrow beam', 'PXK 2500M motorized trolley, narrow', 'PXK 2500M motorized trolley, narrow', 'PXK 2500M chariot motorisé, étroit', 'PXK 2500M carro motorizado, estrecho', 'PXK 2500M trole motorizado, estreito', 'PXK 2500M carrello a motore, stretto', 'PXK 2500M Motorfahrwerk, schmal', '7310 2501 01', 4290.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (61, 'PXK 2500M motor trolley, wide beam', 'PXK 2500M motorized trolley, wide', 'PXK 2500M motorized trolley, wide', 'PXK 2500M chariot motorisé, large', 'PXK 2500M carro motorizado, ancho', 'PXK 2500M trole motorizado, largo', 'PXK 2500M carrello a motore, largo', 'PXK 2500M Motorfahrwerk, breit', '7310 2501 02', 4430.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (62, '?', 'PXK 2500/WXK 3000 plain trolley, narrow', 'PXK 2500/WXK 3000 plain trolley, narrow', '?', '?', '?', '?', '?', '7310 3000 01', 1265.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (63, '?', 'PXK 2500/WXK 3000 plain trolley, wide', 'PXK 2500/WXK 3000 plain trolley, wide', '?', '?', '?', '?', '?', '7310 3000 02', 1345.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (64, '?', 'PXK 2500M/PXK 3000M motorized, narrow', 'PXK 2500M/PXK 3000M motorized, narrow', '?', '?', '?', '?', '?', '7310 3001 01', 4610.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (65, '?', 'PXK 2500M/PXK 3000M motorized, wide', 'PXK 2500M/PXK 3000M motorized, wide', '?', '?', '?', '?', '?', '7310 3001 02', 4760.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (66, 'PXK 5000M motor trolley, wide beam', 'PXK 5000M motorized trolley, wide', 'PXK 5000M motorized trolley, wide', 'PXK 5000M chariot motorisé, large', 'PXK 5000M carro motorizado, ancho', 'PXK 5000M trole motorizado, largo', 'PXK 5000M carrello a motore, largo', 'PXK 5000M Motorfahrwerk, breit', '7310 5001 02', 7680.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (67, 'PXK 1000-SR manual trolley, narrow beam', 'PXK 1000-SR plain trolley, narrow', 'PXK 1000-SR plain trolley, narrow', 'PXK 1000-SR chariot manuel, étroit', 'PXK 1000-SR carro manual, estrecho', 'PXK 1000-SR trole manual, estreito', 'PXK 1000-SR carrello manuale, stretto', 'PXK 1000-SR Handfahrwerk, schmal', '7310 1030 01', 870.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (68, 'PXK 1000-SR manual trolley, wide beam', 'PXK 1000-SR plain trolley, wide', 'PXK 1000-SR plain trolley, wide', 'PXK 1000-SR chariot manuel, large', 'PXK 1000-SR carro manual, ancho', 'PXK 1000-SR trole manual, largo', 'PXK 1000-SR carrello manuale, largo', 'PXK 1000-SR Handfahrwerk, breit', '7310 1030 02', 940.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (69, 'PXK 1000M-SR motor trolley, narrow beam', 'PXK 1000M-SR motorized trolley, narrow', 'PXK 1000M-SR motorized trolley, narrow', 'PXK 1000M-SR chariot motorisé, étroit', 'PXK 1000M-SR carro motorizado, estrecho', 'PXK 1000M-SR trole motorizado, estreito', 'PXK 1000M-SR carrello a motore, stretto', 'PXK 1000M-SR Motorfahrwerk, schmal', '7310 1031 01', 3560.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (70, 'PXK 1000M-SR motor trolley, wide beam', 'PXK 1000M-SR motorized trolley, wide', 'PXK 1000M-SR motorized trolley, wide', 'PXK 1000M-SR chariot motorisé, large', 'PXK 1000M-SR carro motorizado, ancho', 'PXK 1000M-SR trole motorizado, largo', 'PXK 1000M-SR carrello a motore, largo', 'PXK 1000M-SR Motorfahrwerk, breit', '7310 1031 02', 3690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (71, 'PXK 2500-SR manual trolley, narrow beam', 'PXK 2500-SR plain trolley, narrow', 'PXK 2500-SR plain trolley, narrow', 'PXK 2500-SR chariot manuel, étroit', 'PXK 2500-SR carro manual, estrecho', 'PXK 2500-SR trole manual, estreito', 'PXK 2500-SR carrello manuale, stretto', 'PXK 2500-SR Handfahrwerk, schmal', '7310 2530 01', 1465.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (72, 'PXK 2500-SR manual trolley, wide beam', 'PXK 2500-SR plain trolley, wide', 'PXK 2500-SR plain trolley, wide', 'PXK 2500-SR chariot manuel, large', 'PXK 2500-SR carro manual, ancho', 'PXK 2500-SR trole manual, largo', 'PXK 2500-SR carrello manuale, largo', 'PXK 2500-SR Handfahrwerk, breit', '7310 2530 02', 1550.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (73, 'PXK 2500M-SR motor trolley, narrow beam', 'PXK 2500M-SR motorized trolley, narrow', 'PXK 2500M-SR motorized trolley, narrow', 'PXK 2500M-SR chariot motorisé, étroit', 'PXK 2500M-SR carro motorizado, estrecho', 'PXK 2500M-SR trole motorizado, estreito', 'PXK 2500M-SR carrello a motore, stretto', 'PXK 2500M-SR Motorfahrwerk, schmal', '7310 2531 01', 5240.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (74, 'PXK 2500M-SR motor trolley, wide beam', 'PXK 2500M-SR motorized trolley, wide', 'PXK 2500M-SR motorized trolley, wide', 'PXK 2500M-SR chariot motorisé, large', 'PXK 2500M-SR carro motorizado, ancho', 'PXK 2500M-SR trole motorizado, largo', 'PXK 2500M-SR carrello a motore, largo', 'PXK 2500M-SR Motorfahrwerk, breit', '7310 2531 02', 5390.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (75, '?', 'PXK 6000M motorized trolley, wide', 'PXK 6000M motorized trolley, wide', '?', '?', '?', '?', '?', '7310 6001 02', 8420.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (76, 'Trolley end stops, pair', 'Trolley end stops, pair', 'Trolley end stops, pair', 'Butées de fin de course, paire', 'Topes finales para carro, par', 'Batentes de fim de curso, par', 'Fermi di fine corsa, coppia', 'Endanschläge für Fahrwerk, Paar', '7310 9000 01', 64.00);

-- Hoists the program assigns to the model columns 11 to 25: US, SR and P2/P4
-- executions and the US PXH 3000 EX
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (77, '?', 'PXH 250 US air hoist 250 kg, 1 fall', 'PXH 250 US air hoist 550 lb, 1 fall', '?', '?', '?', '?', '?', '8420 0250 40', 2560.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (78, '?', 'PXH 500 US air hoist 500 kg, 1 fall', 'PXH 500 US air hoist 1100 lb, 1 fall', '?', '?', '?', '?', '?', '8420 0500 40', 2850.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (79, '?', 'PXH 1000 US air hoist 1000 kg, 2 falls', 'PXH 1000 US air hoist 2200 lb, 2 falls', '?', '?', '?', '?', '?', '8420 1000 40', 3640.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (80, '?', 'PXH 3000 US air hoist 2722 kg, 1 fall', 'PXH 3000 US air hoist 6000 lb, 1 fall', '?', '?', '?', '?', '?', '8420 3000 40', 7390.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (81, '?', 'PXH 6000 EX air hoist 6000 kg, 2 falls', 'PXH 6000 EX air hoist 13200 lb, 2 falls', '?', '?', '?', '?', '?', '8420 6000 00', 11950.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (82, '?', 'PXH 250-SR US air hoist 250 kg, 1 fall', 'PXH 250-SR US air hoist 550 lb, 1 fall', '?', '?', '?', '?', '?', '8420 0250 34', 3350.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (83, '?', 'PXH 500-SR US air hoist 500 kg, 2 falls', 'PXH 500-SR US air hoist 1100 lb, 2 falls', '?', '?', '?', '?', '?', '8420 0500 34', 3740.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (84, '?', 'PXH 1250-SR US air hoist 1250 kg, 1 fall', 'PXH 1250-SR US air hoist 2750 lb, 1 fall', '?', '?', '?', '?', '?', '8420 1250 34', 7950.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (85, 'PXH 250 P2 air hoist 250 kg, 1 fall', '?', '?', 'PXH 250 P2 palan pneumatique 250 kg', 'PXH 250 P2 polipasto neumático 250 kg', 'PXH 250 P2 talha pneumática 250 kg', 'PXH 250 P2 paranco pneumatico 250 kg', 'PXH 250 P2 Druckluft-Kettenzug 250 kg', '8420 0250 52', 2690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (86, 'PXH 250 P4 air hoist 250 kg, 1 fall', '?', '?', 'PXH 250 P4 palan pneumatique 250 kg', 'PXH 250 P4 polipasto neumático 250 kg', 'PXH 250 P4 talha pneumática 250 kg', 'PXH 250 P4 paranco pneumatico 250 kg', 'PXH 250 P4 Druckluft-Kettenzug 250 kg', '8420 0250 54', 2880.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (87, 'PXH 500 P2 air hoist 500 kg, 1 fall', '?', '?', 'PXH 500 P2 palan pneumatique 500 kg', 'PXH 500 P2 polipasto neumático 500 kg', 'PXH 500 P2 talha pneumática 500 kg', 'PXH 500 P2 paranco pneumatico 500 kg', 'PXH 500 P2 Druckluft-Kettenzug 500 kg', '8420 0500 52', 2980.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (88, 'PXH 500 P4 air hoist 500 kg, 1 fall', '?', '?', 'PXH 500 P4 palan pneumatique 500 kg', 'PXH 500 P4 polipasto neumático 500 kg', 'PXH 500 P4 talha pneumática 500 kg', 'PXH 500 P4 paranco pneumatico 500 kg', 'PXH 500 P4 Druckluft-Kettenzug 500 kg', '8420 0500 54', 3170.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (89, 'PXH 1000 P2 air hoist 1000 kg, 2 falls', '?', '?', 'PXH 1000 P2 palan pneumatique 1000 kg', 'PXH 1000 P2 polipasto neumático 1000 kg', 'PXH 1000 P2 talha pneumática 1000 kg', 'PXH 1000 P2 paranco pneumatico 1000 kg', 'PXH 1000 P2 Druckluft-Kettenzug 1000 kg', '8420 1000 52', 3760.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (90, '?', 'PXH 3000 EX air hoist 2722 kg, 1 fall', 'PXH 3000 EX air hoist 6000 lb, 1 fall', '?', '?', '?', '?', '?', '8420 3000 00', 7150.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (91, 'PXH 1000 P4 air hoist 1000 kg, 2 falls', '?', '?', 'PXH 1000 P4 palan pneumatique 1000 kg', 'PXH 1000 P4 polipasto neumático 1000 kg', 'PXH 1000 P4 talha pneumática 1000 kg', 'PXH 1000 P4 paranco pneumatico 1000 kg', 'PXH 1000 P4 Druckluft-Kettenzug 1000 kg', '8420 1000 54', 3960.00);

-- Air supply: the continental parts have BSP threads, the US parts NPT threads
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (92, 'Air preparation unit (FRL) G 1/2', '?', '?', 'Unité de traitement d''air G 1/2', 'Unidad de mantenimiento G 1/2', 'Unidade de tratamento de ar G 1/2', 'Gruppo trattamento aria G 1/2', 'Wartungseinheit G 1/2', '7320 1012 01', 186.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (93, 'Air preparation unit (FRL) G 1', '?', '?', 'Unité de traitement d''air G 1', 'Unidad de mantenimiento G 1', 'Unidade de tratamento de ar G 1', 'Gruppo trattamento aria G 1', 'Wartungseinheit G 1', '7320 1010 01', 348.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (94, '?', 'Filter-regulator-lubricator 1/2 NPT', 'Filter-regulator-lubricator 1/2 NPT', '?', '?', '?', '?', '?', '7320 1112 01', 192.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (95, '?', 'Filter-regulator-lubricator 1 NPT', 'Filter-regulator-lubricator 1 NPT', '?', '?', '?', '?', '?', '7320 1110 01', 359.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (96, 'Air supply hose ID 13 mm, per m', 'Air supply hose ID 13 mm, per m', 'Air supply hose 1/2 in ID, per m', 'Tuyau d''air Ø int. 13 mm, au m', 'Manguera de aire Ø int. 13 mm, por m', 'Mangueira de ar Ø int. 13 mm, por m', 'Tubo aria Ø int. 13 mm, al m', 'Luftschlauch Innen-Ø 13 mm, je m', '7320 2012 01', 7.40);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (97, 'Air supply hose ID 25 mm, per m', 'Air supply hose ID 25 mm, per m', 'Air supply hose 1 in ID, per m', 'Tuyau d''air Ø int. 25 mm, au m', 'Manguera de aire Ø int. 25 mm, por m', 'Mangueira de ar Ø int. 25 mm, por m', 'Tubo aria Ø int. 25 mm, al m', 'Luftschlauch Innen-Ø 25 mm, je m', '7320 2010 01', 14.90);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (98, 'Emergency stop valve G 1/2', '?', '?', 'Vanne d''arrêt d''urgence G 1/2', 'Válvula de parada de emergencia G 1/2', 'Válvula de paragem de emergência G 1/2', 'Valvola di arresto di emergenza G 1/2', 'Not-Halt-Ventil G 1/2', '7320 5012 01', 164.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (99, 'Emergency stop valve G 1', '?', '?', 'Vanne d''arrêt d''urgence G 1', 'Válvula de parada de emergencia G 1', 'Válvula de paragem de emergência G 1', 'Valvola di arresto di emergenza G 1', 'Not-Halt-Ventil G 1', '7320 5010 01', 286.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (100, '?', 'Emergency stop valve 1/2 NPT', 'Emergency stop valve 1/2 NPT', '?', '?', '?', '?', '?', '7320 5112 01', 171.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (101, '?', 'Emergency stop valve 1 NPT', 'Emergency stop valve 1 NPT', '?', '?', '?', '?', '?', '7320 5110 01', 298.00);

-- Lube-free hoists (model columns 29 to 36) and the PXH 980 (columns 37 and 38)
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (102, 'PXH 250L EX air hoist 250 kg, 1 fall', 'PXH 250L EX air hoist 250 kg, 1 fall', 'PXH 250L EX air hoist 550 lb, 1 fall', 'PXH 250L EX palan pneumatique 250 kg', 'PXH 250L EX polipasto neumático 250 kg', 'PXH 250L EX talha pneumática 250 kg', 'PXH 250L EX paranco pneumatico 250 kg', 'PXH 250L EX Druckluft-Kettenzug 250 kg', '8420 0250 10', 2775.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (103, 'PXH 500L EX air hoist 500 kg, 1 fall', 'PXH 500L EX air hoist 500 kg, 1 fall', 'PXH 500L EX air hoist 1100 lb, 1 fall', 'PXH 500L EX palan pneumatique 500 kg', 'PXH 500L EX polipasto neumático 500 kg', 'PXH 500L EX talha pneumática 500 kg', 'PXH 500L EX paranco pneumatico 500 kg', 'PXH 500L EX Druckluft-Kettenzug 500 kg', '8420 0500 10', 3090.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (104, 'PXH 1000L EX air hoist 1000 kg, 2 falls', 'PXH 1000L EX air hoist 1000 kg, 2 falls', 'PXH 1000L EX air hoist 2200 lb, 2 falls', 'PXH 1000L EX palan pneumatique 1000 kg', 'PXH 1000L EX polipasto neumático 1000 kg', 'PXH 1000L EX talha pneumática 1000 kg', 'PXH 1000L EX paranco pneumatico 1000 kg', 'PXH 1000L EX Druckluft-Kettenzug 1000 kg', '8420 1000 10', 3940.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (105, 'PXH 1000L U EX air hoist 1000 kg', 'PXH 1000L U EX air hoist 1000 kg', 'PXH 1000L U EX air hoist 2200 lb', 'PXH 1000L U EX palan pneumatique 1000 kg', 'PXH 1000L U EX polipasto neum. 1000 kg', 'PXH 1000L U EX talha pneumática 1000 kg', 'PXH 1000L U EX paranco pneum. 1000 kg', 'PXH 1000L U EX pneum. Kettenzug 1000 kg', '8420 1000 21', 3690.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (106, 'PXH 2500L EX air hoist 2500 kg, 1 fall', 'PXH 2500L EX air hoist 2500 kg, 1 fall', 'PXH 2500L EX air hoist 5500 lb, 1 fall', 'PXH 2500L EX palan pneumatique 2500 kg', 'PXH 2500L EX polipasto neumático 2500 kg', 'PXH 2500L EX talha pneumática 2500 kg', 'PXH 2500L EX paranco pneumatico 2500 kg', 'PXH 2500L EX Druckluft-Kettenzug 2500 kg', '8420 2500 10', 7260.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (107, 'PXH 5000L EX air hoist 5000 kg, 2 falls', 'PXH 5000L EX air hoist 5000 kg, 2 falls', 'PXH 5000L EX air hoist 11000 lb, 2 falls', 'PXH 5000L EX palan pneumatique 5000 kg', 'PXH 5000L EX polipasto neumático 5000 kg', 'PXH 5000L EX talha pneumática 5000 kg', 'PXH 5000L EX paranco pneumatico 5000 kg', 'PXH 5000L EX Druckluft-Kettenzug 5000 kg', '8420 5000 10', 11470.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (108, '?', 'PXH 3000L EX air hoist 2722 kg, 1 fall', 'PXH 3000L EX air hoist 6000 lb, 1 fall', '?', '?', '?', '?', '?', '8420 3000 10', 8010.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (109, '?', 'PXH 6000L EX air hoist 6000 kg, 2 falls', 'PXH 6000L EX air hoist 13200 lb, 2 falls', '?', '?', '?', '?', '?', '8420 6000 10', 13380.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (120, 'PXH 980 EX air hoist 980 kg, 2 falls', 'PXH 980 EX air hoist 980 kg, 2 falls', 'PXH 980 EX air hoist 2160 lb, 2 falls', 'PXH 980 EX palan pneumatique 980 kg', 'PXH 980 EX polipasto neumático 980 kg', 'PXH 980 EX talha pneumática 980 kg', 'PXH 980 EX paranco pneumatico 980 kg', 'PXH 980 EX Druckluft-Kettenzug 980 kg', '8420 0980 00', 3350.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (121, 'PXH 980L EX air hoist 980 kg, 2 falls', 'PXH 980L EX air hoist 980 kg, 2 falls', 'PXH 980L EX air hoist 2160 lb, 2 falls', 'PXH 980L EX palan pneumatique 980 kg', 'PXH 980L EX polipasto neumático 980 kg', 'PXH 980L EX talha pneumática 980 kg', 'PXH 980L EX paranco pneumatico 980 kg', 'PXH 980L EX Druckluft-Kettenzug 980 kg', '8420 0980 10', 3750.00);

-- Spare parts, trolley accessories and services
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (110, 'Top hook, complete, PXH 200-1000', 'Top hook, complete, PXH 250-1000', 'Top hook, complete, PXH 250-1000', 'Crochet de suspension, PXH 200-1000', 'Gancho de suspensión, PXH 200-1000', 'Gancho de suspensão, PXH 200-1000', 'Gancio di sospensione, PXH 200-1000', 'Aufhängehaken, komplett, PXH 200-1000', '7330 1101 01', 118.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (111, 'Top hook, complete, PXH 1250-5000', 'Top hook, complete, PXH 1250-6000', 'Top hook, complete, PXH 1250-6000', 'Crochet de suspension, PXH 1250-5000', 'Gancho de suspensión, PXH 1250-5000', 'Gancho de suspensão, PXH 1250-5000', 'Gancio di sospensione, PXH 1250-5000', 'Aufhängehaken, komplett, PXH 1250-5000', '7330 1102 01', 236.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (112, 'Bottom hook, 1 fall, PXH 200-500', 'Bottom hook, 1 fall, PXH 250/500', 'Bottom hook, 1 fall, PXH 250/500', 'Crochet de charge, 1 brin, PXH 200-500', 'Gancho de carga, 1 ramal, PXH 200-500', 'Gancho de carga, 1 ramal, PXH 200-500', 'Gancio di carico, 1 tiro, PXH 200-500', 'Lasthaken, 1-strängig, PXH 200-500', '7330 1201 01', 96.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (113, 'Bottom block, 2 falls, PXH 980/1000', 'Bottom block, 2 falls, PXH 980/1000', 'Bottom block, 2 falls, PXH 980/1000', 'Moufle, 2 brins, PXH 980/1000', 'Motón, 2 ramales, PXH 980/1000', 'Moitão, 2 ramais, PXH 980/1000', 'Bozzello, 2 tiri, PXH 980/1000', 'Unterflasche, 2-strängig, PXH 980/1000', '7330 1202 01', 214.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (114, 'Bottom hook, 1 fall, PXH 1250/2500', 'Bottom hook, 1 fall, PXH 2500/3000', 'Bottom hook, 1 fall, PXH 2500/3000', 'Crochet de charge, 1 brin, PXH 1250/2500', 'Gancho de carga, 1 ramal, PXH 1250/2500', 'Gancho de carga, 1 ramal, PXH 1250/2500', 'Gancio di carico, 1 tiro, PXH 1250/2500', 'Lasthaken, 1-strängig, PXH 1250/2500', '7330 1203 01', 188.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (115, 'Bottom block, 2 falls, PXH 5000', 'Bottom block, 2 falls, PXH 5000/6000', 'Bottom block, 2 falls, PXH 5000/6000', 'Moufle, 2 brins, PXH 5000', 'Motón, 2 ramales, PXH 5000', 'Moitão, 2 ramais, PXH 5000', 'Bozzello, 2 tiri, PXH 5000', 'Unterflasche, 2-strängig, PXH 5000', '7330 1204 01', 462.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (116, 'Exhaust silencer, PXH 200-1000', 'Exhaust muffler, PXH 250-1000', 'Exhaust muffler, PXH 250-1000', 'Silencieux d''échappement, PXH 200-1000', 'Silenciador de escape, PXH 200-1000', 'Silenciador de escape, PXH 200-1000', 'Silenziatore di scarico, PXH 200-1000', 'Abluftschalldämpfer, PXH 200-1000', '7330 1301 01', 34.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (117, 'Exhaust silencer, PXH 1250-5000', 'Exhaust muffler, PXH 1250-6000', 'Exhaust muffler, PXH 1250-6000', 'Silencieux d''échappement, PXH 1250-5000', 'Silenciador de escape, PXH 1250-5000', 'Silenciador de escape, PXH 1250-5000', 'Silenziatore di scarico, PXH 1250-5000', 'Abluftschalldämpfer, PXH 1250-5000', '7330 1302 01', 58.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (118, 'Air motor service kit, PXH 200-1000', 'Air motor service kit, PXH 250-1000', 'Air motor service kit, PXH 250-1000', 'Kit d''entretien moteur, PXH 200-1000', 'Kit de revisión del motor, PXH 200-1000', 'Kit de revisão do motor, PXH 200-1000', 'Kit revisione motore, PXH 200-1000', 'Wartungssatz Luftmotor, PXH 200-1000', '7330 1401 01', 142.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (119, 'Air motor service kit, PXH 1250-5000', 'Air motor service kit, PXH 1250-6000', 'Air motor service kit, PXH 1250-6000', 'Kit d''entretien moteur, PXH 1250-5000', 'Kit de revisión del motor, PXH 1250-5000', 'Kit de revisão do motor, PXH 1250-5000', 'Kit revisione motore, PXH 1250-5000', 'Wartungssatz Luftmotor, PXH 1250-5000', '7330 1402 01', 226.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (122, 'Brake service kit, PXH 200-1000', 'Brake service kit, PXH 250-1000', 'Brake service kit, PXH 250-1000', 'Kit d''entretien frein, PXH 200-1000', 'Kit de revisión del freno, PXH 200-1000', 'Kit de revisão do travão, PXH 200-1000', 'Kit revisione freno, PXH 200-1000', 'Wartungssatz Bremse, PXH 200-1000', '7330 1501 01', 88.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (123, 'Brake service kit, PXH 1250-5000', 'Brake service kit, PXH 1250-6000', 'Brake service kit, PXH 1250-6000', 'Kit d''entretien frein, PXH 1250-5000', 'Kit de revisión del freno, PXH 1250-5000', 'Kit de revisão do travão, PXH 1250-5000', 'Kit revisione freno, PXH 1250-5000', 'Wartungssatz Bremse, PXH 1250-5000', '7330 1502 01', 149.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (124, 'Chain lubricant, spray can 400 ml', 'Chain lubricant, spray can 400 ml', 'Chain lubricant, spray can 13.5 fl oz', 'Lubrifiant chaîne, aérosol 400 ml', 'Lubricante de cadena, spray 400 ml', 'Lubrificante de corrente, spray 400 ml', 'Lubrificante catena, spray 400 ml', 'Kettenschmierstoff, Spray 400 ml', '7330 1601 01', 16.80);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (125, 'Chain wear gauge 7 and 10 mm', 'Chain wear gauge 7 and 10 mm', 'Chain wear gauge 9/32 and 3/8 in', 'Calibre d''usure chaîne 7 et 10 mm', 'Galga de desgaste cadena 7 y 10 mm', 'Calibre de desgaste corrente 7/10 mm', 'Calibro usura catena 7 e 10 mm', 'Kettenverschleißlehre 7 und 10 mm', '7330 1602 01', 42.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (127, 'Suspension yoke, beam 133-332 mm', 'Suspension yoke, beam 133-332 mm', 'Suspension yoke, flange 5.2-13.1 in', 'Étrier de suspension, poutre 133-332', 'Horquilla de suspensión, viga 133-332', 'Forquilha de suspensão, viga 133-332', 'Staffa di sospensione, trave 133-332', 'Aufhängebügel, Träger 133-332 mm', '7310 9100 01', 312.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (128, 'Anti-drop lugs for trolley, set', 'Anti-drop lugs for trolley, set', 'Anti-drop lugs for trolley, set', 'Pattes anti-chute pour chariot, jeu', 'Orejetas anticaída para carro, juego', 'Patilhas anti-queda para trole, jogo', 'Piastre anticaduta carrello, set', 'Absturzsicherung für Fahrwerk, Satz', '7310 9000 02', 96.00);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (129, 'Hose trolley for festoon system', 'Hose trolley for festoon system', 'Hose trolley for festoon system', 'Chariot porte-tuyau pour guirlande', 'Carro portamangueras para festón', 'Carro porta-mangueira para festão', 'Carrello portatubo per festone', 'Schlauchwagen für Girlande', '7310 9200 01', 46.50);
INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris) VALUES
  (130, 'Load test with certificate', 'Load test with certificate', 'Load test with certificate', 'Essai de charge avec certificat', 'Prueba de carga con certificado', 'Ensaio de carga com certificado', 'Prova di carico con certificato', 'Lastprüfung mit Prüfbescheinigung', '7390 0001 01', 145.00);

-- ---------------------------------------------------------------------------
-- tblDetaljer: which part fills each part row for each model column.
-- One record per part row, inserted in row order: the program reads them in
-- insertion order, so the n-th record is part row n whatever intIndex says.
-- Each cell is a part record number of tblDetaljPr; 0 means the model has no
-- such part. The program lists the chain collector and the safety hook only
-- when the cell is above 0, so those cells must stay 0 where a model has none.
-- Light models: PXH200, PXH250, PXH500, PXH1000, the SR 250/500 columns,
-- PXH1000OP and the US 250/500/1000 columns; the others are heavy models.
-- Rows 2 to 6, 8, 12, 15 and 31 to 38 are not used.
-- Row 1 of the columns PXH250US onwards is replaced by the program with fixed
-- hoist numbers; the values here are the hoists of those columns all the same.
-- ---------------------------------------------------------------------------

-- Row 1: hoist
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 77, 78, 79, 80, 81, 82, 83, 84);
-- Row 2: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 3: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 4: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 5: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 6: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 7: pull chain, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (7, 15, 15, 15, 15, 16, 16, 15, 15, 16, 15, 15, 15, 15, 16, 16, 15, 15, 16);
-- Row 8: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 9: 2-button trolley control
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (9, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23);
-- Row 10: its control hose, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (10, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25);
-- Row 11: load chain, oil polished, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (11, 11, 11, 11, 11, 13, 13, 11, 11, 13, 11, 11, 11, 11, 13, 13, 11, 11, 13);
-- Row 12: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 13: 2-button hoist control
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (13, 17, 17, 17, 17, 18, 18, 17, 17, 18, 17, 17, 17, 17, 18, 18, 17, 17, 18);
-- Row 14: its control hose, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (14, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19);
-- Row 15: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 16: 4-button control
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (16, 20, 20, 20, 20, 21, 21, 20, 20, 21, 20, 20, 20, 20, 21, 21, 20, 20, 21);
-- Row 17: its control hose, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (17, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22);
-- Row 18: twist rod
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (18, 26, 26, 26, 26, 27, 27, 26, 26, 27, 26, 26, 26, 26, 27, 27, 26, 26, 27);
-- Row 19: twist rod extension, 3 m and more
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (19, 28, 28, 28, 28, 29, 29, 28, 28, 29, 28, 28, 28, 28, 29, 29, 28, 28, 29);
-- Row 20: articulation
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (20, 30, 30, 30, 30, 31, 31, 30, 30, 31, 30, 30, 30, 30, 31, 31, 30, 30, 31);
-- Row 21: hook-mounted 2-button control
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (21, 32, 32, 32, 32, 33, 33, 32, 32, 33, 32, 32, 32, 32, 33, 33, 32, 32, 33);
-- Row 22: chain collector, light models, chain up to 4 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (22, 34, 34, 34, 34, 0, 0, 34, 34, 0, 34, 34, 34, 34, 0, 0, 34, 34, 0);
-- Row 23: chain collector, heavy models, chain up to 7 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (23, 0, 0, 0, 0, 39, 39, 0, 0, 39, 0, 0, 0, 0, 39, 39, 0, 0, 39);
-- Row 24: chain collector, light models, chain 5 to 7 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (24, 35, 35, 35, 35, 0, 0, 35, 35, 0, 35, 35, 35, 35, 0, 0, 35, 35, 0);
-- Row 25: chain collector, chain 8 to 12 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (25, 36, 36, 36, 36, 40, 40, 36, 36, 40, 36, 36, 36, 36, 40, 40, 36, 36, 40);
-- Row 26: chain collector, chain 13 to 18 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (26, 37, 37, 37, 37, 41, 41, 37, 37, 41, 37, 37, 37, 37, 41, 41, 37, 37, 41);
-- Row 27: chain collector, light models, chain 19 to 25 m
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (27, 38, 38, 38, 38, 0, 0, 38, 38, 0, 38, 38, 38, 38, 0, 0, 38, 38, 0);
-- Row 28: overload protection device (optional models only)
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (28, 42, 43, 44, 45, 0, 0, 43, 44, 0, 0, 43, 44, 0, 46, 0, 43, 44, 0);
-- Row 29: safety hook (models that offer it)
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (29, 47, 47, 48, 49, 0, 0, 0, 0, 0, 49, 47, 48, 49, 0, 0, 0, 0, 0);
-- Row 30: chain stop
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (30, 50, 50, 50, 50, 51, 51, 50, 50, 51, 50, 50, 50, 50, 51, 51, 50, 50, 51);
-- Row 31: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 32: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 33: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (33, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 34: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (34, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 35: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (35, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 36: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (36, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 37: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (37, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 38: not used
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (38, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
-- Row 39: mounting of accessories
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (39, 52, 52, 52, 52, 53, 53, 52, 52, 53, 52, 52, 52, 52, 53, 53, 52, 52, 53);
-- Row 40: load chain, zinc plated, per metre
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (40, 12, 12, 12, 12, 14, 14, 12, 12, 14, 12, 12, 12, 12, 14, 14, 12, 12, 14);
-- Row 41: manual trolley, narrow
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (41, 54, 54, 54, 54, 58, 0, 67, 67, 71, 54, 54, 54, 54, 62, 0, 67, 67, 71);
-- Row 42: manual trolley, wide
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (42, 55, 55, 55, 55, 59, 0, 68, 68, 72, 55, 55, 55, 55, 63, 0, 68, 68, 72);
-- Row 43: motor trolley, narrow
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (43, 56, 56, 56, 56, 60, 0, 69, 69, 73, 56, 56, 56, 56, 64, 0, 69, 69, 73);
-- Row 44: motor trolley, wide
INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US) VALUES
  (44, 57, 57, 57, 57, 61, 66, 70, 70, 74, 57, 57, 57, 57, 65, 66, 70, 70, 74);
