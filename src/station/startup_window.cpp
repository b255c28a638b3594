#include "station/startup_window.h"

#include <sys/stat.h>

#include <algorithm>
#include <system_error>

#include "platform/program_folder.h"
#include "station/tovarek2.h"

namespace {

// The mount point a folder lives on: the last ancestor on the same device.
std::filesystem::path volumeOf(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(folder, ec);
  struct stat st {};
  if (ec || ::stat(p.c_str(), &st) != 0) return p.root_path();
  const dev_t device = st.st_dev;
  while (p.has_relative_path()) {
    const std::filesystem::path parent = p.parent_path();
    struct stat up {};
    if (::stat(parent.c_str(), &up) != 0 || up.st_dev != device) break;
    p = parent;
  }
  return p;
}

bool isStationFileName(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".csv";
}

}  // namespace

void StartupWindow::Form_Load(Tovarek2& main) {
  stationFolder_ = main.programFolder.resolve(ProgramFolder::kStationFolder);
  drive = volumeOf(main.programFolder.root());
  folder = stationFolder_;
  chosen.clear();
  listFiles(main);
  main.setWindowState(WindowId::Miselu起動, WindowState::Shown);
}

void StartupWindow::Dir1_Change(Tovarek2& main, const std::filesystem::path& newFolder) {
  if (newFolder != folder) {
    folder = newFolder;
    chosen.clear();
    listFiles(main);
  }
  // Touching the folder list pins it to the station folder for good.
  if (folder != stationFolder_) {
    folder = stationFolder_;
    chosen.clear();
    listFiles(main);
  }
}

void StartupWindow::Drive1_Change(Tovarek2& main, const std::filesystem::path& newDrive) {
  Dir1_Change(main, newDrive);
  drive = volumeOf(main.programFolder.root());
  ++revision;
}

void StartupWindow::選択_Click(const std::string& name) {
  if (chosen != name) {
    chosen = name;
    ++revision;
  }
}

void StartupWindow::選択_DblClick(Tovarek2& main, const std::string& name) {
  選択_Click(name);
  Command1_Click(main);
}

void StartupWindow::Command1_Click(Tovarek2& main) {
  main.setWindowState(WindowId::Miselu起動, WindowState::Hidden);
  if (!main.stationRunning()) {
    main.Form_Load();
  } else {
    // Back from 乗り換え: the new choice waits for 乗換実行.
    main.setWindowState(WindowId::Tovarek2, WindowState::Shown);
  }
}

void StartupWindow::Command2_Click(Tovarek2& main) {
  main.endProgram(0);
}

void StartupWindow::closeBox(Tovarek2& main) {
  if (!main.stationRunning()) {
    main.setWindowState(WindowId::Miselu起動, WindowState::Unloaded);
    main.endProgram(0);
    return;
  }
  // The window and its selection are thrown away; shown again, it starts afresh.
  chosen.clear();
  files.clear();
  error.clear();
  ++revision;
  main.setWindowState(WindowId::Miselu起動, WindowState::Unloaded);
}

void StartupWindow::listFiles(Tovarek2& main) {
  files.clear();
  error.clear();
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) {
    error = "The station folder " + folder.string() + " cannot be listed: " + ec.message();
    ++revision;
    main.windows.showError(error);
    return;
  }
  for (const auto& entry : it) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    const std::string name = entry.path().filename().string();
    if (isStationFileName(name)) files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  ++revision;
}
