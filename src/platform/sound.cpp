// Synchronous playback on SDL's audio queue, under a hard deadline.
#include "platform/sound.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/chime.hpp"

namespace quib {
namespace {

struct Clip {
  SDL_AudioSpec spec{};
  std::vector<Uint8> bytes;
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
  clip.bytes.assign(buffer, buffer + length);
  SDL_FreeWAV(buffer);
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
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    return;
  }
  const Clip clip = loadClip(path);
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &clip.spec, nullptr, 0);
  if (device == 0) {
    std::fprintf(stderr, "quib: no sound: %s\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  const Uint32 length = lengthInMs(clip);
  const Uint64 deadline = SDL_GetTicks64() + length + 1000;
  if (SDL_QueueAudio(device, clip.bytes.data(), static_cast<Uint32>(clip.bytes.size())) == 0) {
    SDL_PauseAudioDevice(device, 0);
    while (SDL_GetQueuedAudioSize(device) > 0 && SDL_GetTicks64() < deadline) {
      SDL_Delay(10);
    }
    // An empty queue means handed to the device, not yet heard: let the last buffer play.
    const Uint64 tail =
        SDL_GetTicks64() + 1000u * clip.spec.samples / static_cast<Uint32>(clip.spec.freq) + 50;
    while (SDL_GetTicks64() < tail && SDL_GetTicks64() < deadline) {
      SDL_Delay(10);
    }
  }
  SDL_CloseAudioDevice(device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace quib
