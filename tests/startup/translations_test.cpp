// The program's own texts and Qt's dialogs in the language of the variant, and translation
// files that are complete for the texts the sources have now.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "common/variants.h"
#include "startup/application_setup.h"

namespace {

const QStringList kLanguages{"fr", "es", "pt", "it", "de"};

// The messages of a .ts file whose translation is missing, unfinished or no longer used.
QStringList unfinishedIn(const QString& tsFile) {
  QFile file(tsFile);
  if (!file.open(QIODevice::ReadOnly)) return {tsFile + ": cannot be read"};
  QStringList problems;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      const QString text = xml.readElementText();
      if (!type.isEmpty() || text.trimmed().isEmpty())
        problems << QStringLiteral("%1: \"%2\" %3")
                        .arg(QFileInfo(tsFile).fileName(), source.left(60),
                             type.isEmpty() ? QStringLiteral("has no translation") : type);
    }
  }
  if (xml.hasError()) problems << tsFile + ": " + xml.errorString();
  return problems;
}

}  // namespace

TEST(Translations, EveryTextOfTheSourcesIsTranslatedInEveryLanguage) {
  // lupdate on a copy of each file adds the texts the sources have and the file lacks, and
  // marks those the sources no longer have: a file in order comes out of it complete.
  QTemporaryDir dir;
  const QString source = QStringLiteral(TELMARIS_SOURCE_DIR);
  QStringList problems;
  for (const QString& language : kLanguages) {
    const QString ts = source + "/translations/telmaris_" + language + ".ts";
    const QString copy = dir.filePath(QFileInfo(ts).fileName());
    ASSERT_TRUE(QFile::copy(ts, copy)) << ts.toStdString();
    QProcess lupdate;
    lupdate.setWorkingDirectory(source);
    lupdate.start(QStringLiteral(TELMARIS_LUPDATE),
                  {"-silent", "-locations", "none", "-source-language", "en", "src", "-ts", copy});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    problems << unfinishedIn(copy);
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString()
                                  << "\n(ninja telmaris_lupdate, then translate)";
}

TEST(Translations, QtsDialogsAndTheProgramsTextsSpeakTheVariantsLanguage) {
  const QString programDirectory = QStringLiteral(TELMARIS_PROGRAM_DIR);
  struct Case {
    const char* key;
    const char* cancel;  // Qt's Cancel button, which has no access key in these languages
  };
  const Case cases[] = {{"Tysk", "Abbrechen"},
                        {"Fransk", "Annuler"},
                        {"Spansk", "Cancelar"},
                        {"Portugisisk", "Cancelar"},
                        {"Italiensk", "Annulla"}};
  for (const Case& c : cases) {
    EXPECT_TRUE(useLanguageOf(c.key, programDirectory)) << c.key;
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(c.cancel)) << c.key;
    EXPECT_NE(QCoreApplication::translate("Configurator", "The discount is 0 to 99 %."),
              "The discount is 0 to 99 %.")
        << c.key;
  }
  // German, by words written here.
  ASSERT_TRUE(useLanguageOf("Tysk", programDirectory));
  EXPECT_EQ(QCoreApplication::translate("HelpWindow", "Next"), "Nächste");
  // English variants take neither translation.
  for (const char* key : {"", "US Metric", "US Imperial"}) {
    EXPECT_TRUE(useLanguageOf(key, programDirectory));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Cancel") << key;
  }
  // A program directory without the translations: the program's texts stay English, and the
  // load says so.
  QTemporaryDir empty;
  EXPECT_FALSE(useLanguageOf("Tysk", empty.path()));
  EXPECT_EQ(QCoreApplication::translate("Configurator", "The discount is 0 to 99 %."),
            "The discount is 0 to 99 %.");
  useLanguageOf("", programDirectory);
}
