// Opening a file the game reads, and saying in words why it cannot be.
#pragma once

#include <fstream>
#include <string>

namespace quib {

// Opens `path` for reading in binary; returns the reason it cannot (the system's words, as
// "No such file or directory" or "Is a directory"), or nothing when it is open.
std::string openForReading(const std::string& path, std::ifstream& in);

}  // namespace quib
