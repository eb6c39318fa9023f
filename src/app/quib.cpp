// quib: the game. The start screen first; "Start" opens the game on the shipped game folder,
// or on --game DIR, or on a level and pictures of one's own.
#include <array>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_frame.hpp"
#include "platform/desktop.hpp"
#include "platform/failure.hpp"
#include "platform/text.hpp"
#include "ui/editor.hpp"
#include "ui/game_sources.hpp"
#include "ui/key_record.hpp"
#include "ui/program.hpp"

namespace {

constexpr int kMaxScale = 8;

constexpr std::array<quib::Option, 3> kOwnOptions = {{
    {"--edit", "FILE", "a file",
     "draw the level FILE on the plan, in the game window at once; a FILE\n"
     "not there yet starts empty, of extent 10, and is made on the first save"},
    {"--scale", "N", "a number", "open the game window at N times its size, 1 to 8"},
    {"--record", "FILE", "a file",
     "write every key the game handles to FILE, a code a line, for\n"
     "quib-shot --keys-file to replay"},
}};
constexpr auto kOptions = quib::joined(quib::kSourceOptions, kOwnOptions);

constexpr quib::ProgramText kProgram = {
    "quib",
    QUIB_VERSION,
    "usage: quib [--game DIR] [--level FILE] [--pictures DIR] [--scale N] [--record FILE]\n"
    "       quib --edit FILE [--game DIR] [--pictures DIR] [--scale N] [--record FILE]\n",
    "Find Quib in a first-person labyrinth. The start screen comes first; Start (or Enter)\n"
    "opens the game window. The arrow keys step, keypad 4 and 6 turn the world a quarter\n"
    "turn, keypad 8 and 2 raise and lower the eye (Num Lock on), Escape ends the game.\n"
    "With --edit, keys 0 to 8 choose a code and a click on the plan places it (a right\n"
    "click clears); Ctrl+Z and Ctrl+Y undo and redo, Ctrl+S saves.\n",
    kOptions,
    "  quib                                     play the level installed with the game\n"
    "  quib --level room.dat --scale 2          play a level of one's own, twice as large\n"
    "  quib --level room.dat --record keys.txt  keep the keys, for a bug report\n"
    "  quib --edit room.dat                     draw room.dat where you walk it\n",
};

struct Options {
  quib::GameSources sources;
  int scale = 1;
  std::optional<std::string> record;
  std::optional<std::string> edit;
};

std::optional<int> scaleOf(std::string_view text) {
  int scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc() || end != text.data() + text.size() || scale < 1 || scale > kMaxScale) {
    return std::nullopt;
  }
  return scale;
}

// Stores an option of quib's own; a complaint when its value is none it takes.
std::string takeOption(std::string_view flag, std::string_view value, Options& options) {
  if (flag == "--record") {
    options.record = std::string(value);
    return {};
  }
  if (flag == "--edit") {
    options.edit = std::string(value);
    return {};
  }
  const auto scale = scaleOf(value);
  if (!scale) {
    return "--scale takes a whole number from 1 to " + std::to_string(kMaxScale);
  }
  options.scale = *scale;
  return {};
}

// A complaint for a command line that names the level twice.
std::string bothLevels(const Options& options) {
  if (options.edit && options.sources.level) {
    return "--edit and --level both name a level: give one";
  }
  return {};
}

// Runs the game; throws Failure when it cannot start.
int play(const Options& options) {
  // The record is started before the game's folder is entered, so a relative path means the
  // folder quib was started in, and a place that cannot take it is refused at once. An error
  // that ends the game below puts the keys recorded so far in place too.
  std::unique_ptr<quib::KeyRecord> record;
  if (options.record) {
    record = std::make_unique<quib::KeyRecord>(*options.record);
  }
  quib::GameSources sources = options.sources;
  if (options.edit) {
    sources.level = options.edit;  // made absolute before the game's folder is entered
  }
  const quib::GameFiles files = quib::enterGame(sources);
  const quib::Font font;
  const auto desktop = quib::openDesktop();
  const int status =
      options.edit ? quib::runEditor(*desktop, font,
                                     {files, *options.edit, options.scale, record.get(), nullptr})
                   : quib::runProgram(*desktop, font, {files, options.scale, record.get()});
  if (record) {
    record->finish();
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  return quib::mainFrame<Options>(argc, argv, kProgram, takeOption, bothLevels, play,
                                  [](const char* line) { quib::reportError(line); });
}
