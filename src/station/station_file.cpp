#include "station/station_file.h"

#include <iconv.h>

#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/load_error.h"
#include "platform/program_folder.h"

namespace {

// Code page 932 to UTF-8; bytes that are not valid become U+FFFD. A file that starts with
// the UTF-8 byte order mark was re-saved by a modern editor and is taken as UTF-8.
std::string toUtf8(std::string_view bytes, bool utf8) {
  if (utf8) return std::string(bytes);
  std::string out;
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  std::string buffer(bytes.size() * 4 + 16, '\0');
  while (inLeft > 0) {
    char* o = buffer.data();
    size_t oLeft = buffer.size();
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buffer.data(), buffer.size() - oLeft);
    if (r == static_cast<size_t>(-1) && inLeft > 0) {
      out += "\xEF\xBF\xBD";
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

struct Value {
  std::string text;
  bool quoted = false;
};

// Tabs and spaces are blanks; an unquoted value loses blanks at both ends; an empty line
// is one empty value; a line end inside double quotes belongs to the value.
class ValueStream {
 public:
  explicit ValueStream(std::string_view s) : s_(s) {}
  bool next(Value& v) {
    if (pos_ >= s_.size()) return false;
    v = {};
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '"') {
      v.quoted = true;
      size_t close = s_.find('"', pos_ + 1);
      if (close == std::string_view::npos) close = s_.size();
      v.text = std::string(s_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close + 1;
      while (pos_ < s_.size() && !isEnd(s_[pos_])) ++pos_;
      skipSeparator();
      return true;
    }
    size_t start = pos_;
    while (pos_ < s_.size() && !isEnd(s_[pos_])) ++pos_;
    std::string_view t = s_.substr(start, pos_ - start);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    v.text = std::string(t);
    skipSeparator();
    return true;
  }

 private:
  static bool isEnd(char c) { return c == ',' || c == '\r' || c == '\n'; }
  void skipSeparator() {
    if (pos_ >= s_.size()) return;
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  std::string_view s_;
  size_t pos_ = 0;
};

bool isNumber(const std::string& t) {
  static const std::regex number(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  return std::regex_match(t, number);
}

std::string shortestText(double d) {
  char buffer[64];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, d);
    if (std::strtod(buffer, nullptr) == d) break;
  }
  return buffer;
}

const char* const kTrainFields[28] = {"spare1",
                                      "spare2",
                                      "entryTime hours",
                                      "entryTime minutes",
                                      "entryTime seconds",
                                      "arrivalTime hours",
                                      "arrivalTime minutes",
                                      "arrivalTime seconds",
                                      "departureTime hours",
                                      "departureTime minutes",
                                      "departureTime seconds",
                                      "rowText",
                                      "rowPictureName",
                                      "destination",
                                      "arrivalSound",
                                      "preDepartureSound",
                                      "approachSound",
                                      "approachOffset",
                                      "bellSound",
                                      "bellStopSound",
                                      "pictureName",
                                      "hasOpenPicture",
                                      "startOffset",
                                      "spriteTop",
                                      "spriteWidth",
                                      "spriteHeight",
                                      "topSpeed",
                                      "doorsOpen"};

}  // namespace

std::string describeValue(int n) {
  using namespace station_values;
  if (n < 1 || n > kStationFileValues) return "value " + std::to_string(n);
  std::ostringstream out;
  if (n <= kHeaderValues) {
    static const char* const header[6] = {"windowTitle",   "spareHeader",   "boardTitle[0]",
                                          "boardTitle[1]", "boardTitle[2]", "boardTitle[3]"};
    out << header[n - 1];
  } else if (n <= kTrailerStart) {
    int i = n - kHeaderValues - 1;
    out << "train " << i / kTrainValues << " " << kTrainFields[i % kTrainValues];
  } else {
    int item = n - kTrailerStart;
    static const char* const period[5] = {"periodStart hours", "periodStart minutes",
                                          "periodStart seconds", "periodPicture", "periodSound"};
    static const char* const overlay[6] = {"overlaySpare", "overlayPicture", "overlayLeft",
                                           "overlayTop",   "overlayWidth",   "overlayHeight"};
    if (item == 1)
      out << "spareText1";
    else if (item <= 16)
      out << "period " << (item - 2) / 5 << " " << period[(item - 2) % 5];
    else if (item == 17)
      out << "spareText2";
    else if (item == 18)
      out << "frontPicture";
    else if (item == 19)
      out << "frontLeft";
    else if (item == 20)
      out << "frontTop";
    else
      out << "overlay " << (item - 21) / 6 << " " << overlay[(item - 21) % 6];
  }
  out << ", value " << n;
  return out.str();
}

void ReadStationBytes(std::string_view raw, const std::string& path, StationRecord& r,
                      std::vector<StationFileNote>* notes,
                      std::vector<StationFileNote>* overflows) {
  const bool utf8 = raw.substr(0, 3) == "\xEF\xBB\xBF";
  const std::string text = toUtf8(utf8 ? raw.substr(3) : raw, utf8);
  ValueStream stream(text);
  int n = 0;
  Value v;
  auto next = [&]() -> Value& {
    ++n;
    if (!stream.next(v))
      throw LoadError("cannot read the station file " + path + ": it ends after " +
                      std::to_string(n - 1) + " values, expected " + describeValue(n) + " of 958");
    return v;
  };
  auto str = [&]() { return next().text; };
  auto number = [&]() -> double {
    Value& x = next();
    if (x.text.empty()) return 0;
    if (!isNumber(x.text)) {
      if (notes)
        notes->push_back(
            {n, describeValue(n) + " holds the text \"" + x.text + "\", which reads as 0"});
      return 0;
    }
    return std::strtod(x.text.c_str(), nullptr);
  };
  auto integer = [&]() -> int {
    double d = number();
    double whole = std::nearbyint(d);  // half to even
    if (whole < -32768 || whole > 32767) {
      const std::string what = describeValue(n) + " holds " + v.text + ", outside -32768..32767";
      if (!overflows) throw LoadError("cannot read the station file " + path + ": " + what);
      overflows->push_back({n, what});
      return 0;
    }
    return static_cast<int>(whole);
  };
  auto untyped = [&]() -> std::string {
    Value& x = next();
    if (x.quoted || !isNumber(x.text)) return x.text;
    return shortestText(std::strtod(x.text.c_str(), nullptr));
  };
  auto triple = [&](TimeTriple& t) {
    t.hours = number();
    t.minutes = number();
    t.seconds = number();
  };
  r.windowTitle = str();
  r.spareHeader = str();
  for (auto& b : r.boardTitle) b = str();
  for (auto& t : r.trains) {
    t.spare1 = str();
    t.spare2 = str();
    triple(t.entryTime);
    triple(t.arrivalTime);
    triple(t.departureTime);
    t.rowText = str();
    t.rowPictureName = str();
    t.destination = str();
    t.arrivalSound = str();
    t.preDepartureSound = str();
    t.approachSound = untyped();
    t.approachOffset = integer();
    t.bellSound = untyped();
    t.bellStopSound = untyped();
    t.pictureName = str();
    t.hasOpenPicture = integer();
    t.startOffset = number();
    t.spriteTop = number();
    t.spriteWidth = number();
    t.spriteHeight = number();
    t.topSpeed = number();
    t.doorsOpen = number();
  }
  r.spareText1 = str();
  for (auto& p : r.periods) {
    triple(p.periodStart);
    p.periodPicture = str();
    p.periodSound = untyped();
  }
  r.spareText2 = str();
  r.frontPicture = str();
  r.frontLeft = number();
  r.frontTop = number();
  for (auto& o : r.overlays) {
    o.overlaySpare = str();
    o.overlayPicture = str();
    o.overlayLeft = number();
    o.overlayTop = number();
    o.overlayWidth = number();
    o.overlayHeight = number();
  }
}

void ReadStationFile(const ProgramFolder& folder, std::string_view name, StationRecord& record,
                     std::vector<StationFileNote>* notes, std::vector<StationFileNote>* overflows) {
  const std::string rel =
      folder.relativePath(ProgramFolder::kStationFolder, name, "", "the chosen station");
  const auto path = folder.resolve(rel);
  std::ifstream in(path, std::ios::binary);
  if (name.empty() || !in)
    throw LoadError("cannot open the station file " + path.string() + ": no such file");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  ReadStationBytes(bytes.str(), path.string(), record, notes, overflows);
}
