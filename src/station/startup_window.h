#pragma once
// The start-up window Miselu起動 as data: its drive, folder and file lists and the chosen
// station name, with the handlers that both front ends call. The lists only show names:
// the main window always opens the chosen bare name in the station folder. UI thread only.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/elements.h"
#include "platform/window_system.h"

class ProgramFolder;
class Tovarek2;

class StartupWindow {
 public:
  WindowState state = WindowState::Unloaded;
  std::filesystem::path drive;     // Drive1: the volume the folder list is on
  std::filesystem::path folder;    // Dir1: the folder whose files are listed
  std::vector<std::string> files;  // 選択: bare names matching *.CSV, any case, sorted
  std::string chosen;              // the file list's current item, a bare name
  std::uint64_t revision = 0;      // moves whenever a list or the choice changes
  std::string error;               // why the station folder could not be listed, if so

  // Loads the window (design settings, lists on the program folder's station folder,
  // nothing chosen) and shows it.
  void Form_Load(Tovarek2& main);
  // The folder list's folder changed: list its files, then pin to the station folder.
  void Dir1_Change(Tovarek2& main, const std::filesystem::path& newFolder);
  // The user picked a drive: the folder list follows it, then everything returns to the
  // program folder's volume and the station folder.
  void Drive1_Change(Tovarek2& main, const std::filesystem::path& newDrive);
  // The user clicked a file of the list.
  void 選択_Click(const std::string& name);
  // The user double-clicked a file: selected, then as "乗車".
  void 選択_DblClick(Tovarek2& main, const std::string& name);
  // "乗車": hide; load the main window the first time, only show it again later.
  void Command1_Click(Tovarek2& main);
  // "終了": the program ends at once.
  void Command2_Click(Tovarek2& main);
  // The window's own close box: before the main window exists the program ends; later
  // the window and its selection are discarded.
  void closeBox(Tovarek2& main);

 private:
  void listFiles(Tovarek2& main);
  std::filesystem::path stationFolder_;
};
