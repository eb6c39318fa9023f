// Drawing a level and reading a drawing back: each point two symbols, rows far to near.
#include "world/level_drawing.hpp"

#include <algorithm>
#include <memory>
#include <vector>

#include "world/input_file.hpp"
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

// One row of a drawing: where it was found and what it holds.
struct DrawnRow {
  int line = 0;
  int column = 0;  // of its first symbol
  std::string_view symbols;
};

std::string at(const std::string& name, int line, int column) {
  return name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

// The drawing's rows, far to near, without margins, comments or empty lines.
std::vector<DrawnRow> rowsOf(std::string_view text) {
  std::vector<DrawnRow> rows;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || comment(line.substr(first)) || marginOnly(line)) {
      continue;
    }
    const std::size_t start = line.find_first_not_of("0123456789 \t");
    rows.push_back({number, static_cast<int>(start) + 1, line.substr(start)});
  }
  return rows;
}

// Why the rows do not make a square drawing of at most 101 rows; nothing when they do.
std::string shapeError(const std::vector<DrawnRow>& rows, const std::string& name) {
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
    return at(name, rows.front().line, rows.front().column) + count + " rows of " +
           std::to_string(2 * rows.size()) + " characters, two a point; this one has " +
           std::to_string(width);
  }
  return {};
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
  const std::vector<DrawnRow> rows = rowsOf(text);
  for (const DrawnRow& row : rows) {
    for (std::size_t c = 0; c < row.symbols.size(); ++c) {
      if (!codeOfSymbol(row.symbols[c])) {
        return {0, at(name, row.line, row.column + static_cast<int>(c)) +
                       quoted(std::string(1, row.symbols[c])) + " is no symbol of a code"};
      }
    }
  }
  if (std::string error = shapeError(rows, name); !error.empty()) {
    return {0, error};
  }
  const int n = static_cast<int>(rows.size()) - 1;
  auto drawn = std::make_unique<Labmap>();
  for (int r = 0; r <= n; ++r) {
    const DrawnRow& row = rows[static_cast<std::size_t>(r)];
    for (std::size_t c = 0; c < row.symbols.size(); ++c) {
      (*drawn)(static_cast<int>(c / 2), n - r, static_cast<int>(c % 2)) =
          codeOfSymbol(row.symbols[c]).value_or(code::kEmpty);
    }
  }
  labmap = *drawn;
  return {n, {}};
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
