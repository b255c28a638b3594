#pragma once
// The core's WindowSystem on Qt. The core's calls are queued and carried out after the
// handler that made them has returned (deliver()), in the order they were made: a window
// to reconcile with the core's state, an error to show, the program's end. Errors are
// also written to standard error at once. UI thread only.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

class QtWindowSystem final : public QObject, public WindowSystem {
 public:
  struct Hooks {
    std::function<void(WindowId, WindowState)> windowChanged;
    std::function<void(const std::string&)> showError;
    std::function<void(int status)> endProgram;
  };

  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

  void windowChanged(WindowId window, WindowState state) override;
  void showError(const std::string& message) override;
  void endProgram(int status) override;

  // Carries out everything queued so far. Also runs by itself from the event loop.
  void deliver();
  std::size_t pending() const { return queue_.size(); }

 private:
  struct Call {
    enum class Kind { Window, Error, End } kind;
    WindowId window = WindowId::Tovarek2;
    WindowState state = WindowState::Unloaded;
    std::string message;
    int status = 0;
  };
  void enqueue(Call call);

  Hooks hooks_;
  std::vector<Call> queue_;
  bool posted_ = false;
};
