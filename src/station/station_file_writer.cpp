#include "station/station_file_writer.h"

#include <iconv.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "station/station_file.h"

namespace {

// UTF-8 to code page 932; a character the code page lacks would come back as something
// else, so it is refused rather than written.
std::string toCp932(const std::string& utf8, int valueNumber) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error("cannot write a station file: no CP932 converter");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* o = out.data();
  size_t oLeft = out.size();
  const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1))
    throw std::invalid_argument("cannot write " + describeValue(valueNumber) + ": \"" + utf8 +
                                "\" has a character that code page 932 lacks");
  out.resize(out.size() - oLeft);
  return out;
}

class ValueWriter {
 public:
  // A text value goes in double quotes; the file has no escape for a quote inside one.
  void text(const std::string& s) {
    ++n_;
    if (s.find('"') != std::string::npos)
      throw std::invalid_argument("cannot write " + describeValue(n_) + ": \"" + s +
                                  "\" holds a double quote, which a station file cannot carry");
    line("\"" + toCp932(s, n_) + "\"");
  }
  // Shortest decimal text that reads back as the same double.
  void number(double d) {
    ++n_;
    if (!std::isfinite(d))
      throw std::invalid_argument("cannot write " + describeValue(n_) + ": not a finite number");
    char buffer[64];
    for (int precision = 1; precision <= 17; ++precision) {
      std::snprintf(buffer, sizeof buffer, "%.*g", precision, d);
      if (std::strtod(buffer, nullptr) == d) break;
    }
    line(buffer);
  }
  void integer(int i) {
    ++n_;
    if (i < -32768 || i > 32767)
      throw std::invalid_argument("cannot write " + describeValue(n_) + ": " + std::to_string(i) +
                                  " is outside -32768..32767");
    line(std::to_string(i));
  }
  void triple(const TimeTriple& t) {
    number(t.hours);
    number(t.minutes);
    number(t.seconds);
  }
  std::string finish() { return std::move(out_); }

 private:
  void line(const std::string& value) {
    out_ += value;
    out_ += "\r\n";
  }
  std::string out_;
  int n_ = 0;
};

}  // namespace

std::string WriteStationBytes(const StationRecord& r) {
  ValueWriter w;
  w.text(r.windowTitle);
  w.text(r.spareHeader);
  for (const auto& b : r.boardTitle) w.text(b);
  for (const auto& t : r.trains) {
    w.text(t.spare1);
    w.text(t.spare2);
    w.triple(t.entryTime);
    w.triple(t.arrivalTime);
    w.triple(t.departureTime);
    w.text(t.rowText);
    w.text(t.rowPictureName);
    w.text(t.destination);
    w.text(t.arrivalSound);
    w.text(t.preDepartureSound);
    w.text(t.approachSound);  // quoted, so a name like 007 keeps its zeros
    w.integer(t.approachOffset);
    w.text(t.bellSound);
    w.text(t.bellStopSound);
    w.text(t.pictureName);
    w.integer(t.hasOpenPicture);
    w.number(t.startOffset);
    w.number(t.spriteTop);
    w.number(t.spriteWidth);
    w.number(t.spriteHeight);
    w.number(t.topSpeed);
    w.number(t.doorsOpen);
  }
  w.text(r.spareText1);
  for (const auto& p : r.periods) {
    w.triple(p.periodStart);
    w.text(p.periodPicture);
    w.text(p.periodSound);
  }
  w.text(r.spareText2);
  w.text(r.frontPicture);
  w.number(r.frontLeft);
  w.number(r.frontTop);
  for (const auto& o : r.overlays) {
    w.text(o.overlaySpare);
    w.text(o.overlayPicture);
    w.number(o.overlayLeft);
    w.number(o.overlayTop);
    w.number(o.overlayWidth);
    w.number(o.overlayHeight);
  }
  return w.finish();
}
