// Levels, drawings and pictures of one's own, checked by the game's own readers.
#include "browser/own_files.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string_view>

#include "formats/input_file.hpp"
#include "formats/output_file.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "world/level_drawing.hpp"
#include "world/level_file.hpp"

namespace quib {
namespace {

namespace fs = std::filesystem;

// The drawing of the largest level takes some 21 KB.
constexpr std::int64_t kLargestDrawing = std::int64_t{1} << 20;

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

std::string pictureList() {
  std::string list;
  for (const char* name : kPictureNames) {
    list += list.empty() ? name : std::string(", ") + name;
  }
  return list;
}

std::string copied(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  return error ? "cannot copy " + from.string() + " to " + to.string() + ": " + error.message()
               : std::string();
}

}  // namespace

std::string takeLevel(const std::string& path) {
  auto labmap = std::make_unique<Labmap>();
  const LevelRead level = readLevel(path, *labmap);
  if (level.ok()) {
    return {};
  }
  const FileBytes file = readWholeFile(path, kLargestDrawing);
  const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  if (!file.ok() || !looksLikeDrawing(text)) {
    return level.error;
  }
  const LevelRead drawn = readDrawing(text, path, *labmap);
  if (!drawn.ok()) {
    return drawn.error;
  }
  std::ostringstream levelText;
  writeLevel(levelText, *labmap, drawn.n);
  const std::string error = writeWholeFile(path, levelText.str());
  return error.empty() ? std::string() : "cannot write the level to " + path + ": " + error;
}

std::string takePicture(const std::string& path, const std::string& folder,
                        const std::string& shipped) {
  const std::string name = lowerCase(fs::path(path).filename().string());
  if (std::find(std::begin(kPictureNames), std::end(kPictureNames), name) ==
      std::end(kPictureNames)) {
    return "cannot load picture " + path + ": the game's pictures are " + pictureList();
  }
  try {
    loadPicture(path);
  } catch (const Failure& failure) {
    return failure.what();
  }
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    fs::create_directories(folder, error);
    if (error) {
      return "cannot make " + folder + ": " + error.message();
    }
    for (const char* picture : kPictureNames) {
      if (std::string failed = copied(fs::path(shipped) / picture, fs::path(folder) / picture);
          !failed.empty()) {
        return failed;
      }
    }
  }
  return copied(path, fs::path(folder) / name);
}

}  // namespace quib
