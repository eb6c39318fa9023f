// Synchronous playback on SDL's audio queue, under a hard deadline.
#include "platform/sound.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "platform/chime.hpp"
#include "platform/quiet_stderr.hpp"
#include "platform/sdl_support.hpp"
#include "world/input_file.hpp"

namespace quib {
namespace {

struct Clip {
  SDL_AudioSpec spec{};
  std::vector<Uint8> bytes;
};

struct WavFree {
  void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

// An opened audio device, closed with its owner.
class AudioDevice {
 public:
  explicit AudioDevice(const SDL_AudioSpec& spec)
      : id_(SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0)) {}
  ~AudioDevice() {
    if (id_ != 0) {
      SDL_CloseAudioDevice(id_);
    }
  }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  SDL_AudioDeviceID id() const { return id_; }

 private:
  SDL_AudioDeviceID id_;
};

Clip builtInChime() {
  Clip clip;
  clip.spec.freq = kChimeRate;
  clip.spec.format = AUDIO_S16SYS;
  clip.spec.channels = 1;
  const std::vector<std::int16_t> samples = synthesizeChime(kChimeRate, 0.4);
  clip.bytes.resize(samples.size() * sizeof(std::int16_t));
  std::memcpy(clip.bytes.data(), samples.data(), clip.bytes.size());
  return clip;
}

// The largest sound file played; a chime is a few hundred kilobytes.
constexpr std::int64_t kLargestClip = std::int64_t{64} << 20;

Clip loadClip(const std::string& path) {
  const FileBytes file = readWholeFile(path, kLargestClip);
  if (!file.ok()) {
    std::fprintf(stderr, "quib: cannot play %s (%s); playing the built-in chime\n", path.c_str(),
                 file.error.c_str());
    return builtInChime();
  }
  Clip clip;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* bytes = SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size()));
  if (bytes == nullptr || SDL_LoadWAV_RW(bytes, 1, &clip.spec, &buffer, &length) == nullptr) {
    std::fprintf(stderr, "quib: cannot play %s (%s); playing the built-in chime\n", path.c_str(),
                 SDL_GetError());
    return builtInChime();
  }
  const std::unique_ptr<Uint8, WavFree> owned(buffer);
  clip.bytes.assign(buffer, buffer + length);
  return clip;
}

// A device buffer of about a thirtieth of a second, whatever the rate: the device's thread
// then never sleeps long past the sound's end, and closing it waits no longer either.
Uint16 shortBuffer(int rate) {
  constexpr int kBuffersASecond = 32;
  constexpr int kFewest = 64;
  int samples = kFewest;
  while (samples * 2 <= rate / kBuffersASecond) {
    samples *= 2;
  }
  return static_cast<Uint16>(samples);
}

Uint32 lengthInMs(const Clip& clip) {
  const int frameBytes = SDL_AUDIO_BITSIZE(clip.spec.format) / 8 * clip.spec.channels;
  if (frameBytes <= 0 || clip.spec.freq <= 0) {
    return 0;
  }
  const auto frames = static_cast<Uint64>(clip.bytes.size() / static_cast<std::size_t>(frameBytes));
  return static_cast<Uint32>(frames * 1000 / static_cast<Uint64>(clip.spec.freq));
}

// Waits until the device has played the clip: heard to its end, and the whole wait, closing
// included, within its length and a second of `start`.
void waitUntilHeard(const AudioDevice& device, const Clip& clip, Uint64 start) {
  constexpr Uint64 kGrace = 1000;
  constexpr Uint64 kClosing = 200;
  const Uint64 deadline = start + lengthInMs(clip) + kGrace - kClosing;
  constexpr Uint32 kPoll = 5;
  while (SDL_GetQueuedAudioSize(device.id()) > 0 && SDL_GetTicks64() < deadline) {
    SDL_Delay(kPoll);
  }
  // An empty queue means handed to the device, not yet heard: let the last buffer play.
  constexpr Uint64 kMargin = 20;
  const Uint64 tail =
      SDL_GetTicks64() + 1000u * clip.spec.samples / static_cast<Uint32>(clip.spec.freq) + kMargin;
  while (SDL_GetTicks64() < tail && SDL_GetTicks64() < deadline) {
    SDL_Delay(kPoll);
  }
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
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  Clip clip = loadClip(path);
  clip.spec.samples = shortBuffer(clip.spec.freq);
  std::optional<AudioDevice> device;
  {
    const QuietStderr quiet;
    device.emplace(clip.spec);
  }
  if (device->id() == 0 || SDL_QueueAudio(device->id(), clip.bytes.data(),
                                          static_cast<Uint32>(clip.bytes.size())) != 0) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  SDL_PauseAudioDevice(device->id(), 0);
  waitUntilHeard(*device, clip, start);
}

}  // namespace quib
