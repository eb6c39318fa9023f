// What the platform layer provides on the desktop, in the browser: where the game folder lies
// (made in the memory file system as the page starts) and the error report (in the page).
#include <emscripten.h>

#include "formats/message.hpp"
#include "platform/failure.hpp"
#include "platform/paths.hpp"

EM_JS(void, pageShowError, (const char* line), { quibPage.showError(UTF8ToString(line)); });

namespace quib {

GameFolder shippedGameFolder() {
  return {"/game"};
}

void reportError(const std::string& line) {
  sayLine("quib", line);
  pageShowError(oneLine(line).c_str());
}

}  // namespace quib
