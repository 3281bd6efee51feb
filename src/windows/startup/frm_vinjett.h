// The start-up window, in which the user picks one of the eight language and market variants.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

class HMeny;
class QLabel;
class QPushButton;
class Services;
struct ProgramState;

class frmVinjett : public QWidget {
  Q_OBJECT

 public:
  frmVinjett(ProgramState& state, Services& services);
  ~frmVinjett() override;

  // Centres the window, shows it with the focus on the first button and takes the program
  // directory from the command line (the whole text of it) or the executable's place.
  // Shows the window on the program directory; false when the directory cannot be entered,
  // which has been reported and has ended the program.
  // With a configuration file (an absolute name, from --open) the start-up window is skipped:
  // the main window loads in the file's variant and opens the file as File > Open does. A file
  // that cannot be read or is no configuration is reported, and the start-up window shows.
  bool Form_Load(const QString& commandLine, const QString& executableDir,
                 const QString& configurationFile = QString());

  // A variant button: loads the main window in that variant and leaves the start-up window.
  void Command1_Click(int index);

  HMeny* mainWindow() const { return hmeny_.get(); }

  QLabel* Picture1 = nullptr;
  QLabel* Picture2 = nullptr;
  QLabel* Label1 = nullptr;
  std::array<QPushButton*, 8> Command1{};

 private:
  // Loads the main window in a variant and leaves the start-up window; false when the load
  // failed, which has been reported and has ended the program.
  bool loadMainWindow(int index);

  ProgramState& state_;
  Services& services_;
  std::unique_ptr<HMeny> hmeny_;
};
