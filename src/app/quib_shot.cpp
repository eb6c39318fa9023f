// quib-shot: runs the game's start-up and keys headless and writes what the window shows.
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_frame.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "platform/text.hpp"
#include "ui/game_sources.hpp"
#include "ui/game_window.hpp"
#include "ui/start_screen.hpp"
#include "world/input_file.hpp"
#include "world/key_codes.hpp"
#include "world/message.hpp"
#include "world/output_file.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quib-shot [--game DIR] [--level FILE] [--pictures DIR]\n"
    "                 [--keys K,K,... | --keys-file FILE] --out FILE.png\n"
    "       quib-shot --start-screen --out FILE.png\n";

// Virtual-key codes run from 1 to this.
constexpr int kLastKeyCode = 254;

std::optional<std::int16_t> keyCodeOf(std::string_view text) {
  int code = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || code < 1 ||
      code > kLastKeyCode) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(code);
}

// Decimal virtual-key codes, comma separated; Escape would end the game, so it is refused.
std::vector<std::int16_t> parseKeys(std::string_view list) {
  std::vector<std::int16_t> keys;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    const auto code = keyCodeOf(item);
    if (!code) {
      throw quib::Failure("--keys: " + quib::quoted(std::string(item)) +
                          " is not a virtual-key code (1 to 254)");
    }
    if (*code == quib::vk::kEscape) {
      throw quib::Failure("--keys: Escape (27) ends the game and cannot be shot");
    }
    keys.push_back(*code);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return keys;
}

// A record made by quib --record: a code a line. An Escape ends the game, and the replay
// with it; what follows is never reached.
std::vector<std::int16_t> readKeysFile(const std::string& path) {
  constexpr std::int64_t kLargestRecord = std::int64_t{16} << 20;
  const quib::FileBytes file = quib::readWholeFile(path, kLargestRecord);
  if (!file.ok()) {
    throw quib::Failure("cannot read the keys file " + path + ": " + file.error);
  }
  std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  std::vector<std::int16_t> keys;
  for (int line = 1; !text.empty() && (keys.empty() || keys.back() != quib::vk::kEscape); ++line) {
    const std::size_t end = text.find('\n');
    std::string_view item = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    while (!item.empty() && (item.back() == '\r' || item.back() == ' ' || item.back() == '\t')) {
      item.remove_suffix(1);
    }
    while (!item.empty() && (item.front() == ' ' || item.front() == '\t')) {
      item.remove_prefix(1);
    }
    if (item.empty()) {
      continue;
    }
    const auto code = keyCodeOf(item);
    if (!code) {
      throw quib::Failure(path + ":" + std::to_string(line) + ": " +
                          quib::quoted(std::string(item)) +
                          " is not a virtual-key code (1 to 254)");
    }
    keys.push_back(*code);
  }
  return keys;
}

struct Options {
  quib::GameSources sources;
  std::optional<std::string> keyList;
  std::optional<std::string> keysFile;
  std::string out;
  bool startScreen = false;
};

bool takeFlag(std::string_view flag, const char* value, Options& options) {
  if (flag == "--keys") {
    options.keyList = value;
  } else if (flag == "--keys-file") {
    options.keysFile = value;
  } else if (flag == "--out") {
    options.out = value;
  } else {
    return quib::takeSourceFlag(flag, value, options.sources);
  }
  return true;
}

// The command line's options; nothing when it is not a valid command line.
std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int a = 1; a < argc; ++a) {
    const std::string_view flag = argv[a];
    if (flag == "--start-screen") {
      options.startScreen = true;
    } else if (a + 1 >= argc || !takeFlag(flag, argv[++a], options)) {
      return std::nullopt;
    }
  }
  const bool gameOptions = options.sources.gameDir || options.sources.level ||
                           options.sources.pictures || options.keyList || options.keysFile;
  if (options.out.empty() || (options.startScreen && gameOptions) ||
      (options.keyList && options.keysFile)) {
    return std::nullopt;
  }
  return options;
}

// Runs the game's start-up and keys and writes the client area; throws Failure.
void shoot(const Options& options) {
  // Opened first, so that a place that cannot take the picture is refused before the game runs;
  // its folder is held open, so entering the game's folder moves nothing.
  quib::OutputFile out(options.out);
  if (!out.ok()) {
    throw quib::Failure("cannot write picture " + options.out + ": " + out.error());
  }
  if (options.startScreen) {
    const quib::Font font;
    quib::writePng(quib::StartScreen(font).picture(), out, options.out);
    return;
  }
  const std::vector<std::int16_t> keys =
      options.keysFile ? readKeysFile(*options.keysFile) : parseKeys(options.keyList.value_or(""));
  const quib::GameFiles files = quib::enterGame(options.sources);
  const quib::Font font;
  quib::GameWindow game(font);
  game.Form_Load(files);
  for (const std::int16_t key : keys) {
    // Escape ends the game: the picture is the one shown while its sound plays.
    if (game.keyDown(key) == quib::KeyAction::kEndProgram) {
      break;
    }
  }
  quib::writePng(game.clientArea(), out, options.out);
}

}  // namespace

int main(int argc, char** argv) {
  return quib::mainFrame(
      argc, argv, kUsage, parseOptions,
      [](const Options& options) {
        shoot(options);
        return 0;
      },
      [](const char* line) { quib::sayLine("quib-shot", line); });
}
