// The main window's construction and its load handler, which runs at start-up and after every
// change of variant.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <exception>
#include <new>

#include "common/variants.h"
#include "common/version.h"
#include "configurator/captions.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "list_window/form3.h"
#include "list_window/ordering_list_view.h"
#include "main_window/hmeny.h"
#include "pictures/picture_files.h"
#include "price_window/form2.h"
#include "quotes/quote_window.h"
#include "quotes/register_window.h"
#include "startup/application_setup.h"
#include "startup/program_state.h"
#include "widgets/services.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"

HMeny::HMeny(ProgramState& state, Services& services)
    : QMainWindow(nullptr), state_(state), services_(services) {
  setObjectName(QStringLiteral("HMeny"));
  buildMenus();
  buildControls();
  form2_ = std::make_unique<Form2>();
  form2_->attach(state_, services_, this);
  form3_ = std::make_unique<Form3>();

  connect(NewFile, &QAction::triggered, this, [this] { NewFile_Click(); });
  connect(Exit, &QAction::triggered, this, [this] { Exit_Click(); });
  connect(About, &QAction::triggered, this, [this] { About_Click(); });
  connect(OpenFile, &QAction::triggered, this, [this] { OpenFile_Click(); });
  connect(SaveFile, &QAction::triggered, this, [this] { SaveFile_Click(); });
  connect(SaveFileAs, &QAction::triggered, this, [this] { SaveFileAs_Click(); });
  connect(Utskrift, &QAction::triggered, this, [this] { Printerutskrift_Click(); });
  connect(PrintPreview, &QAction::triggered, this, [this] { PrintPreview_Click(); });
  connect(ExportPdf, &QAction::triggered, this, [this] { ExportPdf_Click(); });
  connect(NewQuote, &QAction::triggered, this, [this] { NewQuote_Click(); });
  connect(mnuQuoteRegister, &QAction::triggered, this, [this] { mnuQuoteRegister_Click(); });
  connect(Printerutskrift, &QPushButton::clicked, this, [this] { Printerutskrift_Click(); });
  connect(Cmd_Skärmutskrift, &QPushButton::clicked, this, [this] { Cmd_Skärmutskrift_Click(); });
  connect(Newprices, &QAction::triggered, this, [this] { Newprices_Click(); });
  connect(Newprices1, &QAction::triggered, this, [this] { Newprices1_Click(); });
  connect(Newprices2, &QAction::triggered, this, [this] { Newprices2_Click(); });
  connect(mnuPriceHistory, &QAction::triggered, this, [this] { mnuPriceHistory_Click(); });
  connect(mnuUndoImport, &QAction::triggered, this, [this] { mnuUndoImport_Click(); });
  connect(HowToUse, &QAction::triggered, this, [this] { HowToUse_Click(); });
  connect(UsingHelp, &QAction::triggered, this, [this] { UsingHelp_Click(); });
  connect(mnuPDF, &QAction::triggered, this, [this] { mnuPDF_Click(); });
  connect(cmdLubeFree, &QPushButton::clicked, this, [this] { cmdLubeFree_Click(); });
  for (int i = 0; i < 8; ++i)
    connect(mnuSpråk[i], &QAction::triggered, this, [this, i] { mnuSpråk_Click(i); });
  installHandlers();
  refreshRecentMenu();
}

HMeny::~HMeny() = default;

QObject* HMeny::control(const QString& name) const {
  if (name.startsWith(QLatin1String("Form2."))) return form2_->control(name.mid(6));
  if (name == objectName()) return const_cast<HMeny*>(this);
  return findChild<QObject*>(name);
}

bool HMeny::endAtLoadProblem(const Problem& problem) {
  loadProblem_ = problem;
  showProblem(services_, nullptr, problem, state_.TextCatalogue,
              tr("The parts database cannot be read."), kDefaultMessageTitle, MsgIcon::Critical);
  services_.endProgram(1);
  return false;
}

bool HMeny::Form_Load() {
  return loadWindow(nullptr);
}

bool HMeny::showWalked(const PartsData& parts, const Configurator& walked) {
  modelListStaysClosed_ = true;
  const bool loaded = loadWindow(&parts);
  modelListStaysClosed_ = false;
  if (!loaded) return false;
  engine_ = walked;
  render();
  ComboPXH->hidePopup();
  return true;
}

bool HMeny::loadWindow(const PartsData* loaded) {
  state_.ProgramDate = kProgramDate;

  setWindowState(Qt::WindowNoState);
  // The frame at the top left of the screen's free area: the title bar stays on the screen.
  placeFrame(this,
             [this](const QSize& frame) { return frameAtTopLeft(availableAreaOf(this), frame); });

  engine_.load(state_.LanguageKey);
  if (!variantByKey(state_.LanguageKey)) {
    showStepMessages();  // the contact message, and the end of the program
    return false;
  }
  if (loaded) {
    static_cast<PartsData&>(state_) = *loaded;
    applyCaptions();
  } else if (!loadDatabaseAndCaptions()) {
    return false;
  }
  show();
  resize(client->width(), client->height() + menuBar()->sizeHint().height());

  // The "Air Prep. Accessories" button and the pictures are never reached with Tab; a click on
  // a picture gives it the focus only to hand it on.
  Command1->setFocusPolicy(Qt::ClickFocus);
  for (int i = 1; i <= 15; ++i)
    if (i != 13) Picture[i]->setFocusPolicy(Qt::ClickFocus);
  ImageMan1->setFocusPolicy(Qt::NoFocus);

  arrangeAuxiliaryWindows();
  loadControlPictures();
  render();  // the model list has the focus and drops down
  return true;
}

bool HMeny::loadDatabaseAndCaptions() {
  try {
    loadPartsDatabase(state_.Directory.database(), state_.LanguageKey, state_);
  } catch (const Failure& e) {
    return endAtLoadProblem(e.problem());
  } catch (const std::exception& e) {
    // Memory that ran out, or any other failure of the load: told like a damaged database, and
    // the program ends in order instead of being torn down.
    return endAtLoadProblem(
        unforeseenProblem(e, state_.Directory.database(), Problem::Kind::Database));
  }
  applyCaptions();
  return true;
}

void HMeny::applyCaptions() {
  // Qt's dialogs and the program's own texts in the variant's language.
  useLanguageOf(state_.LanguageKey, state_.Directory.path());
  applyOwnTexts();
  form2_->Form_Load();
  for (const CaptionAssignment& a : mainWindowCaptions()) {
    const QString text = state_.TextCatalogue[a.text] + a.suffix;
    for (const QString& target : a.targets) {
      QObject* c = control(target);
      if (c == this) {
        setWindowTitle(mainWindowTitle(text));
      } else if (auto* menu = qobject_cast<QMenu*>(c)) {
        menu->setTitle(text);
      } else if (auto* action = qobject_cast<QAction*>(c)) {
        action->setText(text);
      } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
        button->setText(text);
      } else if (auto* box = qobject_cast<QGroupBox*>(c)) {
        box->setTitle(text);
      } else if (auto* label = qobject_cast<QLabel*>(c)) {
        label->setText(text);
      }
    }
  }
}

void HMeny::arrangeAuxiliaryWindows() {
  // The ordering list at the lower right of the screen's free area, the sheet window directly
  // above it, both whole on the screen: the list at its design size where the screen has room,
  // else lower, down to what its controls need, while the sheet window keeps its fixed size.
  // Shown as a list, the window is as wide as its longest line with a scroll bar beside it.
  // Frames counted.
  const QRect area = availableAreaOf(this);
  QSize design = Form2::designSize();
  if (!form2_->orderingList->lines().empty())
    design.setWidth(
        std::max(design.width(), form2_->orderingList->sizeHint().width() +
                                     form2_->style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
  const QSize sheetFrame = form3_->size().grownBy(frameMarginsOf(form3_.get(), this));
  form2_->setWindowState(Qt::WindowNoState);
  form2_->resize(listWindowSize(area, design, form2_->minimumSizeHint(),
                                frameMarginsOf(form2_.get(), this), sheetFrame));
  placeFrame(
      form2_.get(), [area](const QSize& frame) { return frameAtLowerRight(area, frame); }, this);
  placeFrame(
      form3_.get(),
      [this, area](const QSize& frame) {
        const QSize below = form2_->size().grownBy(frameMarginsOf(form2_.get(), this));
        return frameAbove(area, frame, frameAtLowerRight(area, below).y());
      },
      this);
}

void HMeny::loadControlPictures() {
  auto picture = [this](const QString& file) {
    return QPixmap::fromImage(loadPictureFile(state_.Directory.file(file)));
  };
  auto icon = [&picture](QPushButton* button, const QString& file) {
    button->setIcon(QIcon(picture(file)));
    button->setIconSize(button->size() - QSize(8, 8));
  };
  icon(Cmd_Skärmutskrift, QStringLiteral("screen-output.png"));
  icon(Printerutskrift, QStringLiteral("printer-output.png"));
  for (int i : {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 14})
    Picture[i]->setPixmap(picture(QStringLiteral("Picture%1.png").arg(i)));
  const std::optional<Variant> variant = variantByKey(state_.LanguageKey);
  const bool us = variant && isUsVariant(variant->id);
  const QString two = us ? QStringLiteral("2knapp-USA.bmp") : QStringLiteral("2knapp.bmp");
  const QString four = us ? QStringLiteral("4knny-USA.bmp") : QStringLiteral("4knny.bmp");
  auto show = [&picture](QLabel* p, const QString& file) { p->setPixmap(picture(file)); };
  show(Picture[6], two);
  show(Picture[7], four);
  show(Picture[15], two);
}
