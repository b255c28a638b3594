#pragma once
// What the core tells the front end about its windows: one was shown or hidden, an error
// to show the user, the program ends. No call blocks; the front end acts on it after the
// handler that called it has returned. Called from the UI thread only.
#include <string>

enum class WindowId { Miselu起動, Tovarek2, 設定 };

// A window of the program is not created yet (or was discarded), hidden or on screen.
enum class WindowState { Unloaded, Hidden, Shown };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual void windowChanged(WindowId window, WindowState state) = 0;
  virtual void showError(const std::string& message) = 0;
  // The process is to end at once with this exit status; nothing of the station is saved.
  virtual void endProgram(int status) = 0;
};
