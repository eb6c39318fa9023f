// Files the player brings to the browser's game: a level, or a drawing of one, and pictures;
// each checked as the game will read it, so that a bad one is named at once.
#pragma once

#include <string>

namespace quib {

// The five pictures the game window loads from drive X, backdrop first.
inline constexpr const char* kPictureNames[] = {"p3.bmp", "wall.bmp", "door.bmp", "lift.bmp",
                                                "powon.bmp"};

// Makes the file at `path` a level the game reads: a level file stays as it is, and a drawing
// (quib-level show) becomes the level it draws, in its place. The error as the desktop words
// it (the level file's, or the drawing's when the file is one), or empty.
std::string takeLevel(const std::string& path);

// Puts the picture at `path` into `folder` under its name in lower case, which must be one of
// kPictureNames; the folder is first filled with the pictures of `shipped`, so that the others
// stay as they were. The error (the picture's, as the desktop words it), or empty; a bad
// picture leaves the folder as it was.
std::string takePicture(const std::string& path, const std::string& folder,
                        const std::string& shipped);

}  // namespace quib
