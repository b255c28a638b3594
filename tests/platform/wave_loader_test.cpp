#include "platform/wave_loader.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/load_error.h"
#include "platform/wave_writer.h"
#include "support/fixtures.h"

namespace {

// Writes `frames` frames of `channels` channels through libsndfile; sample(frame, channel)
// gives each value in -1..1.
template <typename Sample>
void writeSound(const std::filesystem::path& path, int format, int rate, int channels, int frames,
                Sample sample) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  std::vector<float> data(static_cast<std::size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      data[static_cast<std::size_t>(i) * channels + c] = sample(i, c);
  EXPECT_EQ(sf_writef_float(file, data.data(), frames), frames);
  sf_close(file);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const LoadError& e) {
    return e.what();
  }
  return "(no error)";
}

// ADPCM lengths are whole blocks (1017 frames for mono IMA, 1018 for stereo MS), as the coder
// writes them.
struct FormatCase {
  const char* name;
  int format;
  int rate;
  int channels;
  int frames;
  int tolerance;  // in 16-bit steps, for lossy codings and rate conversion
};

// A slow sine at half scale, a different phase per channel.
float tone(int frame, int channel) {
  return 0.5f * std::sin(0.01f * static_cast<float>(frame) + static_cast<float>(channel));
}

TEST(WaveLoader, ConvertsEveryVariantToStereoAt22050KeepingTheLength) {
  const std::vector<FormatCase> cases = {
      {"16-bit stereo 22050 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, 1000, 1},
      {"8-bit mono 44100 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 44100, 1, 4410, 400},
      {"24-bit stereo 48000 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2, 4801, 60},
      {"32-bit stereo 11025 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 11025, 2, 1103, 60},
      {"float mono 22050 Hz", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 1, 500, 1},
      {"a-law mono 8000 Hz", SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 1, 800, 700},
      {"mu-law stereo 8000 Hz", SF_FORMAT_WAV | SF_FORMAT_ULAW, 8000, 2, 801, 700},
      {"IMA ADPCM mono 22050 Hz", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 22050, 1, 2034, 700},
      {"MS ADPCM stereo 22050 Hz", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 22050, 2, 2036, 700},
      {"extensible 16-bit stereo 44100 Hz", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 44100, 2, 4411, 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const auto path = folder.path() / "s.wav";
    writeSound(path, c.format, c.rate, c.channels, c.frames, tone);
    const auto sound = loadWave(path);
    const std::size_t want = static_cast<std::size_t>(
        std::llround(static_cast<double>(c.frames) * kSampleRate / c.rate));
    ASSERT_EQ(sound->frames(), want);
    // Away from the edges, where the converter settles, each frame is the tone at its time.
    for (std::size_t i = want / 8; i < want * 7 / 8; ++i) {
      const double t = static_cast<double>(i) * c.rate / kSampleRate;
      for (int ch = 0; ch < 2; ++ch) {
        const float v = 0.5f * static_cast<float>(std::sin(0.01 * t + (c.channels == 1 ? 0 : ch)));
        ASSERT_NEAR(sound->samples[2 * i + ch], v * 32768.0f, c.tolerance)
            << "frame " << i << " channel " << ch;
      }
    }
    // The same bytes decoded from memory give the same samples.
    EXPECT_EQ(decodeWave(readBytes(path), "s.wav")->samples, sound->samples);
  }
}

TEST(WaveLoader, SixteenBitStereoAt22050IsTakenExactly) {
  TempFolder folder;
  std::vector<std::int16_t> samples = {0, -32768, 32767, 1, -1, 1234, -4321, 77};
  writeWave(folder.path() / "exact.wav", samples);
  EXPECT_EQ(loadWave(folder.path() / "exact.wav")->samples, samples);
}

TEST(WaveLoader, MixesFurtherChannelsIntoBothSides) {
  TempFolder folder;
  // Four channels of constants: left 0.4, right -0.2, then 0.2 and 0.4 shared by both.
  const float level[4] = {0.4f, -0.2f, 0.2f, 0.4f};
  writeSound(folder.path() / "quad.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 4, 10,
             [&](int, int c) { return level[c]; });
  const auto sound = loadWave(folder.path() / "quad.wav");
  ASSERT_EQ(sound->frames(), 10u);
  const double shared = 0.5 * (0.2 + 0.4), scale = 1.0 / 2.0;
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_NEAR(sound->samples[2 * i], (0.4 + shared) * scale * 32768, 1);
    EXPECT_NEAR(sound->samples[2 * i + 1], (-0.2 + shared) * scale * 32768, 1);
  }
}

TEST(WaveLoader, RefusesWhatItCannotPlayNamingThePath) {
  struct RefusedCase {
    const char* name;
    int rate, channels, frames;
    const char* says;
  };
  const std::vector<RefusedCase> cases = {
      {"nine channels", 22050, 9, 10, "9 channels"},
      {"rate too low", 3999, 1, 10, "3999 Hz"},
      {"rate too high", 192001, 1, 10, "192001 Hz"},
      {"longer than ten minutes", 4000, 1, 4000 * 600 + 1, "longer than 10 minutes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const auto path = folder.path() / "bad.wav";
    writeSound(path, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, c.rate, c.channels, c.frames,
               [](int, int) { return 0.0f; });
    const std::string message = messageOf([&] { loadWave(path); });
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
  }
  {
    SCOPED_TRACE("exactly ten minutes is fine");
    TempFolder folder;
    writeSound(folder.path() / "ok.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 4000, 1, 4000 * 600,
               [](int, int) { return 0.0f; });
    EXPECT_EQ(loadWave(folder.path() / "ok.wav")->frames(), 22050u * 600);
  }
}

TEST(WaveLoader, MissingAndMalformedFilesAreErrorsNamingThem) {
  TempFolder folder;
  const auto missing = folder.path() / "駅サウンド" / "arr7.wav";
  EXPECT_NE(messageOf([&] { loadWave(missing); }).find(missing.string() + ": no such file"),
            std::string::npos);
  writeFile(folder.path() / "junk.wav", "RIFF\x10\0\0\0WAVEjunkjunk");
  const std::string junk = messageOf([&] { loadWave(folder.path() / "junk.wav"); });
  EXPECT_NE(junk.find((folder.path() / "junk.wav").string() + ": not a sound file"),
            std::string::npos)
      << junk;
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_NE(messageOf([&] { decodeWave(text, "mem.wav"); }).find("mem.wav: not a sound file"),
            std::string::npos);
  EXPECT_NE(messageOf([&] { decodeWave({}, "empty.wav"); }).find("empty.wav"), std::string::npos);
}

TEST(WaveLoader, AnEmptySoundHasNoFrames) {
  TempFolder folder;
  writeSound(folder.path() / "empty.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 0,
             [](int, int) { return 0.0f; });
  EXPECT_EQ(loadWave(folder.path() / "empty.wav")->frames(), 0u);
}

}  // namespace
