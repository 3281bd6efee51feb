// The main window's controls at their design places, with their design captions and their
// visibility when the window opens. Places are in twips, relative to the client area or to the
// frame that holds the control.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <type_traits>

#include "main_window/hmeny.h"
#include "widgets/twips.h"
#include "widgets/wrapping_buttons.h"

namespace {

template <typename W>
W* make(QWidget* parent, const QString& name, int left, int top, int width, int height,
        bool visible = true) {
  auto* w = new W(parent);
  w->setObjectName(name);
  w->setGeometry(twipsRect(left, top, width, height));
  w->setVisible(visible);
  if constexpr (std::is_same_v<W, QLabel>) w->setWordWrap(true);
  return w;
}

QString element(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index);
}

template <typename W>
W* withText(W* w, const QString& text) {
  w->setText(text);
  return w;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, int left, int top,
                 int width, int height) {
  auto* f = make<QGroupBox>(parent, name, left, top, width, height, false);
  f->setTitle(title);
  // The caption sits on the frame's top line, and the controls are placed from the frame's
  // corner, not below the caption.
  f->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 6px; padding: 0 2px; }"));
  return f;
}

QLabel* picture(QWidget* parent, int number, int left, int top, int width, int height) {
  auto* p = make<QLabel>(parent, QStringLiteral("Picture%1").arg(number), left, top, width, height,
                         false);
  p->setScaledContents(true);
  p->setFocusPolicy(Qt::NoFocus);
  return p;
}

}  // namespace

// The menu items that are the program's own, in the variant's language (the others take their
// captions from the text catalogue).
void HMeny::applyOwnTexts() {
  mnuRecent->setTitle(tr("&Recent configurations"));
  PrintPreview->setText(tr("Print Previe&w..."));
  ExportPdf->setText(tr("Export as P&DF..."));
  NewQuote->setText(tr("New &Quote"));
  mnuQuoteRegister->setText(tr("Quote Re&gister..."));
  mnuPriceHistory->setText(tr("Price &history"));
  mnuUndoImport->setText(tr("Undo &last price import"));
  Cmd_Skärmutskrift->setToolTip(tr("Show the ordering list on the screen"));
  Printerutskrift->setToolTip(tr("Print the ordering list"));

  // How each step is confirmed and left for the next one, by the keyboard and by the mouse.
  ComboPXH->setToolTip(
      tr("A click on a model in the list, or Enter, confirms the model and moves on."));
  chkStainless->setToolTip(tr(
      "A click ticks or clears the box and moves on; Enter or Tab moves on without changing it."));
  const QString value =
      tr("Enter, Tab or a double-click in the box confirms the value and moves on.");
  for (QLineEdit* box : {LiftHeightB, ControlLengthB, RabattB}) box->setToolTip(value);
  const QString length = tr("A click or Enter takes this length and moves on.");
  for (QRadioButton* option : optChoose) option->setToolTip(length);
  const QString choice = tr("Enter, Tab or a double-click confirms the choice and moves on.");
  for (QAbstractButton* button : Opt3DTrolley) button->setToolTip(choice);
  for (QAbstractButton* button : Opt3DHoistControl) button->setToolTip(choice);
  for (QAbstractButton* button : Opt3DTrolleyControls) button->setToolTip(choice);
  for (QAbstractButton* button : Check3D1) button->setToolTip(choice);
  for (QAbstractButton* button : optTypeOfChain) button->setToolTip(choice);
  for (QAbstractButton* button : Opt3DSuspensionYoke) button->setToolTip(choice);
}

void HMeny::buildMenus() {
  QMenuBar* bar = menuBar();
  auto item = [](QMenu* menu, const QString& name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    return a;
  };

  File = bar->addMenu(QStringLiteral("&File"));
  File->setObjectName(QStringLiteral("File"));
  NewFile = item(File, QStringLiteral("NewFile"), QStringLiteral("&New File"));
  OpenFile = item(File, QStringLiteral("OpenFile"), QStringLiteral("&Open File..."));
  mnuRecent = File->addMenu(QString());
  mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
  mnuRecent->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
  SaveFile = item(File, QStringLiteral("SaveFile"), QStringLiteral("&Save File"));
  SaveFileAs = item(File, QStringLiteral("SaveFileAs"), QStringLiteral("Sa&ve File As..."));
  File->addSeparator()->setObjectName(QStringLiteral("LinjeQuote"));
  NewQuote = item(File, QStringLiteral("NewQuote"), QString());
  mnuQuoteRegister = item(File, QStringLiteral("mnuQuoteRegister"), QString());
  File->addSeparator()->setObjectName(QStringLiteral("Linje"));
  Utskrift = item(File, QStringLiteral("Utskrift"), QStringLiteral("&Print"));
  PrintPreview = item(File, QStringLiteral("PrintPreview"), QString());
  ExportPdf = item(File, QStringLiteral("ExportPdf"), QString());
  File->addSeparator()->setObjectName(QStringLiteral("Linje2"));
  Exit = item(File, QStringLiteral("Exit"), QStringLiteral("E&xit"));
  NewFile->setShortcut(QKeySequence::New);
  OpenFile->setShortcut(QKeySequence::Open);
  SaveFile->setShortcut(QKeySequence::Save);
  SaveFileAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  Utskrift->setShortcut(QKeySequence::Print);
  Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  NewQuote->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));

  OptionsM = bar->addMenu(QStringLiteral("&Options"));
  OptionsM->setObjectName(QStringLiteral("OptionsM"));
  const char* languages[] = {
      "&English European", "&Fran\u00e7ais",  "&US Version Metric", "US &Version Imperial",
      "E&spa\u00f1ol",     "&Portugu\u00eas", "&Italiano",          "&Deutsch"};
  for (int i = 0; i < 8; ++i) {
    mnuSpråk[i] = item(OptionsM, element("mnuSpr\u00e5k", i), QString::fromUtf8(languages[i]));
    mnuSpråk[i]->setCheckable(true);
  }
  OptionsM->addSeparator()->setObjectName(QStringLiteral("Linje3"));
  Newprices = item(OptionsM, QStringLiteral("Newprices"),
                   QStringLiteral("&New prices from price file on diskette"));
  Newprices1 =
      item(OptionsM, QStringLiteral("Newprices1"), QStringLiteral("New prices from Excel-file"));
  Newprices2 = item(OptionsM, QStringLiteral("Newprices2"),
                    QStringLiteral("&Change prices directly in datafile"));
  mnuPriceHistory = item(OptionsM, QStringLiteral("mnuPriceHistory"), QString());
  mnuUndoImport = item(OptionsM, QStringLiteral("mnuUndoImport"), QString());
  mnuPDF = item(OptionsM, QStringLiteral("mnuPDF"), QStringLiteral("&PDF file"));

  Help = bar->addMenu(QStringLiteral("&?"));
  Help->setObjectName(QStringLiteral("Help"));
  UsingHelp = item(Help, QStringLiteral("UsingHelp"), QStringLiteral("Using &Help"));
  HowToUse =
      item(Help, QStringLiteral("HowToUse"), QStringLiteral("How to use Velmora Telmaris prog..."));
  HowToUse->setShortcut(QKeySequence::HelpContents);
  Help->addSeparator()->setObjectName(QStringLiteral("mnuSeparator1"));
  About = item(Help, QStringLiteral("About"), QStringLiteral("About Velmora Telmaris program..."));
}

// The places are those of the design, but for a few boxes that the design lets reach a pixel or
// a few into the control below or beside them: those end where the next begins (Label_Ex, the
// trolley options, the two "controls" labels, the twist rod, the articulation box, and the
// control-length label, which the US Imperial feet prompt stands beside).
void HMeny::buildControls() {
  client = new QWidget(this);
  client->setObjectName(QStringLiteral("HMenyClient"));
  client->setFixedSize(twipsToPixels(12000), twipsToPixels(8200));
  setCentralWidget(client);
  QWidget* w = client;

  // Model column
  Label_Ex = withText(make<QLabel>(w, QStringLiteral("Label_Ex"), 120, 90, 1275, 420),
                      QStringLiteral("Information about:"));
  cmdLubeFree =
      withText(make<WrapPushButton>(w, QStringLiteral("cmdLubeFree"), 660, 510, 1335, 585),
               QStringLiteral("Lube free"));
  fraLubeFree =
      frame(w, QStringLiteral("fraLubeFree"), QStringLiteral("Lube free:"), 2010, 0, 3225, 495);
  optLubeFree[0] =
      withText(make<WrapRadioButton>(fraLubeFree, element("optLubeFree", 0), 1320, 180, 780, 285),
               QStringLiteral("No"));
  optLubeFree[1] =
      withText(make<WrapRadioButton>(fraLubeFree, element("optLubeFree", 1), 2250, 180, 930, 285),
               QStringLiteral("Yes"));
  chkLubeFree = withText(make<WrapCheckBox>(w, QStringLiteral("chkLubeFree"), 2010, 120, 3225, 285),
                         QStringLiteral("Check1"));
  ComboPXH = make<QComboBox>(w, QStringLiteral("ComboPXH"), 2010, 510, 3195, 315);
  ComboPXH->setEditable(true);
  ComboPXH->setInsertPolicy(QComboBox::NoInsert);
  fraStainlessSteelChain =
      frame(w, QStringLiteral("fraStainlessSteelChain"), QString(), 2010, 840, 3195, 435);
  chkStainless = withText(make<WrapCheckBox>(fraStainlessSteelChain, QStringLiteral("chkStainless"),
                                             180, 150, 2565, 225),
                          QStringLiteral("Stainless steel chain"));
  Picture[1] = picture(w, 1, -30, 1320, 1935, 4245);
  Picture[1]->setVisible(true);
  Label1[0] = withText(make<QLabel>(w, element("Label1", 0), 2040, 1380, 2595, 255, false),
                       QStringLiteral("Max. Lifting height  [m] ........."));
  LiftHeightB = make<QLineEdit>(w, QStringLiteral("LiftHeightB"), 4650, 1350, 550, 285, false);
  Label1[1] = withText(make<QLabel>(w, element("Label1", 1), 2040, 1920, 2355, 405, false),
                       QStringLiteral("Length of Control device [m]"));
  ControlLengthB =
      make<QLineEdit>(w, QStringLiteral("ControlLengthB"), 4650, 1890, 550, 285, false);
  fraChoose =
      frame(w, QStringLiteral("fraChoose"), QStringLiteral("Choose:"), 4410, 2190, 1275, 765);
  for (int i = 0; i < 2; ++i)
    optChoose[i] = withText(
        make<WrapRadioButton>(fraChoose, element("optChoose", i), 180, 240 + 240 * i, 1050, 195),
        QStringLiteral("Option%1").arg(i + 1));
  Picture[3] = picture(w, 3, 2820, 2370, 1095, 825);
  lblMeterLengthsOnly =
      withText(make<QLabel>(w, QStringLiteral("lblMeterLengthsOnly"), 4410, 2985, 3765, 255, false),
               QStringLiteral("Label2XXXXXXXXXXXXXXXXXXXXXXXXX"));
  Frame3DTrolley = frame(w, QStringLiteral("Frame3DTrolley"), QStringLiteral("Trolley:"), 2010,
                         3150, 3360, 2115);
  Opt3DTrolley[0] = withText(
      make<WrapRadioButton>(Frame3DTrolley, element("Opt3DTrolley", 0), 60, 210, 1215, 225),
      QStringLiteral("None"));
  const char* trolleys[] = {"Manual Narrow", "Manual Wide", "Motor driven Narrow",
                            "Motor driven Wide"};
  for (int i = 1; i <= 4; ++i)
    Opt3DTrolley[i] = withText(make<WrapRadioButton>(Frame3DTrolley, element("Opt3DTrolley", i), 60,
                                                     480 + 390 * (i - 1), 3225, 390),
                               QString::fromUtf8(trolleys[i - 1]));

  // Hoist controls and trolley controls in the middle
  Label4[0] = withText(make<QLabel>(w, element("Label4", 0), 5670, 450, 1275, 390, false),
                       QStringLiteral("Hoist controls:"));
  Frame3DHoistControls =
      frame(w, QStringLiteral("Frame3DHoistControls"), QString(), 5580, 840, 1485, 4065);
  QGroupBox* hc = Frame3DHoistControls;
  Opt3DHoistControl[0] =
      withText(make<WrapRadioButton>(hc, element("Opt3DHoistControl", 0), 60, 240, 1200, 405),
               QStringLiteral("Pull chain"));
  Opt3DHoistControl[1] =
      withText(make<WrapRadioButton>(hc, element("Opt3DHoistControl", 1), 60, 990, 1200, 255),
               QStringLiteral("2-Button"));
  Opt3DHoistControl[3] =
      withText(make<WrapRadioButton>(hc, element("Opt3DHoistControl", 3), 60, 1770, 1200, 255),
               QStringLiteral("4-Button"));
  Opt3DHoistControl[2] =
      withText(make<WrapRadioButton>(hc, element("Opt3DHoistControl", 2), 60, 2520, 1380, 480),
               QStringLiteral("Twist rod"));
  Check3D1[4] = withText(make<WrapCheckBox>(hc, element("Check3D1", 4), 60, 3000, 1365, 540, false),
                         QStringLiteral("Articulation"));
  LabelHookM = withText(make<QLabel>(hc, QStringLiteral("LabelHookM"), 360, 3540, 1065, 435),
                        QStringLiteral("Hook- mounted"));
  Opt3DHoistControl[4] = withText(
      make<WrapRadioButton>(hc, element("Opt3DHoistControl", 4), 60, 3930, 1200, 255, false),
      QStringLiteral("2-Button"));
  Label4[1] = withText(make<QLabel>(w, element("Label4", 1), 5670, 5190, 1305, 390, false),
                       QStringLiteral("Trolley controls:"));
  Frame3DTrolleyControls =
      frame(w, QStringLiteral("Frame3DTrolleyControls"), QString(), 5580, 5580, 1485, 1335);
  Opt3DTrolleyControls[0] =
      withText(make<WrapRadioButton>(Frame3DTrolleyControls, element("Opt3DTrolleyControls", 0), 30,
                                     300, 1230, 405),
               QStringLiteral("Pull chain"));
  Opt3DTrolleyControls[1] =
      withText(make<WrapRadioButton>(Frame3DTrolleyControls, element("Opt3DTrolleyControls", 1), 30,
                                     990, 1230, 285),
               QStringLiteral("2-Button"));

  Picture[4] = picture(w, 4, 8340, 690, 525, 1095);
  Picture[6] = picture(w, 6, 8340, 1770, 495, 1005);
  Picture[7] = picture(w, 7, 6990, 2220, 795, 1155);
  Picture[5] = picture(w, 5, 7140, 3450, 765, 1605);
  Picture[14] = picture(w, 14, 7110, 5280, 525, 1095);
  Picture[15] = picture(w, 15, 7110, 6360, 495, 1005);
  Picture[8] = picture(w, 8, 240, 6570, 1215, 1305);

  // Accessories, discount and output buttons on the right
  Picture[12] = picture(w, 12, 8940, 0, 585, 1065);
  Check3D1[0] = withText(make<WrapCheckBox>(w, element("Check3D1", 0), 9600, 210, 2235, 400, false),
                         QStringLiteral("Overload protec. device"));
  Label3 = withText(make<QLabel>(w, QStringLiteral("Label3"), 9915, 630, 2325, 195, false),
                    QStringLiteral("Included as standard."));
  Picture[11] = picture(w, 11, 8820, 1080, 855, 1275);
  Check3D1[1] =
      withText(make<WrapCheckBox>(w, element("Check3D1", 1), 9600, 1890, 1800, 405, false),
               QStringLiteral("Chain collector"));
  Picture[10] = picture(w, 10, 9060, 2400, 495, 765);
  Check3D1[2] =
      withText(make<WrapCheckBox>(w, element("Check3D1", 2), 9600, 2610, 1800, 405, false),
               QStringLiteral("Chain stop"));
  Picture[9] = picture(w, 9, 9030, 3240, 525, 795);
  Check3D1[3] =
      withText(make<WrapCheckBox>(w, element("Check3D1", 3), 9600, 3510, 1755, 400, false),
               QStringLiteral("Safety hook"));
  Command1 =
      withText(make<WrapPushButton>(w, QStringLiteral("Command1"), 9570, 3990, 1995, 345, false),
               QStringLiteral("Air Prep. Accessories"));
  Command1->setEnabled(false);
  Check3D1[5] =
      withText(make<WrapCheckBox>(w, element("Check3D1", 5), 9600, 4470, 1995, 645, false),
               QStringLiteral("Accessories assem-"));
  Label1[2] = withText(make<QLabel>(w, element("Label1", 2), 9660, 5250, 1245, 255, false),
                       QStringLiteral("Discount [%]"));
  RabattB = make<QLineEdit>(w, QStringLiteral("RabattB"), 10920, 5220, 345, 285, false);
  QPalette yellow = RabattB->palette();
  yellow.setColor(QPalette::Base, QColor(255, 255, 0));
  RabattB->setPalette(yellow);
  Cmd_Skärmutskrift =
      make<QPushButton>(w, QStringLiteral("Cmd_Sk\u00e4rmutskrift"), 9600, 6090, 645, 660);
  Printerutskrift = make<QPushButton>(w, QStringLiteral("Printerutskrift"), 10290, 6090, 645, 660);
  // Enter on a focused output button presses it.
  Cmd_Skärmutskrift->setAutoDefault(true);
  Printerutskrift->setAutoDefault(true);

  Picture[13] = picture(w, 13, 2580, 6600, 615, 405);
  ImageMan1 = make<QLabel>(w, QStringLiteral("ImageMan1"), 2700, 7050, 585, 435, false);
  fraTypeOfChain = frame(w, QStringLiteral("fraTypeOfChain"), QStringLiteral("Type of chain:"),
                         1800, 7410, 3195, 735);
  optTypeOfChain[0] = withText(
      make<WrapRadioButton>(fraTypeOfChain, element("optTypeOfChain", 0), 90, 240, 2895, 205),
      QStringLiteral("Standard (Oilpolished)"));
  optTypeOfChain[1] = withText(
      make<WrapRadioButton>(fraTypeOfChain, element("optTypeOfChain", 1), 90, 460, 3075, 205),
      QStringLiteral("Zink plated (For corrosion prot.)"));
  Frame3DSuspensionYoke = frame(w, QStringLiteral("Frame3DSuspensionYoke"),
                                QStringLiteral("Suspension Yoke:"), 8280, 6750, 3255, 1065);
  for (int i = 0; i < 2; ++i)
    Opt3DSuspensionYoke[i] =
        withText(make<WrapRadioButton>(Frame3DSuspensionYoke, element("Opt3DSuspensionYoke", i), 30,
                                       210 + 420 * i, 3200, 400),
                 QStringLiteral("Standard for Beam width 133-332"));
  Picture[2] = picture(w, 2, 8580, 7860, 1245, 435);
}
