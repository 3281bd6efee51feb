// The main window: the configurator's guided steps, the output buttons and the three menus.
//
// One window, several files: hmeny_layout.cpp builds the controls at their design places,
// hmeny_load.cpp is the load handler with captions and pictures, hmeny_events.cpp turns Qt's
// key and focus events into the handlers below, hmeny_model_list.cpp, hmeny_numeric.cpp,
// hmeny_options.cpp and hmeny_accessories.cpp hold the handlers of each step, hmeny_steps.cpp
// shows and hides the steps, hmeny_menus.cpp holds the menu commands. Controls keep the
// program's own names and are public, as every part of the window works on them.
//
// Key handlers take the program's key numbers: key codes for KeyDown (68 the D key, 37 to 40
// the cursor keys, 16 Shift) and character codes for KeyPress (13 Enter, 9 Tab, 8 Backspace).
// A KeyPress handler sets the key to 0 to swallow it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWindow>
#include <array>
#include <memory>

#include "configurator/ordering_list.h"
#include "output/technical_data.h"
#include "startup/configuration_file.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;
class Form2;
class Form3;
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

  void LaddaComboPXH();
  void ResetFromStep(std::int16_t step);
  void SetTabStops(bool on);
  bool tabStopsOn() const { return tabStopsOn_; }

  // Menu commands
  // Puts the check mark on one item of the language menu and takes it from the others.
  void checkLanguageMenu(int index);
  void mnuSpråk_Click(int index);
  void NewFile_Click();
  void Exit_Click();
  void About_Click();
  // The window became the active one: the output windows step aside.
  void Form_Activate();

  // ---- Guided steps
  void ShowHoistControlChoices();
  void ShowAccessoryChoices();

  // ---- Model list
  void ComboPXH_Click();
  void ComboPXH_DropDown();
  void ComboPXH_GotFocus();
  void ComboPXH_KeyDown(int keyCode);
  void ComboPXH_KeyPress(int& key);
  void ComboPXH_LostFocus();
  void Command1_KeyPress(int& key);

  // ---- Numeric inputs
  void LiftHeightB_Change();
  void LiftHeightB_GotFocus();
  void LiftHeightB_KeyPress(int& key);
  void LiftHeightB_LostFocus();
  void ControlLengthB_Change();
  void ControlLengthB_GotFocus();
  void ControlLengthB_KeyPress(int& key);
  void ControlLengthB_LostFocus();
  void optChoose_Choose(int index);
  void RabattB_Change();
  void RabattB_GotFocus();
  void RabattB_KeyPress(int& key);
  // Reads a box as a number into a field and colours the box by the range; the value stored.
  double CheckNumericField(QLineEdit* box, double& target, double replacement, double lower,
                           double upper);
  double CheckNumericField(QLineEdit* box, std::int16_t& target, double replacement,
                           double lower, double upper);

  // ---- Option groups
  void Opt3DTrolley_GotFocus(int index);
  void Opt3DTrolley_KeyPress(int index, int& key);
  void Opt3DTrolley_LostFocus(int index);
  void Opt3DHoistControl_GotFocus(int index);
  void Opt3DHoistControl_Click(int index);
  void Opt3DHoistControl_KeyPress(int index, int& key);
  void Opt3DHoistControl_LostFocus(int index);
  void Opt3DTrolleyControls_GotFocus(int index);
  void Opt3DTrolleyControls_Click(int index);
  void Opt3DTrolleyControls_KeyPress(int index, int& key);
  void Opt3DSuspensionYoke_GotFocus(int index);
  void Opt3DSuspensionYoke_KeyPress(int index, int& key);

  // ---- Accessories, chain and lubrication
  void Check3D1_KeyPress(int index, int& key);
  void Check3D1_LostFocus(int index);
  void chkStainless_Click();
  void chkStainless_LostFocus();
  void chkLubeFree_Click();
  void optLubeFree_Click(int index);
  void optTypeOfChain_GotFocus(int index);
  void optTypeOfChain_KeyPress(int index, int& key);
  void Picture_GotFocus(int number);

  // ---- Output buttons (hmeny_output.cpp)
  void Printerutskrift_Click();
  void Cmd_Skärmutskrift_Click();
  // What the controls say, for the ordering list.
  OrderingChoices orderingChoices() const;
  void Printerutskrift_GotFocus();
  void Printerutskrift_LostFocus();
  void Printerutskrift_KeyDown(int keyCode, int shift);
  void Cmd_Skärmutskrift_GotFocus();

  // ---- Saved configurations (hmeny_files.cpp)
  void OpenFile_Click();
  void SaveFile_Click();
  void SaveFileAs_Click();
  // Walks the steps with the saved answers as a user would, through the same handlers and rules.
  // Returns the message that refused an answer, empty when every answer was taken.
  QString openConfiguration(const SavedConfiguration& configuration);
  // The answers of the steps reached so far.
  SavedConfiguration currentConfiguration() const;
  // Builds the ordering list as the screen output shows it (indent 1, clean export).
  void composeScreenList();

  // ---- Price maintenance (hmeny_prices.cpp)
  void Newprices_Click();   // new prices from a price file
  void Newprices1_Click();  // new prices from a workbook
  void Newprices2_Click();  // the price list window

  // ---- Help and reference documents (hmeny_help.cpp)
  void HowToUse_Click();
  void UsingHelp_Click();
  void mnuPDF_Click();
  void cmdLubeFree_Click();
  // Closes the help window if the program opened one.
  void closeHelp();

  // The control or menu item with the given program name, such as "Check3D1(5)" or "NewFile".
  QObject* control(const QString& name) const;

  Form2& form2() { return *form2_; }
  Form3& form3() { return *form3_; }

  // ---- Controls
  QWidget* client = nullptr;  // the window's client area, 12000 x 8200 twips less the menu bar

  QMenu* File = nullptr;
  QAction *NewFile = nullptr, *OpenFile = nullptr, *SaveFile = nullptr, *SaveFileAs = nullptr;
  QAction *Utskrift = nullptr, *Exit = nullptr;
  QMenu* OptionsM = nullptr;
  std::array<QAction*, 8> mnuSpråk{};
  QAction *Newprices = nullptr, *Newprices1 = nullptr, *Newprices2 = nullptr, *mnuPDF = nullptr;
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
  void installHandlers();
  bool keyEvent(QObject* watched, QKeyEvent* event);
  void focusMoved(QWidget* now);
  void focusWindowChanged(QWindow* now);
  void controlGotFocus(QWidget* widget);
  void controlLostFocus(QWidget* widget);
  // A plain message box with the program's default title. A refusal is a message that turns
  // an answer down; opening a saved configuration stops at it.
  void showMessage(const QString& text, bool refusal = true);
  // The same with the tab stops switched on while the box is up, and off again after it.
  void showMessageTabStops(const QString& text, bool refusal = true);
  void lubeFreeChanged();
  void clearOptions(QWidget* frame);
  void pressTabLater(int element);

  void buildMenus();
  void buildControls();
  void applyCaptions();
  void loadControlPictures();
  void arrangeAuxiliaryWindows();

  bool reportLoadFailure(const QString& message);

  ProgramState& state_;
  Services& services_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  SheetValues sheetValues_;  // the sheets' values kept by the window between outputs
  QString lastRefusal_;      // the last message that turned an answer down
  QString configurationFile_;  // where Save writes
  bool tabStopsOn_ = true;
  QWidget* focusedControl_ = nullptr;  // the control that holds the focus in this window
  QPointer<QWindow> lastFocusWindow_;  // the program's window that had the focus last
};
