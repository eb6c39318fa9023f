// quib: the game. The start screen first; "Start" opens the game on the shipped game folder,
// or on --game DIR, or on a level and pictures of one's own.
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_frame.hpp"
#include "platform/desktop.hpp"
#include "platform/failure.hpp"
#include "platform/text.hpp"
#include "ui/game_sources.hpp"
#include "ui/key_record.hpp"
#include "ui/program.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quib [--game DIR] [--level FILE] [--pictures DIR] [--scale N] [--record FILE]\n";
constexpr int kMaxScale = 8;

struct Options {
  quib::GameSources sources;
  int scale = 1;
  std::optional<std::string> record;
};

std::optional<int> scaleOf(std::string_view text) {
  int scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc() || end != text.data() + text.size() || scale < 1 || scale > kMaxScale) {
    return std::nullopt;
  }
  return scale;
}

// The command line's options; nothing (and the reason on stderr) when it is no valid one.
std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int a = 1; a < argc; ++a) {
    const std::string_view flag = argv[a];
    if (a + 1 >= argc) {
      return std::nullopt;
    }
    const char* value = argv[++a];
    if (quib::takeSourceFlag(flag, value, options.sources)) {
      continue;
    }
    if (flag == "--record") {
      options.record = value;
    } else if (flag == "--scale") {
      const auto scale = scaleOf(value);
      if (!scale) {
        std::cerr << "quib: --scale takes a whole number from 1 to " << kMaxScale << "\n";
        return std::nullopt;
      }
      options.scale = *scale;
    } else {
      return std::nullopt;
    }
  }
  return options;
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
  const quib::GameFiles files = quib::enterGame(options.sources);
  const quib::Font font;
  const auto desktop = quib::openDesktop();
  const int status = quib::runProgram(*desktop, font, {files, options.scale, record.get()});
  if (record) {
    record->finish();
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  return quib::mainFrame(argc, argv, kUsage, parseOptions, play,
                         [](const char* line) { quib::reportError(line); });
}
