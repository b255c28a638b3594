#include "gui/desktop_program.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>
#include <iostream>

DesktopProgram::DesktopProgram(Tovarek2& main, QtWindowSystem& windows, Options options)
    : main_(main),
      windows_(windows),
      options_(std::move(options)),
      pacer_(
          main.clock, Tovarek2::kPassIntervalMs,
          [this] { return !ending_ && main_.stationRunning() && !main_.passesHeld(); },
          [this](std::int64_t startTick) {
            main_.lastPassTick = static_cast<std::int32_t>(startTick);
            handle([this] { main_.MainLoopPass(); }, false);
          }) {
  windows_.setHooks({
      [this](WindowId, WindowState) { reconcile(); },
      [this](const std::string& message) { showError(message); },
      [this](int status) { endProgram(status); },
  });
  tick_.setInterval(Tovarek2::kTickIntervalMs);
  tick_.setTimerType(Qt::PreciseTimer);
  connect(&tick_, &QTimer::timeout, this, &DesktopProgram::tick);
}

DesktopProgram::~DesktopProgram() {
  windows_.setHooks({});
  // At the end there is no event loop left to delete them later.
  delete settings_.release();
  delete startup_.release();
  delete mainWindow_.release();
}

void DesktopProgram::tick() {
  if (main_.stationRunning()) handle([this] { main_.TMC_Timer(); }, false);
}

void DesktopProgram::start() {
  if (options_.quitAfterSeconds)
    QTimer::singleShot(static_cast<int>(*options_.quitAfterSeconds * 1000), Qt::PreciseTimer, this,
                       [this] { finishRun(); });
  handle([this] {
    StartupWindow& chooser = main_.startupWindow;
    chooser.Form_Load(main_);
    if (options_.station) {
      // As if the user had chosen the file and pressed "乗車".
      chooser.選択_Click(*options_.station);
      if (chooser.chosen != *options_.station) {
        chooser.chosen = *options_.station;
        ++chooser.revision;
      }
      chooser.Command1_Click(main_);
    } else if (chooser.state == WindowState::Unloaded) {
      main_.setWindowState(WindowId::Miselu起動, WindowState::Shown);
    }
  });
}

void DesktopProgram::handle(const std::function<void()>& handler, bool everything) {
  if (ending_) return;
  try {
    handler();
  } catch (const std::exception& e) {
    // Nothing the station does may take the program down without a word.
    windows_.showError(e.what());
    main_.endProgram(1);
  }
  windows_.deliver();
  if (ending_) return;
  reconcile();
  if (mainWindow_) {
    if (everything)
      mainWindow_->syncAll();
    else
      mainWindow_->sync();
  }
  if (settings_ && everything) settings_->sync();
}

void DesktopProgram::reconcile() {
  if (ending_) return;
  StartupActions chooser{
      [this](const std::filesystem::path& p) {
        handle([this, p] { main_.startupWindow.Drive1_Change(main_, p); });
      },
      [this](const std::filesystem::path& p) {
        handle([this, p] { main_.startupWindow.Dir1_Change(main_, p); });
      },
      [this](const std::string& n) { handle([this, n] { main_.startupWindow.選択_Click(n); }); },
      [this](const std::string& n) {
        handle([this, n] { main_.startupWindow.選択_DblClick(main_, n); });
      },
      [this] { handle([this] { main_.startupWindow.Command1_Click(main_); }); },
      [this] { handle([this] { main_.startupWindow.Command2_Click(main_); }); },
      [this] { handle([this] { main_.startupWindow.closeBox(main_); }); },
  };
  switch (main_.startupWindow.state) {
    case WindowState::Shown:
      if (!startup_) startup_.reset(new StartupWindowView(main_.startupWindow, std::move(chooser)));
      startup_->sync();
      if (!startup_->isVisible()) {
        // Brought forward once when it appears, not on every pass while it stays.
        startup_->show();
        startup_->raise();
        startup_->activateWindow();
      }
      break;
    case WindowState::Hidden:
      if (startup_) {
        startup_->sync();
        startup_->hide();
      }
      break;
    case WindowState::Unloaded:
      if (startup_) {
        startup_->hide();
        startup_.reset();
      }
      break;
  }

  if (main_.mainWindowState != WindowState::Unloaded && !mainWindow_) {
    MainWindowActions actions{
        [this](int command) {
          handle([this, command] {
            switch (command) {
              case 0: main_.Command1_Click(); break;
              case 1: main_.Command2_Click(); break;
              case 2: main_.Command3_Click(); break;
              case 3: main_.Command4_Click(); break;
              case 4: main_.Command5_Click(); break;
              case 5: main_.Command6_Click(); break;
              case 6: main_.Command7_Click(); break;
              default: main_.Command8_Click(); break;
            }
          });
        },
        [this](const std::string& name) {
          handle([this, name] {
            if (name == "IDMNew") main_.IDMNew_Click();
            if (name == "IDMExit") main_.IDMExit_Click();
            if (name == "IDMSet2") main_.IDMSet2_Click();
            if (name == "Chang") main_.Chang_Click();
          });
        },
        [this] { handle([this] { main_.Form_QueryUnload(); }); },
    };
    mainWindow_.reset(new MainWindow(main_, std::move(actions)));
  }
  if (mainWindow_) {
    if (main_.mainWindowState == WindowState::Shown && !mainWindow_->isVisible()) {
      mainWindow_->syncAll();
      mainWindow_->show();
    } else if (main_.mainWindowState != WindowState::Shown && mainWindow_->isVisible()) {
      mainWindow_->hide();
    }
  }

  switch (main_.settingsWindow.state) {
    case WindowState::Shown:
      if (!settings_) {
        SettingsActions actions{
            [this] { handle([this] { main_.settingsWindow.デジタル時計_Click(main_); }); },
            [this](int box, const std::string& text) {
              handle([this, box, text] { main_.settingsWindow.type(box, text); });
            },
            [this] { handle([this] { main_.settingsWindow.Command1_Click(main_); }); },
            [this] { handle([this] { main_.settingsWindow.設定完了_Click(main_); }); },
            [this] { handle([this] { main_.settingsWindow.closeBox(main_); }); },
        };
        settings_.reset(
            new SettingsDialog(main_.settingsWindow, std::move(actions), mainWindow_.get()));
      }
      if (!settings_->isVisible()) {
        settings_->sync();
        // Window-modal without a nested event loop: the passes stop by the core's state.
        settings_->open();
      }
      break;
    case WindowState::Hidden:
      if (settings_ && settings_->isVisible()) settings_->hide();
      break;
    case WindowState::Unloaded:
      if (settings_) {
        settings_->hide();
        settings_.reset();
      }
      break;
  }

  if (main_.stationRunning()) {
    if (!tick_.isActive()) tick_.start();
    if (main_.passesHeld())
      pacer_.stop();
    else
      pacer_.start();
  }
}

void DesktopProgram::showError(const std::string& message) {
  errorsShown_.push_back(message);
  if (!options_.interactiveErrors) return;
  QWidget* parent = mainWindow_ && mainWindow_->isVisible() ? mainWindow_.get() : nullptr;
  auto* box = new QMessageBox(QMessageBox::Critical, "Tovarek2", QString::fromStdString(message),
                              QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  ++errorBoxesOpen_;
  connect(box, &QMessageBox::finished, this, [this] {
    --errorBoxesOpen_;
    if (errorBoxesOpen_ == 0 && endAfterError_) finish(*endAfterError_);
  });
  box->open();
}

void DesktopProgram::endProgram(int status) {
  if (ending_) return;
  ending_ = true;
  pacer_.stop();
  tick_.stop();
  // Every window of the station goes at once; only an error still to be read stays.
  if (settings_) settings_->hide();
  if (startup_) startup_->hide();
  if (mainWindow_) mainWindow_->hide();
  if (errorBoxesOpen_ > 0)
    endAfterError_ = status;
  else
    finish(status);
}

void DesktopProgram::finish(int status) {
  if (endStatus_) return;
  endStatus_ = status;
  if (onEnd_)
    onEnd_(status);
  else
    QCoreApplication::exit(status);
}

bool DesktopProgram::saveSnapshot() {
  if (!mainWindow_) {
    std::cerr << "tovarek2: no snapshot: the main window was never loaded" << std::endl;
    return false;
  }
  mainWindow_->sync();
  const QPixmap picture = mainWindow_->inside()->grab();
  if (!picture.save(QString::fromStdString(*options_.snapshot), "PNG")) {
    std::cerr << "tovarek2: cannot write the snapshot " << *options_.snapshot << std::endl;
    return false;
  }
  return true;
}

void DesktopProgram::finishRun() {
  if (endStatus_) return;
  int status = main_.ended ? main_.exitStatus : 0;
  if (options_.snapshot && !saveSnapshot() && status == 0) status = 1;
  ending_ = true;
  pacer_.stop();
  tick_.stop();
  finish(status);
}
