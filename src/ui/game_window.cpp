// Start-up of the game window and its event loop.
#include "ui/game_window.hpp"

#include <filesystem>

#include "platform/failure.hpp"
#include "platform/paths.hpp"
#include "platform/picture_file.hpp"
#include "platform/sound.hpp"
#include "platform/window.hpp"
#include "world/level_file.hpp"

namespace quib {

GameWindow::GameWindow(const Font& font) : screen_(std::make_unique<GameScreen>(font)) {}

void GameWindow::Form_Load(const std::string& driveX) {
  GameScreen& s = *screen_;
  // The backdrop is read afresh for each surface, as the game always has.
  for (ViewSurface& surface : s.views.Picture1) {
    surface.setBackdrop(loadPicture(driveLetterPath("x:\\p3.bmp", driveX)));
  }
  s.views.Picture1[0].setVisible(true);
  s.views.Picture1[1].setVisible(false);
  s.world.N = s.views.Picture1[0].extent();

  s.images.Image1 = loadPicture(driveLetterPath("x:\\wall.bmp", driveX));
  s.images.Image2 = loadPicture(driveLetterPath("x:\\lift.bmp", driveX));
  s.images.Image3 = loadPicture(driveLetterPath("x:\\door.bmp", driveX));
  s.images.Image4 = loadPicture(driveLetterPath("x:\\powon.bmp", driveX));

  const LevelRead level = readLevel(levelPath(workingDirectory()), s.world.labmap);
  if (!level.ok()) {
    throw Failure(level.error);
  }
  placeViewer(s.world, level.n);
}

Image GameWindow::clientArea() const {
  Image client = screen_->own.pixels();
  for (const ViewSurface& surface : screen_->views.Picture1) {
    if (surface.visible()) {
      client.blit(surface.pixels(), kViewLeft, kViewTop);
    }
  }
  return client;
}

std::string enterGameFolder(const std::optional<std::string>& gameDir) {
  if (gameDir) {
    std::error_code error;
    const GameFolder folder{std::filesystem::absolute(*gameDir, error).string()};
    enterFolder(folder.bin());
    return folder.pictures();
  }
  const GameFolder folder = shippedGameFolder();
  enterFolder(folder.bin());
  return driveXFolder(folder.pictures());
}

int playGame(const std::string& driveX) {
  Window window(kGameCaption, WindowSurface::kWidth, WindowSurface::kHeight);
  const Font font;
  GameWindow game(font);
  game.Form_Load(driveX);
  window.show();
  window.present(game.clientArea());
  for (;;) {
    const WindowEvent event = window.waitEvent();
    switch (event.kind) {
      case WindowEvent::Kind::kClose:
        return 0;
      case WindowEvent::Kind::kExposed:
        window.present(game.clientArea());
        break;
      case WindowEvent::Kind::kKeyDown:
        if (game.keyDown(event.keyCode) == KeyAction::kEndProgram) {
          // The printed code stays on screen while the sound plays.
          window.present(game.clientArea());
          playSoundToEnd(kSoundFile);
          return 0;
        }
        window.present(game.clientArea());
        break;
    }
  }
}

}  // namespace quib
