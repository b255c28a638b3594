#pragma once
// The start-up window Miselu起動 on Qt, drawn from the core's StartupWindow model: our own
// picture at the left, Label1, the drive list (the mounted volumes), the folder list, the
// file list 選択 and the buttons "乗車" and "終了". Every user action goes to the actions;
// the lists are rebuilt only when the model's revision moved. UI thread only.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "station/startup_window.h"

struct StartupActions {
  std::function<void(const std::filesystem::path&)> driveChosen;   // Drive1_Change
  std::function<void(const std::filesystem::path&)> folderChosen;  // Dir1_Change
  std::function<void(const std::string&)> fileClicked;             // 選択_Click
  std::function<void(const std::string&)> fileDoubleClicked;       // 選択_DblClick
  std::function<void()> board;                                     // "乗車"
  std::function<void()> quit;                                      // "終了"
  std::function<void()> closeBox;
};

// The root folders of the mounted volumes a person would choose from, sorted.
QStringList mountedVolumes();

class StartupWindowView : public QWidget {
 public:
  StartupWindowView(const StartupWindow& model, StartupActions actions);

  // Rebuilds the lists if the model moved; `force` rebuilds them anyway.
  void sync(bool force = false);

  QComboBox* drive1() const { return drive1_; }
  QListWidget* dir1() const { return dir1_; }
  QListWidget* files() const { return files_; }
  QPushButton* command1() const { return command1_; }
  QPushButton* command2() const { return command2_; }
  QLabel* label1() const { return label1_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  const StartupWindow& model_;
  StartupActions actions_;
  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* files_;
  QPushButton* command1_;
  QPushButton* command2_;
  QLabel* label1_;
  std::uint64_t seen_ = ~std::uint64_t{0};
  bool rebuilding_ = false;
};
