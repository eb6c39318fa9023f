// The sound file made playable on SDL: the WAV reader's samples, odd rates converted.
#include "platform/sound_clip.hpp"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "formats/chime.hpp"
#include "formats/wav_file.hpp"

namespace quib {
namespace {

// SDL mixes and converts up to 7.1 sound, eight channels.
constexpr int kMostChannels = 8;

struct StreamFree {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// How many of `size` bytes of the clip's samples make whole frames within its first
// kLongestClipSeconds.
std::size_t firstSeconds(const Clip& clip, std::size_t size) {
  const auto frame = static_cast<std::size_t>(clip.frameBytes());
  const std::size_t most =
      static_cast<std::size_t>(kLongestClipSeconds) * static_cast<std::size_t>(clip.rate) * frame;
  const std::size_t kept = std::min(size, most);
  return kept - kept % frame;
}

// The clip as 16-bit samples, mono or stereo, at `rate`; or nothing, SDL_GetError() saying why.
std::optional<Clip> convert(const Clip& clip, int rate) {
  Clip out{rate, clip.channels == 1 ? 1 : 2, AUDIO_S16SYS, {}};
  const std::unique_ptr<SDL_AudioStream, StreamFree> stream(
      SDL_NewAudioStream(clip.format, static_cast<Uint8>(clip.channels), clip.rate, out.format,
                         static_cast<Uint8>(out.channels), out.rate));
  if (!stream ||
      SDL_AudioStreamPut(stream.get(), clip.bytes.data(), static_cast<int>(clip.bytes.size())) !=
          0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    return std::nullopt;
  }
  out.bytes.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
  const int got =
      SDL_AudioStreamGet(stream.get(), out.bytes.data(), static_cast<int>(out.bytes.size()));
  if (got < 0) {
    return std::nullopt;
  }
  out.bytes.resize(static_cast<std::size_t>(got));
  return out;
}

// SDL's name for each layout of samples the reader gives.
SDL_AudioFormat sdlFormat(SampleFormat format) {
  switch (format) {
    case SampleFormat::kUnsigned8:
      return AUDIO_U8;
    case SampleFormat::kSigned16:
      return AUDIO_S16LSB;
    case SampleFormat::kSigned32:
      return AUDIO_S32LSB;
    case SampleFormat::kFloat32:
      return AUDIO_F32LSB;
  }
  return AUDIO_S16LSB;
}

// The WAV file's first seconds as a clip, or why it cannot be one.
SoundFile clipOf(WavSound wav) {
  if (!wav.ok()) {
    return {std::nullopt, wav.error, {}};
  }
  if (wav.channels > kMostChannels) {
    return {std::nullopt,
            std::to_string(wav.channels) + " channels, more than the " +
                std::to_string(kMostChannels) + " a sound device takes",
            {}};
  }
  return {Clip{wav.rate, wav.channels, sdlFormat(wav.format), std::move(wav.bytes)}, {}, {}};
}

}  // namespace

int Clip::frameBytes() const {
  return static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8 * channels;
}

std::uint64_t Clip::lengthMs() const {
  const int frame = frameBytes();
  if (frame <= 0 || rate <= 0) {
    return 0;
  }
  constexpr std::uint64_t kMsASecond = 1000;
  return bytes.size() / static_cast<std::size_t>(frame) * kMsASecond /
         static_cast<std::uint64_t>(rate);
}

SoundFile readSoundFile(const std::string& path) {
  SoundFile sound = clipOf(readWavFile(path));
  if (!sound.clip) {
    return sound;
  }
  Clip& clip = *sound.clip;
  // SDL would open a device at any rate, but a backend may refuse a rate far from the
  // usual ones (PulseAudio's ceiling is 384 kHz), and at a few hertz a device buffer lasts
  // minutes, which closing the device waits out.
  const int rate = std::clamp(clip.rate, kLowestRate, kHighestRate);
  if (rate != clip.rate) {
    std::optional<Clip> converted = convert(clip, rate);
    if (!converted) {
      return {std::nullopt, SDL_GetError(), {}};
    }
    sound.note = "cannot play " + path + " at " + std::to_string(clip.rate) +
                 " Hz; playing it at " + std::to_string(rate) + " Hz";
    clip = std::move(*converted);
    clip.bytes.resize(firstSeconds(clip, clip.bytes.size()));
  }
  if (clip.bytes.empty()) {
    return {std::nullopt, "it holds no sound", {}};
  }
  return sound;
}

Clip builtInChime() {
  const std::vector<std::int16_t> samples = synthesizeChime(kChimeRate, 0.4);
  Clip clip{kChimeRate, 1, AUDIO_S16SYS, {}};
  clip.bytes.resize(samples.size() * sizeof(std::int16_t));
  std::memcpy(clip.bytes.data(), samples.data(), clip.bytes.size());
  return clip;
}

}  // namespace quib
