#pragma once
// A small station written to a temporary program folder, loaded through the start-up
// window and run pass by pass on the virtual clock, 25 ms apart as the runners pace them.
// UI thread only, like the station itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "engine/seconds_of_day.h"
#include "support/fixtures.h"
#include "support/station_fixture.h"

// The sample timetable with every train told apart on the boards: first cell "f<k>",
// destination "終点<k>" (board b's train j leaves at 08:00 + 10 min * j + 2 min * b).
inline StationRecord Timetable(const std::string& title = "テスト駅") {
  StationRecord r = SampleRecord(title);
  for (int k = 0; k < kTrainCount; ++k) r.trains[k].rowText = "f" + std::to_string(k);
  return r;
}

inline std::string TwoDigits(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(value));
  return text;
}

struct RunningLine : TestWindow {
  void write(const std::string& name, const StationRecord& r,
             const std::set<std::string>& skip = {}) {
    WriteStation(folder.path(), name, r, skip);
  }
  // Loads the station at a second of the day; the virtual clock then stands at it.
  bool loadAt(const std::string& name, int secondOfDay, int millisecond = 0) {
    clock.set(secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60, millisecond);
    main->startupWindow.選択_Click(name);
    return main->Form_Load();
  }
  void pass() {
    clock.advanceMs(Tovarek2::kPassIntervalMs);
    main->MainLoopPass();
  }
  void passes(int count) {
    for (int i = 0; i < count; ++i) pass();
  }
  int now() const { return clock.localTime().secondOfDay(); }
  double departure(int k) const { return secondsOfDay(main->record.trains[k].departureTime); }
  bool playing(VoiceId v) const { return sound.voices.at(v).playing; }

  // The requests made of one voice since the calls were last cleared.
  std::vector<std::string> callsOf(VoiceId v) const {
    std::vector<std::string> out;
    for (const auto& c : sound.calls)
      if (c.voice == v) out.push_back(c.op);
    return out;
  }

  // Row r of board b shows train k of the running station in every cell.
  bool showsTrain(int b, int r, int k) {
    Tovarek2& m = *main;
    const TrainEntry& t = m.record.trains[k];
    return m.hourCell(b, r).text == TwoDigits(t.departureTime.hours) &&
           m.minuteCell(b, r).text == TwoDigits(t.departureTime.minutes) &&
           m.firstCell(b, r).text == t.rowText && m.destinationCell(b, r).text == t.destination &&
           m.typeCell(b, r).picturePath == "駅素材/" + t.rowPictureName + ".bmp" &&
           m.typeCell(b, r).picture == m.trainBitmaps[k].row && m.typeCell(b, r).picture;
  }
  bool stripsHidden(int b, int r) {
    for (int i = 0; i < 10; ++i)
      if (main->coverStrip(b, r, i).visible) return false;
    return true;
  }
  // Moves whenever any cell or strip of the board row changes.
  std::uint64_t rowRevision(int b, int r) {
    Tovarek2& m = *main;
    std::uint64_t sum = m.hourCell(b, r).revision + m.minuteCell(b, r).revision +
                        m.firstCell(b, r).revision + m.destinationCell(b, r).revision +
                        m.typeCell(b, r).revision;
    for (int i = 0; i < 10; ++i) sum += m.coverStrip(b, r, i).revision;
    return sum;
  }
  // Every board cell, spare cell and strip.
  std::uint64_t boardsRevision() {
    Tovarek2& m = *main;
    std::uint64_t sum = 0;
    for (const auto& e : m.Text1) sum += e.revision;
    for (const auto& e : m.Text3) sum += e.revision;
    for (const auto& e : m.Text4) sum += e.revision;
    for (const auto& e : m.Text5) sum += e.revision;
    for (const auto& e : m.Picture5) sum += e.revision;
    for (const auto& e : m.Picture7) sum += e.revision;
    for (const auto* strips : {&m.Picture8, &m.Picture9, &m.Picture10, &m.Picture11, &m.Picture12})
      for (const auto& e : *strips) sum += e.revision;
    return sum;
  }
};
