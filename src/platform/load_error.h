#pragma once
// The one kind of failure a station load can have: a message for the person who must fix
// the station (it names the file and, where one is known, the station-file value).
#include <stdexcept>
#include <string>

class LoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
