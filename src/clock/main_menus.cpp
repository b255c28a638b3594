#include "station/tovarek2.h"

// While the settings window is open the main window's menus take no input; the front
// ends hold them back too, this keeps the station safe from a runner that does not.

void Tovarek2::IDMNew_Click() {
  if (settingsWindow.isOpen()) return;
  // Hidden, it comes back with the drive, folder and file it had; discarded by its close
  // box, it is made afresh on the station folder.
  if (startupWindow.state == WindowState::Unloaded) startupWindow.Form_Load(*this);
  setWindowState(WindowId::Miselu起動, WindowState::Shown);
}

void Tovarek2::IDMExit_Click() {
  if (settingsWindow.isOpen()) return;
  endProgram(0);
}

// Closing the main window is never refused and ends the whole program.
void Tovarek2::Form_QueryUnload() {
  endProgram(0);
}

void Tovarek2::IDMSet2_Click() {
  if (settingsWindow.isOpen()) return;
  settingsWindow.open(*this);
}

// The station chosen in the start-up window replaces the running one. A station that
// cannot be loaded is reported and the running station goes on untouched: a mistake in
// another station file must not stop this one. Only a first load that fails ends the
// program, as there is then no station to go on with.
void Tovarek2::Chang_Click() {
  if (settingsWindow.isOpen()) return;
  std::optional<std::string> error;
  if (startupWindow.chosen.empty()) {
    error = "cannot change the station: no station file is chosen (choose one with 乗り換え)";
  } else {
    error = loadStation(startupWindow.chosen);
  }
  if (!error) return;
  windows.showError(*error);
  if (!stationRunning()) endProgram(1);
}
