// Synchronous playback on SDL's audio queue, under a hard deadline, until the window closes.
#include "platform/sound.hpp"

#include <SDL.h>

#include <memory>
#include <optional>

#include "formats/message.hpp"
#include "platform/quiet_stderr.hpp"
#include "platform/sdl_support.hpp"
#include "platform/sound_clip.hpp"

namespace quib {
namespace {

// A device buffer of about a thirtieth of a second, whatever the rate: the device's thread
// then never sleeps long past the sound's end, and closing it waits no longer either.
Uint16 shortBuffer(int rate) {
  constexpr int kBuffersASecond = 32;
  constexpr int kFewest = 64;
  constexpr int kMost = 1 << 15;  // SDL counts a buffer's samples in 16 bits
  int samples = kFewest;
  while (samples * 2 <= rate / kBuffersASecond && samples < kMost) {
    samples *= 2;
  }
  return static_cast<Uint16>(samples);
}

// An audio device opened for one clip, with the whole clip queued; closed with its owner.
class AudioDevice {
 public:
  explicit AudioDevice(const Clip& clip) {
    SDL_AudioSpec spec{};
    spec.freq = clip.rate;
    spec.format = clip.format;
    spec.channels = static_cast<Uint8>(clip.channels);
    spec.samples = shortBuffer(clip.rate);
    samples_ = spec.samples;
    {
      // The sound libraries' own complaints stay off stderr; the game gives one line.
      const QuietStderr quiet;
      id_ = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    }
    if (id_ != 0 &&
        SDL_QueueAudio(id_, clip.bytes.data(), static_cast<Uint32>(clip.bytes.size())) != 0) {
      SDL_CloseAudioDevice(id_);
      id_ = 0;
    }
  }
  ~AudioDevice() {
    if (id_ != 0) {
      SDL_CloseAudioDevice(id_);
    }
  }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // When false, SDL_GetError() says why.
  bool ready() const { return id_ != 0; }
  SDL_AudioDeviceID id() const { return id_; }
  Uint16 bufferSamples() const { return samples_; }

 private:
  SDL_AudioDeviceID id_ = 0;
  Uint16 samples_ = 0;
};

// Whether the window's close control, or the end of the session (a signal to end included),
// was asked for. Mended: the game's sound held it until the end, whatever was asked of its
// window meanwhile; a close now ends the sound and the game at once, as it does at any other
// time. The game ends once the sound has played, so the events read here are wanted by nothing
// else.
bool closeRequested() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == SDL_QUIT ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
      return true;
    }
  }
  return false;
}

// Waits until the device has played the clip, or until a close request: heard to its end, and
// the whole wait, closing included, within its length and a second of `start`.
void waitUntilHeard(const AudioDevice& device, const Clip& clip, Uint64 start) {
  constexpr Uint64 kGrace = 1000;
  constexpr Uint64 kClosing = 200;
  const Uint64 deadline = start + clip.lengthMs() + kGrace - kClosing;
  constexpr Uint32 kPoll = 5;
  // False when the window was closed meanwhile.
  const auto waitWhile = [&](auto going) {
    while (going() && SDL_GetTicks64() < deadline) {
      if (closeRequested()) {
        return false;
      }
      SDL_Delay(kPoll);
    }
    return true;
  };
  if (!waitWhile([&] { return SDL_GetQueuedAudioSize(device.id()) > 0; })) {
    return;
  }
  // An empty queue means handed to the device, not yet heard: let the last buffer play.
  constexpr Uint64 kMargin = 20;
  const Uint64 tail =
      SDL_GetTicks64() + 1000u * device.bufferSamples() / static_cast<Uint32>(clip.rate) + kMargin;
  waitWhile([&] { return SDL_GetTicks64() < tail; });
}

// A clip queued on its device.
struct Playing {
  Clip clip;
  std::unique_ptr<AudioDevice> device;
};

// The file's clip on a device, or the built-in chime in its place. One note at most: how the
// file was changed to be played, or why the chime stands in for it, or, when no device takes
// even the chime, that there is no sound (and nothing to play).
std::optional<Playing> queueSound(const std::string& path) {
  SoundFile file = readSoundFile(path);
  std::string reason = file.reason;
  if (file.clip) {
    auto device = std::make_unique<AudioDevice>(*file.clip);
    if (device->ready()) {
      if (!file.note.empty()) {
        sayLine("quib", file.note);
      }
      return Playing{std::move(*file.clip), std::move(device)};
    }
    reason = SDL_GetError();
  }
  Playing chime{builtInChime(), nullptr};
  chime.device = std::make_unique<AudioDevice>(chime.clip);
  if (!chime.device->ready()) {
    sayLine("quib", std::string("no sound: ") + SDL_GetError());
    return std::nullopt;
  }
  sayLine("quib", "cannot play " + path + " (" + reason + "); playing the built-in chime");
  return chime;
}

}  // namespace

void playSoundToEnd(const std::string& path) {
  const Uint64 start = SDL_GetTicks64();
  // Audio starts on its own: a machine without sound still gets its game. The sound
  // libraries' own complaints while SDL looks for a device stay off stderr.
  std::optional<SdlSubsystem> audio;
  {
    const QuietStderr quiet;
    audio.emplace(SDL_INIT_AUDIO);
  }
  if (!audio->started()) {
    sayLine("quib", std::string("no sound: ") + SDL_GetError());
    return;
  }
  // Events, for a close request during the sound; the game's video has them started already.
  const SdlSubsystem events(SDL_INIT_EVENTS);
  const std::optional<Playing> playing = queueSound(path);
  if (!playing) {
    return;
  }
  SDL_PauseAudioDevice(playing->device->id(), 0);
  waitUntilHeard(*playing->device, playing->clip, start);
}

}  // namespace quib
