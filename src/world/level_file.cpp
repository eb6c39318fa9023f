// The level file reader: value syntax, reading order and the failures a level designer sees.
#include "world/level_file.hpp"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "formats/input_file.hpp"
#include "world/level_drawing.hpp"

namespace quib {
namespace {

// A value of a level file, or why there is none.
struct Value {
  enum class Kind { kNumber, kEnd, kBad } kind = Kind::kEnd;
  std::int32_t number = 0;
  std::string message;          // for kBad: "LINE:COLUMN: ..."
  bool blankSeparated = false;  // for kBad: numbers with blanks between them
};

// Numbers with blanks between them ("1 0 0"), as a file meant to list values might hold.
bool blankSeparatedNumbers(std::string_view field) {
  return field.find_first_not_of("-0123456789 \t") == std::string_view::npos &&
         field.find_first_of(" \t") != std::string_view::npos &&
         field.find_first_of("0123456789") != std::string_view::npos;
}

// Splits the text into values. A field is the text between two separators (comma, LF or
// CRLF); the last field of a line may be empty and is then no value, so an empty line and a
// comma before a line end add nothing, while any other empty field is the value 0.
class ValueScanner {
 public:
  // No value is longer than this: the longest number, "-2147483648", with room to spare.
  static constexpr std::size_t kLongestField = 32;
  // How much of the text's start is kept, to tell what a file that is no level file holds.
  static constexpr std::size_t kOpening = 2048;

  // A byte-order mark, as some Windows editors write, is no part of the first value.
  explicit ValueScanner(ByteReader& in) : in_(in) {
    constexpr int kMark[] = {0xef, 0xbb, 0xbf};
    if (in_.peek(0) == kMark[0] && in_.peek(1) == kMark[1] && in_.peek(2) == kMark[2]) {
      for (int k = 0; k < 3; ++k) {
        in_.take();
      }
    }
  }

  Value next() {
    for (;;) {
      const int startLine = line_;
      skipBlanks();
      const int startColumn = column_;
      std::string field;
      std::size_t blanks = 0;  // blanks seen since the field's last other byte
      while (!atSeparator()) {
        const int ch = take();
        if (ch == ' ' || ch == '\t') {
          ++blanks;
          continue;
        }
        if (field.size() + blanks >= kLongestField) {
          return tooLong(field + std::string(blanks, ' ') + static_cast<char>(ch), startLine,
                         startColumn);
        }
        field.append(blanks, ' ');
        blanks = 0;
        field += static_cast<char>(ch);
      }
      const int separator = takeSeparator();
      const bool endsLine = separator != ',';
      if (field.empty() && endsLine) {
        if (separator == ByteReader::kEnd) {
          return {};
        }
        continue;
      }
      return parse(field, startLine, startColumn);
    }
  }

  bool failed() const { return in_.failed(); }

  // The text's start (after a byte-order mark), read on as far as kOpening when need be.
  std::string_view opening() {
    while (opening_.size() < kOpening && peek() != ByteReader::kEnd) {
      take();
    }
    return opening_;
  }

 private:
  int peek(std::size_t ahead = 0) { return in_.peek(ahead); }

  int take() {
    const int ch = in_.take();
    if (ch != ByteReader::kEnd && opening_.size() < kOpening) {
      opening_ += static_cast<char>(ch);
    }
    if (ch == '\n') {
      ++line_;
      column_ = 1;
    } else if (ch != ByteReader::kEnd) {
      ++column_;
    }
    return ch;
  }

  void skipBlanks() {
    while (peek() == ' ' || peek() == '\t') {
      take();
    }
  }

  // A CR belongs to a line end only when an LF follows it.
  bool atSeparator() {
    const int ch = peek();
    return ch == ByteReader::kEnd || ch == ',' || ch == '\n' || (ch == '\r' && peek(1) == '\n');
  }

  // Returns ',' or '\n' for the separator taken, kEnd at the end of the text.
  int takeSeparator() {
    const int ch = take();
    if (ch == '\r') {
      take();
      return '\n';
    }
    return ch;
  }

  // Mended: a field of any length was kept whole, so an endless one ate memory without bound.
  static Value tooLong(const std::string& start, int line, int column) {
    return {Value::Kind::kBad, 0,
            std::to_string(line) + ":" + std::to_string(column) + ": " + quoted(start) +
                " is longer than any value (more than " + std::to_string(kLongestField) +
                " characters)",
            blankSeparatedNumbers(start)};
  }

  static Value parse(const std::string& field, int line, int column) {
    const std::string where = std::to_string(line) + ":" + std::to_string(column) + ": ";
    if (field.empty()) {
      return {Value::Kind::kNumber, 0, {}};
    }
    std::size_t k = field[0] == '-' ? 1 : 0;
    const auto notANumber = [&] {
      return Value{Value::Kind::kBad, 0, where + quoted(field) + " is not a whole number",
                   blankSeparatedNumbers(field)};
    };
    if (k == field.size()) {
      return notANumber();
    }
    std::int64_t magnitude = 0;
    bool tooLarge = false;
    for (; k < field.size(); ++k) {
      const char ch = field[k];
      if (ch < '0' || ch > '9') {
        return notANumber();
      }
      magnitude = magnitude * 10 + (ch - '0');
      if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
        tooLarge = true;
        magnitude = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
      }
    }
    const std::int64_t value = field[0] == '-' ? -magnitude : magnitude;
    if (tooLarge || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
      return {Value::Kind::kBad, 0, where + quoted(field) + " does not fit a 32-bit integer"};
    }
    return {Value::Kind::kNumber, static_cast<std::int32_t>(value), {}};
  }

  ByteReader& in_;
  int line_ = 1;
  int column_ = 1;
  std::string opening_;
};

// Why the values stopped before `needed` of them were read (-1: not even the extent). A bad
// value says what the file seems to be meant as: a drawing, or values with blanks between.
std::string whyStopped(const std::string& path, ValueScanner& scanner, const Value& value,
                       long read, long needed) {
  if (value.kind == Value::Kind::kBad) {
    if (looksLikeDrawing(scanner.opening())) {
      return path + ":" + value.message +
             ": this looks like a drawing: turn it into a level with quib-level draw";
    }
    if (value.blankSeparated) {
      return path + ":" + value.message + ": values are separated by commas or line ends";
    }
    return path + ":" + value.message;
  }
  if (scanner.failed()) {
    return "cannot read level file " + path + ": " + std::strerror(errno != 0 ? errno : EIO);
  }
  if (needed < 0) {
    return "level file " + path + " ends early: it holds no values, not even the extent";
  }
  return "level file " + path + " ends early: read " + std::to_string(read) + " of " +
         std::to_string(needed) + " values";
}

}  // namespace

void writeLevel(std::ostream& out, const Labmap& labmap, int n) {
  out << n << '\n';
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      for (int k = 0; k <= 1; ++k) {
        out << (j == 0 && k == 0 ? "" : ",") << labmap(i, j, k);
      }
    }
    out << '\n';
  }
}

std::string levelPath(const std::string& workingDirectory) {
  return workingDirectory + "/../lab/firstwin.lab/level0.dat";
}

// Mended: the game read a level with no checks, so junk in a file became codes and a short
// file was half loaded. Here a bad file ends start-up with one line naming the file, the place
// and the text found, and the grid is only written once the whole level has been read.
LevelRead readLevel(const std::string& path, Labmap& labmap, bool countValuesAfter) {
  InputFile file(path);
  if (!file.ok()) {
    return {0, "cannot open level file " + path + ": " + file.error()};
  }
  ByteReader in(file);
  ValueScanner scanner(in);
  const Value first = scanner.next();
  if (first.kind != Value::Kind::kNumber) {
    return {0, whyStopped(path, scanner, first, 0, -1)};
  }
  const int n = first.number;
  if (n > kGridMax) {
    return {0, "level file " + path + ": extent " + std::to_string(n) + " is above " +
                   std::to_string(kGridMax)};
  }
  // Kept: a negative extent reads no codes at all, as the game always has.
  const long side = n >= 0 ? n + 1 : 0;
  const long needed = 1 + 2 * side * side;
  auto loaded = std::make_unique<Labmap>();
  long read = 1;
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      for (int k = 0; k <= 1; ++k) {
        const Value value = scanner.next();
        if (value.kind != Value::Kind::kNumber) {
          return {0, whyStopped(path, scanner, value, read, needed)};
        }
        (*loaded)(i, j, k) = value.number;
        ++read;
      }
    }
  }
  long after = 0;
  while (countValuesAfter && scanner.next().kind == Value::Kind::kNumber) {
    ++after;
  }
  labmap = *loaded;
  return {n, {}, after};
}

}  // namespace quib
