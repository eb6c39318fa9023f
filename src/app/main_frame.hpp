// The frame of the mains of quib and quib-shot: the command line read (with the options both
// take), the platform up for the run, every failure reported as one line and an exit status of 1.
#pragma once

#include <array>
#include <exception>
#include <string>
#include <string_view>

#include "app/command_line.hpp"
#include "platform/session.hpp"
#include "ui/game_sources.hpp"

namespace quib {

// Where a run takes its files from; takeSourceFlag stores them.
inline constexpr std::array<Option, 3> kSourceOptions = {{
    {"--game", "DIR", "a folder", "the game folder to play instead of the one installed"},
    {"--level", "FILE", "a file",
     "the level to play instead of the game folder's (see quib-level)"},
    {"--pictures", "DIR", "a folder",
     "the folder of the five pictures (p3.bmp, wall.bmp, lift.bmp,\n"
     "door.bmp, powon.bmp) instead of the game folder's"},
}};

// Reads the command line into `options`: the source options into `options.sources`, every
// other through `take(flag, value, options)`, which returns a complaint or nothing; then
// `check(options)` says what is wrong with the whole, or nothing. Answers --help, --version and
// a wrong command line; else runs `run(options)`, and a failure goes to `report` and ends the
// run with 1.
template <class Options, class Take, class Check, class Run, class Report>
int mainFrame(int argc, char** argv, const ProgramText& program, Take&& take, Check&& check,
              Run&& run, Report&& report) {
  Options options;
  CommandLine line = readCommandLine(
      argc, argv, program.options, [&](std::string_view flag, std::string_view value) {
        return takeSourceFlag(flag, value, options.sources) ? std::string()
                                                            : take(flag, value, options);
      });
  if (line.asked == Asked::kRun) {
    if (std::string complaint = check(options); !complaint.empty()) {
      line = wrongCommandLine(std::move(complaint));
    }
  }
  if (line.asked != Asked::kRun) {
    return answer(program, line);
  }
  const PlatformSession session;
  try {
    return run(options);
  } catch (const std::exception& error) {  // quib::Failure and whatever the library throws
    report(error.what());
    return 1;
  }
}

}  // namespace quib
