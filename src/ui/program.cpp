// The two windows' event loops. One thread: every event is handled to its end in turn.
#include "ui/program.hpp"

#include <algorithm>
#include <memory>
#include <optional>

#include "ui/game_window.hpp"
#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"
#include "ui/start_screen.hpp"

namespace quib {
namespace {

constexpr int kIconSide = 32;

// The key an event stands for in the game: a key, or a game controller's button.
std::optional<std::int16_t> keyOf(const DesktopEvent& event) {
  if (event.kind == DesktopEvent::Kind::kKeyDown) {
    return event.keyCode;
  }
  if (event.kind == DesktopEvent::Kind::kPadDown) {
    return keyOfPadButton(event.pad);
  }
  return std::nullopt;
}

int playGame(Desktop& desktop, DesktopWindow& window, GameWindow& game, KeyRecord* record) {
  for (;;) {
    const DesktopEvent event = desktop.wait(-1);
    if (event.kind == DesktopEvent::Kind::kClose) {
      // Mended: the game defined nothing for its window's close control, and the hidden
      // start screen would have kept it running; closing ends it, as Escape does.
      return 0;
    }
    const std::optional<std::int16_t> key = keyOf(event);
    if (!key) {
      if (event.kind == DesktopEvent::Kind::kExposed) {
        window.present(game.clientArea());
      }
      continue;
    }
    // Whichever view surface is shown, the keys reach the one handler. The record has each
    // key before it is handled, so a crash in handling it loses nothing.
    if (record != nullptr) {
      record->add(*key);
    }
    const KeyAction action = game.keyDown(*key);
    // After Escape the printed code stays on screen while the sound plays.
    window.present(game.clientArea());
    if (action == KeyAction::kEndProgram) {
      desktop.playSoundToEnd(kSoundFile);
      return 0;
    }
  }
}

// Creates and starts the game window, then plays in it.
int Command1_Click(Desktop& desktop, DesktopWindow& form2, const TextRenderer& font,
                   const PlayOptions& options, const Image& icon) {
  GameWindow game(font);
  game.Form_Load(options.files, [&] { form2.hide(); });
  const Size client = game.clientSize();
  const int scale = std::max(1, options.scale);
  const std::unique_ptr<DesktopWindow> form1 =
      desktop.open({form1::kCaption, client.width * scale, client.height * scale, form1::kPosition,
                    true, &icon});
  // No frame yet: view surface 0 shows its backdrop until the first key.
  form1->present(game.clientArea());
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
