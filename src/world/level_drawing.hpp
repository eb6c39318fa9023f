// A level as a drawing a person can read and edit: a line a row, the far row at the top as on
// the plan, two characters a point (its layer-0 code, then its layer-1 code), the numbers of
// every fifth row and column in the margins.
#pragma once

#include <string>
#include <string_view>

#include "world/level_file.hpp"
#include "world/world.hpp"

namespace quib {

struct Drawing {
  std::string text;
  std::string error;  // the first point whose code has no symbol
  bool ok() const { return error.empty(); }
};

// The drawing of the level of extent n (up to 100); empty for a negative extent.
Drawing drawLevel(const Labmap& labmap, int n);

// Reads a drawing into `labmap`: margins, blanks at the ends of lines, empty lines, a byte-order
// mark at the start and comment lines (a '#' alone or before a blank, or a line that begins
// with '#' and cannot be a row) are passed over. On failure the error names `name`, the line
// and the column, and `labmap` is left as it was.
LevelRead readDrawing(std::string_view text, const std::string& name, Labmap& labmap);

// Whether the text reads as a drawing rather than a level file: its first line that holds more
// than numbers and blanks begins with '#' or, past its margin, is made of symbols alone.
bool looksLikeDrawing(std::string_view text);

// The symbols, for the help text: "." empty, "#" wall, ...
std::string symbolLegend();

}  // namespace quib
