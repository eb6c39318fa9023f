// quib-shot: runs the game's start-up and keys headless and writes what the window shows.
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_frame.hpp"
#include "formats/input_file.hpp"
#include "formats/message.hpp"
#include "formats/output_file.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "platform/text.hpp"
#include "ui/game_sources.hpp"
#include "ui/game_window.hpp"
#include "ui/start_screen.hpp"
#include "world/key_codes.hpp"

namespace {

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

// A record made by quib --record: a code a line. An Escape ended the game, and ends the replay
// with it: it is left out unless `withEscape`, so that the picture is the last frame the player
// saw, plan and all, not the one shown while the chime plays. What follows it is never reached.
std::vector<std::int16_t> readKeysFile(const std::string& path, bool withEscape) {
  constexpr std::int64_t kLargestRecord = std::int64_t{16} << 20;
  const quib::FileBytes file = quib::readWholeFile(path, kLargestRecord);
  if (!file.ok()) {
    throw quib::Failure("cannot read the keys file " + path + ": " + file.error);
  }
  std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  std::vector<std::int16_t> keys;
  for (int line = 1; !text.empty(); ++line) {
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
    if (*code == quib::vk::kEscape) {
      if (withEscape) {
        keys.push_back(*code);
      }
      break;
    }
    keys.push_back(*code);
  }
  return keys;
}

constexpr std::array<quib::Option, 5> kOwnOptions = {{
    {"--keys", "K,K,...", "key codes",
     "the keys to press: decimal virtual-key codes, comma separated:\n"
     "38 Up, 40 Down, 37 Left, 39 Right, 100 and 102 turn, 104 and 98\n"
     "raise and lower the eye, 32 Space; Escape (27) is refused"},
    {"--keys-file", "FILE", "a file",
     "the keys of a record (quib --record), a code a line; the replay\n"
     "stops before an Escape: the picture is the last frame the game showed"},
    {"--with-escape", "", "",
     "with --keys-file: press the recorded Escape too; the picture is what\n"
     "the window shows while the chime plays (code 27, the plan wiped)"},
    {"--out", "FILE.png", "a file", "where to write the picture (always needed)"},
    {"--start-screen", "", "", "picture the start screen instead (with --out alone)"},
}};
constexpr auto kOptions = quib::joined(quib::kSourceOptions, kOwnOptions);

constexpr quib::ProgramText kProgram = {
    "quib-shot",
    QUIB_VERSION,
    "usage: quib-shot [--game DIR] [--level FILE] [--pictures DIR]\n"
    "                 [--keys K,K,... | --keys-file FILE [--with-escape]] --out FILE.png\n"
    "       quib-shot --start-screen --out FILE.png\n",
    "Runs the game's start-up and the given keys without a display, and writes what the game\n"
    "window shows, at its natural size, as a PNG picture: a level's preview, or the picture\n"
    "of a bug. Until the first key the view shows only its backdrop.\n",
    kOptions,
    "  quib-shot --keys 38,38,100 --out look.png              two steps, a left turn\n"
    "  quib-shot --level room.dat --keys 32 --out room.png    the first frame of a level\n"
    "  quib-shot --level room.dat --keys-file keys.txt --out fault.png\n"
    "                                                         replay a record\n",
};

struct Options {
  quib::GameSources sources;
  std::optional<std::string> keyList;
  std::optional<std::string> keysFile;
  std::string out;
  bool startScreen = false;
  bool withEscape = false;
};

std::string takeOption(std::string_view flag, std::string_view value, Options& options) {
  if (flag == "--keys") {
    options.keyList = std::string(value);
  } else if (flag == "--keys-file") {
    options.keysFile = std::string(value);
  } else if (flag == "--with-escape") {
    options.withEscape = true;
  } else if (flag == "--out") {
    options.out = std::string(value);
  } else {
    options.startScreen = true;
  }
  return {};
}

// What is wrong with the options taken together; nothing when they make a picture.
std::string optionsError(const Options& options) {
  const bool gameOptions = options.sources.gameDir || options.sources.level ||
                           options.sources.pictures || options.keyList || options.keysFile ||
                           options.withEscape;
  if (options.out.empty()) {
    return "--out FILE.png is needed: where to write the picture";
  }
  if (options.startScreen && gameOptions) {
    return "--start-screen takes no other option than --out";
  }
  if (options.keyList && options.keysFile) {
    return "--keys and --keys-file cannot both be given";
  }
  if (options.withEscape && !options.keysFile) {
    return "--with-escape goes with --keys-file";
  }
  return {};
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
  const std::vector<std::int16_t> keys = options.keysFile
                                             ? readKeysFile(*options.keysFile, options.withEscape)
                                             : parseKeys(options.keyList.value_or(""));
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
  return quib::mainFrame<Options>(
      argc, argv, kProgram, takeOption, optionsError,
      [](const Options& options) {
        shoot(options);
        return 0;
      },
      [](const char* line) { quib::sayLine("quib-shot", line); });
}
