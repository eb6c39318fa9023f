// Text in the browser: the glyphs the desktop's font rendered ahead, looked up by their text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>

#include "canvas/glyphs.hpp"

namespace quib {

// One text's glyphs: `width` x `height` coverage values from `offset` in the table's coverage.
struct GlyphEntry {
  const char* text;
  int width;
  int height;
  std::size_t offset;
};

struct GlyphTableData {
  int lineHeight = 0;
  std::span<const GlyphEntry> entries;
  std::span<const std::uint8_t> coverage;
};

// The table quib-makeglyphs made with DejaVu Sans at the windows' size (generated at build time).
GlyphTableData generatedGlyphs();

class GlyphTable final : public TextRenderer {
 public:
  explicit GlyphTable(GlyphTableData data = generatedGlyphs());

  // The text's glyphs as the desktop renders them; no glyphs for a text the table lacks.
  GlyphStrip render(const std::string& text) const override;
  int lineHeight() const override { return data_.lineHeight; }
  bool holds(const std::string& text) const { return index_.count(text) != 0; }

 private:
  GlyphTableData data_;
  std::unordered_map<std::string, const GlyphEntry*> index_;
};

}  // namespace quib
