#include "gui/qt_window_system.h"

#include <QMetaObject>
#include <iostream>

void QtWindowSystem::windowChanged(WindowId window, WindowState state) {
  enqueue({Call::Kind::Window, window, state, {}, 0});
}

void QtWindowSystem::showError(const std::string& message) {
  std::cerr << "tovarek2: " << message << std::endl;
  enqueue({Call::Kind::Error, WindowId::Tovarek2, WindowState::Unloaded, message, 0});
}

void QtWindowSystem::endProgram(int status) {
  enqueue({Call::Kind::End, WindowId::Tovarek2, WindowState::Unloaded, {}, status});
}

void QtWindowSystem::enqueue(Call call) {
  queue_.push_back(std::move(call));
  if (!posted_) {
    posted_ = true;
    QMetaObject::invokeMethod(
        this, [this] { deliver(); }, Qt::QueuedConnection);
  }
}

void QtWindowSystem::deliver() {
  posted_ = false;
  // A hook may call back into the core and queue more; those run in this same round.
  for (std::size_t i = 0; i < queue_.size(); ++i) {
    const Call call = queue_[i];
    switch (call.kind) {
      case Call::Kind::Window:
        if (hooks_.windowChanged) hooks_.windowChanged(call.window, call.state);
        break;
      case Call::Kind::Error:
        if (hooks_.showError) hooks_.showError(call.message);
        break;
      case Call::Kind::End:
        if (hooks_.endProgram) hooks_.endProgram(call.status);
        break;
    }
  }
  queue_.clear();
}
