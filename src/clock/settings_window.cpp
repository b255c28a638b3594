#include "clock/settings_window.h"

SettingsWindow::SettingsWindow() {}
