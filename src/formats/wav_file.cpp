// The WAV reader: the chunks found first, then the format checked, then the frames copied or
// widened, never more than the first seconds of them.
#include "formats/wav_file.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>

#include "formats/input_file.hpp"

namespace quib {
namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t le(Bytes bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) {
    value = (value << 8) | bytes[at + static_cast<std::size_t>(k)];
  }
  return value;
}

bool named(Bytes bytes, std::size_t at, const char* fourcc) {
  return std::memcmp(bytes.data() + at, fourcc, 4) == 0;
}

// The format tags (wFormatTag) the game plays.
constexpr std::uint32_t kPcm = 0x0001;
constexpr std::uint32_t kFloat = 0x0003;
constexpr std::uint32_t kALaw = 0x0006;
constexpr std::uint32_t kMuLaw = 0x0007;
constexpr std::uint32_t kExtensible = 0xfffe;  // the true tag is in the subformat's GUID

// Encodings a WAV file may well hold that the game does not play, by name.
struct EncodingName {
  std::uint32_t tag;
  const char* name;
};
constexpr EncodingName kOtherEncodings[] = {
    {0x0002, "Microsoft ADPCM"}, {0x0011, "IMA ADPCM"}, {0x0031, "GSM 6.10"},
    {0x0050, "MPEG audio"},      {0x0055, "MP3"},
};

// A subformat GUID is a format tag in its first two bytes and these fourteen after them.
constexpr std::array<std::uint8_t, 14> kGuidTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                    0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};

// The RIFF header: "RIFF", the size, "WAVE"; then chunks of an id, a size and the data.
constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kChunkHeader = 8;

// The fields of the format chunk, in bytes from its start.
enum FormatField : std::size_t {
  kTag = 0,
  kChannels = 2,
  kRate = 4,
  kBlockAlign = 12,
  kBits = 14,
  kCommonSize = 16,  // WAVEFORMAT with wBitsPerSample, which every encoding played has
  kExtraSize = 16,   // cbSize: how many bytes of the extensible fields follow
  kSubformat = 24,
  kExtensibleSize = 40,
};
constexpr std::uint32_t kExtensibleExtra = 22;

// Where a chunk's data lies, cut to the file's end.
struct Chunk {
  std::size_t at = 0;
  std::size_t size = 0;
  bool found = false;
};

struct Chunks {
  Chunk format;
  Chunk data;
  std::string error;
};

// The first format and data chunks. The RIFF header's size is not trusted: writers that stream
// leave it 0 or at its largest.
Chunks findChunks(Bytes file) {
  Chunks found;
  if (file.size() < kRiffHeader || !named(file, 0, "RIFF") || !named(file, 8, "WAVE")) {
    found.error = "not a WAV file";
    return found;
  }
  std::size_t at = kRiffHeader;
  while (at + kChunkHeader <= file.size() && !(found.format.found && found.data.found)) {
    const std::uint64_t length = le(file, at + 4, 4);
    const std::size_t start = at + kChunkHeader;
    const Chunk chunk{
        start, static_cast<std::size_t>(std::min<std::uint64_t>(length, file.size() - start)),
        true};
    if (named(file, at, "fmt ") && !found.format.found) {
      if (found.data.found) {
        found.error = "its sound comes before its format";
        return found;
      }
      found.format = chunk;
    } else if (named(file, at, "data") && !found.data.found) {
      found.data = chunk;
    }
    // A chunk of an odd size is followed by a byte of padding.
    const std::uint64_t next = start + length + (length & 1u);
    if (next > file.size()) {
      break;
    }
    at = static_cast<std::size_t>(next);
  }
  if (!found.format.found) {
    found.error = "not a WAV file (it has no format chunk)";
  } else if (!found.data.found) {
    found.error = "it holds no sound (it has no data chunk)";
  }
  return found;
}

struct Format {
  std::uint32_t tag = 0;
  std::uint32_t channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t blockAlign = 0;
  std::uint32_t bits = 0;
};

struct FormatRead {
  std::optional<Format> format;
  std::string error;
};

FormatRead readFormat(Bytes chunk) {
  if (chunk.size() < kCommonSize) {
    return {std::nullopt, "its format chunk is too short"};
  }
  Format f{le(chunk, kTag, 2), le(chunk, kChannels, 2), le(chunk, kRate, 4),
           le(chunk, kBlockAlign, 2), le(chunk, kBits, 2)};
  if (f.tag == kExtensible) {
    if (chunk.size() < kExtensibleSize || le(chunk, kExtraSize, 2) < kExtensibleExtra) {
      return {std::nullopt, "its extensible format chunk is too short"};
    }
    if (!std::equal(kGuidTail.begin(), kGuidTail.end(), chunk.begin() + kSubformat + 2)) {
      return {std::nullopt, "an extensible format of no known kind is none the game plays"};
    }
    f.tag = le(chunk, kSubformat, 2);
  }
  return {f, {}};
}

// Why the game does not play an encoding it knows nothing more of.
std::string otherEncoding(std::uint32_t tag) {
  for (const EncodingName& known : kOtherEncodings) {
    if (known.tag == tag) {
      return std::string(known.name) + " is no encoding the game plays";
    }
  }
  constexpr int kTagDigits = 4;
  std::array<char, kTagDigits + 1> hex{};
  std::snprintf(hex.data(), hex.size(), "%04x", static_cast<unsigned>(tag));
  return "encoding 0x" + std::string(hex.data()) + " is none the game plays";
}

// Why the game cannot play samples so encoded; empty when it can.
std::string checkEncoding(const Format& f) {
  const std::string bits = std::to_string(f.bits) + "-bit ";
  constexpr std::uint32_t kByte = 8;
  constexpr std::uint32_t kWord = 16;
  constexpr std::uint32_t kTriple = 24;
  constexpr std::uint32_t kLong = 32;
  switch (f.tag) {
    case kPcm:
      return f.bits == kByte || f.bits == kWord || f.bits == kTriple || f.bits == kLong
                 ? ""
                 : bits + "PCM is no encoding the game plays";
    case kFloat:
      return f.bits == kLong ? "" : bits + "floating point is no encoding the game plays";
    case kALaw:
    case kMuLaw:
      return f.bits == kByte
                 ? ""
                 : bits + (f.tag == kALaw ? "A-law" : "mu-law") + " is no encoding the game plays";
    default:
      return otherEncoding(f.tag);
  }
}

std::string checkFormat(const Format& f) {
  if (f.channels == 0) {
    return "it has no channels";
  }
  if (f.rate == 0 || f.rate > INT_MAX) {
    return "a rate of " + std::to_string(f.rate) + " Hz";
  }
  if (std::string error = checkEncoding(f); !error.empty()) {
    return error;
  }
  if (f.blockAlign * 8 != f.channels * f.bits) {
    return "blocks of " + std::to_string(f.blockAlign) + " bytes for " +
           std::to_string(f.channels) + " channels of " + std::to_string(f.bits) +
           " bits are none the game plays";
  }
  return {};
}

// G.711's companded bytes as 16-bit samples: a sign, a 3-bit exponent and a 4-bit mantissa.
std::int16_t fromMuLaw(std::uint8_t byte) {
  constexpr int kBias = 0x84;  // the coder adds it, so that each segment starts at a power of 2
  const auto code = static_cast<std::uint8_t>(~byte);  // stored inverted
  const int exponent = (code >> 4) & 0x7;
  const int mantissa = code & 0xf;
  const int magnitude = (((mantissa << 3) + kBias) << exponent) - kBias;
  return static_cast<std::int16_t>((code & 0x80) != 0 ? -magnitude : magnitude);
}

std::int16_t fromALaw(std::uint8_t byte) {
  constexpr std::uint8_t kEvenBits = 0x55;  // stored with every other bit inverted
  constexpr int kHalfStep = 0x8;
  constexpr int kLeadingOne = 0x100;
  const auto code = static_cast<std::uint8_t>(byte ^ kEvenBits);
  const int exponent = (code >> 4) & 0x7;
  const int mantissa = code & 0xf;
  const int magnitude = exponent == 0
                            ? (mantissa << 4) + kHalfStep
                            : ((mantissa << 4) + kHalfStep + kLeadingOne) << (exponent - 1);
  return static_cast<std::int16_t>((code & 0x80) != 0 ? magnitude : -magnitude);
}

// The samples as the device takes them: copied, or widened to 16 or 32 bits.
void putSamples(const Format& f, Bytes samples, std::vector<std::uint8_t>& out) {
  constexpr std::uint32_t kTriple = 24;
  if (f.tag == kALaw || f.tag == kMuLaw) {
    out.reserve(samples.size() * 2);
    for (const std::uint8_t byte : samples) {
      const auto value =
          static_cast<std::uint16_t>(f.tag == kALaw ? fromALaw(byte) : fromMuLaw(byte));
      out.push_back(static_cast<std::uint8_t>(value));
      out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
  } else if (f.bits == kTriple) {
    out.reserve(samples.size() / 3 * 4);
    for (std::size_t k = 0; k + 3 <= samples.size(); k += 3) {
      out.insert(out.end(), {0, samples[k], samples[k + 1], samples[k + 2]});
    }
  } else {
    out.assign(samples.begin(), samples.end());
  }
}

SampleFormat sampleFormatOf(const Format& f) {
  constexpr std::uint32_t kByte = 8;
  constexpr std::uint32_t kWord = 16;
  if (f.tag == kFloat) {
    return SampleFormat::kFloat32;
  }
  if (f.tag == kALaw || f.tag == kMuLaw || f.bits == kWord) {
    return SampleFormat::kSigned16;
  }
  return f.bits == kByte ? SampleFormat::kUnsigned8 : SampleFormat::kSigned32;
}

}  // namespace

int sampleBytes(SampleFormat format) {
  switch (format) {
    case SampleFormat::kUnsigned8:
      return 1;
    case SampleFormat::kSigned16:
      return 2;
    case SampleFormat::kSigned32:
    case SampleFormat::kFloat32:
      return 4;
  }
  return 0;
}

WavSound decodeWav(std::span<const std::uint8_t> file) {
  WavSound sound;
  const Chunks chunks = findChunks(file);
  if (!chunks.error.empty()) {
    sound.error = chunks.error;
    return sound;
  }
  const FormatRead read = readFormat(file.subspan(chunks.format.at, chunks.format.size));
  sound.error = read.format ? checkFormat(*read.format) : read.error;
  if (!sound.ok()) {
    return sound;
  }
  const Format& f = *read.format;
  sound.rate = static_cast<int>(f.rate);
  sound.channels = static_cast<int>(f.channels);
  sound.format = sampleFormatOf(f);
  // The first seconds only, before any widening: a long file costs no more than a short one.
  const std::uint64_t frames = std::min<std::uint64_t>(chunks.data.size / f.blockAlign,
                                                       std::uint64_t{kLongestClipSeconds} * f.rate);
  putSamples(f, file.subspan(chunks.data.at, static_cast<std::size_t>(frames * f.blockAlign)),
             sound.bytes);
  return sound;
}

WavSound readWavFile(const std::string& path) {
  const FileBytes file = readWholeFile(path, kLargestWavFile);
  if (!file.ok()) {
    WavSound sound;
    sound.error = file.error;
    return sound;
  }
  return decodeWav(file.bytes);
}

}  // namespace quib
