#pragma once
// The main window Tovarek2 on Qt: a fixed inside of 909 x 573 pixels under the menu bar,
// painted from the core's window surface, with one widget per element of the core's
// element arrays. It only reflects the core; clicks, menu commands and the close box go
// to the actions it is given. UI thread only.
#include <QMainWindow>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "gui/element_widgets.h"
#include "station/tovarek2.h"

struct MainWindowActions {
  std::function<void(int command)> buttonClicked;           // 0..7: Command1..Command8
  std::function<void(const std::string& name)> menuChosen;  // "IDMNew", "IDMExit", ...
  std::function<void()> closeRequested;
};

// The inside: the window's own drawing surface, shown as it is, without a copy.
class InsideWidget : public QWidget {
 public:
  InsideWidget(const Surface& surface, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Surface& surface_;
  QImage image_;
};

class MainWindow : public QMainWindow {
 public:
  MainWindow(Tovarek2& main, MainWindowActions actions);

  // After a pass or a tick: only widgets whose element moved, and the view if redrawn.
  // Returns how many element widgets were refreshed.
  int sync();
  // After a load or a command: every widget, title and menus.
  void syncAll();

  InsideWidget* inside() const { return inside_; }
  // The widget of an element by its name ("Text1(5)", "Picture38"); null if none.
  QWidget* elementWidget(const std::string& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void syncTitle();
  void updateView();

  Tovarek2& main_;
  MainWindowActions actions_;
  InsideWidget* inside_;
  ElementMirror mirror_;
  std::map<std::string, QWidget*> byName_;
  std::uint64_t surfaceSeen_ = ~std::uint64_t{0};
};
