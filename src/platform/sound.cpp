// Synchronous playback on SDL's audio queue, under a hard deadline.
#include "platform/sound.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/chime.hpp"
#include "platform/sdl_support.hpp"

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
  clip.spec.samples = 1024;
  const std::vector<std::int16_t> samples = synthesizeChime(kChimeRate, 0.4);
  clip.bytes.resize(samples.size() * sizeof(std::int16_t));
  std::memcpy(clip.bytes.data(), samples.data(), clip.bytes.size());
  return clip;
}

Clip loadClip(const std::string& path) {
  Clip clip;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &clip.spec, &buffer, &length) == nullptr) {
    std::fprintf(stderr, "quib: cannot play %s (%s); playing the built-in chime\n", path.c_str(),
                 SDL_GetError());
    return builtInChime();
  }
  const std::unique_ptr<Uint8, WavFree> owned(buffer);
  clip.bytes.assign(buffer, buffer + length);
  return clip;
}

Uint32 lengthInMs(const Clip& clip) {
  const int frameBytes = SDL_AUDIO_BITSIZE(clip.spec.format) / 8 * clip.spec.channels;
  if (frameBytes <= 0 || clip.spec.freq <= 0) {
    return 0;
  }
  const auto frames = static_cast<Uint64>(clip.bytes.size() / static_cast<std::size_t>(frameBytes));
  return static_cast<Uint32>(frames * 1000 / static_cast<Uint64>(clip.spec.freq));
}

}  // namespace

void playSoundToEnd(const std::string& path) {
  // Audio starts on its own: a machine without sound still gets its game.
  const SdlSubsystem audio(SDL_INIT_AUDIO);
  if (!audio.started()) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  const Clip clip = loadClip(path);
  const AudioDevice device(clip.spec);
  if (device.id() == 0) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  const Uint32 length = lengthInMs(clip);
  const Uint64 deadline = SDL_GetTicks64() + length + 1000;
  if (SDL_QueueAudio(device.id(), clip.bytes.data(), static_cast<Uint32>(clip.bytes.size())) != 0) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  SDL_PauseAudioDevice(device.id(), 0);
  while (SDL_GetQueuedAudioSize(device.id()) > 0 && SDL_GetTicks64() < deadline) {
    SDL_Delay(10);
  }
  // An empty queue means handed to the device, not yet heard: let the last buffer play.
  const Uint64 tail =
      SDL_GetTicks64() + 1000u * clip.spec.samples / static_cast<Uint32>(clip.spec.freq) + 50;
  while (SDL_GetTicks64() < tail && SDL_GetTicks64() < deadline) {
    SDL_Delay(10);
  }
}

}  // namespace quib
