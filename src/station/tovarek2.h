#pragma once
// The main window object: the whole running station. It owns the station record, the 32
// train motions, the 16 board-row flap states, every window element of the main window
// (positions in twips, drawing in pixels), every voice and every decoded picture. Its
// methods keep the names the station's behaviour gives them and are defined in the folder
// of their subsystem (station/, engine/, boards/, clock/). UI thread only; no call blocks.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "boards/row_flap_state.h"
#include "clock/settings_window.h"
#include "engine/train_motion.h"
#include "platform/clock.h"
#include "platform/elements.h"
#include "platform/program_folder.h"
#include "platform/sound_output.h"
#include "platform/surface.h"
#include "platform/window_system.h"
#include "station/startup_window.h"
#include "station/station_record.h"

// The five voices of one train.
struct TrainVoices {
  VoiceId arrivalSound = kNoVoice;
  VoiceId preDepartureSound = kNoVoice;
  VoiceId approachSound = kNoVoice;
  VoiceId bellSound = kNoVoice;
  VoiceId bellStopSound = kNoVoice;
};

// The bitmaps a train can show, decoded at load; null where the station has none.
struct TrainBitmaps {
  std::shared_ptr<const Surface> closed;
  std::shared_ptr<const Surface> open;
  std::shared_ptr<const Surface> row;  // the type cell's picture
};

// One voice of the station, as the load creates them: for the simulator's sound events.
struct VoiceRole {
  VoiceId voice = kNoVoice;
  const char* field = "";  // "arrivalSound", "periodSound", "boardSound", ...
  int train = -1;          // for train voices
  int period = -1;         // for period voices
};

class Tovarek2 {
 public:
  Tovarek2(Clock& clock, SoundOutput& sound, WindowSystem& windows, ProgramFolder folder);

  // ---- Window design sizes -------------------------------------------------------------
  static constexpr int kInsideWidth = 909;   // pixels, 13635 twips
  static constexpr int kInsideHeight = 573;  // pixels, 8595 twips
  static constexpr int kTrackWidth = 1600;   // the track picture is wider than the window
  static constexpr int kPassIntervalMs = 25;
  static constexpr int kTickIntervalMs = 300;
  static constexpr std::uint32_t kBackColour = 0xF0F0F0;  // 0xBBGGRR, RGB(240, 240, 240)

  // ---- The station ---------------------------------------------------------------------
  Clock& clock;
  SoundOutput& sound;
  WindowSystem& windows;
  ProgramFolder programFolder;

  StationRecord record;
  std::array<TrainMotion, kTrainCount> motion;
  std::array<RowFlapState, 16> flaps;  // index 4 * board + row; never reset
  std::array<double, kTrainCount> departureAge{};
  std::int32_t lastPassTick = 0;
  std::uint64_t passes = 0;  // every pass since the program started
  double loadSecond = 0;
  double loadMinute = 0;
  std::string loadedStation;  // the bare name of the station file now running
  std::uint64_t loads = 0;    // stations loaded successfully since the program started

  // Voices of the station now running, and the decoded pictures it can show.
  std::array<TrainVoices, kTrainCount> trainVoices;
  std::array<VoiceId, 3> periodVoices{kNoVoice, kNoVoice, kNoVoice};
  VoiceId boardSound = kNoVoice;
  std::vector<VoiceRole> voiceRoles;  // in the order the load creates them
  std::array<TrainBitmaps, kTrainCount> trainBitmaps;
  std::array<std::shared_ptr<const Surface>, 3> periodBitmaps;
  std::array<std::string, 3> periodPicturePaths;
  std::map<std::string, std::shared_ptr<const Surface>> bitmaps;  // by relative path

  // Whole seconds added to the clock's time of day (the settings window's "時間").
  std::int64_t clockOffsetSeconds = 0;

  // ---- Windows -------------------------------------------------------------------------
  WindowState mainWindowState = WindowState::Unloaded;
  std::string title;  // the main window's title
  std::uint64_t titleRevision = 0;
  StartupWindow startupWindow;
  SettingsWindow settingsWindow;
  bool ended = false;  // the program has been told to end
  int exitStatus = 0;

  // ---- Main window elements (twips, relative to their container) ------------------------
  std::array<TextElement, 128> Text1;        // board cells, colons, "行", spare cells
  std::array<TextElement, 4> Text2;          // board titles
  std::array<TextElement, 16> Text3;         // destinations of boards 0, 1 and their spares
  std::array<TextElement, 32> Text4;         // small cells; 0-7 get board 0's destinations
  std::array<TextElement, 16> Text5;         // destinations of boards 2, 3 and their spares
  std::array<PictureElement, 41> Picture1;   // 0 track picture, 1 front, 2 period, trains, overlays
  std::array<PictureElement, 4> Picture2;    // bell panels
  PictureElement Picture3;                   // the lower panel
  std::array<PictureElement, 4> Picture4;    // board panels
  std::array<PictureElement, 16> Picture5;   // type cells of boards 0, 1 and spares
  std::array<PictureElement, 16> Picture7;   // type cells of boards 2, 3 and spares
  std::array<PictureElement, 32> Picture8;   // cover strips over the type cells
  std::array<PictureElement, 32> Picture9;   // over the first cells
  std::array<PictureElement, 32> Picture10;  // over the hour cells
  std::array<PictureElement, 32> Picture11;  // over the minute cells
  std::array<PictureElement, 32> Picture12;  // over the destination cells
  PictureElement Picture38;                  // digital clock panel
  LabelElement AcumeJiLabel, AcumeFunLabel, AcumeByoLabel, Label1, Label6;
  std::array<ButtonElement, 8> Command;  // Command[0] is Command1 (board 0 start) ...
  std::array<MenuEntry, 6> menu;         // IDMFille, IDMNew, IDMExit, IDMSet, IDMSet2, Chang

  // The off-screen station view drawn every pass (Picture1(0)), and the window's own
  // drawing surface it is presented on.
  Surface trackPicture;
  Surface windowSurface;
  std::uint64_t windowSurfaceRevision = 0;

  // ---- Time (engine/) --------------------------------------------------------------------
  // One reading of the station clock: the clock's time of day plus the offset.
  LocalTime stationTime() const;
  // The current second of the day, 0..86399, from one reading.
  double currentSecond() const;

  // ---- Load and start (station/) ---------------------------------------------------------
  // Loads the start-up window's chosen station and starts it: trains placed, boards set
  // for the load's minute, title, window shown; the runners then run the passes. Returns
  // false when the load failed: the running station, if any, is untouched, the error has
  // gone to the window system, and for a first load the program has been told to end
  // with status 1.
  bool Form_Load();
  // The chosen name is loaded; returns the error message instead of reporting it.
  std::optional<std::string> loadStation(const std::string& name);

  // ---- Timetable engine (engine/) --------------------------------------------------------
  // Train k's element shows its closed (open) bitmap; without that bitmap it keeps what it
  // shows. Asking for the bitmap it already shows costs nothing.
  void setClosedPicture(int k);
  void setOpenPicture(int k);
  // The picture of a train at the platform: closed for doorsOpen 0, open for 1, else as is.
  void setDoorPicture(int k);
  void HomeTrains();
  void MeasureSinceEntry();
  void PlaceRunningTrains(double s);
  void PlaceStandingTrains();
  void PlaceDepartedTrains();
  // The five placement steps in order, step 3 with the load's snapshot.
  void PlaceTrains();
  void MoveTrainsFirstHalf();
  void MoveTrainsSecondHalf();
  void moveTrain(int k, double s);

  // ---- Boards, pass and picture (boards/) ------------------------------------------------
  void CreateElements();  // every element of the main window at its design place
  void PlaceRow(int b, int r, int k);
  void FillBoard(int b, int j);
  void AnimateRow(int b, int r);
  void WriteBoardTexts();                      // step 8 of the load: titles, rows and spare cells
  void SetBoardsForTime(double minuteOfLoad);  // step 10 of the start
  void ComposeTrackPicture();
  // One pass of the main loop after its pacing: one `now`, motion, board triggers,
  // day period, clear, compose. The runner paces it and keeps lastPassTick.
  void MainLoopPass();
  // No pass may start while the modal settings window is open.
  bool passesHeld() const { return settingsWindow.isOpen(); }
  bool stationRunning() const { return mainWindowState != WindowState::Unloaded; }

  // Cell addressing of a board row (element numbers of the layout). Rows 4 to 7 of the
  // hour, minute, first, destination and type cells are the spare cells of trains 8b + 4
  // to 8b + 7 (not the colons, "行" or strips, which only the four rows have).
  TextElement& hourCell(int b, int r);
  TextElement& minuteCell(int b, int r);
  TextElement& firstCell(int b, int r);
  TextElement& destinationCell(int b, int r);
  PictureElement& typeCell(int b, int r);
  TextElement& colonCell(int b, int r);
  TextElement& rowLabelCell(int b, int r);  // the "行" after the destination
  // Strip i (0..9: Picture8 upper, lower, Picture9 upper, ... Picture12 lower) of a row.
  PictureElement& coverStrip(int b, int r, int i);

  // The load's type pictures of the board rows and spare cells: Picture5(j) shows train j,
  // Picture7(j) train 16 + j, from the bitmaps the load decoded.
  void SetBoardPictures();

  // ---- Clock, bells, menus (clock/) -----------------------------------------------------
  void TMC_Timer();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void ringBells(int b);
  void stopBells(int b);
  void IDMNew_Click();
  void IDMExit_Click();
  void IDMSet2_Click();
  void Chang_Click();
  void Form_QueryUnload();
  // "時間" of the settings window: the station clock now reads this time of day, and the
  // station is set up for it as a load would, without reading any file.
  void setStationTime(int hour, int minute, int second);

  // The program ends at once with this status.
  void endProgram(int status);
  void setWindowState(WindowId window, WindowState state);
};
