// Where the game's files are: the game folder, drive X and the working directory.
#pragma once

#include <string>

namespace quib {

// A game folder: bin/ (the working directory, holding tada.wav), lab/firstwin.lab/level0.dat
// and x/ (the pictures of drive X).
struct GameFolder {
  std::string root;

  std::string bin() const { return root + "/bin"; }
  std::string pictures() const { return root + "/x"; }
};

// The game folder shipped beside the executable (build tree) or under share/ (installed); in
// the browser, the one laid out in its memory file system. Throws Failure when there is none.
GameFolder shippedGameFolder();

// Drive X: $QUIB_DRIVE_X if set, else the given folder.
std::string driveXFolder(const std::string& fallback);

// Maps a drive-letter path such as "x:\p3.bmp" onto drive X's folder, "\" becoming "/".
// Throws Failure for any other drive.
std::string driveLetterPath(const std::string& path, const std::string& driveX);

// The working directory as the system reports it; throws Failure when it cannot.
std::string workingDirectory();
// Makes `folder` the working directory; throws Failure naming it when it cannot.
void enterFolder(const std::string& folder);

}  // namespace quib
