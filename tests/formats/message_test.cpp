// Messages are one line: control characters in the names they quote show as escapes.
#include "formats/message.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quib {
namespace {

TEST(Message, ControlCharactersShowAsEscapes) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"levels/a\nb.dat", "levels/a\\nb.dat"},
      {"crlf\r\n", "crlf\\r\\n"},
      {"tab\there", "tab\\there"},
      {"\x1b]0;owned\x07title", "\\x1b]0;owned\\x07title"},  // an escape sequence
      {"del\x7f", "del\\x7f"},
      {std::string("nul\0x", 5), "nul\\x00x"},
      {"csi\xc2\x9b"
       "31m",
       "csi\\xc2\\x9b31m"},                                      // U+009B, a one-character escape
      {"caf\xc3\xa9 and \xc2\xa0", "caf\xc3\xa9 and \xc2\xa0"},  // printing UTF-8 stays
      {"\"quoted \\x01\" and C:\\x", "\"quoted \\x01\" and C:\\x"},  // escaped already
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(oneLine(c.text), c.shown) << c.shown;
  }
}

}  // namespace
}  // namespace quib
