// Gives the pages of freed heap blocks back to the system.
#pragma once

namespace quib {

// The shapes kept between frames are made and dropped as the viewer moves, in blocks of
// every size; the C library keeps the pages of the holes they leave, so without this a long
// game would hold a little more memory each thousand keys. Costs some tens of microseconds.
void returnFreedMemory();

}  // namespace quib
