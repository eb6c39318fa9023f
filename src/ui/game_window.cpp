// Start-up of the game window: the pictures, the level and the viewer, in the game's order.
#include "ui/game_window.hpp"

#include <array>

#include "canvas/picture_changes.hpp"
#include "control/plan_map.hpp"
#include "platform/failure.hpp"
#include "platform/paths.hpp"
#include "platform/picture_file.hpp"
#include "world/level_file.hpp"

namespace quib {

GameWindow::GameWindow(const TextRenderer& font) : screen_(std::make_unique<GameScreen>(font)) {}

KeyAction GameWindow::keyDown(std::int16_t keyCode) {
  const KeyAction action = Picture1_KeyDown(*screen_, keyCode);
  printed_ = keyCode;
  viewDrawn_ = viewDrawn_ || action != KeyAction::kEndProgram;
  return action;
}

void GameWindow::redraw() {
  screen_->own.clear();
  if (printed_) {
    screen_->own.printNumber(*printed_);
  }
  drawScreen(*screen_);
  viewDrawn_ = true;
}

void GameWindow::Form_Load(const GameFiles& files, const std::function<void()>& hideStartScreen) {
  // The start screen goes first, so that a start-up that fails leaves no window behind.
  if (hideStartScreen) {
    hideStartScreen();
  }
  loadPictures(files.driveX);
  Labmap& labmap = screen_->world.labmap;
  const LevelRead level = readLevel(files.level.value_or(levelPath(workingDirectory())), labmap);
  if (!level.ok()) {
    throw Failure(level.error);
  }
  placeLevel(level.n);
}

void GameWindow::loadPictures(const std::string& driveX) {
  GameScreen& s = *screen_;
  // Kept: the backdrop is read afresh for each surface, as the game always has.
  for (ViewSurface& surface : s.views.Picture1) {
    surface.setBackdrop(loadPicture(driveLetterPath("x:\\p3.bmp", driveX)));
  }
  s.views.Picture1[0].setVisible(true);
  s.views.Picture1[1].setVisible(false);
  s.world.N = s.views.Picture1[0].extent();

  s.images.set(Face::kWall, loadPicture(driveLetterPath("x:\\wall.bmp", driveX)));
  s.images.set(Face::kLift, loadPicture(driveLetterPath("x:\\lift.bmp", driveX)));
  s.images.set(Face::kDoor, loadPicture(driveLetterPath("x:\\door.bmp", driveX)));
  s.images.set(Face::kPowerSwitch, loadPicture(driveLetterPath("x:\\powon.bmp", driveX)));
}

void GameWindow::setLevel(const Labmap& labmap, int n) {
  screen_->world.labmap = labmap;
  placeLevel(n);
}

void GameWindow::placeLevel(int n) {
  GameScreen& s = *screen_;
  placeViewer(s.world, n);
  const Size client = planClientSize(s.world.N, s.world.ro);
  s.own.resize(client.width, client.height);
  shownWhole_ = false;
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

const Image& GameWindow::picture(std::vector<Rect>& changed) {
  changed.clear();
  const std::array<Rect, 2> ownChanged = screen_->own.takeChanges();
  const Image& own = screen_->own.pixels();
  const ViewSurface* view = nullptr;
  for (const ViewSurface& surface : screen_->views.Picture1) {
    if (surface.visible()) {
      view = &surface;
    }
  }
  if (!shownWhole_ || shown_.width() != own.width() || shown_.height() != own.height()) {
    shown_ = clientArea();
    changed.push_back({0, 0, shown_.width(), shown_.height()});
    shownWhole_ = true;
  } else {
    // The own surface shows only around the view; the view is compared whole, as a frame
    // may change any pixel of it.
    const Rect square =
        view != nullptr ? Rect{kViewLeft, kViewTop, view->pixels().width(), view->pixels().height()}
                        : Rect{};
    for (const Rect& touched : ownChanged) {
      for (const Rect& part : outside(touched, square)) {
        copyChanges(shown_, own, {0, 0}, part, changed);
      }
    }
    if (view != nullptr && viewDrawn_) {
      copyChanges(shown_, view->pixels(), {kViewLeft, kViewTop}, square, changed);
    }
  }
  viewDrawn_ = false;
  return shown_;
}

}  // namespace quib
