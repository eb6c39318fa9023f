// The two windows' event loops. One thread: every event is handled to its end in turn.
#include "ui/program.hpp"

#include <algorithm>
#include <memory>

#include "ui/game_window.hpp"
#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"
#include "ui/start_screen.hpp"

namespace quib {
namespace {

constexpr int kIconSide = 32;

int playGame(Desktop& desktop, DesktopWindow& window, GameWindow& game) {
  for (;;) {
    const DesktopEvent event = desktop.wait(-1);
    switch (event.kind) {
      case DesktopEvent::Kind::kClose:
        // Mended: the game defined nothing for its window's close control, and the hidden
        // start screen would have kept it running; closing ends it, as Escape does.
        return 0;
      case DesktopEvent::Kind::kExposed:
        window.present(game.clientArea());
        break;
      case DesktopEvent::Kind::kKeyDown:
        // Whichever view surface is shown, the keys reach the one handler.
        if (game.keyDown(event.keyCode) == KeyAction::kEndProgram) {
          // The printed code stays on screen while the sound plays.
          window.present(game.clientArea());
          desktop.playSoundToEnd(kSoundFile);
          return 0;
        }
        window.present(game.clientArea());
        break;
      default:
        break;
    }
  }
}

// Creates and starts the game window, then plays in it.
int Command1_Click(Desktop& desktop, DesktopWindow& form2, const TextRenderer& font,
                   const PlayOptions& options, const Image& icon) {
  GameWindow game(font);
  game.Form_Load(options.driveX, [&] { form2.hide(); });
  const Size client = game.clientSize();
  const int scale = std::max(1, options.scale);
  const std::unique_ptr<DesktopWindow> form1 =
      desktop.open({form1::kCaption, client.width * scale, client.height * scale, form1::kPosition,
                    true, &icon});
  // No frame yet: view surface 0 shows its backdrop until the first key.
  form1->present(game.clientArea());
  form1->show();
  return playGame(desktop, *form1, game);
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
  const std::unique_ptr<DesktopWindow> form2 = desktop.open(
      {form2::kCaption, form2::kClient.width, form2::kClient.height, std::nullopt, false, &icon});
  form2->present(screen.picture());
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
      return Command1_Click(desktop, *form2, font, options, icon);
    }
    form2->present(screen.picture());
  }
}

}  // namespace quib
