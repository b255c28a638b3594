#include "gui/qt_window_system.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

struct Recorder {
  QtWindowSystem windows;
  std::vector<std::string> seen;
  Recorder() {
    windows.setHooks({
        [this](WindowId w, WindowState s) {
          seen.push_back("window " + std::to_string(static_cast<int>(w)) + " " +
                         std::to_string(static_cast<int>(s)));
        },
        [this](const std::string& m) { seen.push_back("error " + m); },
        [this](int status) { seen.push_back("end " + std::to_string(status)); },
    });
  }
};

TEST(QtWindowSystem, CallsWaitUntilTheHandlerHasReturnedAndKeepTheirOrder) {
  Recorder r;
  r.windows.windowChanged(WindowId::Miselu起動, WindowState::Hidden);
  r.windows.showError("cannot load the station \"x.CSV\"");
  r.windows.endProgram(1);
  EXPECT_TRUE(r.seen.empty());
  EXPECT_EQ(r.windows.pending(), 3u);
  r.windows.deliver();
  EXPECT_EQ(r.seen, (std::vector<std::string>{"window 0 1",
                                              "error cannot load the station \"x.CSV\"", "end 1"}));
  EXPECT_EQ(r.windows.pending(), 0u);
}

TEST(QtWindowSystem, TheEventLoopDeliversWhatNobodyDelivered) {
  Recorder r;
  r.windows.windowChanged(WindowId::設定, WindowState::Shown);
  QCoreApplication::processEvents();
  EXPECT_EQ(r.seen, std::vector<std::string>{"window 2 2"});
}

TEST(QtWindowSystem, CallsMadeWhileDeliveringRunInTheSameRound) {
  QtWindowSystem windows;
  std::vector<int> ends;
  windows.setHooks({[&](WindowId, WindowState) { windows.endProgram(0); },
                    {},
                    [&](int s) { ends.push_back(s); }});
  windows.windowChanged(WindowId::Tovarek2, WindowState::Shown);
  windows.deliver();
  EXPECT_EQ(ends, std::vector<int>{0});
}

}  // namespace
