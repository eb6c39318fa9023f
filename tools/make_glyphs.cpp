// quib-makeglyphs: renders every text the game shows with the desktop's font into a C++ table,
// so that a desktop without that font (the browser) shows the very same pixels.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "canvas/window_surface.hpp"
#include "formats/output_file.hpp"
#include "platform/failure.hpp"
#include "platform/text.hpp"
#include "ui/edit_strip.hpp"
#include "ui/layouts.hpp"

namespace {

// Passes the font's glyphs on, keeping every text asked for.
class Recorder final : public quib::TextRenderer {
 public:
  explicit Recorder(const quib::TextRenderer& font) : font_(font) {}

  quib::GlyphStrip render(const std::string& text) const override {
    quib::GlyphStrip strip = font_.render(text);
    seen_.emplace(text, strip);
    return strip;
  }
  int lineHeight() const override { return font_.lineHeight(); }

  const std::map<std::string, quib::GlyphStrip>& seen() const { return seen_; }

 private:
  const quib::TextRenderer& font_;
  mutable std::map<std::string, quib::GlyphStrip> seen_;
};

// The text as a C++ literal: octal escapes for every byte that is not plain ASCII, so that the
// tooltip's UTF-8 passes through any compiler's source encoding.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kLastAscii = 0x7e;
    if (byte < kFirstPrintable || byte > kLastAscii || ch == '"' || ch == '\\') {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", byte);
      out += escape;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string tableSource(const Recorder& texts) {
  std::ostringstream coverage;
  std::ostringstream entries;
  std::size_t offset = 0;
  for (const auto& [text, strip] : texts.seen()) {
    entries << "    {" << literal(text) << ", " << strip.width << ", " << strip.height << ", "
            << offset << "},\n";
    for (const std::uint8_t value : strip.coverage) {
      constexpr std::size_t kPerLine = 24;
      coverage << (offset % kPerLine == 0 ? "\n    " : " ") << static_cast<int>(value) << ',';
      ++offset;
    }
  }
  std::ostringstream out;
  out << "// Made by quib-makeglyphs: every text the game shows, as the desktop's font renders "
         "it.\n"
      << "#include \"browser/glyph_table.hpp\"\n\n"
      << "namespace quib {\nnamespace {\n\n"
      << "constexpr std::uint8_t kCoverage[] = {" << coverage.str() << "\n};\n\n"
      << "constexpr GlyphEntry kEntries[] = {\n"
      << entries.str() << "};\n\n}  // namespace\n\n"
      << "GlyphTableData generatedGlyphs() {\n"
      << "  return {" << texts.lineHeight() << ", kEntries, kCoverage};\n}\n\n"
      << "}  // namespace quib\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quib-makeglyphs OUT.cpp\n";
    return 2;
  }
  try {
    const quib::Font font;
    const Recorder texts(font);
    // The key codes as the game window prints them: every code a key can have.
    quib::WindowSurface own(texts);
    constexpr std::int16_t kLastKeyCode = 254;
    for (std::int16_t code = 1; code <= kLastKeyCode; ++code) {
      own.printNumber(code);
    }
    texts.render(quib::form2::kCommand1Caption);
    texts.render(quib::form2::kCommand1Tooltip);
    for (const std::string& text : quib::editStripTexts()) {
      texts.render(text);
    }
    const std::string error = quib::writeWholeFile(argv[1], tableSource(texts));
    if (!error.empty()) {
      throw quib::Failure(std::string("cannot write ") + argv[1] + ": " + error);
    }
  } catch (const std::exception& error) {
    std::cerr << "quib-makeglyphs: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
