#include "gui/command_line.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool endsWithNoCase(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) !=
        std::tolower(static_cast<unsigned char>(tail[i])))
      return false;
  return true;
}

std::optional<int> number(const std::string& s, int max) {
  if (s.empty() || s.size() > 2) return std::nullopt;
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < 0 || v > max) return std::nullopt;
  return v;
}

std::optional<double> seconds(const std::string& s) {
  if (s.empty()) return std::nullopt;
  std::size_t used = 0;
  double v = 0;
  try {
    v = std::stod(s, &used);
  } catch (...) {
    return std::nullopt;
  }
  if (used != s.size() || !std::isfinite(v) || v <= 0) return std::nullopt;
  return v;
}

}  // namespace

std::optional<int> parseTimeOfDay(const std::string& text) {
  std::vector<std::string> parts{""};
  for (char c : text) {
    if (c == ':')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  const auto h = number(parts[0], 23);
  const auto m = number(parts[1], 59);
  const auto s = parts.size() == 3 ? number(parts[2], 59) : std::optional<int>(0);
  if (!h || !m || !s) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

std::string stationFileName(const std::string& name) {
  return endsWithNoCase(name, ".csv") ? name : name + ".CSV";
}

CommandLineResult parseCommandLine(const std::vector<std::string>& args) {
  CommandLineResult r;
  auto fail = [&r](std::string message) {
    r.error = std::move(message);
    return r;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::optional<std::string> inlineValue;
    if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = option.substr(eq + 1);
      option.resize(eq);
    }
    if (option == "--help" || option == "-h") {
      r.options.help = true;
      continue;
    }
    if (option == "--version") {
      r.options.version = true;
      continue;
    }
    const bool takesValue = option == "--data" || option == "--station" || option == "--at" ||
                            option == "--snapshot" || option == "--quit-after";
    if (!takesValue) {
      if (option.rfind("-", 0) == 0) return fail("unknown option " + option);
      return fail("unexpected argument \"" + option + "\"");
    }
    std::string value;
    if (inlineValue) {
      value = *inlineValue;
    } else {
      if (i + 1 >= args.size()) return fail(option + " needs a value");
      value = args[++i];
    }
    if (option == "--data") {
      if (value.empty()) return fail("--data needs a folder");
      r.options.data = value;
    } else if (option == "--station") {
      if (value.empty()) return fail("--station needs a station name");
      r.options.station = value;
    } else if (option == "--at") {
      r.options.atSecondOfDay = parseTimeOfDay(value);
      if (!r.options.atSecondOfDay)
        return fail("--at wants a time of day HH:MM or HH:MM:SS, not \"" + value + "\"");
    } else if (option == "--snapshot") {
      if (!endsWithNoCase(value, ".png") || value.size() <= 4)
        return fail("--snapshot wants a file ending in .png, not \"" + value + "\"");
      r.options.snapshot = value;
    } else {
      r.options.quitAfterSeconds = seconds(value);
      if (!r.options.quitAfterSeconds)
        return fail("--quit-after wants a number of seconds above 0, not \"" + value + "\"");
    }
  }
  if (r.options.snapshot && !r.options.quitAfterSeconds)
    return fail(
        "--snapshot needs --quit-after SECONDS: the picture is taken when the program ends");
  return r;
}

std::string usageText() {
  return "usage: tovarek2 [--data DIR] [--station NAME] [--at HH:MM[:SS]]\n"
         "                [--snapshot FILE.png --quit-after SECONDS] [--help] [--version]\n"
         "  --data DIR          the program folder holding 駅ファイル, 駅素材 and 駅サウンド\n"
         "  --station NAME      load the station file NAME (.CSV added if missing) at once\n"
         "  --at HH:MM[:SS]     start the station clock at this time of day\n"
         "  --snapshot FILE.png save the main window's inside when --quit-after ends the run\n"
         "  --quit-after S      end the program after S seconds\n";
}
