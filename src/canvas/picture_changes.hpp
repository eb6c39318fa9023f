// Bringing a kept picture up to date from the pictures it is made of, noting where it changed.
#pragma once

#include <vector>

#include "canvas/image.hpp"

namespace quib {

// Changes are noted in squares of this many pixels: finer would cost more rectangles to pass
// on than the pixels it saves.
inline constexpr int kChangeTile = 16;

// Copies the part `region` of `into` (in its pixels) from `from`, whose top-left corner lies
// at `at`, and adds to `changed` rectangles that hold every pixel that differed: for each band
// of kChangeTile rows, one from its first square that changed to its last; bands one under
// the other with the same columns are joined. Parts outside either picture are left alone.
void copyChanges(Image& into, const Image& from, Point at, const Rect& region,
                 std::vector<Rect>& changed);

// The parts of `rect` outside `hole`: none to four rectangles.
std::vector<Rect> outside(const Rect& rect, const Rect& hole);

}  // namespace quib
