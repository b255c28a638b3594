#include "sim/simulator.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <regex>

#include "platform/bmp_writer.h"

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

std::string timeText(const LocalTime& t) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%03d", t.hour, t.minute, t.second,
                t.millisecond);
  return buffer;
}

const char* stateText(WindowState s) {
  switch (s) {
    case WindowState::Unloaded: return "unloaded";
    case WindowState::Hidden: return "hidden";
    case WindowState::Shown: return "shown";
  }
  return "";
}

std::int64_t frameAt(std::int64_t ms) {
  return ms * kSampleRate / 1000;
}

template <std::size_t N>
nlohmann::ordered_json texts(const std::array<TextElement, N>& elements) {
  nlohmann::ordered_json a = nlohmann::ordered_json::array();
  for (const auto& e : elements) a.push_back(e.text);
  return a;
}
template <std::size_t N>
nlohmann::ordered_json paths(const std::array<PictureElement, N>& elements) {
  nlohmann::ordered_json a = nlohmann::ordered_json::array();
  for (const auto& e : elements) a.push_back(e.picturePath);
  return a;
}
template <std::size_t N>
nlohmann::ordered_json visibility(const std::array<PictureElement, N>& elements) {
  nlohmann::ordered_json a = nlohmann::ordered_json::array();
  for (const auto& e : elements) a.push_back(e.visible);
  return a;
}

}  // namespace

std::optional<std::int64_t> ParseTimeOfDay(const std::string& text) {
  static const std::regex form(R"((\d{1,2}):(\d{2}):(\d{2})(?:\.(\d{1,3}))?)");
  std::smatch m;
  if (!std::regex_match(text, m, form)) return std::nullopt;
  const int h = std::stoi(m[1]), mi = std::stoi(m[2]), s = std::stoi(m[3]);
  if (h > 23 || mi > 59 || s > 59) return std::nullopt;
  int ms = 0;
  if (m[4].matched) {
    std::string digits = m[4];
    digits.resize(3, '0');
    ms = std::stoi(digits);
  }
  return ((h * 60 + mi) * 60 + s) * std::int64_t{1000} + ms;
}

std::optional<std::int64_t> ParseSeconds(const std::string& text) {
  static const std::regex form(R"((\d{1,9})(?:\.(\d{1,3}))?)");
  std::smatch m;
  if (!std::regex_match(text, m, form)) return std::nullopt;
  std::int64_t ms = std::stoll(m[1]) * 1000;
  if (m[2].matched) {
    std::string digits = m[2];
    digits.resize(3, '0');
    ms += std::stoi(digits);
  }
  return ms;
}

Simulator::Simulator(ProgramFolder folder, std::int64_t startMsOfDay, std::ostream& out)
    : clock_(startMsOfDay), out_(out) {
  mixer_.setListener(this);
  main_ = std::make_unique<Tovarek2>(clock_, mixer_, *this, std::move(folder));
  main_->startupWindow.Form_Load(*main_);
}

Simulator::~Simulator() {
  mixer_.setListener(nullptr);
}

nlohmann::ordered_json Simulator::event(const char* ev) const {
  nlohmann::ordered_json j;
  j["t"] = timeText(main_->stationTime());
  if (ev) j["ev"] = ev;
  return j;
}

void Simulator::print(const nlohmann::ordered_json& j) {
  out_ << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void Simulator::showError(const std::string& message) {
  auto j = event("error");
  j["message"] = message;
  print(j);
}

void Simulator::endProgram(int status) {
  if (ended_) return;
  ended_ = true;
  exitStatus_ = status;
}

void Simulator::onVoiceEvent(VoiceId voice, VoiceEvent e) {
  static const char* const ops[] = {"start", "stop", "rewind", "end"};
  auto j = event("sound");
  j["op"] = ops[static_cast<int>(e)];
  for (const VoiceRole& role : main_->voiceRoles) {
    if (role.voice != voice) continue;
    j["voice"] = role.field;
    if (role.train >= 0) j["train"] = role.train;
    if (role.period >= 0) j["period"] = role.period;
    break;
  }
  print(j);
}

void Simulator::advanceTo(std::int64_t t) {
  const std::int64_t frames = frameAt(t) - framesRendered_;
  if (frames > 0) {
    std::vector<std::int16_t> buffer(static_cast<std::size_t>(frames) * kChannels);
    mixer_.render(buffer.data(), static_cast<std::size_t>(frames));
    if (keepRendered_) rendered_.insert(rendered_.end(), buffer.begin(), buffer.end());
    framesRendered_ += frames;
  }
  clock_.advanceMs(t - t_);
  t_ = t;
  mixer_.deliverEvents();  // voices that ran out print their end at this instant
}

void Simulator::pass() {
  main_->lastPassTick = static_cast<std::int32_t>(clock_.tickMs());
  main_->MainLoopPass();
}

void Simulator::runFor(std::int64_t ms) {
  const std::int64_t target = t_ + ms;
  while (!ended_) {
    const std::int64_t next = running_ ? std::min(nextPass_, nextTick_) : kNever;
    if (next > target) break;
    advanceTo(next);
    if (next == nextTick_) {
      main_->TMC_Timer();
      nextTick_ += Tovarek2::kTickIntervalMs;
    }
    if (ended_) break;
    if (next == nextPass_) {
      // While the modal settings window is open no pass starts; the grid goes on.
      if (!main_->passesHeld()) pass();
      nextPass_ += Tovarek2::kPassIntervalMs;
    }
  }
  if (!ended_) advanceTo(target);
}

void Simulator::afterCommand() {
  if (main_->loads != loadsSeen_) {
    loadsSeen_ = main_->loads;
    auto j = event("load");
    j["station"] = main_->loadedStation;
    print(j);
  }
  if (running_ || ended_ || main_->loads == 0) return;
  running_ = true;
  nextPass_ = t_ + Tovarek2::kPassIntervalMs;
  nextTick_ = t_ + Tovarek2::kTickIntervalMs;
  pass();
}

bool Simulator::fail(const std::string& message) {
  showError(message);
  return true;
}

bool Simulator::finished() {
  if (!ended_) return false;
  print(event("exit"));
  return true;
}

bool Simulator::click(const std::string& target) {
  Tovarek2& m = *main_;
  const auto dot = target.find('.');
  if (dot == std::string::npos) return fail("no such element: " + target);
  const std::string window = target.substr(0, dot);
  const std::string element = target.substr(dot + 1);
  if (window == "Miselu起動") {
    if (m.startupWindow.state != WindowState::Shown)
      return fail("the window Miselu起動 is not shown: " + target);
    if (element == "Command1") {
      m.startupWindow.Command1_Click(m);
    } else if (element == "Command2") {
      m.startupWindow.Command2_Click(m);
    } else {
      return fail("no such element: " + target);
    }
    return true;
  }
  if (window == "Tovarek2") {
    if (m.mainWindowState != WindowState::Shown)
      return fail("the window Tovarek2 is not shown: " + target);
    if (m.settingsWindow.isOpen()) return fail("the settings window is open: " + target);
    using Handler = void (Tovarek2::*)();
    static const std::pair<const char*, Handler> handlers[] = {
        {"Command1", &Tovarek2::Command1_Click}, {"Command2", &Tovarek2::Command2_Click},
        {"Command3", &Tovarek2::Command3_Click}, {"Command4", &Tovarek2::Command4_Click},
        {"Command5", &Tovarek2::Command5_Click}, {"Command6", &Tovarek2::Command6_Click},
        {"Command7", &Tovarek2::Command7_Click}, {"Command8", &Tovarek2::Command8_Click},
        {"IDMNew", &Tovarek2::IDMNew_Click},     {"IDMExit", &Tovarek2::IDMExit_Click},
        {"IDMSet2", &Tovarek2::IDMSet2_Click},   {"Chang", &Tovarek2::Chang_Click},
    };
    for (const auto& [name, handler] : handlers) {
      if (element == name) {
        (m.*handler)();
        return true;
      }
    }
    // The menu titles open their menus and do nothing else.
    if (element == "IDMFille" || element == "IDMSet") return true;
    return fail("no such element: " + target);
  }
  if (window == "設定") {
    if (!m.settingsWindow.isOpen()) return fail("the window 設定 is not shown: " + target);
    if (element == "デジタル時計") {
      m.settingsWindow.デジタル時計_Click(m);
    } else if (element == "Command1") {
      m.settingsWindow.Command1_Click(m);
    } else if (element == "設定完了") {
      m.settingsWindow.設定完了_Click(m);
    } else {
      return fail("no such element: " + target);
    }
    return true;
  }
  return fail("no such window: " + window);
}

bool Simulator::close(const std::string& window) {
  Tovarek2& m = *main_;
  if (window == "Miselu起動") {
    if (m.startupWindow.state != WindowState::Shown)
      return fail("the window Miselu起動 is not shown");
    m.startupWindow.closeBox(m);
  } else if (window == "Tovarek2") {
    if (m.mainWindowState != WindowState::Shown) return fail("the window Tovarek2 is not shown");
    if (m.settingsWindow.isOpen()) return fail("the settings window is open");
    m.Form_QueryUnload();
  } else if (window == "設定") {
    if (!m.settingsWindow.isOpen()) return fail("the window 設定 is not shown");
    m.settingsWindow.closeBox(m);
  } else {
    return fail("no such window: " + window);
  }
  return true;
}

bool Simulator::type(const std::string& target, const std::string& text) {
  static const std::regex form(R"(設定\.Text1(?:\((\d)\)|\[(\d)\]|(\d))?)");
  std::smatch m;
  if (!std::regex_match(target, m, form)) return fail("no such text box: " + target);
  if (!main_->settingsWindow.isOpen()) return fail("the window 設定 is not shown: " + target);
  const std::string digit = m[1].matched ? m[1].str() : m[2].matched ? m[2].str() : m[3].str();
  const int box = digit.empty() ? 0 : std::stoi(digit);
  if (box > 2) return fail("no such text box: " + target);
  main_->settingsWindow.type(box, text);
  return true;
}

void Simulator::dump() {
  const Tovarek2& m = *main_;
  auto j = event(nullptr);
  j["now"] = m.currentSecond();
  j["passes"] = m.passes;
  j["title"] = m.title;
  auto trains = nlohmann::ordered_json::array();
  for (int k = 0; k < kTrainCount; ++k) {
    nlohmann::ordered_json t;
    t["position"] = m.motion[k].position;
    t["speed"] = m.motion[k].speed;
    t["picture"] = m.Picture1[trainPictureElement(k)].picturePath;
    trains.push_back(t);
  }
  j["trains"] = trains;
  j["Text1"] = texts(m.Text1);
  j["Text2"] = texts(m.Text2);
  j["Text3"] = texts(m.Text3);
  j["Text4"] = texts(m.Text4);
  j["Text5"] = texts(m.Text5);
  j["Picture5"] = paths(m.Picture5);
  j["Picture7"] = paths(m.Picture7);
  j["strips"] = {{"Picture8", visibility(m.Picture8)},
                 {"Picture9", visibility(m.Picture9)},
                 {"Picture10", visibility(m.Picture10)},
                 {"Picture11", visibility(m.Picture11)},
                 {"Picture12", visibility(m.Picture12)}};
  j["background"] = m.Picture1[2].picturePath;
  j["Picture38"] = m.Picture38.visible;
  j["AcumeJiLabel"] = m.AcumeJiLabel.text;
  j["AcumeFunLabel"] = m.AcumeFunLabel.text;
  j["AcumeByoLabel"] = m.AcumeByoLabel.text;
  auto flaps = nlohmann::ordered_json::array();
  for (const RowFlapState& f : m.flaps) {
    nlohmann::ordered_json o;
    o["typeCursor"] = f.typeCursor;
    o["destinationCursor"] = f.destinationCursor;
    o["blinkPhase"] = f.blinkPhase;
    o["hourRoll"] = f.hourRoll;
    o["minuteRoll"] = f.minuteRoll;
    o["firstCellRoll"] = f.firstCellRoll;
    flaps.push_back(o);
  }
  j["flaps"] = flaps;
  j["windows"] = {{"Miselu起動", stateText(m.startupWindow.state)},
                  {"Tovarek2", stateText(m.mainWindowState)},
                  {"設定", stateText(m.settingsWindow.state)}};
  j["chosen"] = m.startupWindow.chosen;
  print(j);
}

void Simulator::snapshot(const std::string& file) {
  const std::vector<std::uint8_t> bytes = WriteBmp24(main_->trackPicture);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) fail("cannot write the snapshot " + file);
}

bool Simulator::line(const std::string& raw) {
  std::string text = raw;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  if (text.empty() || text[0] == '#') return true;
  const auto space = text.find(' ');
  const std::string command = text.substr(0, space);
  const std::string rest = space == std::string::npos ? "" : text.substr(space + 1);
  auto malformed = [&] {
    showError("malformed script line: " + text);
    ended_ = true;
    exitStatus_ = 2;
    print(event("exit"));
    return false;
  };
  if (command == "run") {
    const auto ms = ParseSeconds(rest);
    if (!ms) return malformed();
    runFor(*ms);
  } else if (command == "select" && !rest.empty()) {
    if (main_->startupWindow.state != WindowState::Shown)
      fail("the window Miselu起動 is not shown");
    else
      main_->startupWindow.選択_Click(rest);
  } else if (command == "click" && !rest.empty()) {
    click(rest);
  } else if (command == "close" && !rest.empty()) {
    close(rest);
  } else if (command == "type" && !rest.empty()) {
    const auto gap = rest.find(' ');
    type(rest.substr(0, gap), gap == std::string::npos ? "" : rest.substr(gap + 1));
  } else if (command == "dump" && rest.empty()) {
    dump();
  } else if (command == "snapshot" && !rest.empty()) {
    snapshot(rest);
  } else {
    return malformed();
  }
  afterCommand();
  return !finished();
}

int Simulator::run(std::istream& script) {
  std::string text;
  while (std::getline(script, text)) {
    if (!line(text)) return exitStatus_;
  }
  ended_ = true;
  print(event("exit"));
  return exitStatus_;
}
