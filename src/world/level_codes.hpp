// What each level code means, in one table: the picture its panel is painted with, whether it
// is a side wall, and its shape and colour on the plan. The frame and the plan read it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quib {

// The codes the game acts on. Every other value, in either layer, is like kEmpty.
namespace code {
inline constexpr std::int32_t kEmpty = 0;
inline constexpr std::int32_t kWall = 1;
inline constexpr std::int32_t kDoor = 2;
inline constexpr std::int32_t kYellowMarker = 3;
inline constexpr std::int32_t kBlueMarker = 4;
inline constexpr std::int32_t kPowerSwitch = 5;
inline constexpr std::int32_t kCyanFrame = 6;
inline constexpr std::int32_t kLift = 7;
inline constexpr std::int32_t kGreenMarker = 8;
}  // namespace code

// The picture a layer-0 panel is stretched from, with the holder that keeps it and the
// painter that paints it.
enum class Face {
  kNone,
  kWall,         // Image1, wall
  kLift,         // Image2, lift1
  kDoor,         // Image3, door1
  kPowerSwitch,  // Image4, powonoff1
};

enum class PlanShape {
  kNone,
  kSegment,  // two grid units long: across the view for layer 0, along it for layer 1
  kMarker,   // a filled square on the point
  kFrame,    // an outlined square two grid units wide
};

struct CodeMeaning {
  std::int32_t code;
  const char* name;
  char symbol;    // in a level's drawing (quib-level show and draw)
  Face face;      // in layer 0
  bool sideWall;  // in layer 1: a red quadrilateral, drawn by rif
  PlanShape plan;
  float markerDivisor;       // a marker's half side is the plan's grid unit divided by this
  std::uint32_t planColour;  // 0xRRGGBB
  bool planLooksAtLayer0;    // tested in layer 0 whatever the layer, so drawn twice
};

// In the order the plan tests them: where shapes overlap, a later one lies on top.
inline constexpr std::array<CodeMeaning, 8> kCodeMeanings = {{
    {code::kWall, "wall", '#', Face::kWall, true, PlanShape::kSegment, 0, 0x800080, false},
    {code::kDoor, "door", 'D', Face::kDoor, false, PlanShape::kSegment, 0, 0x0000ff, false},
    {code::kYellowMarker, "yellow marker", 'Y', Face::kNone, false, PlanShape::kMarker, 4, 0xffff00,
     false},
    {code::kGreenMarker, "green marker", 'G', Face::kNone, false, PlanShape::kMarker, 4, 0x00ff00,
     true},
    {code::kBlueMarker, "blue marker", 'B', Face::kNone, false, PlanShape::kMarker, 8, 0x000080,
     false},
    {code::kPowerSwitch, "power switch", 'S', Face::kPowerSwitch, false, PlanShape::kSegment, 0,
     0x00ff00, false},
    {code::kCyanFrame, "cyan frame", 'C', Face::kNone, false, PlanShape::kFrame, 0, 0x00ffff,
     false},
    {code::kLift, "lift", 'L', Face::kLift, false, PlanShape::kSegment, 0, 0x808080, false},
}};

// The highest code the game acts on; codes run from 1 to this.
inline constexpr std::int32_t kHighestCode = code::kGreenMarker;

// Where each code's meaning stands in the table, found once, at compile time.
inline constexpr auto kMeaningIndex = [] {
  std::array<int, kHighestCode + 1> index{};
  index.fill(-1);
  for (std::size_t k = 0; k < kCodeMeanings.size(); ++k) {
    index[static_cast<std::size_t>(kCodeMeanings[k].code)] = static_cast<int>(k);
  }
  return index;
}();

// The meaning of a code; nothing for a code the game does not act on.
constexpr const CodeMeaning* meaningOf(std::int32_t value) {
  if (value < 0 || value > kHighestCode) {
    return nullptr;
  }
  const int k = kMeaningIndex[static_cast<std::size_t>(value)];
  return k < 0 ? nullptr : &kCodeMeanings[static_cast<std::size_t>(k)];
}

// The picture of a layer-0 code; kNone for a code that has no face.
constexpr Face faceOf(std::int32_t value) {
  const CodeMeaning* meaning = meaningOf(value);
  return meaning != nullptr ? meaning->face : Face::kNone;
}

// The empty point's symbol in a level's drawing.
inline constexpr char kEmptySymbol = '.';

// The symbol of a code in a level's drawing; nothing for a code the game does not act on.
constexpr std::optional<char> symbolOf(std::int32_t value) {
  if (value == code::kEmpty) {
    return kEmptySymbol;
  }
  const CodeMeaning* meaning = meaningOf(value);
  return meaning != nullptr ? std::optional<char>(meaning->symbol) : std::nullopt;
}

// The code a symbol stands for; nothing for a character that is no symbol.
constexpr std::optional<std::int32_t> codeOfSymbol(char symbol) {
  if (symbol == kEmptySymbol) {
    return code::kEmpty;
  }
  for (const CodeMeaning& meaning : kCodeMeanings) {
    if (meaning.symbol == symbol) {
      return meaning.code;
    }
  }
  return std::nullopt;
}

// Whether a layer-1 code is a side wall.
constexpr bool isSideWall(std::int32_t value) {
  const CodeMeaning* meaning = meaningOf(value);
  return meaning != nullptr && meaning->sideWall;
}

}  // namespace quib
