// Saved configurations: the file format, and saving from the window and opening again.
#include "configurator/configuration_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <random>

#include "common/variants.h"
#include "configurator/ordering_list.h"
#include "configurator/window_driver.h"
#include "support/special_files.h"

namespace {

Configuration parsed(const QByteArray& json) {
  const Result<Configuration> result = parseConfiguration(json);
  EXPECT_TRUE(result) << result.problem().what.toStdString();
  return result ? *result : Configuration{};
}

void write(const QString& file, const QByteArray& bytes) {
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(out.write(bytes), bytes.size());
}

QString error(const QByteArray& json) {
  const Result<Configuration> result = parseConfiguration(json);
  return result ? QString() : result.problem().what;
}

}  // namespace

TEST(ConfigurationFile, ReadsWritesAndNamesTheWrongKey) {
  Configuration c;
  c.variant = VariantId::UsImperial;
  c.lubeFree = true;
  c.model = "PXH 1000L EX";
  c.liftHeight = "13.1";
  c.controlLength = "9.8";
  c.trolley = Trolley::MotorWide;
  c.hoistControl = HoistControl::FourButton;
  c.trolleyControl = std::nullopt;
  c.accessories = {true, false, true, false, true};
  c.discount = 7;
  const Configuration back = parsed(writeConfiguration(c));
  EXPECT_EQ(back.variant, VariantId::UsImperial);
  EXPECT_TRUE(back.lubeFree);
  EXPECT_EQ(back.model, "PXH 1000L EX");
  EXPECT_EQ(back.liftHeight, "13.1");
  EXPECT_EQ(back.controlLength, "9.8");
  EXPECT_EQ(back.trolley, Trolley::MotorWide);
  EXPECT_EQ(back.hoistControl, HoistControl::FourButton);
  EXPECT_EQ(back.trolleyControl, std::nullopt);
  EXPECT_EQ(back.accessories, c.accessories);
  EXPECT_EQ(back.discount, 7);
  EXPECT_TRUE(writeConfiguration(c).contains("\"US Version Imperial\""));

  // A missing tick is not ticked and a missing discount 0; a missing answer of a step is no
  // answer, where the steps wait. Unknown keys are ignored.
  const Configuration small =
      parsed(R"({"model": "PXH 500 EX", "liftHeight": "4", "colour": "red"})");
  EXPECT_EQ(small.variant, VariantId::EnglishEuropean);
  EXPECT_FALSE(small.lubeFree || small.stainlessChain || small.articulation);
  EXPECT_EQ(small.accessories, (std::array<bool, 5>{}));
  EXPECT_EQ(small.discount, 0);
  EXPECT_EQ(small.liftHeight, "4");
  EXPECT_TRUE(small.controlLength.isEmpty());
  EXPECT_EQ(small.trolley, std::nullopt);
  EXPECT_EQ(small.hoistControl, std::nullopt);
  EXPECT_EQ(small.trolleyControl, std::nullopt);

  // Lengths stand as typed, a decimal comma included; anything else is refused by its key.
  EXPECT_EQ(parsed(R"({"liftHeight": "24,6"})").liftHeight, "24,6");
  EXPECT_EQ(parsed(R"({"controlLength": "9.8"})").controlLength, "9.8");
  EXPECT_EQ(parsed(R"({"controlLength": "12."})").controlLength, "12.");
  for (const QString key : {"liftHeight", "controlLength"}) {
    for (const QString value :
         {"1000000", "\"1e3\"", "\"-3\"", "\"4a\"", "\"4.5,5\"", "\"4\\n\"", "\"\u0664\""}) {
      const QString json = QStringLiteral("{\"%1\": %2}").arg(key, value);
      EXPECT_TRUE(error(json.toUtf8()).contains("\"" + key + "\""))
          << json.toStdString() << ": " << error(json.toUtf8()).toStdString();
    }
  }

  EXPECT_TRUE(error(R"({"variant": "Klingon"})").contains("\"variant\""));
  EXPECT_TRUE(error(R"({"trolley": "sideways"})").contains("\"trolley\""));
  EXPECT_TRUE(error(R"({"accessories": {"chainStop": "yes"}})").contains("accessories.chainStop"));
  EXPECT_TRUE(error(R"({"discount": 150})").contains("\"discount\""));
  EXPECT_TRUE(error(R"({"discount": 2.5})").contains("\"discount\""));
  EXPECT_TRUE(error(R"({"telmaris": 2})").contains("\"telmaris\""));
  EXPECT_FALSE(error("[1, 2]").isEmpty());
  EXPECT_FALSE(error("{\"model\": ").isEmpty());
}

TEST(ConfigurationFile, SavedFromTheWindowOpensToTheSameList) {
  QTemporaryDir out;
  WindowDriver d("", true);
  d.click(d.w.ComboPXH->lineEdit());
  d.press(Qt::Key_D);  // the discount step
  d.walkToTrolley("PXH 500 EX", "6", "4");
  d.chooseTrolley(3);
  d.enter();  // pull chain; the light models take the 2-button trolley control by themselves
  for (int i = 0; i < 6 && !d.w.RabattB->isVisible(); ++i) {
    if (d.focused() == d.w.Check3D1[2]) d.press(Qt::Key_Space);  // the chain stop, ticked
    d.enter();
  }
  ASSERT_TRUE(d.w.RabattB->isVisible());
  d.type("15");
  d.enter();
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  const QStringList lines = orderingListLines(BuildOrderingList(d.state, d.engine().hoist()), 1);

  const QString file = out.filePath("quote.telmaris");
  d.services.saveAnswer = file;
  d.w.SaveFile->trigger();  // the first save asks for the name
  ASSERT_TRUE(QFile::exists(file));
  EXPECT_EQ(d.services.fileDialogs.size(), 1u);
  d.w.SaveFile->trigger();  // then it keeps it
  EXPECT_EQ(d.services.fileDialogs.size(), 1u);

  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const Configuration c = parsed(saved.readAll());
  EXPECT_EQ(c.model, "PXH 500 EX");
  EXPECT_EQ(c.liftHeight, "6");
  EXPECT_EQ(c.controlLength, "4");
  EXPECT_EQ(c.trolley, Trolley::MotorNarrow);
  EXPECT_EQ(c.hoistControl, HoistControl::PullChain);
  EXPECT_EQ(c.trolleyControl, TrolleyControl::TwoButton);
  EXPECT_EQ(c.accessories, (std::array<bool, 5>{false, false, true, false, false}));
  EXPECT_EQ(c.discount, 15);

  d.w.NewFile->trigger();
  d.settle();
  d.w.ComboPXH->hidePopup();
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());
  d.services.fileAnswer = file;
  d.w.OpenFile->trigger();
  d.settle();
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.w.RabattB->text(), "15");
  EXPECT_EQ(orderingListLines(BuildOrderingList(d.state, d.engine().hoist()), 1), lines);

  // A file that is no configuration is reported and changes nothing.
  QFile bad(out.filePath("bad.telmaris"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{\"trolley\": 7}");
  bad.close();
  d.services.fileAnswer = bad.fileName();
  d.w.OpenFile->trigger();
  EXPECT_TRUE(d.lastMessage().contains("\"trolley\"")) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  // Nor does a FIFO, which is refused at once.
  const Fifo fifo(out.filePath("fifo.telmaris"));
  d.services.fileAnswer = fifo.path();
  d.w.OpenFile->trigger();
  EXPECT_EQ(d.lastMessage(), "The configuration cannot be opened.\n\n" + fifo.path() +
                                 "\nThis is not a regular file (a device, a pipe or a socket).");
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
}

// A configuration is read only from a regular file of a configuration's size; anything else is
// refused at once, naming the file.
TEST(ConfigurationFile, OnlyARegularFileOfAConfigurationsSizeIsRead) {
  QTemporaryDir dir;
  const auto refusal = [](const QString& file) {
    const Result<Configuration> read = readConfigurationFile(file);
    return read ? QString() : read.problem().describe();
  };
  // A configuration with blanks up to the largest size allowed, and with one more.
  QByteArray json = R"({"model": "PXH 500 EX"})";
  json.append(kMaxConfigurationBytes - json.size(), ' ');
  const QString largest = dir.filePath("largest.telmaris");
  write(largest, json);
  ASSERT_TRUE(readConfigurationFile(largest)) << refusal(largest).toStdString();
  EXPECT_EQ(readConfigurationFile(largest)->model, "PXH 500 EX");
  write(largest, json + ' ');
  EXPECT_EQ(refusal(largest), largest +
                                  ": The file is larger than 64 KB, and a configuration is "
                                  "about half a kilobyte. It is no configuration.");

  const Fifo fifo(dir.filePath("fifo.telmaris"));
  EXPECT_EQ(refusal(fifo.path()),
            fifo.path() + ": This is not a regular file (a device, a pipe or a socket).");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.telmaris"));
  EXPECT_EQ(refusal(dir.filePath("folder.telmaris")),
            dir.filePath("folder.telmaris") + ": This is a folder, not a file.");
}

// The example configurations with bytes changed or cut short: each is refused naming the file,
// or read as the JSON it holds says.
TEST(ConfigurationFile, FuzzedFilesReadAsWrittenOrAreRefused) {
#if defined(__SANITIZE_ADDRESS__)
  constexpr int kRounds = 250;
#else
  constexpr int kRounds = 1000;
#endif
  QTemporaryDir dir;
  std::vector<QByteArray> sources;
  for (const QFileInfo& example :
       QDir(TELMARIS_SOURCE_DIR "/examples").entryInfoList({"*.telmaris"}, QDir::Files)) {
    QFile in(example.filePath());
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    sources.push_back(in.readAll());
  }
  ASSERT_EQ(sources.size(), 8u);
  const char* tokens[] = {"\"",           ",",       ":", "{",  "}",   "[",  "]",   "null",
                          "true",         "false",   "0", "99", "100", "-1", "2.5", "\"none\"",
                          "\"2-button\"", "\"4,5\"", " ", "\\"};
  std::mt19937 random(3);
  int read = 0;
  for (int round = 0; round < kRounds; ++round) {
    QByteArray bytes = sources[round % sources.size()];
    if (round % 10 == 9) {
      bytes.truncate(static_cast<qsizetype>(random() % bytes.size()));
    } else {
      for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n) {
        const qsizetype at = static_cast<qsizetype>(random() % bytes.size());
        if (random() % 2)
          bytes[at] = static_cast<char>(random());
        else
          bytes.replace(at, static_cast<qsizetype>(random() % 4), tokens[random() % 20]);
      }
    }
    const QString file = dir.filePath("fuzzed.telmaris");
    write(file, bytes);
    const Result<Configuration> c = readConfigurationFile(file);
    if (!c) {
      EXPECT_EQ(c.problem().kind, Problem::Kind::File);
      EXPECT_EQ(c.problem().where, file);
      EXPECT_FALSE(c.problem().what.isEmpty());
      continue;
    }
    ++read;
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    SCOPED_TRACE(bytes.toStdString());
    EXPECT_EQ(variantOf(c->variant).startCaption, o.value("variant").toString("English European"));
    EXPECT_EQ(c->model, o.value("model").toString(Configuration{}.model));
    EXPECT_EQ(c->liftHeight, o.value("liftHeight").toString());
    EXPECT_EQ(c->controlLength, o.value("controlLength").toString());
    EXPECT_EQ(c->lubeFree, o.value("lubeFree").toBool());
    EXPECT_EQ(c->stainlessChain, o.value("stainlessChain").toBool());
    EXPECT_EQ(c->articulation, o.value("articulation").toBool());
    EXPECT_EQ(c->discount, o.value("discount").toInt());
    EXPECT_EQ(c->accessories[2], o.value("accessories").toObject().value("chainStop").toBool());
    const Result<Configuration> again = parseConfiguration(writeConfiguration(*c));
    ASSERT_TRUE(again) << again.problem().what.toStdString();
    EXPECT_TRUE(*again == *c);
  }
  EXPECT_GT(read, kRounds / 10);
}
