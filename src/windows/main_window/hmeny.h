// The main window: the configurator's guided steps, the output buttons and the three menus.
//
// The window decides nothing about a configuration: each event of the user becomes one call of
// the configurator (configurator.h), and render() then shows what the configurator says. One
// window, several files: hmeny_layout.cpp builds the controls at their design places,
// hmeny_load.cpp is the load handler with captions and pictures, hmeny_render.cpp shows the
// configurator's answer, hmeny_events.cpp turns Qt's key, mouse and focus events into its calls,
// hmeny_output.cpp, hmeny_files.cpp, hmeny_menus.cpp, hmeny_prices.cpp and hmeny_help.cpp hold
// the commands. Controls keep the program's own names and are public, as tests look at them.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QWindow>
#include <array>
#include <memory>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "main_window/configurator.h"
#include "sheets/technical_data.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;
class QWidget;
class Form2;
class Form3;
class MousePressCounter;
class QuoteWindow;
class RegisterWindow;
class Services;
struct ProgramState;

class HMeny : public QMainWindow {
  Q_OBJECT

 public:
  HMeny(ProgramState& state, Services& services);
  ~HMeny() override;

  // The load handler: model list, default model, database, captions, window, pictures. Runs at
  // start-up and again, whole, after a change of variant. False when the database could not be
  // read: the user has been told and the program has been asked to end.
  bool Form_Load();
  // The part of the load that reads the database and puts the texts on the controls.
  bool loadDatabaseAndCaptions();
  // The window as a configuration walked elsewhere left the steps, on parts data read there:
  // the load without its database, then the steps shown (the printed page's image of --pdf).
  bool showWalked(const PartsData& parts, const Configurator& walked);
  // What stopped the last load, if the database did.
  const std::optional<Problem>& loadProblem() const { return loadProblem_; }

  // The configurator the window shows.
  const Configurator& configurator() const { return engine_; }
  // Shows what the configurator says: controls, texts, colours, focus, then its messages.
  void render();

  // Menu commands
  // Puts the check mark on one item of the language menu and takes it from the others.
  void checkLanguageMenu(int index);
  void mnuSpråk_Click(int index);
  void NewFile_Click();
  void Exit_Click();
  void About_Click();
  // The window became the active one: the output windows step aside.
  void Form_Activate();

  // ---- Output buttons (hmeny_output.cpp)
  void Printerutskrift_Click();
  void Cmd_Skärmutskrift_Click();
  // The main window as the printed page shows it.
  QImage windowImage();
  // Draws the printed page, one copy, on the printer; false when the printer cannot be drawn on.
  bool printPage(QPrinter& printer);
  // Draws the page into the PDF file the printer writes, whole or not at all; false, with the
  // message naming the file shown, when the file could not be written.
  bool printPageToFile(QPrinter& printer);
  // File > Print Preview: the page as it will print, drawn by the same page composer.
  void PrintPreview_Click();
  // File > Export as PDF: the page written to a PDF file without the print dialog.
  void ExportPdf_Click();
  // The name the PDF of the page is suggested under: "MODEL DATE.pdf" in the documents folder.
  QString suggestedPdfFile();
  // Once the page has been printed, written or shown: one message naming the picture files it
  // lacked, if any. Forgets them either way.
  void tellMissingPictures();

  // ---- Saved configurations (hmeny_files.cpp)
  void OpenFile_Click();
  void SaveFile_Click();
  void SaveFileAs_Click();
  // Gives the saved answers to the configurator and shows the result once, with the message of
  // an answer the steps refused.
  void openConfiguration(const Configuration& configuration);
  // The answers of the steps reached so far.
  Configuration currentConfiguration() const;
  // Before the configuration is set aside (Exit, the close box, New File, Open, a variant
  // change): when it has answers beyond the model that its file does not hold (or it has no
  // file), asks Save / Discard / Cancel. True when the caller may go on; the file is then no
  // longer the one Save writes.
  bool maySetConfigurationAside();
  // The same question before the program ends (Exit, the close box); the file stays attached.
  bool mayDiscardConfiguration();
  // Opens a configuration file: from the recent-files menu, or from the command line.
  void openConfigurationFile(const QString& file);
  // Fills File > Recent configurations from the settings.
  void refreshRecentMenu();

  // ---- Quotes (hmeny_quotes.cpp). Nothing of them, the register least of all, is touched
  // before one of these is chosen.
  // File > New Quote: the quote window with a new quote, once the one it shows may be set aside.
  void NewQuote_Click();
  // File > Quote Register: the quotes issued.
  void mnuQuoteRegister_Click();
  // The quote window, made the first time, shown and active.
  QuoteWindow& openQuoteWindow();
  QuoteWindow* quoteWindow() const { return quoteWindow_.get(); }
  RegisterWindow* registerWindow() const { return registerWindow_.get(); }
  // The configuration of the steps, when it is finished as printing needs it; else none, and
  // the user has been told as printing tells it.
  std::optional<Configuration> finishedConfiguration();
  // A quote's position into the steps, as File > Open puts a file's there; false when the user
  // kept the configuration on the screen.
  bool openInSteps(const Configuration& configuration);
  // The configuration on the screen went into a quote, which keeps it: setting it aside
  // unchanged asks nothing.
  void keptInQuote(const Configuration& configuration) { configurationFromQuote_ = configuration; }

  // ---- Price maintenance (hmeny_prices.cpp)
  void Newprices_Click();        // new prices from a price file
  void Newprices1_Click();       // new prices from a workbook
  void Newprices2_Click();       // the price list window
  void mnuPriceHistory_Click();  // the imports and edits of the prices, newest first
  void mnuUndoImport_Click();    // the prices from before the last import not yet undone

  // ---- Help and reference documents (hmeny_help.cpp)
  void HowToUse_Click();
  void UsingHelp_Click();
  void mnuPDF_Click();
  void cmdLubeFree_Click();
  // Closes the help window if the program opened one.
  void closeHelp();

  // The control or menu item with the given program name, such as "Check3D1(5)" or "NewFile".
  QObject* control(const QString& name) const;
  // The widget of a configurator control.
  QWidget* widgetOf(Ctl c) const { return widgets_[static_cast<int>(c)]; }

  Form2& form2() { return *form2_; }
  Form3& form3() { return *form3_; }

  // ---- Controls
  QWidget* client = nullptr;  // the window's client area, 12000 x 8200 twips less the menu bar

  QMenu* File = nullptr;
  QAction *NewFile = nullptr, *OpenFile = nullptr, *SaveFile = nullptr, *SaveFileAs = nullptr;
  QAction *Utskrift = nullptr, *Exit = nullptr;
  QAction *PrintPreview = nullptr, *ExportPdf = nullptr;
  QAction *NewQuote = nullptr, *mnuQuoteRegister = nullptr;
  QMenu* mnuRecent = nullptr;  // the last five configurations opened or saved
  QMenu* OptionsM = nullptr;
  std::array<QAction*, 8> mnuSpråk{};
  QAction *Newprices = nullptr, *Newprices1 = nullptr, *Newprices2 = nullptr, *mnuPDF = nullptr;
  QAction *mnuPriceHistory = nullptr, *mnuUndoImport = nullptr;
  QMenu* Help = nullptr;
  QAction *UsingHelp = nullptr, *HowToUse = nullptr, *About = nullptr;

  QLabel* Label_Ex = nullptr;
  QPushButton* cmdLubeFree = nullptr;
  QGroupBox* fraLubeFree = nullptr;
  std::array<QRadioButton*, 2> optLubeFree{};
  QCheckBox* chkLubeFree = nullptr;
  QComboBox* ComboPXH = nullptr;
  QGroupBox* fraStainlessSteelChain = nullptr;
  QCheckBox* chkStainless = nullptr;
  std::array<QLabel*, 16> Picture{};  // Picture[1] to Picture[15]; element 0 is not used
  QLabel* ImageMan1 = nullptr;
  std::array<QLabel*, 3> Label1{};
  QLineEdit* LiftHeightB = nullptr;
  QLineEdit* ControlLengthB = nullptr;
  QGroupBox* fraChoose = nullptr;
  std::array<QRadioButton*, 2> optChoose{};
  QLabel* lblMeterLengthsOnly = nullptr;
  QGroupBox* Frame3DTrolley = nullptr;
  std::array<QRadioButton*, 5> Opt3DTrolley{};
  std::array<QLabel*, 2> Label4{};
  QGroupBox* Frame3DHoistControls = nullptr;
  std::array<QRadioButton*, 5> Opt3DHoistControl{};
  QLabel* LabelHookM = nullptr;
  QGroupBox* Frame3DTrolleyControls = nullptr;
  std::array<QRadioButton*, 2> Opt3DTrolleyControls{};
  std::array<QCheckBox*, 6> Check3D1{};
  QLabel* Label3 = nullptr;
  QPushButton* Command1 = nullptr;
  QLineEdit* RabattB = nullptr;
  QPushButton* Cmd_Skärmutskrift = nullptr;
  QPushButton* Printerutskrift = nullptr;
  QGroupBox* fraTypeOfChain = nullptr;
  std::array<QRadioButton*, 2> optTypeOfChain{};
  QGroupBox* Frame3DSuspensionYoke = nullptr;
  std::array<QRadioButton*, 2> Opt3DSuspensionYoke{};

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The variant chosen in the language menu, without asking about the configuration.
  void changeVariant(int index);
  // The load handler, on the parts data given or, without, on those the database holds.
  bool loadWindow(const PartsData* loaded);
  void installHandlers();
  void mapControls();
  // The configurator control of a widget (the model list's typing field and drop-down count
  // as the list); Ctl::None for the widgets it does not govern.
  Ctl controlOf(const QObject* widget) const;
  bool keyEvent(Ctl control, QObject* watched, QKeyEvent* event);
  // A press of a mouse button on a control; true when the event is done with.
  bool pressed(Ctl control);
  // A double-click on a control. A step's box, option or accessory that has the focus is
  // confirmed as Enter confirms it; a button or box never takes the double-click as a second
  // press. True when the event is done with.
  bool doubleClicked(Ctl control, QObject* watched);
  // The focus came to a control, for the given reason.
  void focusArrived(Ctl control, Qt::FocusReason reason);
  // Hands a focus change of the user's to the configurator, once.
  void takeUserFocus(Ctl control);
  void moveWithinGroup(Ctl option, int step);
  void focusWindowChanged(QWindow* now);
  // Drops the model list down, once the window is the active one.
  void dropDownModelList();
  // An output command is about to act: the focused box's leave rule runs first, so the output
  // matches what the boxes show.
  // False when a leave rule turned the edit down.
  bool commitPendingEdit(Ctl outputButton);
  // An output may be made: a lift height has been confirmed. Else the user has been told.
  bool outputReady();
  void showMessage(const QString& text);
  void showStepMessages();
  QString messageText(const StepMessage& message) const;

  void buildMenus();
  void buildControls();
  void applyCaptions();
  void applyOwnTexts();
  void loadControlPictures();
  void arrangeAuxiliaryWindows();
  // After new prices reached the database: the windows that show prices close, the main window
  // loads the parts data again, and the configuration in progress walks the steps again with
  // the new prices, still attached to its file.
  void reloadAfterNewPrices();

  // Shows the problem that stopped the load, ends the program and keeps the problem.
  bool endAtLoadProblem(const Problem& problem);

  ProgramState& state_;
  Services& services_;
  Configurator engine_;
  std::optional<Problem> loadProblem_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  SheetValues sheetValues_;      // the sheets' values kept by the window between outputs
  QStringList missingPictures_;  // picture files the pages drawn since the last telling lacked
  QString configurationFile_;    // where Save writes
  bool rendering_ = false;       // the window sets its controls: their signals are no user's
  Ctl renderedFocus_ = Ctl::None;
  Ctl userFocus_ = Ctl::None;          // the focus the user moved, not yet handed over
  bool swallowPickKey_ = false;        // the Enter that picked in the open list is still on its way
  bool dropDownPending_ = false;       // the model list drops down when the window becomes active
  bool modelListStaysClosed_ = false;  // a load under answers given again: no list drops down
  QPointer<QWindow> lastFocusWindow_;  // the program's window that had the focus last
  MousePressCounter* presses_ = nullptr;  // every press of a mouse button in the program
  Ctl pressedControl_ = Ctl::None;        // the control the last press in the window reached
  quint64 pressSerial_ = 0;               // the count of presses with that press

  // Saved configurations (hmeny_files.cpp)
  Configuration savedConfiguration_;         // as opened from or last saved to configurationFile_
  std::array<QAction*, 5> recentEntries_{};  // File > Recent configurations, newest first
  QAction* noRecentEntry_ = nullptr;         // "(none)", while the list is empty
  // Writes the configuration and attaches the file; false when it failed, which was reported.
  bool saveConfigurationTo(const QString& file);
  // Save As: asks for the name, then writes; false when no name was given or the write failed.
  bool saveConfigurationAs();
  void openRecentFile(const QString& file);
  // A file that the configuration parser refused: opened in the quote window when it declares
  // itself a quote file. False when it does not, and it was not opened.
  bool openAsQuoteFile(const QString& file);

  // Quotes (hmeny_quotes.cpp)
  std::unique_ptr<QuoteWindow> quoteWindow_;
  std::unique_ptr<RegisterWindow> registerWindow_;
  // The configuration a quote's position put into the steps: the quote holds it, so setting it
  // aside unchanged asks nothing.
  std::optional<Configuration> configurationFromQuote_;
};
