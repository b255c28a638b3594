#pragma once
// A main window with small, distinct door bitmaps for every train and helpers that give a
// train its times in seconds of day. Times are written (0, 0, s), which the timetable reads
// as s seconds of the day. UI thread only, as the window itself.
#include <cstdint>
#include <memory>

#include "engine/train_motion.h"
#include "platform/surface.h"
#include "support/fixtures.h"

inline std::shared_ptr<const Surface> tinyBitmap(std::uint32_t colour) {
  return std::make_shared<const Surface>(4, 2, colour);
}

struct EngineWindow : TestWindow {
  EngineWindow() {
    for (int k = 0; k < kTrainCount; ++k) {
      TrainEntry& t = main->record.trains[k];
      t.closedPicture = "駅素材/train" + std::to_string(k) + ".bmp";
      t.openPicture = "駅素材/train" + std::to_string(k) + "開.bmp";
      main->trainBitmaps[k].closed = tinyBitmap(0x100000 + static_cast<std::uint32_t>(k));
      main->trainBitmaps[k].open = tinyBitmap(0x200000 + static_cast<std::uint32_t>(k));
      // Every train far off in the night unless a test gives it a timeline.
      setTimes(k, 90000, 90100, 90200);
      // As the load leaves it: every train shows its closed picture.
      main->setClosedPicture(k);
    }
  }

  TrainEntry& train(int k) { return main->record.trains[k]; }
  TrainMotion& motion(int k) { return main->motion[k]; }
  PictureElement& element(int k) { return main->Picture1[trainPictureElement(k)]; }
  const Surface* shown(int k) { return element(k).picture.get(); }
  const Surface* closed(int k) { return main->trainBitmaps[k].closed.get(); }
  const Surface* open(int k) { return main->trainBitmaps[k].open.get(); }

  void setTimes(int k, double t1, double t2, double t3) {
    train(k).entryTime = {0, 0, t1};
    train(k).arrivalTime = {0, 0, t2};
    train(k).departureTime = {0, 0, t3};
  }
  // The clock at a second of the day, at the start of that second.
  void at(double second) { clock.set(0, 0, static_cast<int>(second)); }
  void pass() {
    main->MoveTrainsFirstHalf();
    main->MoveTrainsSecondHalf();
  }
};
