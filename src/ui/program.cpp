// The two windows' event loops. One thread: every event is handled to its end in turn.
#include "ui/program.hpp"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/game_window.hpp"
#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"
#include "ui/start_screen.hpp"
#include "ui/window_scale.hpp"

namespace quib {
namespace {

// The game window's picture as the window shows it: after a key, or uncovered, it is behind
// until shown.
class ShownPicture {
 public:
  ShownPicture(DesktopWindow& window, GameWindow& game) : window_(window), game_(game) {}

  bool behind() const { return behind_; }
  void keyHandled() { behind_ = true; }
  // Drawn whole when next shown: the window may have been uncovered or resized.
  void exposed() {
    behind_ = true;
    whole_ = true;
  }
  void show() {
    const Image& picture = game_.picture(changed_);
    if (whole_) {
      window_.presentWhole(picture);
    } else {
      window_.present(picture, changed_);
    }
    behind_ = false;
    whole_ = false;
  }

 private:
  DesktopWindow& window_;
  GameWindow& game_;
  std::vector<Rect> changed_;
  bool behind_ = false;
  bool whole_ = false;
};

int playGame(Desktop& desktop, DesktopWindow& window, GameWindow& game, KeyRecord* record) {
  ShownPicture shown(window, game);
  for (;;) {
    // Every key goes through the whole chain in turn, but while more are waiting nothing is
    // shown: a burst of keys ends on the screen with its last picture, not a second later.
    const DesktopEvent event = desktop.wait(shown.behind() ? 0 : -1);
    if (event.kind == DesktopEvent::Kind::kTimeout) {
      shown.show();
      continue;
    }
    if (event.kind == DesktopEvent::Kind::kClose) {
      // Mended: the game defined nothing for its window's close control, and the hidden
      // start screen would have kept it running; closing ends it, as Escape does.
      return 0;
    }
    const std::optional<std::int16_t> key = keyOf(event);
    if (!key) {
      if (event.kind == DesktopEvent::Kind::kExposed) {
        shown.exposed();
      }
      continue;
    }
    // Whichever view surface is shown, the keys reach the one handler. The record has each
    // key before it is handled, so a crash in handling it loses nothing.
    if (record != nullptr) {
      record->add(*key);
    }
    const KeyAction action = game.keyDown(*key);
    shown.keyHandled();
    if (action == KeyAction::kEndProgram) {
      // The printed code stays on screen while the sound plays.
      shown.show();
      desktop.playSoundToEnd(kSoundFile);
      return 0;
    }
  }
}

// Creates and starts the game window, then plays in it.
int Command1_Click(Desktop& desktop, DesktopWindow& form2, const TextRenderer& font,
                   const PlayOptions& options, const Image& icon, WindowScale& scale) {
  GameWindow game(font);
  game.Form_Load(options.files, [&] { form2.hide(); });
  const Size client = game.clientSize();
  const int factor = scale.of(client);
  const Size size{client.width * factor, client.height * factor};
  const std::unique_ptr<DesktopWindow> form1 =
      desktop.open({form1::kCaption, size.width, size.height, scale.place(form1::kPosition, size),
                    true, &icon, client});
  // No frame yet: view surface 0 shows its backdrop until the first key.
  std::vector<Rect> changed;
  form1->presentWhole(game.picture(changed));
  form1->show();
  return playGame(desktop, *form1, game, options.record);
}

int waitMs(const StartScreen& screen, std::uint64_t now) {
  const auto due = screen.due();
  if (!due) {
    return -1;
  }
  return *due <= now ? 0 : static_cast<int>(*due - now);
}

}  // namespace

int runProgram(Desktop& desktop, const TextRenderer& font, const PlayOptions& options) {
  const Image icon = drawQuibPicture(kIconSide, kIconSide);
  StartScreen screen(font);
  // The start screen takes the game window's scale, as far as the least game window fits.
  WindowScale scale(desktop, options.scale);
  const int factor = scale.of({WindowSurface::kWidth, WindowSurface::kHeight});
  const std::unique_ptr<DesktopWindow> form2 = desktop.open({form2::kCaption,
                                                             form2::kClient.width * factor,
                                                             form2::kClient.height * factor,
                                                             std::nullopt,
                                                             false,
                                                             &icon,
                                                             {}});
  form2->presentWhole(screen.picture());
  form2->show();
  for (;;) {
    const DesktopEvent event = desktop.wait(waitMs(screen, desktop.now()));
    if (event.kind == DesktopEvent::Kind::kClose) {
      return 0;  // closed before "Start": no game window is ever made
    }
    if (event.kind == DesktopEvent::Kind::kTimeout) {
      if (!screen.tick(desktop.now())) {
        continue;
      }
    } else if (screen.handle(event, desktop.now())) {
      return Command1_Click(desktop, *form2, font, options, icon, scale);
    }
    form2->presentWhole(screen.picture());
  }
}

}  // namespace quib
