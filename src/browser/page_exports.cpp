// The game's entry points for the page's script: the game folder made, a run of the program or
// of the editor, a key translated, and the files a player brings taken in.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "browser/browser_desktop.hpp"
#include "browser/dom_keys.hpp"
#include "browser/glyph_table.hpp"
#include "browser/own_files.hpp"
#include "platform/failure.hpp"
#include "platform/paths.hpp"
#include "tools/game_folder.hpp"
#include "ui/editor.hpp"
#include "ui/game_sources.hpp"
#include "ui/program.hpp"

// The page downloads the level saved at `path` and plays it from then on.
EM_JS(void, pageLevelSaved, (const char* path), { quibPage.levelSaved(UTF8ToString(path)); });

namespace {

// Where the page's build puts the hand-made level (emcc --embed-file).
constexpr const char* kLevelSource = "/shipped/level0.dat";
// Where the editor's file lies, under the name it is shown and downloaded by.
constexpr const char* kEditFolder = "/edit";

// The file the editor draws on: a copy of `level` (empty: the shipped one) named `name`, unless
// `level` is that file already, edited before.
std::string editedCopy(const std::string& level, const std::string& name) {
  namespace fs = std::filesystem;
  if (name.empty() || fs::path(name).filename().string() != name || name == "." || name == "..") {
    throw quib::Failure("cannot edit a level named \"" + name + "\": the name of a file is needed");
  }
  const fs::path edited = fs::path(kEditFolder) / name;
  const fs::path source = level.empty() ? fs::path(kLevelSource) : fs::path(level);
  std::error_code error;
  fs::create_directories(kEditFolder, error);
  if (!error && source.lexically_normal() != edited) {
    fs::copy_file(source, edited, fs::copy_options::overwrite_existing, error);
  }
  if (error) {
    throw quib::Failure("cannot copy " + source.string() + " to " + edited.string() + ": " +
                        error.message());
  }
  return edited.string();
}

// A string the page reads and frees.
char* forPage(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) {
    std::memcpy(copy, text.c_str(), text.size() + 1);
  }
  return copy;
}

// What `take` says, or what stopped it: nothing thrown reaches the page's script.
template <class Take>
std::string orError(Take&& take) {
  try {
    return take();
  } catch (const std::exception& error) {
    return error.what();
  }
}

}  // namespace

extern "C" {

// Lays the game folder out in the memory file system; 0, or 1 after reporting why not.
EMSCRIPTEN_KEEPALIVE int quib_prepare() {
  try {
    quib::makeGameFolder(quib::shippedGameFolder().root, kLevelSource);
    return 0;
  } catch (const std::exception& error) {
    quib::reportError(error.what());
    return 1;
  }
}

// Runs the program, from the start screen to the game's end: the level file and the pictures'
// folder of one's own where given (empty: the shipped ones). The exit status: 0 after Escape or
// a window closed, 1 after reporting why the game could not go on.
EMSCRIPTEN_KEEPALIVE int quib_play(const char* level, const char* pictures) {
  try {
    quib::GameSources sources;
    if (level[0] != '\0') {
      sources.level = level;
    }
    if (pictures[0] != '\0') {
      sources.pictures = pictures;
    }
    quib::PlayOptions options;
    options.files = quib::enterGame(sources);
    quib::BrowserDesktop desktop;
    const quib::GlyphTable font;
    return quib::runProgram(desktop, font, options);
  } catch (const std::exception& error) {
    quib::reportError(error.what());
    return 1;
  }
}

// Runs the editor on a copy of the level (empty: the shipped one) named `name`, with the
// pictures' folder of one's own where given; each save is handed to the page. The exit status:
// 0 when the editor ends, or the page ends it; 1 after reporting why it could not go on.
EMSCRIPTEN_KEEPALIVE int quib_edit(const char* level, const char* pictures, const char* name) {
  try {
    quib::GameSources sources;
    sources.level = editedCopy(level, name);
    if (pictures[0] != '\0') {
      sources.pictures = pictures;
    }
    quib::EditOptions options;
    options.files = quib::enterGame(sources);
    options.shownName = name;
    options.saved = [](const std::string& path) { pageLevelSaved(path.c_str()); };
    quib::BrowserDesktop desktop;
    const quib::GlyphTable font;
    return quib::runEditor(desktop, font, options);
  } catch (const quib::RunAbandoned&) {
    return 0;
  } catch (const std::exception& error) {
    quib::reportError(error.what());
    return 1;
  }
}

// A KeyboardEvent's virtual-key code (see dom_keys.hpp), or 0.
EMSCRIPTEN_KEEPALIVE int quib_key_code(const char* code, const char* key, int numLock) {
  return quib::virtualKeyOfDom(code, key, numLock != 0).value_or(0);
}

// The level file at `path` made one the game reads; the error, or an empty string.
EMSCRIPTEN_KEEPALIVE char* quib_take_level(const char* path) {
  return forPage(orError([&] { return quib::takeLevel(path); }));
}

// The picture at `path` put among the pictures of one's own, in `folder`; the error, or an
// empty string.
EMSCRIPTEN_KEEPALIVE char* quib_take_picture(const char* path, const char* folder) {
  return forPage(orError(
      [&] { return quib::takePicture(path, folder, quib::shippedGameFolder().pictures()); }));
}

}  // extern "C"
