#pragma once
// The program folder: the one directory that holds 駅ファイル/, 駅素材/, 駅サウンド/, 案内.wav
// and the front pictures, laid out as station packs expect. Names from station files are
// joined to its folders here, and only here: backslashes become '/', a name may not lead
// outside the program folder, and a file is found by exact name first, then by a
// case-insensitive match of each path component. Any thread; it holds no mutable state.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class ProgramFolder {
 public:
  // Errors name full paths, so a relative root is made absolute once, here.
  explicit ProgramFolder(const std::filesystem::path& root)
      : root_(std::filesystem::absolute(root)) {}

  // The folder to use: `dataOption` (--data DIR) if given, then $XDG_DATA_HOME/Tovarek２
  // (default ~/.local/share/Tovarek２) if it exists, then ../share/Tovarek２ beside the
  // executable.
  static std::filesystem::path locate(const std::optional<std::string>& dataOption,
                                      const std::filesystem::path& executable);

  const std::filesystem::path& root() const { return root_; }

  // The path, relative to the program folder with '/' separators, that a station-file
  // value names: folder + "/" + name + extension (folder may be empty for the program
  // folder itself). A name that would lead outside the program folder (an absolute path,
  // a drive letter, or ".." climbing out) throws LoadError naming `what` (for example
  // "train 7 arrivalSound, value 217") and the name.
  std::string relativePath(std::string_view folder, std::string_view name,
                           std::string_view extension, std::string_view what) const;

  // The file on disk for a relative path: exact match first, then each component matched
  // case-insensitively. When nothing matches, the exact path (which then fails to open).
  std::filesystem::path resolve(std::string_view relative) const;

  static constexpr std::string_view kStationFolder = "駅ファイル";
  static constexpr std::string_view kPictureFolder = "駅素材";
  static constexpr std::string_view kSoundFolder = "駅サウンド";
  static constexpr std::string_view kBoardSoundName = "案内";
  static constexpr std::string_view kOpenDoorSuffix = "開";

 private:
  std::filesystem::path root_;
};
