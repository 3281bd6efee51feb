// The load of part matrix, texts and parts into the parts data.
#include "data/parts_loader.h"

#include <gtest/gtest.h>

#include "data/database.h"
#include "data/parts_data.h"
#include "support/test_database.h"

namespace {

// Texts and parts written for the English, US Metric and French columns only where a test needs
// them; everything else null.
QString smallRecords() {
  return QStringLiteral(
      "INSERT INTO tblSprak (lngNr, strEngelska, strFranska) VALUES (1, 'File', 'Fichier');"
      "INSERT INTO tblSprak (lngNr, strEngelska, strFranska) VALUES (65, 'TITLE', NULL);"
      "INSERT INTO tblSprak (lngNr, strEngelska, strFranska) VALUES (150, 'Last', 'Dernier');"
      "INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strFranska, strDetaljnummer,"
      "  sngPris) VALUES (5, 'Pull chain', 'Hand chain', NULL, '7302 4410 01', 12.5);"
      "INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strFranska, strDetaljnummer,"
      "  sngPris) VALUES (0, '-', '-', '-', '0000 0000 00', NULL);"
      "INSERT INTO tblDetaljPr (lngNr, strEngelska, strUSAMetric, strFranska, strDetaljnummer,"
      "  sngPris) VALUES (130, 'Hook', NULL, 'Crochet', NULL, 3);"
      // Part rows come back in insertion order, whatever intIndex says.
      "INSERT INTO tblDetaljer (intIndex, PXH200, PXH250, PXH1000US, PXH1250_SR_US)"
      "  VALUES (3, 101, 102, 103, 118);"
      "INSERT INTO tblDetaljer (intIndex, PXH200, PXH250) VALUES (1, 201, 202);"
      "INSERT INTO tblDetaljer (intIndex, PXH200, PXH250) VALUES (2, 301, NULL);");
}

void load(const TestProgramDirectory& dir, PartsData& data, const QString& key) {
  loadPartsDatabase(dir.database(), key, data);
}

}  // namespace

TEST(PartsLoader, FillsThePartMatrixInRecordOrderWithTheFixedHoists) {
  TestProgramDirectory dir(smallRecords());
  PartsData state;
  load(dir, state, "");

  EXPECT_EQ(state.PartMatrix(1, 1), 101);
  EXPECT_EQ(state.PartMatrix(2, 1), 201);
  EXPECT_EQ(state.PartMatrix(3, 1), 301);
  EXPECT_EQ(state.PartMatrix(1, 2), 102);
  EXPECT_FALSE(state.PartMatrix(3, 2).has_value());  // a null cell stays empty
  EXPECT_FALSE(state.PartMatrix(4, 1).has_value());  // rows past the records stay empty
  EXPECT_FALSE(state.PartMatrix(0, 1).has_value());  // row 0 and column 0 are never filled
  EXPECT_FALSE(state.PartMatrix(2, 0).has_value());
  EXPECT_EQ(state.PartMatrix(2, 11), std::nullopt);  // only row 1 of the fixed columns is set

  // Row 1 of columns 11 to 38 is fixed, whatever the database holds there.
  const int fixed[] = {77, 78, 79, 80, 81,  82,  83,  84,  85,  86,  87,  88,  89,  90,
                       91, 6,  7,  8,  102, 103, 104, 105, 106, 107, 108, 109, 120, 121};
  for (int c = 11; c <= 38; ++c) EXPECT_EQ(state.PartMatrix(1, c), fixed[c - 11]) << c;
}

TEST(PartsLoader, KeepsWhatANullLeavesOutAcrossVariants) {
  TestProgramDirectory dir(smallRecords());
  PartsData state;

  load(dir, state, "Fransk");
  EXPECT_EQ(state.TextCatalogue[Text::MenuFile], "Fichier");
  EXPECT_EQ(state.TextCatalogue[Text::ProgramTitle], "");  // null on the first load: empty
  EXPECT_EQ(state.PartDescription[5], "");                 // null description on the first load
  EXPECT_EQ(state.PartDescription[130], "Crochet");
  EXPECT_EQ(state.PartNumber[130], "");  // a null ordering number does not stop the load
  EXPECT_EQ(state.PartCount, 3);
  EXPECT_FALSE(state.PartPrice[0].has_value());  // a null price stays null
  EXPECT_EQ(state.PartPrice[5], 12.5f);

  load(dir, state, "");
  EXPECT_EQ(state.TextCatalogue[Text::ProgramTitle], "TITLE");
  EXPECT_EQ(state.PartDescription[5], "Pull chain");

  load(dir, state, "US Metric");  // English texts, US descriptions
  EXPECT_EQ(state.TextCatalogue[Text::MenuFile], "File");
  EXPECT_EQ(state.PartDescription[5], "Hand chain");
  EXPECT_EQ(state.PartDescription[130], "Hook");  // null in US Metric: the English text stays

  load(dir, state, "Fransk");
  EXPECT_EQ(state.TextCatalogue[Text::ProgramTitle],
            "TITLE");  // null in French: the earlier text stays
  EXPECT_EQ(state.PartDescription[5], "Hand chain");
  EXPECT_EQ(state.TextCatalogue[Text::MenuNewFile], "");  // never written
}

TEST(PartsLoader, StopsAtARecordOutsideTheProgramsArrays) {
  struct Case {
    const char* sql;
    const char* table;
    const char* record;
  };
  QString tooManyRows;
  for (int r = 1; r <= 51; ++r)
    tooManyRows += QStringLiteral("INSERT INTO tblDetaljer (intIndex) VALUES (%1);").arg(r);
  const std::string rows = tooManyRows.toStdString();
  const Case cases[] = {
      {"INSERT INTO tblSprak (lngNr, strEngelska) VALUES (151, 'x');", "tblSprak", "151"},
      {"INSERT INTO tblSprak (lngNr, strEngelska) VALUES (0, 'x');", "tblSprak", "0"},
      {"INSERT INTO tblDetaljPr (lngNr, strEngelska) VALUES (131, 'x');", "tblDetaljPr", "131"},
      {"INSERT INTO tblDetaljPr (lngNr, strEngelska) VALUES (-1, 'x');", "tblDetaljPr", "-1"},
      {rows.c_str(), "tblDetaljer", "51"},
  };
  for (const Case& c : cases) {
    TestProgramDirectory dir(QString::fromUtf8(c.sql));
    PartsData state;
    try {
      load(dir, state, "");
      ADD_FAILURE() << c.sql;
    } catch (const RecordOutOfBounds& e) {
      EXPECT_EQ(e.problem().kind, Problem::Kind::Database);
      EXPECT_EQ(e.problem().where, QString("Table %1, record %2").arg(c.table, c.record));
    }
  }
  // Exactly 50 part rows still load.
  QString fifty;
  for (int r = 1; r <= 50; ++r)
    fifty += QStringLiteral("INSERT INTO tblDetaljer (intIndex, PXH200) VALUES (%1, %1);").arg(r);
  TestProgramDirectory dir(fifty);
  PartsData state;
  load(dir, state, "Tysk");
  EXPECT_EQ(state.PartMatrix(50, 1), 50);
}
