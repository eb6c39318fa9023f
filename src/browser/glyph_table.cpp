// Looking a text up in the table of glyphs rendered ahead.
#include "browser/glyph_table.hpp"

namespace quib {

GlyphTable::GlyphTable(GlyphTableData data) : data_(data) {
  for (const GlyphEntry& entry : data_.entries) {
    index_.emplace(entry.text, &entry);
  }
}

GlyphStrip GlyphTable::render(const std::string& text) const {
  const auto found = index_.find(text);
  if (found == index_.end()) {
    return {};
  }
  const GlyphEntry& entry = *found->second;
  const std::span<const std::uint8_t> coverage = data_.coverage.subspan(
      entry.offset, static_cast<std::size_t>(entry.width) * static_cast<std::size_t>(entry.height));
  return {entry.width, entry.height, {coverage.begin(), coverage.end()}};
}

}  // namespace quib
