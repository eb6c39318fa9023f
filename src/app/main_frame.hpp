// The frame of the programs' mains: the command line read, the platform up for the run,
// every failure reported as one line and an exit status of 1.
#pragma once

#include <exception>
#include <iostream>
#include <optional>

#include "platform/session.hpp"

namespace quib {

inline constexpr int kUsageError = 2;

// Runs `run(options)` when `parse` gives options, else prints `usage`; a failure goes to
// `report` and ends the run with 1.
template <class Parse, class Run, class Report>
int mainFrame(int argc, char** argv, const char* usage, Parse&& parse, Run&& run, Report&& report) {
  const auto options = parse(argc, argv);
  if (!options) {
    std::cerr << usage;
    return kUsageError;
  }
  const PlatformSession session;
  try {
    return run(*options);
  } catch (const std::exception& error) {  // quib::Failure and whatever the library throws
    report(error.what());
    return 1;
  }
}

}  // namespace quib
