#pragma once
// The headless station: the real core and mixer on a virtual clock, driven by a script of
// commands and reporting what happens as JSON lines. Virtual time is whole milliseconds;
// passes fall every 25 ms and clock ticks every 300 ms from the end of the first load,
// and sound is rendered at 22050 frames per second of virtual time. One thread.
#include <cstdint>
#include <istream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/mixer.h"
#include "platform/program_folder.h"
#include "platform/window_system.h"
#include "station/tovarek2.h"

class Simulator final : public WindowSystem, public VoiceListener {
 public:
  Simulator(ProgramFolder folder, std::int64_t startMsOfDay, std::ostream& out);
  ~Simulator() override;

  // Runs the script to its end or to the end of the program; returns the exit status:
  // 0 normally, 1 when a failed first load ended the program, 2 for a malformed line.
  int run(std::istream& script);
  // One script line; false when the program has ended (see exitStatus()).
  bool line(const std::string& text);
  int exitStatus() const { return exitStatus_; }

  // Everything the mixer rendered, 22050 Hz stereo.
  const std::vector<std::int16_t>& rendered() const { return rendered_; }
  void keepRendered(bool keep) { keepRendered_ = keep; }

  // WindowSystem
  void windowChanged(WindowId, WindowState) override {}
  void showError(const std::string& message) override;
  void endProgram(int status) override;
  // VoiceListener
  void onVoiceEvent(VoiceId voice, VoiceEvent event) override;

 private:
  nlohmann::ordered_json event(const char* ev) const;
  void print(const nlohmann::ordered_json& j);
  void advanceTo(std::int64_t t);  // renders sound up to t and moves the clock there
  void runFor(std::int64_t ms);
  void pass();
  void afterCommand();  // the first pass begins as soon as the first load ends
  bool click(const std::string& target);
  bool close(const std::string& window);
  bool type(const std::string& target, const std::string& text);
  void dump();
  void snapshot(const std::string& file);
  bool fail(const std::string& message);  // a script line that cannot be carried out
  bool finished();

  VirtualClock clock_;
  Mixer mixer_;
  std::unique_ptr<Tovarek2> main_;
  std::ostream& out_;
  std::int64_t t_ = 0;  // milliseconds since the start
  std::int64_t framesRendered_ = 0;
  bool running_ = false;
  std::uint64_t loadsSeen_ = 0;
  std::int64_t nextPass_ = 0;
  std::int64_t nextTick_ = 0;
  bool ended_ = false;
  int exitStatus_ = 0;
  bool keepRendered_ = false;
  std::vector<std::int16_t> rendered_;
};

// "HH:MM:SS" or "HH:MM:SS.mmm" as milliseconds of the day; nothing when malformed.
std::optional<std::int64_t> ParseTimeOfDay(const std::string& text);
// "12", "0.5", "3.125" as milliseconds; nothing when malformed.
std::optional<std::int64_t> ParseSeconds(const std::string& text);
