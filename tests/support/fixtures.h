#pragma once
// Test doubles shared by every suite: a sound output that records what the core asked
// of it, a window system that records what it was told, and a station built on a
// virtual clock in a temporary program folder.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_output.h"
#include "platform/window_system.h"
#include "station/tovarek2.h"

// Remembers every voice and every request; plays nothing.
class RecordingSound final : public SoundOutput {
 public:
  struct Voice {
    std::shared_ptr<const SampleData> sound;
    bool playing = false;
    bool looping = false;
    bool removed = false;
    std::size_t position = 0;
  };
  struct Call {
    VoiceId voice;
    std::string op;  // "play0", "play1", "stop", "rewind", "remove"
  };

  VoiceId createVoice(std::shared_ptr<const SampleData> s) override;
  void removeVoice(VoiceId v) override;
  void play(VoiceId v, int flags) override;
  void stop(VoiceId v) override;
  void rewind(VoiceId v) override;
  bool isPlaying(VoiceId v) const override;
  std::size_t position(VoiceId v) const override;

  // Lets a voice played once run out, as the mixer would at its end.
  void finish(VoiceId v);

  std::vector<Voice> voices;
  std::vector<Call> calls;
};

class RecordingWindows final : public WindowSystem {
 public:
  void windowChanged(WindowId window, WindowState state) override {
    changes.push_back({window, state});
  }
  void showError(const std::string& message) override { errors.push_back(message); }
  void endProgram(int status) override { endStatus.push_back(status); }

  std::vector<std::pair<WindowId, WindowState>> changes;
  std::vector<std::string> errors;
  std::vector<int> endStatus;
};

// A fresh, empty temporary folder removed when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes);

// A main window on a virtual clock in an empty program folder, nothing loaded.
struct TestWindow {
  TempFolder folder;
  VirtualClock clock;
  RecordingSound sound;
  RecordingWindows windows;
  std::unique_ptr<Tovarek2> main;

  TestWindow();
};
