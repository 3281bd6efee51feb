// The start-up window and the choice of variant.
#include "startup/frm_vinjett.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "common/variants.h"
#include "configurator/recent_files.h"
#include "main_window/hmeny.h"
#include "pictures/picture_files.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"
#include "widgets/twips.h"

frmVinjett::frmVinjett(ProgramState& state, Services& services)
    : QWidget(nullptr), state_(state), services_(services) {
  setObjectName(QStringLiteral("frmVinjett"));
  setWindowTitle(QString());
  setFixedSize(twipsToPixels(6840), twipsToPixels(5280));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twipsRect(720, 240, 5400, 900));
  Picture1->setScaledContents(true);
  Picture2 = new QLabel(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(twipsRect(3720, 1620, 2400, 3080));
  Picture2->setScaledContents(true);
  Label1 = new QLabel(QStringLiteral("Velmora Telmaris program"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(twipsRect(720, 1200, 5400, 330));
  QFont big = Label1->font();
  big.setPointSize(12);
  big.setBold(true);
  Label1->setFont(big);

  for (int i = 0; i < kVariantCount; ++i) {
    const Variant v = *variantByIndex(i);
    auto* b = new QPushButton(v.startCaption, this);
    b->setObjectName(QStringLiteral("Command1(%1)").arg(i));
    b->setToolTip(v.startTooltip);
    b->setGeometry(twipsRect(720, 1620 + 390 * i, 2600, 350));
    // Enter presses the button that has the focus.
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[i] = b;
  }
  for (int i = 1; i < kVariantCount; ++i) setTabOrder(Command1[i - 1], Command1[i]);
}

frmVinjett::~frmVinjett() = default;

bool frmVinjett::Form_Load(const QString& commandLine, const QString& executableDir,
                           const QString& configurationFile) {
  // Everything the program reads and writes is in its directory: one that is not there ends it
  // before anything is shown, as a missing database does.
  state_.Directory = ProgramDirectory(
      QDir::current().absoluteFilePath(commandLine.isEmpty() ? executableDir : commandLine));
  if (!state_.Directory.exists()) {
    showProblem(services_, nullptr,
                Problem{Problem::Kind::File, QDir::toNativeSeparators(state_.Directory.path()),
                        tr("The folder cannot be entered."), std::nullopt},
                state_.TextCatalogue, tr("The program directory cannot be opened."),
                kDefaultMessageTitle, MsgIcon::Critical);
    services_.endProgram(1);
    return false;
  }
  if (!configurationFile.isEmpty()) {
    const Result<Configuration> read = readConfigurationFile(configurationFile);
    if (read) {
      if (!loadMainWindow(static_cast<int>(read->variant))) return false;
      hmeny_->openConfigurationFile(configurationFile);
      return true;
    }
    showProblem(services_, nullptr, read.problem(), state_.TextCatalogue,
                tr("The configuration cannot be opened."));
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  show();
  Command1[0]->setFocus();

  Picture1->setPixmap(QPixmap::fromImage(
      loadPictureFile(state_.Directory.file(QStringLiteral("vinjett-logo.png")))));
  Picture2->setPixmap(QPixmap::fromImage(
      loadPictureFile(state_.Directory.file(QStringLiteral("vinjett-hoist.png")))));
  return true;
}

void frmVinjett::Command1_Click(int index) {
  loadMainWindow(index);
}

bool frmVinjett::loadMainWindow(int index) {
  const std::optional<Variant> variant = variantByIndex(index);
  if (!variant) {
    services_.message(this, contactAuthorMessage());
    services_.endProgram(1);
    return false;
  }
  state_.LanguageKey = variant->languageKey;
  {
    BusyCursor busy;
    hmeny_ = std::make_unique<HMeny>(state_, services_);
    if (!hmeny_->Form_Load()) return false;
  }
  hide();
  hmeny_->checkLanguageMenu(index);
  hmeny_->refreshRecentMenu();
  return true;
}
