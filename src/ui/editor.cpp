// The editor's event loop: the game's keys as in play, the plan as a drawing board, a strip
// under the window for the palette and the questions.
#include "ui/editor.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/picture_changes.hpp"
#include "control/plan_map.hpp"
#include "edit/level_edits.hpp"
#include "edit/level_save.hpp"
#include "edit/plan_spot.hpp"
#include "formats/message.hpp"
#include "platform/failure.hpp"
#include "ui/edit_strip.hpp"
#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"
#include "ui/window_scale.hpp"
#include "world/level_file.hpp"

namespace quib {
namespace {

// A file that is not there yet starts as quib-level new 10 makes one.
constexpr int kNewExtent = 10;

// Ctrl with these: undo, redo, save.
constexpr std::int16_t kUndoKey = 'Z';
constexpr std::int16_t kRedoKey = 'Y';
constexpr std::int16_t kSaveKey = 'S';

// The level at `path`, or a new one where there is no file; throws Failure naming the file
// when it cannot be read.
int readStartingLevel(const std::string& path, Labmap& labmap) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 && errno == ENOENT) {
    labmap = Labmap();
    return kNewExtent;
  }
  const LevelRead level = readLevel(path, labmap);
  if (!level.ok()) {
    throw Failure(level.error);
  }
  return level.n;
}

// Why the editor was asked to end while changes were unsaved.
enum class Ending { kClose, kEscape };

class Editor {
 public:
  Editor(Desktop& desktop, const TextRenderer& font, const EditOptions& options)
      : desktop_(desktop), options_(options), game_(font) {
    game_.loadPictures(options.files.driveX);
    auto labmap = std::make_unique<Labmap>();
    n_ = readStartingLevel(options.files.level.value_or(""), *labmap);
    game_.setLevel(*labmap, n_);
    edits_ = std::make_unique<LevelEdits>(game_.screen().world);
    const World& world = game_.screen().world;
    const auto paletteLeft = static_cast<int>(static_cast<float>(kViewLeft) + world.N + kPlanGap);
    // Room for the plan of a new level too, should this one have none: the only level that can
    // take this one's place.
    Size area = game_.clientSize();
    if (n_ < 1) {
      const Size fresh = planClientSize(world.N, static_cast<float>(kNewExtent));
      area = {std::max(area.width, fresh.width), std::max(area.height, fresh.height)};
    }
    strip_ = std::make_unique<EditStrip>(font, game_.screen().images, area.width, paletteLeft);
    picture_ = Image(area.width, area.height + EditStrip::kHeight, WindowSurface::kBackColour);
    if (n_ < 1) {
      strip_->say(StripLine::kNothingToDraw);
    }
  }

  int run() {
    WindowScale scale(desktop_, options_.scale);
    const Size size{picture_.width(), picture_.height()};
    const int factor = scale.of(size);
    const Size scaled{size.width * factor, size.height * factor};
    const Image icon = drawQuibPicture(kIconSide, kIconSide);
    window_ = desktop_.open({caption(), scaled.width, scaled.height,
                             scale.place(form1::kPosition, scaled), true, &icon, size});
    caption_ = caption();
    game_.redraw();
    show(true);
    window_->show();
    while (!ended_) {
      const DesktopEvent event = desktop_.wait(behind_ ? 0 : -1);
      if (event.kind == DesktopEvent::Kind::kTimeout) {
        show(false);
        continue;
      }
      handle(event);
      behind_ = true;
    }
    return 0;
  }

 private:
  bool unsaved() const { return replaced_ || edits_->unsaved(); }

  std::string caption() const {
    return std::string(form1::kCaption) + " - " + options_.shownName + (unsaved() ? "*" : "");
  }

  int stripTop() const { return picture_.height() - EditStrip::kHeight; }

  // Brings the window up to date: the game's picture where it changed, the strip, the caption.
  void show(bool whole) {
    std::vector<Rect> gameChanged;
    const Image& client = game_.picture(gameChanged);
    whole = whole || exposed_;
    std::vector<Rect> changed;
    for (const Rect& part : gameChanged) {
      copyChanges(picture_, client, {0, 0}, part, changed);
    }
    bool stripChanged = false;
    const Image& strip = strip_->picture(stripChanged);
    if (stripChanged || whole) {
      picture_.blit(strip, 0, stripTop());
      changed.push_back({0, stripTop(), strip.width(), strip.height()});
    }
    if (whole) {
      window_->presentWhole(picture_);
    } else if (!changed.empty()) {
      window_->present(picture_, changed);
    }
    if (const std::string now = caption(); now != caption_) {
      window_->setCaption(now);
      caption_ = now;
    }
    behind_ = false;
    exposed_ = false;
  }

  void handle(const DesktopEvent& event) {
    using Kind = DesktopEvent::Kind;
    switch (event.kind) {
      case Kind::kClose:
        // Asked already: closing again leaves the changes unsaved.
        if (unsaved() && strip_->line() != StripLine::kAskSave) {
          ask(Ending::kClose);
        } else {
          ended_ = true;
        }
        return;
      case Kind::kExposed:
        exposed_ = true;
        return;
      case Kind::kPointerDown:
        pointerDown(event);
        return;
      case Kind::kPointerMoved:
        if (dragging_) {
          dragTo({event.x, event.y});
        }
        return;
      case Kind::kPointerUp:
        pointerUp(event);
        return;
      case Kind::kKeyDown:
      case Kind::kPadDown:
        keyDown(event);
        return;
      default:
        return;
    }
  }

  void pointerDown(const DesktopEvent& event) {
    if (event.y >= stripTop()) {
      const int y = event.y - stripTop();
      if (const std::optional<std::int32_t> code = strip_->codeAt(event.x, y)) {
        strip_->choose(*code);
      }
      strip_->pointerDown(event.x, y);
      return;
    }
    if (strip_->line() == StripLine::kAskSave) {
      return;  // the question first
    }
    dragging_ = event.button;
    dragLayer_.reset();
    lastSpot_.reset();
    dragAt_ = {event.x, event.y};
    if (paintAt(dragAt_)) {
      levelChanged();
    }
  }

  void pointerUp(const DesktopEvent& event) {
    if (dragging_) {
      dragging_.reset();
      edits_->endStep();
    }
    answer(strip_->pointerUp(event.x, event.y - stripTop()));
  }

  // A drag paints every panel on its way, a pixel at a time: the pointer's events come as far
  // apart as it moves between two of them.
  void dragTo(Point to) {
    const Point from = dragAt_;
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    bool changed = false;
    for (int step = 1; step <= steps; ++step) {
      changed = paintAt({from.x + (to.x - from.x) * step / steps,
                         from.y + (to.y - from.y) * step / steps}) ||
                changed;
    }
    dragAt_ = to;
    if (changed) {
      levelChanged();
    }
  }

  // Sets the panel under the pointer to the chosen code, or clears it with the secondary
  // button; true when that changed it. A drag keeps to the layer it began in, so that one along
  // a row of points lays panels across the view even where it passes over a point.
  bool paintAt(Point at) {
    const World& world = game_.screen().world;
    const PlanGeometry geometry(world.N, world.ro, static_cast<float>(kViewLeft),
                                static_cast<float>(kViewTop));
    std::optional<PlanSpot> spot =
        spotAt(geometry, static_cast<float>(at.x), static_cast<float>(at.y));
    if (!spot) {
      return false;
    }
    if (dragLayer_) {
      spot->k = *dragLayer_;
    }
    dragLayer_ = spot->k;
    if (spot == lastSpot_) {
      return false;
    }
    lastSpot_ = spot;
    const std::int32_t code = dragging_ == PointerButton::kPrimary ? strip_->chosen() : 0;
    return edits_->set(game_.screen().world, *spot, code);
  }

  void keyDown(const DesktopEvent& event) {
    const std::optional<std::int16_t> key = keyOf(event);
    if (!key) {
      return;
    }
    const StripAnswer answered = strip_->keyDown(*key);
    if (answered != StripAnswer::kNone) {
      answer(answered);
      return;
    }
    if (strip_->line() == StripLine::kAskSave) {
      return;  // the question first
    }
    if (event.kind == DesktopEvent::Kind::kKeyDown && (event.control || isDigit(*key))) {
      editingKey(*key, event.shift);
      return;
    }
    if (*key == vk::kEscape && unsaved()) {
      ask(Ending::kEscape);
      return;
    }
    if (options_.record != nullptr) {
      options_.record->add(*key);
    }
    if (game_.keyDown(*key) == KeyAction::kEndProgram) {
      endAsInPlay();
      return;
    }
    edits_->turned(*key);
  }

  static bool isDigit(std::int16_t key) { return key >= '0' && key < '0' + kPaletteCodes; }

  // The keys that reach no game: the palette's digits, and Ctrl with a letter.
  void editingKey(std::int16_t key, bool shift) {
    if (isDigit(key)) {
      strip_->choose(key - '0');
    } else if (key == kUndoKey && !shift) {
      undo();
    } else if (key == kRedoKey || key == kUndoKey) {
      redo();
    } else if (key == kSaveKey) {
      save();
    }
  }

  void undo() {
    if (edits_->undo(game_.screen().world)) {
      levelChanged();
    }
  }

  void redo() {
    if (edits_->redo(game_.screen().world)) {
      levelChanged();
    }
  }

  // The view and the plan show the change at once; what the last save did is past news.
  void levelChanged() {
    game_.redraw();
    if (strip_->line() == StripLine::kSaved || strip_->line() == StripLine::kNotSaved) {
      strip_->say(StripLine::kNone);
    }
  }

  void ask(Ending ending) {
    ending_ = ending;
    strip_->say(StripLine::kAskSave);
  }

  void answer(StripAnswer answer) {
    switch (answer) {
      case StripAnswer::kSave:
        if (save() && ending_) {
          end();
        }
        return;
      case StripAnswer::kDiscard:
        end();
        return;
      case StripAnswer::kCancel:
        ending_.reset();
        strip_->say(StripLine::kNone);
        return;
      case StripAnswer::kNewLevel:
        newLevel();
        return;
      case StripAnswer::kNone:
        return;
    }
  }

  // Ends as the question's cause would have: Escape with its sound.
  void end() {
    if (ending_ == Ending::kEscape) {
      game_.keyDown(vk::kEscape);
      endAsInPlay();
      return;
    }
    ended_ = true;
  }

  // The printed code stays on screen while the sound plays.
  void endAsInPlay() {
    show(false);
    desktop_.playSoundToEnd(kSoundFile);
    ended_ = true;
  }

  bool save() {
    const std::string path = options_.files.level.value_or("");
    const std::unique_ptr<Labmap> loaded = edits_->asLoaded(game_.screen().world.labmap);
    if (const std::string error = saveLevel(path, *loaded, n_); !error.empty()) {
      sayLine("quib", "cannot save " + options_.shownName + ": " + error);
      strip_->say(StripLine::kNotSaved);
      return false;
    }
    edits_->saved();
    replaced_ = false;
    strip_->say(StripLine::kSaved);
    if (options_.saved) {
      options_.saved(path);
    }
    return true;
  }

  // The offer for a level without plan: a new one in its place, to be saved.
  void newLevel() {
    n_ = kNewExtent;
    game_.setLevel(*std::make_unique<Labmap>(), n_);
    edits_ = std::make_unique<LevelEdits>(game_.screen().world);
    replaced_ = true;
    strip_->say(StripLine::kNone);
    game_.redraw();
  }

  Desktop& desktop_;
  const EditOptions& options_;
  GameWindow game_;
  int n_ = 0;  // the extent the level was loaded with, and is saved with
  std::unique_ptr<LevelEdits> edits_;
  std::unique_ptr<EditStrip> strip_;
  Image picture_;
  std::unique_ptr<DesktopWindow> window_;
  std::string caption_;
  std::optional<PointerButton> dragging_;
  std::optional<PlanSpot> lastSpot_;
  std::optional<int> dragLayer_;
  Point dragAt_;
  std::optional<Ending> ending_;
  bool replaced_ = false;  // the level is a new one, not the file's
  bool behind_ = false;
  bool exposed_ = false;
  bool ended_ = false;
};

}  // namespace

int runEditor(Desktop& desktop, const TextRenderer& font, const EditOptions& options) {
  Editor editor(desktop, font, options);
  return editor.run();
}

}  // namespace quib
