// The layout every store file shares: a four-character magic, then chunks
// one after the other, each a four-character tag, the data's length as a
// 32-bit number and the data, all little-endian; the last chunk, "CKSM",
// holds a 16-byte MD5 digest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/coding.h"

namespace zelvo {

// A four-character tag or magic, first character in the lowest byte, so that
// stored little-endian it reads in order.
class ChunkTag {
 public:
  constexpr ChunkTag() = default;
  constexpr explicit ChunkTag(uint32_t raw) : raw_(raw) {}
  constexpr ChunkTag(char c0, char c1, char c2, char c3)
      : raw_(static_cast<uint8_t>(c0) | static_cast<uint32_t>(static_cast<uint8_t>(c1)) << 8 |
             static_cast<uint32_t>(static_cast<uint8_t>(c2)) << 16 |
             static_cast<uint32_t>(static_cast<uint8_t>(c3)) << 24) {}
  constexpr explicit ChunkTag(const char (&text)[5])
      : ChunkTag(text[0], text[1], text[2], text[3]) {}

  constexpr uint32_t raw() const { return raw_; }
  constexpr bool operator==(const ChunkTag&) const = default;

 private:
  uint32_t raw_ = 0;
};

inline constexpr size_t kMagicSize = 4;
inline constexpr size_t kChunkTagSize = 4;
// The tag and the length in front of a chunk's data.
inline constexpr size_t kChunkHeaderSize = kChunkTagSize + 4;
inline constexpr ChunkTag kChecksumTag("CKSM");
inline constexpr uint32_t kDigestSize = 16;

// Writes a chunk's header at `dst`; returns the position of its data.
inline uint8_t* EncodeChunkHeader(uint8_t* dst, ChunkTag tag, uint32_t length) {
  EncodeFixed32(dst, tag.raw());
  EncodeFixed32(dst + kChunkTagSize, length);
  return dst + kChunkHeaderSize;
}

// One chunk of bytes laid out as in a file.
struct ChunkView {
  ChunkTag tag;
  std::span<const uint8_t> data;

  size_t size() const { return kChunkHeaderSize + data.size(); }
};

// Takes the chunk at the front of `*chunks`. False, leaving `*chunks` alone,
// when fewer bytes than a header are left or the length runs past the end.
inline bool TakeChunk(std::span<const uint8_t>* chunks, ChunkView* chunk) {
  if (chunks->size() < kChunkHeaderSize) return false;
  const uint32_t length = DecodeFixed32(chunks->data() + kChunkTagSize);
  if (length > chunks->size() - kChunkHeaderSize) return false;
  chunk->tag = ChunkTag(DecodeFixed32(chunks->data()));
  chunk->data = chunks->subspan(kChunkHeaderSize, length);
  *chunks = chunks->subspan(kChunkHeaderSize + size_t{length});
  return true;
}

}  // namespace zelvo
