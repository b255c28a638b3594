#pragma once
// The desktop runner: Qt's ordinary event loop drives the core. A precise single-shot
// timer starts each pass of the main loop 25 ms after the previous one began (never while
// the settings window holds the loop), a 300 ms timer drives TMC_Timer, and clicks and
// menu commands arrive as signals and call the Tovarek2 handlers, so a handler never
// overlaps a pass and a change of station simply replaces the station between two passes.
// After every handler the windows are brought in line with the core's window states.
// UI thread only.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/main_window.h"
#include "gui/pass_pacer.h"
#include "gui/qt_window_system.h"
#include "gui/settings_dialog.h"
#include "gui/startup_window_view.h"
#include "station/tovarek2.h"

class DesktopProgram : public QObject {
 public:
  struct Options {
    std::optional<std::string> station;  // a station file name to load at once
    std::optional<std::string> snapshot;
    std::optional<double> quitAfterSeconds;
    bool interactiveErrors = true;  // false: errors only go to standard error (tests)
  };

  DesktopProgram(Tovarek2& main, QtWindowSystem& windows, Options options);
  ~DesktopProgram() override;

  // Opens the start-up window, or loads --station at once. Call from the event loop.
  void start();
  // What the program ends with: by default the event loop is left with the status.
  void setEndHandler(std::function<void(int)> onEnd) { onEnd_ = std::move(onEnd); }
  std::optional<int> endStatus() const { return endStatus_; }

  MainWindow* mainWindow() const { return mainWindow_.get(); }
  StartupWindowView* startupView() const { return startup_.get(); }
  SettingsDialog* settingsDialog() const { return settings_.get(); }
  PassPacer& pacer() { return pacer_; }
  QTimer& tickTimer() { return tick_; }
  const std::vector<std::string>& errorsShown() const { return errorsShown_; }

  // What the 300 ms timer does on each tick (public so tests can tick on a virtual clock).
  void tick();
  // The end of a --quit-after run: the snapshot, if asked for, then the end.
  void finishRun();

 private:
  struct LaterDeleter {
    void operator()(QObject* o) const { o->deleteLater(); }
  };
  template <class W>
  using Owned = std::unique_ptr<W, LaterDeleter>;

  // Runs a core handler, then carries out what it told the window system and brings the
  // windows in line; a pass or tick refreshes only the widgets whose element moved.
  void handle(const std::function<void()>& handler, bool everything = true);
  void reconcile();
  void showError(const std::string& message);
  void endProgram(int status);
  void finish(int status);
  bool saveSnapshot();

  Tovarek2& main_;
  QtWindowSystem& windows_;
  Options options_;
  PassPacer pacer_;
  QTimer tick_;
  Owned<MainWindow> mainWindow_;
  Owned<StartupWindowView> startup_;
  Owned<SettingsDialog> settings_;
  std::function<void(int)> onEnd_;
  std::optional<int> endStatus_;
  std::optional<int> endAfterError_;
  int errorBoxesOpen_ = 0;
  bool ending_ = false;
  std::vector<std::string> errorsShown_;
};
