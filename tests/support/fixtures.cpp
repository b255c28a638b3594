#include "support/fixtures.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <random>

VoiceId RecordingSound::createVoice(std::shared_ptr<const SampleData> s) {
  voices.push_back({std::move(s)});
  return static_cast<VoiceId>(voices.size() - 1);
}
void RecordingSound::removeVoice(VoiceId v) {
  voices.at(v).removed = true;
  voices.at(v).playing = false;
  calls.push_back({v, "remove"});
}
void RecordingSound::play(VoiceId v, int flags) {
  calls.push_back({v, flags ? "play1" : "play0"});
  auto& voice = voices.at(v);
  if (!voice.playing) {
    voice.playing = true;
    voice.looping = flags != 0;
  }
}
void RecordingSound::stop(VoiceId v) {
  calls.push_back({v, "stop"});
  voices.at(v).playing = false;
}
void RecordingSound::rewind(VoiceId v) {
  calls.push_back({v, "rewind"});
  voices.at(v).position = 0;
}
bool RecordingSound::isPlaying(VoiceId v) const {
  return voices.at(v).playing;
}
std::size_t RecordingSound::position(VoiceId v) const {
  return voices.at(v).position;
}
void RecordingSound::finish(VoiceId v) {
  voices.at(v).playing = false;
  voices.at(v).position = 0;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("tovarek2-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}
TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TestWindow::TestWindow()
    : main(std::make_unique<Tovarek2>(clock, sound, windows, ProgramFolder(folder.path()))) {}
