// Drawing a level and reading a drawing back: each point two symbols, rows far to near.
#include "world/level_drawing.hpp"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "formats/input_file.hpp"
#include "world/level_codes.hpp"

namespace quib {
namespace {

constexpr int kMargin = 4;  // the row numbers' column, and the blank after it
constexpr int kEveryFifth = 5;

std::string columnNumbers(int n) {
  std::string line(static_cast<std::size_t>(kMargin + 2 * (n + 1)), ' ');
  for (int c = 0; c <= n; c += kEveryFifth) {
    const std::string number = std::to_string(c);
    line.replace(static_cast<std::size_t>(kMargin) + 2 * static_cast<std::size_t>(c), number.size(),
                 number);
  }
  while (!line.empty() && line.back() == ' ') {
    line.pop_back();
  }
  return line + '\n';
}

std::string rowNumber(int row) {
  std::string label = row % kEveryFifth == 0 ? std::to_string(row) : "";
  return std::string(static_cast<std::size_t>(kMargin - 1) - label.size(), ' ') + label + ' ';
}

bool marginOnly(std::string_view line) {
  return line.find_first_not_of("0123456789 \t") == std::string_view::npos;
}

// A comment is a '#' alone or before a blank: a row has two symbols a point and no blanks,
// so no row can look like one, although '#' is the wall's symbol.
bool comment(std::string_view line) {
  return line[0] == '#' && (line.size() == 1 || line[1] == ' ' || line[1] == '\t');
}

bool symbolsOnly(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char ch) { return codeOfSymbol(ch).has_value(); });
}

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

// Some editors begin a UTF-8 file with a byte-order mark: no part of the first line.
std::string_view withoutByteOrderMark(std::string_view text) {
  return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

// Calls `each(number, line)` for every line of the text that holds more than blanks, without
// the blanks and CR at its end, until `each` returns false.
template <class Each>
void forEachLine(std::string_view text, Each&& each) {
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    if (line.find_first_not_of(" \t") != std::string_view::npos && !each(number, line)) {
      return;
    }
  }
}

// One row of a drawing: where it was found and what it holds.
struct DrawnRow {
  int line = 0;
  int column = 0;  // of its first symbol
  std::string_view symbols;
};

// The drawing's rows, far to near, and the first line passed over as a comment only because it
// could be no row, to name when the rows make no square.
struct DrawnRows {
  std::vector<DrawnRow> rows;
  std::optional<DrawnRow> passedOver;
};

// A line that may be a row.
struct DrawnLine {
  DrawnRow row;
  bool hashed;  // begins with '#', no margin number before it
};

// The lines that may be rows: all but margins, comments and empty lines.
std::vector<DrawnLine> linesOf(std::string_view text) {
  std::vector<DrawnLine> lines;
  forEachLine(text, [&](int number, std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (!comment(line.substr(first)) && !marginOnly(line)) {
      const std::size_t start = line.find_first_not_of("0123456789 \t");
      lines.push_back({{number, static_cast<int>(start) + 1, line.substr(start)},
                       start == first && line[first] == '#'});
    }
    return true;
  });
  return lines;
}

// The width of the lines that do not begin with '#' when they agree on one, else 0 (no line
// is empty).
std::size_t plainWidth(const std::vector<DrawnLine>& lines) {
  std::size_t width = 0;
  for (const DrawnLine& line : lines) {
    if (!line.hashed) {
      if (width != 0 && width != line.row.symbols.size()) {
        return 0;
      }
      width = line.row.symbols.size();
    }
  }
  return width;
}

// Rows without margins, comments or empty lines. A line that begins with '#' and no blank may
// be a row that begins with a wall, or a comment written without the blank ("#my level"); it
// is a comment when it cannot be a row: when it holds what is no symbol, or when it is not as
// wide as the rows that begin otherwise and the drawing is square without it. Else it stays a
// row, so that a row of the wrong width is named as such.
DrawnRows rowsOf(std::string_view text) {
  std::vector<DrawnLine> lines = linesOf(text);
  DrawnRows drawn;
  std::erase_if(lines, [&](const DrawnLine& line) {
    const bool noRow = line.hashed && !symbolsOnly(line.row.symbols);
    if (noRow && !drawn.passedOver) {
      drawn.passedOver = line.row;
    }
    return noRow;
  });
  const std::size_t width = plainWidth(lines);
  const auto otherWidth = [&](const DrawnLine& line) {
    return line.hashed && width != 0 && line.row.symbols.size() != width;
  };
  const auto others =
      static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), otherWidth));
  const bool squareWithout = width != 0 && 2 * (lines.size() - others) == width;
  for (const DrawnLine& line : lines) {
    if (!squareWithout || !otherWidth(line)) {
      drawn.rows.push_back(line.row);
    }
  }
  return drawn;
}

std::string at(const std::string& name, int line, int column) {
  return name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

// Why the rows do not make a square drawing of at most 101 rows; nothing when they do.
std::string shapeError(const DrawnRows& drawn, const std::string& name) {
  const std::vector<DrawnRow>& rows = drawn.rows;
  if (rows.empty()) {
    return name + ": the drawing has no rows";
  }
  const std::size_t width = rows.front().symbols.size();
  for (const DrawnRow& row : rows) {
    if (row.symbols.size() != width) {
      return at(name, row.line,
                row.column + static_cast<int>(std::min(width, row.symbols.size()))) +
             "this row is " + std::to_string(row.symbols.size()) + " characters wide, the first " +
             std::to_string(width);
    }
  }
  if (rows.size() > static_cast<std::size_t>(kGridMax) + 1) {
    return at(name, rows[static_cast<std::size_t>(kGridMax) + 1].line, 1) + "a level has at most " +
           std::to_string(kGridMax + 1) + " rows";
  }
  if (width != 2 * rows.size()) {
    const std::string count =
        rows.size() == 1 ? "1 row needs" : std::to_string(rows.size()) + " rows need";
    std::string error = at(name, rows.front().line, rows.front().column) + count + " rows of " +
                        std::to_string(2 * rows.size()) +
                        " characters, two a point; this one has " + std::to_string(width);
    // A row with a slip of the pen that begins with a wall was taken for a comment.
    if (drawn.passedOver) {
      error += "; line " + std::to_string(drawn.passedOver->line) + ", " +
               quoted(std::string(drawn.passedOver->symbols)) + ", was taken for a comment";
    }
    return error;
  }
  return {};
}

// The symbols, for a message: ". # D Y B S C L G".
std::string symbolList() {
  std::string list;
  for (std::int32_t value = 0; value <= kHighestCode; ++value) {
    if (const auto symbol = symbolOf(value)) {
      list += (list.empty() ? "" : " ") + std::string(1, *symbol);
    }
  }
  return list;
}

// Why a character of a row is none of the symbols.
std::string noSymbol(std::string_view rest) {
  const std::string what =
      rest.starts_with(kByteOrderMark) ? "a byte-order mark" : quoted(std::string(1, rest.front()));
  return what + " is no symbol of a code; the symbols are " + symbolList();
}

}  // namespace

Drawing drawLevel(const Labmap& labmap, int n) {
  Drawing drawing;
  // A negative extent has no points: its drawing is empty.
  if (n < 0) {
    return drawing;
  }
  drawing.text = columnNumbers(n);
  for (int j = n; j >= 0; --j) {
    drawing.text += rowNumber(j);
    for (int i = 0; i <= n; ++i) {
      for (int k = 0; k <= 1; ++k) {
        const auto symbol = symbolOf(labmap(i, j, k));
        if (!symbol) {
          drawing.error = "point (" + std::to_string(i) + ", " + std::to_string(j) +
                          ") holds code " + std::to_string(labmap(i, j, k)) + " in layer " +
                          std::to_string(k) + ", which has no symbol";
          return drawing;
        }
        drawing.text += *symbol;
      }
    }
    drawing.text += '\n';
  }
  drawing.text += columnNumbers(n);
  return drawing;
}

LevelRead readDrawing(std::string_view text, const std::string& name, Labmap& labmap) {
  const DrawnRows drawn = rowsOf(withoutByteOrderMark(text));
  for (const DrawnRow& row : drawn.rows) {
    for (std::size_t c = 0; c < row.symbols.size(); ++c) {
      if (!codeOfSymbol(row.symbols[c])) {
        return {0, at(name, row.line, row.column + static_cast<int>(c)) +
                       noSymbol(row.symbols.substr(c))};
      }
    }
  }
  if (std::string error = shapeError(drawn, name); !error.empty()) {
    return {0, error};
  }
  const std::vector<DrawnRow>& rows = drawn.rows;
  const int n = static_cast<int>(rows.size()) - 1;
  auto level = std::make_unique<Labmap>();
  for (int r = 0; r <= n; ++r) {
    const DrawnRow& row = rows[static_cast<std::size_t>(r)];
    for (std::size_t c = 0; c < row.symbols.size(); ++c) {
      (*level)(static_cast<int>(c / 2), n - r, static_cast<int>(c % 2)) =
          codeOfSymbol(row.symbols[c]).value_or(code::kEmpty);
    }
  }
  labmap = *level;
  return {n, {}};
}

bool looksLikeDrawing(std::string_view text) {
  bool drawing = false;
  forEachLine(withoutByteOrderMark(text), [&](int /*number*/, std::string_view line) {
    if (marginOnly(line)) {
      return true;
    }
    const std::string_view rest = line.substr(line.find_first_not_of("0123456789 \t"));
    drawing = rest.front() == '#' || symbolsOnly(rest);
    return false;
  });
  return drawing;
}

std::string symbolLegend() {
  std::string legend = std::string(1, kEmptySymbol) + " empty (0)";
  for (std::int32_t value = 1; value <= kHighestCode; ++value) {
    if (const CodeMeaning* meaning = meaningOf(value)) {
      legend += std::string(", ") + meaning->symbol + " " + meaning->name + " (" +
                std::to_string(value) + ")";
    }
  }
  return legend;
}

}  // namespace quib
