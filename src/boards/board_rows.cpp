// Writing trains into board rows: the load's direct writes, PlaceRow, FillBoard and the
// boards' place in their rings at the moment of a load.
#include <string>

#include "boards/whole_number.h"
#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

namespace {

bool validRow(int b, int r) {
  return b >= 0 && b < kBoardCount && r >= 0 && r < 4;
}
bool validTrain(int k) {
  return k >= 0 && k < kTrainCount;
}

std::string rowPicturePath(const TrainEntry& t) {
  return "駅素材/" + t.rowPictureName + ".bmp";
}

// The type picture of train k as the load decoded it; a steady pass builds no path when the
// load has filled trainBitmaps.
std::shared_ptr<const Surface> rowBitmap(const Tovarek2& w, int k) {
  if (w.trainBitmaps[k].row) return w.trainBitmaps[k].row;
  const auto found = w.bitmaps.find(rowPicturePath(w.record.trains[k]));
  return found == w.bitmaps.end() ? nullptr : found->second;
}

void showRowPicture(Tovarek2& w, PictureElement& cell, int k) {
  auto bitmap = rowBitmap(w, k);
  if (bitmap && bitmap != cell.picture)
    cell.setPicture(rowPicturePath(w.record.trains[k]), std::move(bitmap));
}

// Steps 1 to 5 of a placement: the train's texts and its type picture.
void writeRow(Tovarek2& w, int b, int r, int k) {
  const TrainEntry& t = w.record.trains[k];
  w.hourCell(b, r).setText(formatWhole(t.departureTime.hours, 2));
  w.minuteCell(b, r).setText(formatWhole(t.departureTime.minutes, 2));
  w.firstCell(b, r).setText(t.rowText);
  w.destinationCell(b, r).setText(t.destination);
  showRowPicture(w, w.typeCell(b, r), k);
}

// Departure hour and minute without the seconds: what the boards go by at a load.
double departureMinute(const TrainEntry& t) {
  return secondsOfDay(t.departureTime.hours, t.departureTime.minutes, 0);
}

}  // namespace

void Tovarek2::PlaceRow(int b, int r, int k) {
  if (!validRow(b, r) || !validTrain(k)) return;
  writeRow(*this, b, r, k);
  for (int i = 0; i < 10; ++i) coverStrip(b, r, i).setVisible(false);
}

void Tovarek2::FillBoard(int b, int j) {
  if (!validRow(b, 0) || j < 0 || j >= kTrainsPerBoard) return;
  for (int r = 0; r < 4; ++r)
    writeRow(*this, b, r, b * kTrainsPerBoard + (j + 1 + r) % kTrainsPerBoard);
}

void Tovarek2::WriteBoardTexts() {
  for (int b = 0; b < kBoardCount; ++b) Text2[b].setText(record.boardTitle[b]);
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = record.trains[k];
    const int b = boardOf(k);
    const int j = k % kTrainsPerBoard;
    // Places 0 to 3 land in the board's rows, 4 to 7 in the spare cells beside the boards.
    hourCell(b, j).setText(formatWhole(t.departureTime.hours, 2));
    minuteCell(b, j).setText(formatWhole(t.departureTime.minutes, 2));
    firstCell(b, j).setText(t.rowText);
    destinationCell(b, j).setText(t.destination);
    if (k < 8) Text4[k].setText(t.destination);
  }
}

void Tovarek2::SetBoardPictures() {
  for (int j = 0; j < 16; ++j) {
    showRowPicture(*this, Picture5[j], j);
    showRowPicture(*this, Picture7[j], 16 + j);
  }
}

void Tovarek2::SetBoardsForTime(double minuteOfLoad) {
  // A board stands after train j when that train left at least a minute ago and the next
  // one has not yet reached its minute; when several places match, the last one decides.
  for (int b = 0; b < kBoardCount; ++b) {
    for (int j = 0; j < kTrainsPerBoard; ++j) {
      const int k = b * kTrainsPerBoard + j;
      const int n = ringSuccessor(k, 1);
      if (departureMinute(record.trains[k]) + 60 <= minuteOfLoad &&
          minuteOfLoad <= departureMinute(record.trains[n]))
        FillBoard(b, j);
    }
  }
}
