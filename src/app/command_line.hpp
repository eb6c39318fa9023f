// The programs' command lines: options and their values, --help and --version, and a wrong
// command line named in one line.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "formats/message.hpp"

namespace quib {

inline constexpr int kUsageError = 2;

// An option as the help lists it. `needs` names its value in a complaint ("--level needs a
// file"); an option without a value has neither `value` nor `needs`.
struct Option {
  std::string_view flag;   // "--level"
  std::string_view value;  // "FILE"
  std::string_view needs;  // "a file"
  std::string_view does;   // for the help; '\n' starts another line of it
};

// Both lists in one, for a program that adds its own options to shared ones.
template <std::size_t A, std::size_t B>
constexpr std::array<Option, A + B> joined(const std::array<Option, A>& a,
                                           const std::array<Option, B>& b) {
  std::array<Option, A + B> both{};
  std::copy(a.begin(), a.end(), both.begin());
  std::copy(b.begin(), b.end(), both.begin() + A);
  return both;
}

// What a program says of itself, for --help, --version and a wrong command line.
struct ProgramText {
  std::string_view name;     // "quib-shot"
  std::string_view version;  // the project's version
  std::string_view usage;    // the usage lines, each ending in a line end
  std::string_view about;    // what the program does
  std::span<const Option> options;
  std::string_view examples;  // a line each
};

enum class Asked { kRun, kHelp, kVersion, kWrong };

// What a command line asks for; for kWrong, what is wrong with it.
struct CommandLine {
  Asked asked = Asked::kRun;
  std::string complaint;
};

inline CommandLine wrongCommandLine(std::string complaint) {
  return {Asked::kWrong, std::move(complaint)};
}

// The value of an option given as `word`: the text after its '=', or else the next argument,
// which it then uses up. Empty when there is none; an argument that begins with "--" is the
// next option, so that "quib --level --scale 2" names the missing file.
inline std::string_view valueOf(std::string_view word, int argc, char** argv, int& a) {
  if (const std::size_t equals = word.find('='); equals != std::string_view::npos) {
    return word.substr(equals + 1);
  }
  if (a + 1 < argc && !std::string_view(argv[a + 1]).starts_with("--")) {
    return argv[++a];
  }
  return {};
}

// Walks the arguments in order: --help (-h) or --version ends the walk; an option of `options`
// takes its value (--level room.dat, or --level=room.dat), and `take(flag, value)` stores it,
// returning a complaint or nothing.
template <class Take>
CommandLine readCommandLine(int argc, char** argv, std::span<const Option> options, Take&& take) {
  for (int a = 1; a < argc; ++a) {
    const std::string_view word = argv[a];
    if (word == "--help" || word == "-h") {
      return {Asked::kHelp, {}};
    }
    if (word == "--version") {
      return {Asked::kVersion, {}};
    }
    const std::string_view flag = word.substr(0, word.find('='));
    const auto option = std::find_if(options.begin(), options.end(),
                                     [&](const Option& known) { return known.flag == flag; });
    if (option == options.end()) {
      return wrongCommandLine((word.starts_with("-") ? "unknown option " : "unexpected argument ") +
                              std::string(word));
    }
    if (option->needs.empty() && flag.size() < word.size()) {
      return wrongCommandLine(std::string(flag) + " takes no value");
    }
    const std::string_view value = option->needs.empty() ? "" : valueOf(word, argc, argv, a);
    if (!option->needs.empty() && value.empty()) {
      return wrongCommandLine(std::string(flag) + " needs " + std::string(option->needs));
    }
    if (std::string complaint = take(flag, value); !complaint.empty()) {
      return wrongCommandLine(std::move(complaint));
    }
  }
  return {};
}

// The help: the usage, what the program does, every option, examples.
inline std::string helpText(const ProgramText& program) {
  constexpr std::array<Option, 2> kAlways = {{
      {"--help", "", "", "print this help and end (also -h)"},
      {"--version", "", "", "print the version and end"},
  }};
  std::size_t widest = 0;
  const auto head = [](const Option& o) {
    return std::string(o.flag) + (o.value.empty() ? "" : " " + std::string(o.value));
  };
  for (const auto& list : {program.options, std::span<const Option>(kAlways)}) {
    for (const Option& option : list) {
      widest = std::max(widest, head(option).size());
    }
  }
  std::string text =
      std::string(program.usage) + "\n" + std::string(program.about) + "\noptions:\n";
  for (const auto& list : {program.options, std::span<const Option>(kAlways)}) {
    for (const Option& option : list) {
      std::string line = "  " + head(option);
      line.resize(widest + 4, ' ');
      for (const char ch : option.does) {
        line += ch;
        if (ch == '\n') {
          line += std::string(widest + 4, ' ');
        }
      }
      text += line + "\n";
    }
  }
  return text + "\nexamples:\n" + std::string(program.examples);
}

// Answers --help and --version on standard output with 0, a wrong command line on standard
// error with 2: the complaint, then the usage.
inline int answer(const ProgramText& program, const CommandLine& line) {
  if (line.asked == Asked::kWrong) {
    sayLine(program.name, line.complaint);
    std::cerr << program.usage << "run \"" << program.name << " --help\" for more\n";
    return kUsageError;
  }
  if (line.asked == Asked::kHelp) {
    std::cout << helpText(program);
  } else {
    std::cout << program.name << " " << program.version << "\n";
  }
  std::cout.flush();
  if (!std::cout) {
    sayLine(program.name, "cannot write to standard output");
    return 1;
  }
  return 0;
}

}  // namespace quib
