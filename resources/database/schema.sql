-- Tables of the parts database Telmaris.mdb. The build runs this file, then telmaris.sql.
-- Records come back in insertion order (rowid) when a query has no ORDER BY.

CREATE TABLE tblDetaljer (
  intIndex SMALLINT,
  PXH200 INTEGER, PXH250 INTEGER, PXH500 INTEGER, PXH1000 INTEGER, PXH2500 INTEGER,
  PXH5000 INTEGER, PXH250_SR INTEGER, PXH500_SR INTEGER, PXH1250_SR INTEGER,
  PXH1000OP INTEGER, PXH250US INTEGER, PXH500US INTEGER, PXH1000US INTEGER,
  PXH3000US INTEGER, PXH6000US INTEGER, PXH250_SR_US INTEGER, PXH500_SR_US INTEGER,
  PXH1250_SR_US INTEGER
);

CREATE TABLE tblSprak (
  lngNr INTEGER NOT NULL UNIQUE,
  strEngelska TEXT, strImperial TEXT, strFranska TEXT, strSpanska TEXT,
  strPortugisiska TEXT, strItalienska TEXT, strTyska TEXT
);

CREATE TABLE tblDetaljPr (
  lngNr INTEGER NOT NULL UNIQUE,
  strEngelska TEXT, strUSAMetric TEXT, strImperial TEXT, strFranska TEXT,
  strSpanska TEXT, strPortugisiska TEXT, strItalienska TEXT, strTyska TEXT,
  strDetaljnummer TEXT,
  sngPris REAL
);
