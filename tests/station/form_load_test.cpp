#include <gtest/gtest.h>

#include <algorithm>

#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

struct LoadedStation : TestWindow {
  void write(const std::string& name, const StationRecord& r,
             const std::set<std::string>& skip = {}) {
    WriteStation(folder.path(), name, r, skip);
  }
  bool load(const std::string& name) {
    main->startupWindow.選択_Click(name);
    return main->Form_Load();
  }
  int liveVoices() const {
    return static_cast<int>(std::count_if(sound.voices.begin(), sound.voices.end(),
                                          [](const auto& v) { return !v.removed; }));
  }
};

}  // namespace

TEST(FormLoad, LoadsEverySoundAndPictureAndShowsTheWindow) {
  LoadedStation s;
  s.write("a.CSV", SampleRecord("南町"));
  s.clock.set(7, 0, 0);
  ASSERT_TRUE(s.load("a.CSV"));
  Tovarek2& m = *s.main;
  EXPECT_EQ(m.title, "南町");
  EXPECT_EQ(m.mainWindowState, WindowState::Shown);
  EXPECT_EQ(s.liveVoices(), 164);
  ASSERT_EQ(m.voiceRoles.size(), 164u);
  // Voices are made arrival, pre-departure per train of boards 0 and 1, then their
  // approach sounds, then the same for boards 2 and 3, the periods, the board, the bells.
  EXPECT_STREQ(m.voiceRoles[0].field, "arrivalSound");
  EXPECT_STREQ(m.voiceRoles[1].field, "preDepartureSound");
  EXPECT_EQ(m.voiceRoles[32].train, 0);
  EXPECT_STREQ(m.voiceRoles[32].field, "approachSound");
  EXPECT_EQ(m.voiceRoles[48].train, 16);
  EXPECT_EQ(m.voiceRoles[96].period, 0);
  EXPECT_STREQ(m.voiceRoles[99].field, "boardSound");
  EXPECT_STREQ(m.voiceRoles[163].field, "bellStopSound");
  EXPECT_EQ(m.voiceRoles[163].train, 31);
  // One file, one decoding: every arrival voice shares its samples.
  EXPECT_EQ(s.sound.voices[m.trainVoices[0].arrivalSound].sound,
            s.sound.voices[m.trainVoices[31].arrivalSound].sound);
  EXPECT_NE(s.sound.voices[m.trainVoices[0].arrivalSound].sound,
            s.sound.voices[m.trainVoices[0].preDepartureSound].sound);
  // Pictures: front, period 0 whatever the time, closed trains, rows, door paths.
  EXPECT_EQ(m.Picture1[1].picturePath, "front.bmp");
  EXPECT_EQ(m.Picture1[2].picturePath, "駅素材/morning.bmp");
  EXPECT_EQ(m.Picture1[8].picturePath, "駅素材/overlay0.bmp");
  EXPECT_EQ(m.Picture1[7].picturePath, "駅素材/overlay4.bmp");
  EXPECT_EQ(m.Picture1[9].sizedWidth, 1600);
  EXPECT_EQ(m.Picture5[2].picturePath, "駅素材/type2.bmp");
  EXPECT_EQ(m.Picture7[0].picturePath, "駅素材/type1.bmp");  // train 16
  EXPECT_EQ(m.record.trains[0].openPicture, "駅素材/train0開.bmp");
  EXPECT_EQ(m.record.trains[1].openPicture, "");
  EXPECT_EQ(m.record.trains[1].closedPicture, "駅素材/train1.bmp");
  // Before any departure the boards show their first four trains.
  EXPECT_EQ(m.Text2[1].text, "2番線");
  EXPECT_EQ(m.Text1[0].text, "08");
  EXPECT_EQ(m.Text1[1].text, "00");
  EXPECT_EQ(m.Text3[0].text, "終点0");
  EXPECT_TRUE(s.windows.errors.empty());
}

TEST(FormLoad, FailuresNameTheFileAndTheValue) {
  struct Case {
    const char* what;
    std::set<std::string> skip;
    void (*edit)(StationRecord&);
    const char* expected;  // part of the message
  };
  const Case cases[] = {
      {"missing arrival sound", {"駅サウンド/arrive.wav"}, nullptr, "train 0 arrivalSound"},
      {"missing board sound", {"案内.wav"}, nullptr, "案内.wav"},
      {"missing open picture", {"駅素材/train2開.bmp"}, nullptr, "train 2 pictureName"},
      {"missing night picture", {"駅素材/night.bmp"}, nullptr, "period 2 periodPicture"},
      {"missing type picture", {"駅素材/type1.bmp"}, nullptr, "train 1 rowPictureName"},
      {"name leaving the folder",
       {},
       [](StationRecord& r) { r.trains[5].bellSound = "..\\..\\..\\etc\\passwd"; },
       "train 5 bellSound"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadedStation s;
    StationRecord r = SampleRecord();
    if (c.edit) c.edit(r);
    s.write("a.CSV", r, c.skip);
    EXPECT_FALSE(s.load("a.CSV"));
    ASSERT_EQ(s.windows.errors.size(), 1u);
    EXPECT_NE(s.windows.errors[0].find(c.expected), std::string::npos) << s.windows.errors[0];
    // A first load that fails ends the program before the window is shown.
    EXPECT_EQ(s.windows.endStatus, std::vector<int>{1});
    EXPECT_EQ(s.main->mainWindowState, WindowState::Unloaded);
    EXPECT_EQ(s.liveVoices(), 0);
  }
}

TEST(FormLoad, NoFileChosenFailsTheLoad) {
  LoadedStation s;
  EXPECT_FALSE(s.main->Form_Load());
  ASSERT_EQ(s.windows.errors.size(), 1u);
  EXPECT_EQ(s.windows.endStatus, std::vector<int>{1});
}

TEST(FormLoad, AFailedReloadLeavesTheRunningStationUntouched) {
  LoadedStation s;
  s.write("a.CSV", SampleRecord("一番駅"));
  StationRecord b = SampleRecord("二番駅");
  b.trains[3].pictureName = "gone";
  s.write("b.CSV", b, {"駅素材/gone.bmp"});
  ASSERT_TRUE(s.load("a.CSV"));
  const auto voices = s.main->voiceRoles.size();
  const auto firstVoice = s.main->voiceRoles[0].voice;
  EXPECT_FALSE(s.load("b.CSV"));
  EXPECT_EQ(s.main->title, "一番駅");
  EXPECT_EQ(s.main->record.windowTitle, "一番駅");
  EXPECT_EQ(s.main->voiceRoles.size(), voices);
  EXPECT_EQ(s.main->voiceRoles[0].voice, firstVoice);
  EXPECT_EQ(s.liveVoices(), 164);
  EXPECT_TRUE(s.windows.endStatus.empty());
  EXPECT_EQ(s.main->loadedStation, "a.CSV");
}

TEST(FormLoad, AReloadSilencesTheOldStationAndTakesTheNewOne) {
  LoadedStation s;
  StationRecord a = SampleRecord("一番駅");
  a.trains[4].hasOpenPicture = 1;
  StationRecord b = SampleRecord("二番駅");
  b.trains[4].hasOpenPicture = 2;  // neither 0 nor 1: no open picture, not the old one
  b.boardTitle[0] = "5番線";
  s.write("a.CSV", a);
  s.write("b.CSV", b);
  ASSERT_TRUE(s.load("a.CSV"));
  EXPECT_EQ(s.main->record.trains[4].openPicture, "駅素材/train0開.bmp");
  const VoiceId oldPeriod = s.main->periodVoices[0];
  s.sound.play(oldPeriod, kPlayLooping);
  s.sound.calls.clear();
  ASSERT_TRUE(s.load("b.CSV"));
  EXPECT_EQ(s.main->title, "二番駅");
  EXPECT_EQ(s.main->Text2[0].text, "5番線");
  EXPECT_EQ(s.main->record.trains[4].openPicture, "");
  EXPECT_EQ(s.main->record.trains[4].closedPicture, "駅素材/train0.bmp");
  EXPECT_FALSE(s.sound.isPlaying(oldPeriod));
  EXPECT_EQ(s.liveVoices(), 164);
  ASSERT_FALSE(s.sound.calls.empty());
  EXPECT_EQ(s.sound.calls[0].op, "stop");
  EXPECT_EQ(s.sound.calls[0].voice, oldPeriod);
}
