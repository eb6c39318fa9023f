// Escaping control characters, the C0 and DEL bytes and the C1 characters UTF-8 spells.
#include "formats/message.hpp"

#include <cstdio>

namespace quib {

std::string oneLine(std::string_view text) {
  constexpr unsigned char kFirstPrinting = 0x20;
  constexpr unsigned char kDelete = 0x7f;
  // U+0080 to U+009F: two bytes in UTF-8, a lead of 0xc2 and the code's own low byte.
  constexpr unsigned char kC1Lead = 0xc2;
  constexpr unsigned char kC1First = 0x80;
  constexpr unsigned char kC1Last = 0x9f;
  static const char* const kHex = "0123456789abcdef";
  constexpr unsigned kLowNibble = 0xfu;
  const auto hex = [](std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & kLowNibble];
  };
  std::string out;
  out.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (byte < kFirstPrinting || byte == kDelete) {
      hex(out, byte);
    } else if (byte == kC1Lead && k + 1 < text.size() &&
               static_cast<unsigned char>(text[k + 1]) >= kC1First &&
               static_cast<unsigned char>(text[k + 1]) <= kC1Last) {
      hex(out, byte);
      hex(out, static_cast<unsigned char>(text[++k]));
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

void sayLine(std::string_view program, std::string_view text) {
  const std::string line = std::string(program) + ": " + oneLine(text) + "\n";
  std::fputs(line.c_str(), stderr);
}

}  // namespace quib
