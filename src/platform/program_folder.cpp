#include "platform/program_folder.h"

#include <cstdlib>

#include "platform/load_error.h"

namespace fs = std::filesystem;

fs::path ProgramFolder::locate(const std::optional<std::string>& dataOption,
                               const fs::path& executable) {
  if (dataOption) return *dataOption;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  fs::path base =
      xdg && *xdg ? fs::path(xdg) : (home ? fs::path(home) / ".local/share" : fs::path());
  if (!base.empty() && fs::is_directory(base / "Tovarek２")) return base / "Tovarek２";
  return executable.parent_path() / ".." / "share" / "Tovarek２";
}

std::string ProgramFolder::relativePath(std::string_view folder, std::string_view name,
                                        std::string_view extension, std::string_view what) const {
  std::string n(name);
  for (char& c : n)
    if (c == '\\') c = '/';
  // A station file from anywhere must not make the program read outside its folder.
  bool escapes = !n.empty() && n.front() == '/';
  if (n.size() >= 2 && n[1] == ':') escapes = true;
  int depth = 0;
  size_t start = 0;
  while (start <= n.size()) {
    size_t end = n.find('/', start);
    if (end == std::string::npos) end = n.size();
    std::string_view part(n.data() + start, end - start);
    if (part == "..") {
      if (--depth < 0) escapes = true;
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
    start = end + 1;
  }
  if (escapes)
    throw LoadError("the name \"" + std::string(name) + "\" (" + std::string(what) +
                    ") leads outside the program folder");
  std::string rel;
  if (!folder.empty()) rel = std::string(folder) + "/";
  return rel + n + std::string(extension);
}

fs::path ProgramFolder::resolve(std::string_view relative) const {
  const fs::path exact = root_ / fs::path(std::string(relative));
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  fs::path current = root_;
  for (const auto& part : fs::path(std::string(relative))) {
    fs::path candidate = current / part;
    if (!fs::exists(candidate, ec)) {
      bool found = false;
      for (const auto& entry : fs::directory_iterator(current, ec)) {
        if (lower(entry.path().filename().string()) == lower(part.string())) {
          candidate = entry.path();
          found = true;
          break;
        }
      }
      if (!found) return exact;
    }
    current = candidate;
  }
  return current;
}
