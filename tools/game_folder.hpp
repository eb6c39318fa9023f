// The game folder the project ships, made from nothing but the project: the pictures drawn, the
// chime synthesised, the hand-made level read and written out again. The build makes it on the
// disk; the browser makes it in its memory file system as the page starts.
#pragma once

#include <string>

namespace quib {

// Makes ROOT/x/ (the five pictures), ROOT/bin/tada.wav and ROOT/lab/firstwin.lab/level0.dat
// from the level file at `levelSource`, every file whole or not at all. Throws Failure naming
// the file when one cannot be written, or when the level does not read.
void makeGameFolder(const std::string& root, const std::string& levelSource);

}  // namespace quib
