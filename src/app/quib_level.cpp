// quib-level: the level designer's tool: check a level, turn it, show it as a drawing, make
// one from a drawing, start a new one.
#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.hpp"
#include "formats/input_file.hpp"
#include "formats/message.hpp"
#include "formats/output_file.hpp"
#include "world/level_codes.hpp"
#include "world/level_drawing.hpp"
#include "world/level_file.hpp"
#include "world/turning.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quib-level check FILE\n"
    "       quib-level turn FILE left|right [left|right ...] [--out FILE]\n"
    "       quib-level show FILE [--out FILE]\n"
    "       quib-level draw DRAWING [--out FILE]\n"
    "       quib-level new N [--border] [--out FILE]\n";

constexpr const char* kAbout =
    R"(The level designer's tool: checks Quib's level files, turns them, shows them as
drawings and makes them from drawings.

  check  reads a level and prints its extent and how many points hold each code in
         each layer, or the first fault with its line and column; warns of codes the
         game does not draw
  turn   writes the level turned a quarter left or right, once for each word
  show   prints the level as a drawing: a line a row, the far row at the top, two
         symbols a point (the panel across the view, then the panel along it)
  draw   reads such a drawing and writes the level file; margins are optional, and a
         line that begins with '#' and cannot be a row is a comment
  new    writes an empty level of extent N (0 to 100); --border puts walls all round

The drawing's symbols: )";

constexpr std::array<quib::Option, 2> kOptions = {{
    {"--out", "FILE", "a file",
     "(also -o FILE) write to FILE instead of standard output; FILE is\n"
     "replaced only when the new one is complete, and may be the level read"},
    {"--border", "", "", "new: walls all round"},
}};

constexpr const char* kExamples =
    "  quib-level new 10 --border -o room.dat     an empty walled room\n"
    "  quib-level show room.dat -o room.txt       its drawing, to edit\n"
    "  quib-level draw room.txt -o room.dat       the edited drawing as a level\n"
    "  quib-level check room.dat                  its extent and codes, or its first fault\n"
    "  quib-level turn room.dat left -o room.dat  turned in place\n";

// A message on stderr, one line whatever the names it quotes.
void say(const std::string& line) {
  quib::sayLine("quib-level", line);
}

// What the program says of itself; the symbols come from the code table.
quib::ProgramText program(std::string_view about) {
  return {"quib-level", QUIB_VERSION, kUsage, about, kOptions, kExamples};
}

// Names what is wrong with the command line; 2.
int usage(const std::string& complaint) {
  return quib::answer(program({}), quib::wrongCommandLine(complaint));
}

// Answers --help or --version.
int tell(quib::Asked asked) {
  const std::string about = std::string(kAbout) + quib::symbolLegend() + "\n";
  return quib::answer(program(about), {asked, {}});
}

// A word that is meant as an option: "--bogus", "-x", but not a negative number.
bool optionLike(std::string_view word) {
  return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

std::string summary(const std::string& path, const quib::Labmap& labmap, int n) {
  std::string line = path + ": extent " + std::to_string(n);
  if (n < 0) {
    return line + " (no points)";
  }
  line += " (" + std::to_string(n + 1) + " x " + std::to_string(n + 1) + " points)";
  for (int k = 0; k <= 1; ++k) {
    std::map<std::int32_t, long> counts;
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        ++counts[labmap(i, j, k)];
      }
    }
    line += "; layer " + std::to_string(k) + ":";
    for (const auto& [code, count] : counts) {
      line += " " + std::to_string(code) + "=" + std::to_string(count);
    }
  }
  return line;
}

// Codes the game draws nowhere are most likely slips of the pen: the first few are named.
void warnOfUnknownCodes(const std::string& path, const quib::Labmap& labmap, int n) {
  constexpr int kNamed = 3;
  int found = 0;
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      for (int k = 0; k <= 1; ++k) {
        if (quib::symbolOf(labmap(i, j, k))) {
          continue;
        }
        if (++found <= kNamed) {
          say("warning: " + path + ": point (" + std::to_string(i) + ", " + std::to_string(j) +
              ") holds code " + std::to_string(labmap(i, j, k)) + " in layer " + std::to_string(k) +
              ", which the game does not draw");
        }
      }
    }
  }
  if (found > kNamed) {
    say("warning: " + path + ": and " + std::to_string(found - kNamed) +
        " more codes the game does not draw");
  }
}

// What the game would make of a level that reads well but may not be what was meant.
void warnOfOddities(const std::string& path, const quib::LevelRead& level) {
  if (level.n < 0) {
    say("warning: " + path + ": extent " + std::to_string(level.n) +
        ": no points; the game shows only the backdrop");
  }
  if (level.valuesAfter > 0) {
    say("warning: " + path + ": " + std::to_string(level.valuesAfter) +
        (level.valuesAfter == 1 ? " value" : " values") +
        " after the last point: is the extent right?");
  }
}

// Reads the level or says why not; the viewer is placed as the game places it. With
// `toTheEnd` the whole file is read, for what follows the level.
std::unique_ptr<quib::World> load(const std::string& path, bool toTheEnd, quib::LevelRead& level) {
  auto world = std::make_unique<quib::World>();
  level = quib::readLevel(path, world->labmap, toTheEnd);
  if (!level.ok()) {
    say(level.error);
    return nullptr;
  }
  quib::placeViewer(*world, level.n);
  return world;
}

// Where a command's result goes: standard output, or the file named by --out. A failure to
// write it is a failure of the command.
struct Output {
  std::optional<std::string> file;

  // Writes the result; 0, or 1 with the reason on stderr. `what` names it in the message.
  int put(const std::string& text, const char* what) const {
    if (file) {
      const std::string error = quib::writeWholeFile(*file, text);
      if (!error.empty()) {
        say(std::string("cannot write ") + what + " to " + *file + ": " + error);
        return 1;
      }
      return 0;
    }
    std::cout << text;
    std::cout.flush();
    if (!std::cout) {
      say(std::string("cannot write ") + what + " to standard output");
      return 1;
    }
    return 0;
  }
};

std::string levelText(const quib::Labmap& labmap, int n) {
  std::ostringstream text;
  quib::writeLevel(text, labmap, n);
  return text.str();
}

using Rest = std::vector<std::string_view>;

int check(const std::string& path, quib::World& world, const quib::LevelRead& level,
          const Rest& /*rest*/, const Output& out) {
  const int status = out.put(summary(path, world.labmap, level.n) + '\n', "the summary");
  warnOfOddities(path, level);
  warnOfUnknownCodes(path, world.labmap, level.n);
  return status;
}

std::string turnsError(const Rest& rest) {
  for (const std::string_view word : rest) {
    if (word != "left" && word != "right") {
      return "unknown turn " + std::string(word) + " (left or right)";
    }
  }
  return {};
}

int turn(const std::string& /*path*/, quib::World& world, const quib::LevelRead& level,
         const Rest& rest, const Output& out) {
  for (const std::string_view word : rest) {
    if (word == "left") {
      quib::LeftRound(world);
    } else {
      quib::RightRound(world);
    }
  }
  return out.put(levelText(world.labmap, level.n), "the turned level");
}

int show(const std::string& path, quib::World& world, const quib::LevelRead& level,
         const Rest& /*rest*/, const Output& out) {
  const quib::Drawing drawing = quib::drawLevel(world.labmap, level.n);
  if (!drawing.ok()) {
    say(path + ": " + drawing.error);
    return 1;
  }
  return out.put(drawing.text, "the drawing");
}

// A command on one level file: the file, then `most` words at the most, which `wordsError` may
// refuse before the level is read; `writes` when its result may go to a file.
struct LevelCommand {
  std::string_view name;
  std::size_t most;
  bool writes;
  std::string (*wordsError)(const Rest& rest);
  int (*run)(const std::string& path, quib::World& world, const quib::LevelRead& level,
             const Rest& rest, const Output& out);
};

constexpr std::size_t kAny = 1000;
constexpr LevelCommand kLevelCommands[] = {
    {"check", 0, false, nullptr, check},
    {"turn", kAny, true, turnsError, turn},
    {"show", 0, true, nullptr, show},
};

int runLevelCommand(const LevelCommand& command, const Rest& args, const Output& out) {
  if (args.empty()) {
    return usage(std::string(command.name) + " needs a level file");
  }
  if (args.size() - 1 > command.most) {
    return usage("unexpected argument " + std::string(args[command.most + 1]));
  }
  if (out.file && !command.writes) {
    return usage(std::string(command.name) + " writes no file: it takes no --out");
  }
  const Rest rest(args.begin() + 1, args.end());
  if (command.wordsError != nullptr) {
    if (const std::string error = command.wordsError(rest); !error.empty()) {
      return usage(error);
    }
  }
  const std::string path(args[0]);
  quib::LevelRead level;
  const auto world = load(path, command.run == check, level);
  // The level is read whole before anything is written, so --out may name it.
  return world ? command.run(path, *world, level, rest, out) : 1;
}

int draw(const Rest& args, const Output& out) {
  if (args.empty()) {
    return usage("draw needs a drawing");
  }
  if (args.size() > 1) {
    return usage("unexpected argument " + std::string(args[1]));
  }
  const std::string path(args[0]);
  constexpr std::int64_t kLargestDrawing = std::int64_t{1} << 20;  // 101 rows need 21 KB
  const quib::FileBytes file = quib::readWholeFile(path, kLargestDrawing);
  if (!file.ok()) {
    say("cannot read drawing " + path + ": " + file.error);
    return 1;
  }
  auto labmap = std::make_unique<quib::Labmap>();
  const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  const quib::LevelRead level = quib::readDrawing(text, path, *labmap);
  if (!level.ok()) {
    say(level.error);
    return 1;
  }
  return out.put(levelText(*labmap, level.n), "the level");
}

int makeNew(const Rest& words, const Output& out) {
  // --border may stand anywhere, as --out may.
  Rest args;
  std::copy_if(words.begin(), words.end(), std::back_inserter(args),
               [](std::string_view word) { return word != "--border"; });
  const bool border = args.size() < words.size();
  int n = -1;
  if (args.empty()) {
    return usage("new needs an extent");
  }
  if (args.size() > 1 || words.size() - args.size() > 1) {
    return usage("unexpected argument " + std::string(args.size() > 1 ? args[1] : "--border"));
  }
  const auto [end, error] = std::from_chars(args[0].data(), args[0].data() + args[0].size(), n);
  if (error != std::errc() || end != args[0].data() + args[0].size() || n < 0 ||
      n > quib::kGridMax) {
    return usage("the extent is a whole number from 0 to " + std::to_string(quib::kGridMax));
  }
  auto labmap = std::make_unique<quib::Labmap>();
  if (border) {
    // Panels across the view along the near and far rows, along it down the outer columns.
    for (int c = 0; c <= n; ++c) {
      (*labmap)(c, 0, 0) = quib::code::kWall;
      (*labmap)(c, n, 0) = quib::code::kWall;
      (*labmap)(0, c, 1) = quib::code::kWall;
      (*labmap)(n, c, 1) = quib::code::kWall;
    }
  }
  return out.put(levelText(*labmap, n), "the level");
}

struct Command {
  std::string_view name;
  int (*run)(const Rest& args, const Output& out);
};

// Takes --out FILE (or -o FILE) out of the words, wherever it stands; a complaint when it is
// given twice or without a file, or when another word looks like an option.
std::string takeOutput(Rest& args, Output& out, bool border) {
  Rest rest;
  for (std::size_t a = 0; a < args.size(); ++a) {
    const std::string_view word = args[a];
    if (word != "--out" && word != "-o") {
      if (optionLike(word) && !(border && word == "--border")) {
        return "unknown option " + std::string(word);
      }
      rest.push_back(word);
      continue;
    }
    if (out.file) {
      return std::string(word) + " is given twice";
    }
    if (a + 1 >= args.size() || args[a + 1].empty() || args[a + 1].starts_with("--")) {
      return std::string(word) + " needs a file";
    }
    out.file = std::string(args[++a]);
  }
  args = rest;
  return {};
}

constexpr Command kCommands[] = {{"draw", draw}, {"new", makeNew}};

}  // namespace

int main(int argc, char** argv) {
  const Rest words(argv + 1, argv + argc);
  for (const std::string_view word : words) {
    if (word == "--help" || word == "-h" || word == "--version") {
      return tell(word == "--version" ? quib::Asked::kVersion : quib::Asked::kHelp);
    }
  }
  if (!words.empty() && words[0] == "help") {
    return tell(quib::Asked::kHelp);
  }
  if (words.empty()) {
    return usage("a command is needed: check, turn, show, draw or new");
  }
  const std::string_view name = words[0];
  Rest args(words.begin() + 1, words.end());
  Output out;
  if (const std::string complaint = takeOutput(args, out, name == "new"); !complaint.empty()) {
    return usage(complaint);
  }
  for (const LevelCommand& command : kLevelCommands) {
    if (command.name == name) {
      return runLevelCommand(command, args, out);
    }
  }
  for (const Command& command : kCommands) {
    if (command.name == name) {
      return command.run(args, out);
    }
  }
  return usage((optionLike(name) ? "unknown option " : "unknown command ") + std::string(name));
}
