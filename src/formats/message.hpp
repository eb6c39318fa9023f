// Messages for the player: one line on standard error each, whatever the names they quote.
#pragma once

#include <string>
#include <string_view>

namespace quib {

// The text with every control character shown as an escape (a newline as \n, an escape as
// \x1b), so that a path or a library's reason can neither break the line nor reach the
// terminal as a command. Quoted file contents are escaped already and pass unchanged.
std::string oneLine(std::string_view text);

// Writes "program: text" and a line end on standard error, the text made one line.
void sayLine(std::string_view program, std::string_view text);

}  // namespace quib
